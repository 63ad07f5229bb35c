#include "analysis/segment_sutrumpinimai.h"

#include <array>
#include <string_view>

#include "analysis/zodzio_paieska.h"

namespace kervosta {

namespace {

struct Sutrumpinimas {
  std::string_view Tekstas;
  std::string_view Pirmas;
  std::string_view Antras;
};

// Contractions whose first word is not the text before the apostrophe.
constexpr std::array<Sutrumpinimas, 5> Zodziai{{
    {"can't", "can", "not"},
    {"cannot", "can", "not"},
    {"won't", "will", "not"},
    {"shan't", "shall", "not"},
    {"ain't", "is", "not"},
}};

// Endings that part a word in two; "'s" and "'d" become marks that the lookup settles.
constexpr std::array<Sutrumpinimas, 7> Galunes{{
    {"n't", "", "not"},
    {"'m", "", "am"},
    {"'re", "", "are"},
    {"'ve", "", "have"},
    {"'ll", "", "will"},
    {"'s", "", ZymeS},
    {"'d", "", ZymeD},
}};

constexpr bool SuApostrofu(std::string_view tekstas) {
  return tekstas.find('\'') != std::string_view::npos;
}

constexpr bool ApostrofasVisur() {
  for (const Sutrumpinimas& s : Zodziai)
    if (!SuApostrofu(s.Tekstas) && s.Tekstas != "cannot") return false;
  for (const Sutrumpinimas& s : Galunes)
    if (!SuApostrofu(s.Tekstas)) return false;
  return true;
}
static_assert(ApostrofasVisur(), "a contraction without an apostrophe would be passed over");

// "let's" is one word: the command of the first person plural.
bool Skaidomas(std::string_view zodis) { return zodis != "let's"; }

bool Isskleisti(const TZodis& zodis, std::string_view& pirmas, std::string_view& antras) {
  const std::string_view angl = zodis.Angl;
  // Every contraction but "cannot" has an apostrophe: most words are passed at one glance.
  if (!SuApostrofu(angl) && angl != "cannot") return false;
  for (const Sutrumpinimas& s : Zodziai) {
    if (angl != s.Tekstas) continue;
    pirmas = s.Pirmas;
    antras = s.Antras;
    return true;
  }
  if (!Skaidomas(angl)) return false;
  for (const Sutrumpinimas& s : Galunes) {
    if (!angl.ends_with(s.Tekstas) || angl.size() == s.Tekstas.size()) continue;
    pirmas = angl.substr(0, angl.size() - s.Tekstas.size());
    antras = s.Antras;
    return true;
  }
  return false;
}

bool Daiktavardinis(const TSakinys& s, int i) {
  return s.DalisYra(i, dBudvardis) || s.DalisYra(i, dSkaitvardis);
}

// "Tom's car", "Tom's new car": the mark stands between an owner and what it owns.
bool Savybinis(const TSakinys& s, int zyme) {
  if (!s.DalisYra(zyme - 1, dDaiktavardis)) return false;
  int i = zyme + 1;
  while (Daiktavardinis(s, i)) ++i;
  return s.DalisYra(i, dDaiktavardis);
}

// "has" before a form that can only be a past participle ("she's gone", "it's been"), "is"
// before anything else ("it's done" reads as a state).
bool PriesDalyvi(const TSakinys& s, int i) {
  if (s.ZodisYra(i, "got") || s.ZodisYra(i, "been")) return true;
  if (!s.DalisYra(i, dVeiksmazodis) || s.Zodziai[i].AnglForma != afDalyvis || !s.Zodziai[i].Irasas)
    return false;
  const ZodynoIrasas& irasas = s.Zodziai[i].Irasas->Duomenys;
  return irasas.Vaizdas(TekstoLaukas::Angl3) != irasas.Vaizdas(TekstoLaukas::Angl4);
}

void Paversti(const ZodynuRinkinys& zodynai, TZodis& zodis, std::string_view angl) {
  zodis.Atstatyti();
  zodis.Angl = std::string(angl);
  AtpazintiVidini(zodynai, angl, zodis);
}

}  // namespace

// Every occurrence is expanded: left whole, a second "i'm" would be looked up as one unknown
// word and stay English in the translation.
void IsskleistiSutrumpinimus(TSakinys& saltinis) {
  for (int i = 0; i < saltinis.Kiekis(); ++i) {
    std::string_view pirmas, antras;
    if (!Isskleisti(saltinis.Zodziai[i], pirmas, antras)) continue;
    TZodis antrasZodis;
    antrasZodis.Angl = std::string(antras);
    const std::string pirmoTekstas(pirmas);
    saltinis.Zodziai[i].Angl = pirmoTekstas;
    saltinis.Zodziai.Iterpti(++i, std::move(antrasZodis));
  }
}

void IssprestiSutrumpinimus(const ZodynuRinkinys& zodynai, TSakinys& saltinis) {
  for (int i = 0; i < saltinis.Kiekis(); ++i) {
    TZodis& zodis = saltinis.Zodziai[i];
    if (zodis.Angl == ZymeD) {
      const bool had = PriesDalyvi(saltinis, i + 1) || saltinis.ZodisYra(i + 1, "better");
      Paversti(zodynai, zodis, had ? "had" : "would");
    } else if (zodis.Angl == ZymeS && Savybinis(saltinis, i)) {
      // The owner takes the genitive and the mark goes.
      saltinis.Zodziai[i - 1].Linksnis = zlKilmininkas;
      saltinis.Zodziai.Pasalinti(i--);
    } else if (zodis.Angl == ZymeS) {
      Paversti(zodynai, zodis, PriesDalyvi(saltinis, i + 1) ? "has" : "is");
    }
  }
}

}  // namespace kervosta
