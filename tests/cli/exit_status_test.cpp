// What every subcommand does with bad usage and unreadable files: exit 1 or 2, one line on
// standard error naming the problem, nothing on standard output.
#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using ExitStatus = Paleidimas;

TEST_F(ExitStatus, BadUsageIsOneAndAnUnreadableFileIsTwo) {
  Rasyti("good.zodtxt", "pos=1\n");
  Rasyti("broken.zod", std::string(100, 'x'));  // shorter than one record
  const struct { std::string Argumentai; int Busena; std::string Klaida; } atvejai[] = {
      {"translate --bogus", 1, "unknown option '--bogus'"},
      {"analyse --dictionary good.zodtxt", 1, "no TEXT"},
      {"analyse \"$(printf '\\377')\"", 1, "malformed UTF-8 at byte offset 0"},
      {"lookup boy girl", 1, "exactly one WORD"},
      {"lookup \"$(printf '\\377')\"", 1, "not valid UTF-8"},
      {"dict dump a b", 1, "dump takes one FILE"},
      {"inflect bogus", 1, "unknown kind 'bogus'"},
      {"inflect verb moky mok mok 7 3 -1", 1, "FUTURE_CLASS must be a number from 0 to 2"},
      {"inflect verb moky mok mok 7 3", 1, "expected INFINITIVE_STEM"},
      {"inflect verb " + std::string(33, 'a') + " mok mok 7 3 1", 1, "more than 32"},
      {"inflect noun 日 0", 1, "Windows-1257 cannot hold"},
      {"inflect noun jaut 17", 1, "PARADIGM must be a number from 0 to 16"},
      {"inflect numeral ordinal tre 2", 1, "PARADIGM must be a number from 0 to 1"},
      {"inflect noun " + std::string(33, 'a') + " 0", 1, "STEM holds more than 32"},
      {"forms good.zodtxt", 1, "unexpected argument 'good.zodtxt'"},
      {"forms --dictionary", 1, "needs a FILE"},
      {"forms --dictionary missing.zod", 2, "'missing.zod': File not found"},
      {"translate missing.txt", 2, "'missing.txt'"},
      {"translate --user-dictionary missing.dic", 2, "'missing.dic': File not found"},
      {"translate --dictionary broken.zod", 2, "Read beyond end of file"},
      {"lookup --dictionary missing.zod boy", 2, "'missing.zod': File not found"},
      {"dict dump missing.zod", 2, "File not found"},
      {"dict compile good.zodtxt no-folder/out.zod", 2, "'no-folder/out.zod'"},
  };
  for (const auto& a : atvejai) {
    const Rezultatas r = Paleisti(a.Argumentai, "Text.\n");
    EXPECT_EQ(r.Busena, a.Busena) << a.Argumentai;
    EXPECT_EQ(r.Isvestis, "") << a.Argumentai;
    EXPECT_EQ(Eiluciu(r.Klaidos), 1u) << a.Argumentai << ": " << r.Klaidos;
    EXPECT_THAT(r.Klaidos, HasSubstr(a.Klaida)) << a.Argumentai;
  }
}

TEST_F(ExitStatus, EveryCommandAnswersHelp) {
  for (std::string vardas :
       {"", "translate", "analyse", "lookup", "dict", "inflect", "coverage", "forms"}) {
    const Rezultatas r = Paleisti(vardas + " --help");
    EXPECT_EQ(r.Busena, 0) << vardas;
    EXPECT_EQ(r.Isvestis.rfind("Usage: kervosta-cli " + vardas, 0), 0u) << vardas;
  }
}

}  // namespace
}  // namespace kervosta::bandymai
