#include "morphology/veiksmazodziu_formos.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

using testai::Veiksmazodis;

// A form as UTF-8, "-" when there is none, so that failures read as Lithuanian.
std::string Utf8(const Forma& forma) { return forma ? IUtf8(*forma) : "-"; }

std::string Asmenuojama(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka = 0) {
  return Utf8(VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, 1, 0, 1, fAsmenuojama, true));
}

// The six persons of a tense or mood, separated by "/".
std::string Asmenys(const ZodynoIrasas& irasas, int laikas, int nuosaka = 0) {
  std::string formos = Asmenuojama(irasas, 1, laikas, nuosaka);
  for (int asmuo = 2; asmuo <= AsmenuSkaicius; ++asmuo)
    formos += '/' + Asmenuojama(irasas, asmuo, laikas, nuosaka);
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

TEST(VeiksmazodzioForma, EveryFormGrowsFromItsOwnStemAndTakesItsOwnArguments) {
  EXPECT_EQ(Asmenuojama(myleti, 1, lkEsamasis) + ' ' + Asmenuojama(myleti, 1, lkButasisKartinis) +
                ' ' + Asmenuojama(myleti, 6, lkBusimasis) + ' ' +
                Asmenuojama(myleti, 1, 0, nTariamoji),
            "myliu mylėjau mylės mylėčiau");
  EXPECT_EQ(Dalyvis(myleti, lkEsamasis, true, dgVyriska, 1, 3, 6), "mylinčiam");
  EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, true, dgMoteriska, 2, 4, 1), "mylėjusias");
  EXPECT_EQ(Dalyvis(myleti, lkEsamasis, false, dgMoteriska, 2, 6, 5), "mylimomis");
  EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, false, dgVyriska, 2, 1, 2), "mylėtų");
  // The past stems would give mylėjdavęs and mokdavusių, which are no words.
  EXPECT_EQ(Dalyvis(myleti, lkButasisDazninis, true), "mylėdavęs");
  EXPECT_EQ(Dalyvis(mokytis, lkButasisDazninis, true, dgMoteriska, 2, 2), "besimokydavusių");
  // Arguments a form does not read may hold anything.
  EXPECT_EQ(VeiksmazodzioForma(myleti, 1, lkEsamasis, 0, 99, -5, 42, fAsmenuojama, true), "myliu");
  EXPECT_EQ(VeiksmazodzioForma(myleti, 1, lkEsamasis, 0, 1, 0, 1, fAsmenuojama, false), "mylimas");
}

// The frequentative takes the first past row after "dav", or its reflexive row.
TEST(VeiksmazodzioForma, ReflexiveClassesUseTheirOwnRows) {
  EXPECT_EQ(Asmenys(mokytis, lkEsamasis), "mokausi/mokaisi/mokosi/mokomės/mokotės/mokosi");
  EXPECT_EQ(Asmenys(mokytis, lkButasisKartinis), "mokiausi/mokeisi/mokėsi/mokėmės/mokėtės/mokėsi");
  EXPECT_EQ(Asmenys(mokytis, lkBusimasis),
            "mokysiuosi/mokysiesi/mokysis/mokysimės/mokysitės/mokysis");
  EXPECT_EQ(Asmenys(mokytis, lkButasisDazninis),
            "mokydavausi/mokydavaisi/mokydavosi/mokydavomės/mokydavotės/mokydavosi");
  EXPECT_EQ(Asmenuojama(mokytis, 1, lkBendratis) + ' ' + Asmenuojama(mokytis, 2, 0, nTariamoji),
            "mokytis mokytumeisi");
  EXPECT_EQ(Asmenys(mokytis, 0, nLiepiamoji),
            "-/mokykis/tegul mokosi/mokykimės/mokykitės/tegul mokosi");
}

// A reflexive participle takes its particle in front; a reflexive verb's passive is the
// impersonal neuter whatever the gender, number and case.
TEST(VeiksmazodzioForma, ReflexiveParticiplesTakeTheParticleInFront) {
  EXPECT_EQ(Dalyvis(mokytis, lkEsamasis, true, dgVyriska, 1, 1), "besimokantis");
  EXPECT_EQ(Dalyvis(mokytis, lkButasisKartinis, true, dgMoteriska, 1, 3), "besimokiusiai");
  EXPECT_EQ(Dalyvis(mokytis, lkBusimasis, true, dgVyriska, 2, 2), "besimokysiančių");
  for (const int gimine : {dgVyriska, dgMoteriska})
    for (const int linksnis : {1, 4})
      EXPECT_EQ(Dalyvis(mokytis, lkEsamasis, false, gimine, 2, 1, linksnis) + ' ' +
                    Dalyvis(mokytis, lkButasisKartinis, false, gimine, 1, 1, linksnis),
                "mokomasi mokytasi");
  EXPECT_EQ(Dalyvis(mokytis, lkEsamasis, false, 2), "-");
}

