#include "analysis/zodzio_paieska.h"

#include <gtest/gtest.h>

#include "core/cp1257.h"
#include "tests/analysis/paieska_irasai.h"

namespace kervosta {
namespace {

using namespace literals;
using namespace bandymai;

TZodis Atpazinti(const ZodynuRinkinys& zodynai, std::string_view zodis) {
  TZodis tikslas;
  EXPECT_TRUE(AtpazintiVidini(zodynai, zodis, tikslas)) << zodis;
  return tikslas;
}

TEST(AtpazintiVidini, ModalsAreFoundInAnyLetterCase) {
  const ZodynuRinkinys zodynai = ParuostiZodynus();
  for (std::string_view zodis : {"Will", "WILL", "will"}) {
    const TZodis will = Atpazinti(zodynai, zodis);
    EXPECT_EQ(will.KalbosDalis, dPagalbinis);
    EXPECT_EQ(will.Vidinis, 1);
    EXPECT_EQ(will.Liet, "");
  }
  const TZodis nott = Atpazinti(zodynai, "not");
  EXPECT_EQ(nott.KalbosDalis, dPagalbinis);
  EXPECT_EQ(nott.Liet, "");
  EXPECT_EQ(Atpazinti(zodynai, "might").Liet, "galėtų"_lt);
}

TEST(AtpazintiVidini, LaterBuiltInVerbMatchesOverwriteEarlierOnes) {
  const ZodynuRinkinys zodynai = ParuostiZodynus();
  // "been" and "being" are forms of entries 1, 2 and 3; the last one wins.
  const TZodis been = Atpazinti(zodynai, "been");
  EXPECT_EQ(been.Nr, 3);
  EXPECT_EQ(been.AnglForma, 4);
  EXPECT_EQ(been.Laikas, 3);
  EXPECT_EQ(been.Veikiamoji, 1);
  EXPECT_EQ(been.Asmuo, 3);
  EXPECT_EQ(been.Liet, "yra");
  EXPECT_EQ(been.Liet2, "bū"_lt);
  EXPECT_EQ(been.Linksnis, 0);  // "kas?"
  EXPECT_EQ(Atpazinti(zodynai, "being").Nr, 3);
  EXPECT_EQ(Atpazinti(zodynai, "being").Laikas, 2);
  // "had" is both the past and the past participle of entry 6.
  const TZodis had = Atpazinti(zodynai, "had");
  EXPECT_EQ(had.Nr, 6);
  EXPECT_EQ(had.AnglForma, 4);
  EXPECT_EQ(had.Linksnis, 3);  // "ką?"
  // "was" is entry 1's and entry 3's past: entry 3, third person.
  EXPECT_EQ(Atpazinti(zodynai, "was").Nr, 3);
  EXPECT_EQ(Atpazinti(zodynai, "was").Asmuo, 3);
  EXPECT_EQ(Atpazinti(zodynai, "are").Nr, 2);
  EXPECT_EQ(Atpazinti(zodynai, "are").Asmuo, 6);
  EXPECT_EQ(Atpazinti(zodynai, "am").Asmuo, 1);
  EXPECT_EQ(Atpazinti(zodynai, "can").Linksnis, BeLinksnio);
  EXPECT_EQ(Atpazinti(zodynai, "could").Laikas, 3);
}

TEST(AtpazintiVidini, PersonalPronounsCarryTheirRow) {
  const ZodynuRinkinys zodynai = ParuostiZodynus();
  const TZodis they = Atpazinti(zodynai, "They");
  EXPECT_EQ(they.Nr, 7);
  EXPECT_EQ(they.KalbosDalis, dAsmVardininkas);
  EXPECT_EQ(they.Liet, "jie");
  EXPECT_EQ(they.Liet2, "jie");
  EXPECT_EQ(they.Asmuo, 6);
  EXPECT_EQ(they.Skaicius, 1);
  EXPECT_EQ(they.Gimine, 1);
  EXPECT_EQ(they.Laikas, 2);
  const TZodis her = Atpazinti(zodynai, "her");
  EXPECT_EQ(her.KalbosDalis, dAsmKitas);
  EXPECT_EQ(her.Linksnis, 3);
  EXPECT_EQ(her.Gimine, 2);
  EXPECT_EQ(Atpazinti(zodynai, "i").Liet, "aš"_lt);
}

TEST(AtpazintiVidini, AnUnknownWordLeavesTheTargetAlone) {
  const ZodynuRinkinys zodynai = ParuostiZodynus();
  TZodis tikslas;
  tikslas.Liet = "x";
  EXPECT_FALSE(AtpazintiVidini(zodynai, "boy", tikslas));
  EXPECT_FALSE(AtpazintiVidini(zodynai, "", tikslas));
  EXPECT_EQ(tikslas.Liet, "x");
  EXPECT_EQ(tikslas.Vidinis, 0);
}

TEST(AnglMazosiomis, MapsOnlyAsciiCapitals) {
  for (int b = 0; b < 256; ++b) {
    const std::string baitas(1, static_cast<char>(b));
    const bool didzioji = b >= 'A' && b <= 'Z';
    EXPECT_EQ(AnglMazosiomis(baitas), didzioji ? std::string(1, static_cast<char>(b + 32)) : baitas)
        << b;
  }
}

class ZodynoPaieska : public ::testing::Test {
 protected:
  ZodynuRinkinys zodynai = ParuostiZodynus();
  TZodziuList kandidatai;

