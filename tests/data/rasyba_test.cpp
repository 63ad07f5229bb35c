// The Lithuanian the shipped dictionary yields is Lithuanian to hunspell with lt_LT: every form
// `kervosta-cli forms` prints (or one of the reviewed single words of hunspell-exceptions.txt),
// and the translation of everyday sentences.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/cp1257.h"
#include "morphology/iraso_formos.h"
#include "tests/data/pagrindinis_zodynas.h"
#include "tests/morphology/hunspell.h"
#include "translation/vertimas.h"

namespace kervosta::duomenys {
namespace {

// The reviewed exceptions: a form hunspell rejects and why it stays, one a line, TAB-separated.
std::map<std::string, std::string> SkaitytiIsimtis() {
  std::ifstream in(KERVOSTA_SOURCE_DIR "/tests/data/hunspell-exceptions.txt");
  EXPECT_TRUE(in) << "hunspell-exceptions.txt is missing";
  std::map<std::string, std::string> isimtys;
  for (std::string eilute; std::getline(in, eilute);) {
    if (eilute.empty() || eilute[0] == '#') continue;
    const std::size_t tab = eilute.find('\t');
    if (tab == std::string::npos || tab == 0 || tab + 1 == eilute.size() ||
        eilute.find_first_of(" \t") < tab)
      ADD_FAILURE() << "hunspell-exceptions.txt: want one FORM, a TAB and the REASON: " << eilute;
    else
      isimtys.emplace(eilute.substr(0, tab), eilute.substr(tab + 1));
  }
  return isimtys;
}

TEST(Rasyba, EveryFormIsAWordOrAReviewedException) {
  // Each word of each form with the entry and label it came from: "tegul dirba" is two words.
  std::map<std::string, std::string> zodziai;
  std::istringstream eilutes(testai::Isvestis(
      KERVOSTA_BINARY_DIR "/bin/kervosta-cli forms --dictionary " + PagrindinioZodynoKelias()));
  std::size_t formu = 0;
  for (std::string eilute; std::getline(eilutes, eilute); ++formu) {
    std::istringstream dalys(eilute.substr(eilute.rfind('\t') + 1));
    for (std::string zodis; dalys >> zodis;) zodziai.emplace(zodis, eilute);
  }
  ASSERT_GT(formu, 400000u) << "the dictionary should yield every form of 10,000 entries";
  std::set<std::string> skirtingi;
  for (const auto& [zodis, kilme] : zodziai) skirtingi.insert(zodis);
  const std::set<std::string> atmesti = testai::HunspellAtmeta(skirtingi);
  const std::map<std::string, std::string> isimtys = SkaitytiIsimtis();
  for (const std::string& zodis : atmesti)
    EXPECT_TRUE(isimtys.contains(zodis))
        << "'" << zodis << "' is not Lithuanian to hunspell and not among the exceptions ("
        << zodziai[zodis] << ")";
  for (const auto& [zodis, priezastis] : isimtys)
    EXPECT_TRUE(atmesti.contains(zodis))
        << "exception '" << zodis << "' is no rejected form (" << priezastis << "): remove it";
  // Exceptions are single words hunspell lacks, never what the builders get wrong.
  EXPECT_LE(static_cast<double>(isimtys.size()), 0.003 * static_cast<double>(skirtingi.size()));
}

// An entry whose paradigms lie outside the tables would lose forms silently in `forms`.
TEST(Rasyba, EveryEntryHasEveryForm) {
  for (const ZodynoIrasas& irasas : PagrindiniaiIrasai())
    for (const PazymetaForma& forma : IrasoFormos(irasas))
      EXPECT_TRUE(forma.Tekstas) << Pavadinimas(irasas) << ": no " << forma.Etikete << " form";
}

// The words of a text, the first letter of each lower-cased: a sentence's capital is not the
// spelling dictionary's business.
std::set<std::string> Zodziai(std::string tekstas) {
  for (char& c : tekstas)
    if (c == '.' || c == ',' || c == '?' || c == '!') c = ' ';
  std::istringstream srautas(tekstas);
  std::set<std::string> zodziai;
  for (std::string z; srautas >> z; zodziai.insert(z))
    if (z[0] >= 'A' && z[0] <= 'Z') z[0] = static_cast<char>(z[0] - 'A' + 'a');
  return zodziai;
}

TEST(Rasyba, EverydaySentencesComeOutAsLithuanianWords) {
  Aplinka aplinka;
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  IkeltiZodyna(PagrindinioZodynoKelias(), aplinka.Zodynai.PagrindinisZodynas);
  aplinka.AutomatinisVertimas = 1;
  const std::string angliskai =
      "I see a big house. She has two children. We did not go to school yesterday. "
      "My brother works in a small shop. Do you know the way to the station?";
  const std::string lietuviskai = IUtf8(VerstiTeksta(aplinka, angliskai));

  const std::set<std::string> isvestis = Zodziai(lietuviskai);
  EXPECT_EQ(testai::HunspellAtmeta(isvestis), std::set<std::string>{}) << lietuviskai;
  for (const std::string& anglu : Zodziai(angliskai)) {
    if (anglu.size() == 1) continue;  // "a" and "i" are Lithuanian letters too
    EXPECT_FALSE(isvestis.contains(anglu)) << anglu << " left untranslated";
  }
}

}  // namespace
}  // namespace kervosta::duomenys
