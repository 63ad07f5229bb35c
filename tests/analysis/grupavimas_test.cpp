#include "analysis/grupavimas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexicon/zodyno_failai.h"
#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

using testai::Sakinys;

class Grupavimas : public ::testing::Test {
 protected:
  Grupavimas() { UzpildytiVidiniusIrasus(aplinka.Zodynai); }

  // Analyses like the grammar window and keeps the groups.
  void Analizuoti(TSakinys& s) { AnalizuotiSakiniLangui(aplinka, s, vertinys, grupes); }

  // "tipas:funkcija[words]" for every group, for compact checks.
  std::string Grupes() const {
    std::string r;
    for (int i = 0; i < grupes.Grupes.Kiekis(); ++i) {
      const SGrupe& g = grupes.Grupes[i];
      r += std::to_string(g.Tipas) + ":" + std::to_string(g.Funkcija) + "[";
      for (const TZodis* z : g.Zodziai) r += z->Angl + (z == g.Zodziai.back() ? "" : " ");
      r += "] ";
    }
    return r;
  }

  Aplinka aplinka;
  TSakinys vertinys;
  SGList grupes;
};

TEST_F(Grupavimas, SplitsBySpeechPartWithSpansIndexesAndCounts) {
  TSakinys s = Sakinys({"the", "very", "big", "house", "see", "and", "know", "in", "of",
                        "very", "very", "did", "didn't", "two", "books", "and", "."});
  SudarytiGrupes(s, grupes);
  EXPECT_EQ(Grupes(),
            "0:6[the very big house] 1:6[see and know] 2:6[in of] 3:6[very very] "
            "1:6[did] 4:6[didn't] 0:6[two books] 5:6[and] 5:6[.] ");
  EXPECT_EQ(grupes.DaiktSk, 2);
  EXPECT_EQ(grupes.VeiksmSk, 2);
  EXPECT_EQ(grupes.PrielSk, 1);
  EXPECT_EQ(grupes.PrievSk, 1);
  EXPECT_EQ(grupes.KitaSk, 1);
  EXPECT_EQ(grupes.Paskutine, 8);
  const SGrupe& veiksm = grupes.Grupes[1];
  EXPECT_EQ(veiksm.Pradzia, 4);
  EXPECT_EQ(veiksm.Pabaiga, 6);
  EXPECT_EQ(veiksm.Indeksas, 1);
  EXPECT_EQ(veiksm.Zodziai[0], s.Zodziai.Rodykle(4));  // the sentence's own words
}

TEST_F(Grupavimas, DeterminerAndNumeralStartSeparateNounGroups) {
  TSakinys s = Sakinys({"the", "two", "books"});
  Analizuoti(s);
  EXPECT_EQ(Grupes(), "0:6[the] 0:6[two books] ");
  EXPECT_EQ(s.Zodziai[1].Skaicius, 1);  // the numeral takes the plural of its noun
  EXPECT_EQ(s.Zodziai[1].Gimine, 2);
}

TEST_F(Grupavimas, BusStationIsOneGroupWithTheFirstNounInTheGenitive) {
  TSakinys s = Sakinys({"the", "bus", "station"});
  Analizuoti(s);
  EXPECT_EQ(Grupes(), "0:6[the bus station] ");
  EXPECT_EQ(s.Zodziai[1].Linksnis, 1);
  EXPECT_EQ(s.Zodziai[2].Linksnis, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s.Zodziai[i].Gimine, 2) << i;  // gender of "station"
}

