#include <string_view>

#include "core/cp1257.h"
#include "core/kodai.h"
#include "lexicon/zodyno_failai.h"

namespace kervosta {

namespace {

using namespace kervosta::literals;

struct VidinisIrasas {
  std::string_view angl[5];
  std::string_view liet, kamienas, esamas, butas, busimas;
  std::int32_t kategorija, paradigma1, paradigma2, klausimas;
};

// The forms of "be" carry their own category, by which the grouping recognises them.
constexpr VidinisIrasas VidiniuLentele[6] = {
    {{"am", "am", "was", "been", "being"}, "esu"_lt, "bū"_lt, "es", "buv", "bu",
     KategorijaButi, 0, 0, 1},
    {{"be", "are", "were", "been", "being"}, "yra", "bū"_lt, "es", "buv", "bu",
     KategorijaButi, 0, 0, 1},
    {{"is", "is", "was", "been", "being"}, "yra", "bū"_lt, "yr", "buv", "bu",
     KategorijaButi, 0, 0, 1},
    {{"can", "can", "could", "*************", "*************"},
     "gali", "galė"_lt, "gal", "galėj"_lt, "galė"_lt, 1, 2, 0, 0},
    {{"do", "does", "did", "done", "doing"}, "daro", "dary", "dar", "dar", "dar", 1, 3, 1, 4},
    {{"have", "has", "had", "had", "having"}, "turi", "turė"_lt, "tur", "turėj"_lt, "turė"_lt,
     1, 2, 0, 4},
};

// Built-in records are reached by their number only, so their part of speech is never read;
// it is kept at 2 all the same, as the records have always carried it.
constexpr std::int32_t VidinioDaliesKodas = 2;

ZodynoIrasas SukurtiVidini(const VidinisIrasas& e) {
  constexpr TekstoLaukas angl[5] = {TekstoLaukas::Angl1, TekstoLaukas::Angl2, TekstoLaukas::Angl3,
                                    TekstoLaukas::Angl4, TekstoLaukas::Angl5};
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, VidinioDaliesKodas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, e.kategorija);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, e.paradigma1);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, e.paradigma2);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Klausimas, e.klausimas);
  for (int i = 0; i < 5; ++i) irasas.NustatytiTeksta(angl[i], e.angl[i]);
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, e.liet);
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, e.kamienas);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, e.esamas);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, e.butas);
  irasas.NustatytiTeksta(TekstoLaukas::BusimasKamienas, e.busimas);
  return irasas;
}

}  // namespace

void UzpildytiVidiniusIrasus(ZodynuRinkinys& zodynai) {
  for (std::size_t i = 0; i < zodynai.VidiniaiIrasai.size(); ++i)
    zodynai.VidiniaiIrasai[i] = SukurtiVidini(VidiniuLentele[i]);
}

}  // namespace kervosta
