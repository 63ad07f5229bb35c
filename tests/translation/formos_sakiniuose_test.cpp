// Sentences whose words meet their endings at a joint that the ending tables alone would spell
// wrong, grouped by construction, over entries as the shipped dictionary stores them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"
#include "translation/vertimas.h"

namespace kervosta {
namespace {

constexpr std::string_view Zodynas =
    "pos=7\ten=the\n"
    "pos=7\ten=a\n"
    "pos=8\tattr=6\ten=in\n"
    "pos=4\ten=here\tlt=čia\n"
    "pos=4\ten=home\tlt=namo\n"
    "pos=4\ten=much\tlt=daug\n"
    "pos=1\tcat=6\ten=house|house|houses\tlt=namas\tstem=nam\n"
    "pos=1\tcat=6\ten=street|street|streets\tlt=gatvė\tstem=gatv\tp1=8\tp2=1\n"
    "pos=1\tcat=6\ten=room|room|rooms\tlt=kambarys\tstem=kambar\tp1=4\n"
    "pos=1\ten=dog|dog|dogs\tlt=šuo\tstem=š\tp1=15\n"
    "pos=1\tcat=2\ten=door|door|doors\tlt=durys\tstem=dur\tp1=12\tp2=1\tp3=2\n"
    "pos=1\tcat=2\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
    "pos=1\tcat=2\ten=letter|letter|letters\tlt=laiškas\tstem=laišk\n"
    "pos=5\ten=big|big|bigger|biggest\tlt=didelis\tstem=didel\tp1=2\tp2=3\n"
    "pos=5\ten=wide|wide|wider|widest\tlt=platus\tstem=plat\tp1=4\tp2=2\n"
    "pos=5\ten=new|new|newer|newest\tlt=naujas\tstem=nauj\n"
    "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\tfut=maty\t"
    "p1=3\tp2=1\tq=4\n"
    "pos=3\ten=read|reads|read|read|reading\tlt=skaityti\tstem=skaity\tpres=skait\tpast=skait\t"
    "fut=skaity\tp1=3\tp2=1\tq=4\n"
    "pos=3\ten=write|writes|wrote|written|writing\tlt=rašyti\tstem=rašy\tpres=raš\tpast=raš\t"
    "fut=rašy\tp1=3\tp2=1\tq=4\n"
    "pos=3\ten=sit|sits|sat|sat|sitting\tlt=sėdėti\tstem=sėdė\tpres=sėd\tpast=sėdėj\tfut=sėdė\t"
    "p1=2\n"
    "pos=3\ten=hear|hears|heard|heard|hearing\tlt=girdėti\tstem=girdė\tpres=gird\tpast=girdėj\t"
    "fut=girdė\tp1=2\tq=4\n"
    "pos=3\ten=decide|decides|decided|decided|deciding\tlt=nuspręsti\tstem=nuspręs\t"
    "pres=nusprendž\tpast=nusprend\tfut=nuspręs\tp1=1\tp2=1\tp3=2\tq=4\n"
    "pos=3\ten=run|runs|ran|run|running\tlt=bėgti\tstem=bėg\tpres=bėg\tpast=bėg\tfut=bėg\n"
    "pos=3\ten=wait|waits|waited|waited|waiting\tlt=laukti\tstem=lauk\tpres=lauk\tpast=lauk\t"
    "fut=lauk\tp1=1\tp2=1\tq=2\n"
    "pos=3\ten=leave|leaves|left|left|leaving\tlt=palikti\tstem=palik\tpres=paliek\tpast=palik\t"
    "fut=palik\tq=4\n"
    "pos=3\ten=return|returns|returned|returned|returning\tlt=grįžti\tstem=grįž\tpres=grįžt\t"
    "past=grįž\tfut=grįž\tp3=2\n"
    "pos=3\ten=regret|regrets|regretted|regretted|regretting\tlt=gailėtis\tstem=gailė\t"
    "pres=gail\tpast=gailėj\tfut=gailė\tp1=6\tp2=2\tp3=1\tq=2\n"
    "pos=3\ten=expect|expects|expected|expected|expecting\tlt=tikėtis\tstem=tikė\tpres=tik\t"
    "past=tikėj\tfut=tikė\tp1=6\tp2=2\tp3=1\tq=2\n"
    "pos=3\ten=laugh|laughs|laughed|laughed|laughing\tlt=juoktis\tstem=juok\tpres=juok\t"
    "past=juok\tfut=juok\tp1=5\tp2=3\tp3=1\n";

class FormosSakiniuose : public ::testing::Test {
 protected:
  FormosSakiniuose() {
    UzpildytiVidiniusIrasus(aplinka_.Zodynai);
    SkaitytiZodynoTeksta(Zodynas, aplinka_.Zodynai.PagrindinisZodynas);
    aplinka_.AutomatinisVertimas = 1;
  }

