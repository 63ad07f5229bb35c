// kervosta-cli run as a user runs it: a separate process, through the shell, in a scratch folder
// of the test's own.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta::bandymai {

using ::testing::EndsWith;
using ::testing::HasSubstr;

struct Rezultatas {
  int Busena = -1;
  std::string Isvestis;  // standard output
  std::string Klaidos;   // standard error
};

inline std::size_t Eiluciu(const std::string& tekstas) {
  return static_cast<std::size_t>(std::count(tekstas.begin(), tekstas.end(), '\n'));
}

class Paleidimas : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* testas = ::testing::UnitTest::GetInstance()->current_test_info();
    katalogas_ = std::filesystem::temp_directory_path() /
                 ("kervosta_cli_" + std::to_string(::getpid()) + "_" + testas->test_suite_name() +
                  "_" + testas->name());
    std::filesystem::remove_all(katalogas_);
    std::filesystem::create_directories(katalogas_);
  }
  void TearDown() override { std::filesystem::remove_all(katalogas_); }

  void Rasyti(const std::string& vardas, const std::string& turinys) const {
    std::ofstream(katalogas_ / vardas, std::ios::binary) << turinys;
  }
  std::string Skaityti(const std::string& vardas) const {
    std::ifstream failas(katalogas_ / vardas, std::ios::binary);
    return {std::istreambuf_iterator<char>(failas), {}};
  }
  // A dictionary file compiled from its text form.
  void Zodynas(const std::string& vardas, std::string_view tekstas) const {
    ZodynoSarasas sarasas;
    SkaitytiZodynoTeksta(tekstas, sarasas);
    IssaugotiZodyna(katalogas_ / vardas, sarasas);
  }
  // Any shell command, run in the folder; its exit status.
  int Apvalkalas(const std::string& komanda) const {
    const int busena = std::system(("cd '" + katalogas_.string() + "' && " + komanda).c_str());
    return WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
  }
  // `kervosta-cli ARGUMENTAI` with `ivestis` on standard input; the arguments are shell words.
  Rezultatas Paleisti(const std::string& argumentai, const std::string& ivestis = "") const {
    Rasyti("stdin", ivestis);
    const int busena = Apvalkalas("'" KERVOSTA_CLI "' " + argumentai + " <stdin >stdout 2>stderr");
    return {busena, Skaityti("stdout"), Skaityti("stderr")};
  }

  std::filesystem::path katalogas_;
};

}  // namespace kervosta::bandymai
