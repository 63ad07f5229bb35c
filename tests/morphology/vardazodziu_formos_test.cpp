#include "morphology/vardazodziu_formos.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

using namespace literals;
using testai::Irasas;

// The joints look at the stem's end, which an empty stem does not have.
TEST(VardazodziuFormos, EmptyStemGivesTheBareEnding) {
  EXPECT_EQ(DaiktavardzioForma("", 3, lKilmininkas, skVienaskaita), "io");
  EXPECT_EQ(BudvardzioForma("", 0, bgVyriska, lVardininkas, skVienaskaita, lpAuksciausiasis),
            "iausias");
}

// Cells whose ending was wrong Lithuanian for every word that used it. Some wrong forms (kelius,
// the plural of kelias) are words, which the spelling dictionary cannot catch.
TEST(VardazodziuFormos, CorrectedCellsGiveRealWords) {
  EXPECT_EQ(BudvardzioForma("ger", 0, bgMoteriska, lInagininkas, skDaugiskaita, lpAukstesnysis),
            "geresnėmis"_lt);
  EXPECT_EQ(BudvardzioForma("ger", 0, bgMoteriska, lVietininkas, skDaugiskaita, lpAukstesnysis),
            "geresnėse"_lt);
  for (const int n : {skVienaskaita, skDaugiskaita}) {
    EXPECT_EQ(SkaitvardzioForma("penk", 1, gVyriska, lGalininkas, n, srKiekinis), "penkis");
    EXPECT_EQ(IvardzioForma("kel", 6, gVyriska, lGalininkas, n), "kelis");
  }
  EXPECT_EQ(IvardzioForma("vien", 5, gVyriska, lInagininkas, skVienaskaita), "vienu");
  EXPECT_EQ(SkaitvardzioForma("tre", 1, gMoteriska, lVietininkas, skVienaskaita, srKelintinis),
            "trečioje"_lt);
}

// An entry gives the paradigm of the gender asked; degrees and whole words read no paradigm.
TEST(VardazodziuFormos, EachFormReadsOnlyTheParadigmItNeeds) {
  const ZodynoIrasas grazus = Irasas("graž"_lt, 4, 2);
  EXPECT_EQ(BudvardzioForma(grazus, bgVyriska, lKilmininkas, skVienaskaita, 0), "gražaus"_lt);
  EXPECT_EQ(BudvardzioForma(grazus, bgMoteriska, lVardininkas, skVienaskaita, 0), "graži"_lt);
  EXPECT_EQ(BudvardzioForma("ger", 99, bgVyriska, lVardininkas, skVienaskaita, 1), "geresnis");
  const ZodynoIrasas pirmas = Irasas("pirm", 0, 0, 0, srKelintinis), du = Irasas("x", 5, 6);
  EXPECT_EQ(SkaitvardzioForma(pirmas, gVyriska, lVardininkas, skDaugiskaita), "pirmi");
  EXPECT_EQ(SkaitvardzioForma(du, gVyriska, lVietininkas, skVienaskaita), "dviejuose");
  EXPECT_EQ(SkaitvardzioForma(du, gMoteriska, lVardininkas, skVienaskaita), "trys");
  TZodis jie;
  jie.Nr = 7;
  EXPECT_EQ(AsmeninioIvardzioForma(jie, gMoteriska, lNaudininkas), "joms");
  EXPECT_EQ(AsmeninioIvardzioForma(jie, 0, lNaudininkas), "jiems");
}

// Codes from a damaged or hand-made dictionary: no form, and no read outside a table.
TEST(VardazodziuFormos, ValuesOutsideTheTablesGiveNoForm) {
  for (const int b : {INT_MIN, -1, 99, INT_MAX}) {
    TZodis zodis;
    zodis.Nr = b;
    const Forma formos[] = {
        DaiktavardzioForma("vyr", b, 1, 1), DaiktavardzioForma("vyr", 0, b, 1),
        DaiktavardzioForma("vyr", 0, 1, b), BudvardzioForma("ger", b, bgVyriska, 1, 1, 0),
        BudvardzioForma("ger", 0, b, 1, 1, 0), BudvardzioForma("ger", 0, bgVyriska, b, 1, 1),
        BudvardzioForma("ger", 0, bgMoteriska, 1, b, 2), BudvardzioForma("ger", 0, 1, 1, 1, b),
        IvardzioForma("kel", b, gVyriska, 1, 1), IvardzioForma("kel", 0, b, 1, 1),
        IvardzioForma("kel", 0, gMoteriska, b, 1), SkaitvardzioForma("x", b, gVyriska, 1, 1, 0),
        SkaitvardzioForma("x", b, gVyriska, 1, 1, 1), SkaitvardzioForma("x", 0, b, 1, 1, 0),
        SkaitvardzioForma("x", 0, gVyriska, 1, 1, b), SkaitvardzioForma("x", 0, gVyriska, b, 1, 0),
        SkaitvardzioForma(Irasas("x", 5, b), gMoteriska, 1, 1),
        AsmeninioIvardzioForma(zodis, gVyriska, 1),
        // Just past each table's edge: the vocative is the noun table's alone.
        DaiktavardzioForma("vyr", 17, 1, 1), IvardzioForma("kel", 6, gVyriska, 7, 2),
        BudvardzioForma("ger", 4, bgMoteriska, 1, 1, 0),
        SkaitvardzioForma("tre", 2, gVyriska, 1, 1, srKelintinis),
        SkaitvardzioForma("x", 7, gVyriska, 1, 1, srKiekinis)};
    for (const Forma& forma : formos) EXPECT_FALSE(forma) << b << ": " << *forma;
    zodis.Nr = 3;
    EXPECT_FALSE(AsmeninioIvardzioForma(zodis, gVyriska, b)) << b;
  }
  // A stored case, tense or numeral gender without a builder code leaves the word as it is.
  EXPECT_FALSE(LinksnioKodas(7) || LaikoKodas(0) || LaikoKodas(6) || SkaitvardzioGimine(0));
}

}  // namespace
}  // namespace kervosta