  void Tikrinti(const std::vector<std::pair<std::string_view, std::string_view>>& atvejai) {
    for (const auto& [anglu, lietuviu] : atvejai) {
      std::vector<std::string> isvestis;
      VerstiSakini(aplinka_, IsUtf8(anglu).Tekstas, isvestis);
      ASSERT_EQ(isvestis.size(), 1u) << anglu;
      EXPECT_EQ(IUtf8(isvestis[0]), lietuviu) << anglu;
    }
  }

 private:
  Aplinka aplinka_;
};

// A past in -ė and a present in -iu after t or d: mačiau, sėdžiu.
TEST_F(FormosSakiniuose, FirstPersonOfStemsInTAndD) {
  Tikrinti({{"I saw the big house.", "Aš mačiau didelį namą. "},
            {"I read the book.", "Aš skaičiau knygą. "},
            {"I decided.", "Aš nusprendžiau. "},
            {"I sit in the room.", "Aš sėdžiu kambaryje. "},
            {"I hear the dog.", "Aš girdžiu šunį. "}});
}

TEST_F(FormosSakiniuose, AdjectivesAndTheirDegrees) {
  Tikrinti({{"The streets are wide.", "Gatvės yra plačios. "},
            {"We were sitting in the biggest room.", "Mes sėdėjome didžiausiame kambaryje. "},
            {"I saw a bigger house.", "Aš mačiau didesnį namą. "},
            {"I saw the newest house.", "Aš mačiau naujausią namą. "}});
}

TEST_F(FormosSakiniuose, NounsNoEndingTableSpells) {
  Tikrinti({{"The dogs are big.", "Šunys yra dideli. "},
            {"I did not see the dog.", "Aš nemačiau šuns. "},
            {"I did not see the doors.", "Aš nemačiau durų. "}});
}

TEST_F(FormosSakiniuose, CommandsOfStemsInGAndK) {
  Tikrinti({{"Run home!", "Bėkite namo! "},
            {"Wait here!", "Laukite čia! "},
            {"Leave the book!", "Palikite knygą! "}});
}

TEST_F(FormosSakiniuose, FutureOfAStemThatHoldsTheS) {
  Tikrinti({{"I will return.", "Aš grįšiu. "}, {"The dog will return.", "Šuo grįš. "}});
}

TEST_F(FormosSakiniuose, ParticipleWritesTheSoftnessOfThePast) {
  Tikrinti({{"She will have written the letter.", "Ji bus rašiusi laišką. "}});
}

// "ne" comes before the reflexive particle, which moves in behind it.
TEST_F(FormosSakiniuose, NegatedReflexiveVerbs) {
  Tikrinti({{"I do not regret it.", "Aš nesigailiu to. "},
            {"Do not expect much.", "Nesitikėkite daug. "},
            {"I did not laugh.", "Aš nesijuokiau. "},
            {"I laughed.", "Aš juokiausi. "}});
}

}  // namespace
}  // namespace kervosta
