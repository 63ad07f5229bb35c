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

ZodynoIrasas Veiksmazodis(std::string_view bendratiesUtf8, std::string_view esamasisUtf8,
                          std::string_view butasisUtf8, int esamojoKlase, int butojoKlase,
                          int busimojoKlase) {
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, 3);
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, IsUtf8(bendratiesUtf8).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, IsUtf8(esamasisUtf8).Tekstas);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, IsUtf8(butasisUtf8).Tekstas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, esamojoKlase);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, butojoKlase);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, busimojoKlase);
  return irasas;
}

// A form as UTF-8, "-" when there is none, so that failures read as Lithuanian.
std::string Utf8(const Forma& forma) { return forma ? IUtf8(*forma) : "-"; }

std::string Asmenuojama(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka) {
  return Utf8(VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, lVardininkas, dgVyriska,
                                 skVienaskaita, fAsmenuojama, true));
}

std::vector<std::string> Asmenys(const ZodynoIrasas& irasas, int laikas, int nuosaka) {
  std::vector<std::string> formos;
  for (int asmuo = 1; asmuo <= AsmenuSkaicius; ++asmuo)
    formos.push_back(Asmenuojama(irasas, asmuo, laikas, nuosaka));
  return formos;
}

std::string Veikiamasis(const ZodynoIrasas& irasas, int laikas, int gimine, int skaicius,
                        int linksnis) {
  return Utf8(VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, lVardininkas, gimine,
                                 skaicius, fDalyvis, true));
}

std::string Neveikiamasis(const ZodynoIrasas& irasas, int laikas, int gimine, int skaicius,
                          int linksnis) {
  return Utf8(VeiksmazodzioForma(irasas, 1, laikas, nTiesiogine, linksnis, gimine, skaicius,
                                 fDalyvis, false));
}

const ZodynoIrasas dirbti = Veiksmazodis("dirb", "dirb", "dirb", 0, 0, 0);
const ZodynoIrasas mokytis = Veiksmazodis("moky", "mok", "mok", 7, 3, 1);

TEST(VeiksmazodzioForma, PlainVerbInEveryTenseAndMood) {
  EXPECT_THAT(Asmenys(dirbti, lkEsamasis, nTiesiogine),
              ElementsAre("dirbu", "dirbi", "dirba", "dirbame", "dirbate", "dirba"));
  EXPECT_THAT(Asmenys(dirbti, lkButasisKartinis, nTiesiogine),
              ElementsAre("dirbau", "dirbai", "dirbo", "dirbome", "dirbote", "dirbo"));
  EXPECT_THAT(Asmenys(dirbti, lkButasisDazninis, nTiesiogine),
              ElementsAre("dirbdavau", "dirbdavai", "dirbdavo", "dirbdavome", "dirbdavote",
                          "dirbdavo"));
  EXPECT_THAT(Asmenys(dirbti, lkBusimasis, nTiesiogine),
              ElementsAre("dirbsiu", "dirbsi", "dirbs", "dirbsime", "dirbsite", "dirbs"));
  EXPECT_EQ(Asmenuojama(dirbti, 4, lkBendratis, nTiesiogine), "dirbti");
  EXPECT_THAT(Asmenys(dirbti, lkEsamasis, nTariamoji),
              ElementsAre("dirbčiau", "dirbtum", "dirbtų", "dirbtume", "dirbtute", "dirbtų"));
  EXPECT_THAT(Asmenys(dirbti, lkEsamasis, nLiepiamoji),
              ElementsAre("-", "dirbk", "tegul dirba", "dirbkime", "dirbkite", "tegul dirba"));
}

