// Every form of the model words (the first example of each nominal paradigm label, one verb per
// verb class label) must be a word the Lithuanian spelling dictionary (hunspell, lt_LT) knows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <sstream>
#include <tuple>

#include "core/cp1257.h"
#include "morphology/iraso_formos.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/vardazodziu_galunes.h"
#include "tests/morphology/hunspell.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

// A generated word (UTF-8) and where it came from.
struct Zodis {
  std::string Tekstas, Kilme;
};

void Tikrinti(const std::vector<Zodis>& zodziai) {
  std::set<std::string> visi;
  for (const Zodis& z : zodziai) visi.insert(z.Tekstas);
  const std::set<std::string> atmesti = testai::HunspellAtmeta(visi);
  for (const Zodis& z : zodziai)
    EXPECT_FALSE(atmesti.contains(z.Tekstas)) << z.Tekstas << " (" << z.Kilme << ") is no word";
}

// A nominal builder as (stem, paradigm, gender, case, number, degree or kind), and its variants.
using Builderis = Forma (*)(std::string_view, int, int, int, int, int);
using Variantai = std::vector<std::tuple<std::string, Builderis, int, int>>;

// Every form of the model word of each label of a family, by every variant; the label's examples
// must be among the forms. Models in `beLaipsniu` are asked no degree.
void Seima(std::vector<Zodis>& formos, std::span<const std::string_view> etiketes,
           std::span<const std::string_view> galunes, int linksniu, const Variantai& variantai,
           const std::set<std::string>& beLaipsniu = {}) {
  for (int p = 0; p < static_cast<int>(etiketes.size()); ++p) {
    // The examples are the label's last token, "vyras,vyrams" or "pirmas-pirma".
    std::string pavyzdziai = IUtf8(etiketes[p].substr(etiketes[p].rfind(' ') + 1));
    std::replace(pavyzdziai.begin(), pavyzdziai.end(), '-', ',');
    const std::string modelis = pavyzdziai.substr(0, pavyzdziai.find(','));
    const std::string zodis = IsUtf8(modelis).Tekstas;
    const std::string_view vardininkas = galunes[static_cast<std::size_t>(2 * linksniu * p)];
    ASSERT_TRUE(zodis.ends_with(vardininkas)) << modelis;
    const std::string kamienas = zodis.substr(0, zodis.size() - vardininkas.size());
    std::set<std::string> modelioFormos;
    for (const auto& [vardas, builderis, gimine, papildomas] : variantai) {
      const bool laipsnis = vardas.find("comparative") != std::string::npos ||
                            vardas.find("superlative") != std::string::npos;
      if (laipsnis && beLaipsniu.contains(modelis)) continue;
      for (const int n : {skVienaskaita, skDaugiskaita})
        for (int l = 1; l <= linksniu; ++l) {
          const std::string etikete = vardas + (n == 1 ? " sg " : " pl ") + std::to_string(l);
          const Forma forma = builderis(kamienas, p, gimine, l, n, papildomas);
          ASSERT_TRUE(forma && !forma->empty()) << modelis << ": " << etikete;
          formos.push_back({IUtf8(*forma), modelis + ": " + etikete});
          modelioFormos.insert(formos.back().Tekstas);
        }
    }
    std::istringstream in(pavyzdziai);
    for (std::string pavyzdys; std::getline(in, pavyzdys, ',');)
      EXPECT_TRUE(modelioFormos.contains(pavyzdys)) << pavyzdys << " is not a form of " << modelis;
  }
}

