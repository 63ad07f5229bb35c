// kervosta-cli coverage counts the word tokens of a text that find a translation.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/data/pagrindinis_zodynas.h"

namespace kervosta::duomenys {
namespace {

// The exit status and standard output of kervosta-cli coverage with the arguments.
std::pair<int, std::string> Paleisti(const std::string& argumentai) {
  const std::string komanda =
      KERVOSTA_BINARY_DIR "/bin/kervosta-cli coverage " + argumentai + " 2>/dev/null";
  std::FILE* p = ::popen(komanda.c_str(), "r");
  if (p == nullptr) return {-1, ""};
  std::string isvestis;
  for (int c; (c = std::fgetc(p)) != EOF;) isvestis.push_back(static_cast<char>(c));
  const int busena = ::pclose(p);
  return {WIFEXITED(busena) ? WEXITSTATUS(busena) : -1, isvestis};
}

std::string Laikinas(const std::string& vardas, const std::string& turinys) {
  const std::string kelias = ::testing::TempDir() + vardas;
  std::ofstream(kelias, std::ios::binary) << turinys;
  return kelias;
}

TEST(Coverage, CountsWordTokensNotPunctuationOrNumbers) {
  // I (built in), see, the, times, stop and the two words of don't (do, not) are known; zorblax
  // is not; 42 and the marks are not words.
  const std::string tekstas =
      Laikinas("coverage-zodziai.txt", "I see the zorblax, 42 times!\nDon't stop.\n");
  EXPECT_EQ(Paleisti("--unknown --dictionary " + PagrindinioZodynoKelias() + " " + tekstas),
            std::pair(0, std::string("words 8\nfound 7\ncoverage 87.5%\n1\tzorblax\n")));
}

TEST(Coverage, LastWordOfALineWithoutFullStopStaysApartFromTheNextLine) {
  // A title line: joined directly, "kitten" and "Once" made one unknown word "kittenonce".
  const std::string tekstas =
      Laikinas("coverage-eilutes.txt", "The lost kitten\n\nOnce upon a time\n");
  EXPECT_EQ(Paleisti("--unknown --dictionary " + PagrindinioZodynoKelias() + " " + tekstas),
            std::pair(0, std::string("words 7\nfound 7\ncoverage 100.0%\n")));
}

// Everyday texts in several styles, written for the purpose. The conversation keeps contractions
// (don't, I'm), which translation expands but the dictionary does not hold.
TEST(Coverage, ShippedDictionaryKnowsEverydayEnglish) {
  const std::pair<const char*, double> tekstai[] = {
      {"en", 99.0},    {"conversation", 94.0}, {"diary", 98.0},
      {"email", 98.0}, {"instructions", 98.0}, {"letter", 98.0},
      {"news", 98.0},  {"story", 97.0},        {"travel", 98.0}};
  for (const auto& [vardas, maziausiai] : tekstai) {
    const auto [busena, isvestis] =
        Paleisti("--dictionary " + PagrindinioZodynoKelias() +
                 " " KERVOSTA_SOURCE_DIR "/data/coverage-sample-" + vardas + ".txt");
    ASSERT_EQ(busena, 0) << vardas;
    const std::size_t vieta = isvestis.find("coverage ");
    ASSERT_NE(vieta, std::string::npos) << vardas << ": " << isvestis;
    EXPECT_GE(std::stod(isvestis.substr(vieta + 9)), maziausiai) << vardas << ": " << isvestis;
  }
}

TEST(Coverage, ReportsBadUsageAndUnreadableFiles) {
  EXPECT_EQ(Paleisti("").first, 1);
  EXPECT_EQ(Paleisti("--bogus x").first, 1);
  EXPECT_EQ(Paleisti(::testing::TempDir() + "nera-tokio-failo.txt").first, 2);
  EXPECT_EQ(Paleisti(Laikinas("coverage-blogas.txt", "caf\xC3")).first, 2);
}

}  // namespace
}  // namespace kervosta::duomenys
