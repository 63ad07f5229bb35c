// kervosta-cli analyse: the words with their features, then the groups with their roles.
#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Analyse = Paleidimas;

// "boy" (berniuk, paradigm 0), "see" (mat-, irregular), "book" (knyg, paradigm 5), "not", and
// "the" with no Lithuanian word.
constexpr std::string_view Zodziai =
    "pos=7\ten=the\n"
    "pos=1\tcat=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
    "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\tfut=maty\t"
    "p1=3\tp2=1\tq=4\n"
    "pos=1\tcat=2\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
    "pos=4\ten=not\tlt=ne\n";

TEST_F(Analyse, ShowsWordsFeaturesGroupsAndRoles) {
  Zodynas("test.zod", Zodziai);
  const Rezultatas r = Paleisti("analyse --dictionary test.zod \"The boy did not see the book.\"");
  ASSERT_EQ(r.Busena, 0) << r.Klaidos;
  const std::string& o = r.Isvestis;
  // "did" is absorbed into the negated past of "see"; only words with Lithuanian text remain.
  EXPECT_THAT(o, HasSubstr("\tdid\tdalis=10 "));
  EXPECT_THAT(o, HasSubstr("\tsee\tdalis=2 linksnis=3 skaicius=0 gimine=0 laipsnis=0 nuosaka=0 "
                           "laikas=3 forma=2 asmuo=3 teigiamas=0 "));
  const auto lietuviu = o.find("Lietuviškas sakinys\n\tberniukas\t");
  ASSERT_NE(lietuviu, std::string::npos) << o;
  EXPECT_EQ(o.find("\tdid\t", lietuviu), std::string::npos) << o;
  EXPECT_THAT(o, EndsWith("Sintaksinės struktūros\n"
                          "\tDaikt.F.\tSubjektas - veiksnys\n\t\tthe\n\t\tboy\n"
                          "\tKita.F.\n\t\tdid\n\tTarnyb.F.\n\t\tnot\n\tVeiksm.F.\n\t\tsee\n"
                          "\tDaikt.F.\tTiesioginis papildinys\n\t\tthe\n\t\tbook\n"
                          "\tSkyr/Junk.F.\n\t\t.\n"));
  // Words after the options make one text; a text without words prints nothing.
  EXPECT_THAT(Paleisti("analyse --dictionary test.zod Do you see").Isvestis,
              HasSubstr("\t\tyou\n\tVeiksm.F.\n\t\tsee\n"));
  EXPECT_EQ(Paleisti("analyse ''").Isvestis, "");
}

}  // namespace
}  // namespace kervosta::bandymai
