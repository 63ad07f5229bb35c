#include "morphology/veiksmazodziu_formos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/cp1257.h"
#include "morphology/kodai.h"

namespace kervosta {
namespace {

using ::testing::ElementsAre;

ZodynoIrasas Veiksmazodis(const char* bendraties, const char* esamasis, const char* butasis,
                          int esamojoKlase, int butojoKlase, int busimojoKlase) {
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, IsUtf8(bendraties).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, IsUtf8(esamasis).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, IsUtf8(butasis).Tekstas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, esamojoKlase);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, butojoKlase);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, busimojoKlase);
  return irasas;
}

// A form as UTF-8, "-" when there is none, so that failures read as Lithuanian.
std::string Utf8(const Forma& forma) { return forma ? IUtf8(*forma) : "-"; }

std::string Asmenuojama(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka = 0) {
  return Utf8(
      VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, 1, dgVyriska, 1, fAsmenuojama, true));
}

std::vector<std::string> Asmenys(const ZodynoIrasas& irasas, int laikas, int nuosaka = 0) {
  std::vector<std::string> formos;
  for (int asmuo = 1; asmuo <= AsmenuSkaicius; ++asmuo)
    formos.push_back(Asmenuojama(irasas, asmuo, laikas, nuosaka));
  return formos;
}

// An active participle takes its case from the person, a passive one from its own argument.
std::string Dalyvis(const ZodynoIrasas& irasas, int laikas, bool veikiamoji, int gimine = 0,
                    int skaicius = 1, int asmuo = 1, int linksnis = 1) {
  return Utf8(VeiksmazodzioForma(irasas, asmuo, laikas, nTiesiogine, linksnis, gimine, skaicius,
                                 fDalyvis, veikiamoji));
}

// Three different stems show which stem every form grows from.
const ZodynoIrasas myleti = Veiksmazodis("mylė", "myl", "mylėj", 2, 0, 0);
const ZodynoIrasas mokytis = Veiksmazodis("moky", "mok", "mok", 7, 3, 1);

TEST(VeiksmazodzioForma, EveryFormGrowsFromItsOwnStem) {
  EXPECT_EQ(Asmenuojama(myleti, 1, lkEsamasis), "myliu");
  EXPECT_EQ(Asmenuojama(myleti, 1, lkButasisKartinis), "mylėjau");
  EXPECT_EQ(Asmenuojama(myleti, 5, lkButasisDazninis), "mylėdavote");
  EXPECT_EQ(Asmenuojama(myleti, 6, lkBusimasis), "mylės");
  EXPECT_EQ(Asmenuojama(myleti, 4, lkBendratis), "mylėti");
  EXPECT_THAT(Asmenys(myleti, 0, nTariamoji),
              ElementsAre("mylėčiau", "mylėtum", "mylėtų", "mylėtume", "mylėtute", "mylėtų"));
  EXPECT_THAT(Asmenys(myleti, 0, nLiepiamoji),
              ElementsAre("-", "mylėk", "tegul myli", "mylėkime", "mylėkite", "tegul myli"));
  EXPECT_EQ(Dalyvis(myleti, lkEsamasis, true), "mylintis");
  EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, true), "mylėjęs");
  EXPECT_EQ(Dalyvis(myleti, lkBusimasis, true), "mylėsiantis");
  EXPECT_EQ(Dalyvis(myleti, lkEsamasis, false), "mylimas");
  EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, false), "mylėtas");
}

TEST(VeiksmazodzioForma, FrequentativeParticipleGrowsFromTheInfinitiveStem) {
  // The past stems would give mylėjdavęs and mokdavęs, which are no words.
  EXPECT_EQ(Dalyvis(myleti, lkButasisDazninis, true), "mylėdavęs");
  EXPECT_EQ(Dalyvis(mokytis, lkButasisDazninis, true, dgMoteriska, 2, 2), "mokydavusių");
}