// The labels promise forms ("gaidys,gaidžiams", "sesuo,sesers"), and every form must be a word.
TEST(Hunspell, NominalModelFormsIncludeTheLabelExamplesAndAreWords) {
  const Builderis daikt = [](std::string_view k, int p, int, int l, int n, int) {
    return DaiktavardzioForma(k, p, l, n);
  };
  const Builderis ivard = [](std::string_view k, int p, int g, int l, int n, int) {
    return IvardzioForma(k, p, g, l, n);
  };
  const Builderis budv = BudvardzioForma, skaitv = SkaitvardzioForma;
  std::vector<Zodis> f;
  Seima(f, DaiktavardzioLinksniuotes, DaiktavardzioGalunes, DaiktavardzioLinksniu,
        {{"noun", daikt, 0, 0}});
  Seima(f, BudvardzioVyrLinksniuotes, BudvardzioVyrGalunes, LinksniuSkaicius,
        {{"adjective positive masc", budv, bgVyriska, lpNelyginamasis},
         {"adjective comparative masc", budv, bgVyriska, lpAukstesnysis},
         {"adjective comparative fem", budv, bgMoteriska, lpAukstesnysis},
         {"adjective superlative masc", budv, bgVyriska, lpAuksciausiasis},
         {"adjective superlative fem", budv, bgMoteriska, lpAuksciausiasis}},
        // A relational adjective has no degrees: its entries store no English comparative, so
        // nothing asks for medinesnis.
        {"medinis"});
  Seima(f, BudvardzioMotLinksniuotes, BudvardzioMotGalunes, LinksniuSkaicius,
        {{"adjective positive fem", budv, bgMoteriska, lpNelyginamasis}});
  Seima(f, IvardzioLinksniuotes, IvardzioVyrGalunes, LinksniuSkaicius,
        {{"pronoun masc", ivard, gVyriska, 0}, {"pronoun fem", ivard, gMoteriska, 0}});
  Seima(f, SkaitvardzioLinksniuotes, SkaitvardzioVyrGalunes, LinksniuSkaicius,
        {{"numeral cardinal masc", skaitv, gVyriska, srKiekinis},
         {"numeral cardinal fem", skaitv, gMoteriska, srKiekinis}});
  Seima(f, KelintinioLinksniuotes, KelintinioVyrGalunes, LinksniuSkaicius,
        {{"numeral ordinal masc", skaitv, gVyriska, srKelintinis},
         {"numeral ordinal fem", skaitv, gMoteriska, srKelintinis}});
  TZodis asmeninis;  // only the reflexive, row 10, has no nominative
  for (asmeninis.Nr = 1; asmeninis.Nr <= AsmeniniuIvardziuEiluciu; ++asmeninis.Nr)
    for (int l = 1; l <= LinksniuSkaicius; ++l) {
      const std::string etikete =
          "personal " + std::to_string(asmeninis.Nr) + ' ' + std::to_string(l);
      const Forma forma = AsmeninioIvardzioForma(asmeninis, gVyriska, l);
      ASSERT_TRUE(forma && forma->empty() == (etikete == "personal 10 1")) << etikete;
      if (!forma->empty()) f.push_back({IUtf8(*forma), etikete});
    }
  Tikrinti(f);
}

TEST(Hunspell, EveryFormOfTheModelVerbsIsAWord) {
  using testai::Veiksmazodis;
  // Together the models cover every present, past and future class label.
  const std::pair<const char*, ZodynoIrasas> modeliai[] = {
      {"kalti", Veiksmazodis("kal", "kal", "kal", 0, 1, 0)},       // kala, kalė
      {"piešti", Veiksmazodis("pieš", "pieš", "pieš", 1, 1, 2)},   // piešia
      {"mylėti", Veiksmazodis("mylė", "myl", "mylėj", 2, 0, 0)},   // myli, mylėjo
      {"rašyti", Veiksmazodis("rašy", "raš", "raš", 3, 1, 0)},     // rašo
      {"bartis", Veiksmazodis("bar", "bar", "bar", 4, 3, 1)},      // barasi
      {"kurtis", Veiksmazodis("kur", "kur", "kūr", 5, 3, 1)},      // kuriasi
      {"mylėtis", Veiksmazodis("mylė", "myl", "mylėj", 6, 2, 1)},  // mylisi
      {"mokytis", Veiksmazodis("moky", "mok", "mok", 7, 3, 1)},    // mokosi, mokėsi, mokysis
      {"pyktis", Veiksmazodis("pyk", "pykst", "pyk", 4, 2, 1)},    // pykosi
      {"bėgti", Veiksmazodis("bėg", "bėg", "bėg", 0, 0, 0)},       // bėgs
      {"mesti", Veiksmazodis("mes", "met", "met", 0, 1, 2)},       // mes
  };
  std::vector<Zodis> zodziai;
  for (const auto& [modelis, irasas] : modeliai)
    for (const PazymetaForma& forma : VeiksmazodzioFormos(irasas)) {
      std::istringstream dalys(IUtf8(forma.Tekstas.value_or("")));  // "tegul dirba" is two words
      for (std::string zodis; dalys >> zodis;)
        zodziai.push_back({zodis, std::string(modelis) + ": " + forma.Etikete});
    }
  ASSERT_GT(zodziai.size(), 2000u);
  Tikrinti(zodziai);
}

}  // namespace
}  // namespace kervosta
