// kervosta-cli translate: line counting, files, and text it cannot take as it is.
#include <utility>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Translate = Paleidimas;

TEST_F(Translate, PrintsOneLinePerInputLineAndOneForTextAfterTheLastSentence) {
  const std::pair<std::string, std::size_t> atvejai[] = {
      {"Hello. World.\nThis is\na test.\nno end\n", 5},
      {"Hello.\r\nno end\r\n", 3},
      {"no final line feed.", 1},
      {"", 0},
  };
  for (const auto& [ivestis, eiluciu] : atvejai) {
    const Rezultatas r = Paleisti("translate", ivestis);
    EXPECT_EQ(r.Busena, 0) << ivestis;
    EXPECT_EQ(Eiluciu(r.Isvestis), eiluciu) << ivestis;
    EXPECT_EQ(r.Klaidos, "") << ivestis;
  }
  // Each file is a text of its own: "no end" is not carried into the next file.
  Rasyti("a.txt", "no end\n");
  Rasyti("b.txt", "Done.\n");
  EXPECT_EQ(Eiluciu(Paleisti("translate a.txt --no-grammar b.txt").Isvestis), 3u);
}

// --informal says "tu" to the reader; --literal-choice takes the last candidate of every word.
TEST_F(Translate, FormOfAddressAndLiteralChoiceReachTheTranslation) {
  const std::pair<std::string, std::string> atvejai[] = {
      {"translate", "Eikite namo. \nMokytojas yra labai malonus. \n"},
      {"translate --informal", "Eik namo. \nMokytojas yra labai malonus. \n"},
      {"translate --literal-choice", "Eikite namai. \nMokytojas yra labai rūšis. \n"},
  };
  for (const auto& [komanda, isvestis] : atvejai)
    EXPECT_EQ(Paleisti(komanda, "Go home.\nThe teacher is very kind.\n").Isvestis, isvestis)
        << komanda;
}

TEST_F(Translate, UnmappableCharactersWarnOnceAndMalformedUtf8FailsNamingTheOffset) {
  // Windows-1257 holds é and € but not →, 😀 or ∞.
  const Rezultatas pakeisti = Paleisti("translate", "Café → 😀.\n€ ∞.\n");
  EXPECT_EQ(pakeisti.Busena, 0);
  EXPECT_EQ(Eiluciu(pakeisti.Isvestis), 2u);
  EXPECT_EQ(Eiluciu(pakeisti.Klaidos), 1u) << pakeisti.Klaidos;
  EXPECT_THAT(pakeisti.Klaidos, HasSubstr("warning: 3 character"));
  // A leading byte-order mark is dropped, neither warned about nor translated as '?'.
  const Rezultatas bom = Paleisti("translate", "\xEF\xBB\xBF\nOk.\n");
  EXPECT_EQ(bom.Klaidos, "");
  EXPECT_EQ(bom.Isvestis.find('?'), std::string::npos) << bom.Isvestis;

  // Nothing is printed, not even the translation of a good file before the bad one.
  Rasyti("good.txt", "Fine.\n");
  Rasyti("bad.txt", "\xFF");
  const std::pair<Rezultatas, std::string> blogi[] = {
      {Paleisti("translate", "ok\n\xC5\xBE \xC3(\n"), "byte offset 6"},
      {Paleisti("translate good.txt bad.txt"), "bad.txt: malformed UTF-8 at byte offset 0"}};
  for (const auto& [r, klaida] : blogi) {
    EXPECT_EQ(r.Busena, 2) << klaida;
    EXPECT_EQ(r.Isvestis, "") << klaida;
    EXPECT_THAT(r.Klaidos, HasSubstr(klaida));
  }
}

}  // namespace
}  // namespace kervosta::bandymai
