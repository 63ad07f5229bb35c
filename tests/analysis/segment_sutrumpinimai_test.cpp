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
  const TSakinys s = Isskleistas("i'm we're aren't i've");
  const TZodis& as = s.Zodziai[0];
  EXPECT_EQ(as.Vidinis, 1);
  EXPECT_EQ(as.Liet, "aš"_lt);
  EXPECT_EQ(as.Liet2, as.Liet);
  EXPECT_EQ(as.KalbosDalis, dAsmVardininkas);
  EXPECT_EQ(as.Laikas, 2);
  EXPECT_EQ(as.Asmuo, 1);
  EXPECT_EQ(s.Zodziai[1].KalbosDalis, dVeiksmazodis);
  EXPECT_EQ(s.Zodziai[1].Asmuo, 1);
  EXPECT_EQ(s.Zodziai[2].Skaicius, 1);  // we
  EXPECT_EQ(s.Zodziai[3].Liet, "esame"_lt);
  EXPECT_EQ(s.Zodziai[3].Skaicius, 0);
  EXPECT_EQ(s.Zodziai[4].Skaicius, 1);  // are, of "aren't"
  EXPECT_EQ(s.Zodziai[5].Skaicius, 1);
  EXPECT_EQ(s.Zodziai[5].KalbosDalis, dPagalbinis);
  const TZodis& have = s.Zodziai[7];
  EXPECT_EQ(have.Angl, "have");
  EXPECT_EQ(have.Vidinis, 0);
  EXPECT_EQ(have.Liet, "");
  EXPECT_EQ(have.KalbosDalis, dNezinoma);
}

}  // namespace
}  // namespace kervosta
