#include "analysis/zodzio_paieska.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/cp1257.h"
#include "tests/analysis/paieska_irasai.h"

namespace kervosta {
namespace {

using namespace literals;
using namespace bandymai;

// Text, part of speech, case, number, gender, degree, tense, English form, person, Nr, voice.
std::string Santrauka(const TZodis& z) {
  std::string s = z.Liet;
  for (const int v : {int{z.KalbosDalis}, int{z.Linksnis}, int{z.Skaicius}, int{z.Gimine},
                      int{z.Laipsnis}, int{z.Laikas}, int{z.AnglForma}, int{z.Asmuo}, z.Nr,
                      int{z.Veikiamoji}})
    s += " " + std::to_string(v);
  return s;
}

std::string Vidinis(const ZodynuRinkinys& zodynai, std::string_view zodis) {
  TZodis tikslas;
  return AtpazintiVidini(zodynai, zodis, tikslas) ? Santrauka(tikslas) : "-";
}

TEST(AtpazintiVidini, LaterMatchesOverwriteEarlierOnes) {
  const ZodynuRinkinys zodynai = ParuostiZodynus();
  // "been" and "being" belong to entries 1, 2 and 3, "was" to 1 and 3: the last entry wins.
  // "had" is entry 6's past and past participle: the participle wins, in the active voice.
  EXPECT_EQ(Vidinis(zodynai, "been"), "yra 2 0 0 0 0 3 4 3 3 1");
  EXPECT_EQ(Vidinis(zodynai, "being"), "yra 2 0 0 0 0 2 5 3 3 1");
  EXPECT_EQ(Vidinis(zodynai, "was"), "yra 2 0 0 0 0 3 3 3 3 1");
  EXPECT_EQ(Vidinis(zodynai, "had"), "turi 2 3 0 0 0 3 4 3 6 1");
  EXPECT_EQ(Vidinis(zodynai, "are"), "yra 2 0 0 0 0 2 2 6 2 1");
  EXPECT_EQ(Vidinis(zodynai, "am"), "esu 2 0 0 0 0 2 2 1 1 1");
  EXPECT_EQ(Vidinis(zodynai, "can"), "gali 2 7 0 0 0 2 2 3 4 1");
  for (std::string_view will : {"Will", "WILL", "will"})
    EXPECT_EQ(Vidinis(zodynai, will), " 5 0 0 0 0 1 0 3 0 1");
  EXPECT_EQ(Vidinis(zodynai, "not"), " 5 0 0 0 0 1 0 3 0 1");
  EXPECT_EQ(Vidinis(zodynai, "might"), "galėtų 5 0 0 0 0 1 0 3 0 1"_lt);
  EXPECT_EQ(Vidinis(zodynai, "They"), "jie 13 0 1 1 0 2 0 6 7 1");
  EXPECT_EQ(Vidinis(zodynai, "her"), "jos 14 3 0 2 0 2 0 3 4 1");
  EXPECT_EQ(Vidinis(zodynai, "boy"), "-");
  EXPECT_EQ(Vidinis(zodynai, ""), "-");
}

class ZodynoPaieska : public ::testing::Test {
 protected:
  ZodynuRinkinys zodynai = ParuostiZodynus();

  void Prideti(const ZodynoIrasas& irasas) { zodynai.PagrindinisZodynas.Prideti(irasas); }