  int Ieskoti(std::string_view zodis) {
    kandidatai.Isvalyti();
    IeskotiZodyne(zodynai, zodis, kandidatai);
    return kandidatai.Kiekis();
  }
};

TEST_F(ZodynoPaieska, PossessivesOfANoun) {
  ZodynoMazgas* boy = zodynai.PagrindinisZodynas.Prideti(Daiktavardis("boy", "boys", "berniuk", 0));

  ASSERT_EQ(Ieskoti("boy's"), 1);
  EXPECT_EQ(kandidatai[0].Linksnis, 1);
  EXPECT_EQ(kandidatai[0].Skaicius, 0);
  EXPECT_EQ(kandidatai[0].Liet, "berniukas");

  // "boys'" matches the headword without its last two characters and the plural without its
  // apostrophe.
  ASSERT_EQ(Ieskoti("boys'"), 2);
  EXPECT_EQ(kandidatai[0].Linksnis, 1);
  EXPECT_EQ(kandidatai[0].Skaicius, 0);
  EXPECT_EQ(kandidatai[0].Liet, "berniukas");
  EXPECT_EQ(kandidatai[1].Linksnis, 1);
  EXPECT_EQ(kandidatai[1].Skaicius, 1);
  EXPECT_EQ(kandidatai[1].Liet, "berniukai");

  ASSERT_EQ(Ieskoti("boys"), 1);
  EXPECT_EQ(kandidatai[0].Linksnis, 0);
  EXPECT_EQ(kandidatai[0].Skaicius, 1);
  EXPECT_EQ(kandidatai[0].Liet, "berniukai");

  ASSERT_EQ(Ieskoti("Boy"), 1);
  const TZodis& k = kandidatai[0];
  EXPECT_EQ(k.Angl, "boy");
  EXPECT_EQ(k.Liet, "berniukas");
  EXPECT_EQ(k.Liet2, "berniuk");
  EXPECT_EQ(k.KalbosDalis, dDaiktavardis);
  EXPECT_EQ(k.Gimine, 1);
  EXPECT_EQ(k.Tikrinis, 0);
  EXPECT_EQ(k.Irasas, boy);

  EXPECT_EQ(Ieskoti("boy'"), 0);  // two characters off leaves "bo"
}

TEST_F(ZodynoPaieska, NumberRestrictionsGenderAndProperNouns) {
  zodynai.PagrindinisZodynas.Prideti(
      Irasas(1, {"scissors", "scissors", "scissors"}, "žirkl"_lt, 8, 1, 2));
  ZodynoIrasas london = Daiktavardis("london", "london", "London", 0, 2);
  london.NustatytiSkaiciu(SkaiciausLaukas::Pozymis, 1);
  london.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, 1);
  zodynai.PagrindinisZodynas.Prideti(london);
  zodynai.PagrindinisZodynas.Prideti(Daiktavardis("Paris", "Paris", "Paryži"_lt, 1));

  // A plural-only noun matches once, as its headword, in the plural.
  ASSERT_EQ(Ieskoti("scissors"), 1);
  EXPECT_EQ(kandidatai[0].Skaicius, 1);
  EXPECT_EQ(kandidatai[0].Gimine, 2);
  EXPECT_EQ(kandidatai[0].Liet, "žirklės"_lt);
  ASSERT_EQ(Ieskoti("scissors'"), 1);  // only the plural possessive
  EXPECT_EQ(kandidatai[0].Skaicius, 1);

