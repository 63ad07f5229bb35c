#include "morphology/vardazodziu_formos.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/cp1257.h"
#include "morphology/kodai.h"

namespace kervosta {
namespace {

using namespace literals;

std::string Lt(std::string_view tekstas) { return std::string(tekstas); }

// The six forms of one number, in case order; a missing form shows as "-".
std::vector<std::string> Daikt(std::string_view kamienas, int paradigma, int skaicius) {
  std::vector<std::string> formos;
  for (int k = 1; k <= 6; ++k)
    formos.push_back(DaiktavardzioForma(kamienas, paradigma, k, skaicius).value_or("-"));
  return formos;
}

ZodynoIrasas Irasas(std::string_view kamienas, int p1, int p2, int kategorija = 0) {
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, kamienas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, p1);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, p2);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, kategorija);
  return irasas;
}

TEST(VardazodziuFormos, NounTStemAlternatesOnlyBeforeSoftEndings) {
  EXPECT_EQ(Daikt("jaut", 3, skVienaskaita),
            (std::vector<std::string>{"jautis", Lt("jaučio"_lt), Lt("jaučiui"_lt), Lt("jautį"_lt),
                                      Lt("jaučiu"_lt), "jautyje"}));
  for (int k = 1; k <= 7; ++k)
    EXPECT_NE(DaiktavardzioForma("jaut", 3, k, skDaugiskaita)->find("jauč"_lt), std::string::npos);
  // The last letter is compared in lower case; the rest of the stem is kept as written.
  EXPECT_EQ(DaiktavardzioForma("JAUT", 3, lKilmininkas, skVienaskaita), "JAUčio"_lt);
  // Paradigm 8 alternates in the genitive plural only.
  EXPECT_EQ(Daikt("bit", 8, skDaugiskaita),
            (std::vector<std::string>{Lt("bitės"_lt), Lt("bičių"_lt), Lt("bitėms"_lt), "bites",
                                      Lt("bitėmis"_lt), Lt("bitėse"_lt)}));
  // Other paradigms never alternate, and an empty stem has no last letter.
  EXPECT_EQ(DaiktavardzioForma("rat", 0, lKilmininkas, skDaugiskaita), "ratų"_lt);
  EXPECT_EQ(DaiktavardzioForma("stot", 12, lNaudininkas, skVienaskaita), "stotiai");
  EXPECT_EQ(DaiktavardzioForma("", 3, lKilmininkas, skVienaskaita), "io");
}

TEST(VardazodziuFormos, NounDStemAddsZhAfterTheWholeStem) {
  EXPECT_EQ(DaiktavardzioForma("gaid", 4, lKilmininkas, skVienaskaita), "gaidžio"_lt);
  EXPECT_EQ(DaiktavardzioForma("gaid", 4, lVietininkas, skVienaskaita), "gaidyje");
  EXPECT_EQ(DaiktavardzioForma("gaid", 4, lVardininkas, skDaugiskaita), "gaidžiai"_lt);
  EXPECT_EQ(DaiktavardzioForma("gaiD", 4, lNaudininkas, skVienaskaita), "gaiDžiui"_lt);
  EXPECT_EQ(DaiktavardzioForma("skruzd", 8, lKilmininkas, skDaugiskaita), "skruzdžių"_lt);
  EXPECT_EQ(DaiktavardzioForma("skruzd", 8, lVardininkas, skDaugiskaita), "skruzdės"_lt);
}

TEST(VardazodziuFormos, EntryShapeReadsStemAndParadigmsFromTheEntry) {
  EXPECT_EQ(DaiktavardzioForma(Irasas("jaut", 3, 0), lInagininkas, skVienaskaita), "jaučiu"_lt);
  EXPECT_EQ(BudvardzioForma(Irasas("graž"_lt, 4, 2), bgVyriska, lKilmininkas, skVienaskaita, 0),
            "gražaus"_lt);
  EXPECT_EQ(BudvardzioForma(Irasas("graž"_lt, 4, 2), bgMoteriska, lVardininkas, skVienaskaita, 0),
            "graži"_lt);
  EXPECT_EQ(IvardzioForma(Irasas("šit"_lt, 0, 0), gMoteriska, lVietininkas, skVienaskaita),
            "šitoje"_lt);
  EXPECT_EQ(SkaitvardzioForma(Irasas("pirm", 0, 0, srKelintinis), gVyriska, lVardininkas,
                              skDaugiskaita),
            "pirmi");
}

TEST(VardazodziuFormos, AdjectiveDegreesIgnoreTheParadigm) {
  EXPECT_EQ(BudvardzioForma("graž"_lt, 4, bgVyriska, lVardininkas, skVienaskaita, 0), "gražus"_lt);
  EXPECT_EQ(BudvardzioForma("graž"_lt, 4, bgMoteriska, lKilmininkas, skDaugiskaita, 1),
            "gražesnių"_lt);
  EXPECT_EQ(BudvardzioForma("ger", 99, bgVyriska, lVardininkas, skVienaskaita, 1), "geresnis");
  EXPECT_EQ(BudvardzioForma("ger", -1, bgMoteriska, lVardininkas, skVienaskaita, 2), "geriausia");
}

