// Word lookup (built-in words and dictionary candidates) and sentence lookup, automatic and with
// correction.
#include "analysis/sakinio_paieska.h"

#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/koregavimas.h"
#include "analysis/segmentavimas.h"
#include "analysis/zodzio_paieska.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta {
namespace {

using namespace literals;

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
  ZodynuRinkinys zodynai;
  UzpildytiVidiniusIrasus(zodynai);
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

TEST(AmerikietiskaRasyba, BritishSpellingsInTheirAmericanForms) {
  using Zodziai = std::vector<std::string>;
  EXPECT_EQ(AmerikietiskaRasyba("colour"), Zodziai{"color"});
  EXPECT_EQ(AmerikietiskaRasyba("favourite"), Zodziai{"favorite"});
  EXPECT_EQ(AmerikietiskaRasyba("centres"), Zodziai{"centers"});
  EXPECT_EQ(AmerikietiskaRasyba("travelled"), Zodziai{"traveled"});
  EXPECT_EQ(AmerikietiskaRasyba("realise"), Zodziai{"realize"});
  EXPECT_EQ(AmerikietiskaRasyba("grey"), Zodziai{"gray"});
  // Only at the end: "treat" is no British spelling of anything.
  EXPECT_EQ(AmerikietiskaRasyba("treat"), Zodziai{});
  EXPECT_EQ(AmerikietiskaRasyba(""), Zodziai{});
}

// Records every question as "mode word candidates offered: sentence" and answers from a script;
// with the script used up it chooses nothing.
struct ScenarijausKlausejas : KoregavimoKlausejas {
  int Klausti(std::uint8_t rezimas, const std::string& sakinys, const std::string& zodis,
              int numatytas, Aplinka& aplinka) override {
    Klausimai.push_back(std::to_string(rezimas) + " " + zodis + " " +
                        std::to_string(aplinka.Variantai.Kiekis()) + " " +
                        std::to_string(numatytas) + ": " + sakinys);
    if (Atsakymai.empty()) return NeraPasirinkimo;
    const auto atsakymas = Atsakymai.front();
    Atsakymai.pop_front();
    return atsakymas(aplinka);
  }
  void Atsakyti(int pasirinkimas) {
    Atsakymai.push_back([pasirinkimas](Aplinka&) { return pasirinkimas; });
  }

  std::vector<std::string> Klausimai;
  std::deque<std::function<int(Aplinka&)>> Atsakymai;
};

class Paieska : public ::testing::Test {
 protected:
  Paieska() {
    UzpildytiVidiniusIrasus(aplinka.Zodynai);
    SkaitytiZodynoTeksta(
        "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
        "pos=1\ten=bank|bank|banks\tlt=krantas\tstem=krant\n"
        "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
        "pos=1\tattr=1\ten=london|london|london\tlt=Londonas\tstem=London\n"
        "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=maty\tpast=maty\tq=4\n"
        "pos=7\ten=the\n"
        "pos=7\ten=a\n"
        "pos=8\tattr=2\ten=near\tlt=prie\n"
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
        aplinka.Zodynai.PagrindinisZodynas);
    SkaitytiZodynoTeksta("pos=4\ten=fast\tlt=sparčiai\n", aplinka.Zodynai.VartotojoZodynas);
    aplinka.Klausejas = &klausejas;
  }

  static std::string Lietuviskai(const TSakinys& s) {
    std::string tekstas;
    for (int i = 0; i < s.Kiekis(); ++i) tekstas += (i ? "|" : "") + s.Zodziai[i].Liet;
    return tekstas;
  }

  // The Lithuanian texts of the sentence's words after a lookup.
  std::string Surasti(void (*paieska)(Aplinka&, TSakinys&), std::string_view tekstas) {
    TSakinys s;
    SkaidytiZodzius(tekstas, s);
    paieska(aplinka, s);
    return Lietuviskai(s);
  }

