// Dictionaries for the lookup tests: records read from dictionary text lines, and nouns filled
// the way the entry editor fills them.
#pragma once

#include <cstdint>
#include <string_view>

#include "lexicon/zodynai.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_irasas.h"
#include "lexicon/zodyno_tekstas.h"
#include "morphology/zodzio_forma.h"

namespace kervosta::bandymai {

// A noun of both numbers: singular in Angl1 and Angl2, plural in Angl3; gender 0 masculine.
inline ZodynoIrasas Daiktavardis(std::string_view vienaskaita, std::string_view daugiskaita,
                                 std::string_view kamienas, std::int32_t paradigma,
                                 std::int32_t gimine = 0) {
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, 1);
  irasas.NustatytiTeksta(TekstoLaukas::Angl1, vienaskaita);
  irasas.NustatytiTeksta(TekstoLaukas::Angl2, vienaskaita);
  irasas.NustatytiTeksta(TekstoLaukas::Angl3, daugiskaita);
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, kamienas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, paradigma);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, gimine);
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, CitavimoForma(irasas));
  return irasas;
}

// The built-in records, and main and user dictionaries read from text lines.
inline ZodynuRinkinys Zodynai(std::string_view pagrindinis, std::string_view vartotojo = "") {
  ZodynuRinkinys zodynai;
  UzpildytiVidiniusIrasus(zodynai);
  SkaitytiZodynoTeksta(pagrindinis, zodynai.PagrindinisZodynas);
  SkaitytiZodynoTeksta(vartotojo, zodynai.VartotojoZodynas);
  return zodynai;
}

}  // namespace kervosta::bandymai
