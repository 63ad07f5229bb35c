// Dictionary entries for the form builders' tests; `Irasas` takes a Windows-1257 stem.
#pragma once

#include <string_view>

#include "core/cp1257.h"
#include "lexicon/zodyno_irasas.h"

namespace kervosta::testai {

inline ZodynoIrasas Irasas(std::string_view kamienas, int p1, int p2 = 0, int p3 = 0,
                           int kategorija = 0) {
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, kamienas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, p1);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, p2);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, p3);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, kategorija);
  return irasas;
}

// Stems in UTF-8: infinitive, present, past; then the present, past and future classes.
inline ZodynoIrasas Veiksmazodis(const char* bendraties, const char* esamasis, const char* butasis,
                                 int esamojo, int butojo, int busimojo) {
  ZodynoIrasas irasas = Irasas(IsUtf8(bendraties).Tekstas, esamojo, butojo, busimojo);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, IsUtf8(esamasis).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, IsUtf8(butasis).Tekstas);
  return irasas;
}

}  // namespace kervosta::testai