TEST(VeiksmazodzioForma, ReflexiveClassesUseTheirOwnRows) {
  EXPECT_THAT(Asmenys(mokytis, lkEsamasis),
              ElementsAre("mokausi", "mokaisi", "mokosi", "mokomės", "mokotės", "mokosi"));
  EXPECT_THAT(Asmenys(mokytis, lkButasisKartinis),
              ElementsAre("mokiausi", "mokeisi", "mokėsi", "mokėmės", "mokėtės", "mokėsi"));
  EXPECT_THAT(Asmenys(mokytis, lkBusimasis), ElementsAre("mokysiuosi", "mokysiesi", "mokysis",
                                                         "mokysimės", "mokysitės", "mokysis"));
  EXPECT_EQ(Asmenuojama(mokytis, 1, lkBendratis), "mokytis");
  EXPECT_EQ(Asmenuojama(mokytis, 1, 0, nTariamoji), "mokyčiausi");
  EXPECT_EQ(Asmenuojama(mokytis, 2, 0, nTariamoji), "mokytumeisi");
  EXPECT_THAT(
      Asmenys(mokytis, 0, nLiepiamoji),
      ElementsAre("-", "mokykis", "tegul mokosi", "mokykimės", "mokykitės", "tegul mokosi"));
}

TEST(VeiksmazodzioForma, FrequentativeAlwaysTakesThePlainFirstPastRow) {
  const ZodynoIrasas kalti = Veiksmazodis("kal", "kal", "kal", 0, 1, 0);
  EXPECT_EQ(Asmenuojama(kalti, 3, lkButasisKartinis), "kalė");
  EXPECT_EQ(Asmenuojama(kalti, 3, lkButasisDazninis), "kaldavo");
  EXPECT_THAT(
      Asmenys(mokytis, lkButasisDazninis),
      ElementsAre("mokydavau", "mokydavai", "mokydavo", "mokydavome", "mokydavote", "mokydavo"));
}

TEST(VeiksmazodzioForma, FutureClassTwoLeavesTheBareStemInTheThirdPersons) {
  const ZodynoIrasas mesti = Veiksmazodis("mes", "met", "met", 0, 1, 2);
  EXPECT_THAT(Asmenys(mesti, lkBusimasis),
              ElementsAre("mesiu", "mesi", "mes", "mesime", "mesite", "mes"));
  EXPECT_EQ(Asmenuojama(mesti, 1, lkBendratis), "mesti");
  EXPECT_EQ(Asmenuojama(mesti, 1, 0, nTariamoji), "mesčiau");
  EXPECT_EQ(Asmenuojama(mesti, 2, 0, nLiepiamoji), "mesk");
}

TEST(VeiksmazodzioForma, ParticiplesTakeGenderNumberAndCaseFromTheirArguments) {
  EXPECT_EQ(Dalyvis(myleti, lkEsamasis, true, dgVyriska, 1, 3, 6), "mylinčiam");
  EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, true, dgMoteriska, 2, 4, 1), "mylėjusias");
  EXPECT_EQ(Dalyvis(myleti, lkEsamasis, false, dgMoteriska, 2, 6, 5), "mylimomis");
  EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, false, dgVyriska, 2, 1, 2), "mylėtų");
  // The passive ignores the form kind.
  EXPECT_EQ(Utf8(VeiksmazodzioForma(myleti, 1, lkEsamasis, 0, 1, 0, 1, fAsmenuojama, false)),
            "mylimas");
  EXPECT_EQ(Dalyvis(myleti, lkBendratis, true), "-");
  EXPECT_EQ(Dalyvis(myleti, lkButasisDazninis, false), "-");
  EXPECT_EQ(Dalyvis(myleti, lkBusimasis, false), "-");
}

TEST(VeiksmazodzioForma, StemShapeUsesTheOneStemAndClassForEveryTense) {
  const auto forma = [](const char* kamienas, int klase, int asmuo, int laikas, int nuosaka) {
    return Utf8(VeiksmazodzioForma(IsUtf8(kamienas).Tekstas, klase, asmuo, laikas, nuosaka, 1, 0, 1,
                                   fAsmenuojama, true));
  };
  EXPECT_EQ(forma("dirb", 0, 4, 0, nLiepiamoji), "dirbkime");
  EXPECT_EQ(forma("dirb", 0, 5, 0, nLiepiamoji), "dirbkite");
  EXPECT_EQ(forma("mok", 3, 2, lkButasisKartinis, 0), "mokeisi");
  EXPECT_EQ(forma("mok", 7, 3, lkBusimasis, 0), "-");  // no future class 7
}

