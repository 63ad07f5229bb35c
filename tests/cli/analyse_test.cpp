// kervosta-cli analyse, and translate over the same dictionary, run as separate processes.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;

// "boy" (berniuk, paradigm 0), "see" (mat-, irregular), "book" (knyg, paradigm 5), "not", and
// "the" with no Lithuanian word.
constexpr std::string_view Zodynas =
    "pos=7\ten=the\n"
    "pos=1\tcat=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\tp1=0\tp2=0\n"
    "pos=3\tcat=0\tattr=0\ten=see|sees|saw|seen|seeing\tennum=0\tlt=matyti\tstem=maty\t"
    "pres=mat\tpast=mat\tfut=maty\tp1=3\tp2=1\tp3=0\tq=4\n"
    "pos=1\tcat=2\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
    "pos=4\ten=not\tlt=ne\n";

struct Rezultatas {
  int Busena = -1;
  std::string Isvestis;
  std::string Klaidos;
};

class Analyse : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta_analyse_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(katalogas_);
    fs::create_directories(katalogas_);
    ZodynoSarasas sarasas;
    SkaitytiZodynoTeksta(Zodynas, sarasas);
    IssaugotiZodyna(katalogas_ / "test.zod", sarasas);
  }
  void TearDown() override { fs::remove_all(katalogas_); }

  std::string Skaityti(const std::string& vardas) {
    std::ifstream failas(katalogas_ / vardas, std::ios::binary);
    std::ostringstream turinys;
    turinys << failas.rdbuf();
    return turinys.str();
  }

  // Runs `kervosta-cli KOMANDA` in the test's folder (no main.zod there).
  Rezultatas Paleisti(const std::string& komanda, const std::string& ivestis = "") {
    std::ofstream(katalogas_ / "stdin", std::ios::binary) << ivestis;
    const std::string eilute = "cd '" + katalogas_.string() + "' && '" KERVOSTA_CLI "' " +
                               komanda + " <stdin >stdout 2>stderr";
    const int busena = std::system(eilute.c_str());
    return {WIFEXITED(busena) ? WEXITSTATUS(busena) : -1, Skaityti("stdout"), Skaityti("stderr")};
  }

  fs::path katalogas_;
};

TEST_F(Analyse, TranslateGivesTheNegatedPastAndTheGenitiveObject) {
  const Rezultatas r =
      Paleisti("translate --dictionary test.zod", "The boy did not see the book.\n");
  EXPECT_EQ(r.Busena, 0) << r.Klaidos;
  EXPECT_EQ(r.Isvestis, "Berniukas nematė knygos. \n");
}

TEST_F(Analyse, ShowsWordsFeaturesGroupsAndRoles) {
  const Rezultatas r =
      Paleisti("analyse --dictionary test.zod \"The boy did not see the book.\"");
  ASSERT_EQ(r.Busena, 0) << r.Klaidos;
  const std::string& o = r.Isvestis;
  // The English words after the analysis: "did" absorbed, "see" negated past, "book" genitive.
  EXPECT_NE(o.find("Angliškas sakinys\n\tthe\t"), std::string::npos) << o;
  EXPECT_NE(o.find("\tdid\tdalis=10 "), std::string::npos) << o;
  EXPECT_NE(o.find("\tsee\tdalis=2 linksnis=3 skaicius=0 gimine=0 laipsnis=0 nuosaka=0 laikas=3 "
                   "forma=2 asmuo=3 teigiamas=0 veikiamoji=1 vidinis=0 nr=0\n"),
            std::string::npos)
      << o;
  // The Lithuanian words: only those with text, generated.
  const auto lietuviu = o.find("Lietuviškas sakinys\n");
  ASSERT_NE(lietuviu, std::string::npos) << o;
  EXPECT_NE(o.find("\tberniukas\tdalis=0 linksnis=0 ", lietuviu), std::string::npos) << o;
  EXPECT_NE(o.find("\tnematė\tdalis=2 ", lietuviu), std::string::npos) << o;
  EXPECT_NE(o.find("\tknygos\tdalis=0 linksnis=1 ", lietuviu), std::string::npos) << o;
  EXPECT_EQ(o.find("\tdid\t", lietuviu), std::string::npos) << o;
  // The groups with their labels and the roles of the noun groups.
  const auto grupes = o.find("Sintaksinės struktūros\n");
  ASSERT_NE(grupes, std::string::npos) << o;
  EXPECT_EQ(o.substr(grupes),
            "Sintaksinės struktūros\n"
            "\tDaikt.F.\tSubjektas - veiksnys\n\t\tthe\n\t\tboy\n"
            "\tKita.F.\n\t\tdid\n"
            "\tTarnyb.F.\n\t\tnot\n"
            "\tVeiksm.F.\n\t\tsee\n"
            "\tDaikt.F.\tTiesioginis papildinys\n\t\tthe\n\t\tbook\n"
            "\tSkyr/Junk.F.\n\t\t.\n");
}

TEST_F(Analyse, ReportsBadUseAndUnreadableDictionaries) {
  const Rezultatas be = Paleisti("analyse --dictionary test.zod");
  EXPECT_EQ(be.Busena, 1);
  EXPECT_NE(be.Klaidos.find("no TEXT"), std::string::npos) << be.Klaidos;
  EXPECT_EQ(Paleisti("analyse --dictionary").Busena, 1);
  const Rezultatas nera = Paleisti("analyse --dictionary missing.zod go");
  EXPECT_EQ(nera.Busena, 2);
  EXPECT_NE(nera.Klaidos.find("missing.zod"), std::string::npos) << nera.Klaidos;
  EXPECT_TRUE(nera.Isvestis.empty());
  EXPECT_EQ(Paleisti("analyse \"$(printf '\\377')\"").Busena, 1);  // not UTF-8

  // A text without words prints nothing; words after the options are joined into one line.
  const Rezultatas tuscias = Paleisti("analyse ''");
  EXPECT_EQ(tuscias.Busena, 0);
  EXPECT_TRUE(tuscias.Isvestis.empty());
  const Rezultatas zodziai = Paleisti("analyse --dictionary test.zod Do you see");
  EXPECT_NE(zodziai.Isvestis.find("\tar\tdalis=10 "), std::string::npos) << zodziai.Isvestis;
  EXPECT_NE(zodziai.Isvestis.find("\tVeiksm.F.\n\t\tdo\n\tDaikt.F.\tSubjektas - veiksnys\n"
                                  "\t\tyou\n\tVeiksm.F.\n\t\tsee\n"),
            std::string::npos)
      << zodziai.Isvestis;
}

}  // namespace
}  // namespace kervosta