  std::vector<std::string> Kandidatai(std::string_view zodis) {
    TZodziuList kandidatai;
    IeskotiZodyne(aplinka.Zodynai, zodis, kandidatai);
    std::vector<std::string> santraukos;
    for (int i = 0; i < kandidatai.Kiekis(); ++i) santraukos.push_back(Santrauka(kandidatai[i]));
    return santraukos;
  }

  Aplinka aplinka;
  ScenarijausKlausejas klausejas;
};
using ZodynoPaieska = Paieska;
using SakinioPaieska = Paieska;

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
      {"whom", {"ką 14 0 0 0 0 1 0 3 0 1"_lt}},  // a question outside 1..6 sets no case
      // The main dictionary first, then the user's. An adverb without a question governs no
      // case (7), so that it never forces the nominative on the noun group after it.
      {"fast",
       {"greitai 3 7 0 0 0 1 0 3 0 1", "greitas 4 0 0 0 0 1 0 3 0 1",
        "sparčiai 3 7 0 0 0 1 0 3 0 1"_lt}},
      {"slow", {}},
      // Damaged paradigm numbers give empty texts, never a read out of the tables.
      {"cats", {" 0 0 1 1 0 1 0 3 0 1"}},
      {"goes", {" 2 7 0 0 0 2 2 3 0 1"}},
  };
  for (const auto& [zodis, tiketina] : atvejai)
    EXPECT_EQ(Kandidatai(zodis), std::vector<std::string>(tiketina.begin(), tiketina.end()))
        << zodis;
}

// The browser's search: a built-in word stands alone even where an entry stores the same form;
// any other text finds every entry of both dictionaries with that form, capitals or not.
TEST_F(ZodynoPaieska, SearchInAllFormsPrefersBuiltInWordsAndSearchesBothDictionaries) {
  SkaitytiZodynoTeksta("pos=1\ten=is|is|is\tlt=salelė\n", aplinka.Zodynai.VartotojoZodynas);
  const auto rasti = [this](std::string_view tekstas) {
    IeskotiVisoseFormose(aplinka, tekstas);
    std::vector<std::string> rasta;
    for (int i = 0; i < aplinka.Variantai.Kiekis(); ++i)
      rasta.push_back(aplinka.Variantai.Zodziai[i].Angl + "=" + aplinka.Variantai.Zodziai[i].Liet);
    return rasta;
  };
  EXPECT_EQ(rasti("Is"), (std::vector<std::string>{"is=yra"}));
  EXPECT_EQ(rasti("FAST"), (std::vector<std::string>{"fast=greitai", "fast=greitas",
                                                       std::string("fast=sparčiai"_lt)}));
  EXPECT_EQ(rasti("saw"), (std::vector<std::string>{"saw=matyo"}));
  EXPECT_EQ(IeskotiVisoseFormose(aplinka, "zyx"), 0);
  EXPECT_EQ(aplinka.Variantai.Kiekis(), 0) << "the previous search's candidates are gone";
}

TEST_F(SakinioPaieska, AutomaticLookupTakesTheLastCandidateAndKeepsCapitals) {
  TSakinys s;
  SkaidytiZodzius("Bank zzz, Will london.", s);
  s.Zodziai[2].Angl = "will";  // punctuation is never looked up, whatever its text
  s.Zodziai[3].Laikas = zlkBusimasis;
  SurastiAutomatiskai(aplinka, s);
  EXPECT_EQ(Lietuviskai(s), "krantas|zzz|,||Londonas|.");
  EXPECT_EQ(s.Zodziai[3].Laikas, zlkBendratis);  // a built-in word resets what it does not set
  // Capitals: kept from the source word (also on built-in words), added for a proper noun.
  for (int i : {0, 3, 4}) EXPECT_EQ(s.Zodziai[i].Tikrinis, 1) << i;
  EXPECT_TRUE(klausejas.Klausimai.empty());
}

