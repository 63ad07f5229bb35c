// Expansion of the English contractions that the analysis reads as two words.
#pragma once

#include "core/sakinys.h"

namespace kervosta {

// Replaces every occurrence of "i'm", "i've", "hasn't", "haven't", "he's", "we're", "isn't" and
// "aren't" by its two words. Other contractions ("don't", "won't" ...) stay single words.
void IsskleistiSutrumpinimus(TSakinys& saltinis);

}  // namespace kervosta
