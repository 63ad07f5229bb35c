// The nominal kinds of `inflect`: noun, adjective, pronoun and numeral.
#include <functional>

#include "cli/inflect.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/vardazodziu_galunes.h"

namespace kervosta::cli {

namespace {

int PaskutinisNumeris(std::size_t etikeciu) { return static_cast<int>(etikeciu) - 1; }

// Lines "PRIESDELIS sg 1" .. "PRIESDELIS pl N": the singular cases, then the plural ones.
void PridetiSkaicius(std::vector<FormosEilute>& eilutes, const std::string& priesdelis, int linksniu,
                     const std::function<Forma(int skaicius, int linksnis)>& forma) {
  for (const int skaicius : {skVienaskaita, skDaugiskaita})
    for (int linksnis = 1; linksnis <= linksniu; ++linksnis)
      eilutes.push_back({priesdelis + (skaicius == skVienaskaita ? " sg " : " pl ") +
                             std::to_string(linksnis),
                         forma(skaicius, linksnis)});
}

extern const LinksniavimoRusis Daiktavardis;
std::vector<FormosEilute> DaiktavardzioFormos(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 2, Daiktavardis);
  const std::string kamienas = Kamienas(argumentai[0]);
  const int paradigma =
      Numeris(argumentai[1], 0, PaskutinisNumeris(DaiktavardzioLinksniuotes.size()), "PARADIGM");
  std::vector<FormosEilute> eilutes;
  PridetiSkaicius(eilutes, "noun", DaiktavardzioLinksniu, [&](int skaicius, int linksnis) {
    return DaiktavardzioForma(kamienas, paradigma, linksnis, skaicius);
  });
  return eilutes;
}
constexpr LinksniavimoRusis Daiktavardis{
    "noun", "STEM PARADIGM",
    "    PARADIGM 0..16 as the entry editor numbers them (0 vyras ... 16 duktė).\n"
    "    Labels: noun sg 1 .. noun sg 7, noun pl 1 .. noun pl 7.\n",
    DaiktavardzioFormos};
const LinksniavimoRegistracija daiktavardis(Daiktavardis);

extern const LinksniavimoRusis Budvardis;
std::vector<FormosEilute> BudvardzioFormos(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 3, Budvardis);
  const std::string kamienas = Kamienas(argumentai[0]);
  const int vyriska =
      Numeris(argumentai[1], 0, PaskutinisNumeris(BudvardzioVyrLinksniuotes.size()), "MASC_PARADIGM");
  const int moteriska =
      Numeris(argumentai[2], 0, PaskutinisNumeris(BudvardzioMotLinksniuotes.size()), "FEM_PARADIGM");
  std::vector<FormosEilute> eilutes;
  const std::pair<int, const char*> laipsniai[] = {
      {lpNelyginamasis, "positive"}, {lpAukstesnysis, "comparative"}, {lpAuksciausiasis, "superlative"}};
  for (const auto& [laipsnis, laipsnioVardas] : laipsniai) {
    for (const int gimine : {bgVyriska, bgMoteriska}) {
      const bool vyr = gimine == bgVyriska;
      PridetiSkaicius(eilutes, std::string("adjective ") + laipsnioVardas + (vyr ? " masc" : " fem"),
                      LinksniuSkaicius, [&](int skaicius, int linksnis) {
                        return BudvardzioForma(kamienas, vyr ? vyriska : moteriska, gimine, linksnis,
                                               skaicius, laipsnis);
                      });
    }
  }
  return eilutes;
}
constexpr LinksniavimoRusis Budvardis{
    "adjective", "STEM MASC_PARADIGM FEM_PARADIGM",
    "    MASC_PARADIGM 0..4 (0 geras ... 4 gražus), FEM_PARADIGM 0..3 (0 gera ... 3 medinė).\n"
    "    Labels: adjective DEGREE GENDER NUMBER CASE, DEGREE positive, comparative or\n"
    "    superlative, e.g. adjective positive masc sg 1, adjective comparative fem pl 5.\n",
    BudvardzioFormos};
const LinksniavimoRegistracija budvardis(Budvardis);

extern const LinksniavimoRusis Ivardis;
std::vector<FormosEilute> IvardzioFormos(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 2, Ivardis);
  const std::string kamienas = Kamienas(argumentai[0]);
  const int paradigma =
      Numeris(argumentai[1], 0, PaskutinisNumeris(IvardzioLinksniuotes.size()), "PARADIGM");
  std::vector<FormosEilute> eilutes;
  for (const int gimine : {gVyriska, gMoteriska})
    PridetiSkaicius(eilutes, gimine == gVyriska ? "pronoun masc" : "pronoun fem", LinksniuSkaicius,
                    [&](int skaicius, int linksnis) {
                      return IvardzioForma(kamienas, paradigma, gimine, linksnis, skaicius);
                    });
  return eilutes;
}
constexpr LinksniavimoRusis Ivardis{
    "pronoun", "STEM PARADIGM",
    "    PARADIGM 0..6 (0 šitas ... 6 keli). Labels: pronoun masc sg 1 .. pronoun fem pl 6.\n",
    IvardzioFormos};
const LinksniavimoRegistracija ivardis(Ivardis);

extern const LinksniavimoRusis Skaitvardis;
std::vector<FormosEilute> SkaitvardzioFormos(const std::vector<std::string>& argumentai) {
  TikrintiKieki(argumentai, 3, Skaitvardis);
  const std::string& rusiesVardas = argumentai[0];
  if (rusiesVardas != "cardinal" && rusiesVardas != "ordinal")
    throw NetinkamiArgumentai("the numeral kind is cardinal or ordinal, not '" + rusiesVardas + "'");
  const int rusis = rusiesVardas == "cardinal" ? srKiekinis : srKelintinis;
  const std::size_t paradigmu =
      rusis == srKiekinis ? SkaitvardzioLinksniuotes.size() : KelintinioLinksniuotes.size();
  const std::string kamienas = Kamienas(argumentai[1]);
  const int paradigma = Numeris(argumentai[2], 0, PaskutinisNumeris(paradigmu), "PARADIGM");
  std::vector<FormosEilute> eilutes;
  for (const int gimine : {gVyriska, gMoteriska})
    PridetiSkaicius(eilutes, "numeral " + rusiesVardas + (gimine == gVyriska ? " masc" : " fem"),
                    LinksniuSkaicius, [&](int skaicius, int linksnis) {
                      return SkaitvardzioForma(kamienas, paradigma, gimine, linksnis, skaicius, rusis);
                    });
  return eilutes;
}
constexpr LinksniavimoRusis Skaitvardis{
    "numeral", "cardinal|ordinal STEM PARADIGM",
    "    cardinal PARADIGM 0..6 (0 vienas ... 4 tūkstantis; 5 du and 6 trys are whole words\n"
    "    and ignore STEM), ordinal PARADIGM 0..1 (0 pirmas, 1 trečias).\n"
    "    Labels: numeral KIND GENDER NUMBER CASE, e.g. numeral cardinal masc pl 4.\n",
    SkaitvardzioFormos};
const LinksniavimoRegistracija skaitvardis(Skaitvardis);

}  // namespace

}  // namespace kervosta::cli
