#include "morphology/vardazodziu_galunes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;

// Only the reflexive pronoun's nominative is meant to be empty; an empty cell anywhere else is a
// lost ending.
TEST(VardazodziuGalunes, NoEndingIsEmptyExceptTheReflexiveNominative) {
  const std::span<const std::string_view> lenteles[] = {
      DaiktavardzioGalunes,   BudvardzioVyrGalunes,   BudvardzioMotGalunes, AukstesniojoLaipsnio,
      AuksciausiojoLaipsnio,  SkaitvardzioVyrGalunes, SkaitvardzioMotGalunes, KelintinioVyrGalunes,
      KelintinioMotGalunes,   IvardzioVyrGalunes,     IvardzioMotGalunes};
  for (const auto lentele : lenteles)
    EXPECT_TRUE(std::none_of(lentele.begin(), lentele.end(), [](auto g) { return g.empty(); }));
  EXPECT_EQ(std::count(AsmeniniaiIvardziai.begin(), AsmeniniaiIvardziai.end(), ""), 1);
  EXPECT_EQ(AsmeniniaiIvardziai[54], "");
  EXPECT_EQ(AsmeniniaiIvardziai[55], "savęs"_lt);
}

TEST(VardazodziuGalunes, CellsThatLookOddStayAsTheyAre) {
  EXPECT_EQ(DaiktavardzioGalunes[13], "ai"_lt);         // paradigm 0, plural vocative
  EXPECT_EQ(DaiktavardzioGalunes[16 * 14], "ė"_lt);     // duktė: only the nominative lacks "er"
  for (int k = 1; k < 14; ++k) EXPECT_EQ(DaiktavardzioGalunes[16 * 14 + k].substr(0, 2), "er");
  EXPECT_EQ(SkaitvardzioVyrGalunes[4 * 12 + 1], "iui"_lt);  // tūkstantis: genitive as dative
  EXPECT_EQ(SkaitvardzioMotGalunes[4 * 12 + 1], "iui"_lt);
  EXPECT_EQ(SkaitvardzioVyrGalunes[5 * 12], "du"_lt);
  EXPECT_EQ(SkaitvardzioMotGalunes[5 * 12], "dvi"_lt);
  EXPECT_EQ(SkaitvardzioMotGalunes[6 * 12 + 5], "trijose"_lt);
  EXPECT_EQ(KelintinioVyrGalunes[12 + 6], "ti"_lt);      // tretieji: plural nominative
}

// Numeral rows 0, 1, 2, 5, 6 and pronoun rows 4 and 6 have one set of forms for both numbers.
TEST(VardazodziuGalunes, NumberlessRowsRepeatTheSameSixForms) {
  const auto vienodos = [](std::span<const std::string_view> lentele, int eilute) {
    const auto pradzia = lentele.begin() + eilute * 12;
    return std::equal(pradzia, pradzia + 6, pradzia + 6);
  };
  for (const int eilute : {0, 1, 2, 5, 6}) {
    EXPECT_TRUE(vienodos(SkaitvardzioVyrGalunes, eilute)) << eilute;
    EXPECT_TRUE(vienodos(SkaitvardzioMotGalunes, eilute)) << eilute;
  }
  for (const int eilute : {4, 6}) {
    EXPECT_TRUE(vienodos(IvardzioVyrGalunes, eilute)) << eilute;
    EXPECT_TRUE(vienodos(IvardzioMotGalunes, eilute)) << eilute;
  }
  EXPECT_FALSE(vienodos(SkaitvardzioVyrGalunes, 3));
}

}  // namespace
}  // namespace kervosta
