// Every form of the model word of every nominal paradigm (the examples in the paradigm labels the
// entry editor shows) must be a word the Lithuanian spelling dictionary knows, apart from the
// reviewed limits in hunspell_vardazodziu_ribos.tsv.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/vardazodziu_galunes.h"
#include "tests/morphology/hunspell_tikrinimas.h"

namespace kervosta {
namespace {

struct Modelis {
  std::string Zodis;                                          // UTF-8, as the limits name it
  std::vector<std::string> Pavyzdziai;                        // every example word of the label
  std::vector<std::pair<std::string, std::string>> Formos;    // label, UTF-8 form
};

// The example words of a label: its last token, "vyras,vyrams" or "pirmas-pirma".
std::vector<std::string> Pavyzdziai(std::string_view etikete) {
  const std::string paskutinis = IUtf8(etikete.substr(etikete.rfind(' ') + 1));
  std::vector<std::string> zodziai;
  std::string zodis;
  for (const char c : paskutinis + ',') {
    if (c == ',' || c == '-') {
      if (!zodis.empty()) zodziai.push_back(zodis);
      zodis.clear();
    } else {
      zodis.push_back(c);
    }
  }
  return zodziai;
}

// A model whose stem is its first example word less the nominative singular ending.
Modelis NaujasModelis(std::string_view etikete, std::string_view vardininkoGalune,
                      std::string& kamienas) {
  Modelis modelis;
  modelis.Pavyzdziai = Pavyzdziai(etikete);
  modelis.Zodis = modelis.Pavyzdziai.front();
  const std::string zodis = IsUtf8(modelis.Zodis).Tekstas;
  EXPECT_TRUE(zodis.ends_with(vardininkoGalune)) << modelis.Zodis;
  kamienas = zodis.substr(0, zodis.size() - std::min(zodis.size(), vardininkoGalune.size()));
  return modelis;
}

using Builderis = std::function<Forma(int skaicius, int linksnis)>;

void Prideti(Modelis& modelis, const std::string& priesdelis, int linksniu, const Builderis& forma) {
  for (const int skaicius : {skVienaskaita, skDaugiskaita})
    for (int linksnis = 1; linksnis <= linksniu; ++linksnis) {
      const Forma f = forma(skaicius, linksnis);
      ASSERT_TRUE(f) << priesdelis << ' ' << linksnis;
      modelis.Formos.emplace_back(priesdelis + (skaicius == skVienaskaita ? " sg " : " pl ") +
                                      std::to_string(linksnis),
                                  IUtf8(*f));
    }
}

std::vector<Modelis> VisiModeliai() {
  std::vector<Modelis> modeliai;
  std::string k;
  for (int p = 0; p < static_cast<int>(DaiktavardzioLinksniuotes.size()); ++p) {
    Modelis m = NaujasModelis(DaiktavardzioLinksniuotes[p], DaiktavardzioGalunes[14 * p], k);
    Prideti(m, "noun", DaiktavardzioLinksniu,
            [&](int n, int l) { return DaiktavardzioForma(k, p, l, n); });
    modeliai.push_back(std::move(m));
  }
  const std::pair<int, const char*> laipsniai[] = {{lpAukstesnysis, "comparative"},
                                                   {lpAuksciausiasis, "superlative"}};
  for (int p = 0; p < static_cast<int>(BudvardzioVyrLinksniuotes.size()); ++p) {
    Modelis m = NaujasModelis(BudvardzioVyrLinksniuotes[p], BudvardzioVyrGalunes[12 * p], k);
    Prideti(m, "adjective positive masc", LinksniuSkaicius,
            [&](int n, int l) { return BudvardzioForma(k, p, bgVyriska, l, n, lpNelyginamasis); });
    for (const auto& [laipsnis, vardas] : laipsniai)
      for (const int g : {bgVyriska, bgMoteriska})
        Prideti(m, std::string("adjective ") + vardas + (g == bgVyriska ? " masc" : " fem"),
                LinksniuSkaicius, [&](int n, int l) { return BudvardzioForma(k, p, g, l, n, laipsnis); });
    modeliai.push_back(std::move(m));
  }
  for (int p = 0; p < static_cast<int>(BudvardzioMotLinksniuotes.size()); ++p) {
    Modelis m = NaujasModelis(BudvardzioMotLinksniuotes[p], BudvardzioMotGalunes[12 * p], k);
    Prideti(m, "adjective positive fem", LinksniuSkaicius,
            [&](int n, int l) { return BudvardzioForma(k, p, bgMoteriska, l, n, lpNelyginamasis); });
    modeliai.push_back(std::move(m));
  }
  for (int p = 0; p < static_cast<int>(IvardzioLinksniuotes.size()); ++p) {
    Modelis m = NaujasModelis(IvardzioLinksniuotes[p], IvardzioVyrGalunes[12 * p], k);
    for (const int g : {gVyriska, gMoteriska})
      Prideti(m, g == gVyriska ? "pronoun masc" : "pronoun fem", LinksniuSkaicius,
              [&](int n, int l) { return IvardzioForma(k, p, g, l, n); });
    modeliai.push_back(std::move(m));
  }
  const auto skaitvardziai = [&](std::span<const std::string_view> etiketes,
                                 std::span<const std::string_view> galunes, int rusis,
                                 const std::string& vardas) {
    for (int p = 0; p < static_cast<int>(etiketes.size()); ++p) {
      Modelis m = NaujasModelis(etiketes[p], galunes[12 * p], k);
      for (const int g : {gVyriska, gMoteriska})
        Prideti(m, "numeral " + vardas + (g == gVyriska ? " masc" : " fem"), LinksniuSkaicius,
                [&](int n, int l) { return SkaitvardzioForma(k, p, g, l, n, rusis); });
      modeliai.push_back(std::move(m));
    }
  };
  skaitvardziai(SkaitvardzioLinksniuotes, SkaitvardzioVyrGalunes, srKiekinis, "cardinal");
  skaitvardziai(KelintinioLinksniuotes, KelintinioVyrGalunes, srKelintinis, "ordinal");
  Modelis asmeniniai;
  asmeniniai.Zodis = "personal";
  for (int eilute = 1; eilute <= AsmeniniuIvardziuEiluciu; ++eilute)
    for (int l = 1; l <= LinksniuSkaicius; ++l) {
      TZodis zodis;
      zodis.Nr = eilute;
      const std::string forma = IUtf8(*AsmeninioIvardzioForma(zodis, gVyriska, l));
      if (!forma.empty())
        asmeniniai.Formos.emplace_back("personal " + std::to_string(eilute) + " " + std::to_string(l), forma);
    }
  modeliai.push_back(std::move(asmeniniai));
  return modeliai;
}

// The label texts promise forms ("gaidys,gaidžiams", "sesuo,sesers"); the tables must give them.
TEST(HunspellVardazodziai, EveryExampleOfALabelIsAFormOfItsModel) {
  for (const Modelis& m : VisiModeliai())
    for (const std::string& pavyzdys : m.Pavyzdziai)
      EXPECT_TRUE(std::any_of(m.Formos.begin(), m.Formos.end(),
                              [&](const auto& f) { return f.second == pavyzdys; }))
          << pavyzdys << " is not a form of " << m.Zodis;
}

TEST(HunspellVardazodziai, EveryFormOfEveryModelIsALithuanianWordOrAReviewedLimit) {
  if (!testai::HunspellYra())
    GTEST_FAIL() << "hunspell with the lt_LT dictionary is missing (Debian: hunspell hunspell-lt)";
  const std::vector<Modelis> modeliai = VisiModeliai();
  std::vector<std::string> zodziai;
  for (const Modelis& m : modeliai)
    for (const auto& forma : m.Formos) zodziai.push_back(forma.second);
  const std::set<std::string> atmesti = testai::HunspellAtmesti(zodziai);
  const auto ribos =
      testai::SkaitytiRibas(KERVOSTA_SOURCE_DIR "/tests/morphology/hunspell_vardazodziu_ribos.tsv");
  std::vector<int> panaudota(ribos.size(), 0);
  for (const Modelis& m : modeliai)
    for (const auto& [etikete, forma] : m.Formos) {
      if (!atmesti.contains(forma)) continue;
      const auto riba = std::find_if(ribos.begin(), ribos.end(),
                                     [&](const auto& r) { return r.Dengia(m.Zodis, etikete); });
      if (riba == ribos.end())
        ADD_FAILURE() << m.Zodis << ": " << etikete << " '" << forma << "' is not a Lithuanian word";
      else
        ++panaudota[riba - ribos.begin()];
    }
  // A limit that no longer excuses anything is stale and would hide a later fault.
  for (std::size_t i = 0; i < ribos.size(); ++i)
    EXPECT_GT(panaudota[i], 0) << "stale limit for " << ribos[i].Modelis << ": " << ribos[i].Priezastis;
}

}  // namespace
}  // namespace kervosta
