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

// Records every question and answers from a script; with the script used up it chooses nothing.
class ScenarijausKlausejas : public KoregavimoKlausejas {
 public:
  struct Klausimas {
    std::uint8_t Rezimas;
    std::string Sakinys;
    std::string Zodis;
    int Kandidatu;
  };
  using Atsakymas = std::function<int(Aplinka&)>;

  int Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& zodis,
              Aplinka& aplinka) override {
    Klausimai.push_back({rezimas, sakinioTekstas, zodis, aplinka.Variantai.Kiekis()});
    if (Atsakymai.empty()) return NeraPasirinkimo;
    const Atsakymas atsakymas = Atsakymai.front();
    Atsakymai.pop_front();
    return atsakymas(aplinka);
  }

  void Atsakyti(int pasirinkimas) {
    Atsakymai.push_back([pasirinkimas](Aplinka&) { return pasirinkimas; });
  }

  std::vector<Klausimas> Klausimai;
  std::deque<Atsakymas> Atsakymai;
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

  Aplinka aplinka;
  ScenarijausKlausejas klausejas;
};

TEST_F(SakinioPaieska, AutomaticLookupTakesTheLastCandidateAndKeepsCapitals) {
  TSakinys s = Sakinys("Bank zzz, Will london.");
  s.Zodziai[2].Angl = "will";  // punctuation is never looked up, whatever its text
  s.Zodziai[3].Laikas = 5;
  SurastiAutomatiskai(aplinka, s);
  EXPECT_EQ(Lietuviskai(s), "krantas|zzz|,||Londonas|.");
  EXPECT_EQ(s.Zodziai[0].Irasas, aplinka.Zodynai.PagrindinisZodynas.Rasti(2));
  EXPECT_EQ(s.Zodziai[1].KalbosDalis, dNezinoma);
  EXPECT_EQ(s.Zodziai[2].Vidinis, 0);
  EXPECT_EQ(s.Zodziai[3].KalbosDalis, dPagalbinis);
  EXPECT_EQ(s.Zodziai[3].Laikas, 1);  // a built-in word resets what it does not set
  // Capitals: kept from the source word (also on built-in words), added for a proper noun.
  for (int i : {0, 3, 4}) EXPECT_EQ(s.Zodziai[i].Tikrinis, 1) << i;
  EXPECT_TRUE(klausejas.Klausimai.empty());
}

TEST_F(SakinioPaieska, CorrectionAsksOnlyForUnknownAndAmbiguousWords) {
  TSakinys s = Sakinys("the boy will see a bank near zzz.");
  SurastiSuKoregavimu(aplinka, s);
  ASSERT_EQ(klausejas.Klausimai.size(), 2u);
  const auto& bank = klausejas.Klausimai[0];
  EXPECT_EQ(bank.Rezimas, rezDaugiaprasmis);
  EXPECT_EQ(bank.Zodis, "bank");
  EXPECT_EQ(bank.Kandidatu, 2);
  EXPECT_EQ(bank.Sakinys, "The boy will see a bank near zzz. ");
  EXPECT_EQ(klausejas.Klausimai[1].Rezimas, rezNezinomas);
  EXPECT_EQ(klausejas.Klausimai[1].Zodis, "zzz");
  // Unanswered: the ambiguous word takes the last candidate, the unknown one stays English.
  EXPECT_EQ(Lietuviskai(s), "|berniukas||matyti||krantas|prie|zzz|.");
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
  TSakinys s = Sakinys("Bank, bank, bank, zzz, qqq");
  SurastiSuKoregavimu(aplinka, s);
  EXPECT_EQ(klausejas.Klausimai.size(), 5u);
  EXPECT_EQ(Lietuviskai(s), "bankas|,|bank|,|krantas|,|zzzz|,|qqq");
  EXPECT_EQ(s.Zodziai[6].Irasas, aplinka.Zodynai.VartotojoZodynas.Galva());

  aplinka.Klausejas = nullptr;
  TSakinys be = Sakinys("Bank qqq");
  SurastiSuKoregavimu(aplinka, be);
  EXPECT_EQ(Lietuviskai(be), "krantas|qqq");
}

TEST_F(SakinioPaieska, SwitchingCorrectionOffTakesEffectFromTheNextSentence) {
  klausejas.Atsakymai.push_back([](Aplinka& a) {
    a.AutomatinisVertimas = 1;
    return 1;
  });
  aplinka.AutomatinisVertimas = 0;
  TSakinys pirmas = Sakinys("Bank and bank.");
  SurastiSakinioZodzius(aplinka, pirmas);
  EXPECT_EQ(klausejas.Klausimai.size(), 3u);  // "and" is unknown here
  EXPECT_EQ(Lietuviskai(pirmas), "bankas|and|krantas|.");
  TSakinys antras = Sakinys("Bank zzz.");
  SurastiSakinioZodzius(aplinka, antras);
  EXPECT_EQ(klausejas.Klausimai.size(), 3u);
  EXPECT_EQ(Lietuviskai(antras), "krantas|zzz|.");
}

TEST(KlausimoSakinys, SpacesAroundPunctuationAndWordsWithoutText) {
  TSakinys s;
  SkaidytiZodzius("\"well\", he said. ok? (yes)", s);
  s.Zodziai.Iterpti(3, TZodis{});  // a word without English text adds nothing
  EXPECT_EQ(KlausimoSakinys(s), "\" well\", he said.  ok? ( yes)");
}

}  // namespace
}  // namespace kervosta
