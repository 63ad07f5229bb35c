// English questions put the auxiliary before the subject ("Can you swim?", "Where does she
// work?"); Lithuanian keeps the order of a statement and marks a yes/no question with "ar"
// ("Ar jūs galite plaukti?", "Kur ji dirba?").
#pragma once

#include "core/sakinys.h"

namespace kervosta {

// In a sentence that ends with "?" and starts with an auxiliary, or with a question word and
// the words of its phrase ("how many children"), followed by a subject and a verb the auxiliary
// calls for, moves the auxiliary (and a "not" after it) behind the subject. Without a question
// word the particle "ar" is put first. A form of "be" before a personal pronoun with no verb
// after it ("Where are you?") moves behind the pronoun as well.
void ApverstiKlausima(TSakinys& sakinys);

}  // namespace kervosta
