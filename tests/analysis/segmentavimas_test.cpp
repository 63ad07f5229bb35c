// Segmentation: sentences and words from text, contractions expanded, the target rendered.
#include "analysis/segmentavimas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/segment_isvedimas.h"
#include "analysis/segment_sutrumpinimai.h"
#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;
using Eilutes = std::vector<std::string>;

TSakinys Zodziai(std::string_view sakinys) {
  TSakinys s;
  SkaidytiZodzius(sakinys, s);
  return s;
}

Eilutes Anglu(const TSakinys& s) {
  Eilutes zodziai;
  for (int i = 0; i < s.Kiekis(); ++i) zodziai.push_back(s.Zodziai[i].Angl);
  return zodziai;
}

TEST(SkaidytiSakinius, SplitsAtEndersBeforeACapitalOrSpaceAtFinalColonsAndAtCarriageReturns) {
  const std::tuple<std::string_view, Eilutes, std::string> atvejai[] = {
      {"Hello. World.", {"Hello.", " World."}, ""},  // the space starts the next sentence
      {"Why? Because", {"Why?"}, " Because"},
      {"Wait.  here", {"Wait."}, "  here"},
      {"Done. ", {"Done."}, " "},
      {"It costs 3.5 dollars. ok", {}, "It costs 3.5 dollars. ok"},
      // Closing quotation marks and brackets after an ender belong to the sentence it ends.
      {"He said \"Stop.\" Then (p. 4.) Next", {"He said \"Stop.\"", " Then (p. 4.)"}, " Next"},
      {"She asked: \"Why?\"", {"She asked: \"Why?\""}, ""},
      {"\"Why?\" asked Tom. ", {"\"Why?\" asked Tom."}, " "},
      {"It is \"ok.\"x", {}, "It is \"ok.\"x"},
      // The point of a title ends nothing.
      {"Mr. Green is here. Dr. Who", {"Mr. Green is here."}, " Dr. Who"},
      {"I see Mr. Hm. Ok", {"I see Mr. Hm."}, " Ok"},
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
  for (const auto& [tekstas, tiketini, tiketinas_likutis] : atvejai) {
    Eilutes sakiniai;
    std::string likutis = "stale";
    SkaidytiSakinius(tekstas, sakiniai, likutis);
    EXPECT_EQ(std::tie(sakiniai, likutis), std::tie(tiketini, tiketinas_likutis)) << tekstas;
  }
}

// Pieces fed one after another split exactly as each piece with the remainder so far put
// directly in front of it.
TEST(SakiniuSkaidytojas, SplitsLineByLineAsTheRemainderFollowedByTheLine) {
  const std::string_view dalys[] = {".", "!", "?", ":", "\r", " ", "  ", "A", "b", "3", "\"", ") "};
  std::mt19937 atsitiktinis(1257);
  for (int bandymas = 0; bandymas < 2000; ++bandymas) {
    SakiniuSkaidytojas skaidytojas;
    std::string likutis;
    for (int eilute = 0; eilute < 4; ++eilute) {
      std::string tekstas;
      for (auto i = atsitiktinis() % 6; i > 0; --i)
        tekstas += dalys[atsitiktinis() % std::size(dalys)];
      Eilutes is_naujo, is_eiles;
      SkaidytiSakinius(likutis + tekstas, is_naujo, likutis);
      skaidytojas.Skaidyti(tekstas, is_eiles);
      ASSERT_EQ(is_eiles, is_naujo) << bandymas;
      ASSERT_EQ(skaidytojas.Likutis(), likutis) << bandymas;
    }
  }
}

TEST(SkaidytiZodzius, PunctuationBecomesSeparatorWordsAndOnlyAsciiCapitalsCount) {
  TSakinys s = Zodziai("He said (well-known) things.");
  EXPECT_EQ(Anglu(s), (Eilutes{"he", "said", "(", "well", "-", "known", ")", "things", "."}));
  EXPECT_EQ(s.ZodziuSk, 9);
  EXPECT_EQ(s.Zodziai[2].KalbosDalis, dSkyriklis);
  EXPECT_EQ(s.Zodziai[2].Liet, "(");  // punctuation carries its own text
  EXPECT_EQ(s.Zodziai[1].Liet, "");
  // Every separator but the space makes a word; other marks stay inside words.
  EXPECT_EQ(Zodziai("a!b\"c(d)e,f-g.h/i:j;k?l[m\\n]o{p}q r").Kiekis(), 18 + 16);
  EXPECT_EQ(Anglu(Zodziai("3.5 don't john's a\tb x\r\ny a*b <c>")),
            (Eilutes{"3.5", "don't", "john's", "a", "b", "x", "\r", "y", "a*b", "<c>"}));
  // Only a mark with a digit on both sides stays inside a number.
  EXPECT_EQ(Anglu(Zodziai("1,000 at 10:30. 3. 5 .5 7,")),
            (Eilutes{"1,000", "at", "10:30", ".", "3", ".", "5", ".", "5", "7", ","}));
  EXPECT_EQ(Zodziai(" \t\n ").ZodziuSk, 0);

  s = Zodziai("\tI saw ŽALIAS in Vilnius"_lt);  // an indented line
  EXPECT_EQ(Anglu(s), (Eilutes{"i", "saw", std::string("Žalias"_lt), "in", "vilnius"}));
  EXPECT_EQ(s.Zodziai[0].Tikrinis, 1);
  EXPECT_EQ(s.Zodziai[2].Tikrinis, 0);  // only A..Z count as capitals
  EXPECT_EQ(s.Zodziai[4].Tikrinis, 1);  // the last token, with no punctuation after it
}

TEST(ValytiSaltiniIrVerti, DropEmptyAndSingleSpaceWordsKeepingTheOrderOfTheRest) {
  TSakinys s, vertimas;
  for (std::string_view tekstas : {"", "a", " ", "  ", "", "b", " ", ""}) {
    TZodis z;
    z.Angl = z.Liet = tekstas;
    s.Zodziai.Prideti(z);
    vertimas.Zodziai.Prideti(z);
  }
  ValytiSaltini(s);
  ValytiVerti(vertimas);
  for (const TSakinys* t : {&s, &vertimas}) EXPECT_EQ(Anglu(*t), (Eilutes{"a", "  ", "b"}));
}

TEST(IsskleistiSutrumpinimus, EveryContractionBecomesTwoWordsInPlace) {
  TSakinys s = Zodziai("Aren't isn't we're he's haven't I've I'm don't can't won't cannot "
                       "they'll you'd Tom's let's o'clock don’t"_lt);
  IsskleistiSutrumpinimus(s);
  EXPECT_EQ(Anglu(s), (Eilutes{"are", "not", "is", "not", "we", "are", "he", "'s", "have", "not",
                               "i", "have", "i", "am", "do", "not", "can", "not", "will", "not",
                               "can", "not", "they", "will", "you", "'d", "tom", "'s", "let's",
                               "o'clock", "do", "not"}));
  EXPECT_EQ(s.Zodziai[0].Tikrinis, 1);  // the first word keeps the capital, the second has none
  EXPECT_EQ(s.Zodziai[1].Tikrinis, 0);
  for (int i = 0; i < s.Kiekis(); ++i) EXPECT_EQ(s.Zodziai[i].Liet, "") << i;  // left to lookup
  s = Zodziai("i'm sure i'm right");
  IsskleistiSutrumpinimus(s);
  EXPECT_EQ(Anglu(s), (Eilutes{"i", "am", "sure", "i", "am", "right"}));  // every one
}

// A target sentence; "," "." "(" "\"" ... are separators, a leading '^' marks `Tikrinis`.
TSakinys Vertimas(std::initializer_list<std::string_view> zodziai) {
  TSakinys s;
  for (std::string_view tekstas : zodziai) {
    TZodis z;
    const bool skyriklis =
        tekstas.size() == 1 && std::string_view(",.!?():\"").find(tekstas) != std::string_view::npos;
    z.KalbosDalis = skyriklis ? dSkyriklis : dDaiktavardis;
    z.Tikrinis = tekstas.starts_with('^');
    z.Liet = tekstas.substr(z.Tikrinis);
    s.Zodziai.Prideti(z);
  }
  return s;
}

TEST(IsvestiSakini, SpacesPunctuationAndCapitals) {
  Eilutes isvestis{"earlier"};
  IsvestiSakini(Vertimas({"labas", ",", "pasauli", "!"}), isvestis);
  IsvestiSakini(Vertimas({"", ""}), isvestis);  // a sentence without text adds no line
  EXPECT_EQ(isvestis, (Eilutes{"earlier", "Labas, pasauli! "}));

  // An opening bracket keeps its space before it, not after it.
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"kas", "?", "žodis"_lt, "(", "(", "kitas", ")", "."})),
            "Kas? žodis ((kitas). "_lt);
  // A word after an ender inside the line gets one space, not two.
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"žr"_lt, ".", "puslapį"_lt})), "Žr. puslapį"_lt);
  // The first word with text takes the capital; words without text leave no trace.
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"", "", "ąžuolas"_lt, "", "auga", ".", ""})),
            "Ąžuolas auga. "_lt);
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"į"_lt, "^šiaulius"_lt, "ir", "^vilnių"_lt})),
            "Į Šiaulius ir Vilnių"_lt);
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({".", "taip"})), ". taip");  // no space after a first mark
}

