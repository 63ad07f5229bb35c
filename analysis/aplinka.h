// Everything one run of the translator shares between commands: the dictionaries, the candidate
// list of the latest lookup and the mode flags. The application owns one and passes it down.
#pragma once

#include <cstdint>

#include "analysis/koregavimas.h"
#include "core/sakinys.h"
#include "lexicon/zodynai.h"

namespace kervosta {

struct Aplinka {
  ZodynuRinkinys Zodynai;
  TSakinys Variantai;                    // candidates of the latest lookup
  std::uint8_t AutomatinisVertimas = 0;  // 1 automatic, 0 with correction
  std::uint8_t GramatineAnalize = 1;     // syntactic grouping on
  KoregavimoKlausejas* Klausejas = nullptr;  // asked during translation with correction
};

}  // namespace kervosta
