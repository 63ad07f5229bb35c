// The verb kind of `inflect`: every finite form and participle of a verb's three stems and classes.
#include "cli/inflect.h"
#include "lexicon/zodyno_irasas.h"
#include "morphology/kodai.h"
#include "morphology/veiksmazodziu_formos.h"
#include "morphology/veiksmazodziu_galunes.h"

namespace kervosta::cli {

namespace {

// A verb entry keeps its stems in 32-character fields; a longer stem would be cut silently.
std::string VeiksmazodzioKamienas(const std::string& utf8, std::string_view ka) {
  std::string kamienas = Kamienas(utf8);
  if (kamienas.size() > ZodynoIrasas::TekstoTalpa)
    throw NetinkamiArgumentai(std::string(ka) + " holds more than " +
                              std::to_string(ZodynoIrasas::TekstoTalpa) + " letters");
  return kamienas;
}

int Klase(const std::string& tekstas, int klasiu, std::string_view ka) {
  return Numeris(tekstas, 0, klasiu - 1, ka);
}

void PridetiAsmenis(std::vector<FormosEilute>& eilutes, const ZodynoIrasas& irasas,
                    const std::string& priesdelis, int laikas, int nuosaka, int nuoAsmens) {
  for (int asmuo = nuoAsmens; asmuo <= AsmenuSkaicius; ++asmuo)
    eilutes.push_back({priesdelis + ' ' + std::to_string(asmuo),
                       VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, lVardininkas, dgVyriska,
                                          skVienaskaita, fAsmenuojama, true)});
}

// Lines "verb participle NAME masc sg 1" .. "... fem pl 6".
void PridetiDalyvi(std::vector<FormosEilute>& eilutes, const ZodynoIrasas& irasas,
                   std::string_view vardas, int laikas, bool veikiamoji) {
  for (const int gimine : {dgVyriska, dgMoteriska})
    for (const int skaicius : {skVienaskaita, skDaugiskaita})
      for (int linksnis = lVardininkas; linksnis <= LinksniuSkaicius; ++linksnis)
        eilutes.push_back(
            {"verb participle " + std::string(vardas) + (gimine == dgVyriska ? " masc" : " fem") +
                 (skaicius == skVienaskaita ? " sg " : " pl ") + std::to_string(linksnis),
             // An active participle takes its case from the person argument.
             VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, linksnis, gimine, skaicius,
                                fDalyvis, veikiamoji)});
}

extern const LinksniavimoRusis Veiksmazodis;
std::vector<FormosEilute> VeiksmazodzioFormos(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 6, Veiksmazodis);
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas,
                         VeiksmazodzioKamienas(argumentai[0], "INFINITIVE_STEM"));
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas,
                         VeiksmazodzioKamienas(argumentai[1], "PRESENT_STEM"));
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas,
                         VeiksmazodzioKamienas(argumentai[2], "PAST_STEM"));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1,
                          Klase(argumentai[3], EsamojoLaikoKlasiu, "PRESENT_CLASS"));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2,
                          Klase(argumentai[4], ButojoLaikoKlasiu, "PAST_CLASS"));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3,
                          Klase(argumentai[5], BusimojoLaikoKlasiu, "FUTURE_CLASS"));

  std::vector<FormosEilute> eilutes;
  eilutes.push_back(
      {"verb infinitive", VeiksmazodzioForma(irasas, 1, lkBendratis, nTiesiogine, lVardininkas,
                                             dgVyriska, skVienaskaita, fAsmenuojama, true)});
  PridetiAsmenis(eilutes, irasas, "verb present", lkEsamasis, nTiesiogine, 1);
  PridetiAsmenis(eilutes, irasas, "verb past", lkButasisKartinis, nTiesiogine, 1);
  PridetiAsmenis(eilutes, irasas, "verb past-frequentative", lkButasisDazninis, nTiesiogine, 1);
  PridetiAsmenis(eilutes, irasas, "verb future", lkBusimasis, nTiesiogine, 1);
  PridetiAsmenis(eilutes, irasas, "verb conditional", lkEsamasis, nTariamoji, 1);
  PridetiAsmenis(eilutes, irasas, "verb imperative", lkEsamasis, nLiepiamoji, 2);
  PridetiDalyvi(eilutes, irasas, "present-active", lkEsamasis, true);
  PridetiDalyvi(eilutes, irasas, "past-active", lkButasisKartinis, true);
  PridetiDalyvi(eilutes, irasas, "past-frequentative-active", lkButasisDazninis, true);
  PridetiDalyvi(eilutes, irasas, "future-active", lkBusimasis, true);
  PridetiDalyvi(eilutes, irasas, "present-passive", lkEsamasis, false);
  PridetiDalyvi(eilutes, irasas, "past-passive", lkButasisKartinis, false);
  return eilutes;
}
constexpr LinksniavimoRusis Veiksmazodis{
    "verb", "INFINITIVE_STEM PRESENT_STEM PAST_STEM PRESENT_CLASS PAST_CLASS FUTURE_CLASS",
    "    Stems of at most 32 letters: infinitive (moky), present (mok), past (mok).\n"
    "    PRESENT_CLASS 0..7 (0 kala ... 3 rašo, 4..7 reflexive: 4 barasi ... 7 mokosi),\n"
    "    PAST_CLASS 0..3 (0 mylėjo, 1 kalė, 2 pykosi, 3 mokėsi), FUTURE_CLASS 0..2 (0 bėgs,\n"
    "    1 mokysis, 2 mes); the future class also chooses the infinitive, conditional and\n"
    "    imperative endings.\n"
    "    Labels: verb infinitive; verb TENSE PERSON with TENSE present, past,\n"
    "    past-frequentative, future, conditional, and verb imperative 2..6 (3 and 6 are\n"
    "    \"tegul\" forms), PERSON 1 aš .. 6 jie/jos; verb participle NAME GENDER NUMBER CASE\n"
    "    with NAME present-active, past-active, past-frequentative-active, future-active,\n"
    "    present-passive or past-passive, e.g. verb participle past-active fem pl 4.\n",
    VeiksmazodzioFormos};
const LinksniavimoRegistracija veiksmazodis(Veiksmazodis);

}  // namespace

}  // namespace kervosta::cli
