#include "analysis/segment_isvedimas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;

// A target sentence from words; "," "." "(" ... are separators, a leading '^' marks `Tikrinis`.
TSakinys Sakinys(std::initializer_list<std::string_view> zodziai) {
  TSakinys s;
  for (std::string_view tekstas : zodziai) {
    TZodis z;
    const bool skyriklis =
        tekstas.size() == 1 && std::string_view(",.!?()").find(tekstas[0]) != std::string_view::npos;
    z.KalbosDalis = skyriklis ? dSkyriklis : dDaiktavardis;
    z.Tikrinis = tekstas.starts_with('^');
    z.Liet = tekstas.substr(z.Tikrinis);
    s.Zodziai.Prideti(z);
  }
  return s;
}

TEST(IsvestiSakini, SpacesPunctuationAndCapitals) {
  std::vector<std::string> isvestis{"earlier"};
  IsvestiSakini(Sakinys({"labas", ",", "pasauli", "!"}), isvestis);
  IsvestiSakini(Sakinys({"", ""}), isvestis);  // a sentence without text adds no line
  EXPECT_EQ(isvestis, (std::vector<std::string>{"earlier", "Labas, pasauli! "}));

  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({"kas", "?", "žodis"_lt, "(", "kitas", ")", "."})),
            "Kas? žodis( kitas). "_lt);
  // A word after an ender inside the line gets one space, not two.
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({"kaina", "3", ".", "5"})), "Kaina 3. 5");
  // The first word with text takes the capital; words without text leave no trace.
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({"", "", "ąžuolas"_lt, "", "auga", ".", ""})),
            "Ąžuolas auga. "_lt);
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({"į"_lt, "^šiaulius"_lt, "ir", "^vilnių"_lt})),
            "Į Šiaulius ir Vilnių"_lt);
  EXPECT_EQ(IsvestiSakiniTekstu(Sakinys({".", "taip"})), ". taip");  // no space after a first mark
}

TEST(DidziojiRaide, UpperCasesTheFirstLetterLithuanianLettersIncluded) {
  const std::string_view mazosios = "ąčęėįšųūžaz"_lt;
  const std::string_view didziosios = "ĄČĘĖĮŠŲŪŽAZ"_lt;
  for (std::size_t i = 0; i < mazosios.size(); ++i)
    EXPECT_EQ(DidziojiRaide(std::string{mazosios[i], mazosios[i]}),
              (std::string{didziosios[i], mazosios[i]}))
        << i;
  for (std::string_view tekstas : {"3 kartai"_lt, "Ąžuolas"_lt, "āboli"_lt, "ölė"_lt, ""_lt})
    EXPECT_EQ(DidziojiRaide(tekstas), tekstas);
}

}  // namespace
}  // namespace kervosta
