#include "analysis/sakinio_paieska.h"

#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/koregavimas.h"
#include "analysis/segmentavimas.h"
#include "analysis/zodzio_paieska.h"
#include "tests/analysis/paieska_irasai.h"

namespace kervosta {
namespace {

// Records every question as "mode word candidates: sentence" and answers from a script; with
// the script used up it chooses nothing.
struct ScenarijausKlausejas : KoregavimoKlausejas {
  int Klausti(std::uint8_t rezimas, const std::string& sakinys, const std::string& zodis,
              Aplinka& aplinka) override {
    Klausimai.push_back(std::to_string(rezimas) + " " + zodis + " " +
                        std::to_string(aplinka.Variantai.Kiekis()) + ": " + sakinys);
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

class SakinioPaieska : public ::testing::Test {
 protected:
  SakinioPaieska() {
    aplinka.Zodynai = bandymai::Zodynai(
        "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
        "pos=1\ten=bank|bank|banks\tlt=krantas\tstem=krant\n"
        "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
        "pos=1\tattr=1\ten=london|london|london\tlt=Londonas\tstem=London\n"
        "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=maty\tpast=maty\tq=4\n"
        "pos=7\ten=the\n"
        "pos=7\ten=a\n"
        "pos=8\tattr=2\ten=near\tlt=prie\n");
    aplinka.Klausejas = &klausejas;
  }

  static TSakinys Sakinys(std::string_view tekstas) {
    TSakinys sakinys;
    SkaidytiZodzius(tekstas, sakinys);
    return sakinys;
  }

  static std::string Lietuviskai(const TSakinys& s) {
    std::string tekstas;
    for (int i = 0; i < s.Kiekis(); ++i) tekstas += (i ? "|" : "") + s.Zodziai[i].Liet;
    return tekstas;
  }

  // The Lithuanian texts of the sentence's words after a lookup.
  std::string Surasti(void (*paieska)(Aplinka&, TSakinys&), std::string_view tekstas) {
    TSakinys s = Sakinys(tekstas);
    paieska(aplinka, s);
    return Lietuviskai(s);
  }

  Aplinka aplinka;
  ScenarijausKlausejas klausejas;
};

TEST_F(SakinioPaieska, AutomaticLookupTakesTheLastCandidateAndKeepsCapitals) {
  TSakinys s = Sakinys("Bank zzz, Will london.");
  s.Zodziai[2].Angl = "will";  // punctuation is never looked up, whatever its text
  s.Zodziai[3].Laikas = 5;
  SurastiAutomatiskai(aplinka, s);
  EXPECT_EQ(Lietuviskai(s), "krantas|zzz|,||Londonas|.");
  EXPECT_EQ(s.Zodziai[3].Laikas, 1);  // a built-in word resets what it does not set
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
            (std::vector<std::string>{"0 bank 2: The boy will see a bank near zzz. ",
                                      "1 zzz 0: The boy will see a bank near zzz. "}));
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
