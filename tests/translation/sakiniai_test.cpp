// Whole sentences through the translation driver over a small dictionary: lookup, verb groups,
// grouping and generation together.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"
#include "translation/vertimas.h"

namespace kervosta {
namespace {

// One or two entries of every part of speech the sentences need.
constexpr std::string_view Zodynas =
    "pos=7\ten=the\n"
    "pos=7\ten=a\n"
    "pos=1\tcat=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\tp1=0\tp2=0\n"
    "pos=1\tcat=2\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
    "pos=1\tcat=2\ten=bus|bus|buses\tlt=autobusas\tstem=autobus\tp1=0\tp2=0\n"
    "pos=1\tcat=6\ten=station|station|stations\tlt=stotis\tstem=stot\tp1=12\tp2=1\n"
    "pos=1\tcat=1\ten=teacher|teacher|teachers\tlt=mokytojas\tstem=mokytoj\tp1=0\tp2=0\n"
    "pos=3\tcat=0\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\t"
    "fut=maty\tp1=3\tp2=1\tp3=0\tq=4\n"
    "pos=3\tcat=2\ten=go|goes|went|gone|going\tlt=eiti\tstem=ei\tpres=ein\tpast=ėj\tfut=ei\t"
    "p1=0\tp2=0\tp3=0\n"
    "pos=3\tcat=1\tattr=1\ten=know|knows|knew|known|knowing\tlt=žinoti\tstem=žino\tpres=žin\t"
    "past=žinoj\tfut=žino\tp1=3\tp2=0\tp3=0\tq=4\n"
    "pos=5\ten=big|big|bigger|biggest\tlt=didelis\tstem=didel\tp1=2\tp2=3\n"
    "pos=4\ten=very\tlt=labai\n"
    "pos=4\ten=home\tlt=namo\n"
    "pos=8\tattr=4\ten=to\tlt=į\n"
    "pos=10\ten=and\tlt=ir\n";

class Sakiniai : public ::testing::Test {
 protected:
  Sakiniai() {
    UzpildytiVidiniusIrasus(aplinka.Zodynai);
    SkaitytiZodynoTeksta(Zodynas, aplinka.Zodynai.PagrindinisZodynas);
    aplinka.AutomatinisVertimas = 1;
  }

  // The sentence's line in UTF-8.
  std::string Versti(std::string_view anglu) {
    std::vector<std::string> isvestis;
    VerstiSakini(aplinka, IsUtf8(anglu).Tekstas, isvestis);
    return isvestis.size() == 1 ? IUtf8(isvestis[0]) : "(" + std::to_string(isvestis.size()) + " lines)";
  }

  Aplinka aplinka;
};

TEST_F(Sakiniai, KnownSentencesTranslate) {
  const std::pair<std::string_view, std::string_view> atvejai[] = {
      {"The boy did not see the book.", "Berniukas nematė knygos. "},
      {"The boy saw the book.", "Berniukas matė knygą. "},
      {"The boy did not see him.", "Berniukas nematė jo. "},
      {"I will not go.", "Aš neeisiu. "},
      {"The book is done.", "Knyga yra daryta. "},
      {"To go.", "Eiti. "},
      {"Go home.", "Eikite namo. "},
      {"Do you know?", "Ar jūs žinote? "},
      {"The bus station.", "Autobuso stotis. "},
      {"The boy went to the station.", "Berniukas ėjo į stotį. "},
      // The adverb stands between: the preposition does not reach the noun group.
      {"The boy went to very big station.", "Berniukas ėjo į labai didelė stotis. "},
      {"The book is seen.", "Knyga yra matyta. "},
      {"The boy is seen.", "Berniukas yra matytas. "},
      {"I see 2 books.", "Aš matau 2 knygas. "},
  };
  for (const auto& [anglu, lietuviu] : atvejai) EXPECT_EQ(Versti(anglu), lietuviu) << anglu;
}

TEST_F(Sakiniai, NegatedBeKeepsThePredicateInTheNominative) {
  const std::string eilute = Versti("The boy is not a teacher.");
  EXPECT_NE(eilute.find(" mokytojas."), std::string::npos) << eilute;
}

TEST_F(Sakiniai, GrammarOffKeepsTheLookedUpCases) {
  aplinka.GramatineAnalize = 0;
  EXPECT_EQ(Versti("The boy did not see the book."), "Berniukas nematė knyga. ");
}

}  // namespace
}  // namespace kervosta
