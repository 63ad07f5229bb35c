// kervosta-cli forms: every form of every entry, the form in the last of four columns.
#include <sstream>
#include <vector>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Forms = Paleidimas;

TEST_F(Forms, EveryFormOfTheMainThenTheUserDictionary) {
  Zodynas("main.zod",
          "pos=1\ten=dog|dog|dogs\tlt=šuo\tstem=š\tp1=15\n"
          "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\t"
          "fut=maty\tp1=3\tp2=1\n"
          "pos=7\ten=the\n");
  Zodynas("user.dic", "pos=4\ten=very\tlt=labai\n");
  const Rezultatas r = Paleisti("forms --user-dictionary user.dic");
  ASSERT_EQ(r.Busena, 0) << r.Klaidos;
  for (const char* eilute :
       {"\ndog\tšuo\tnoun sg 1\tšuo\n", "\ndog\tšuo\tnoun sg 2\tšuns\n",
        "\nsee\tmatyti\tverb past 1\tmačiau\n", "\nsee\tmatyti\tverb imperative 3\ttegul mato\n",
        "\nvery\tlabai\tword\tlabai\n"})
    EXPECT_THAT("\n" + r.Isvestis, HasSubstr(eilute));
  // The noun's 14 cases, the verb's 1 + 5 * 6 + 5 + 6 * 24 forms, the adverb; the article has no
  // Lithuanian word.
  EXPECT_EQ(Eiluciu(r.Isvestis), 14u + 180 + 1);
  EXPECT_THAT(r.Isvestis, EndsWith("\nvery\tlabai\tword\tlabai\n"));
}

// A damaged entry may hold a TAB or a line break in a text, which must not shift the form out of
// the last column: the headword's second byte and the word's second and fourth are overwritten.
TEST_F(Forms, ControlCharacterInAStoredTextCannotBreakTheColumns) {
  Zodynas("main.zod", "pos=4\ten=a-b\tlt=x-y-z\traw=26:09,198:09,200:0A\n");
  EXPECT_EQ(Paleisti("forms --dictionary main.zod").Isvestis, "a b\tx y z\tword\tx y z\n");
}

}  // namespace
}  // namespace kervosta::bandymai
