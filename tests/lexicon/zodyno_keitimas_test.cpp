#include "lexicon/zodyno_keitimas.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "testai.h"

namespace kervosta {
namespace {

namespace fs = std::filesystem;
using namespace literals;
using testai::Irasas;

// Headword and Lithuanian word of every entry, head to tail.
std::vector<std::string> Zodziai(const ZodynoSarasas& sarasas) {
  std::vector<std::string> zodziai;
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) {
    const std::string liet = m->Duomenys.LietZodis();
    zodziai.push_back(m->Duomenys.Angl1() + (liet.empty() ? "" : "=" + liet));
  }
  return zodziai;
}

class ZodynoKeitimas : public ::testing::Test {
 protected:
  void SetUp() override {
    zodynai.ProgramosKatalogas =
        fs::temp_directory_path() / ("kervosta-keitimas-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(zodynai.ProgramosKatalogas);
  }
  void TearDown() override { fs::remove_all(zodynai.ProgramosKatalogas); }

  fs::path Kelias(const std::string& vardas) const { return zodynai.ProgramosKatalogas / vardas; }
  void Prideti(ZodynoSarasas& sarasas, std::initializer_list<const char*> zodziai) {
    for (const char* z : zodziai) {
      std::string angl = z, liet;
      if (auto lygu = angl.find('='); lygu != std::string::npos) {
        liet = angl.substr(lygu + 1);
        angl.resize(lygu);
      }
      sarasas.Prideti(Irasas(1, angl, liet));
    }
  }

  ZodynuRinkinys zodynai;
};

TEST_F(ZodynoKeitimas, SortingOrdersHeadwordsByBytesAndKeepsTheSensesOfOneHeadwordInOrder) {
  Prideti(zodynai.PagrindinisZodynas, {"b=1", "bank=krantas", "ab", "c", "bank=bankas", "b=2", "a"});
  const ZodynoMazgas* galva = zodynai.PagrindinisZodynas.Galva();
  RusiuotiZodyna(zodynai);
  // Automatic translation takes the last sense, so the order of equal headwords must survive.
  EXPECT_EQ(Zodziai(zodynai.PagrindinisZodynas),
            (std::vector<std::string>{"a", "ab", "b=1", "b=2", "bank=krantas", "bank=bankas", "c"}));
  EXPECT_EQ(zodynai.PagrindinisZodynas.Galva(), galva) << "records move, nodes stay";
  EXPECT_TRUE(zodynai.PagrindinisPakeistas);
  EXPECT_FALSE(zodynai.VartotojoPakeistas);

  // A letter above ASCII sorts after z in its code page; a sorted list stays as it is.
  zodynai.VartotojoRezimas = 1;
  zodynai.VartotojoZodynas.Prideti(Irasas(1, "ž"_lt));
  Prideti(zodynai.VartotojoZodynas, {"z", "a"});
  RusiuotiZodyna(zodynai);
  EXPECT_EQ(Zodziai(zodynai.VartotojoZodynas), (std::vector<std::string>{"a", "z", std::string("ž"_lt)}));
  zodynai.VartotojoPakeistas = false;
  RusiuotiZodyna(zodynai);
  EXPECT_FALSE(zodynai.VartotojoPakeistas) << "sorting a sorted list changes nothing";
}

TEST_F(ZodynoKeitimas, IncrementalSearchFindsTheFirstHeadwordInListOrderAppendedNodesIncluded) {
  ZodynoSarasas& sarasas = zodynai.PagrindinisZodynas;
  Prideti(sarasas, {"b", "abc", "ab"});
  sarasas.Numeruoti();
  Prideti(sarasas, {"zed"});  // linked after the numbering, so its Nr is 0
  EXPECT_EQ(sarasas.PirmasSuPradzia("ab"), 2);
  EXPECT_EQ(sarasas.PirmasSuPradzia("abc"), 2);
  EXPECT_EQ(sarasas.PirmasSuPradzia("z"), 4);
  EXPECT_EQ(sarasas.PirmasSuPradzia(""), 1);
  EXPECT_EQ(sarasas.PirmasSuPradzia("abcd"), 0);
}

TEST_F(ZodynoKeitimas, EveryChangeMarksTheSelectedListAndSavingOrLoadingClearsTheMark) {
  std::ofstream(Kelias(PagrindinioZodynoFailas));
  // A new main entry reaches the file at once, so the list does not differ from it.
  PridetiIrasa(zodynai, Irasas(1, "tree", "medis"));
  EXPECT_EQ(fs::file_size(Kelias(PagrindinioZodynoFailas)), ZodynoIrasas::Dydis);
  EXPECT_FALSE(zodynai.PagrindinisPakeistas);
  PakeistiIrasa(zodynai, *zodynai.PagrindinisZodynas.Galva(), Irasas(1, "tree", "medis"));
  EXPECT_FALSE(zodynai.PagrindinisPakeistas) << "the same record again is no change";
  PakeistiIrasa(zodynai, *zodynai.PagrindinisZodynas.Galva(), Irasas(1, "tree", "medelis"));
  EXPECT_TRUE(zodynai.PagrindinisPakeistas);
  IssaugotiPagrindiniZodyna(zodynai);
  EXPECT_FALSE(zodynai.PagrindinisPakeistas);
  TrintiIrasa(zodynai, zodynai.PagrindinisZodynas.Galva());
  EXPECT_TRUE(zodynai.PagrindinisZodynas.Tuscias());
  EXPECT_TRUE(zodynai.PagrindinisPakeistas);
  IkeltiPagrindiniZodyna(zodynai);
  EXPECT_EQ(Zodziai(zodynai.PagrindinisZodynas), (std::vector<std::string>{"tree=medelis"}));
  EXPECT_FALSE(zodynai.PagrindinisPakeistas);

  zodynai.VartotojoRezimas = 1;
  PridetiIrasa(zodynai, Irasas(1, "oak", "ąžuolas"_lt));
  EXPECT_TRUE(zodynai.VartotojoPakeistas);
  EXPECT_FALSE(zodynai.PagrindinisPakeistas);
  EXPECT_EQ(fs::file_size(Kelias(PagrindinioZodynoFailas)), ZodynoIrasas::Dydis);
}

TEST_F(ZodynoKeitimas, AMainEntryThatCannotReachItsFileIsNotAdded) {
  EXPECT_THROW(PridetiIrasa(zodynai, Irasas(1, "tree")), FailasNerastas);
  EXPECT_TRUE(zodynai.PagrindinisZodynas.Tuscias());
}

TEST_F(ZodynoKeitimas, UserDictionaryFilesAreRememberedAndABrokenFileCostsNothing) {
  zodynai.VartotojoRezimas = 1;
  Prideti(zodynai.VartotojoZodynas, {"oak", "elm"});
  // Saving into the program's own user dictionary creates its folder.
  const fs::path numatytas = NumatytasVartotojoZodynas(zodynai);
  EXPECT_EQ(numatytas, Kelias("Dictionaries/vartotojo.dic"));
  IssaugotiVartotojoZodyna(zodynai, numatytas);
  EXPECT_EQ(fs::file_size(numatytas), 2 * ZodynoIrasas::Dydis);
  EXPECT_EQ(zodynai.VartotojoZodynoFailas, numatytas);

  // Importing the same file twice doubles its entries.
  ImportuotiVartotojoZodyna(zodynai, numatytas);
  ImportuotiVartotojoZodyna(zodynai, numatytas);
  EXPECT_EQ(Zodziai(zodynai.VartotojoZodynas),
            (std::vector<std::string>{"oak", "elm", "oak", "elm", "oak", "elm"}));
  EXPECT_TRUE(zodynai.VartotojoPakeistas);

  // A file cut inside its second record leaves the list it was to replace untouched.
  fs::copy_file(numatytas, Kelias("cut.dic"));
  fs::resize_file(Kelias("cut.dic"), ZodynoIrasas::Dydis + 100);
  EXPECT_THROW(IkeltiVartotojoZodyna(zodynai, Kelias("cut.dic")), SkaitymasUzPabaigos);
  EXPECT_THROW(IkeltiVartotojoZodyna(zodynai, Kelias("none.dic")), FailasNerastas);
  EXPECT_EQ(zodynai.VartotojoZodynas.Kiekis(), 6);
  EXPECT_TRUE(zodynai.VartotojoPakeistas);
  EXPECT_EQ(zodynai.VartotojoZodynoFailas, numatytas);

  IkeltiVartotojoZodyna(zodynai, numatytas);
  EXPECT_EQ(Zodziai(zodynai.VartotojoZodynas), (std::vector<std::string>{"oak", "elm"}));
  EXPECT_EQ(zodynai.VartotojoZodynas.Uodega()->Nr, 2);
  EXPECT_FALSE(zodynai.VartotojoPakeistas);
}

TEST_F(ZodynoKeitimas, TheAnalogousEntryIsTheFirstEqualInEveryComparedField) {
  ZodynoSarasas& sarasas = zodynai.PagrindinisZodynas;
  Prideti(sarasas, {"bank=krantas", "bank=bankas", "bank=bankas"});
  EXPECT_EQ(RastiAnalogiska(sarasas, Irasas(1, "bank", "bankas")), sarasas.Rasti(2));
  EXPECT_EQ(RastiAnalogiska(sarasas, Irasas(1, "bank", "bankai")), nullptr);
  EXPECT_EQ(RastiAnalogiska(sarasas, Irasas(5, "bank", "bankas")), nullptr);
}

}  // namespace
}  // namespace kervosta
