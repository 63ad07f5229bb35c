// kervosta-cli lookup; main.zod in the current folder is the default dictionary.
#include <utility>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Lookup = Paleidimas;

// "been" is the built-in entry 3 (is) as a past participle; "boys'" is both the singular's and the
// plural's possessive; the main dictionary's candidates come before the user's.
TEST_F(Lookup, BuiltInWordsThenEveryDictionaryCandidate) {
  Zodynas("main.zod",
          "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
          "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n");
  Zodynas("user.dic", "pos=1\ten=bank|bank|banks\tlt=krantas\tstem=krant\n");
  const std::pair<std::string, std::string> atvejai[] = {
      {"BEEN", "been\tyra\tbū\t2\t0\t0\t0\t0\t3\t4\t3\t3\t1\n"},
      {"\"boys'\"",
       "boys'\tberniukas\tberniuk\t0\t1\t0\t1\t0\t1\t0\t3\t0\t0\n"
       "boys'\tberniukai\tberniuk\t0\t1\t1\t1\t0\t1\t0\t3\t0\t0\n"},
      {"girl", ""},
      {"--user-dictionary user.dic bank",
       "bank\tbankas\tbank\t0\t0\t0\t1\t0\t1\t0\t3\t0\t0\n"
       "bank\tkrantas\tkrant\t0\t0\t0\t1\t0\t1\t0\t3\t0\t0\n"},
  };
  for (const auto& [argumentai, eilutes] : atvejai) {
    const Rezultatas r = Paleisti("lookup " + argumentai);
    EXPECT_EQ(r.Busena, 0) << argumentai << r.Klaidos;
    EXPECT_EQ(r.Isvestis, eilutes) << argumentai;
  }
}

}  // namespace
}  // namespace kervosta::bandymai