// Quotation marks take turns opening and closing: an opening one takes its space before it and
// passes the capital of the sentence start on; a closing one goes before an ender's space.
TEST(IsvestiSakini, QuotationMarksOpenAndCloseAndTheFirstWordInsideTakesTheCapital) {
  EXPECT_EQ(
      IsvestiSakiniTekstu(Vertimas({"\"", "aš"_lt, "matau", ",", "\"", "jis", "sakė"_lt, "."})),
      "\"Aš matau,\" jis sakė. "_lt);
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"ji", "klausė"_lt, ":", "\"", "^kur", "?", "\""})),
            "Ji klausė: \"Kur?\" "_lt);
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"(", "\"", "taip", "\"", ")", "."})), "(\"Taip\"). ");
}

// A line break that reaches a word (a carriage return of the English text, or a damaged
// dictionary entry's text) would split the line in every editor and file it is written to.
TEST(IsvestiSakini, LineBreakInsideAWordCannotSplitTheLine) {
  EXPECT_EQ(IsvestiSakiniTekstu(Vertimas({"gre\ntai", "bėga"_lt, "x\ry\vz\fw", "."})),
            "Gre tai bėga x y z w. "_lt);
}

TEST(DidziojiRaide, UpperCasesTheFirstLetterLithuanianLettersIncluded) {
  const std::string_view mazosios = "ąčęėįšųūžaz"_lt, didziosios = "ĄČĘĖĮŠŲŪŽAZ"_lt;
  for (std::size_t i = 0; i < mazosios.size(); ++i)
    EXPECT_EQ(DidziojiRaide(std::string{mazosios[i], 'x'}), (std::string{didziosios[i], 'x'})) << i;
  for (std::string_view tekstas : {"3 kartai"_lt, "Ąžuolas"_lt, "āboli"_lt, "ölė"_lt, ""_lt})
    EXPECT_EQ(DidziojiRaide(tekstas), tekstas);
}

}  // namespace
}  // namespace kervosta
