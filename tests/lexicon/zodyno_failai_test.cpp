#include "lexicon/zodyno_failai.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "testai.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;
using testai::Irasas;

std::vector<ZodynoIrasas> Irasai(const ZodynoSarasas& sarasas) {
  std::vector<ZodynoIrasas> irasai;
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) irasai.push_back(m->Duomenys);
  return irasai;
}

// Random bytes everywhere, the same for every call: a shorter list is a prefix of a longer one.
ZodynoSarasas KeistiIrasai(int kiek = 3) {
  std::mt19937 generatorius(1257);
  ZodynoSarasas sarasas;
  for (int i = 0; i < kiek; ++i) sarasas.Prideti(testai::AtsitiktinisIrasas(generatorius));
  return sarasas;
}

class ZodynoFailai : public ::testing::Test {
 protected:
  void SetUp() override {
    katalogas_ = fs::temp_directory_path() /
                 ("kervosta-lexicon-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(katalogas_);
  }
  void TearDown() override {
    fs::permissions(katalogas_, fs::perms::owner_all);
    fs::remove_all(katalogas_);
  }
  fs::path Kelias(const std::string& vardas) const { return katalogas_ / vardas; }
  std::string Baitai(const std::string& vardas) const {
    std::ifstream in(Kelias(vardas), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path katalogas_;
};

TEST_F(ZodynoFailai, SaveLoadAndAppendKeepTheBytesInOrderNumberedFromOne) {
  ZodynoSarasas sarasas;
  EXPECT_THROW(PridetiIZodyna(Kelias("a.dic"), sarasas, Irasas(1, "a")), FailasNerastas);
  EXPECT_TRUE(sarasas.Tuscias());
  EXPECT_FALSE(fs::exists(Kelias("a.dic"))) << "appending never creates the file";

  sarasas = KeistiIrasai(1000);  // more than one write's worth
  IssaugotiZodyna(Kelias("a.dic"), sarasas);
  EXPECT_EQ(fs::file_size(Kelias("a.dic")), 1000 * ZodynoIrasas::Dydis);
  PridetiIZodyna(Kelias("a.dic"), sarasas, Irasas(3, "b"));
  EXPECT_EQ(sarasas.Uodega()->Nr, 0);
  // After a broken tail the record lands on the next whole-record boundary.
  std::ofstream(Kelias("a.dic"), std::ios::binary | std::ios::app) << "junk";
  PridetiIZodyna(Kelias("a.dic"), sarasas, Irasas(1, "c"));

  ZodynoSarasas ikeltas;
  ikeltas.Prideti(Irasas(1, "old"));
  IkeltiZodyna(Kelias("a.dic"), ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(sarasas)) << "loading replaces the list";
  EXPECT_EQ(std::pair(ikeltas.Galva()->Nr, ikeltas.Uodega()->Nr), std::pair(1, 1002));

  IssaugotiZodyna(Kelias("empty.dic"), ZodynoSarasas());
  EXPECT_EQ(fs::file_size(Kelias("empty.dic")), 0u);
  IkeltiZodyna(Kelias("empty.dic"), ikeltas);
  EXPECT_TRUE(ikeltas.Tuscias());
}

TEST_F(ZodynoFailai, ImportAppendsWithoutNumbersSoImportingTwiceDoubles) {
  IssaugotiZodyna(Kelias("a.dic"), KeistiIrasai());
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "kept"));
  ImportuotiZodyna(Kelias("a.dic"), sarasas);
  ImportuotiZodyna(Kelias("a.dic"), sarasas);
  const auto trys = Irasai(KeistiIrasai());
  std::vector tikimasi{Irasas(1, "kept")};
  for (int k = 0; k < 2; ++k) tikimasi.insert(tikimasi.end(), trys.begin(), trys.end());
  EXPECT_EQ(Irasai(sarasas), tikimasi);
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) EXPECT_EQ(m->Nr, 0);
}

TEST_F(ZodynoFailai, FailedLoadsKeepWhatWasThereOrReadBefore) {
  IssaugotiZodyna(Kelias("a.dic"), KeistiIrasai());
  std::ofstream(Kelias("cut.dic"), std::ios::binary)
      << Baitai("a.dic").substr(0, 2 * ZodynoIrasas::Dydis + 17);
  ZodynoSarasas sarasas;
  EXPECT_THROW(IkeltiZodyna(Kelias("cut.dic"), sarasas), SkaitymasUzPabaigos);
  const auto pirmiDu = Irasai(KeistiIrasai(2));
  EXPECT_EQ(Irasai(sarasas), pirmiDu) << "the whole records before a broken tail";
  EXPECT_EQ(sarasas.Uodega()->Nr, 2);
  EXPECT_THROW(IkeltiZodyna(Kelias("none.dic"), sarasas), FailasNerastas);
  EXPECT_THROW(IkeltiZodyna(katalogas_, sarasas), FailoKlaida);
  EXPECT_EQ(Irasai(sarasas), pirmiDu) << "a missing file or a folder changes nothing";
}