TEST(VeiksmazodzioForma, OnlyTheArgumentsAFormNeedsAreChecked) {
  EXPECT_EQ(Utf8(VeiksmazodzioForma(myleti, 1, lkEsamasis, 0, 99, -5, 42, fAsmenuojama, true)),
            "myliu");
  EXPECT_EQ(Asmenuojama(myleti, 3, -7, nTariamoji), "mylėtų");
  // "tegul " forms read the present class only, the other imperatives the future class only.
  const ZodynoIrasas beAteities = Veiksmazodis("moky", "mok", "mok", 7, 3, 9);
  EXPECT_EQ(Asmenuojama(beAteities, 3, 0, nLiepiamoji), "tegul mokosi");
  EXPECT_EQ(Asmenuojama(beAteities, 2, 0, nLiepiamoji), "-");
  EXPECT_EQ(Asmenuojama(beAteities, 1, lkEsamasis), "mokausi");
}

TEST(VeiksmazodzioForma, DamagedClassesAndCodesGiveNoForm) {
  for (const int klase : {-1, 8, INT_MAX, INT_MIN}) {
    const ZodynoIrasas sugadintas = Veiksmazodis("dirb", "dirb", "dirb", klase, klase, klase);
    for (const int laikas : {lkEsamasis, lkButasisKartinis, lkBusimasis, lkBendratis})
      EXPECT_EQ(Asmenuojama(sugadintas, 1, laikas), "-") << klase << ' ' << laikas;
    EXPECT_EQ(Asmenuojama(sugadintas, 1, 0, nTariamoji), "-") << klase;
    EXPECT_EQ(Asmenuojama(sugadintas, 3, 0, nLiepiamoji), "-") << klase;
    EXPECT_EQ(Dalyvis(sugadintas, lkEsamasis, true), "-") << klase;
    EXPECT_EQ(Dalyvis(sugadintas, lkEsamasis, false), "-") << klase;
  }
  EXPECT_EQ(Asmenuojama(Veiksmazodis("a", "a", "a", 7, 4, 3), 1, lkButasisKartinis), "-");
  for (const int blogas : {-1, 0, 7, INT_MAX, INT_MIN}) {  // a person, case or tense
    EXPECT_EQ(Asmenuojama(myleti, blogas, lkEsamasis), "-") << blogas;
    EXPECT_EQ(Asmenuojama(myleti, blogas, lkButasisDazninis), "-") << blogas;
    EXPECT_EQ(Asmenuojama(myleti, blogas, 0, nTariamoji), "-") << blogas;
    EXPECT_EQ(Asmenuojama(myleti, blogas, 0, nLiepiamoji), "-") << blogas;
    EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, true, 0, 1, blogas), "-") << blogas;
    EXPECT_EQ(Dalyvis(myleti, lkEsamasis, false, 0, 1, 1, blogas), "-") << blogas;
    EXPECT_EQ(Asmenuojama(myleti, 1, blogas == 0 ? 6 : blogas), "-") << blogas;
  }
  for (const int blogas : {-1, 3, INT_MAX}) {  // a gender, number, mood or form kind
    EXPECT_EQ(Dalyvis(myleti, lkBusimasis, true, blogas == 3 ? 2 : blogas), "-") << blogas;
    EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, false, 0, blogas), "-") << blogas;
    EXPECT_EQ(Asmenuojama(myleti, 1, lkEsamasis, blogas), "-") << blogas;
    EXPECT_EQ(Utf8(VeiksmazodzioForma(myleti, 1, 1, 0, 1, 0, 1, blogas == 3 ? 2 : blogas, true)),
              "-")
        << blogas;
  }
}

}  // namespace
}  // namespace kervosta