// "ne" goes in front, after "tegul "; a reflexive form moves its particle in behind "ne".
TEST(VeiksmazodzioForma, NegatedFormsPlaceNeAndTheParticle) {
  const ZodynoIrasas gailetis = Veiksmazodis("gailė", "gail", "gailėj", 6, 2, 1);
  const auto neigiama = [](const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka,
                           int formosRusis = fAsmenuojama, bool veikiamoji = true) {
    return Utf8(NeigiamaVeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, 1, 0, 1, formosRusis,
                                           veikiamoji));
  };
  const std::pair<std::string, const char*> eilutes[] = {
      {neigiama(gailetis, 1, lkEsamasis, 0), "nesigailiu"},
      {neigiama(gailetis, 3, lkButasisKartinis, 0), "nesigailėjo"},
      {neigiama(gailetis, 5, 0, nLiepiamoji), "nesigailėkite"},
      {neigiama(gailetis, 6, 0, nLiepiamoji), "tegul nesigaili"},
      {neigiama(gailetis, 1, lkBendratis, 0), "nesigailėti"},
      {neigiama(mokytis, 1, lkButasisDazninis, 0), "nesimokydavau"},
      {neigiama(mokytis, 1, lkEsamasis, 0, fDalyvis), "nesimokantis"},
      {neigiama(mokytis, 1, lkEsamasis, 0, fDalyvis, false), "nemokomasi"},
      {neigiama(myleti, 1, lkEsamasis, 0), "nemyliu"},
      {neigiama(myleti, 3, 0, nLiepiamoji), "tegul nemyli"},
  };
  for (const auto& [forma, tiketasi] : eilutes) EXPECT_EQ(forma, tiketasi);
}

TEST(VeiksmazodzioForma, FutureClassTwoLeavesTheBareStemInTheThirdPersons) {
  const ZodynoIrasas mesti = Veiksmazodis("mes", "met", "met", 0, 1, 2);
  EXPECT_EQ(Asmenys(mesti, lkBusimasis), "mesiu/mesi/mes/mesime/mesite/mes");
  EXPECT_EQ(Asmenuojama(mesti, 1, lkBendratis), "mesti");
}

// The stem shape serves every tense with one stem and class; the "tegul " imperative reads the
// present class only, the other imperatives the future class only.
TEST(VeiksmazodzioForma, StemShapeAndImperativeReadTheirOwnClass) {
  EXPECT_EQ(VeiksmazodzioForma("mok", 3, 2, lkButasisKartinis, 0, 1, 0, 1, 0, true), "mokeisi");
  const ZodynoIrasas beAteities = Veiksmazodis("moky", "mok", "mok", 7, 3, 9);
  EXPECT_EQ(Asmenys(beAteities, 0, nLiepiamoji), "-/-/tegul mokosi/-/-/tegul mokosi");
}

// Classes and codes from a damaged or hand-made dictionary: no form, and no read outside a table.
TEST(VeiksmazodzioForma, DamagedClassesAndCodesGiveNoForm) {
  for (const int klase : {-1, 8, INT_MAX, INT_MIN}) {
    const ZodynoIrasas d = Veiksmazodis("dirb", "dirb", "dirb", klase, klase, klase);
    for (const int laikas : {lkEsamasis, lkButasisKartinis, lkBusimasis, lkBendratis})
      EXPECT_EQ(Asmenuojama(d, 1, laikas), "-") << klase << ' ' << laikas;
    EXPECT_EQ(Asmenys(d, 0, nTariamoji) + Asmenys(d, 0, nLiepiamoji), "-/-/-/-/-/--/-/-/-/-/-");
    EXPECT_EQ(Dalyvis(d, lkEsamasis, false), "-") << klase;
  }
  EXPECT_EQ(Asmenuojama(Veiksmazodis("a", "a", "a", 7, 4, 3), 1, lkButasisKartinis), "-");
  for (const int b : {-1, 0, 7, INT_MAX, INT_MIN})  // a person, case or tense
    for (const std::string& forma :
         {Asmenuojama(myleti, b, lkEsamasis), Asmenuojama(myleti, b, lkButasisDazninis),
          Asmenuojama(myleti, b, 0, nTariamoji), Dalyvis(myleti, lkButasisKartinis, true, 0, 1, b),
          Dalyvis(myleti, lkEsamasis, false, 0, 1, 1, b), Asmenuojama(myleti, 1, b == 0 ? 6 : b)})
      EXPECT_EQ(forma, "-") << b;
  for (const int b : {-1, 3, INT_MAX}) {  // a gender, number, mood or form kind
    EXPECT_EQ(Dalyvis(myleti, lkBusimasis, true, b == 3 ? 2 : b), "-") << b;
    EXPECT_EQ(Dalyvis(myleti, lkButasisKartinis, false, 0, b), "-") << b;
    EXPECT_EQ(Asmenuojama(myleti, 1, lkEsamasis, b), "-") << b;
    EXPECT_FALSE(VeiksmazodzioForma(myleti, 1, 1, 0, 1, 0, 1, b == 3 ? 2 : b, true)) << b;
  }
  EXPECT_EQ(Dalyvis(myleti, lkBendratis, true) + Dalyvis(myleti, lkButasisDazninis, false), "--");
}

}  // namespace
}  // namespace kervosta
