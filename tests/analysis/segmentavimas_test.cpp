#include "analysis/segmentavimas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(SkaidytiSakinius, SplitsAtEndersBeforeACapitalOrSpaceAtFinalColonsAndAtCarriageReturns) {
  struct Atvejis {
    std::string_view Tekstas;
    Eilutes Sakiniai;
    std::string Likutis;
  } const atvejai[] = {
      {"Hello. World.", {"Hello.", " World."}, ""},  // the space starts the next sentence
      {"Why? Because", {"Why?"}, " Because"},
      {"Wait.  here", {"Wait."}, "  here"},
      {"Done. ", {"Done."}, " "},
      {"It costs 3.5 dollars. ok", {}, "It costs 3.5 dollars. ok"},
      {"He said \"Stop.\" Then (p. 4.) Next", {}, "He said \"Stop.\" Then (p. 4.) Next"},
      {"Note:", {"Note:"}, ""},
      {"Note: this", {}, "Note: this"},
      {"One\rtwo\r", {"One\r", "two\r"}, ""},  // the carriage return stays in its sentence
      // Marks met while no sentence is open are dropped by the next character that opens one,
      // but make a sentence of their own when the text ends on them.
      {"Stop.\r!ok", {"Stop.\r"}, "ok"},
      {"Go.\r:x", {"Go.\r"}, "x"},
      {"Go.\r.X", {"Go.\r"}, "X"},
      {"Go.\r!?", {"Go.\r", "!?"}, ""},
      {"", {}, ""},
  };
  for (const Atvejis& a : atvejai) {
    Eilutes sakiniai;
    std::string likutis = "stale";
    SkaidytiSakinius(a.Tekstas, sakiniai, likutis);
    EXPECT_EQ(sakiniai, a.Sakiniai) << a.Tekstas;
    EXPECT_EQ(likutis, a.Likutis) << a.Tekstas;
  }
}

TEST(SkaidytiZodzius, PunctuationBecomesSeparatorWordsAndOnlyAsciiCapitalsCount) {
  TSakinys s;
  SkaidytiZodzius("He said (well-known) things.", s);
  EXPECT_EQ(Anglu(s), (Eilutes{"he", "said", "(", "well", "-", "known", ")", "things", "."}));
  EXPECT_EQ(s.ZodziuSk, 9);
  EXPECT_EQ(s.Zodziai[2].KalbosDalis, dSkyriklis);
  EXPECT_EQ(s.Zodziai[2].Liet, "(");  // punctuation carries its own text
  EXPECT_EQ(s.Zodziai[1].Liet, "");

  SkaidytiZodzius("a!b\"c(d)e,f-g.h/i:j;k?l[m\\n]o{p}q r", s);
  EXPECT_EQ(s.Kiekis(), 18 + 16);  // every separator but the space makes a word
  SkaidytiZodzius("3.5 don't john's a\tb x\r a*b <c>", s);
  EXPECT_EQ(Anglu(s), (Eilutes{"3", ".", "5", "don't", "john's", "a\tb", "x\r", "a*b", "<c>"}));
  SkaidytiZodzius("  ", s);
  EXPECT_EQ(s.ZodziuSk, 0);

  SkaidytiZodzius("I saw ŽALIAS in Vilnius"_lt, s);
  EXPECT_EQ(Anglu(s), (Eilutes{"i", "saw", std::string("Žalias"_lt), "in", "vilnius"}));
  EXPECT_EQ(s.Zodziai[0].Tikrinis, 1);
  EXPECT_EQ(s.Zodziai[2].Tikrinis, 0);  // only A..Z count as capitals
  EXPECT_EQ(s.Zodziai[4].Tikrinis, 1);  // the last token, with no punctuation after it
}

TEST(Valyti, DropsEveryBlankWordIncludingNeighbours) {
  TSakinys s;
  for (const char* tekstas : {"", " ", "a", " ", "", "b", ""}) {
    TZodis z;
    z.Angl = tekstas;
    z.Liet = "x";
    s.Zodziai.Prideti(z);
  }
  ValytiVerti(s);  // reads only the Lithuanian, which every word has
  EXPECT_EQ(s.Kiekis(), 7);
  ValytiSaltini(s);
  EXPECT_EQ(Anglu(s), (Eilutes{"a", "b"}));
}

}  // namespace
}  // namespace kervosta
