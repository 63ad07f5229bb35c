#include <sys/wait.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

struct Rezultatas {
  int Busena = -1;
  std::vector<std::string> Eilutes;  // stdout, or stderr when asked
};

Rezultatas Vykdyti(const std::string& argumentai, bool klaidos = false) {
  const std::string komanda = std::string("'") + KERVOSTA_CLI + "' inflect verb " + argumentai +
                              (klaidos ? " 2>&1 >/dev/null" : " 2>/dev/null");
  Rezultatas r;
  FILE* vamzdis = ::popen(komanda.c_str(), "r");
  if (!vamzdis) return r;
  std::string tekstas;
  for (int c; (c = std::fgetc(vamzdis)) != EOF;) tekstas.push_back(static_cast<char>(c));
  const int busena = ::pclose(vamzdis);
  r.Busena = WIFEXITED(busena) ? WEXITSTATUS(busena) : -1;
  std::istringstream in(tekstas);
  for (std::string eilute; std::getline(in, eilute);) r.Eilutes.push_back(eilute);
  return r;
}

TEST(InflectVerb, ReflexiveVerbGivesEveryFormOnceUnderItsOwnLabel) {
  const Rezultatas r = Vykdyti("moky mok mok 7 3 1");
  ASSERT_EQ(r.Busena, 0);
  for (const char* eilute :
       {"verb infinitive\tmokytis", "verb present 1\tmokausi", "verb present 6\tmokosi",
        "verb past-frequentative 1\tmokydavau", "verb future 1\tmokysiuosi",
        "verb conditional 1\tmokyčiausi", "verb imperative 2\tmokykis",
        "verb imperative 6\ttegul mokosi", "verb participle past-active fem pl 4\tmokusias",
        "verb participle past-passive masc sg 1\tmokytas"})
    EXPECT_THAT(r.Eilutes, Contains(eilute));
  // Infinitive, five six-person series, imperative 2..6, six participles of 24 forms each.
  std::set<std::string> etiketes;
  for (const std::string& e : r.Eilutes) etiketes.insert(e.substr(0, e.find('\t')));
  EXPECT_EQ(etiketes.size(), 1u + 5 * 6 + 5 + 6 * 24);
  EXPECT_EQ(etiketes.size(), r.Eilutes.size());
}

TEST(InflectVerb, BadArgumentsAreRefusedWithAMessage) {
  const std::pair<std::string, std::string> atvejai[] = {
      {"moky mok mok 8 3 1", "PRESENT_CLASS"},
      {"moky mok mok 7 4 1", "PAST_CLASS"},
      {"moky mok mok 7 3 -1", "FUTURE_CLASS"},
      {"moky mok mok 7 3", "expected"},
      {std::string(33, 'a') + " mok mok 7 3 1", "INFINITIVE_STEM"},
      {"moky \"$(printf '\\377')\" mok 7 3 1", "UTF-8"},
  };
  for (const auto& [argumentai, zinute] : atvejai) {
    const Rezultatas r = Vykdyti(argumentai, true);
    EXPECT_EQ(r.Busena, 1) << argumentai;
    ASSERT_EQ(r.Eilutes.size(), 1u) << argumentai;
    EXPECT_THAT(r.Eilutes[0], HasSubstr(zinute)) << argumentai;
  }
  EXPECT_EQ(Vykdyti(std::string(32, 'a') + " mok mok 7 3 1").Busena, 0);  // a full stem fits
}

}  // namespace
