// Verb groups: the English auxiliaries in front of a verb ("did not", "will have", "is being")
// are folded into the tense, mood, polarity and voice of the main verb, and the auxiliaries
// whose meaning moved into the verb are absorbed so that they produce no Lithuanian word.
#pragma once

#include "core/grupe.h"
#include "core/sakinys.h"

namespace kervosta {

// Examines every verb of the looked-up source sentence with the up to three words before it
// and edits those words in place. Runs whether or not the grammar analysis is on.
void AnalizuotiVeiksmazodzius(TSakinys& sakinys);

// A sentence that starts with a one-word verb group (after an absorbed "don't" or "do not") is a
// command ("Go home.") or, when that verb is a built-in auxiliary, a yes/no question whose
// auxiliary becomes the particle "ar".
void ApdorotiPradiniVeiksmazodi(SGList& grupes);

}  // namespace kervosta
