#include "translation/generavimas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "analysis/grupavimas.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta {
namespace {

using namespace literals;

class Generavimas : public ::testing::Test {
 protected:
  Generavimas() {
    UzpildytiVidiniusIrasus(aplinka.Zodynai);
    SkaitytiZodynoTeksta(
        "pos=1\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
        "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\t"
        "fut=maty\tp1=3\tp2=1\tp3=0\tq=4\n"
        "pos=5\ten=good|good|better|best\tlt=geras\tstem=ger\tp1=0\tp2=0\n"
        "pos=13\ten=twelve||12\tlt=dvylika\tstem=dvylik\tp1=0\tp2=0\n",
        aplinka.Zodynai.PagrindinisZodynas);
  }

  ZodynoMazgas* Mazgas(int nr) { return aplinka.Zodynai.PagrindinisZodynas.Rasti(nr); }

  TZodis& Prideti(std::uint8_t dalis, std::string_view liet, ZodynoMazgas* irasas = nullptr) {
    TZodis z;
    z.KalbosDalis = dalis;
    z.Liet = std::string(liet);
    z.Irasas = irasas;
    return sakinys.Zodziai[sakinys.Zodziai.Prideti(std::move(z))];
  }

  std::string Liet(int i) { return sakinys.Zodziai[i].Liet; }

