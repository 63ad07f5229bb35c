// kervosta-cli lookup run as a separate process over dictionary files written by the test.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "tests/analysis/paieska_irasai.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;
using namespace literals;
using namespace bandymai;

struct Rezultatas {
  int Busena = -1;
  std::string Isvestis;
  std::string Klaidos;
};

class Lookup : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta_lookup_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(katalogas_);
    fs::create_directories(katalogas_);
    ZodynoSarasas pagrindinis;
    pagrindinis.Prideti(Daiktavardis("boy", "boys", "berniuk", 0));
    pagrindinis.Prideti(Daiktavardis("bank", "banks", "bank", 0));
    IssaugotiZodyna(katalogas_ / "main.zod", pagrindinis);
    ZodynoSarasas vartotojo;
    vartotojo.Prideti(Daiktavardis("bank", "banks", "krant", 0));
    IssaugotiZodyna(katalogas_ / "user.dic", vartotojo);
  }
  void TearDown() override { fs::remove_all(katalogas_); }

  std::string Skaityti(const std::string& vardas) {
    std::ifstream failas(katalogas_ / vardas, std::ios::binary);
    std::ostringstream turinys;
    turinys << failas.rdbuf();
    return turinys.str();
  }

  // Runs the tool in the test's folder, where main.zod is the default dictionary.
  Rezultatas Paleisti(const std::string& argumentai) {
    const std::string komanda = "cd '" + katalogas_.string() + "' && '" KERVOSTA_CLI
                                "' lookup " + argumentai + " </dev/null >stdout 2>stderr";
    const int busena = std::system(komanda.c_str());
    Rezultatas r;
    r.Busena = WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
    r.Isvestis = Skaityti("stdout");
    r.Klaidos = Skaityti("stderr");
    return r;
  }

  fs::path katalogas_;
};

TEST_F(Lookup, BuiltInBeenIsEntryThreeAsPastParticiple) {
  const Rezultatas r = Paleisti("BEEN");
  EXPECT_EQ(r.Busena, 0) << r.Klaidos;
  EXPECT_EQ(r.Isvestis, "been\tyra\tbū\t2\t0\t0\t0\t0\t3\t4\t3\t3\t1\n");
}

TEST_F(Lookup, PossessiveAndPluralCandidatesOfANoun) {
  struct Atvejis {
    std::string Zodis;
    std::string Eilutes;
  };
  const Atvejis atvejai[] = {
      {"boy", "boy\tberniukas\tberniuk\t0\t0\t0\t1\t0\t1\t0\t3\t0\t0\n"},
      {"boys", "boys\tberniukai\tberniuk\t0\t0\t1\t1\t0\t1\t0\t3\t0\t0\n"},
      {"\"boy's\"", "boy's\tberniukas\tberniuk\t0\t1\t0\t1\t0\t1\t0\t3\t0\t0\n"},
      {"\"boys'\"",
       "boys'\tberniukas\tberniuk\t0\t1\t0\t1\t0\t1\t0\t3\t0\t0\n"
       "boys'\tberniukai\tberniuk\t0\t1\t1\t1\t0\t1\t0\t3\t0\t0\n"},
      {"girl", ""},
  };
  for (const Atvejis& a : atvejai) {
    const Rezultatas r = Paleisti(a.Zodis);
    EXPECT_EQ(r.Busena, 0) << a.Zodis << r.Klaidos;
    EXPECT_EQ(r.Isvestis, a.Eilutes) << a.Zodis;
  }
}

TEST_F(Lookup, MainDictionaryCandidatesComeFirst) {
  const Rezultatas r = Paleisti("--user-dictionary user.dic --dictionary main.zod bank");
  EXPECT_EQ(r.Busena, 0) << r.Klaidos;
  EXPECT_EQ(r.Isvestis,
            "bank\tbankas\tbank\t0\t0\t0\t1\t0\t1\t0\t3\t0\t0\n"
            "bank\tkrantas\tkrant\t0\t0\t0\t1\t0\t1\t0\t3\t0\t0\n");
}

TEST_F(Lookup, BadUsageAndUnreadableDictionaries) {
  struct Atvejis {
    std::string Argumentai;
    int Busena;
    std::string Klaida;  // part of the message
  };
  const Atvejis atvejai[] = {
      {"boy girl", 1, "exactly one WORD"},
      {"--dictionary", 1, "needs a FILE"},
      {"\"$(printf '\\377')\"", 1, "not valid UTF-8"},
      {"--dictionary missing.zod boy", 2, "'missing.zod': File not found"},
  };
  for (const Atvejis& a : atvejai) {
    const Rezultatas r = Paleisti(a.Argumentai);
    EXPECT_EQ(r.Busena, a.Busena) << a.Argumentai;
    EXPECT_NE(r.Klaidos.find(a.Klaida), std::string::npos) << a.Argumentai << ": " << r.Klaidos;
    EXPECT_EQ(r.Isvestis, "") << a.Argumentai;
  }
}

}  // namespace
}  // namespace kervosta