TEST_F(ZodynoFailai, FailedSaveLeavesTheOldFileIntactAndNoTemporaryFile) {
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "old"));
  IssaugotiZodyna(Kelias("main.zod"), sarasas);
  const std::string senas = Baitai("main.zod");
  sarasas.Galva()->Duomenys = Irasas(1, "new");

  EXPECT_THROW(IssaugotiZodyna(Kelias("no-folder/a.dic"), sarasas), FailasNerastas);
  fs::create_directory(Kelias("dir.dic"));
  EXPECT_THROW(IssaugotiZodyna(Kelias("dir.dic"), sarasas), FailoKlaida);
  fs::remove(Kelias("dir.dic"));
  // A read-only file in a read-only folder, then in a writable one (unless the user is root).
  fs::permissions(Kelias("main.zod"), fs::perms::owner_read);
  fs::permissions(katalogas_, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(katalogas_.c_str(), W_OK) != 0) {
    EXPECT_THROW(IssaugotiZodyna(Kelias("main.zod"), sarasas), PrieigaUzdrausta);
    fs::permissions(katalogas_, fs::perms::owner_all);
    EXPECT_THROW(IssaugotiZodyna(Kelias("main.zod"), sarasas), PrieigaUzdrausta);
  }
  fs::permissions(katalogas_, fs::perms::owner_all);
  EXPECT_EQ(Baitai("main.zod"), senas);
  EXPECT_EQ(std::distance(fs::directory_iterator(katalogas_), fs::directory_iterator()), 1)
      << "temporary file left";
}

// Only regular files are read or replaced: a pipe without a writer would hang a load, and a save
// must never turn a device or a pipe into a dictionary file. A link is saved through.
TEST_F(ZodynoFailai, PipesDevicesAndFoldersAreRefusedAndLinksSavedThrough) {
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "kept"));
  ASSERT_EQ(::mkfifo(Kelias("pipe.zod").c_str(), 0600), 0);
  fs::create_directory(Kelias("dir.zod"));
  for (const char* vardas : {"pipe.zod", "dir.zod"}) {
    EXPECT_THROW(IkeltiZodyna(Kelias(vardas), sarasas), NeFailas) << vardas;
    EXPECT_THROW(ImportuotiZodyna(Kelias(vardas), sarasas), NeFailas) << vardas;
    EXPECT_THROW(IssaugotiZodyna(Kelias(vardas), sarasas), NeFailas) << vardas;
    EXPECT_THROW(PridetiIZodyna(Kelias(vardas), sarasas, Irasas(1, "x")), NeFailas) << vardas;
  }
  EXPECT_THROW(IkeltiZodyna("/dev/zero", sarasas), NeFailas);
  EXPECT_THROW(IssaugotiZodyna("/dev/null", sarasas), NeFailas);
  EXPECT_EQ(Irasai(sarasas), std::vector<ZodynoIrasas>{Irasas(1, "kept")});
  EXPECT_TRUE(fs::is_fifo(Kelias("pipe.zod")));

  IssaugotiZodyna(Kelias("real.zod"), sarasas);
  fs::create_symlink(Kelias("real.zod"), Kelias("link.zod"));
  sarasas.Prideti(Irasas(1, "more"));
  IssaugotiZodyna(Kelias("link.zod"), sarasas);
  EXPECT_TRUE(fs::is_symlink(Kelias("link.zod")));
  EXPECT_EQ(fs::file_size(Kelias("real.zod")), 2 * ZodynoIrasas::Dydis);
}

// A save killed midway leaves its temporary file; the next save of that file removes it.
TEST_F(ZodynoFailai, TheNextSaveRemovesATemporaryFileLeftByAnInterruptedOne) {
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "a"));
  std::ofstream(Kelias(".main.zod.12345.tmp")) << "half";
  std::ofstream(Kelias(".other.zod.12345.tmp")) << "not ours";
  IssaugotiZodyna(Kelias("main.zod"), sarasas);
  EXPECT_FALSE(fs::exists(Kelias(".main.zod.12345.tmp")));
  EXPECT_TRUE(fs::exists(Kelias(".other.zod.12345.tmp")));
}

}  // namespace
}  // namespace kervosta
