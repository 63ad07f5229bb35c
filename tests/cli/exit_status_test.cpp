// What every subcommand does with bad usage and unreadable files: exit 1 or 2, one line on
// standard error naming the problem, nothing on standard output.
#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using ExitStatus = Paleidimas;

TEST_F(ExitStatus, BadUsageIsOneAndAnUnreadableFileIsTwo) {
  Rasyti("good.zodtxt", "pos=1\n");
  Rasyti("broken.zod", std::string(100, 'x'));  // shorter than one record
  std::filesystem::create_directory(katalogas_ / "folder");
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
      {"inflect noun \"$(printf 'ja\\tut')\" 0", 1, "STEM 'ja\\tut' holds a control character"},
      {"inflect pronoun \"$(printf 'v\\nien')\" 0", 1, "STEM 'v\\nien' holds a control"},
      {"inflect verb moky \"$(printf 'mok\\r')\" mok 7 3 1", 1, "PRESENT_STEM 'mok\\r' holds"},
      {"forms good.zodtxt", 1, "unexpected argument 'good.zodtxt'"},
      {"coverage --bogus good.zodtxt", 1, "unknown option '--bogus'"},
      {"coverage good.zodtxt good.zodtxt", 1, "name exactly one FILE"},
      {"forms --dictionary", 1, "needs a FILE"},
      {"forms --dictionary missing.zod", 2, "'missing.zod': File not found"},
      {"translate missing.txt", 2, "'missing.txt'"},
      {"translate --user-dictionary missing.dic", 2, "'missing.dic': File not found"},
      {"translate --dictionary broken.zod", 2, "Read beyond end of file"},
      {"lookup --dictionary missing.zod boy", 2, "'missing.zod': File not found"},
      {"dict dump missing.zod", 2, "File not found"},
      {"dict compile good.zodtxt no-folder/out.zod", 2, "'no-folder/out.zod'"},
      // A folder where a file belongs is named as such.
      {"translate --dictionary folder", 2, "'folder': Not a regular file"},
      {"dict compile good.zodtxt folder", 2, "'folder': Not a regular file"},
      {"translate folder", 2, "cannot read 'folder': Is a directory"},
      {"coverage folder", 2, "cannot read 'folder': Is a directory"},
      // Control characters in quoted names are shown escaped, on the message's one line.
      {"\"$(printf 'x\\ry')\"", 1, "unknown command 'x\\ry'"},
      {"translate \"$(printf 'a\\rb\\nc')\"", 2, "cannot read 'a\\rb\\nc'"},
      {"lookup --bogus\"$(printf '\\033')\"[2J x", 1, "unknown option '--bogus\\x1B[2J'"},
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
  for (std::string vardas : {"", "translate", "analyse", "lookup", "dict", "inflect", "coverage",
                             "forms", "page", "paradigm"}) {
    const Rezultatas r = Paleisti(vardas + " --help");
    EXPECT_EQ(r.Busena, 0) << vardas;
    EXPECT_EQ(r.Isvestis.rfind("Usage: kervosta-cli " + vardas, 0), 0u) << vardas;
  }
}

// The default dictionary is main.zod in the current folder, else beside the program; a copy of
// the program in the scratch folder has neither. Silently translating with no dictionary at all
// looked like a working translation of poor quality.
TEST_F(ExitStatus, NoDictionaryFoundIsAnErrorNamingWhereItLooked) {
  ASSERT_EQ(Apvalkalas("cp '" KERVOSTA_CLI "' kervosta-cli"), 0);
  Rasyti("in.txt", "I see a big house.\n");
  Rasyti("stdin", "I see a big house.\n");
  const std::string kur = "looked for '" + (katalogas_ / "main.zod").string() + "')";
  for (std::string komanda : {"translate", "coverage in.txt", "lookup see", "analyse I see",
                              "paradigm see", "page in.txt", "forms"}) {
    const int busena = Apvalkalas("./kervosta-cli " + komanda + " <stdin >stdout 2>stderr");
    EXPECT_EQ(busena, 2) << komanda;
    EXPECT_EQ(Skaityti("stdout"), "") << komanda;
    EXPECT_THAT(Skaityti("stderr"), HasSubstr("no dictionary found (" + kur)) << komanda;
    EXPECT_THAT(Skaityti("stderr"), HasSubstr("--no-dictionary")) << komanda;
  }
  // Asked for, no dictionary is no error: the built-in words are still known.
  for (std::string bez : {"--no-dictionary", "--dictionary ''", "--dictionary x --no-dictionary"}) {
    EXPECT_EQ(Apvalkalas("./kervosta-cli translate " + bez + " <stdin >stdout 2>stderr"), 0) << bez;
    EXPECT_EQ(Skaityti("stdout"), "Aš see a big house. \n") << bez;
  }
}

// Every command's output is checked once, after it ends: a full disk or a closed reader is an
// error, not a success with the output lost.
TEST_F(ExitStatus, AFailedWriteOfStandardOutputIsAnError) {
  Zodynas("main.zod", "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n");
  Rasyti("in.txt", "The boy.\n");
  for (std::string komanda : {"--help", "translate --help", "translate in.txt", "lookup boy",
                              "analyse boy", "paradigm boy", "page in.txt", "forms",
                              "coverage in.txt", "inflect noun jaut 3", "dict dump main.zod"}) {
    const int busena = Apvalkalas("'" KERVOSTA_CLI "' " + komanda + " <in.txt >/dev/full 2>stderr");
    EXPECT_EQ(busena, 2) << komanda;
    EXPECT_THAT(Skaityti("stderr"), HasSubstr(": cannot write standard output\n")) << komanda;
  }
}

}  // namespace
}  // namespace kervosta::bandymai