// Cells whose ending was wrong Lithuanian for every word that used it.
TEST(VardazodziuFormos, CorrectedCellsGiveRealWords) {
  EXPECT_EQ(BudvardzioForma("ger", 0, bgMoteriska, lInagininkas, skDaugiskaita, 1),
            "geresnėmis"_lt);
  EXPECT_EQ(BudvardzioForma("ger", 0, bgMoteriska, lVietininkas, skDaugiskaita, 1),
            "geresnėse"_lt);
  for (const int n : {skVienaskaita, skDaugiskaita}) {
    EXPECT_EQ(SkaitvardzioForma("penk", 1, gVyriska, lGalininkas, n, srKiekinis), "penkis");
    EXPECT_EQ(IvardzioForma("kel", 6, gVyriska, lGalininkas, n), "kelis");
  }
  EXPECT_EQ(IvardzioForma("vien", 5, gVyriska, lInagininkas, skVienaskaita), "vienu");
  EXPECT_EQ(IvardzioForma("šit"_lt, 0, gVyriska, lInagininkas, skVienaskaita), "šituo"_lt);
  EXPECT_EQ(SkaitvardzioForma("tre", 1, gMoteriska, lVietininkas, skVienaskaita, srKelintinis),
            "trečioje"_lt);
  EXPECT_EQ(SkaitvardzioForma("tre", 1, gVyriska, lVietininkas, skVienaskaita, srKelintinis),
            "trečiame"_lt);
}

TEST(VardazodziuFormos, WholeWordCardinalsIgnoreTheStem) {
  EXPECT_EQ(SkaitvardzioForma("bet kas", 5, gMoteriska, lVietininkas, skVienaskaita, srKiekinis),
            "dviejose");
  EXPECT_EQ(SkaitvardzioForma("x", 6, gVyriska, lGalininkas, skDaugiskaita, srKiekinis), "tris");
  // The feminine of an entry's whole-word row is read through its second paradigm.
  EXPECT_EQ(SkaitvardzioForma(Irasas("d", 5, 5), gMoteriska, lVardininkas, skVienaskaita), "dvi");
  EXPECT_EQ(SkaitvardzioForma(Irasas("t", 5, 6), gMoteriska, lVardininkas, skVienaskaita), "trys");
  EXPECT_EQ(SkaitvardzioForma(Irasas("t", 5, 6), gVyriska, lVardininkas, skVienaskaita), "du");
}

TEST(VardazodziuFormos, PersonalPronounRowsAndTheirGender) {
  TZodis jie;
  jie.Nr = 7;
  EXPECT_EQ(AsmeninioIvardzioForma(jie, gMoteriska, lNaudininkas), "joms");
  EXPECT_EQ(AsmeninioIvardzioForma(jie, gVyriska, lNaudininkas), "jiems");
  EXPECT_EQ(AsmeninioIvardzioForma(jie, 0, lNaudininkas), "jiems");
  TZodis sau;
  sau.Nr = 10;
  EXPECT_EQ(AsmeninioIvardzioForma(sau, gMoteriska, lVardininkas), std::string());
  EXPECT_EQ(AsmeninioIvardzioForma(sau, gMoteriska, lNaudininkas), "sau");
  TZodis as;
  as.Nr = 1;
  EXPECT_EQ(AsmeninioIvardzioForma(as, gMoteriska, lVardininkas), "aš"_lt);
}

// Codes from a damaged or hand-made dictionary: no form, and no read outside a table (the
// sanitizer build checks the latter).
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
        AsmeninioIvardzioForma(zodis, gVyriska, 1)};
    for (const Forma& forma : formos) EXPECT_FALSE(forma) << b << ": " << *forma;
    zodis.Nr = 3;
    EXPECT_FALSE(AsmeninioIvardzioForma(zodis, gVyriska, b)) << b;
  }
  // Edges just past each table: the vocative is the noun table's alone, ordinals have 2 rows.
  EXPECT_TRUE(DaiktavardzioForma("vyr", 16, 7, 2));
  EXPECT_FALSE(DaiktavardzioForma("vyr", 17, 1, 1));
  EXPECT_FALSE(IvardzioForma("kel", 6, gVyriska, 7, 2));
  EXPECT_FALSE(IvardzioForma("kel", 7, gVyriska, 1, 1));
  EXPECT_FALSE(BudvardzioForma("ger", 5, bgVyriska, 1, 1, 0));
  EXPECT_FALSE(BudvardzioForma("ger", 4, bgMoteriska, 1, 1, 0));
  EXPECT_FALSE(SkaitvardzioForma("tre", 2, gVyriska, 1, 1, srKelintinis));
  EXPECT_FALSE(SkaitvardzioForma("x", 7, gVyriska, 1, 1, srKiekinis));
  EXPECT_FALSE(SkaitvardzioForma(Irasas("x", 5, 9), gMoteriska, 1, 1));
  EXPECT_FALSE(SkaitvardzioForma(Irasas("x", -1, -1), gVyriska, 1, 1));
  EXPECT_FALSE(SkaitvardzioForma(Irasas("x", 0, 0, 2), gVyriska, 1, 1));
}

}  // namespace
}  // namespace kervosta
