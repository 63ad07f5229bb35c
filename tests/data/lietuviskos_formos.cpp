#include "tests/data/lietuviskos_formos.h"

#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta::duomenys {

namespace {

using Formos = std::vector<LietuviskaForma>;

// The numbers a noun entry allows: `Paradigma3` 1 singular only, 2 plural only.
std::vector<int> Skaiciai(const ZodynoIrasas& irasas) {
  if (irasas.Paradigma3() == 1) return {skVienaskaita};
  if (irasas.Paradigma3() == 2) return {skDaugiskaita};
  return {skVienaskaita, skDaugiskaita};
}

// Nominal kinds name their paradigm ("daiktavardis-p12"), so that a limit of one paradigm's
// endings can be listed once.
std::string Paradigma(const char* rusis, std::int32_t paradigma) {
  return std::string(rusis) + "-p" + std::to_string(paradigma);
}

void Daiktavardis(const ZodynoIrasas& irasas, Formos& formos) {
  const std::string rusis = Paradigma("daiktavardis", irasas.Paradigma1());
  for (int skaicius : Skaiciai(irasas))
    for (int linksnis = 1; linksnis <= DaiktavardzioLinksniu; ++linksnis)
      formos.push_back({rusis, DaiktavardzioForma(irasas, linksnis, skaicius)});
}

void Budvardis(const ZodynoIrasas& irasas, Formos& formos) {
  const bool laipsniai = !irasas.Angl3().empty() || !irasas.Angl4().empty();
  for (int laipsnis = lpNelyginamasis; laipsnis <= (laipsniai ? lpAuksciausiasis : 0); ++laipsnis)
    for (int gimine : {bgVyriska, bgMoteriska}) {
      // The positive names the paradigm of its gender: "budvardis-v4", "budvardis-m2".
      const std::string rusis =
          laipsnis != lpNelyginamasis ? std::string("budvardis-laipsnis")
          : gimine == bgVyriska       ? "budvardis-v" + std::to_string(irasas.Paradigma1())
                                      : "budvardis-m" + std::to_string(irasas.Paradigma2());
      for (int skaicius : {skVienaskaita, skDaugiskaita})
        for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis)
          formos.push_back({rusis, BudvardzioForma(irasas, gimine, linksnis, skaicius, laipsnis)});
    }
}

template <typename Statytojas>
void GiminemisIrSkaiciais(const std::string& rusis, Statytojas statyti, Formos& formos) {
  for (int gimine : {gVyriska, gMoteriska})
    for (int skaicius : {skVienaskaita, skDaugiskaita})
      for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis)
        formos.push_back({rusis, statyti(gimine, linksnis, skaicius)});
}

Forma Veiksm(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka) {
  return VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, lVardininkas, dgVyriska,
                            skVienaskaita, fAsmenuojama, true);
}

// A verb form's kind names the class of the stem it grows from: "-e" the present class, "-b"
// the past class, "-f" the future class (the infinitive stem's), so that a limit of one class's
// endings can be listed once.
struct Klases {
  std::string E, B, F;
  explicit Klases(const ZodynoIrasas& irasas)
      : E("-e" + std::to_string(irasas.Paradigma1())),
        B("-b" + std::to_string(irasas.Paradigma2())),
        F("-f" + std::to_string(irasas.Paradigma3())) {}
};

void Asmenuojamos(const ZodynoIrasas& irasas, Formos& formos) {
  const Klases k(irasas);
  for (int asmuo = 1; asmuo <= AsmenuSkaicius; ++asmuo) {
    formos.push_back({"esamasis" + k.E, Veiksm(irasas, asmuo, lkEsamasis, nTiesiogine)});
    formos.push_back({"butasis" + k.B, Veiksm(irasas, asmuo, lkButasisKartinis, nTiesiogine)});
    formos.push_back({"dazninis" + k.F, Veiksm(irasas, asmuo, lkButasisDazninis, nTiesiogine)});
    formos.push_back({"busimasis" + k.F, Veiksm(irasas, asmuo, lkBusimasis, nTiesiogine)});
    formos.push_back({"tariamoji" + k.F, Veiksm(irasas, asmuo, lkEsamasis, nTariamoji)});
    if (asmuo == 1) continue;
    const bool tegul = asmuo == 3 || asmuo == 6;
    formos.push_back({tegul ? "liepiamoji-tegul" + k.E : "liepiamoji" + k.F,
                      Veiksm(irasas, asmuo, lkEsamasis, nLiepiamoji)});
  }
  formos.push_back({"bendratis" + k.F, Veiksm(irasas, 1, lkBendratis, nTiesiogine)});
}

void Dalyviai(const ZodynoIrasas& irasas, Formos& formos) {
  const Klases k(irasas);
  const std::string veikiamieji[] = {"", "dalyvis-veik-esamasis" + k.E,
                                     "dalyvis-veik-butasis" + k.B, "dalyvis-veik-dazninis" + k.F,
                                     "dalyvis-veik-busimasis" + k.F};
  const std::string neveikiamieji[] = {"", "dalyvis-neveik-esamasis" + k.E,
                                       "dalyvis-neveik-butasis" + k.F};
  for (int gimine : {dgVyriska, dgMoteriska})
    for (int skaicius : {skVienaskaita, skDaugiskaita})
      for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis) {
        // An active participle takes its case from the person argument.
        for (int laikas = lkEsamasis; laikas <= lkBusimasis; ++laikas)
          formos.push_back({veikiamieji[laikas],
                            VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, lVardininkas,
                                               gimine, skaicius, fDalyvis, true)});
        for (int laikas = lkEsamasis; laikas <= lkButasisKartinis; ++laikas)
          formos.push_back({neveikiamieji[laikas],
                            VeiksmazodzioForma(irasas, 1, laikas, nTiesiogine, linksnis, gimine,
                                               skaicius, fDalyvis, false)});
      }
}

void Neasmenuojamas(const ZodynoIrasas& irasas, Formos& formos) {
  formos.push_back({"nekaitomas", irasas.Kamienas()});
}

}  // namespace

std::vector<LietuviskaForma> VisosFormos(const ZodynoIrasas& irasas) {
  Formos formos;
  switch (irasas.DaliesKodas()) {
    case 1:
      Daiktavardis(irasas, formos);
      break;
    case 2:
      if (irasas.Paradigma3() != 1) {
        Neasmenuojamas(irasas, formos);
        break;
      }
      GiminemisIrSkaiciais(
          Paradigma("ivardis", irasas.Paradigma1()),
          [&](int g, int l, int s) { return IvardzioForma(irasas, g, l, s); }, formos);
      break;
    case 3:
      Asmenuojamos(irasas, formos);
      Dalyviai(irasas, formos);
      break;
    case 5:
      Budvardis(irasas, formos);
      break;
    case 13:
      if (irasas.Kategorija() == srKiekinis && irasas.Paradigma1() < 0) {
        Neasmenuojamas(irasas, formos);
        break;
      }
      GiminemisIrSkaiciais(
          Paradigma("skaitvardis", irasas.Paradigma1()),
          [&](int g, int l, int s) { return SkaitvardzioForma(irasas, g, l, s); }, formos);
      break;
    default:
      formos.push_back({"nekaitomas", irasas.LietZodis()});
  }
  return formos;
}

}  // namespace kervosta::duomenys
