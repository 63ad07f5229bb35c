#include "translation/generavimas.h"

#include "analysis/grupavimo_taisykles.h"
#include "core/cp1257.h"
#include "morphology/iraso_formos.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta {

namespace {

using namespace literals;

// The arguments derived while walking a sentence. A word whose field is outside its range
// leaves the value an earlier word gave: a verb governing no case (7) builds its passive
// participle in the case of the nearest word before it that had one, typically the subject.
// The start values are what a sentence without such a word needs.
class DarbinesReiksmes {
 public:
  int Linksnis(const TZodis& z) {
    if (const auto kodas = LinksnioKodas(z.Linksnis)) linksnis_ = *kodas;
    return linksnis_;
  }
  int Skaicius(const TZodis& z) {
    if (z.Skaicius <= zskDaugiskaita) skaicius_ = SkaiciausKodas(z.Skaicius);
    return skaicius_;
  }
  // `Gimine` up to feminine; each builder family maps it in its own way.
  std::uint8_t Gimine(const TZodis& z) {
    if (z.Gimine <= zgMoteriska) gimine_ = z.Gimine;
    return gimine_;
  }
  int Laikas(const TZodis& z) {
    if (const auto kodas = LaikoKodas(z.Laikas)) laikas_ = *kodas;
    return laikas_;
  }
  int Nuosaka(const TZodis& z) {
    if (z.Nuosaka <= nLiepiamoji) nuosaka_ = NuosakosKodas(z.Nuosaka);
    return nuosaka_;
  }
  int Asmuo(const TZodis& z) {
    if (z.Asmuo >= 1 && z.Asmuo <= AsmenuSkaicius) asmuo_ = AsmensKodas(z.Asmuo);
    return asmuo_;
  }

