// Which candidate automatic lookup takes: the part of speech by context, the marked sense of
// time, and the verb form its auxiliaries call for, with the context rule on and off.
#include "analysis/kandidatu_parinkimas.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "analysis/sakinio_paieska.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

constexpr std::string_view Dviprasmiai =
    "pos=5\ten=kind|kind|kinder|kindest\tlt=malonus\tstem=malon\tp1=4\tp2=2\n"
    "pos=1\tcat=7\ten=kind|kind|kinds\tlt=rūšis\tstem=rūš\tp1=12\tp2=1\n"
    "pos=1\ten=leaf|leaf|leaves\tlt=lapas\tstem=lap\n"
    "pos=3\ten=leave|leaves|left|left|leaving\tlt=palikti\tstem=palik\tpres=paliek\tpast=palik\t"
    "fut=palik\tq=4\n"
    "pos=1\ten=work|work|work\tennum=1\tlt=darbas\tstem=darb\n"
    "pos=3\ten=work|works|worked|worked|working\tlt=dirbti\tstem=dirb\tpres=dirb\tpast=dirb\t"
    "fut=dirb\n"
    "pos=3\ten=put|puts|put|put|putting\tlt=dėti\tstem=dė\tpres=ded\tpast=dėj\tfut=dė\tq=4\n"
    "pos=1\tcat=4\ten=week|week|weeks\tlt=savaitė\tstem=savait\tp1=8\tp2=1\n"
    "pos=5\tattr=1\ten=last|last\tlt=paskutinis\tstem=paskutin\tp1=3\tp2=3\n"
    "pos=5\tcat=4\tattr=1\ten=last|last\tlt=praeitas\tstem=praeit\n"
    "pos=4\ten=never\tlt=niekada\n";

class KandidatuParinkimas : public ::testing::Test {
 protected:
  KandidatuParinkimas() { SkaitytiZodynoTeksta(Dviprasmiai, aplinka.Zodynai.PagrindinisZodynas); }

  // The lookup text, part of speech and English form automatic lookup gives the word at `i`.
  std::string Parinkta(std::vector<std::string_view> zodziai, int i) {
    TSakinys s;
    for (std::string_view w : zodziai) {
      TZodis z;
      z.Angl = std::string(w);
      s.Zodziai.Prideti(std::move(z));
    }
    SurastiAutomatiskai(aplinka, s);
    return IUtf8(s.Zodziai[i].Liet) + " " + std::to_string(s.Zodziai[i].KalbosDalis) + " " +
           std::to_string(s.Zodziai[i].AnglForma);
  }

  Aplinka aplinka = testai::NaujaTestoAplinka();
};

TEST_F(KandidatuParinkimas, TheContextTellsThePartOfSpeech) {
  const std::tuple<std::vector<std::string_view>, int, std::string_view> atvejai[] = {
      {{"very", "kind"}, 1, "malonus 4 0"},
      {{"the", "kind", "boy"}, 1, "malonus 4 0"},
      {{"the", "kind"}, 1, "rūšis 0 0"},
      {{"leaves", "fall"}, 0, "lapai 0 0"},
      {{"the", "boy", "leaves"}, 2, "palieka 2 2"},
      {{"i", "work"}, 1, "dirbti 2 2"},
      {{"i", "will", "never", "work"}, 3, "dirbti 2 2"},
      {{"go", "to", "work"}, 2, "darbas 0 0"},
      {{"want", "to", "work"}, 2, "dirbti 2 2"},
      // A marked sense of time before a noun of time, the plain one elsewhere.
      {{"last", "week"}, 0, "praeitas 4 0"},
      {{"the", "last", "boy"}, 1, "paskutinis 4 0"},
  };
  for (const auto& [zodziai, i, tiketina] : atvejai)
    EXPECT_EQ(Parinkta(zodziai, i), tiketina) << zodziai[static_cast<std::size_t>(i)];
}

// The forms of one verb: the base after a modal, the participle after "have", the past with
// neither, whatever the context rule says.
TEST_F(KandidatuParinkimas, AuxiliariesChooseTheVerbFormEvenWithoutContext) {
  for (bool kontekstas : {true, false}) {
    aplinka.KontekstoTaisykle = kontekstas;
    EXPECT_EQ(Parinkta({"i", "will", "put"}, 2), "dėti 2 2") << kontekstas;
    EXPECT_EQ(Parinkta({"i", "have", "put"}, 2), "dėtas 2 4") << kontekstas;
    EXPECT_EQ(Parinkta({"he", "put"}, 1), "dėjo 2 3") << kontekstas;
  }
}

TEST_F(KandidatuParinkimas, WithoutContextTheLastCandidateWins) {
  aplinka.KontekstoTaisykle = false;
  EXPECT_EQ(Parinkta({"very", "kind"}, 1), "rūšis 0 0");
  EXPECT_EQ(Parinkta({"leaves", "fall"}, 0), "palieka 2 2");
  EXPECT_EQ(Parinkta({"last", "week"}, 0), "praeitas 4 0");
}

TEST(SakinioPradzia, FirstWordAndAfterOpeningMarksEndersAndColons) {
  TSakinys s;
  for (std::string_view w : {"\"", "go", "\"", "see", ".", "go", ":", "x", ",", "y"}) {
    TZodis z;
    z.Angl = std::string(w);
    if (w.size() == 1 && !std::isalpha(static_cast<unsigned char>(w[0])))
      z.KalbosDalis = dSkyriklis;
    s.Zodziai.Prideti(std::move(z));
  }
  const bool tiketina[] = {true, true, false, false, false, true, false, true, false, false};
  const PaieskosEiga eiga(s);
  for (int i = 0; i < s.Kiekis(); ++i) EXPECT_EQ(eiga.SakinioPradzia(i), tiketina[i]) << i;
  EXPECT_TRUE(eiga.SakinioPradzia(-1));
}

// The walk settles one word at a time and asks about the words behind it only; an answer kept
// from an earlier word must be the one going back over the settled words would give.
TEST(PaieskosEiga, KeptAnswersMatchALookBackOverTheSettledWords) {
  const std::pair<std::string_view, std::uint8_t> zodziai[] = {
      {"big", dBudvardis},   {"big", dBudvardis},   {"house", dDaiktavardis},
      {"big", dBudvardis},   {"big", dBudvardis},   {"in", dPrielinksnis},
      {"big", dBudvardis},   {"big", dBudvardis},   {"never", dPrieveiksmis},
      {"not", dNezinoma},    {"go", dVeiksmazodis},
  };
  // Per word: the nearest word before it that is neither an adverb nor "not", and whether the
  // word before it is an adjective before a noun (at the start, after a preposition, or after
  // another such adjective; not after a noun).
  const int ankstesnis[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 7, 7};
  const bool budvardis[] = {false, true, true, false, false, false, false, true, true, false,
                            false};
  TSakinys s;
  for (const auto& [angl, dalis] : zodziai) {
    TZodis z;
    z.Angl = std::string(angl);
    s.Zodziai.Prideti(std::move(z));
  }
  PaieskosEiga eiga(s);
  for (int i = 0; i < s.Kiekis(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    EXPECT_EQ(eiga.AnkstesnisBePrieveiksmiu(i), ankstesnis[k]) << i;
    if (i > 0) {
      EXPECT_EQ(eiga.PriesDaiktavardiBudvardis(i - 1), budvardis[k]) << i;
    }
    s.Zodziai[i].KalbosDalis = zodziai[k].second;
  }
}

}  // namespace
}  // namespace kervosta