TEST(VeiksmazodzioForma, ReflexiveClassesUseTheirOwnRows) {
  EXPECT_THAT(Asmenys(mokytis, lkEsamasis, nTiesiogine),
              ElementsAre("mokausi", "mokaisi", "mokosi", "mokomės", "mokotės", "mokosi"));
  EXPECT_THAT(Asmenys(mokytis, lkButasisKartinis, nTiesiogine),
              ElementsAre("mokiausi", "mokeisi", "mokėsi", "mokėmės", "mokėtės", "mokėsi"));
  EXPECT_THAT(Asmenys(mokytis, lkBusimasis, nTiesiogine),
              ElementsAre("mokysiuosi", "mokysiesi", "mokysis", "mokysimės", "mokysitės",
                          "mokysis"));
  EXPECT_EQ(Asmenuojama(mokytis, 1, lkBendratis, nTiesiogine), "mokytis");
  EXPECT_EQ(Asmenuojama(mokytis, 1, lkEsamasis, nTariamoji), "mokyčiausi");
  EXPECT_EQ(Asmenuojama(mokytis, 2, lkEsamasis, nTariamoji), "mokytumeisi");
  EXPECT_THAT(Asmenys(mokytis, lkEsamasis, nLiepiamoji),
              ElementsAre("-", "mokykis", "tegul mokosi", "mokykimės", "mokykitės",
                          "tegul mokosi"));
}

TEST(VeiksmazodzioForma, FrequentativeAlwaysTakesThePlainFirstPastRow) {
  const ZodynoIrasas kalti = Veiksmazodis("kal", "kal", "kal", 0, 1, 0);
  EXPECT_EQ(Asmenuojama(kalti, 1, lkButasisKartinis, nTiesiogine), "kaliau");
  EXPECT_EQ(Asmenuojama(kalti, 3, lkButasisDazninis, nTiesiogine), "kaldavo");
  EXPECT_EQ(Asmenuojama(mokytis, 3, lkButasisDazninis, nTiesiogine), "mokydavo");
  EXPECT_EQ(Asmenuojama(mokytis, 4, lkButasisDazninis, nTiesiogine), "mokydavome");
}

TEST(VeiksmazodzioForma, FutureClassTwoLeavesTheBareStemInTheThirdPersons) {
  const ZodynoIrasas mesti = Veiksmazodis("mes", "met", "met", 0, 1, 2);
  EXPECT_THAT(Asmenys(mesti, lkBusimasis, nTiesiogine),
              ElementsAre("mesiu", "mesi", "mes", "mesime", "mesite", "mes"));
  EXPECT_EQ(Asmenuojama(mesti, 1, lkBendratis, nTiesiogine), "mesti");
  EXPECT_EQ(Asmenuojama(mesti, 1, lkEsamasis, nTariamoji), "mesčiau");
  EXPECT_EQ(Asmenuojama(mesti, 2, lkEsamasis, nLiepiamoji), "mesk");
  EXPECT_EQ(Asmenuojama(mesti, 3, lkEsamasis, nLiepiamoji), "tegul meta");
}

TEST(VeiksmazodzioForma, ActiveParticipleTakesItsCaseFromThePerson) {
  EXPECT_EQ(Veikiamasis(dirbti, lkEsamasis, dgVyriska, skVienaskaita, 1), "dirbantis");
  EXPECT_EQ(Veikiamasis(dirbti, lkEsamasis, dgVyriska, skVienaskaita, 3), "dirbančiam");
  // The passive-participle case argument does not reach an active participle.
  EXPECT_EQ(Utf8(VeiksmazodzioForma(dirbti, 1, lkEsamasis, nTiesiogine, lNaudininkas, dgVyriska,
                                    skVienaskaita, fDalyvis, true)),
            "dirbantis");
  EXPECT_EQ(Veikiamasis(dirbti, lkButasisKartinis, dgVyriska, skDaugiskaita, 1), "dirbę");
  EXPECT_EQ(Veikiamasis(dirbti, lkButasisKartinis, dgMoteriska, skDaugiskaita, 4), "dirbusias");
  EXPECT_EQ(Veikiamasis(dirbti, lkButasisDazninis, dgVyriska, skVienaskaita, 1), "dirbdavęs");
  EXPECT_EQ(Veikiamasis(dirbti, lkBusimasis, dgMoteriska, skVienaskaita, 6), "dirbsiančioje");
  EXPECT_EQ(Veikiamasis(dirbti, lkBendratis, dgVyriska, skVienaskaita, 1), "-");
}

