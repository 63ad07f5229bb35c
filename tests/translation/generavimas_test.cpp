#include "translation/generavimas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "analysis/grupavimas.h"
#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

// Whole sentences are in the sentence tests; here the words no sentence of the test dictionary
// produces.
class Generavimas : public ::testing::Test {
 protected:
  TZodis& Prideti(std::uint8_t dalis, std::string_view liet, std::string_view angl) {
    TZodis z;
    z.KalbosDalis = dalis;
    z.Liet = std::string(liet);
    z.Irasas = testai::TestoIrasas(aplinka, angl);
    return sakinys.Zodziai[sakinys.Zodziai.Prideti(std::move(z))];
  }

  // "seen" as a passive past participle, governing no case.
  void PridetiMatyta(std::uint8_t gimine) {
    TZodis& z = Prideti(dVeiksmazodis, "matyti", "see");
    z.Linksnis = BeLinksnio;
    z.Gimine = gimine;
    z.Laikas = zlkButasisKartinis;
    z.AnglForma = afDalyvis;
    z.Veikiamoji = 0;
  }

  // The generated texts joined by '|'.
  std::string Generuoti() {
    GeneruotiSakini(aplinka, sakinys);
    std::string r;
    for (int i = 0; i < sakinys.Kiekis(); ++i) r += (i ? "|" : "") + sakinys.Zodziai[i].Liet;
    return r;
  }

  Aplinka aplinka = testai::NaujaTestoAplinka();
  TSakinys sakinys;
};

// A built-in number naming no record leaves the entry's form; an unknown degree and a numeral of
// no gender keep the looked-up text, and the numeral's case does not reach the passive after it.
TEST_F(Generavimas, BuiltInRecordWinsOnlyWhenItsNumberNamesOneAndOddValuesKeepTheText) {
  for (int nr : {3, 40, -1}) {
    TZodis& z = Prideti(dVeiksmazodis, "matyti", "see");
    z.Vidinis = 1;
    z.Nr = nr;
    z.Laikas = zlkEsamasis;
  }
  Prideti(dBudvardis, "didelis", "big").Laipsnis = lpAuksciausiasis + 1;
  TZodis& skaitvardis = Prideti(dSkaitvardis, "du", "two");
  skaitvardis.Angl = "two";
  skaitvardis.Linksnis = zlKilmininkas;
  PridetiMatyta(zgNenurodyta);
  EXPECT_EQ(Generuoti(), "yra|mato|mato|didelis|du|matytas");
}

// A passive verb governs no case: its participle takes the case of the word before it, and
// starts from the nominative singular when it opens the sentence.
TEST_F(Generavimas, PassiveParticipleCarriesTheCaseOfAnEarlierWord) {
  const char* tiketina[] = {"knyga|matyta", "knygos|matytos", "matyta"};
  const std::uint8_t linksniai[] = {0, 1, 2};
  for (std::uint8_t linksnis : linksniai) {
    sakinys.Zodziai.Isvalyti();
    if (linksnis < 2) Prideti(dDaiktavardis, "knyga", "book").Linksnis = linksnis;
    PridetiMatyta(zgMoteriska);
    EXPECT_EQ(Generuoti(), tiketina[linksnis]);
  }
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
    for (int i = static_cast<int>(atsitiktinis() % 9); i > 0; --i) {
      TZodis z;
      z.Angl = angl[atsitiktinis() % std::size(angl)]; z.Liet = "x";
      z.KalbosDalis = static_cast<std::uint8_t>(atsitiktinis() % 16);
      z.Linksnis = baitas(); z.Gimine = baitas(); z.Skaicius = baitas(); z.Laipsnis = baitas();
      z.Laikas = baitas(); z.Nuosaka = baitas(); z.Asmuo = baitas(); z.AnglForma = baitas() % 7;
      z.Teigiamas = baitas() % 2; z.Veikiamoji = baitas() % 2; z.Vidinis = baitas() % 2;
      z.Nr = static_cast<int>(atsitiktinis() % 24) - 6;
      const auto irasas = atsitiktinis() % 3;
      const auto bet = [&] {
        return aplinka.Zodynai.PagrindinisZodynas.Rasti(1 + static_cast<int>(atsitiktinis() % 19));
      };
      z.Irasas = irasas == 0 ? nullptr : irasas == 1 ? blogas : bet();
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
