#include "analysis/segment_sutrumpinimai.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/segmentavimas.h"
#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;
using Eilutes = std::vector<std::string>;

TSakinys Isskleistas(std::string_view sakinys) {
  TSakinys s;
  SkaidytiZodzius(sakinys, s);
  IsskleistiSutrumpinimus(s);
  return s;
}

Eilutes Anglu(std::string_view sakinys) {
  const TSakinys s = Isskleistas(sakinys);
  Eilutes zodziai;
  for (int i = 0; i < s.Kiekis(); ++i) zodziai.push_back(s.Zodziai[i].Angl);
  return zodziai;
}

TEST(IsskleistiSutrumpinimus, EachContractionBecomesTwoWordsInPlaceAtItsFirstOccurrenceOnly) {
  EXPECT_EQ(Anglu("Aren't isn't we're he's haven't hasn't i've I'm don't"),
            (Eilutes{"are", "not", "is", "not", "we", "are", "he", "is", "have", "not", "has",
                     "not", "i", "have", "i", "am", "don't"}));
  EXPECT_EQ(Anglu("i'm sure i'm right, he's here and he's there"),
            (Eilutes{"i", "am", "sure", "i'm", "right", ",", "he", "is", "here", "and", "he's",
                     "there"}));
}

TEST(IsskleistiSutrumpinimus, BuiltInWordsCarryTheirFeaturesAndHaveIsLeftForTheDictionary) {
  const TSakinys s = Isskleistas("i'm aren't i've");
  EXPECT_EQ(s.Zodziai[0].Vidinis, 1);
  EXPECT_EQ(s.Zodziai[0].Liet, "aš"_lt);
  EXPECT_EQ(s.Zodziai[0].KalbosDalis, dAsmVardininkas);
  EXPECT_EQ(s.Zodziai[1].Asmuo, 1);  // am
  for (int i : {2, 3}) EXPECT_EQ(s.Zodziai[i].Skaicius, 1) << i;  // both words of "aren't"
  EXPECT_EQ(s.Zodziai[3].KalbosDalis, dPagalbinis);
  const TZodis& have = s.Zodziai[5];
  EXPECT_EQ(have.Angl, "have");
  EXPECT_EQ(have.Vidinis, 0);
  EXPECT_EQ(have.Liet, "");
}

}  // namespace
}  // namespace kervosta