TEST(VeiksmazodzioForma, PassiveParticipleTakesItsCaseFromItsOwnArgument) {
  EXPECT_EQ(Neveikiamasis(dirbti, lkEsamasis, dgVyriska, skVienaskaita, 1), "dirbamas");
  EXPECT_EQ(Neveikiamasis(dirbti, lkEsamasis, dgMoteriska, skDaugiskaita, 5), "dirbamomis");
  EXPECT_EQ(Neveikiamasis(dirbti, lkButasisKartinis, dgVyriska, skVienaskaita, 1), "dirbtas");
  EXPECT_EQ(Neveikiamasis(mokytis, lkButasisKartinis, dgMoteriska, skVienaskaita, 1), "mokyta");
  // The person does not reach a passive participle, nor does the form kind.
  EXPECT_EQ(Utf8(VeiksmazodzioForma(dirbti, 6, lkEsamasis, nTiesiogine, lKilmininkas, dgVyriska,
                                    skVienaskaita, fAsmenuojama, false)),
            "dirbamo");
  EXPECT_EQ(Neveikiamasis(dirbti, lkButasisDazninis, dgVyriska, skVienaskaita, 1), "-");
  EXPECT_EQ(Neveikiamasis(dirbti, lkBusimasis, dgVyriska, skVienaskaita, 1), "-");
}

TEST(VeiksmazodzioForma, FrequentativeParticipleGrowsFromTheInfinitiveStem) {
  // The past stems mok and mylėj would give mokdavęs and mylėjdavęs, which are no words.
  EXPECT_EQ(Veikiamasis(mokytis, lkButasisDazninis, dgVyriska, skVienaskaita, 1), "mokydavęs");
  const ZodynoIrasas myleti = Veiksmazodis("mylė", "myl", "mylėj", 2, 0, 0);
  EXPECT_EQ(Veikiamasis(myleti, lkButasisDazninis, dgMoteriska, skDaugiskaita, 2),
            "mylėdavusių");
  EXPECT_EQ(Veikiamasis(myleti, lkButasisKartinis, dgVyriska, skVienaskaita, 1), "mylėjęs");
}

TEST(VeiksmazodzioForma, StemShapeUsesTheOneStemAndClassForEveryTense) {
  const auto forma = [](std::string_view kamienas, int klase, int asmuo, int laikas,
                        int nuosaka) {
    return Utf8(VeiksmazodzioForma(IsUtf8(kamienas).Tekstas, klase, asmuo, laikas, nuosaka,
                                   lVardininkas, dgVyriska, skVienaskaita, fAsmenuojama, true));
  };
  EXPECT_EQ(forma("dirb", 0, 4, lkEsamasis, nLiepiamoji), "dirbkime");
  EXPECT_EQ(forma("dirb", 0, 5, lkEsamasis, nLiepiamoji), "dirbkite");
  EXPECT_EQ(forma("mok", 7, 1, lkEsamasis, nTiesiogine), "mokausi");
  EXPECT_EQ(forma("mok", 3, 2, lkButasisKartinis, nTiesiogine), "mokeisi");
  EXPECT_EQ(forma("moky", 1, 6, lkBusimasis, nTiesiogine), "mokysis");
  // A class only the present table has builds no future form.
  EXPECT_EQ(forma("mok", 7, 3, lkBusimasis, nTiesiogine), "-");
}

TEST(VeiksmazodzioForma, ArgumentsAFormDoesNotNeedAreNotChecked) {
  // Gender, number and case mean nothing to a finite form; tense nothing to the conditional.
  EXPECT_EQ(Utf8(VeiksmazodzioForma(dirbti, 1, lkEsamasis, nTiesiogine, 99, -5, 42,
                                    fAsmenuojama, true)),
            "dirbu");
  EXPECT_EQ(Asmenuojama(dirbti, 3, 0, nTariamoji), "dirbtų");
  // The "tegul " forms read only the present class, the other imperatives only the future class.
  const ZodynoIrasas beAteities = Veiksmazodis("moky", "mok", "mok", 7, 3, 9);
  EXPECT_EQ(Asmenuojama(beAteities, 3, lkEsamasis, nLiepiamoji), "tegul mokosi");
  EXPECT_EQ(Asmenuojama(beAteities, 2, lkEsamasis, nLiepiamoji), "-");
}

