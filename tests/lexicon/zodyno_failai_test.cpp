#include "lexicon/zodyno_failai.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "testai.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;
using testai::Irasas;
using testai::SkaitytiBaitus;

std::vector<ZodynoIrasas> Irasai(const ZodynoSarasas& sarasas) {
  std::vector<ZodynoIrasas> irasai;
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) irasai.push_back(m->Duomenys);
  return irasai;
}

std::vector<std::int32_t> Numeriai(const ZodynoSarasas& sarasas) {
  std::vector<std::int32_t> nr;
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) nr.push_back(m->Nr);
  return nr;
}

// Records with random bytes everywhere: reserved fields, tails, length bytes above 32.
ZodynoSarasas KeistiIrasai(int kiek = 3) {
  std::mt19937 generatorius(1257);
  ZodynoSarasas sarasas;
  for (int i = 0; i < kiek; ++i) sarasas.Prideti(testai::AtsitiktinisIrasas(generatorius));
  return sarasas;
}

class ZodynoFailai : public ::testing::Test {
 protected:
  fs::path Kelias(const std::string& vardas) const { return katalogas_.Kelias() / vardas; }
  testai::LaikinasKatalogas katalogas_;
};

TEST_F(ZodynoFailai, SaveThenLoadGivesTheSameBytesInOrderNumberedFromOne) {
  const ZodynoSarasas isSaugotas = KeistiIrasai(1000);  // more than one write's worth
  IssaugotiZodyna(Kelias("a.dic"), isSaugotas);
  EXPECT_EQ(fs::file_size(Kelias("a.dic")), 1000 * ZodynoIrasas::Dydis);
  ZodynoSarasas ikeltas;
  ikeltas.Prideti(Irasas(1, "old"));
  IkeltiZodyna(Kelias("a.dic"), ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(isSaugotas)) << "loading replaces the list";
  EXPECT_EQ(ikeltas.Galva()->Nr, 1);
  EXPECT_EQ(ikeltas.Uodega()->Nr, 1000);

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
  const auto irasai = Irasai(sarasas);
  ASSERT_EQ(irasai.size(), 7u);
  EXPECT_EQ(irasai[0].Angl1(), "kept");
  EXPECT_EQ(std::vector(irasai.begin() + 1, irasai.begin() + 4), Irasai(KeistiIrasai()));
  EXPECT_EQ(std::vector(irasai.begin() + 4, irasai.end()), Irasai(KeistiIrasai()));
  EXPECT_EQ(Numeriai(sarasas), std::vector<std::int32_t>(7, 0));
}

TEST_F(ZodynoFailai, BrokenTailKeepsTheWholeRecordsThenReportsReadBeyondEnd) {
  IssaugotiZodyna(Kelias("a.dic"), KeistiIrasai());
  testai::RasytiBaitus(Kelias("cut.dic"),
                       SkaitytiBaitus(Kelias("a.dic")).substr(0, 2 * ZodynoIrasas::Dydis + 17));
  ZodynoSarasas sarasas;
  EXPECT_THROW(IkeltiZodyna(Kelias("cut.dic"), sarasas), SkaitymasUzPabaigos);
  const auto visi = Irasai(KeistiIrasai());
  EXPECT_EQ(Irasai(sarasas), std::vector(visi.begin(), visi.begin() + 2));
  EXPECT_EQ(Numeriai(sarasas), (std::vector<std::int32_t>{1, 2}));
}

TEST_F(ZodynoFailai, MissingFileOrFolderLeavesTheListAlone) {
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "kept"));
  EXPECT_THROW(IkeltiZodyna(Kelias("none.dic"), sarasas), FailasNerastas);
  EXPECT_THROW(IkeltiZodyna(katalogas_.Kelias(), sarasas), FailoKlaida);
  ASSERT_EQ(sarasas.Kiekis(), 1);
  EXPECT_EQ(sarasas.Galva()->Duomenys.Angl1(), "kept");
}

