// kervosta-cli dict run as a user runs it: a separate process in a folder of its own.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Rezultatas {
  int Busena = -1;
  std::string Isvestis;
  std::string Klaidos;
};

class Dict : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta_dict_" + std::to_string(::getpid()) + "_" +
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
    return {std::istreambuf_iterator<char>(failas), {}};
  }

  Rezultatas Paleisti(const std::string& argumentai) {
    const std::string komanda = "cd '" + katalogas_.string() + "' && '" KERVOSTA_CLI
                                "' dict " + argumentai + " </dev/null >stdout 2>stderr";
    const int busena = std::system(komanda.c_str());
    Rezultatas r;
    r.Busena = WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
    r.Isvestis = Skaityti("stdout");
    r.Klaidos = Skaityti("stderr");
    return r;
  }

  fs::path katalogas_;
};

// Records of random bytes: length bytes above 32, controls in the texts, reserved bytes set.
std::string KeistasZodynas(int irasu) {
  std::mt19937 generatorius(2);
  std::uniform_int_distribution<int> baitas(0, 255);
  std::string turinys;
  for (int i = 0; i < irasu * 460; ++i) turinys += static_cast<char>(baitas(generatorius));
  return turinys;
}

TEST_F(Dict, DumpThenCompileReproducesTheFileByteForByte) {
  Rasyti("odd.zod", KeistasZodynas(40));
  const Rezultatas isvesta = Paleisti("dump odd.zod");
  ASSERT_EQ(isvesta.Busena, 0) << isvesta.Klaidos;
  EXPECT_EQ(std::count(isvesta.Isvestis.begin(), isvesta.Isvestis.end(), '\n'), 40);
  Rasyti("odd.zodtxt", isvesta.Isvestis);
  const Rezultatas sukompiliuota = Paleisti("compile odd.zodtxt again.zod");
  ASSERT_EQ(sukompiliuota.Busena, 0) << sukompiliuota.Klaidos;
  EXPECT_EQ(Skaityti("again.zod"), Skaityti("odd.zod"));
}

TEST_F(Dict, CompileTakesSeveralTextsInOrder) {
  Rasyti("a.zodtxt", "pos=1\ten=cat\tlt=katė\n");
  Rasyti("b.zodtxt", "# verbs\npos=verb\ten=go|goes\n");
  ASSERT_EQ(Paleisti("compile a.zodtxt b.zodtxt out.zod").Busena, 0);
  EXPECT_EQ(Skaityti("out.zod").size(), 2u * 460);
  const Rezultatas r = Paleisti("dump out.zod");
  EXPECT_EQ(r.Isvestis, "pos=1\ten=cat\tlt=katė\npos=3\ten=go|goes\n");
}

TEST_F(Dict, MalformedTextIsNamedByFileAndLineAndWritesNothing) {
  Rasyti("out.zod", "old");
  Rasyti("good.zodtxt", "pos=1\n");
  Rasyti("bad.zodtxt", "pos=1\n\npos=2\tcolour=red\n");
  const Rezultatas r = Paleisti("compile good.zodtxt bad.zodtxt out.zod");
  EXPECT_EQ(r.Busena, 1);
  EXPECT_NE(r.Klaidos.find("bad.zodtxt:3: unknown key 'colour'"), std::string::npos) << r.Klaidos;
  EXPECT_EQ(Skaityti("out.zod"), "old");
}

TEST_F(Dict, UnreadableFilesExitWithTwo) {
  Rasyti("good.zodtxt", "pos=1\n");
  Rezultatas r = Paleisti("dump missing.zod");
  EXPECT_EQ(r.Busena, 2);
  EXPECT_NE(r.Klaidos.find("File not found"), std::string::npos) << r.Klaidos;
  EXPECT_EQ(Paleisti("compile missing.zodtxt out.zod").Busena, 2);
  EXPECT_EQ(Paleisti("compile good.zodtxt no-folder/out.zod").Busena, 2);
  EXPECT_FALSE(fs::exists(katalogas_ / "out.zod"));

  // A broken tail still shows the whole records, then reports the tail.
  Rasyti("cut.zod", KeistasZodynas(2).substr(0, 460 + 100));
  r = Paleisti("dump cut.zod");
  EXPECT_EQ(r.Busena, 2);
  EXPECT_EQ(std::count(r.Isvestis.begin(), r.Isvestis.end(), '\n'), 1);
  EXPECT_NE(r.Klaidos.find("Read beyond end of file"), std::string::npos) << r.Klaidos;
}

TEST_F(Dict, UsageAndHelp) {
  for (const char* argumentai : {"", "dump", "dump a b", "compile a.zodtxt", "list x"})
    EXPECT_EQ(Paleisti(argumentai).Busena, 1) << argumentai;
  for (const char* argumentai : {"--help", "dump --help", "compile --help"}) {
    const Rezultatas r = Paleisti(argumentai);
    EXPECT_EQ(r.Busena, 0) << argumentai;
    EXPECT_NE(r.Isvestis.find("Usage:"), std::string::npos) << argumentai;
  }
}

}  // namespace
