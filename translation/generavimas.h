// Generation: every inflectable word of the target sentence gets the Lithuanian form that its
// features call for, built from its dictionary entry (or built-in verb record) and the ending
// tables. Words are not reordered, added or removed.
#pragma once

#include "analysis/aplinka.h"
#include "core/sakinys.h"

namespace kervosta {

// Rewrites `Liet` of the nouns, numerals, adjectives, pronouns and verbs of the sentence in
// place. A word whose features or entry select no form keeps the text the lookup gave it; a
// negated verb is joined to "ne".
void GeneruotiSakini(const Aplinka& aplinka, TSakinys& vertinys);

}  // namespace kervosta
