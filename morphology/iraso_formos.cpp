#include "morphology/iraso_formos.h"

#include <functional>
#include <span>

#include "morphology/iraso_laukai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta {

namespace {

using Linksniai = std::function<Forma(int skaicius, int linksnis)>;

constexpr int AbuSkaiciai[] = {skVienaskaita, skDaugiskaita};
constexpr int Vienaskaita[] = {skVienaskaita};
constexpr int Daugiskaita[] = {skDaugiskaita};

// Lines "PRIESDELIS sg 1" .. "PRIESDELIS pl N" of the numbers asked: the singular cases, then the
// plural ones.
void PridetiSkaicius(PazymetosFormos& formos, const std::string& priesdelis, int linksniu,
                     const Linksniai& forma, std::span<const int> skaiciai = AbuSkaiciai) {
  for (const int skaicius : skaiciai)
    for (int linksnis = 1; linksnis <= linksniu; ++linksnis)
      formos.push_back({priesdelis + (skaicius == skVienaskaita ? " sg " : " pl ") +
                            std::to_string(linksnis),
                        forma(skaicius, linksnis)});
}

PazymetosFormos Daiktavardzio(const ZodynoIrasas& irasas, std::span<const int> skaiciai) {
  PazymetosFormos formos;
  PridetiSkaicius(
      formos, "noun", DaiktavardzioLinksniu,
      [&](int skaicius, int linksnis) { return DaiktavardzioForma(irasas, linksnis, skaicius); },
      skaiciai);
  return formos;
}

PazymetosFormos Budvardzio(const ZodynoIrasas& irasas, int iki) {
  static const char* const laipsniai[] = {"positive", "comparative", "superlative"};
  PazymetosFormos formos;
  for (int laipsnis = lpNelyginamasis; laipsnis <= iki; ++laipsnis)
    for (const int gimine : {bgVyriska, bgMoteriska})
      PridetiSkaicius(formos,
                      std::string("adjective ") + laipsniai[laipsnis] +
                          (gimine == bgVyriska ? " masc" : " fem"),
                      LinksniuSkaicius, [&](int skaicius, int linksnis) {
                        return BudvardzioForma(irasas, gimine, linksnis, skaicius, laipsnis);
                      });
  return formos;
}

// VeiksmazodzioForma or NeigiamaVeiksmazodzioForma.
using Statytojas = Forma (*)(const ZodynoIrasas&, int, int, int, int, int, int, int, bool);

void PridetiAsmenis(PazymetosFormos& formos, const ZodynoIrasas& irasas, Statytojas statyti,
                    const std::string& priesdelis, int laikas, int nuosaka, int nuoAsmens) {
  for (int asmuo = nuoAsmens; asmuo <= AsmenuSkaicius; ++asmuo)
    formos.push_back({priesdelis + ' ' + std::to_string(asmuo),
                      statyti(irasas, asmuo, laikas, nuosaka, lVardininkas, dgVyriska,
                              skVienaskaita, fAsmenuojama, true)});
}

// Lines "verb participle NAME masc sg 1" .. "... fem pl 6".
void PridetiDalyvi(PazymetosFormos& formos, const ZodynoIrasas& irasas, Statytojas statyti,
                   const std::string& vardas, int laikas, bool veikiamoji) {
  for (const int gimine : {dgVyriska, dgMoteriska})
    PridetiSkaicius(formos,
                    "verb participle " + vardas + (gimine == dgVyriska ? " masc" : " fem"),
                    LinksniuSkaicius, [&](int skaicius, int linksnis) {
                      // An active participle takes its case from the person argument.
                      return statyti(irasas, linksnis, laikas, nTiesiogine, linksnis, gimine,
                                     skaicius, fDalyvis, veikiamoji);
                    });
}

PazymetosFormos Veiksmazodzio(const ZodynoIrasas& irasas, Statytojas statyti) {
  PazymetosFormos formos;
  formos.push_back({"verb infinitive", statyti(irasas, 1, lkBendratis, nTiesiogine, lVardininkas,
                                               dgVyriska, skVienaskaita, fAsmenuojama, true)});
  PridetiAsmenis(formos, irasas, statyti, "verb present", lkEsamasis, nTiesiogine, 1);
  PridetiAsmenis(formos, irasas, statyti, "verb past", lkButasisKartinis, nTiesiogine, 1);
  PridetiAsmenis(formos, irasas, statyti, "verb past-frequentative", lkButasisDazninis,
                 nTiesiogine, 1);
  PridetiAsmenis(formos, irasas, statyti, "verb future", lkBusimasis, nTiesiogine, 1);
  PridetiAsmenis(formos, irasas, statyti, "verb conditional", lkEsamasis, nTariamoji, 1);
  PridetiAsmenis(formos, irasas, statyti, "verb imperative", lkEsamasis, nLiepiamoji, 2);
  PridetiDalyvi(formos, irasas, statyti, "present-active", lkEsamasis, true);
  PridetiDalyvi(formos, irasas, statyti, "past-active", lkButasisKartinis, true);
  PridetiDalyvi(formos, irasas, statyti, "past-frequentative-active", lkButasisDazninis, true);
  PridetiDalyvi(formos, irasas, statyti, "future-active", lkBusimasis, true);
  PridetiDalyvi(formos, irasas, statyti, "present-passive", lkEsamasis, false);
  PridetiDalyvi(formos, irasas, statyti, "past-passive", lkButasisKartinis, false);
  return formos;
}

PazymetosFormos Zodis(const std::string& zodis) {
  if (zodis.empty()) return {};
  return {{"word", zodis}};
}

}  // namespace

