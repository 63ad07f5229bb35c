// Verb groups: the English auxiliaries in front of a verb ("did not", "will have", "is being")
// are folded into the tense, mood, polarity and voice of the main verb, and the auxiliaries
// whose meaning moved into the verb are absorbed so that they produce no Lithuanian word.
#pragma once

#include "core/grupe.h"
#include "core/sakinys.h"

namespace kervosta {

// Puts an inverted question in the order of a statement, then examines every verb of the
// looked-up source sentence with the up to three words before it and edits those words in place.
// Runs whether or not the grammar analysis is on.
void AnalizuotiVeiksmazodzius(TSakinys& sakinys);

// A sentence that starts with a one-word verb group (after an absorbed "don't" or "do not", or
// "let's") is a command ("Go home.") in the second person `antrasisAsmuo` (5 jūs, 2 tu), or in
// the first plural after "let's"; a built-in auxiliary other than "be" opening a question ("Is he
// at home?") becomes the particle "ar" instead.
void ApdorotiPradiniVeiksmazodi(SGList& grupes, std::uint8_t antrasisAsmuo);

}  // namespace kervosta
