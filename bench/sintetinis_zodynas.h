// Synthetic dictionary entries for the benchmarks: nouns "w0".."wN" with plurals, every seventh
// a verb, so that lookups of "wK" and "wKs" hit and lookups past N miss. No English text holds
// such words, so padding a real dictionary with them leaves its translations as they were.
#pragma once

#include <string>

#include "lexicon/zodyno_sarasas.h"

namespace kervosta {

inline void PridetiSintetinius(ZodynoSarasas& sarasas, int irasu) {
  for (int i = 0; i < irasu; ++i) {
    ZodynoIrasas irasas;
    std::string angl = std::to_string(i);
    angl.insert(angl.begin(), 'w');
    irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, i % 7 == 0 ? 3 : 1);
    irasas.NustatytiTeksta(TekstoLaukas::Angl1, angl);
    irasas.NustatytiTeksta(TekstoLaukas::Angl2, angl);
    irasas.NustatytiTeksta(TekstoLaukas::Angl3, angl + "s");
    irasas.NustatytiTeksta(TekstoLaukas::Kamienas, "nam");
    sarasas.Prideti(irasas);
  }
}

}  // namespace kervosta
