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

// The arguments of one verb form, the same for every entry.
struct VeiksmazodzioArgumentai {
  int Asmuo, Laikas, Nuosaka, Linksnis, Gimine, Skaicius, Rusis;
  bool Veikiamoji;
};

struct PazymetiArgumentai {
  std::string Etikete;
  VeiksmazodzioArgumentai Argumentai;
};

Forma Statyti(Statytojas statyti, const ZodynoIrasas& irasas, const VeiksmazodzioArgumentai& a) {
  return statyti(irasas, a.Asmuo, a.Laikas, a.Nuosaka, a.Linksnis, a.Gimine, a.Skaicius, a.Rusis,
                 a.Veikiamoji);
}

void PridetiAsmenis(std::vector<PazymetiArgumentai>& lenta, const std::string& priesdelis,
                    int laikas, int nuosaka, int nuoAsmens) {
  for (int asmuo = nuoAsmens; asmuo <= AsmenuSkaicius; ++asmuo)
    lenta.push_back(
        {priesdelis + ' ' + std::to_string(asmuo),
         {asmuo, laikas, nuosaka, lVardininkas, dgVyriska, skVienaskaita, fAsmenuojama, true}});
}

// Lines "verb participle NAME masc sg 1" .. "... fem pl 6"; an active participle takes its case
// from the person argument.
void PridetiDalyvi(std::vector<PazymetiArgumentai>& lenta, const std::string& vardas, int laikas,
                   bool veikiamoji) {
  for (const int gimine : {dgVyriska, dgMoteriska})
    for (const int skaicius : AbuSkaiciai)
      for (int linksnis = 1; linksnis <= LinksniuSkaicius; ++linksnis)
        lenta.push_back(
            {"verb participle " + vardas + (gimine == dgVyriska ? " masc" : " fem") +
                 (skaicius == skVienaskaita ? " sg " : " pl ") + std::to_string(linksnis),
             {linksnis, laikas, nTiesiogine, linksnis, gimine, skaicius, fDalyvis, veikiamoji}});
}

// Every form of a verb in label order: the infinitive, the tenses and moods in their persons and
// the six participles. Built once; the negation searches it for every negated verb.
const std::vector<PazymetiArgumentai>& VeiksmazodzioLenta() {
  static const std::vector<PazymetiArgumentai> lenta = [] {
    std::vector<PazymetiArgumentai> l;
    l.push_back({"verb infinitive",
                 {1, lkBendratis, nTiesiogine, lVardininkas, dgVyriska, skVienaskaita, fAsmenuojama,
                  true}});
    PridetiAsmenis(l, "verb present", lkEsamasis, nTiesiogine, 1);
    PridetiAsmenis(l, "verb past", lkButasisKartinis, nTiesiogine, 1);
    PridetiAsmenis(l, "verb past-frequentative", lkButasisDazninis, nTiesiogine, 1);
    PridetiAsmenis(l, "verb future", lkBusimasis, nTiesiogine, 1);
    PridetiAsmenis(l, "verb conditional", lkEsamasis, nTariamoji, 1);
    PridetiAsmenis(l, "verb imperative", lkEsamasis, nLiepiamoji, 2);
    PridetiDalyvi(l, "present-active", lkEsamasis, true);
    PridetiDalyvi(l, "past-active", lkButasisKartinis, true);
    PridetiDalyvi(l, "past-frequentative-active", lkButasisDazninis, true);
    PridetiDalyvi(l, "future-active", lkBusimasis, true);
    PridetiDalyvi(l, "present-passive", lkEsamasis, false);
    PridetiDalyvi(l, "past-passive", lkButasisKartinis, false);
    return l;
  }();
  return lenta;
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
  PazymetosFormos formos;
  for (const PazymetiArgumentai& forma : VeiksmazodzioLenta())
    formos.push_back({forma.Etikete, Statyti(VeiksmazodzioForma, irasas, forma.Argumentai)});
  return formos;
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
  for (const PazymetiArgumentai& f : VeiksmazodzioLenta()) {
    if (Statyti(VeiksmazodzioForma, irasas, f.Argumentai) != forma) continue;
    if (Forma neigiama = Statyti(NeigiamaVeiksmazodzioForma, irasas, f.Argumentai))
      return *std::move(neigiama);
  }
  return "ne" + std::string(forma);
}

}  // namespace kervosta