  Aplinka aplinka;
  TSakinys sakinys;
};

// Nouns, negated verbs and built-in words in whole sentences are in the sentence tests.
TEST_F(Generavimas, WordsWithoutAnEntryKeepTheirTextAndNegationIsJoined) {
  TZodis& namas = Prideti(dDaiktavardis, "namas"_lt);
  namas.Linksnis = 1;
  TZodis& eina = Prideti(dVeiksmazodis, "eina"_lt);
  eina.Teigiamas = 0;
  Prideti(dVeiksmazodis, "eina"_lt);
  GeneruotiSakini(aplinka, sakinys);
  EXPECT_EQ(Liet(0), "namas"_lt);
  EXPECT_EQ(Liet(1), "neeina"_lt);
  EXPECT_EQ(Liet(2), "eina"_lt);
}

TEST_F(Generavimas, BuiltInVerbRecordWinsOverTheEntry) {
  TZodis& yra = Prideti(dVeiksmazodis, "matyti"_lt, Mazgas(2));
  yra.Vidinis = 1;
  yra.Nr = 3;
  yra.Laikas = 2;
  TZodis& buvo = Prideti(dVeiksmazodis, "būti"_lt);
  buvo.Vidinis = 1;
  buvo.Nr = 2;
  buvo.Laikas = 3;
  TZodis& sugadintas = Prideti(dVeiksmazodis, "daro"_lt);  // no such built-in record
  sugadintas.Vidinis = 1;
  sugadintas.Nr = 40;
  GeneruotiSakini(aplinka, sakinys);
  EXPECT_EQ(Liet(0), "yra"_lt);
  EXPECT_EQ(Liet(1), "buvo"_lt);
  EXPECT_EQ(Liet(2), "daro"_lt);
}

TEST_F(Generavimas, PersonalPronounRowSevenTakesTheFeminineRow) {
  for (std::uint8_t gimine : {1, 2}) {
    TZodis& z = Prideti(dAsmKitas, "jiems"_lt);
    z.Vidinis = 1;
    z.Nr = 7;
    z.Linksnis = 3;
    z.Gimine = gimine;
  }
  GeneruotiSakini(aplinka, sakinys);
  EXPECT_EQ(Liet(0), "juos"_lt);
  EXPECT_EQ(Liet(1), "jas"_lt);
}

TEST_F(Generavimas, NumeralsInDigitsOrWithoutGenderKeepTheirText) {
  TZodis& skaitmenys = Prideti(dSkaitvardis, "12", Mazgas(4));
  skaitmenys.Angl = "12";
  skaitmenys.Gimine = 1;
  skaitmenys.Linksnis = 1;
  TZodis& begimines = Prideti(dSkaitvardis, "dvylika", Mazgas(4));
  begimines.Angl = "twelve";
  begimines.Linksnis = 1;
  GeneruotiSakini(aplinka, sakinys);
  EXPECT_EQ(Liet(0), "12");
  EXPECT_EQ(Liet(1), "dvylika");
}

TEST_F(Generavimas, AdjectivesAgreeAndAnUnknownDegreeKeepsTheText) {
  TZodis& gera = Prideti(dBudvardis, "geras", Mazgas(3));
  gera.Gimine = 2;
  gera.Linksnis = 1;
  TZodis& keistas = Prideti(dBudvardis, "geras", Mazgas(3));
  keistas.Laipsnis = 3;
  GeneruotiSakini(aplinka, sakinys);
  EXPECT_EQ(Liet(0), "geros");
  EXPECT_EQ(Liet(1), "geras");
}

// A passive verb governs no case; its participle takes the case of the word before it.
TEST_F(Generavimas, PassiveParticipleCarriesTheCaseOfAnEarlierWord) {
  for (std::uint8_t linksnis : {0, 1}) {
    sakinys.Zodziai.Isvalyti();
    TZodis& knyga = Prideti(dDaiktavardis, "knyga"_lt, Mazgas(1));
    knyga.Linksnis = linksnis;
    knyga.Gimine = 2;
    TZodis& matyta = Prideti(dVeiksmazodis, "matyti"_lt, Mazgas(2));
    matyta.Linksnis = BeLinksnio;
    matyta.Gimine = 2;
    matyta.Laikas = 3;
    matyta.AnglForma = 4;
    matyta.Veikiamoji = 0;
    GeneruotiSakini(aplinka, sakinys);
    EXPECT_EQ(Liet(1), linksnis == 0 ? "matyta"_lt : "matytos"_lt);
  }
  // With no earlier word the participle starts from the nominative singular.
  sakinys.Zodziai.Pasalinti(0);
  sakinys.Zodziai[0].Liet = std::string("matyti"_lt);
  GeneruotiSakini(aplinka, sakinys);
  EXPECT_EQ(Liet(0), "matyta"_lt);
}

TEST_F(Generavimas, OtherWordsStayAsLookedUp) {
  for (std::uint8_t dalis : {dPrieveiksmis, dPrielinksnis, dJungtukas, dSkyriklis, dNezinoma,
                             dDeterminantas, dPagalbinis, dDalyvis}) {
    TZodis& z = Prideti(dalis, "tekstas", Mazgas(1));
    z.Teigiamas = 0;
    z.Linksnis = 1;
  }
  GeneruotiSakini(aplinka, sakinys);
  for (int i = 0; i < sakinys.Kiekis(); ++i) EXPECT_EQ(Liet(i), "tekstas") << i;
  TSakinys tuscias;
  GeneruotiSakini(aplinka, tuscias);
  EXPECT_EQ(tuscias.Kiekis(), 0);
}

// Words come with whatever features a damaged dictionary or an odd sentence gives them: every
// mix must analyse and generate without a fault (the sanitizer build checks the reads).
TEST_F(Generavimas, AnyWordsAndFeaturesAnalyseAndGenerateWithoutFault) {
  ZodynoIrasas sugadintas;
  for (auto laukas : {SkaiciausLaukas::Paradigma1, SkaiciausLaukas::Paradigma2,
                      SkaiciausLaukas::Paradigma3, SkaiciausLaukas::Kategorija})
    sugadintas.NustatytiSkaiciu(laukas, 1000);
  ZodynoMazgas* blogas = aplinka.Zodynai.VartotojoZodynas.Prideti(sugadintas);
  const char* angl[] = {"not", "to", "be", "been", "being", "is", "was", "have", "had", "do",
                        "did", "will", "would", "won't", "didn't", "you", "they", "x"};
  std::mt19937 atsitiktinis(1257);
  const auto baitas = [&] { return static_cast<std::uint8_t>(atsitiktinis() % 256); };
  for (int bandymas = 0; bandymas < 300; ++bandymas) {
    TSakinys saltinis;
    const int kiek = static_cast<int>(atsitiktinis() % 9);
    for (int i = 0; i < kiek; ++i) {
      TZodis z;
      z.Angl = angl[atsitiktinis() % std::size(angl)];
      z.Liet = "x";
      z.KalbosDalis = static_cast<std::uint8_t>(atsitiktinis() % 16);
      z.Linksnis = baitas(); z.Gimine = baitas(); z.Skaicius = baitas(); z.Laipsnis = baitas();
      z.Laikas = baitas(); z.Nuosaka = baitas(); z.Asmuo = baitas(); z.AnglForma = baitas() % 7;
      z.Teigiamas = baitas() % 2; z.Veikiamoji = baitas() % 2; z.Vidinis = baitas() % 2;
      z.Nr = static_cast<int>(atsitiktinis() % 24) - 6;
      const unsigned irasas = atsitiktinis() % 3;
      z.Irasas = irasas == 0 ? nullptr : irasas == 1 ? blogas : Mazgas(1 + atsitiktinis() % 4);
      saltinis.Zodziai.Prideti(z);
    }
    aplinka.GramatineAnalize = static_cast<std::uint8_t>(bandymas % 2);
    TSakinys vertinys;
    AnalizuotiSakini(aplinka, saltinis, vertinys);
    ASSERT_EQ(vertinys.Kiekis(), saltinis.Kiekis());
    GeneruotiSakini(aplinka, vertinys);
    ASSERT_EQ(vertinys.Kiekis(), saltinis.Kiekis());
  }
}

}  // namespace
}  // namespace kervosta