PazymetosFormos DaiktavardzioFormos(const ZodynoIrasas& irasas) {
  return Daiktavardzio(irasas, AbuSkaiciai);
}

PazymetosFormos BudvardzioFormos(const ZodynoIrasas& irasas) {
  return Budvardzio(irasas, lpAuksciausiasis);
}

PazymetosFormos IvardzioFormos(const ZodynoIrasas& irasas) {
  PazymetosFormos formos;
  for (const int gimine : {gVyriska, gMoteriska})
    PridetiSkaicius(formos, gimine == gVyriska ? "pronoun masc" : "pronoun fem", LinksniuSkaicius,
                    [&](int skaicius, int linksnis) {
                      return IvardzioForma(irasas, gimine, linksnis, skaicius);
                    });
  return formos;
}

PazymetosFormos SkaitvardzioFormos(const ZodynoIrasas& irasas) {
  const std::string rusis = irasas.Kategorija() == srKelintinis ? "ordinal" : "cardinal";
  PazymetosFormos formos;
  for (const int gimine : {gVyriska, gMoteriska})
    PridetiSkaicius(formos, "numeral " + rusis + (gimine == gVyriska ? " masc" : " fem"),
                    LinksniuSkaicius, [&](int skaicius, int linksnis) {
                      return SkaitvardzioForma(irasas, gimine, linksnis, skaicius);
                    });
  return formos;
}

PazymetosFormos VeiksmazodzioFormos(const ZodynoIrasas& irasas) {
  return Veiksmazodzio(irasas, VeiksmazodzioForma);
}

PazymetosFormos IrasoFormos(const ZodynoIrasas& irasas) {
  switch (PuslapioKodas(irasas)) {
    case pkDaiktavardis:  // `Paradigma3` 1 keeps a noun singular, 2 plural
      if (irasas.Paradigma3() == 1) return Daiktavardzio(irasas, Vienaskaita);
      if (irasas.Paradigma3() == 2) return Daiktavardzio(irasas, Daugiskaita);
      return DaiktavardzioFormos(irasas);
    case pkIvardis:  // declined only when `Paradigma3` is 1; the stem field holds the word
      return irasas.Paradigma3() == 1 ? IvardzioFormos(irasas) : Zodis(irasas.Kamienas());
    case pkVeiksmazodis:
      return VeiksmazodzioFormos(irasas);
    case pkBudvardis:
      return Budvardzio(irasas, irasas.Angl3().empty() && irasas.Angl4().empty()
                                    ? lpNelyginamasis
                                    : lpAuksciausiasis);
    case pkSkaitvardis:  // a cardinal of paradigm -1 does not decline: its stem is the word
      if (irasas.Kategorija() == srKiekinis && irasas.Paradigma1() < 0)
        return Zodis(irasas.Kamienas());
      return SkaitvardzioFormos(irasas);
    default:
      return Zodis(irasas.LietZodis());
  }
}

std::string NeigiamaForma(const ZodynoIrasas& irasas, std::string_view forma) {
  // Both lists hold the same labels in the same order.
  const PazymetosFormos teigiamos = Veiksmazodzio(irasas, VeiksmazodzioForma);
  const PazymetosFormos neigiamos = Veiksmazodzio(irasas, NeigiamaVeiksmazodzioForma);
  for (std::size_t i = 0; i < teigiamos.size(); ++i)
    if (teigiamos[i].Tekstas == forma && neigiamos[i].Tekstas) return *neigiamos[i].Tekstas;
  return "ne" + std::string(forma);
}

}  // namespace kervosta
