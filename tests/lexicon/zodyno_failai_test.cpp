#include "lexicon/zodyno_failai.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "irasu_pavyzdziai.h"
#include "laikinas_katalogas.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;
using testai::Irasas;
using testai::LaikinasKatalogas;
using testai::RasytiBaitus;
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

// Three records with random bytes everywhere: reserved fields, tails, length bytes above 32.
ZodynoSarasas KeistiIrasai() {
  std::mt19937 generatorius(1257);
  ZodynoSarasas sarasas;
  for (int i = 0; i < 3; ++i) sarasas.Prideti(testai::AtsitiktinisIrasas(generatorius));
  return sarasas;
}

TEST(ZodynoFailai, SaveThenLoadGivesTheSameBytesInOrderNumberedFromOne) {
  LaikinasKatalogas katalogas;
  const ZodynoSarasas isSaugotas = KeistiIrasai();
  IssaugotiZodyna(katalogas / "a.dic", isSaugotas);
  EXPECT_EQ(fs::file_size(katalogas / "a.dic"), 3 * ZodynoIrasas::Dydis);

  ZodynoSarasas ikeltas;
  ikeltas.Prideti(Irasas(1, "old"));
  IkeltiZodyna(katalogas / "a.dic", ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(isSaugotas)) << "loading replaces the list";
  EXPECT_EQ(Numeriai(ikeltas), (std::vector<std::int32_t>{1, 2, 3}));

  IssaugotiZodyna(katalogas / "b.dic", ikeltas);
  EXPECT_EQ(SkaitytiBaitus(katalogas / "b.dic"), SkaitytiBaitus(katalogas / "a.dic"));
}

TEST(ZodynoFailai, ImportAppendsWithoutNumbersSoImportingTwiceDoubles) {
  LaikinasKatalogas katalogas;
  IssaugotiZodyna(katalogas / "a.dic", KeistiIrasai());
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "kept"));
  ImportuotiZodyna(katalogas / "a.dic", sarasas);
  ImportuotiZodyna(katalogas / "a.dic", sarasas);
  const auto irasai = Irasai(sarasas);
  ASSERT_EQ(irasai.size(), 7u);
  EXPECT_EQ(irasai[0].Angl1(), "kept");
  EXPECT_EQ(std::vector(irasai.begin() + 1, irasai.begin() + 4),
            std::vector(irasai.begin() + 4, irasai.end()));
  EXPECT_EQ(Numeriai(sarasas), std::vector<std::int32_t>(7, 0));
}

TEST(ZodynoFailai, EmptyFilesAndEmptyLists) {
  LaikinasKatalogas katalogas;
  IssaugotiZodyna(katalogas / "empty.dic", ZodynoSarasas());
  ASSERT_TRUE(fs::exists(katalogas / "empty.dic"));
  EXPECT_EQ(fs::file_size(katalogas / "empty.dic"), 0u);
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "old"));
  IkeltiZodyna(katalogas / "empty.dic", sarasas);
  EXPECT_TRUE(sarasas.Tuscias());
}

TEST(ZodynoFailai, BrokenTailKeepsTheWholeRecordsThenReportsReadBeyondEnd) {
  LaikinasKatalogas katalogas;
  IssaugotiZodyna(katalogas / "a.dic", KeistiIrasai());
  const std::string baitai = SkaitytiBaitus(katalogas / "a.dic");
  RasytiBaitus(katalogas / "cut.dic", baitai.substr(0, 2 * ZodynoIrasas::Dydis + 17));

  ZodynoSarasas sarasas;
  try {
    IkeltiZodyna(katalogas / "cut.dic", sarasas);
    FAIL() << "a broken tail must be reported";
  } catch (const SkaitymasUzPabaigos& klaida) {
    EXPECT_STREQ(klaida.what(), "Read beyond end of file");
  }
  const auto visi = Irasai(KeistiIrasai());
  EXPECT_EQ(Irasai(sarasas), std::vector(visi.begin(), visi.begin() + 2));
  EXPECT_EQ(Numeriai(sarasas), (std::vector<std::int32_t>{1, 2}));

  RasytiBaitus(katalogas / "short.dic", "abc");
  ZodynoSarasas trumpas;
  EXPECT_THROW(ImportuotiZodyna(katalogas / "short.dic", trumpas), SkaitymasUzPabaigos);
  EXPECT_TRUE(trumpas.Tuscias());
}

