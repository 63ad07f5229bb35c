// Expansion of the English contractions that the analysis reads as two words.
#pragma once

#include "core/sakinys.h"

namespace kervosta {

// Replaces the first occurrence of each of "i'm", "i've", "hasn't", "haven't", "he's", "we're",
// "isn't" and "aren't", in that order, by its two words; a second occurrence of the same
// contraction stays as it is. Other contractions ("don't", "won't" ...) stay single words.
void IsskleistiSutrumpinimus(TSakinys& saltinis);

}  // namespace kervosta
