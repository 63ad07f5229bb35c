#include "analysis/segmentavimas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;
using Eilutes = std::vector<std::string>;

struct Skaidymas {
  Eilutes Sakiniai;
  std::string Likutis;
};

Skaidymas Skaidyti(std::string_view tekstas) {
  Skaidymas s;
  s.Likutis = "stale";
  SkaidytiSakinius(tekstas, s.Sakiniai, s.Likutis);
  return s;
}

Eilutes Anglu(const TSakinys& s) {
  Eilutes zodziai;
  for (int i = 0; i < s.Kiekis(); ++i) zodziai.push_back(s.Zodziai[i].Angl);
  return zodziai;
}

TEST(SkaidytiSakinius, TheSpaceAfterASentenceEnderStartsTheNextSentence) {
  const Skaidymas s = Skaidyti("Hello. World.");
  EXPECT_EQ(s.Sakiniai, (Eilutes{"Hello.", " World."}));
  EXPECT_EQ(s.Likutis, "");
}

TEST(SkaidytiSakinius, AnEnderEndsASentenceOnlyBeforeTheEndASpaceAndACapitalOrTwoSpaces) {
  struct Atvejis {
    std::string_view Tekstas;
    Eilutes Sakiniai;
    std::string Likutis;
  };
  const Atvejis atvejai[] = {
      {"Yes!", {"Yes!"}, ""},
      {"Why? Because", {"Why?"}, " Because"},
      {"Wait.  here", {"Wait."}, "  here"},
      {"Done. ", {"Done."}, " "},
      {"It costs 3.5 dollars. ok", {}, "It costs 3.5 dollars. ok"},
      {"He said \"Stop.\" Then", {}, "He said \"Stop.\" Then"},
      {"See (p. 4.) Next", {}, "See (p. 4.) Next"},
      {"a line without an ender", {}, "a line without an ender"},
      {"", {}, ""},
  };
  for (const Atvejis& a : atvejai) {
    const Skaidymas s = Skaidyti(a.Tekstas);
    EXPECT_EQ(s.Sakiniai, a.Sakiniai) << a.Tekstas;
    EXPECT_EQ(s.Likutis, a.Likutis) << a.Tekstas;
  }
}

TEST(SkaidytiSakinius, AColonEndsASentenceOnlyAtTheEndOfTheText) {
  EXPECT_EQ(Skaidyti("Note:").Sakiniai, (Eilutes{"Note:"}));
  const Skaidymas vidury = Skaidyti("Note: this");
  EXPECT_TRUE(vidury.Sakiniai.empty());
  EXPECT_EQ(vidury.Likutis, "Note: this");
}

TEST(SkaidytiSakinius, ACarriageReturnEndsAndStaysInItsSentence) {
  const Skaidymas s = Skaidyti("One\rtwo\r");
  EXPECT_EQ(s.Sakiniai, (Eilutes{"One\r", "two\r"}));
  EXPECT_EQ(s.Likutis, "");
}

TEST(SkaidytiSakinius, MarksMetWhileNoSentenceIsOpenAreDroppedByTheNextOrdinaryCharacter) {
  const Skaidymas ender = Skaidyti("Stop.\r!ok");
  EXPECT_EQ(ender.Sakiniai, (Eilutes{"Stop.\r"}));
  EXPECT_EQ(ender.Likutis, "ok");
  EXPECT_EQ(Skaidyti("Go.\r:x").Likutis, "x");
  EXPECT_EQ(Skaidyti("Go.\r.X").Likutis, "X");
  // When the text ends on them they make a sentence of their own.
  EXPECT_EQ(Skaidyti("Go.\r!?").Sakiniai, (Eilutes{"Go.\r", "!?"}));
}

TEST(VisasLikutisSakiniu, AppendsTheTextUnchanged) {
  Eilutes sakiniai{"First."};
  VisasLikutisSakiniu(" no end ", sakiniai);
  EXPECT_EQ(sakiniai, (Eilutes{"First.", " no end "}));
}

TEST(SkaidytiZodzius, PunctuationBecomesSeparatorWordsCarryingTheirOwnText) {
  TSakinys s;
  SkaidytiZodzius("He said (well-known) things.", s);
  EXPECT_EQ(Anglu(s),
            (Eilutes{"he", "said", "(", "well", "-", "known", ")", "things", "."}));
  EXPECT_EQ(s.ZodziuSk, 9);
  for (int i = 0; i < s.Kiekis(); ++i) {
    const TZodis& z = s.Zodziai[i];
    const bool skyriklis = z.Angl.size() == 1 && !(z.Angl[0] >= 'a' && z.Angl[0] <= 'z');
    EXPECT_EQ(z.KalbosDalis, skyriklis ? dSkyriklis : dNezinoma) << z.Angl;
    EXPECT_EQ(z.Liet, skyriklis ? z.Angl : "") << z.Angl;
    EXPECT_EQ(z.Tikrinis, i == 0 ? 1 : 0) << z.Angl;
  }
}

TEST(SkaidytiZodzius, EverySeparatorSplitsAndOtherMarksStayInTheWord) {
  TSakinys s;
  SkaidytiZodzius("a!b\"c(d)e,f-g.h/i:j;k?l[m\\n]o{p}q r", s);
  EXPECT_EQ(s.Kiekis(), 18 + 16);
  SkaidytiZodzius("3.5 don't john's a\tb x\r a*b <c>", s);
  EXPECT_EQ(Anglu(s), (Eilutes{"3", ".", "5", "don't", "john's", "a\tb", "x\r", "a*b", "<c>"}));
}

TEST(SkaidytiZodzius, LowerCasesAsciiOnlyAndMarksWordsStartingWithACapital) {
  TSakinys s;
  SkaidytiZodzius("I saw ŽALIAS in Vilnius"_lt, s);
  EXPECT_EQ(Anglu(s), (Eilutes{"i", "saw", std::string("Žalias"_lt), "in", "vilnius"}));
  EXPECT_EQ(s.Zodziai[0].Tikrinis, 1);
  EXPECT_EQ(s.Zodziai[2].Tikrinis, 0);  // only A..Z count as capitals
  EXPECT_EQ(s.Zodziai[4].Tikrinis, 1);  // the last token, with no punctuation after it
}

TEST(SkaidytiZodzius, ReplacesThePreviousWords) {
  TSakinys s;
  SkaidytiZodzius("one two three", s);
  SkaidytiZodzius("  ", s);
  EXPECT_EQ(s.Kiekis(), 0);
  EXPECT_EQ(s.ZodziuSk, 0);
}

TEST(Valyti, DropsEveryBlankWordIncludingNeighbours) {
  TSakinys saltinis;
  for (const char* angl : {"", " ", "a", " ", "", "b", ""}) {
    TZodis z;
    z.Angl = angl;
    z.Liet = "x";
    saltinis.Zodziai.Prideti(z);
  }
  ValytiSaltini(saltinis);
  EXPECT_EQ(Anglu(saltinis), (Eilutes{"a", "b"}));

  TSakinys vertimas;
  for (const char* liet : {"", "namas", " "}) {
    TZodis z;
    z.Angl = "kept only by its Lithuanian";
    z.Liet = liet;
    vertimas.Zodziai.Prideti(z);
  }
  ValytiVerti(vertimas);
  ASSERT_EQ(vertimas.Kiekis(), 1);
  EXPECT_EQ(vertimas.Zodziai[0].Liet, "namas");
}

}  // namespace
}  // namespace kervosta