 private:
  int linksnis_ = lVardininkas;
  int skaicius_ = skVienaskaita;
  std::uint8_t gimine_ = 0;
  int laikas_ = lkEsamasis;
  int nuosaka_ = nTiesiogine;
  int asmuo_ = 3;
};

void Priskirti(TZodis& z, const Forma& forma) {
  if (forma) z.Liet = *forma;
}

const ZodynoIrasas* Irasas(const TZodis& z) { return z.Irasas ? &z.Irasas->Duomenys : nullptr; }

constexpr std::int32_t UsBudvardzioParadigma = 4;  // masculine paradigm of gražus, sunkus

void Daiktavardis(TZodis& z, DarbinesReiksmes& r) {
  const int linksnis = r.Linksnis(z);
  const int skaicius = r.Skaicius(z);
  if (const ZodynoIrasas* irasas = Irasas(z)) Priskirti(z, DaiktavardzioForma(*irasas, linksnis, skaicius));
}

// A numeral written in digits keeps its digits, and one of no gender keeps its text; neither
// passes its case on to a later verb.
void Skaitvardis(TZodis& z, DarbinesReiksmes& r) {
  if (z.Liet == z.Angl) return;
  const auto gimine = SkaitvardzioGimine(r.Gimine(z));
  if (!gimine) return;
  const int linksnis = r.Linksnis(z);
  const int skaicius = r.Skaicius(z);
  if (const ZodynoIrasas* irasas = Irasas(z))
    Priskirti(z, SkaitvardzioForma(*irasas, *gimine, linksnis, skaicius));
}

// The neuter of "šalta", "gražu" ("It is cold"): the feminine nominative, but -u for the
// adjectives in -us, whose feminine is -i (graži).
void BevardisBudvardis(TZodis& z, const ZodynoIrasas& irasas) {
  Forma forma =
      BudvardzioForma(irasas, bgMoteriska, lVardininkas, skVienaskaita, LaipsnioKodas(z.Laipsnis));
  const bool us = z.Laipsnis == lpNelyginamasis && irasas.Paradigma1() == UsBudvardzioParadigma;
  if (forma && us && forma->ends_with('i')) forma->back() = 'u';
  Priskirti(z, forma);
}

void Budvardis(TZodis& z, DarbinesReiksmes& r) {
  if (z.Laipsnis > lpAuksciausiasis) return;
  if (z.Gimine == zgBevarde) {
    if (const ZodynoIrasas* irasas = Irasas(z)) BevardisBudvardis(z, *irasas);
    return;
  }
  const int gimine = BudvardzioGimine(r.Gimine(z));
  const int linksnis = r.Linksnis(z);
  const int skaicius = r.Skaicius(z);
  if (const ZodynoIrasas* irasas = Irasas(z))
    Priskirti(z, BudvardzioForma(*irasas, gimine, linksnis, skaicius, LaipsnioKodas(z.Laipsnis)));
}

void Ivardis(TZodis& z, DarbinesReiksmes& r) {
  const ZodynoIrasas* irasas = Irasas(z);
  const bool linksniuojamas = irasas && irasas->Paradigma3() != 0;
  if (z.Vidinis != 1 && !linksniuojamas) return;
  const int gimine = IvardzioGimine(r.Gimine(z));
  const int linksnis = r.Linksnis(z);
  const int skaicius = r.Skaicius(z);
  if (z.Vidinis == 1)
    Priskirti(z, AsmeninioIvardzioForma(z, gimine, linksnis));
  else
    Priskirti(z, IvardzioForma(*irasas, gimine, linksnis, skaicius));
}

// The built-in verb record of the word, when its number names one.
const ZodynoIrasas* VidinisIrasas(const Aplinka& aplinka, const TZodis& z) {
  const auto& vidiniai = aplinka.Zodynai.VidiniaiIrasai;
  if (z.Vidinis != 1 || z.Nr < 1 || z.Nr > static_cast<std::int32_t>(vidiniai.size())) return nullptr;
  return &vidiniai[static_cast<std::size_t>(z.Nr - 1)];
}

bool ButiesForma(const Aplinka& aplinka, const TZodis& z) {
  const ZodynoIrasas* vidinis = VidinisIrasas(aplinka, z);
  return vidinis && vidinis->Kategorija() == KategorijaButi;
}

// The endings build "būti" as a regular verb; its third persons are "yra" in the present and
// "bus" in the future.
void ButiesTreciasisAsmuo(TZodis& z, int laikas, int asmuo) {
  if (asmuo != 3 && asmuo != 6) return;
  if (laikas == lkEsamasis) z.Liet = "yra"_lt;
  else if (laikas == lkBusimasis) z.Liet = "bus"_lt;
}

// "ne" fuses with the present of "būti": nesu, nesi, nėra, nesame, nesate. A form of an entry
// takes "ne" where the entry's forms take it (nesigailiu, tegul nedirba).
std::string Neigti(const Aplinka& aplinka, const TZodis& z) {
  if (ButiesForma(aplinka, z)) {
    if (z.Liet == "yra"_lt) return std::string("nėra"_lt);
    if (z.Liet.starts_with("es")) return "n" + z.Liet;
  }
  if (const ZodynoIrasas* irasas = Irasas(z)) return NeigiamaForma(*irasas, z.Liet);
  return "ne" + z.Liet;
}

void Veiksmazodis(const Aplinka& aplinka, TZodis& z, DarbinesReiksmes& r) {
  if (z.Irasas || z.Vidinis == 1) {
    const int asmuo = r.Asmuo(z);
    const int laikas = r.Laikas(z);
    const int nuosaka = r.Nuosaka(z);
    const int linksnis = r.Linksnis(z);
    const int gimine = DalyvioGimine(r.Gimine(z));
    const int skaicius = r.Skaicius(z);
    // The builder reads an active participle's case from the person: the third person would make
    // "bus matęs" a dative ("bus matusiam"). The participle stands beside its subject: nominative.
    const bool veikiamasisDalyvis =
        FormosRusis(z.AnglForma) == fDalyvis && RusiesKodas(z.Veikiamoji);
    const int asmuoArLinksnis = veikiamasisDalyvis ? lVardininkas : asmuo;
    const auto forma = [&](const ZodynoIrasas& irasas) {
      return VeiksmazodzioForma(irasas, asmuoArLinksnis, laikas, nuosaka, linksnis, gimine,
                                skaicius, FormosRusis(z.AnglForma), RusiesKodas(z.Veikiamoji));
    };
    if (const ZodynoIrasas* irasas = Irasas(z)) Priskirti(z, forma(*irasas));
    // A built-in verb ("be", "have" ...) is built from its own record even when an entry is set.
    if (const ZodynoIrasas* vidinis = VidinisIrasas(aplinka, z)) {
      Priskirti(z, forma(*vidinis));
      if (ButiesForma(aplinka, z) && nuosaka == nTiesiogine && FormosRusis(z.AnglForma) == fAsmenuojama)
        ButiesTreciasisAsmuo(z, laikas, asmuo);
    }
  }
  if (z.Teigiamas == 0) z.Liet = Neigti(aplinka, z);
}

}  // namespace

void GeneruotiSakini(const Aplinka& aplinka, TSakinys& vertinys) {
  DarbinesReiksmes reiksmes;
  for (int i = 0; i < vertinys.Kiekis(); ++i) {
    TZodis& z = vertinys.Zodziai[i];
    switch (z.KalbosDalis) {
      case dDaiktavardis: Daiktavardis(z, reiksmes); break;
      case dSkaitvardis: Skaitvardis(z, reiksmes); break;
      case dBudvardis: Budvardis(z, reiksmes); break;
      case dIvardis:
      case dAsmVardininkas:
      case dAsmKitas: Ivardis(z, reiksmes); break;
      case dVeiksmazodis: Veiksmazodis(aplinka, z, reiksmes); break;
      default: break;  // adverbs, prepositions, separators, unknown words ... stay as looked up
    }
  }
}

}  // namespace kervosta
