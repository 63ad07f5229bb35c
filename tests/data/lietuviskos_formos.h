// Every Lithuanian form that translation can make of a dictionary entry, each with its kind,
// built with the engine's own form builders.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lexicon/zodyno_irasas.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta::duomenys {

struct LietuviskaForma {
  std::string Rusis;  // "daiktavardis-p12", "esamasis-e3", "dalyvis-veik-busimasis-f2"
  std::optional<std::string> Tekstas;  // Windows-1257; empty: the builder made no form
};
using Formos = std::vector<LietuviskaForma>;

// Nominal kinds end in the paradigm ("daiktavardis-p12") and verb kinds in the class of the stem
// the form grows from ("-e" present, "-b" past, "-f" future), so that a limit of one paradigm's
// or class's endings is listed once among the exceptions.
inline std::string Su(const std::string& rusis, char raide, std::int32_t numeris) {
  return rusis + "-" + raide + std::to_string(numeris);
}

// `Paradigma3` 1 keeps a noun singular, 2 plural.
inline void Daiktavardis(const ZodynoIrasas& irasas, Formos& formos) {
  for (int skaicius : {skVienaskaita, skDaugiskaita})
    for (int linksnis = 1; linksnis <= DaiktavardzioLinksniu; ++linksnis)
      if (irasas.Paradigma3() != (skaicius == skVienaskaita ? 2 : 1))
        formos.push_back({Su("daiktavardis", 'p', irasas.Paradigma1()),
                          DaiktavardzioForma(irasas, linksnis, skaicius)});
}

inline void Budvardis(const ZodynoIrasas& irasas, Formos& formos) {
  const bool laipsniai = !irasas.Angl3().empty() || !irasas.Angl4().empty();
  for (int laipsnis = lpNelyginamasis; laipsnis <= (laipsniai ? lpAuksciausiasis : 0); ++laipsnis)
    for (int gimine : {bgVyriska, bgMoteriska}) {
      const std::string rusis = laipsnis != lpNelyginamasis ? std::string("budvardis-laipsnis")
                                : gimine == bgVyriska ? Su("budvardis", 'v', irasas.Paradigma1())
                                                      : Su("budvardis", 'm', irasas.Paradigma2());
      for (int skaicius : {skVienaskaita, skDaugiskaita})
        for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis)
          formos.push_back({rusis, BudvardzioForma(irasas, gimine, linksnis, skaicius, laipsnis)});
    }
}

// A declinable pronoun or numeral in both genders.
inline void GiminemisIrSkaiciais(const ZodynoIrasas& irasas, const std::string& rusis,
                                 Forma (*statyti)(const ZodynoIrasas&, int, int, int),
                                 Formos& formos) {
  for (int gimine : {gVyriska, gMoteriska})
    for (int skaicius : {skVienaskaita, skDaugiskaita})
      for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis)
        formos.push_back({rusis, statyti(irasas, gimine, linksnis, skaicius)});
}

inline void Veiksmazodis(const ZodynoIrasas& irasas, Formos& formos) {
  const std::string e = Su("", 'e', irasas.Paradigma1()), b = Su("", 'b', irasas.Paradigma2()),
                    f = Su("", 'f', irasas.Paradigma3());
  const auto asmenuojama = [&](int asmuo, int laikas, int nuosaka) {
    return VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, lVardininkas, dgVyriska,
                              skVienaskaita, fAsmenuojama, true);
  };
  for (int asmuo = 1; asmuo <= AsmenuSkaicius; ++asmuo) {
    formos.push_back({"esamasis" + e, asmenuojama(asmuo, lkEsamasis, nTiesiogine)});
    formos.push_back({"butasis" + b, asmenuojama(asmuo, lkButasisKartinis, nTiesiogine)});
    formos.push_back({"dazninis" + f, asmenuojama(asmuo, lkButasisDazninis, nTiesiogine)});
    formos.push_back({"busimasis" + f, asmenuojama(asmuo, lkBusimasis, nTiesiogine)});
    formos.push_back({"tariamoji" + f, asmenuojama(asmuo, lkEsamasis, nTariamoji)});
    if (asmuo == 1) continue;
    const bool tegul = asmuo == 3 || asmuo == 6;
    formos.push_back({tegul ? "liepiamoji-tegul" + e : "liepiamoji" + f,
                      asmenuojama(asmuo, lkEsamasis, nLiepiamoji)});
  }
  formos.push_back({"bendratis" + f, asmenuojama(1, lkBendratis, nTiesiogine)});
  const std::string veikiamieji[] = {"", "dalyvis-veik-esamasis" + e, "dalyvis-veik-butasis" + b,
                                     "dalyvis-veik-dazninis" + f, "dalyvis-veik-busimasis" + f};
  const std::string neveikiamieji[] = {"", "dalyvis-neveik-esamasis" + e,
                                       "dalyvis-neveik-butasis" + f};
  for (int gimine : {dgVyriska, dgMoteriska})
    for (int skaicius : {skVienaskaita, skDaugiskaita})
      for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis) {
        // An active participle takes its case from the person argument.
        for (int laikas = lkEsamasis; laikas <= lkBusimasis; ++laikas)
          formos.push_back({veikiamieji[laikas],
                            VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, lVardininkas,
                                               gimine, skaicius, fDalyvis, true)});
        for (int laikas = lkEsamasis; laikas <= lkButasisKartinis; ++laikas)
          formos.push_back(
              {neveikiamieji[laikas], VeiksmazodzioForma(irasas, 1, laikas, nTiesiogine, linksnis,
                                                         gimine, skaicius, fDalyvis, false)});
      }
}

// Nouns and adjectives in every case of their numbers and genders (adjectives in the degrees
// only when the entry stores an English comparative), declinable pronouns and numerals in both
// genders, verbs in every tense, mood and participle; other words as written.
inline Formos VisosFormos(const ZodynoIrasas& irasas) {
  Formos formos;
  const std::int32_t p = irasas.Paradigma1();
  switch (irasas.DaliesKodas()) {
    case 1:
      Daiktavardis(irasas, formos);
      break;
    case 2:  // a pronoun declines only when `Paradigma3` is 1
      if (irasas.Paradigma3() != 1) return {{"nekaitomas", irasas.Kamienas()}};
      GiminemisIrSkaiciais(irasas, Su("ivardis", 'p', p), IvardzioForma, formos);
      break;
    case 3:
      Veiksmazodis(irasas, formos);
      break;
    case 5:
      Budvardis(irasas, formos);
      break;
    case 13:
      if (irasas.Kategorija() == srKiekinis && p < 0) return {{"nekaitomas", irasas.Kamienas()}};
      GiminemisIrSkaiciais(irasas, Su("skaitvardis", 'p', p), SkaitvardzioForma, formos);
      break;
    default:
      formos.push_back({"nekaitomas", irasas.LietZodis()});
  }
  return formos;
}

}  // namespace kervosta::duomenys