TEST_F(ZodynoFailai, AppendGoesToTheFileAndTheListTailOnlyWhenTheFileExists) {
  ZodynoSarasas sarasas;
  EXPECT_THROW(PridetiIZodyna(Kelias("main.zod"), sarasas, Irasas(1, "a")), FailasNerastas);
  EXPECT_TRUE(sarasas.Tuscias());
  EXPECT_FALSE(fs::exists(Kelias("main.zod"))) << "appending never creates the file";

  sarasas.Prideti(Irasas(1, "a"));
  IssaugotiZodyna(Kelias("main.zod"), sarasas);
  PridetiIZodyna(Kelias("main.zod"), sarasas, Irasas(3, "b"));
  EXPECT_EQ(sarasas.Uodega()->Nr, 0);
  ZodynoSarasas ikeltas;
  IkeltiZodyna(Kelias("main.zod"), ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(sarasas));

  // After a broken tail the record lands on the next whole-record boundary.
  testai::RasytiBaitus(Kelias("main.zod"), SkaitytiBaitus(Kelias("main.zod")) + "junk");
  PridetiIZodyna(Kelias("main.zod"), sarasas, Irasas(1, "c"));
  IkeltiZodyna(Kelias("main.zod"), ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(sarasas));
}

class NepavykesIssaugojimas : public ZodynoFailai {
 protected:
  void SetUp() override {
    ZodynoSarasas senas;
    senas.Prideti(Irasas(1, "old"));
    IssaugotiZodyna(Kelias("main.zod"), senas);
    senasTurinys_ = SkaitytiBaitus(Kelias("main.zod"));
    naujas_.Prideti(Irasas(1, "new"));
  }
  void TikrintiSenaNepaliesta() {
    EXPECT_EQ(SkaitytiBaitus(Kelias("main.zod")), senasTurinys_);
    EXPECT_EQ(katalogas_.Turinys(), std::vector<std::string>{"main.zod"}) << "temporary file left";
  }

  ZodynoSarasas naujas_;
  std::string senasTurinys_;
};

TEST_F(NepavykesIssaugojimas, PathsThatCannotBeCreatedLeaveTheOldFileIntact) {
  EXPECT_THROW(IssaugotiZodyna(Kelias("no-folder/a.dic"), naujas_), FailasNerastas);
  EXPECT_THROW(IssaugotiZodyna(Kelias("main.zod/a.dic"), naujas_), FailoKlaida);
  fs::create_directory(Kelias("dir.dic"));
  EXPECT_THROW(IssaugotiZodyna(Kelias("dir.dic"), naujas_), FailoKlaida);
  fs::remove(Kelias("dir.dic"));
  TikrintiSenaNepaliesta();
}

TEST_F(NepavykesIssaugojimas, ReadOnlyFolderOrFileLeavesTheOldFileIntact) {
  fs::permissions(Kelias("main.zod"), fs::perms::owner_read);
  fs::permissions(katalogas_.Kelias(), fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(katalogas_.Kelias().c_str(), W_OK) == 0)
    GTEST_SKIP() << "this user may write where permissions say no";
  EXPECT_THROW(IssaugotiZodyna(Kelias("main.zod"), naujas_), PrieigaUzdrausta);
  fs::permissions(katalogas_.Kelias(), fs::perms::owner_all);
  EXPECT_THROW(IssaugotiZodyna(Kelias("main.zod"), naujas_), PrieigaUzdrausta);
  TikrintiSenaNepaliesta();
}

TEST_F(ZodynoFailai, MainDictionaryLivesInTheProgramFolderWhateverTheCurrentFolder) {
  const fs::path pradinis = fs::current_path();
  ZodynuRinkinys zodynai;
  zodynai.ProgramosKatalogas = katalogas_.Kelias();
  EXPECT_THROW(IkeltiPagrindiniZodyna(zodynai), FailasNerastas);
  zodynai.PagrindinisZodynas.Prideti(Irasas(1, "cat"));
  IssaugotiPagrindiniZodyna(zodynai);
  ZodynuRinkinys kiti;
  kiti.ProgramosKatalogas = katalogas_.Kelias();
  IkeltiPagrindiniZodyna(kiti);
  EXPECT_EQ(Irasai(kiti.PagrindinisZodynas), Irasai(zodynai.PagrindinisZodynas));
  EXPECT_EQ(fs::current_path(), pradinis);
}

}  // namespace
}  // namespace kervosta
