// Every finite form and participle of a model verb of each class label, checked against the
// Lithuanian spelling dictionary; a rejected form must fall under a reviewed limit.
#include <fnmatch.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/veiksmazodziu_formos.h"
#include "tests/morphology/hunspell_tikrinimas.h"

namespace kervosta {
namespace {

struct Modelis {
  const char* Bendratis;  // the model's name in messages
  const char* Kamienas;
  const char* Esamasis;
  const char* Butasis;
  int EsamojoKlase, ButojoKlase, BusimojoKlase;
};

// Together the models cover every present, past and future class label.
constexpr Modelis Modeliai[] = {
    {"kalti", "kal", "kal", "kal", 0, 1, 0},       // kala, kalė
    {"piešti", "pieš", "pieš", "pieš", 1, 1, 2},   // piešia
    {"mylėti", "mylė", "myl", "mylėj", 2, 0, 0},   // myli, mylėjo
    {"rašyti", "rašy", "raš", "raš", 3, 1, 0},     // rašo
    {"bartis", "bar", "bar", "bar", 4, 3, 1},      // barasi
    {"kurtis", "kur", "kur", "kūr", 5, 3, 1},      // kuriasi
    {"mylėtis", "mylė", "myl", "mylėj", 6, 2, 1},  // mylisi
    {"mokytis", "moky", "mok", "mok", 7, 3, 1},    // mokosi, mokėsi, mokysis
    {"pyktis", "pyk", "pykst", "pyk", 4, 2, 1},    // pykosi
    {"bėgti", "bėg", "bėg", "bėg", 0, 0, 0},       // bėgs
    {"mesti", "mes", "met", "met", 0, 1, 2},       // mes
};

struct Riba {
  std::vector<std::string> Etiketes;
  std::vector<std::string> Formos;
  std::string Priezastis;
};

std::vector<std::string> Sablonai(const std::string& laukas) {
  std::vector<std::string> sablonai;
  std::istringstream in(laukas);
  for (std::string s; std::getline(in, s, ',');)
    if (const auto pradzia = s.find_first_not_of(' '); pradzia != std::string::npos)
      sablonai.push_back(s.substr(pradzia));
  return sablonai;
}

bool Atitinka(const std::vector<std::string>& sablonai, const std::string& tekstas) {
  for (const std::string& s : sablonai)
    if (::fnmatch(s.c_str(), tekstas.c_str(), 0) == 0) return true;
  return false;
}

std::vector<Riba> SkaitytiRibas() {
  const std::string kelias = KERVOSTA_SOURCE_DIR "/tests/morphology/veiksmazodziu_ribos.tsv";
  std::ifstream in(kelias);
  EXPECT_TRUE(in) << kelias;
  std::vector<Riba> ribos;
  std::string eilute;
  while (std::getline(in, eilute)) {
    if (eilute.empty() || eilute.front() == '#') continue;
    std::istringstream laukai(eilute);
    std::string etiketes, formos, priezastis;
    std::getline(laukai, etiketes, '\t');
    std::getline(laukai, formos, '\t');
    std::getline(laukai, priezastis);
    EXPECT_FALSE(priezastis.empty()) << eilute;
    ribos.push_back({Sablonai(etiketes), Sablonai(formos), priezastis});
  }
  return ribos;
}

// Every form of a model as (label, UTF-8 form), labelled as `kervosta-cli inflect verb` does.
std::vector<std::pair<std::string, std::string>> Formos(const Modelis& m) {
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, IsUtf8(m.Kamienas).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, IsUtf8(m.Esamasis).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, IsUtf8(m.Butasis).Tekstas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, m.EsamojoKlase);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, m.ButojoKlase);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, m.BusimojoKlase);
  std::vector<std::pair<std::string, std::string>> formos;
  const auto prideti = [&](const std::string& etikete, const Forma& forma) {
    if (forma) formos.emplace_back(etikete, IUtf8(*forma));
  };
  const char* laikai[] = {"", "present", "past", "past-frequentative", "future", "infinitive"};
  for (int laikas = lkEsamasis; laikas <= lkBendratis; ++laikas)
    for (int asmuo = 1; asmuo <= AsmenuSkaicius; ++asmuo) {
      const std::string etikete = laikas == lkBendratis ? std::string("verb infinitive")
                                                        : std::string("verb ") + laikai[laikas] +
                                                              ' ' + std::to_string(asmuo);
      prideti(etikete,
              VeiksmazodzioForma(irasas, asmuo, laikas, nTiesiogine, 1, 0, 1, fAsmenuojama, true));
      for (const int nuosaka : {nTariamoji, nLiepiamoji})
        if (laikas == lkEsamasis)
          prideti(std::string(nuosaka == nTariamoji ? "verb conditional " : "verb imperative ") +
                      std::to_string(asmuo),
                  VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, 1, 0, 1, fAsmenuojama, true));
    }
  for (const bool veikiamoji : {true, false})
    for (int laikas = lkEsamasis; laikas <= lkBusimasis; ++laikas)
      for (int i = 0; i < 24; ++i) {  // gender, number, case
        const int gimine = i / 12, skaicius = i % 12 / 6 + 1, linksnis = i % 6 + 1;
        prideti(std::string("verb participle ") + laikai[laikas] +
                    (veikiamoji ? "-active" : "-passive") + (gimine ? " fem" : " masc") +
                    (skaicius == 1 ? " sg " : " pl ") + std::to_string(linksnis),
                VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, linksnis, gimine,
                                   skaicius, fDalyvis, veikiamoji));
      }
  return formos;
}

TEST(VeiksmazodziuHunspell, EveryFormOfTheModelVerbsIsAWordOrAReviewedLimit) {
  if (!testai::HunspellYra()) GTEST_SKIP() << "hunspell with the lt_LT dictionary is not installed";
  const std::vector<Riba> ribos = SkaitytiRibas();
  std::vector<int> panaudota(ribos.size(), 0);

  std::vector<std::string> zodziai;
  std::map<std::string, std::vector<std::string>> kurRasta;  // word -> "model: label"
  for (const Modelis& m : Modeliai)
    for (const auto& [etikete, forma] : Formos(m)) {
      std::istringstream dalys(forma);  // "tegul dirba" is two words
      for (std::string zodis; dalys >> zodis;) {
        zodziai.push_back(zodis);
        kurRasta[zodis].push_back(std::string(m.Bendratis) + ": " + etikete);
      }
    }
  ASSERT_GT(zodziai.size(), 2000u);

  for (const std::string& atmestas : testai::HunspellAtmesti(zodziai)) {
    for (const std::string& kur : kurRasta[atmestas]) {
      const std::string etikete = kur.substr(kur.find(": ") + 2);
      bool leista = false;
      for (std::size_t i = 0; i < ribos.size(); ++i)
        if (Atitinka(ribos[i].Etiketes, etikete) && Atitinka(ribos[i].Formos, atmestas)) {
          ++panaudota[i];
          leista = true;
        }
      EXPECT_TRUE(leista) << atmestas << " (" << kur << ") is rejected and no limit allows it";
    }
  }
  for (std::size_t i = 0; i < ribos.size(); ++i)
    EXPECT_GT(panaudota[i], 0) << "no rejected form needs the limit: " << ribos[i].Priezastis;
}

}  // namespace
}  // namespace kervosta
