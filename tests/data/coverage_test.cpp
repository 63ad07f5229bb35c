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

TEST(Coverage, ShippedDictionaryKnowsEverydayEnglish) {
  const auto [busena, isvestis] = Paleisti("--dictionary " + PagrindinioZodynoKelias() +
                                           " " KERVOSTA_SOURCE_DIR "/data/coverage-sample-en.txt");
  ASSERT_EQ(busena, 0);
  const std::size_t vieta = isvestis.find("coverage ");
  ASSERT_NE(vieta, std::string::npos) << isvestis;
  EXPECT_GE(std::stod(isvestis.substr(vieta + 9)), 95.0) << isvestis;
}

TEST(Coverage, ReportsBadUsageAndUnreadableFiles) {
  EXPECT_EQ(Paleisti("").first, 1);
  EXPECT_EQ(Paleisti("--bogus x").first, 1);
  EXPECT_EQ(Paleisti(::testing::TempDir() + "nera-tokio-failo.txt").first, 2);
  EXPECT_EQ(Paleisti(Laikinas("coverage-blogas.txt", "caf\xC3")).first, 2);
}

}  // namespace
}  // namespace kervosta::duomenys
