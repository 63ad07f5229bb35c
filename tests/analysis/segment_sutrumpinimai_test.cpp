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

Eilutes Anglu(const TSakinys& s) {
  Eilutes zodziai;
  for (int i = 0; i < s.Kiekis(); ++i) zodziai.push_back(s.Zodziai[i].Angl);
  return zodziai;
}

TSakinys Isskleistas(std::string_view sakinys) {
  TSakinys s;
  SkaidytiZodzius(sakinys, s);
  IsskleistiSutrumpinimus(s);
  return s;
}

TEST(IsskleistiSutrumpinimus, EachContractionBecomesItsTwoWordsInPlace) {
  const TSakinys s = Isskleistas("Aren't isn't we're he's haven't hasn't i've I'm don't");
  EXPECT_EQ(Anglu(s), (Eilutes{"are", "not", "is", "not", "we", "are", "he", "is", "have", "not",
                               "has", "not", "i", "have", "i", "am", "don't"}));
  EXPECT_EQ(s.ZodziuSk, 9);  // the count right after tokenising stays
}

TEST(IsskleistiSutrumpinimus, OnlyTheFirstOccurrenceOfAContractionIsExpanded) {
  EXPECT_EQ(Anglu(Isskleistas("i'm sure i'm right, he's here and he's there")),
            (Eilutes{"i", "am", "sure", "i'm", "right", ",", "he", "is", "here", "and", "he's",
                     "there"}));
}

TEST(IsskleistiSutrumpinimus, BuiltInWordsCarryTheirLithuanianAndFeatures) {
  const TSakinys s = Isskleistas("i'm");
  const TZodis& as = s.Zodziai[0];
  EXPECT_EQ(as.Vidinis, 1);
  EXPECT_EQ(as.Liet, "aš"_lt);
  EXPECT_EQ(as.Liet2, as.Liet);
  EXPECT_EQ(as.KalbosDalis, dAsmVardininkas);
  EXPECT_EQ(as.Laikas, 2);
  EXPECT_EQ(as.Asmuo, 1);
  const TZodis& esu = s.Zodziai[1];
  EXPECT_EQ(esu.Liet, "esu"_lt);
  EXPECT_EQ(esu.KalbosDalis, dVeiksmazodis);
  EXPECT_EQ(esu.Asmuo, 1);

  const TSakinys mes = Isskleistas("we're");
  EXPECT_EQ(mes.Zodziai[0].Skaicius, 1);
  EXPECT_EQ(mes.Zodziai[1].Liet, "esame"_lt);
  EXPECT_EQ(mes.Zodziai[1].Asmuo, 4);
  EXPECT_EQ(Isskleistas("he's").Zodziai[0].Gimine, 1);

  const TSakinys nera = Isskleistas("aren't");
  for (int i : {0, 1}) {
    EXPECT_EQ(nera.Zodziai[i].Skaicius, 1);
    EXPECT_EQ(nera.Zodziai[i].Asmuo, 3);
  }
  EXPECT_EQ(nera.Zodziai[1].Liet, "ne"_lt);
  EXPECT_EQ(nera.Zodziai[1].KalbosDalis, dPagalbinis);
}

TEST(IsskleistiSutrumpinimus, HaveAndHasAreLeftForTheDictionary) {
  for (std::string_view sakinys : {"i've", "hasn't"}) {
    const TSakinys s = Isskleistas(sakinys);
    const TZodis& zodis = sakinys == "i've" ? s.Zodziai[1] : s.Zodziai[0];
    EXPECT_EQ(zodis.Vidinis, 0) << zodis.Angl;
    EXPECT_TRUE(zodis.Liet.empty()) << zodis.Angl;
    EXPECT_EQ(zodis.KalbosDalis, dNezinoma) << zodis.Angl;
    EXPECT_EQ(zodis.Laikas, 1) << zodis.Angl;
  }
}

}  // namespace
}  // namespace kervosta
