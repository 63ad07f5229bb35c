// kervosta-cli coverage counts the word tokens of a text that find a translation.
#include "tests/cli/paleidimas.h"
#include "tests/data/pagrindinis_zodynas.h"

namespace kervosta::duomenys {
namespace {

struct Coverage : bandymai::Paleidimas {
  // The exit status and standard output of `coverage` over the text with the shipped dictionary.
  std::pair<int, std::string> Skaiciuoti(const std::string& tekstas) const {
    Rasyti("tekstas.txt", tekstas);
    const auto r =
        Paleisti("coverage --unknown --dictionary " + PagrindinioZodynoKelias() + " tekstas.txt");
    return {r.Busena, r.Isvestis};
  }
};

TEST_F(Coverage, CountsWordTokensNotPunctuationOrNumbers) {
  // I (built in), see, the, times, stop and the two words of don't (do, not) are known; zorblax
  // is not; 42 and the marks are not words.
  EXPECT_EQ(Skaiciuoti("I see the zorblax, 42 times!\nDon't stop.\n"),
            std::pair(0, std::string("words 8\nfound 7\ncoverage 87.5%\n1\tzorblax\n")));
}

TEST_F(Coverage, LastWordOfALineWithoutFullStopStaysApartFromTheNextLine) {
  // A title line: joined directly, "kitten" and "Once" made one unknown word "kittenonce".
  EXPECT_EQ(Skaiciuoti("The lost kitten\n\nOnce upon a time\n"),
            std::pair(0, std::string("words 7\nfound 7\ncoverage 100.0%\n")));
}

// Everyday texts in several styles, written for the purpose. The conversation keeps contractions
// (don't, I'm), which translation expands but the dictionary does not hold.
TEST_F(Coverage, ShippedDictionaryKnowsEverydayEnglish) {
  const std::pair<const char*, double> tekstai[] = {
      {"en", 99.0},    {"conversation", 94.0}, {"diary", 98.0},
      {"email", 98.0}, {"instructions", 98.0}, {"letter", 98.0},
      {"news", 98.0},  {"story", 97.0},        {"travel", 98.0}};
  for (const auto& [vardas, maziausiai] : tekstai) {
    const auto r = Paleisti("coverage --dictionary " + PagrindinioZodynoKelias() +
                            " " KERVOSTA_SOURCE_DIR "/data/coverage-sample-" + vardas + ".txt");
    ASSERT_EQ(r.Busena, 0) << vardas;
    const std::size_t vieta = r.Isvestis.find("coverage ");
    ASSERT_NE(vieta, std::string::npos) << vardas << ": " << r.Isvestis;
    EXPECT_GE(std::stod(r.Isvestis.substr(vieta + 9)), maziausiai) << vardas << ": " << r.Isvestis;
  }
}

TEST_F(Coverage, ReportsBadUsageAndUnreadableFiles) {
  EXPECT_EQ(Paleisti("coverage").Busena, 1);
  EXPECT_EQ(Paleisti("coverage --bogus x").Busena, 1);
  EXPECT_EQ(Paleisti("coverage nera-tokio-failo.txt").Busena, 2);
  EXPECT_EQ(Skaiciuoti("caf\xC3").first, 2);
}

}  // namespace
}  // namespace kervosta::duomenys
