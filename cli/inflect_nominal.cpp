// The nominal kinds of `inflect`: noun, adjective, pronoun and numeral.
#include "cli/inflect.h"
#include "morphology/iraso_formos.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_galunes.h"

namespace kervosta::cli {

namespace {

int PaskutinisNumeris(std::size_t etikeciu) { return static_cast<int>(etikeciu) - 1; }

extern const LinksniavimoRusis Daiktavardis;
PazymetosFormos Daiktavardzio(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 2, Daiktavardis);
  ZodynoIrasas irasas = KamienoIrasas(argumentai[0], "STEM");
  irasas.NustatytiSkaiciu(
      SkaiciausLaukas::Paradigma1,
      Numeris(argumentai[1], 0, PaskutinisNumeris(DaiktavardzioLinksniuotes.size()), "PARADIGM"));
  return DaiktavardzioFormos(irasas);
}
constexpr LinksniavimoRusis Daiktavardis{
    "noun", "STEM PARADIGM",
    "    PARADIGM 0..16 as the entry editor numbers them (0 vyras ... 16 duktė).\n"
    "    Labels: noun sg 1 .. noun sg 7, noun pl 1 .. noun pl 7.\n",
    Daiktavardzio};
const LinksniavimoRegistracija daiktavardis(Daiktavardis);

extern const LinksniavimoRusis Budvardis;
PazymetosFormos Budvardzio(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 3, Budvardis);
  ZodynoIrasas irasas = KamienoIrasas(argumentai[0], "STEM");
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1,
                          Numeris(argumentai[1], 0,
                                  PaskutinisNumeris(BudvardzioVyrLinksniuotes.size()),
                                  "MASC_PARADIGM"));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2,
                          Numeris(argumentai[2], 0,
                                  PaskutinisNumeris(BudvardzioMotLinksniuotes.size()),
                                  "FEM_PARADIGM"));
  return BudvardzioFormos(irasas);
}
constexpr LinksniavimoRusis Budvardis{
    "adjective", "STEM MASC_PARADIGM FEM_PARADIGM",
    "    MASC_PARADIGM 0..4 (0 geras ... 4 gražus), FEM_PARADIGM 0..3 (0 gera ... 3 medinė).\n"
    "    Labels: adjective DEGREE GENDER NUMBER CASE, DEGREE positive, comparative or\n"
    "    superlative, e.g. adjective positive masc sg 1, adjective comparative fem pl 5.\n",
    Budvardzio};
const LinksniavimoRegistracija budvardis(Budvardis);

extern const LinksniavimoRusis Ivardis;
PazymetosFormos Ivardzio(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 2, Ivardis);
  ZodynoIrasas irasas = KamienoIrasas(argumentai[0], "STEM");
  irasas.NustatytiSkaiciu(
      SkaiciausLaukas::Paradigma1,
      Numeris(argumentai[1], 0, PaskutinisNumeris(IvardzioLinksniuotes.size()), "PARADIGM"));
  return IvardzioFormos(irasas);
}
constexpr LinksniavimoRusis Ivardis{
    "pronoun", "STEM PARADIGM",
    "    PARADIGM 0..6 (0 šitas ... 6 keli). Labels: pronoun masc sg 1 .. pronoun fem pl 6.\n",
    Ivardzio};
const LinksniavimoRegistracija ivardis(Ivardis);

extern const LinksniavimoRusis Skaitvardis;
PazymetosFormos Skaitvardzio(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 3, Skaitvardis);
  const std::string& rusiesVardas = argumentai[0];
  if (rusiesVardas != "cardinal" && rusiesVardas != "ordinal")
    throw NetinkamiArgumentai("the numeral kind is cardinal or ordinal, not '" + rusiesVardas + "'");
  const int rusis = rusiesVardas == "cardinal" ? srKiekinis : srKelintinis;
  const std::size_t paradigmu =
      rusis == srKiekinis ? SkaitvardzioLinksniuotes.size() : KelintinioLinksniuotes.size();
  ZodynoIrasas irasas = KamienoIrasas(argumentai[1], "STEM");
  const int paradigma = Numeris(argumentai[2], 0, PaskutinisNumeris(paradigmu), "PARADIGM");
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, rusis);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, paradigma);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, paradigma);
  return SkaitvardzioFormos(irasas);
}
constexpr LinksniavimoRusis Skaitvardis{
    "numeral", "cardinal|ordinal STEM PARADIGM",
    "    cardinal PARADIGM 0..6 (0 vienas ... 4 tūkstantis; 5 du and 6 trys are whole words\n"
    "    and ignore STEM), ordinal PARADIGM 0..1 (0 pirmas, 1 trečias).\n"
    "    Labels: numeral KIND GENDER NUMBER CASE, e.g. numeral cardinal masc pl 4.\n",
    Skaitvardzio};
const LinksniavimoRegistracija skaitvardis(Skaitvardis);

}  // namespace

}  // namespace kervosta::cli