TEST_F(SakinioPaieska, CorrectionAsksOnlyForUnknownAndAmbiguousWords) {
  // Unanswered: the ambiguous word takes the last candidate, the unknown one stays English.
  EXPECT_EQ(Surasti(SurastiSuKoregavimu, "the boy will see a bank near zzz."),
            "|berniukas||matyti||krantas|prie|zzz|.");
  // Not for "will" (built in), nor for "boy" or "see" (a single candidate).
  EXPECT_EQ(klausejas.Klausimai,
            (std::vector<std::string>{"0 bank 2 2: The boy will see a bank near zzz. ",
                                      "1 zzz 0 0: The boy will see a bank near zzz. "}));
}

TEST_F(SakinioPaieska, AnswersChooseFromTheListAsItIsAfterTheQuestion) {
  klausejas.Atsakyti(1);
  klausejas.Atsakyti(PaliktiAngliska);
  klausejas.Atsakyti(3);  // outside the list: as if nothing was chosen
  // "Papildyti žodyną": a user entry is added, the list refilled and the new entry chosen.
  klausejas.Atsakymai.push_back([](Aplinka& a) {
    a.Zodynai.VartotojoZodynas.Prideti(IrasasIsTeksto("pos=4\ten=zzz\tlt=zzzz"));
    a.Variantai.Zodziai.Isvalyti();
    IeskotiZodyne(a, "zzz");
    return 1;
  });
  klausejas.Atsakyti(1);  // no candidate to choose
  EXPECT_EQ(Surasti(SurastiSuKoregavimu, "Bank, bank, bank, zzz, qqq"),
            "bankas|,|bank|,|krantas|,|zzzz|,|qqq");
  EXPECT_EQ(klausejas.Klausimai.size(), 5u);
  aplinka.Klausejas = nullptr;
  EXPECT_EQ(Surasti(SurastiSuKoregavimu, "Bank qqq"), "krantas|qqq");
}

// The answer offered is the one automatic lookup takes: the last candidate, but for a verb
// written alike in several forms not a past participle without "have" or "be" before it.
TEST_F(SakinioPaieska, QuestionsOfferTheAutomaticChoice) {
  SkaitytiZodynoTeksta(
      "pos=3\ten=put|puts|put|put|putting\tlt=dėti\tstem=dė\tpres=ded\tpast=dėj\n",
      aplinka.Zodynai.VartotojoZodynas);
  for (const std::string_view sakinys : {"They put it.", "They have put it."})
    EXPECT_EQ(Surasti(SurastiSuKoregavimu, sakinys), Surasti(SurastiAutomatiskai, sakinys));
  EXPECT_EQ(klausejas.Klausimai, (std::vector<std::string>{"0 put 3 2: They put it. ",
                                                           "0 put 3 3: They have put it. "}));
}

// Cancelling stops at the word asked about; the words after it are never asked about.
TEST_F(SakinioPaieska, CancellingThrowsAndAsksNoMore) {
  klausejas.Atsakyti(AtsauktiVertima);
  TSakinys s;
  SkaidytiZodzius("Bank zzz.", s);
  EXPECT_THROW(SurastiSuKoregavimu(aplinka, s), VertimasAtsauktas);
  EXPECT_EQ(klausejas.Klausimai.size(), 1u);
}

TEST_F(SakinioPaieska, SwitchingCorrectionOffTakesEffectFromTheNextSentence) {
  klausejas.Atsakymai.push_back([](Aplinka& a) {
    a.AutomatinisVertimas = 1;
    return 1;
  });
  aplinka.AutomatinisVertimas = 0;
  EXPECT_EQ(Surasti(SurastiSakinioZodzius, "Bank and bank."), "bankas|and|krantas|.");
  EXPECT_EQ(klausejas.Klausimai.size(), 3u);  // "and" is unknown here
  EXPECT_EQ(Surasti(SurastiSakinioZodzius, "Bank zzz."), "krantas|zzz|.");
  EXPECT_EQ(klausejas.Klausimai.size(), 3u);
}

}  // namespace
}  // namespace kervosta