TEST_F(Grupavimas, NegatedVerbPutsItsObjectInTheGenitive) {
  TSakinys s = Sakinys({"the", "boy", "did", "not", "see", "the", "book", "."});
  Analizuoti(s);
  EXPECT_EQ(Grupes(), "0:1[the boy] 4:6[did] 7:6[not] 1:6[see] 0:0[the book] 5:6[.] ");
  EXPECT_EQ(grupes.Grupes[3].Veiksnys, 0);
  EXPECT_EQ(grupes.Grupes[3].Papildinys, 4);
  EXPECT_EQ(s.Zodziai[6].Linksnis, 1);
  EXPECT_EQ(s.Zodziai[1].Linksnis, 0);
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

TEST_F(Grupavimas, PrepositionGovernsOnlyTheNounGroupRightAfterIt) {
  TSakinys s = Sakinys({"go", "to", "the", "bus", "station"});
  s.Zodziai[1].Linksnis = 5;
  Analizuoti(s);
  EXPECT_EQ(Grupes(), "1:6[go] 2:6[to] 0:2[the bus station] ");
  EXPECT_EQ(s.Zodziai[2].Linksnis, 5);
  EXPECT_EQ(s.Zodziai[3].Linksnis, 1);  // the first noun of the pair stays genitive
  EXPECT_EQ(s.Zodziai[4].Linksnis, 5);

  TSakinys t = Sakinys({"to", "very", "big", "house"});
  t.Zodziai[0].Linksnis = 5;
  t.Zodziai[1].Linksnis = BeLinksnio;
  Analizuoti(t);
  EXPECT_EQ(Grupes(), "2:6[to] 3:6[very] 0:6[big house] ");
  EXPECT_EQ(t.Zodziai[3].Linksnis, 0);

  TSakinys u = Sakinys({"to", "house"});
  u.Zodziai[0].Linksnis = BeLinksnio;
  Analizuoti(u);
  EXPECT_EQ(Grupes(), "2:6[to] 0:6[house] ");
}

TEST_F(Grupavimas, PassiveGroupTakesTheSubjectsNumberCaseAndGender) {
  TSakinys s = Sakinys({"the", "books", "are", "seen", "the", "boy"});
  Analizuoti(s);
  EXPECT_EQ(Grupes(), "0:1[the books] 1:6[are seen] 0:6[the boy] ");
  EXPECT_EQ(grupes.Grupes[1].Aktyvi, 0);
  EXPECT_EQ(grupes.Grupes[1].Papildinys, -1);  // never an object
  for (int i : {2, 3}) {
    EXPECT_EQ(s.Zodziai[i].Skaicius, 1) << i;
    EXPECT_EQ(s.Zodziai[i].Linksnis, 0) << i;
    EXPECT_EQ(s.Zodziai[i].Gimine, 2) << i;
    EXPECT_EQ(s.Zodziai[i].Asmuo, 3) << i;
  }
}

TEST_F(Grupavimas, EachVerbGroupFindsItsOwnSubjectBackwards) {
  TSakinys s = Sakinys({"the", "boy", "saw", ".", "saw", "you", "know"});
  Analizuoti(s);
  EXPECT_EQ(grupes.Grupes[1].Veiksnys, 0);
  EXPECT_EQ(grupes.Grupes[3].Veiksnys, -1);  // the boy is taken already
  EXPECT_EQ(grupes.Grupes[5].Veiksnys, 4);
  EXPECT_EQ(s.Zodziai[6].Asmuo, 5);  // "you" agrees in person
}

TEST_F(Grupavimas, VerbPassesItsCaseToAnAdverbThatGovernsNone) {
  TSakinys s = Sakinys({"see", "very", "house"});
  s.Zodziai[1].Linksnis = BeLinksnio;
  Analizuoti(s);
  EXPECT_EQ(s.Zodziai[1].Linksnis, 3);
  EXPECT_EQ(s.Zodziai[2].Linksnis, 3);  // and the adverb passes it on
}

TEST_F(Grupavimas, GrammarOffLeavesRolesAndCasesButFoldsVerbs) {
  aplinka.GramatineAnalize = 0;
  TSakinys s = Sakinys({"the", "boy", "did", "not", "see", "the", "book"});
  AnalizuotiSakini(aplinka, s, vertinys);
  EXPECT_TRUE(vertinys.Zodziai[2].Liet.empty());  // "did" still absorbed
  EXPECT_EQ(vertinys.Zodziai[4].Teigiamas, 0);
  EXPECT_EQ(vertinys.Zodziai[6].Linksnis, 0);

  TSakinys go = Sakinys({"go", "home"});
  AnalizuotiSakini(aplinka, go, vertinys);
  EXPECT_EQ(vertinys.Zodziai[0].Nuosaka, 0);  // no command either
}

TEST_F(Grupavimas, WindowAnalysisStartsFromAnEmptyList) {
  TSakinys s = Sakinys({"very", "house"});
  Analizuoti(s);
  TSakinys t = Sakinys({"the", "house"});
  Analizuoti(t);
  EXPECT_EQ(grupes.Grupes.Kiekis(), 1);
  EXPECT_EQ(grupes.PrievSk, 0);
  EXPECT_EQ(grupes.DaiktSk, 1);
}

}  // namespace
}  // namespace kervosta
