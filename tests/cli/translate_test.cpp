// kervosta-cli translate run as a user runs it: a separate process in a folder of its own.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Rezultatas {
  int Busena = -1;
  std::string Isvestis;
  std::string Klaidos;
};

std::size_t Eiluciu(const std::string& tekstas) {
  return static_cast<std::size_t>(std::count(tekstas.begin(), tekstas.end(), '\n'));
}

class Translate : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta_translate_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(katalogas_);
    fs::create_directories(katalogas_);
  }
  void TearDown() override { fs::remove_all(katalogas_); }

  void Rasyti(const std::string& vardas, const std::string& turinys) {
    std::ofstream(katalogas_ / vardas, std::ios::binary) << turinys;
  }

  std::string Skaityti(const std::string& vardas) {
    std::ifstream failas(katalogas_ / vardas, std::ios::binary);
    std::ostringstream turinys;
    turinys << failas.rdbuf();
    return turinys.str();
  }

  // Runs the tool in the test's folder with `ivestis` on standard input.
  Rezultatas Paleisti(const std::string& argumentai, const std::string& ivestis = "") {
    Rasyti("stdin", ivestis);
    const std::string komanda = "cd '" + katalogas_.string() + "' && '" KERVOSTA_CLI
                                "' translate " + argumentai + " <stdin >stdout 2>stderr";
    const int busena = std::system(komanda.c_str());
    Rezultatas r;
    r.Busena = WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
    r.Isvestis = Skaityti("stdout");
    r.Klaidos = Skaityti("stderr");
    return r;
  }

  fs::path katalogas_;
};

TEST_F(Translate, PrintsOneLinePerInputLineAndOneForTextAfterTheLastSentence) {
  const std::pair<std::string, std::size_t> atvejai[] = {
      {"Hello. World.\nThis is\na test.\nno end\n", 5},
      {"Hello.\r\nno end\r\n", 3},
      {"no final line feed.", 1},
      {"", 0},
  };
  for (const auto& [ivestis, eiluciu] : atvejai) {
    const Rezultatas r = Paleisti("", ivestis);
    EXPECT_EQ(r.Busena, 0) << ivestis;
    EXPECT_EQ(Eiluciu(r.Isvestis), eiluciu) << ivestis;
    EXPECT_EQ(r.Klaidos, "") << ivestis;
  }
  // Each file is a text of its own: "no end" is not carried into the next file.
  Rasyti("a.txt", "no end\n");
  Rasyti("b.txt", "Done.\n");
  EXPECT_EQ(Eiluciu(Paleisti("a.txt --no-grammar b.txt").Isvestis), 3u);
}

TEST_F(Translate, CountsCharactersWindows1257CannotHoldInOneWarning) {
  const Rezultatas r = Paleisti("", "Caf\xC3\xA9 \xE2\x86\x92 \xF0\x9F\x98\x80.\n\xE2\x82\xAC \xE2\x88\x9E.\n");
  EXPECT_EQ(r.Busena, 0);
  EXPECT_EQ(Eiluciu(r.Isvestis), 2u);
  EXPECT_EQ(Eiluciu(r.Klaidos), 1u) << r.Klaidos;
  EXPECT_NE(r.Klaidos.find("warning: 3 character"), std::string::npos) << r.Klaidos;
}

TEST_F(Translate, MalformedUtf8IsAnErrorNamingTheByteOffsetAndNothingIsPrinted) {
  const Rezultatas is_ivesties = Paleisti("", "ok\n\xC5\xBE \xC3(\n");
  EXPECT_EQ(is_ivesties.Busena, 2);
  EXPECT_EQ(is_ivesties.Isvestis, "");
  EXPECT_NE(is_ivesties.Klaidos.find("byte offset 6"), std::string::npos) << is_ivesties.Klaidos;

  Rasyti("good.txt", "Fine.\n");
  Rasyti("bad.txt", "\xFF");
  const Rezultatas is_failo = Paleisti("good.txt bad.txt");
  EXPECT_EQ(is_failo.Busena, 2);
  EXPECT_EQ(is_failo.Isvestis, "");
  EXPECT_NE(is_failo.Klaidos.find("bad.txt: malformed UTF-8 at byte offset 0"), std::string::npos)
      << is_failo.Klaidos;
}

TEST_F(Translate, ExitStatusesOfUnreadableFilesAndBadUsage) {
  Rasyti("broken.zod", std::string(100, 'x'));  // shorter than one record
  Rasyti("empty.zod", "");
  const std::pair<const char*, int> atvejai[] = {
      {"missing.txt", 2},
      {".", 2},
      {"--dictionary missing.zod", 2},
      {"--user-dictionary missing.dic", 2},
      {"--dictionary broken.zod", 2},
      {"--dictionary empty.zod --user-dictionary empty.zod", 0},
      {"--bogus", 1},
      {"--dictionary", 1},
      {"-x", 1},
  };
  for (const auto& [argumentai, busena] : atvejai) {
    const Rezultatas r = Paleisti(argumentai, "Text.\n");
    EXPECT_EQ(r.Busena, busena) << argumentai;
    EXPECT_EQ(Eiluciu(r.Isvestis), busena == 0 ? 1u : 0u) << argumentai;
    EXPECT_EQ(Eiluciu(r.Klaidos), busena == 0 ? 0u : 1u) << argumentai << ": " << r.Klaidos;
  }
  const Rezultatas pagalba = Paleisti("--help");
  EXPECT_EQ(pagalba.Busena, 0);
  for (const char* parinktis : {"--dictionary", "--user-dictionary", "--no-grammar"})
    EXPECT_NE(pagalba.Isvestis.find(parinktis), std::string::npos) << parinktis;
}

}  // namespace
