#include "analysis/zodzio_paieska.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/cp1257.h"
#include "tests/analysis/paieska_irasai.h"

namespace kervosta {
namespace {

using namespace literals;
using namespace bandymai;
using Santraukos = std::vector<std::string>;

// Text, part of speech, case, number, gender, degree, tense, English form, person, Nr, voice.
std::string Santrauka(const TZodis& z) {
  std::string s = z.Liet;
  for (const int v : {int{z.KalbosDalis}, int{z.Linksnis}, int{z.Skaicius}, int{z.Gimine},
                      int{z.Laipsnis}, int{z.Laikas}, int{z.AnglForma}, int{z.Asmuo}, z.Nr,
                      int{z.Veikiamoji}})
    s += " " + std::to_string(v);
  return s;
}

TEST(AtpazintiVidini, LaterMatchesOverwriteEarlierOnes) {
  const ZodynuRinkinys zodynai = Zodynai("");
  const std::pair<std::string_view, std::string_view> atvejai[] = {
      // "been" and "being" belong to entries 1, 2 and 3, "was" to 1 and 3: the last entry wins.
      {"been", "yra 2 0 0 0 0 3 4 3 3 1"},
      {"being", "yra 2 0 0 0 0 2 5 3 3 1"},
      {"was", "yra 2 0 0 0 0 3 3 3 3 1"},
      // "had" is entry 6's past and past participle: the participle wins, in the active voice.
      {"had", "turi 2 3 0 0 0 3 4 3 6 1"},
      {"are", "yra 2 0 0 0 0 2 2 6 2 1"},
      {"WILL", " 5 0 0 0 0 1 0 3 0 1"},
      {"They", "jie 13 0 1 1 0 2 0 6 7 1"},
      {"boy", "-"},
      {"", "-"},
  };
  for (const auto& [zodis, tiketina] : atvejai) {
    TZodis tikslas;
    EXPECT_EQ(AtpazintiVidini(zodynai, zodis, tikslas) ? Santrauka(tikslas) : "-", tiketina)
        << zodis;
  }
}

class ZodynoPaieska : public ::testing::Test {
 protected:
  ZodynuRinkinys zodynai = Zodynai(
      "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
      "pos=1\ten=scissors|scissors|scissors\tlt=žirklės\tstem=žirkl\tp1=8\tp2=1\tp3=2\n"
      "pos=1\ten=Paris|Paris|Paris\tlt=Paryžius\tstem=Paryži\tp1=1\n"
      "pos=3\ten=work|work|work|work|work\tlt=dirbti\tstem=dirb\tpres=dirb\tpast=dirb\n"
      "pos=5\ten=tall|taller|x|y\tstem=aukšt\n"
      "pos=8\tattr=2\ten=without\tlt=be\n"
      "pos=15\tattr=9\ten=whom\tlt=ką\n"
      "pos=4\ten=fast\tlt=greitai\n"
      "pos=5\ten=fast|fast|faster|fastest\tstem=greit\n"
      "pos=1\ten=cat|cat|cats\tstem=kat\tp1=4000\n"
      "pos=3\ten=go|goes|went|gone|going\tstem=ei\tpres=ei\tpast=ei\tp1=-7\n",
      "pos=4\ten=fast\tlt=sparčiai\n");

  Santraukos Ieskoti(std::string_view zodis) {
    TZodziuList kandidatai;
    IeskotiZodyne(zodynai, zodis, kandidatai);
    Santraukos santraukos;
    for (int i = 0; i < kandidatai.Kiekis(); ++i) santraukos.push_back(Santrauka(kandidatai[i]));
    return santraukos;
  }
};

TEST_F(ZodynoPaieska, EveryMatchingFormOfEveryEntryIsACandidate) {
  const std::pair<std::string_view, std::vector<std::string_view>> atvejai[] = {
      {"boy'", {}},  // two characters off leaves "bo"
      {"boy's", {"berniukas 0 1 0 1 0 1 0 3 0 1"}},
      // Two characters off "boys'" leave the singular headword as well as the plural's "s'".
      {"boys'", {"berniukas 0 1 0 1 0 1 0 3 0 1", "berniukai 0 1 1 1 0 1 0 3 0 1"}},
      // A plural-only noun matches once as its headword, and once more as a plural possessive.
      {"scissors", {"žirklės 0 0 1 2 0 1 0 3 0 1"_lt}},
      {"scissors'", {"žirklės 0 1 1 2 0 1 0 3 0 1"_lt}},
      {"Paris", {}},  // a headword stored with a capital: the looked-up word is lower-cased
      // One candidate per equal verb form.
      {"work",
       {"dirbti 2 7 0 0 0 2 2 3 0 1", "dirba 2 7 0 0 0 2 2 3 0 1", "dirbo 2 7 0 0 0 3 3 3 0 1",
        "dirbtas 2 7 0 0 0 3 4 3 0 0", "dirba 2 7 0 0 0 2 5 3 0 1"}},
      {"taller", {}},  // the second adjective form is never compared
      {"without", {"be 7 1 0 0 0 1 0 3 0 1"}},
      {"whom", {"ką 14 0 0 0 0 1 0 3 0 1"_lt}},  // a question outside 1..6 governs no case
      // The main dictionary first, then the user's.
      {"fast",
       {"greitai 3 0 0 0 0 1 0 3 0 1", "greitas 4 0 0 0 0 1 0 3 0 1",
        "sparčiai 3 0 0 0 0 1 0 3 0 1"_lt}},
      {"slow", {}},
      // Damaged paradigm numbers give empty texts, never a read out of the tables.
      {"cats", {" 0 0 1 1 0 1 0 3 0 1"}},
      {"goes", {" 2 7 0 0 0 2 2 3 0 1"}},
  };
  for (const auto& [zodis, tiketina] : atvejai)
    EXPECT_EQ(Ieskoti(zodis), Santraukos(tiketina.begin(), tiketina.end())) << zodis;
}

}  // namespace
}  // namespace kervosta
