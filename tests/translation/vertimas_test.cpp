#include "translation/vertimas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/cp1257.h"
#include "tests/analysis/grupavimas_zodziai.h"
#include "translation/eiluciu_sarasai.h"

namespace kervosta {
namespace {

using namespace literals;
using Eilutes = std::vector<std::string>;

// Stands in for the sentence pipeline and shows exactly which sentence strings reach it.
void Zymeti(std::string_view sakinys, std::vector<std::string>& isvestis) {
  isvestis.push_back("<" + std::string(sakinys) + ">");
}

Eilutes Versti(Eilutes anglu) {
  EiluciuKaupiklis lietuviu;
  VerstiEilutes(Zymeti, EiluciuSarasas(std::move(anglu)), lietuviu);
  return lietuviu.Eilutes;
}

// A sentence is translated on the line where it ends; the line breaks inside it separate words.
TEST(VerstiEilutes, OneLinePerInputLineWithEachSentenceTranslatedWhereItEnds) {
  EXPECT_EQ(Versti({"Hello. World.", "This is", "a test.", "no end"}),
            (Eilutes{"<Hello.>< World.>", "", "<This is a test.>", "", "<no end>"}));
  EXPECT_EQ(Versti({"One", "", "two", "three."}), (Eilutes{"", "", "", "<One  two three.>"}));
  EXPECT_EQ(Versti({"Done. ", "Next."}), (Eilutes{"<Done.>", "<  Next.>"}));
  EXPECT_EQ(Versti({"Done.", ""}), (Eilutes{"<Done.>", ""}));
  EXPECT_EQ(Versti({}), Eilutes{});
}

// A stream is answered line by line: each line's translation depends on the lines before it
// only, and a text's unfinished tail is given only when the text ends.
TEST(EiluciuVertimas, AnswersEachLineBeforeTheNextOneAndTheTailAtTheEnd) {
  EiluciuVertimas vertimas(Zymeti);
  EXPECT_EQ(vertimas.Versti("Hello. This"), "<Hello.>");
  EXPECT_EQ(vertimas.Versti("is"), "");
  EXPECT_EQ(vertimas.Versti("it. And"), "< This is it.>");
  std::string likutis;
  EXPECT_TRUE(vertimas.Baigti(likutis));
  EXPECT_EQ(likutis, "< And>");

  EiluciuVertimas kitas(Zymeti);
  EXPECT_EQ(kitas.Versti("Done."), "<Done.>");
  EXPECT_FALSE(kitas.Baigti(likutis));
}

TEST(VerstiTeksta, TranslatesTheSentencesThenTheRemainderIntoOneString) {
  EXPECT_EQ(VerstiTeksta(Zymeti, "Hi. There\rtail"), "<Hi.>< There\r><tail>");
  EXPECT_EQ(VerstiTeksta(Zymeti, ""), "");
}

// Any text, hostile bytes included, translates without a fault into one line per line plus at
// most one for the unfinished tail.
TEST(VerstiEilutes, AnyTextTranslatesToOneLinePerLinePlusAtMostOne) {
  const std::string_view dalys[] = {"i'm", "he's", "aren't", "don't", "The", "big", "boy",
                                    "is", "I", ". ", "?", ":", "!", "\r", " ", "  ", "(", ")",
                                    "-", "3.5", "\"", ",", "Ž"_lt, "ž"_lt, "'", "did", "not",
                                    "see", "books", "to", "station", "will", "have", "done"};
  std::mt19937 atsitiktinis(1257);
  for (int bandymas = 0; bandymas < 300; ++bandymas) {
    Eilutes anglu(1 + bandymas % 4);
    for (std::string& eilute : anglu) {
      for (int i = bandymas % 23; i > 0; --i) {
        const std::size_t d = atsitiktinis() % (std::size(dalys) + 1);
        eilute += d < std::size(dalys) ? std::string(dalys[d])
                                       : std::string(1, static_cast<char>(atsitiktinis()));
      }
    }
    EiluciuKaupiklis lietuviu;
    VerstiEilutes(testai::TestoAplinka(), EiluciuSarasas(anglu), lietuviu);
    EXPECT_GE(lietuviu.Eilutes.size(), anglu.size());
    EXPECT_LE(lietuviu.Eilutes.size(), anglu.size() + 1);
  }
}

// Cancelling at a question ends the run: the lines finished before it stay, the line it was
// asked on and the lines after it are never appended.
TEST(VerstiEilutes, CancellingAQuestionKeepsTheLinesDone) {
  struct Atsaukiantis : KoregavimoKlausejas {
    int Kartai = 0;
    int Klausti(std::uint8_t, const std::string&, const std::string&, int, Aplinka&) override {
      ++Kartai;
      return AtsauktiVertima;
    }
  } klausejas;
  Aplinka aplinka = testai::NaujaTestoAplinka();
  aplinka.AutomatinisVertimas = 0;
  aplinka.Klausejas = &klausejas;
  EiluciuKaupiklis lietuviu;
  EXPECT_THROW(VerstiEilutes(aplinka, EiluciuSarasas({"The boy.", "The zzz boy.", "A boy."}),
                             lietuviu),
               VertimasAtsauktas);
  EXPECT_EQ(lietuviu.Eilutes, (Eilutes{"Berniukas. "}));
  EXPECT_EQ(klausejas.Kartai, 1);
}

}  // namespace
}  // namespace kervosta
