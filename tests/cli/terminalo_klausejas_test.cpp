// kervosta-cli translate --correct: the questions go to the terminal, the text comes from a file.
// A terminal is given to the tool with script(1), which feeds it the scripted answers.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "lexicon/zodyno_failai.h"
#include "tests/analysis/paieska_irasai.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;
using namespace bandymai;

std::size_t Kartai(const std::string& tekstas, const std::string& dalis) {
  std::size_t kartai = 0;
  for (auto pos = tekstas.find(dalis); pos != std::string::npos; pos = tekstas.find(dalis, pos + 1))
    ++kartai;
  return kartai;
}

class Koregavimas : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta_correct_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(katalogas_);
    fs::create_directories(katalogas_);
    ZodynoSarasas zodynas;
    zodynas.Prideti(Daiktavardis("bank", "banks", "bank", 0));
    zodynas.Prideti(Daiktavardis("bank", "banks", "krant", 0));
    IssaugotiZodyna(katalogas_ / "test.zod", zodynas);
    std::ofstream(katalogas_ / "in.txt") << "Bank and bank, bank. Bank zzz.\n";
  }
  void TearDown() override { fs::remove_all(katalogas_); }

  std::string Skaityti(const std::string& vardas) {
    std::ifstream failas(katalogas_ / vardas, std::ios::binary);
    std::ostringstream turinys;
    turinys << failas.rdbuf();
    return turinys.str();
  }

  int Vykdyti(const std::string& komanda) {
    const int busena = std::system(("cd '" + katalogas_.string() + "' && " + komanda).c_str());
    return WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
  }

  static constexpr const char* Vertimas =
      "'" KERVOSTA_CLI "' translate --correct --dictionary test.zod in.txt";
  fs::path katalogas_;
};

TEST_F(Koregavimas, WithoutATerminalItIsAnError) {
  const int busena =
      Vykdyti(std::string("setsid -w ") + Vertimas + " </dev/null >stdout 2>stderr");
  EXPECT_EQ(busena, 1);
  EXPECT_EQ(Skaityti("stdout"), "");
  EXPECT_NE(Skaityti("stderr").find("--correct asks on a terminal"), std::string::npos);
}

TEST_F(Koregavimas, ScriptedAnswersOnTheTerminal) {
  if (Vykdyti("script -qec true /dev/null </dev/null >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "script(1) cannot give the tool a terminal here";
  // bank: the second candidate; and: switch correction off; bank: Enter takes the first;
  // bank: keep the English word. The next sentence is automatic: the last candidate, no question.
  const int busena = Vykdyti("printf '2\\nq\\n\\na\\n' | script -qec \"" + std::string(Vertimas) +
                             " >stdout 2>stderr\" /dev/null >terminalas");
  EXPECT_EQ(busena, 0) << Skaityti("stderr");
  EXPECT_EQ(Skaityti("stdout"), "Krantas and bankas, bank. Krantas zzz. \n");
  const std::string terminalas = Skaityti("terminalas");
  EXPECT_EQ(Kartai(terminalas, "Ambiguous word \"bank\" in: Bank and bank, bank. "), 3u)
      << terminalas;
  EXPECT_EQ(Kartai(terminalas, "Unknown word \"and\""), 1u) << terminalas;
  EXPECT_EQ(Kartai(terminalas, "  2  krantas (noun)"), 3u) << terminalas;
  EXPECT_EQ(Kartai(terminalas, "Correction is off from the next sentence on."), 1u);
  EXPECT_EQ(Kartai(terminalas, "zzz"), 0u);
}

}  // namespace
}  // namespace kervosta
