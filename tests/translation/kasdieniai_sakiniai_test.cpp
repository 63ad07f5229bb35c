// Everyday sentences through the translation driver over the small test dictionary and a few
// more entries, one test a construction: each row is the English and the Lithuanian it must give.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/cp1257.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/analysis/grupavimas_zodziai.h"
#include "translation/eiluciu_sarasai.h"
#include "translation/vertimas.h"

namespace kervosta {
namespace {

// Words of two parts of speech, verbs whose forms look alike, words of time and quantity.
constexpr std::string_view Papildymas =
    "pos=5\ten=kind|kind|kinder|kindest\tlt=malonus\tstem=malon\tp1=4\tp2=2\n"
    "pos=1\tcat=7\ten=kind|kind|kinds\tlt=rūšis\tstem=rūš\tp1=12\tp2=1\n"
    "pos=1\tcat=2\ten=leaf|leaf|leaves\tlt=lapas\tstem=lap\tp1=0\tp2=0\n"
    "pos=3\ten=leave|leaves|left|left|leaving\tlt=palikti\tstem=palik\tpres=paliek\tpast=palik\t"
    "fut=palik\tq=4\n"
    "pos=3\ten=fall|falls|fell|fallen|falling\tlt=kristi\tstem=kris\tpres=krent\tpast=krit\t"
    "fut=kris\tp3=2\n"
    "pos=3\ten=read|reads|read|read|reading\tlt=skaityti\tstem=skaity\tpres=skait\tpast=skait\t"
    "fut=skaity\tp1=3\tp2=1\tq=4\n"
    "pos=3\ten=want|wants|wanted|wanted|wanting\tlt=norėti\tstem=norė\tpres=nor\tpast=norėj\t"
    "fut=norė\tp1=2\tq=2\n"
    "pos=3\ten=say|says|said|said|saying\tlt=sakyti\tstem=saky\tpres=sak\tpast=sak\tfut=saky\t"
    "p1=3\tp2=1\tq=4\n"
    "pos=3\ten=think|thinks|thought|thought|thinking\tlt=manyti\tstem=many\tpres=man\tpast=man\t"
    "fut=many\tp1=3\tp2=1\n"
    "pos=1\tcat=7\ten=color|color|colors\tlt=spalva\tstem=spalv\tp1=5\tp2=1\n"
    "pos=3\ten=give|gives|gave|given|giving\tlt=duoti\tstem=duo\tpres=duod\tpast=dav\tfut=duo\t"
    "p2=1\tq=4\n"
    "pos=1\tcat=4\ten=day|day|days\tlt=diena\tstem=dien\tp1=5\tp2=1\n"
    "pos=1\tcat=4\tattr=1\ten=monday|monday|mondays\tlt=pirmadienis\tstem=pirmadien\tp1=3\n"
    "pos=1\tcat=4\ten=year|year|years\tlt=metai\tstem=met\tp3=2\n"
    "pos=1\tcat=4\ten=hour|hour|hours\tlt=valanda\tstem=valand\tp1=5\tp2=1\n"
    "pos=1\tcat=4\tattr=1\ten=may|may|may\tennum=1\tlt=gegužė\tstem=geguž\tp1=8\tp2=1\n"
    "pos=1\tcat=1\ten=mr|mr|mr\tennum=1\tlt=ponas\tstem=pon\n"
    "pos=2\tattr=7\ten=every\tlt=kiekvienas\tstem=kiekvien\tp1=5\tp3=1\n"
    "pos=2\tattr=2\ten=my\tlt=mano\tstem=mano\tp1=-1\n"
    "pos=2\tattr=5\ten=what\tlt=kas\tstem=kas\tp1=-1\n"
    "pos=7\tattr=2\ten=many\tlt=daug\n"
    "pos=13\ten=ten|ten|10\tlt=dešimt\tstem=dešimt\tp1=-1\tp2=-1\tp3=2\n"
    "pos=13\ten=seven|seven|7\tlt=septyni\tstem=septyn\tp1=1\tp2=1\n"
    "pos=13\tcat=1\ten=seventh|seventh|7th\tlt=septintas\tstem=septint\n"
    "pos=13\tcat=1\ten=third|third|3rd\tlt=trečias\tstem=tre\tp1=1\tp2=1\n"
    "pos=5\ten=cold|cold|colder|coldest\tlt=šaltas\tstem=šalt\n"
    "pos=5\ten=good|good|better|best\tlt=geras\tstem=ger\n"
    "pos=5\tattr=1\ten=last|last\tlt=paskutinis\tstem=paskutin\tp1=3\tp2=3\n"
    "pos=5\tcat=4\tattr=1\ten=last|last\tlt=praeitas\tstem=praeit\n"
    "pos=4\ten=where\tlt=kur\n"
    "pos=4\ten=how\tlt=kaip\n"
    "pos=3\ten=like|likes|liked|liked|liking\tlt=mėgti\tstem=mėg\tpres=mėgst\tpast=mėg\t"
    "fut=mėg\tq=4\n"
    "pos=4\ten=there\tlt=ten\n"
    "pos=4\ten=never\tlt=niekada\n"
    "pos=8\tattr=5\ten=by\n"
    "pos=8\tattr=2\ten=on\tlt=ant\n"
    "pos=8\tattr=2\ten=at\tlt=prie\n";

class KasdieniaiSakiniai : public ::testing::Test {
 protected:
  KasdieniaiSakiniai() {
    SkaitytiZodynoTeksta(Papildymas, aplinka.Zodynai.PagrindinisZodynas);
  }