TEST(ZodynoFailai, MissingOrUnreadableFileLeavesTheListAlone) {
  LaikinasKatalogas katalogas;
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "kept"));
  try {
    IkeltiZodyna(katalogas / "none.dic", sarasas);
    FAIL() << "a missing file must be reported";
  } catch (const FailasNerastas& klaida) {
    EXPECT_STREQ(klaida.what(), "File not found");
  }
  EXPECT_THROW(IkeltiZodyna(katalogas.Kelias(), sarasas), FailoKlaida) << "a folder is no file";
  ASSERT_EQ(sarasas.Kiekis(), 1);
  EXPECT_EQ(sarasas.Galva()->Duomenys.Angl1(), "kept");
}

TEST(ZodynoFailai, AppendGoesToTheFileAndTheListTail) {
  LaikinasKatalogas katalogas;
  const fs::path failas = katalogas / "main.zod";
  ZodynoSarasas sarasas;
  sarasas.Prideti(Irasas(1, "a"));
  IssaugotiZodyna(failas, sarasas);
  PridetiIZodyna(failas, sarasas, Irasas(3, "b"));
  EXPECT_EQ(sarasas.Uodega()->Duomenys.Angl1(), "b");
  EXPECT_EQ(sarasas.Uodega()->Nr, 0);

  ZodynoSarasas ikeltas;
  IkeltiZodyna(failas, ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(sarasas));

  // After a broken tail the record lands on the next whole-record boundary.
  RasytiBaitus(failas, SkaitytiBaitus(failas) + "junk");
  PridetiIZodyna(failas, sarasas, Irasas(1, "c"));
  IkeltiZodyna(failas, ikeltas);
  EXPECT_EQ(Irasai(ikeltas), Irasai(sarasas));
}

TEST(ZodynoFailai, AppendToAMissingFileFailsBeforeTheListChanges) {
  LaikinasKatalogas katalogas;
  ZodynoSarasas sarasas;
  EXPECT_THROW(PridetiIZodyna(katalogas / "main.zod", sarasas, Irasas(1, "a")), FailasNerastas);
  EXPECT_TRUE(sarasas.Tuscias());
  EXPECT_FALSE(fs::exists(katalogas / "main.zod")) << "appending never creates the file";
}

class NepavykesIssaugojimas : public ::testing::Test {
 protected:
  void SetUp() override {
    senas_.Prideti(Irasas(1, "old"));
    IssaugotiZodyna(katalogas_ / "main.zod", senas_);
    senasTurinys_ = SkaitytiBaitus(katalogas_ / "main.zod");
    naujas_.Prideti(Irasas(1, "new"));
  }
  void TikrintiSenaNepaliesta() {
    EXPECT_EQ(SkaitytiBaitus(katalogas_ / "main.zod"), senasTurinys_);
    EXPECT_EQ(katalogas_.Turinys(), std::vector<std::string>{"main.zod"}) << "temporary file left";
  }

  LaikinasKatalogas katalogas_;
  ZodynoSarasas senas_;
  ZodynoSarasas naujas_;
  std::string senasTurinys_;
};

TEST_F(NepavykesIssaugojimas, ReadOnlyFolderLeavesTheOldFileIntact) {
  fs::permissions(katalogas_.Kelias(), fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(katalogas_.Kelias().c_str(), W_OK) == 0)
    GTEST_SKIP() << "this user may write into read-only folders";
  EXPECT_THROW(IssaugotiZodyna(katalogas_ / "main.zod", naujas_), PrieigaUzdrausta);
  fs::permissions(katalogas_.Kelias(), fs::perms::owner_all);
  TikrintiSenaNepaliesta();
}