  ASSERT_EQ(Ieskoti("London"), 1);
  EXPECT_EQ(kandidatai[0].Tikrinis, 1);
  EXPECT_EQ(kandidatai[0].Gimine, 0);
  EXPECT_EQ(kandidatai[0].Skaicius, 0);
  // Headwords stored with a capital are never found: the looked-up word is lower-cased.
  EXPECT_EQ(Ieskoti("Paris"), 0);
}

TEST_F(ZodynoPaieska, EveryEqualVerbFormIsAHit) {
  zodynai.PagrindinisZodynas.Prideti(
      Veiksmazodis({"put", "puts", "put", "put", "putting"}, "dėl"_lt, 4));
  ASSERT_EQ(Ieskoti("put"), 3);
  EXPECT_EQ(kandidatai[0].AnglForma, 2);
  EXPECT_EQ(kandidatai[1].AnglForma, 3);
  EXPECT_EQ(kandidatai[2].AnglForma, 4);
  EXPECT_EQ(kandidatai[2].Veikiamoji, 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(kandidatai[i].KalbosDalis, dVeiksmazodis);
    EXPECT_EQ(kandidatai[i].Linksnis, 3);
    EXPECT_EQ(kandidatai[i].Asmuo, 3);
  }

  // Five equal forms give five hits, in form order, each with the text its form selects.
  zodynai.PagrindinisZodynas.Isvalyti();
  zodynai.PagrindinisZodynas.Prideti(Veiksmazodis({"work", "work", "work", "work", "work"}, "dirb"));
  ASSERT_EQ(Ieskoti("work"), 5);
  const std::uint8_t formos[] = {2, 2, 3, 4, 5};
  const std::uint8_t laikai[] = {2, 2, 3, 3, 2};
  const std::string_view tekstai[] = {"dirbti", "dirba", "dirbo", "dirbtas", "dirba"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(kandidatai[i].AnglForma, formos[i]) << i;
    EXPECT_EQ(kandidatai[i].Laikas, laikai[i]) << i;
    EXPECT_EQ(kandidatai[i].Liet, tekstai[i]) << i;
    EXPECT_EQ(kandidatai[i].Linksnis, BeLinksnio) << i;
  }
}

TEST_F(ZodynoPaieska, AdjectiveDegreesAndPronouns) {
  zodynai.PagrindinisZodynas.Prideti(Irasas(5, {"good", "good", "better", "best"}, "ger", 0, 0));
  zodynai.PagrindinisZodynas.Prideti(Irasas(5, {"tall", "taller", "x", "y"}, "aukšt"_lt));
  ASSERT_EQ(Ieskoti("better"), 1);
  EXPECT_EQ(kandidatai[0].Laipsnis, 1);
  EXPECT_EQ(kandidatai[0].Liet, "geresnis");
  ASSERT_EQ(Ieskoti("best"), 1);
  EXPECT_EQ(kandidatai[0].Liet, "geriausias");
  EXPECT_EQ(Ieskoti("taller"), 0);  // the second form is never compared

  zodynai.PagrindinisZodynas.Prideti(Irasas(2, {"this"}, "š"_lt, 1, 0, 1));  // declinable
  zodynai.PagrindinisZodynas.Prideti(Irasas(2, {"something"}, "kažkas"_lt, -1, 0, 0));
  ASSERT_EQ(Ieskoti("this"), 1);
  EXPECT_EQ(kandidatai[0].KalbosDalis, dIvardis);
  EXPECT_EQ(kandidatai[0].Liet, "šis"_lt);
  ASSERT_EQ(Ieskoti("something"), 1);
  EXPECT_EQ(kandidatai[0].Liet, "kažkas"_lt);
}

TEST_F(ZodynoPaieska, NumeralsTakeTheFirstMatchingForm) {
  ZodynoIrasas five = Irasas(13, {"five", "fives", "5"}, "penk", 1, 1);
  zodynai.PagrindinisZodynas.Prideti(five);
  // A numeral whose digits equal its word: only the singular hit counts.
  zodynai.PagrindinisZodynas.Prideti(Irasas(13, {"7", "", "7"}, "septyn", 1, 1));
  ASSERT_EQ(Ieskoti("five"), 1);
  EXPECT_EQ(kandidatai[0].Skaicius, 0);
  EXPECT_EQ(kandidatai[0].Liet, "penki");
  EXPECT_EQ(kandidatai[0].Nr, 0);
  ASSERT_EQ(Ieskoti("5"), 1);
  EXPECT_EQ(kandidatai[0].Liet, "5");
  EXPECT_EQ(kandidatai[0].Skaicius, 1);
  ASSERT_EQ(Ieskoti("fives"), 1);
  EXPECT_EQ(kandidatai[0].Skaicius, 1);
  ASSERT_EQ(Ieskoti("7"), 1);
  EXPECT_EQ(kandidatai[0].Skaicius, 0);

  ZodynoIrasas second = Irasas(13, {"second", "", "2nd"}, "antr", 0, 0);
  second.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, 1);
  zodynai.PagrindinisZodynas.Prideti(second);
  ASSERT_EQ(Ieskoti("second"), 1);
  EXPECT_EQ(kandidatai[0].Nr, 1);
  EXPECT_EQ(kandidatai[0].Liet, "antras");
}

