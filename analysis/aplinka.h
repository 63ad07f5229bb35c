// Everything one run of the translator shares between commands: the dictionaries, the candidate
// list of the latest lookup and the mode flags. The application owns one and passes it down.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "analysis/kandidatu_atmintis.h"
#include "analysis/koregavimas.h"
#include "core/sakinys.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// How the translation addresses the reader: "jūs" (polite, also the plural) or "tu".
enum class KreipinioForma : std::uint8_t { Jus, Tu };

struct Aplinka {
  ZodynuRinkinys Zodynai;
  ZodynoSarasas Vardai;                  // names met in this run that the dictionaries lack
  // The record in `Vardai` of every name and gender, found without walking the list; the name
  // is whole here, where the record keeps only as much of a long one as it holds.
  std::map<std::pair<std::string, std::int32_t>, ZodynoMazgas*> VarduIrasai;
  TSakinys Variantai;                    // candidates of the latest lookup
  KandidatuAtmintis Atmintis;            // candidates of the words translation has met
  std::uint8_t AutomatinisVertimas = 0;  // 1 automatic, 0 with correction
  std::uint8_t GramatineAnalize = 1;     // syntactic grouping on
  // Automatic lookup tells the parts of speech of a word apart by the words around it; off, the
  // last candidate wins.
  bool KontekstoTaisykle = true;
  KreipinioForma Kreipinys = KreipinioForma::Jus;
  KoregavimoKlausejas* Klausejas = nullptr;  // asked during translation with correction
};

}  // namespace kervosta
