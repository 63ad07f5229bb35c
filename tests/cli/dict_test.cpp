// kervosta-cli dict: a dictionary file as text and back.
#include <random>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Dict = Paleidimas;

// Records of random bytes: length bytes above 32, controls in the texts, reserved bytes set.
std::string KeistasZodynas(int irasu) {
  std::mt19937 generatorius(2);
  std::string turinys(irasu * 460, '\0');
  for (char& c : turinys) c = static_cast<char>(generatorius());
  return turinys;
}

TEST_F(Dict, DumpThenCompileOfSeveralTextsReproducesTheFileByteForByte) {
  Rasyti("odd.zod", KeistasZodynas(40));
  ASSERT_EQ(Paleisti("dict dump odd.zod").Busena, 0) << Skaityti("stderr");
  const std::string tekstas = Skaityti("stdout");
  ASSERT_EQ(Eiluciu(tekstas), 40u);
  const std::size_t puse = tekstas.find('\n', tekstas.size() / 2) + 1;
  Rasyti("a.zodtxt", "# first half\n" + tekstas.substr(0, puse));
  Rasyti("b.zodtxt", tekstas.substr(puse));
  ASSERT_EQ(Paleisti("dict compile a.zodtxt b.zodtxt again.zod").Busena, 0) << Skaityti("stderr");
  EXPECT_EQ(Skaityti("again.zod"), Skaityti("odd.zod"));
}

TEST_F(Dict, MalformedTextIsNamedByFileAndLineAndWritesNothing) {
  Rasyti("out.zod", "old");
  Rasyti("good.zodtxt", "pos=1\n");
  Rasyti("bad.zodtxt", "pos=1\n\npos=2\tcolour=red\n");
  const Rezultatas r = Paleisti("dict compile good.zodtxt bad.zodtxt out.zod");
  EXPECT_EQ(r.Busena, 1);
  EXPECT_THAT(r.Klaidos, HasSubstr("bad.zodtxt:3: unknown key 'colour'"));
  EXPECT_EQ(Skaityti("out.zod"), "old");
}

TEST_F(Dict, ControlBytesOfTheLineAreShownInTheMessageNotCutOrEchoedRaw) {
  Rasyti("bad.zodtxt", std::string("pos=1\tco\0l\rour=red\n", 19));
  const Rezultatas r = Paleisti("dict compile bad.zodtxt out.zod");
  EXPECT_EQ(r.Busena, 1);
  EXPECT_THAT(r.Klaidos, HasSubstr("bad.zodtxt:1: unknown key 'co\\x00l\\x0dour'"));
}

TEST_F(Dict, DumpOfABrokenTailShowsTheWholeRecordsThenFails) {
  Rasyti("cut.zod", KeistasZodynas(2).substr(0, 460 + 100));
  const Rezultatas r = Paleisti("dict dump cut.zod");
  EXPECT_EQ(r.Busena, 2);
  EXPECT_EQ(Eiluciu(r.Isvestis), 1u);
  EXPECT_THAT(r.Klaidos, HasSubstr("Read beyond end of file"));
}

}  // namespace
}  // namespace kervosta::bandymai