TEST_F(ZodynoPaieska, OtherPartsOfSpeechKeepTheirWord) {
  zodynai.PagrindinisZodynas.Prideti(KitasZodis(8, "without", "be", 2));      // preposition
  zodynai.PagrindinisZodynas.Prideti(KitasZodis(15, "whom", "ką"_lt, 9));      // beyond the editor
  zodynai.PagrindinisZodynas.Prideti(KitasZodis(0, "zero", "nulis"));         // no code at all
  zodynai.PagrindinisZodynas.Prideti(KitasZodis(99, "odd", "keistas"));
  ASSERT_EQ(Ieskoti("without"), 1);
  EXPECT_EQ(kandidatai[0].KalbosDalis, dPrielinksnis);
  EXPECT_EQ(kandidatai[0].Linksnis, 1);
  EXPECT_EQ(kandidatai[0].Liet, "be");
  ASSERT_EQ(Ieskoti("whom"), 1);
  EXPECT_EQ(kandidatai[0].KalbosDalis, dAsmKitas);
  EXPECT_EQ(kandidatai[0].Linksnis, 0);
  ASSERT_EQ(Ieskoti("zero"), 1);
  EXPECT_EQ(kandidatai[0].KalbosDalis, dNezinoma);
  ASSERT_EQ(Ieskoti("odd"), 1);
  EXPECT_EQ(kandidatai[0].KalbosDalis, dNezinoma);
  EXPECT_EQ(kandidatai[0].Liet, "keistas");
}

TEST_F(ZodynoPaieska, MainDictionaryComesBeforeTheUserDictionary) {
  zodynai.VartotojoZodynas.Prideti(KitasZodis(4, "fast", "sparčiai"_lt));
  zodynai.PagrindinisZodynas.Prideti(KitasZodis(4, "fast", "greitai"));
  zodynai.PagrindinisZodynas.Prideti(Irasas(5, {"fast", "fast", "faster", "fastest"}, "greit"));
  ASSERT_EQ(Ieskoti("fast"), 3);
  EXPECT_EQ(kandidatai[0].Liet, "greitai");
  EXPECT_EQ(kandidatai[1].Liet, "greitas");
  EXPECT_EQ(kandidatai[2].Liet, "sparčiai"_lt);
  EXPECT_EQ(kandidatai[2].Irasas, zodynai.VartotojoZodynas.Galva());
  EXPECT_EQ(Ieskoti("slow"), 0);
}

TEST_F(ZodynoPaieska, DamagedEntriesGiveEmptyTextsNotCrashes) {
  zodynai.PagrindinisZodynas.Prideti(Daiktavardis("cat", "cats", "kat", 4000));
  ZodynoIrasas verb = Veiksmazodis({"go", "goes", "went", "gone", "going"}, "ei", 1);
  verb.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, -7);
  verb.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, 1 << 30);
  zodynai.PagrindinisZodynas.Prideti(verb);
  ASSERT_EQ(Ieskoti("cats"), 1);
  EXPECT_EQ(kandidatai[0].Liet, "");
  ASSERT_EQ(Ieskoti("goes"), 1);
  EXPECT_EQ(kandidatai[0].Liet, "");
  ASSERT_EQ(Ieskoti("go"), 1);
  EXPECT_EQ(kandidatai[0].Liet, "");
}

TEST(IeskotiZodyne, FillsTheCandidateListOfTheRun) {
  Aplinka aplinka;
  aplinka.Zodynai = ParuostiZodynus();
  aplinka.Zodynai.PagrindinisZodynas.Prideti(Daiktavardis("boy", "boys", "berniuk", 0));
  IeskotiZodyne(aplinka, "boys'");
  IeskotiZodyne(aplinka, "boy");
  EXPECT_EQ(aplinka.Variantai.Kiekis(), 3);  // appended: the caller clears
}

}  // namespace
}  // namespace kervosta
