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

class Dict : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta_dict_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
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
  // The exit status; standard output and error land in the files "stdout" and "stderr".
  int Paleisti(const std::string& argumentai) {
    const std::string komanda = "cd '" + katalogas_.string() + "' && '" KERVOSTA_CLI
                                "' dict " + argumentai + " </dev/null >stdout 2>stderr";
    const int busena = std::system(komanda.c_str());
    return WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
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

TEST_F(Dict, DumpThenCompileOfSeveralTextsReproducesTheFileByteForByte) {
  Rasyti("odd.zod", KeistasZodynas(40));
  ASSERT_EQ(Paleisti("dump odd.zod"), 0) << Skaityti("stderr");
  const std::string tekstas = Skaityti("stdout");
  ASSERT_EQ(std::count(tekstas.begin(), tekstas.end(), '\n'), 40);
  const std::size_t puse = tekstas.find('\n', tekstas.size() / 2) + 1;
  Rasyti("a.zodtxt", "# first half\n" + tekstas.substr(0, puse));
  Rasyti("b.zodtxt", tekstas.substr(puse));
  ASSERT_EQ(Paleisti("compile a.zodtxt b.zodtxt again.zod"), 0) << Skaityti("stderr");
  EXPECT_EQ(Skaityti("again.zod"), Skaityti("odd.zod"));
}

TEST_F(Dict, MalformedTextIsNamedByFileAndLineAndWritesNothing) {
  Rasyti("out.zod", "old");
  Rasyti("good.zodtxt", "pos=1\n");
  Rasyti("bad.zodtxt", "pos=1\n\npos=2\tcolour=red\n");
  EXPECT_EQ(Paleisti("compile good.zodtxt bad.zodtxt out.zod"), 1);
  EXPECT_NE(Skaityti("stderr").find("bad.zodtxt:3: unknown key 'colour'"), std::string::npos)
      << Skaityti("stderr");
  EXPECT_EQ(Skaityti("out.zod"), "old");
}

TEST_F(Dict, UnreadableFilesExitWithTwo) {
  Rasyti("good.zodtxt", "pos=1\n");
  EXPECT_EQ(Paleisti("dump missing.zod"), 2);
  EXPECT_NE(Skaityti("stderr").find("File not found"), std::string::npos) << Skaityti("stderr");
  EXPECT_EQ(Paleisti("compile missing.zodtxt out.zod"), 2);
  EXPECT_EQ(Paleisti("compile good.zodtxt no-folder/out.zod"), 2);

  // A broken tail still shows the whole records, then reports the tail.
  Rasyti("cut.zod", KeistasZodynas(2).substr(0, 460 + 100));
  EXPECT_EQ(Paleisti("dump cut.zod"), 2);
  const std::string isvestis = Skaityti("stdout");
  EXPECT_EQ(std::count(isvestis.begin(), isvestis.end(), '\n'), 1);
  EXPECT_NE(Skaityti("stderr").find("Read beyond end of file"), std::string::npos);
}

TEST_F(Dict, UsageAndHelp) {
  for (const char* argumentai : {"", "dump", "dump a b", "compile a.zodtxt", "list x"})
    EXPECT_EQ(Paleisti(argumentai), 1) << argumentai;
  for (const char* argumentai : {"--help", "dump --help", "compile --help"}) {
    EXPECT_EQ(Paleisti(argumentai), 0) << argumentai;
    EXPECT_NE(Skaityti("stdout").find("Usage:"), std::string::npos) << argumentai;
  }
}

}  // namespace
