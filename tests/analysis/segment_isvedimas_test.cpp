#include "analysis/segment_isvedimas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;
using Eilutes = std::vector<std::string>;

TZodis Zodis(std::string_view liet, std::uint8_t tikrinis = 0) {
  TZodis z;
  z.Liet = liet;
  z.KalbosDalis = dDaiktavardis;
  z.Tikrinis = tikrinis;
  return z;
}

TZodis Skyriklis(std::string_view liet) {
  TZodis z;
  z.Liet = liet;
  z.KalbosDalis = dSkyriklis;
  return z;
}

TSakinys Sakinys(std::initializer_list<TZodis> zodziai) {
  TSakinys s;
  for (const TZodis& z : zodziai) s.Zodziai.Prideti(z);
  return s;
}

TEST(IsvestiSakini, PunctuationSticksToThePreviousWordAndEndersTakeASpace) {
  Eilutes isvestis{"earlier"};
  IsvestiSakini(Sakinys({Zodis("labas"), Skyriklis(","), Zodis("pasauli"), Skyriklis("!")}),
                isvestis);
  EXPECT_EQ(isvestis, (Eilutes{"earlier", "Labas, pasauli! "}));

  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({Zodis("kas"), Skyriklis("?"), Zodis("žodis"_lt),
                                         Skyriklis("("), Zodis("kitas"), Skyriklis(")"),
                                         Skyriklis(".")})),
            "Kas? žodis( kitas). "_lt);
}

TEST(IsvestiSakini, TheFirstWordWithTextIsCapitalisedAndWordsWithoutTextLeaveNoTrace) {
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({Zodis(""), Zodis(""), Zodis("ąžuolas"_lt), Zodis(""),
                                         Zodis("auga"), Skyriklis(""), Skyriklis(".")})),
            "Ąžuolas auga. "_lt);
}

TEST(IsvestiSakini, ProperWordsKeepTheirCapitalInsideTheLine) {
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({Zodis("į"_lt), Zodis("šiaulius"_lt, 1),
                                         Zodis("ir", 0), Zodis("vilnių"_lt, 1)})),
            "Į Šiaulius ir Vilnių"_lt);
}

TEST(IsvestiSakini, AWordAfterAnEnderInsideTheLineGetsOneSpaceNotTwo) {
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({Zodis("kainuoja"), Zodis("3"), Skyriklis("."),
                                         Zodis("5"), Zodis("lito")})),
            "Kainuoja 3. 5 lito");
}

TEST(IsvestiSakini, APunctuationMarkFirstInTheLineTakesNoSpaceAfterIt) {
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({Skyriklis("."), Zodis("taip")})), ". taip");
}

TEST(IsvestiSakini, ASentenceWithoutTextAddsNoLine) {
  Eilutes isvestis;
  IsvestiSakini(Sakinys({}), isvestis);
  IsvestiSakini(Sakinys({Zodis(""), Skyriklis("")}), isvestis);
  EXPECT_TRUE(isvestis.empty());
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({Zodis("")})), "");
}

TEST(DidziojiRaide, UpperCasesTheFirstLetterLithuanianLettersIncluded) {
  const std::string_view mazosios = "ąčęėįšųūžaz"_lt;
  const std::string_view didziosios = "ĄČĘĖĮŠŲŪŽAZ"_lt;
  for (std::size_t i = 0; i < mazosios.size(); ++i) {
    const std::string tekstas{mazosios[i], mazosios[i]};
    EXPECT_EQ(DidziojiRaide(tekstas), (std::string{didziosios[i], mazosios[i]})) << i;
  }
  // Digits, capitals and letters of other languages stay as they are.
  for (std::string_view tekstas : {"3 kartai"_lt, "Ąžuolas"_lt, "āboli"_lt, "ölė"_lt, ""_lt})
    EXPECT_EQ(DidziojiRaide(tekstas), tekstas);
}

TEST(Sujungti, ConcatenatesWithNothingBetween) {
  EXPECT_EQ(Sujungti({"Taip. ", "Ne! "}), "Taip. Ne! ");
  EXPECT_EQ(Sujungti({}), "");
}

}  // namespace
}  // namespace kervosta
