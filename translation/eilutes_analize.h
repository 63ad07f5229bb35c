// One line of text analysed as a single sentence, the way the grammar window and `analyse` show
// it: every word looked up automatically, grouped with the grammar steps always on, and the
// Lithuanian words generated. No question is asked.
#pragma once

#include <string_view>

#include "analysis/aplinka.h"
#include "core/grupe.h"
#include "core/sakinys.h"

namespace kervosta {

struct EilutesAnalize {
  TSakinys Saltinis;   // the English words with their features
  TSakinys Vertinys;   // the Lithuanian words, in the English order
  SGList Grupes;       // the groups, over the English words
};

// Replaces the analysis with that of `tekstas`; false, with both sentences empty, when the text
// has no words.
bool AnalizuotiEilute(Aplinka& aplinka, std::string_view tekstas, EilutesAnalize& analize);

}  // namespace kervosta
