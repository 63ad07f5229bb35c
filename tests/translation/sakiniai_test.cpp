// Whole sentences through the translation driver over a small dictionary: lookup, verb groups,
// grouping and generation together.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cp1257.h"
#include "tests/analysis/grupavimas_zodziai.h"
#include "translation/vertimas.h"

namespace kervosta {
namespace {

class Sakiniai : public ::testing::Test {
 protected:
  // The sentence's line in UTF-8.
  std::string Versti(std::string_view anglu) {
    std::vector<std::string> isvestis;
    VerstiSakini(aplinka, IsUtf8(anglu).Tekstas, isvestis);
    if (isvestis.size() != 1) return "(" + std::to_string(isvestis.size()) + " lines)";
    return IUtf8(isvestis[0]);
  }

  Aplinka aplinka = testai::NaujaTestoAplinka();
};

TEST_F(Sakiniai, KnownSentencesTranslate) {
  const std::pair<std::string_view, std::string_view> atvejai[] = {
      {"The boy did not see the book.", "Berniukas nematė knygos. "},
      {"The boy saw the book.", "Berniukas matė knygą. "},
      {"The boy did not see him.", "Berniukas nematė jo. "},
      {"I will not go.", "Aš neeisiu. "},
      {"I won't go.", "Aš neeisiu. "},
      {"The book is done.", "Knyga yra daryta. "},
      {"To go.", "Eiti. "},
      {"Go home.", "Eikite namo. "},
      {"Don't go home.", "Neeikite namo. "},
      {"Do you know?", "Ar jūs žinote? "},
      {"Did you know?", "Ar jūs žinojote? "},
      {"The bus station.", "Autobuso stotis. "},
      {"The boy went to the station.", "Berniukas ėjo į stotį. "},
      // The adverb stands between: the preposition does not reach the noun group.
      {"The boy went to very big station.", "Berniukas ėjo į labai didelė stotis. "},
      {"The book is seen.", "Knyga yra matyta. "},
      {"The boy is seen.", "Berniukas yra matytas. "},
      {"The books are seen.", "Knygos yra matytos. "},
      {"The books were seen.", "Knygos buvo matytos. "},
      {"The books were not seen.", "Knygos nebuvo matytos. "},
      // One negation and one verb where English has two auxiliaries.
      {"The book won't be seen.", "Knyga nebus matyta. "},
      {"The boy will not be going.", "Berniukas neeis. "},
      {"They have seen the book.", "Jie matė knygą. "},
      {"They had not seen the book.", "Jie nematė knygos. "},
      {"I can not go.", "Aš negaliu eiti. "},
      // An active participle stands in the nominative and agrees with its subject.
      {"She will have gone.", "Ji bus ėjusi. "},
      {"They will have seen the book.", "Jie bus matę knygą. "},
      {"I see 2 books.", "Aš matau 2 knygas. "},
      // "come" is also its own past participle, which needs "have" or "be" in front.
      {"The boys come.", "Berniukai ateina. "},
      {"The boy will come.", "Berniukas ateis. "},
      {"The boy has come.", "Berniukas atėjo. "},
      // English capitalises "I" everywhere; Lithuanian only at the start of the sentence. A
      // subject joined by "and" is plural.
      {"The boy and I see the book.", "Berniukas ir aš matome knygą. "},
      // "būti" takes its own third persons, fuses with "ne" and keeps the predicate nominative.
      {"They are boys.", "Jie yra berniukai. "},
      {"The boy is not a teacher.", "Berniukas nėra mokytojas. "},
      {"I am not a teacher.", "Aš nesu mokytojas. "},
      {"We are not teachers.", "Mes nesame mokytojai. "},
      {"The boy will be a teacher.", "Berniukas bus mokytojas. "},
      {"I will be a teacher.", "Aš būsiu mokytojas. "},
  };
  for (const auto& [anglu, lietuviu] : atvejai) EXPECT_EQ(Versti(anglu), lietuviu) << anglu;
}

TEST_F(Sakiniai, GrammarOffKeepsTheLookedUpCases) {
  aplinka.GramatineAnalize = 0;
  EXPECT_EQ(Versti("The boy did not see the book."), "Berniukas nematė knyga. ");
  EXPECT_EQ(Versti("Go home."), "Eina namo. ");  // no command either
}

}  // namespace
}  // namespace kervosta