  std::vector<std::string> Ieskoti(std::string_view zodis) {
    TZodziuList kandidatai;
    IeskotiZodyne(zodynai, zodis, kandidatai);
    std::vector<std::string> santraukos;
    for (int i = 0; i < kandidatai.Kiekis(); ++i) santraukos.push_back(Santrauka(kandidatai[i]));
    return santraukos;
  }
};

// Expected candidate summaries, in order.
struct V : std::vector<std::string> {
  V(std::initializer_list<std::string_view> eilutes)
      : std::vector<std::string>(eilutes.begin(), eilutes.end()) {}
};

TEST_F(ZodynoPaieska, NounsByNumberRestrictionAndCapitalisation) {
  Prideti(Daiktavardis("boy", "boys", "berniuk", 0));
  Prideti(Irasas(1, {"scissors", "scissors", "scissors"}, "žirkl"_lt, 8, 1, 2));
  ZodynoIrasas london = Daiktavardis("london", "london", "London", 0, 2);
  london.NustatytiSkaiciu(SkaiciausLaukas::Pozymis, 1);
  Prideti(london);
  Prideti(Daiktavardis("Paris", "Paris", "Paryži"_lt, 1));
  EXPECT_EQ(Ieskoti("boy'"), V{});  // two characters off leaves "bo"
  // A plural-only noun matches once as its headword, and once more as a plural possessive.
  EXPECT_EQ(Ieskoti("scissors"), V{"žirklės 0 0 1 2 0 1 0 3 0 1"_lt});
  EXPECT_EQ(Ieskoti("scissors'"), V{"žirklės 0 1 1 2 0 1 0 3 0 1"_lt});
  TZodziuList kandidatai;
  IeskotiZodyne(zodynai, "London", kandidatai);
  ASSERT_EQ(kandidatai.Kiekis(), 1);
  EXPECT_EQ(kandidatai[0].Tikrinis, 1);
  EXPECT_EQ(kandidatai[0].Irasas, zodynai.PagrindinisZodynas.Rasti(3));
  // A headword stored with a capital is never found: the looked-up word is lower-cased.
  EXPECT_EQ(Ieskoti("Paris"), V{});
}

TEST_F(ZodynoPaieska, EveryEqualVerbFormIsAHit) {
  Prideti(Veiksmazodis({"put", "puts", "put", "put", "putting"}, "kiš"_lt, 4));
  EXPECT_EQ(Ieskoti("put"), (V{"kišti 2 3 0 0 0 2 2 3 0 1"_lt, "kišo 2 3 0 0 0 3 3 3 0 1"_lt,
                               "kištas 2 3 0 0 0 3 4 3 0 0"_lt}));
  Prideti(Veiksmazodis({"work", "work", "work", "work", "work"}, "dirb"));
  EXPECT_EQ(Ieskoti("work"),
            (V{"dirbti 2 7 0 0 0 2 2 3 0 1", "dirba 2 7 0 0 0 2 2 3 0 1", "dirbo 2 7 0 0 0 3 3 3 0 1",
               "dirbtas 2 7 0 0 0 3 4 3 0 0", "dirba 2 7 0 0 0 2 5 3 0 1"}));
}

TEST_F(ZodynoPaieska, AdjectivesPronounsNumeralsAndOtherWords) {
  Prideti(Irasas(5, {"good", "good", "better", "best"}, "ger"));
  Prideti(Irasas(5, {"tall", "taller", "x", "y"}, "aukšt"_lt));
  Prideti(Irasas(2, {"this"}, "š"_lt, 1, 0, 1));
  Prideti(Irasas(2, {"something"}, "kažkas"_lt, -1, 0, 0));  // not declinable
  Prideti(Irasas(13, {"five", "fives", "5"}, "penk", 1, 1));
  Prideti(Irasas(13, {"7", "", "7"}, "septyn", 1, 1));
  Prideti(KitasZodis(8, "without", "be", 2));
  Prideti(KitasZodis(15, "whom", "ką"_lt, 9));
  EXPECT_EQ(Ieskoti("best"), V{"geriausias 4 0 0 0 2 1 0 3 0 1"});
  EXPECT_EQ(Ieskoti("taller"), V{});  // the second adjective form is never compared
  EXPECT_EQ(Ieskoti("this"), V{"šis 1 0 0 0 0 1 0 3 0 1"_lt});
  EXPECT_EQ(Ieskoti("something"), V{"kažkas 1 0 0 0 0 1 0 3 0 1"_lt});
  EXPECT_EQ(Ieskoti("fives"), V{"penki 12 0 1 0 0 1 0 3 0 1"});
  EXPECT_EQ(Ieskoti("5"), V{"5 12 0 1 0 0 1 0 3 0 1"});
  EXPECT_EQ(Ieskoti("7"), V{"septyni 12 0 0 0 0 1 0 3 0 1"});  // only the first match counts
  EXPECT_EQ(Ieskoti("without"), V{"be 7 1 0 0 0 1 0 3 0 1"});
  EXPECT_EQ(Ieskoti("whom"), V{"ką 14 0 0 0 0 1 0 3 0 1"_lt});
}

TEST_F(ZodynoPaieska, MainDictionaryComesBeforeTheUserDictionary) {
  zodynai.VartotojoZodynas.Prideti(KitasZodis(4, "fast", "sparčiai"_lt));
  Prideti(KitasZodis(4, "fast", "greitai"));
  Prideti(Irasas(5, {"fast", "fast", "faster", "fastest"}, "greit"));
  EXPECT_EQ(Ieskoti("fast"), (V{"greitai 3 0 0 0 0 1 0 3 0 1", "greitas 4 0 0 0 0 1 0 3 0 1",
                                "sparčiai 3 0 0 0 0 1 0 3 0 1"_lt}));
  EXPECT_EQ(Ieskoti("slow"), V{});
}

TEST_F(ZodynoPaieska, DamagedParadigmsGiveEmptyTexts) {
  Prideti(Daiktavardis("cat", "cats", "kat", 4000));
  ZodynoIrasas verb = Veiksmazodis({"go", "goes", "went", "gone", "going"}, "ei");
  verb.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, -7);
  Prideti(verb);
  EXPECT_EQ(Ieskoti("cats"), V{" 0 0 1 1 0 1 0 3 0 1"});
  EXPECT_EQ(Ieskoti("goes"), V{" 2 7 0 0 0 2 2 3 0 1"});
}

}  // namespace
}  // namespace kervosta
