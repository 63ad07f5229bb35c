// The verb kind of `inflect`: every finite form and participle of a verb's three stems and classes.
#include "cli/inflect.h"
#include "morphology/iraso_formos.h"
#include "morphology/veiksmazodziu_galunes.h"

namespace kervosta::cli {

namespace {

int Klase(const std::string& tekstas, int klasiu, std::string_view ka) {
  return Numeris(tekstas, 0, klasiu - 1, ka);
}

void NustatytiKamiena(ZodynoIrasas& irasas, TekstoLaukas laukas, const std::string& utf8,
                      std::string_view ka) {
  irasas.NustatytiTeksta(laukas, KamienoIrasas(utf8, ka).Kamienas());
}

extern const LinksniavimoRusis Veiksmazodis;
PazymetosFormos Veiksmazodzio(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 6, Veiksmazodis);
  ZodynoIrasas irasas = KamienoIrasas(argumentai[0], "INFINITIVE_STEM");
  NustatytiKamiena(irasas, TekstoLaukas::EsamasKamienas, argumentai[1], "PRESENT_STEM");
  NustatytiKamiena(irasas, TekstoLaukas::ButasKamienas, argumentai[2], "PAST_STEM");
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1,
                          Klase(argumentai[3], EsamojoLaikoKlasiu, "PRESENT_CLASS"));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2,
                          Klase(argumentai[4], ButojoLaikoKlasiu, "PAST_CLASS"));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3,
                          Klase(argumentai[5], BusimojoLaikoKlasiu, "FUTURE_CLASS"));
  return VeiksmazodzioFormos(irasas);
}
constexpr LinksniavimoRusis Veiksmazodis{
    "verb", "INFINITIVE_STEM PRESENT_STEM PAST_STEM PRESENT_CLASS PAST_CLASS FUTURE_CLASS",
    "    Stems: infinitive (moky), present (mok), past (mok).\n"
    "    PRESENT_CLASS 0..7 (0 kala ... 3 rašo, 4..7 reflexive: 4 barasi ... 7 mokosi),\n"
    "    PAST_CLASS 0..3 (0 mylėjo, 1 kalė, 2 pykosi, 3 mokėsi), FUTURE_CLASS 0..2 (0 bėgs,\n"
    "    1 mokysis, 2 mes); the future class also chooses the infinitive, conditional and\n"
    "    imperative endings.\n"
    "    Labels: verb infinitive; verb TENSE PERSON with TENSE present, past,\n"
    "    past-frequentative, future, conditional, and verb imperative 2..6 (3 and 6 are\n"
    "    \"tegul\" forms), PERSON 1 aš .. 6 jie/jos; verb participle NAME GENDER NUMBER CASE\n"
    "    with NAME present-active, past-active, past-frequentative-active, future-active,\n"
    "    present-passive or past-passive, e.g. verb participle past-active fem pl 4.\n",
    Veiksmazodzio};
const LinksniavimoRegistracija veiksmazodis(Veiksmazodis);

}  // namespace

}  // namespace kervosta::cli