TEST_F(NepavykesIssaugojimas, ReadOnlyFileIsNotReplaced) {
  fs::permissions(katalogas_ / "main.zod", fs::perms::owner_read);
  if (::access((katalogas_ / "main.zod").c_str(), W_OK) == 0)
    GTEST_SKIP() << "this user may write read-only files";
  EXPECT_THROW(IssaugotiZodyna(katalogas_ / "main.zod", naujas_), PrieigaUzdrausta);
  TikrintiSenaNepaliesta();
}

TEST_F(NepavykesIssaugojimas, PathsThatCannotBeCreatedFailWithoutSideEffects) {
  EXPECT_THROW(IssaugotiZodyna(katalogas_ / "no-folder" / "a.dic", naujas_), FailasNerastas);
  EXPECT_THROW(IssaugotiZodyna(katalogas_ / "main.zod" / "a.dic", naujas_), FailoKlaida)
      << "a file is no folder";
  fs::create_directory(katalogas_ / "dir.dic");
  EXPECT_THROW(IssaugotiZodyna(katalogas_ / "dir.dic", naujas_), FailoKlaida);
  EXPECT_TRUE(fs::is_directory(katalogas_ / "dir.dic"));
  fs::remove(katalogas_ / "dir.dic");
  TikrintiSenaNepaliesta();
}

TEST(ZodynoFailai, SavingThroughASymbolicLinkKeepsTheLink) {
  LaikinasKatalogas katalogas;
  IssaugotiZodyna(katalogas / "real.dic", ZodynoSarasas());
  fs::create_symlink(katalogas / "real.dic", katalogas / "link.dic");
  IssaugotiZodyna(katalogas / "link.dic", KeistiIrasai());
  EXPECT_TRUE(fs::is_symlink(katalogas / "link.dic"));
  EXPECT_EQ(fs::file_size(katalogas / "real.dic"), 3 * ZodynoIrasas::Dydis);
}

TEST(ZodynoFailai, MainDictionaryLivesInTheProgramFolderWhateverTheCurrentFolder) {
  LaikinasKatalogas katalogas;
  const fs::path pradinis = fs::current_path();
  ZodynuRinkinys zodynai;
  zodynai.ProgramosKatalogas = katalogas.Kelias();
  EXPECT_THROW(IkeltiPagrindiniZodyna(zodynai), FailasNerastas);
  EXPECT_TRUE(zodynai.PagrindinisZodynas.Tuscias());

  zodynai.PagrindinisZodynas.Prideti(Irasas(1, "cat"));
  IssaugotiPagrindiniZodyna(zodynai);
  EXPECT_TRUE(fs::exists(katalogas / PagrindinioZodynoFailas));

  ZodynuRinkinys kiti;
  kiti.ProgramosKatalogas = katalogas.Kelias();
  IkeltiPagrindiniZodyna(kiti);
  EXPECT_EQ(Irasai(kiti.PagrindinisZodynas), Irasai(zodynai.PagrindinisZodynas));
  EXPECT_EQ(fs::current_path(), pradinis);
}

TEST(FailoKlaida, SystemErrorsBecomeTheUsersMessages) {
  const auto zinute = [](int kodas) {
    try {
      MestiFailoKlaida(kodas);
    } catch (const FailoKlaida& klaida) {
      return std::string(klaida.what());
    }
    return std::string();
  };
  EXPECT_EQ(zinute(ENOENT), "File not found");
  EXPECT_EQ(zinute(EACCES), "File access denied");
  EXPECT_EQ(zinute(ENOSPC), "Disk full");
  EXPECT_EQ(zinute(EIO), "I/O error " + std::to_string(EIO));
}

}  // namespace
}  // namespace kervosta
