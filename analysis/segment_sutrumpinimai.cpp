#include "analysis/segment_sutrumpinimai.h"

#include <array>
#include <string_view>

#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;

// The fields of one word of an expansion. A word with empty `Liet` carries only its English
// text and is left for the dictionary lookup to fill.
struct SutrumpinimoZodis {
  std::string_view Angl;
  std::string_view Liet;
  std::uint8_t KalbosDalis = dNezinoma;
  std::uint8_t Skaicius = 0;
  std::uint8_t Asmuo = 3;
  std::uint8_t Gimine = 0;
};

struct Sutrumpinimas {
  std::string_view Tekstas;
  SutrumpinimoZodis Pirmas;
  SutrumpinimoZodis Antras;
};

constexpr SutrumpinimoZodis As{"i", "aš"_lt, dAsmVardininkas, 0, 1, 0};
constexpr SutrumpinimoZodis Jis{"he", "jis"_lt, dAsmVardininkas, 0, 3, 1};
constexpr SutrumpinimoZodis Mes{"we", "mes"_lt, dAsmVardininkas, 1, 4, 0};
constexpr SutrumpinimoZodis Esu{"am", "esu"_lt, dVeiksmazodis, 0, 1, 0};
constexpr SutrumpinimoZodis Yra{"is", "yra"_lt, dVeiksmazodis, 0, 3, 0};
constexpr SutrumpinimoZodis Esame{"are", "esame"_lt, dVeiksmazodis, 0, 4, 0};
constexpr SutrumpinimoZodis DaugYra{"are", "yra"_lt, dVeiksmazodis, 1, 3, 0};
constexpr SutrumpinimoZodis Ne{"not", "ne"_lt, dPagalbinis, 0, 3, 0};
constexpr SutrumpinimoZodis DaugNe{"not", "ne"_lt, dPagalbinis, 1, 3, 0};
constexpr SutrumpinimoZodis Have{"have", {}};
constexpr SutrumpinimoZodis Has{"has", {}};

// Applied in this order.
constexpr std::array<Sutrumpinimas, 8> Sutrumpinimai{{
    {"i'm", As, Esu},
    {"i've", As, Have},
    {"hasn't", Has, Ne},
    {"haven't", Have, Ne},
    {"he's", Jis, Yra},
    {"we're", Mes, Esame},
    {"isn't", Yra, Ne},
    {"aren't", DaugYra, DaugNe},
}};

TZodis NaujasZodis(const SutrumpinimoZodis& apibrezimas) {
  TZodis zodis;
  zodis.Angl = apibrezimas.Angl;
  if (apibrezimas.Liet.empty()) return zodis;
  zodis.Vidinis = 1;
  zodis.Liet = apibrezimas.Liet;
  zodis.Liet2 = apibrezimas.Liet;
  zodis.KalbosDalis = apibrezimas.KalbosDalis;
  zodis.Laikas = 2;
  zodis.Skaicius = apibrezimas.Skaicius;
  zodis.Asmuo = apibrezimas.Asmuo;
  zodis.Linksnis = 0;
  zodis.Gimine = apibrezimas.Gimine;
  return zodis;
}

}  // namespace

// Every occurrence is expanded: left whole, a second "i'm" would be looked up as one unknown
// word and stay English in the translation.
void IsskleistiSutrumpinimus(TSakinys& saltinis) {
  for (const Sutrumpinimas& s : Sutrumpinimai) {
    for (int i = 0; i < saltinis.Kiekis(); ++i) {
      if (saltinis.Zodziai[i].Angl != s.Tekstas) continue;
      saltinis.Zodziai[i] = NaujasZodis(s.Pirmas);
      saltinis.Zodziai.Iterpti(++i, NaujasZodis(s.Antras));
    }
  }
}

}  // namespace kervosta
