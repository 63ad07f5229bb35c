// Dictionary records for the lookup tests, filled the way the entry editor fills them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "lexicon/zodynai.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_irasas.h"
#include "morphology/zodzio_forma.h"

namespace kervosta::bandymai {

inline ZodynoIrasas Irasas(std::int32_t kodas, std::array<std::string_view, 5> angl,
                           std::string_view kamienas, std::int32_t p1 = 0, std::int32_t p2 = 0,
                           std::int32_t p3 = 0) {
  constexpr TekstoLaukas laukai[5] = {TekstoLaukas::Angl1, TekstoLaukas::Angl2,
                                      TekstoLaukas::Angl3, TekstoLaukas::Angl4,
                                      TekstoLaukas::Angl5};
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, kodas);
  for (int i = 0; i < 5; ++i) irasas.NustatytiTeksta(laukai[i], angl[static_cast<std::size_t>(i)]);
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, kamienas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, p1);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, p2);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, p3);
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, CitavimoForma(irasas));
  return irasas;
}

// A noun of both numbers: singular in Angl1 and Angl2, plural in Angl3; gender 0 masculine.
inline ZodynoIrasas Daiktavardis(std::string_view vienaskaita, std::string_view daugiskaita,
                                 std::string_view kamienas, std::int32_t paradigma,
                                 std::int32_t gimine = 0) {
  return Irasas(1, {vienaskaita, vienaskaita, daugiskaita}, kamienas, paradigma, gimine);
}

// A verb with one stem for all tenses, classes 0, 0, 0.
inline ZodynoIrasas Veiksmazodis(std::array<std::string_view, 5> formos, std::string_view kamienas,
                                 std::int32_t klausimas = 0) {
  ZodynoIrasas irasas = Irasas(3, formos, kamienas);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, kamienas);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, kamienas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Klausimas, klausimas);
  return irasas;
}

// Any part of speech without inflection, with its Lithuanian word and required question.
inline ZodynoIrasas KitasZodis(std::int32_t kodas, std::string_view angl, std::string_view liet,
                               std::int32_t klausimas = 0) {
  ZodynoIrasas irasas = Irasas(kodas, {angl}, "");
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, liet);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Pozymis, klausimas);
  return irasas;
}

inline ZodynuRinkinys ParuostiZodynus() {
  ZodynuRinkinys zodynai;
  UzpildytiVidiniusIrasus(zodynai);
  return zodynai;
}

}  // namespace kervosta::bandymai