TEST(VeiksmazodzioForma, DamagedClassesGiveNoForm) {
  for (const int klase : {-1, 8, 1000, INT_MAX, INT_MIN}) {
    const ZodynoIrasas sugadintas = Veiksmazodis("dirb", "dirb", "dirb", klase, klase, klase);
    for (const int laikas : {lkEsamasis, lkButasisKartinis, lkBusimasis, lkBendratis})
      EXPECT_EQ(Asmenuojama(sugadintas, 1, laikas, nTiesiogine), "-") << klase << ' ' << laikas;
    EXPECT_EQ(Asmenuojama(sugadintas, 1, lkEsamasis, nTariamoji), "-") << klase;
    EXPECT_EQ(Asmenuojama(sugadintas, 2, lkEsamasis, nLiepiamoji), "-") << klase;
    EXPECT_EQ(Asmenuojama(sugadintas, 3, lkEsamasis, nLiepiamoji), "-") << klase;
    EXPECT_EQ(Veikiamasis(sugadintas, lkEsamasis, dgVyriska, skVienaskaita, 1), "-") << klase;
    EXPECT_EQ(Neveikiamasis(sugadintas, lkEsamasis, dgVyriska, skVienaskaita, 1), "-") << klase;
    // The frequentative reads no class at all.
    EXPECT_EQ(Asmenuojama(sugadintas, 1, lkButasisDazninis, nTiesiogine), "dirbdavau") << klase;
  }
  // Classes that exist in the present table but not in the past or future ones.
  const ZodynoIrasas plati = Veiksmazodis("dirb", "dirb", "dirb", 7, 4, 3);
  EXPECT_EQ(Asmenuojama(plati, 1, lkEsamasis, nTiesiogine), "dirbausi");
  EXPECT_EQ(Asmenuojama(plati, 1, lkButasisKartinis, nTiesiogine), "-");
  EXPECT_EQ(Asmenuojama(plati, 1, lkBusimasis, nTiesiogine), "-");
  EXPECT_EQ(Asmenuojama(plati, 1, lkBendratis, nTiesiogine), "-");
}

TEST(VeiksmazodzioForma, CodesOutsideTheirRangeGiveNoForm) {
  for (const int asmuo : {0, 7, -1, INT_MAX, INT_MIN}) {
    EXPECT_EQ(Asmenuojama(dirbti, asmuo, lkEsamasis, nTiesiogine), "-") << asmuo;
    EXPECT_EQ(Asmenuojama(dirbti, asmuo, lkButasisDazninis, nTiesiogine), "-") << asmuo;
    EXPECT_EQ(Asmenuojama(dirbti, asmuo, lkEsamasis, nTariamoji), "-") << asmuo;
    EXPECT_EQ(Asmenuojama(dirbti, asmuo, lkEsamasis, nLiepiamoji), "-") << asmuo;
    EXPECT_EQ(Veikiamasis(dirbti, lkButasisKartinis, dgVyriska, skVienaskaita, asmuo), "-");
    EXPECT_EQ(Neveikiamasis(dirbti, lkEsamasis, dgVyriska, skVienaskaita, asmuo), "-");
  }
  for (const int laikas : {0, 6, -1, INT_MAX}) {
    EXPECT_EQ(Asmenuojama(dirbti, 1, laikas, nTiesiogine), "-") << laikas;
    EXPECT_EQ(Veikiamasis(dirbti, laikas, dgVyriska, skVienaskaita, 1), "-") << laikas;
  }
  for (const int nuosaka : {3, -1, INT_MAX})
    EXPECT_EQ(Asmenuojama(dirbti, 1, lkEsamasis, nuosaka), "-") << nuosaka;
  for (const int gimine : {2, -1, INT_MAX}) {
    EXPECT_EQ(Veikiamasis(dirbti, lkBusimasis, gimine, skVienaskaita, 1), "-") << gimine;
    EXPECT_EQ(Neveikiamasis(dirbti, lkEsamasis, gimine, skVienaskaita, 1), "-") << gimine;
  }
  for (const int skaicius : {0, 3, -1, INT_MIN}) {
    EXPECT_EQ(Veikiamasis(dirbti, lkEsamasis, dgVyriska, skaicius, 1), "-") << skaicius;
    EXPECT_EQ(Neveikiamasis(dirbti, lkButasisKartinis, dgVyriska, skaicius, 1), "-") << skaicius;
  }
  for (const int formosRusis : {2, -1})
    EXPECT_EQ(Utf8(VeiksmazodzioForma(dirbti, 1, lkEsamasis, nTiesiogine, lVardininkas,
                                      dgVyriska, skVienaskaita, formosRusis, true)),
              "-")
        << formosRusis;
}

}  // namespace
}  // namespace kervosta
