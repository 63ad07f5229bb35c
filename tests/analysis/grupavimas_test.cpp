#include "analysis/grupavimas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

using testai::Sakinys;

class Grupavimas : public ::testing::Test {
 protected:
  // Analyses like the grammar window and keeps the groups.
  void Analizuoti(TSakinys& s) { AnalizuotiSakiniLangui(aplinka, s, vertinys, grupes); }

  // "type:role[word/case ...]" for every group; the cases only when asked for.
  std::string Grupes(bool linksniai = false) const {
    std::string r;
    for (int i = 0; i < grupes.Grupes.Kiekis(); ++i) {
      const SGrupe& g = grupes.Grupes[i];
      r += std::to_string(g.Tipas) + ":" + std::to_string(g.Funkcija) + "[";
      for (const TZodis* z : g.Zodziai) {
        r += z->Angl + (linksniai ? "/" + std::to_string(z->Linksnis) : "");
        r += z == g.Zodziai.back() ? "] " : " ";
      }
    }
    return r;
  }

  const Aplinka& aplinka = testai::TestoAplinka();
  TSakinys vertinys;
  SGList grupes;
};

TEST_F(Grupavimas, SplitsBySpeechPartAndCounts) {
  TSakinys s = Sakinys({"the", "very", "big", "house", "see", "and", "know", "in", "of",
                        "very", "very", "did", "didn't", "two", "books", "and", "."});
  SudarytiGrupes(s, grupes);
  EXPECT_EQ(Grupes(),
            "0:6[the very big house] 1:6[see and know] 2:6[in of] 3:6[very very] "
            "1:6[did] 4:6[didn't] 0:6[two books] 5:6[and] 5:6[.] ");
  EXPECT_EQ((std::vector<int>{grupes.DaiktSk, grupes.VeiksmSk, grupes.PrielSk, grupes.PrievSk,
                              grupes.KitaSk, grupes.Paskutine, grupes.Grupes[1].Pabaiga}),
            (std::vector<int>{2, 2, 1, 1, 1, 8, 6}));
}

// A numeral goes on with its noun phrase ("on the third table" is one phrase); a noun ends its
// phrase unless another noun follows ("ten years old", "the house big").
TEST_F(Grupavimas, NumeralsGoOnAndANounEndsItsPhrase) {
  const std::pair<std::vector<std::string_view>, std::string> atvejai[] = {
      {{"the", "two", "books"}, "0:6[the two books] "},
      {{"the", "house", "big"}, "0:6[the house] 0:6[big] "},
      {{"the", "bus", "station", "big"}, "0:6[the bus station] 0:6[big] "},
  };
  for (const auto& [zodziai, tiketina] : atvejai) {
    TSakinys s = Sakinys(zodziai);
    grupes = SGList{};
    SudarytiGrupes(s, grupes);
    EXPECT_EQ(Grupes(), tiketina);
  }
}

TEST_F(Grupavimas, RolesAndCases) {
  const std::pair<std::vector<std::string_view>, std::string> atvejai[] = {
      // One noun group; the first noun of the pair takes the genitive.
      {{"the", "bus", "station"}, "0:6[the/0 bus/1 station/0] "},
      // A negated verb puts its object in the genitive.
      {{"the", "boy", "did", "not", "see", "the", "book", "."},
       "0:1[the/0 boy/0] 4:6[did/0] 7:6[not/0] 1:6[see/3] 0:0[the/1 book/1] 5:6[./0] "},
      // The affirmative keeps the accusative the verb asks for.
      {{"the", "boy", "saw", "the", "book"}, "0:1[the/0 boy/0] 1:6[saw/3] 0:0[the/3 book/3] "},
      // A preposition governs the noun group right after it, and no other.
      {{"go", "to", "the", "bus", "station"}, "1:6[go/7] 2:6[to/3] 0:2[the/3 bus/1 station/3] "},
      // A preposition does not reach past an adverb, which governs no case.
      {{"to", "very", "big", "house"}, "2:6[to/3] 3:6[very/7] 0:6[big/0 house/0] "},
      // A passive group never has an object.
      {{"the", "books", "are", "seen", "the", "boy"},
       "0:1[the/0 books/0] 1:6[are/0 seen/0] 0:6[the/0 boy/0] "},
  };
  for (const auto& [zodziai, tiketina] : atvejai) {
    TSakinys s = Sakinys(zodziai);
    Analizuoti(s);
    EXPECT_EQ(Grupes(true), tiketina);
  }
}

// Each verb takes the nearest noun group before it that is still free: one taken by an earlier
// verb, or governed by a preposition, is passed over however far back the search must go.
TEST_F(Grupavimas, ASubjectIsTheNearestGroupStillFree) {
  TSakinys s = Sakinys({"the", "boy", "the", "boy", "in", "the", "house", "saw", "in", "saw",
                        "in", "saw", "the", "boy", "saw"});
  Analizuoti(s);
  ASSERT_EQ(Grupes(), "0:1[the boy] 0:1[the boy] 2:6[in] 0:2[the house] 1:6[saw] 2:6[in] 1:6[saw] "
                      "2:6[in] 1:6[saw] 0:1[the boy] 1:6[saw] ");
  std::vector<int> veiksniai;
  for (int v : {4, 6, 8, 10}) veiksniai.push_back(grupes.Grupes[v].Veiksnys);
  EXPECT_EQ(veiksniai, (std::vector<int>{1, 0, -1, 9}));
}

// The record of "be" is found by the number of the group's first word: a dictionary verb (no
// number) or a damaged number is no form of "be", so the negation still asks for the genitive.
TEST_F(Grupavimas, CopulaTestReadsOnlyTheSixBuiltInRecords) {
  for (int nr : {3, 0, 7, -1}) {
    TSakinys s = Sakinys({"he", "see", "is", "not", "teacher"});
    s.Zodziai[1].Nr = nr;
    Analizuoti(s);
    EXPECT_EQ(s.Zodziai[4].Linksnis, nr == 3 ? 0 : 1) << nr;
  }
}

// Counters left from an earlier sentence would tell the adverb step that this one has adverbs.
TEST_F(Grupavimas, WindowAnalysisStartsFromAnEmptyList) {
  TSakinys s = Sakinys({"very", "house"});
  Analizuoti(s);
  TSakinys t = Sakinys({"the", "house"});
  Analizuoti(t);
  EXPECT_EQ(grupes.Grupes.Kiekis(), 1);
  EXPECT_EQ(grupes.PrievSk, 0);
}

}  // namespace
}  // namespace kervosta