  // The Lithuanian lines of the English lines, in UTF-8.
  std::vector<std::string> Versti(std::vector<std::string> anglu) {
    for (std::string& eilute : anglu) eilute = IsUtf8(eilute).Tekstas;
    EiluciuKaupiklis lietuviu;
    VerstiEilutes(aplinka, EiluciuSarasas(std::move(anglu)), lietuviu);
    for (std::string& eilute : lietuviu.Eilutes) eilute = IUtf8(eilute);
    return lietuviu.Eilutes;
  }

  void Tikrinti(std::initializer_list<std::pair<std::string_view, std::string_view>> atvejai) {
    for (const auto& [anglu, lietuviu] : atvejai)
      EXPECT_EQ(Versti({std::string(anglu)}), std::vector<std::string>{std::string(lietuviu)})
          << anglu;
  }

  Aplinka aplinka = testai::NaujaTestoAplinka();
};

TEST_F(KasdieniaiSakiniai, ContractionsLeaveNoEnglish) {
  Tikrinti({
      {"I can't go.", "Aš negaliu eiti. "},
      {"They've seen the book.", "Jie matė knygą. "},
      {"He doesn't know.", "Jis nežino. "},
      {"We're boys.", "Mes esame berniukai. "},
      {"I'll know.", "Aš žinosiu. "},
      // "'s" owns before a noun, is "is" before anything else and "has" before a participle.
      {"The boy's book is big.", "Berniuko knyga yra didelė. "},
      {"The boy's very big.", "Berniukas yra labai didelis. "},
      {"She's gone.", "Ji ėjo. "},
      // "'d": "had" before a participle, else "would".
      {"I'd know.", "Aš žinočiau. "},
      {"We'd seen the book.", "Mes matėme knygą. "},
  });
}

// The context tells a word's part of speech: an adjective after "very", a noun after "the", a
// verb after a noun that can be its subject; at the start a command takes the base form only.
TEST_F(KasdieniaiSakiniai, ContextChoosesThePartOfSpeech) {
  Tikrinti({
      {"The teacher is very kind.", "Mokytojas yra labai malonus. "},
      {"The kind teacher.", "Malonus mokytojas. "},
      {"Leaves fall.", "Lapai krenta. "},
      {"The boy leaves the house.", "Berniukas palieka namą. "},
      {"I see the leaves.", "Aš matau lapus. "},
  });
}

TEST_F(KasdieniaiSakiniai, LiteralChoiceTakesTheLastCandidate) {
  aplinka.KontekstoTaisykle = false;
  Tikrinti({
      {"The teacher is very kind.", "Mokytojas yra labai rūšis. "},
      {"Leaves fall.", "Palieka krenta. "},
  });
}

// The form of a verb written alike in several tenses follows its auxiliary.
TEST_F(KasdieniaiSakiniai, VerbFormAfterAnAuxiliary) {
  Tikrinti({
      {"I will read the book.", "Aš skaitysiu knygą. "},
      {"I can read the book.", "Aš galiu skaityti knygą. "},
      {"I won't read the book.", "Aš neskaitysiu knygos. "},
      {"He has read the book.", "Jis skaitė knygą. "},
      {"I will never read the book.", "Aš niekada neskaitysiu knygos. "},
  });
}

// Modals that Lithuanian says with a verb of their own take the infinitive after them.
TEST_F(KasdieniaiSakiniai, ModalsAndCommands) {
  Tikrinti({
      {"You must go.", "Jūs turite eiti. "},
      {"He should go.", "Jis turėtų eiti. "},
      {"He might come.", "Jis galėtų ateiti. "},
      {"Let's go.", "Eikime. "},
      {"Don't be big.", "Nebūkite didelis. "},
      {"I need the book.", "Man reikia knygos. "},
  });
}

// An inverted question takes the order of a statement; a yes/no question starts with "ar".
TEST_F(KasdieniaiSakiniai, QuestionsTakeTheOrderOfAStatement) {
  Tikrinti({
      {"Do you see the book?", "Ar jūs matote knygą? "},
      {"Can you see the book?", "Ar jūs galite matyti knygą? "},
      {"Where does the boy go?", "Kur berniukas eina? "},
      {"What do you want?", "Ko jūs norite? "},
      {"Where are you?", "Kur jūs esate? "},
      {"Is there a book?", "Ar yra knyga? "},
  });
}

TEST_F(KasdieniaiSakiniai, NamesAreDeclinedByTheirEnding) {
  Tikrinti({
      {"Tom sees the book.", "Tomas mato knygą. "},
      {"I see Tom.", "Aš matau Tomą. "},
      {"Tom's book is big.", "Tomo knyga yra didelė. "},
      {"I see Peter and Anna.", "Aš matau Peterį ir Anną. "},
      {"I see Kate.", "Aš matau Kate. "},
      // After a title even a dictionary word is a name.
      {"Mr Big sees the boy.", "Ponas Bigas mato berniuką. "},
  });
}

TEST_F(KasdieniaiSakiniai, TimePhrasesTakeTheAccusativeWithoutAPreposition) {
  Tikrinti({
      {"The boy goes on Monday.", "Berniukas eina pirmadienį. "},
      {"The boy goes on Mondays.", "Berniukas eina pirmadieniais. "},
      {"The boy goes every day.", "Berniukas eina kiekvieną dieną. "},
      {"The boy went last year.", "Berniukas ėjo praeitais metais. "},
      {"The boy was the last boy.", "Berniukas buvo paskutinis berniukas. "},
      {"The boy goes at seven o'clock.", "Berniukas eina septintą valandą. "},
      {"The boy goes in May.", "Berniukas eina gegužę. "},
  });
}

// Numerals of ten and more and quantity words take the genitive plural; an ordinal agrees with
// its noun after a preposition; "by" a vehicle is the instrumental; "to" a person the dative.
TEST_F(KasdieniaiSakiniai, CasesThatWordsGovern) {
  Tikrinti({
      {"I see ten books.", "Aš matau dešimt knygų. "},
      {"I see 20 books.", "Aš matau 20 knygų. "},
      {"I see 3 books.", "Aš matau 3 knygas. "},
      {"I see 15 books.", "Aš matau 15 knygų. "},
      {"I see 21 books.", "Aš matau 21 knygą. "},
      {"I see many books.", "Aš matau daug knygų. "},
      {"The boy is at the third house.", "Berniukas yra prie trečio namo. "},
      {"The boy goes by bus.", "Berniukas eina autobusu. "},
      {"The boy gives the book to the teacher.", "Berniukas duoda knygą mokytojui. "},
      {"I see the book and the house.", "Aš matau knygą ir namą. "},
  });
}

TEST_F(KasdieniaiSakiniai, PossessivesOfTheSubjectAreSavo) {
  Tikrinti({
      {"I see my book.", "Aš matau savo knygą. "},
      {"The boy sees his book.", "Berniukas mato savo knygą. "},
      {"She sees his book.", "Ji mato jo knygą. "},
      {"I can't see my book.", "Aš negaliu matyti savo knygos. "},
  });
}

TEST_F(KasdieniaiSakiniai, ItAndThereSayNothing) {
  Tikrinti({
      {"It is cold.", "Šalta. "},
      {"It was cold.", "Buvo šalta. "},
      {"It is a book.", "Tai yra knyga. "},
      {"There is a book.", "Yra knyga. "},
      {"There is no book.", "Nėra knygos. "},
  });
}

// A sentence ending in a closing quotation mark ends its line; the word after an opening one
// takes the sentence's capital.
TEST_F(KasdieniaiSakiniai, QuotationsKeepLinesAndCapitals) {
  EXPECT_EQ(Versti({"She said: \"I see the house.\"", "I see the boy."}),
            (std::vector<std::string>{"Ji sakė: \"Aš matau namą.\" ", "Aš matau berniuką. "}));
  EXPECT_EQ(Versti({"\"I see it,\" the boy said."}),
            std::vector<std::string>{"\"Aš matau tą,\" berniukas sakė. "});
}

TEST_F(KasdieniaiSakiniai, PhrasesClausesAndSpellings) {
  Tikrinti({
      {"I think you know.", "Aš manau, kad jūs žinote. "},
      {"Do you think?", "Ar jūs manote? "},
      {"How many books do you see?", "Kiek knygų jūs matote? "},
      {"The boy is at home.", "Berniukas yra namie. "},
      {"The boy goes home.", "Berniukas eina namo. "},
      {"I'd like the book.", "Aš norėčiau knygos. "},
      {"I see the colour.", "Aš matau spalvą. "},
  });
}

TEST_F(KasdieniaiSakiniai, InformalAddressSaysTu) {
  aplinka.Kreipinys = KreipinioForma::Tu;
  Tikrinti({
      {"Do you know?", "Ar tu žinai? "},
      {"Go home.", "Eik namo. "},
      {"You see your book.", "Tu matai savo knygą. "},
      {"The boy sees your book.", "Berniukas mato tavo knygą. "},
  });
}

}  // namespace
}  // namespace kervosta
