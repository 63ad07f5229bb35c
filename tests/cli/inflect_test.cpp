// kervosta-cli inflect: the forms of every kind of word, one LABEL<TAB>FORM line each.
#include <set>
#include <sstream>
#include <vector>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Inflect = Paleidimas;

TEST_F(Inflect, FormsOfEachKindUnderLabelsThatAppearOnce) {
  const struct { std::string Argumentai; std::vector<std::string> Eilutes; } atvejai[] = {
      {"noun jaut 3", {"noun sg 2\tjaučio"}},
      {"adjective ger 0 0", {"adjective comparative fem pl 5\tgeresnėmis"}},
      {"numeral cardinal penk 1",
       {"numeral cardinal masc sg 4\tpenkis", "numeral cardinal masc pl 4\tpenkis"}},
      {"numeral ordinal tre 1", {"numeral ordinal fem sg 6\ttrečioje"}},
      {"pronoun vien 5", {"pronoun masc sg 5\tvienu"}},
      {"pronoun kel 6", {"pronoun masc sg 4\tkelis", "pronoun masc pl 4\tkelis"}},
      {"verb moky mok mok 7 3 1",
       {"verb infinitive\tmokytis", "verb present 1\tmokausi", "verb present 6\tmokosi",
        "verb past-frequentative 1\tmokydavausi", "verb future 1\tmokysiuosi",
        "verb conditional 1\tmokyčiausi", "verb imperative 2\tmokykis",
        "verb imperative 6\ttegul mokosi", "verb participle past-active fem pl 4\tbesimokiusias",
        "verb participle past-passive masc sg 1\tmokytasi"}},
  };
  for (const auto& a : atvejai) {
    const Rezultatas r = Paleisti("inflect " + a.Argumentai);
    ASSERT_EQ(r.Busena, 0) << a.Argumentai << ": " << r.Klaidos;
    std::set<std::string> etiketes;
    std::istringstream in(r.Isvestis);
    for (std::string e; std::getline(in, e);) etiketes.insert(e.substr(0, e.find('\t')));
    for (const auto& e : a.Eilutes) EXPECT_THAT("\n" + r.Isvestis, HasSubstr("\n" + e + "\n"));
    EXPECT_EQ(etiketes.size(), Eiluciu(r.Isvestis)) << a.Argumentai;
  }
  // Infinitive, five six-person series, imperative 2..6, six participles of 24 forms each.
  EXPECT_EQ(Eiluciu(Paleisti("inflect verb moky mok mok 7 3 1").Isvestis), 1u + 5 * 6 + 5 + 6 * 24);
  // A stem of the whole 32 letters a dictionary field holds.
  EXPECT_EQ(Paleisti("inflect verb " + std::string(32, 'a') + " mok mok 7 3 1").Busena, 0);
}

}  // namespace
}  // namespace kervosta::bandymai
