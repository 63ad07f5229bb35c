// The joints of stems and endings, one test a rule, each with real words the rule mends and real
// words it must leave as they are.
#include "morphology/sandura.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

using testai::Veiksmazodis;

std::string Lt(const char* utf8) { return IsUtf8(utf8).Tekstas; }
std::string Utf8(const Forma& forma) { return forma ? IUtf8(*forma) : "-"; }

std::string Daikt(const char* kamienas, int paradigma, int linksnis, int skaicius) {
  return Utf8(DaiktavardzioForma(Lt(kamienas), paradigma, linksnis, skaicius));
}
std::string Budv(const char* kamienas, int paradigma, int gimine, int linksnis, int skaicius,
                 int laipsnis = lpNelyginamasis) {
  return Utf8(BudvardzioForma(Lt(kamienas), paradigma, gimine, linksnis, skaicius, laipsnis));
}
// A finite form from one stem and class.
std::string Veiksm(const char* kamienas, int klase, int asmuo, int laikas, int nuosaka = 0) {
  return Utf8(VeiksmazodzioForma(Lt(kamienas), klase, asmuo, laikas, nuosaka, 1, 0, 1,
                                 fAsmenuojama, true));
}
std::string Dalyvis(const ZodynoIrasas& irasas, int laikas, int gimine, int linksnis,
                    bool veikiamoji = true) {
  return Utf8(VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, linksnis, gimine,
                                 skVienaskaita, fDalyvis, veikiamoji));
}

TEST(Sandura, TAndDSoftenBeforeAnIThatOnlyMarksSoftness) {
  const std::pair<std::string, const char*> eilutes[] = {
      {Daikt("jaut", 3, lKilmininkas, skVienaskaita), "jaučio"},
      {Daikt("gaid", 4, lNaudininkas, skVienaskaita), "gaidžiui"},
      {Daikt("stot", 12, lNaudininkas, skVienaskaita), "stočiai"},
      {Daikt("dant", 13, lNaudininkas, skVienaskaita), "dančiui"},
      {Daikt("priežast", 12, lKilmininkas, skDaugiskaita), "priežasčių"},
      {Daikt("bit", 8, lKilmininkas, skDaugiskaita), "bičių"},
      {Budv("akivaizd", 4, bgVyriska, lNaudininkas, skVienaskaita), "akivaizdžiam"},
      {Budv("plat", 2, bgMoteriska, lVardininkas, skDaugiskaita), "plačios"},
      {Budv("šilt", 0, bgMoteriska, lVardininkas, skVienaskaita, lpAuksciausiasis), "šilčiausia"},
      {Utf8(SkaitvardzioForma(Lt("tūkstant"), 4, gVyriska, lGalininkas, 2, srKiekinis)),
       "tūkstančius"},
      {Veiksm("mat", 1, 1, lkButasisKartinis), "mačiau"},
      {Veiksm("skait", 1, 1, lkButasisKartinis), "skaičiau"},
      {Veiksm("nusprend", 1, 1, lkButasisKartinis), "nusprendžiau"},
      {Veiksm("sėd", 2, 1, lkEsamasis), "sėdžiu"},
      {Veiksm("gird", 2, 1, lkEsamasis), "girdžiu"},
      // A stem typed in capitals alternates too; its own letters stay as typed.
      {Daikt("JAUT", 3, lKilmininkas, skVienaskaita), "JAUčio"},
      {Daikt("gaiD", 4, lNaudininkas, skVienaskaita), "gaiDžiui"},
  };
  for (const auto& [forma, tiketasi] : eilutes) EXPECT_EQ(forma, tiketasi);
}

// An i sounded of its own (at the end, in ie, as į or y) leaves t and d as they are.
TEST(Sandura, TAndDStayBeforeAnIOfItsOwn) {
  const std::pair<std::string, const char*> eilutes[] = {
      {Budv("plat", 2, bgMoteriska, lVardininkas, skVienaskaita), "plati"},
      {Budv("akivaizd", 2, bgMoteriska, lVardininkas, skVienaskaita), "akivaizdi"},
      {Budv("plat", 4, bgVyriska, lNaudininkas, skDaugiskaita), "platiems"},
      {Utf8(IvardzioForma("t", 0, gVyriska, lVardininkas, skDaugiskaita)), "tie"},
      {Daikt("dien", 5, lGalininkas, skVienaskaita), "dieną"},
      {Daikt("jaut", 3, lGalininkas, skVienaskaita), "jautį"},
      {Daikt("jaut", 3, lVietininkas, skVienaskaita), "jautyje"},
      {Veiksm("sėd", 2, 2, lkEsamasis), "sėdi"},
      {Veiksm("mat", 1, 3, lkButasisKartinis), "matė"},
  };
  for (const auto& [forma, tiketasi] : eilutes) EXPECT_EQ(forma, tiketasi);
}

// A stem stored soft (keič, leidž, plokšč) hardens before an i of its own.
TEST(Sandura, ČAndDžHardenBeforeAnIOfItsOwn) {
  const std::pair<std::string, const char*> eilutes[] = {
      {Veiksm("keič", 5, 2, lkEsamasis), "keitiesi"},
      {Veiksm("keič", 5, 1, lkEsamasis), "keičiuosi"},
      {Veiksm("leidž", 1, 2, lkEsamasis), "leidi"},
      {Veiksm("leidž", 1, 3, lkEsamasis), "leidžia"},
      {Budv("plokšč", 1, bgVyriska, lVardininkas, skDaugiskaita), "plokšti"},
      {Budv("plokšč", 1, bgVyriska, lNaudininkas, skDaugiskaita), "plokštiems"},
      {Budv("plokšč", 1, bgVyriska, lKilmininkas, skDaugiskaita), "plokščių"},
      {Daikt("sveč", 1, lVietininkas, skVienaskaita), "svetyje"},
  };
  for (const auto& [forma, tiketasi] : eilutes) EXPECT_EQ(forma, tiketasi);
}

TEST(Sandura, JWritesNoSofteningI) {
  EXPECT_EQ(Daikt("atvej", 3, lKilmininkas, skVienaskaita), "atvejo");
  EXPECT_EQ(Daikt("atvej", 3, lKilmininkas, skDaugiskaita), "atvejų");
  EXPECT_EQ(Daikt("atvej", 3, lVardininkas, skVienaskaita), "atvejis");
  EXPECT_EQ(Budv("nauj", 0, bgMoteriska, lVardininkas, skVienaskaita, lpAuksciausiasis),
            "naujausia");
  EXPECT_EQ(Budv("nauj", 0, bgVyriska, lNaudininkas, skDaugiskaita), "naujiems");
}

TEST(Sandura, GAndKMergeWithTheImperativeK) {
  EXPECT_EQ(Veiksm("bėg", 0, 2, 0, nLiepiamoji), "bėk");
  EXPECT_EQ(Veiksm("bėg", 0, 5, 0, nLiepiamoji), "bėkite");
  EXPECT_EQ(Veiksm("suk", 0, 5, 0, nLiepiamoji), "sukite");
  EXPECT_EQ(Veiksm("lauk", 0, 5, 0, nLiepiamoji), "laukite");
  EXPECT_EQ(Veiksm("palik", 0, 4, 0, nLiepiamoji), "palikime");
  EXPECT_EQ(Veiksm("baig", 1, 2, 0, nLiepiamoji), "baikis");
  EXPECT_EQ(Veiksm("dirb", 0, 2, 0, nLiepiamoji), "dirbk");
}

// The future s goes into a stem that ends in s, š, z or ž, and z, ž lose their voice; a stem of
// future class 2 holds the s already.
TEST(Sandura, FutureSMergesIntoAHissingStem) {
  const std::pair<std::string, const char*> eilutes[] = {
      {Veiksm("mes", 2, 1, lkBusimasis), "mesiu"},
      {Veiksm("mes", 2, 3, lkBusimasis), "mes"},
      {Veiksm("grįž", 2, 1, lkBusimasis), "grįšiu"},
      {Veiksm("grįž", 2, 3, lkBusimasis), "grįš"},
      {Veiksm("vež", 0, 4, lkBusimasis), "vešime"},
      {Veiksm("keis", 1, 1, lkBusimasis), "keisiuosi"},
      {Veiksm("dirb", 0, 3, lkBusimasis), "dirbs"},
      {Dalyvis(Veiksmazodis("mes", "met", "met", 0, 1, 2), lkBusimasis, 0, 1), "mesiantis"},
      {Dalyvis(Veiksmazodis("pieš", "pieš", "pieš", 1, 1, 2), lkBusimasis, 1, 2), "piešiančios"},
      {Dalyvis(Veiksmazodis("dirb", "dirb", "dirb", 0, 0, 0), lkBusimasis, 0, 1), "dirbsiantis"},
      // The conditional and infinitive keep the stem as it is.
      {Veiksm("grįž", 2, 1, 0, nTariamoji), "grįžčiau"},
      {Veiksm("grįž", 2, 1, lkBendratis), "grįžti"},
  };
  for (const auto& [forma, tiketasi] : eilutes) EXPECT_EQ(forma, tiketasi);
}

TEST(Sandura, PresentInOTakesAInTheActiveParticiple) {
  const ZodynoIrasas rasyti = Veiksmazodis("rašy", "raš", "raš", 3, 1, 0);
  EXPECT_EQ(Dalyvis(rasyti, lkEsamasis, 0, 1), "rašantis");
  EXPECT_EQ(Dalyvis(rasyti, lkEsamasis, 1, 2), "rašančios");
  EXPECT_EQ(Dalyvis(rasyti, lkEsamasis, 0, 1, false), "rašomas");
  EXPECT_EQ(Dalyvis(Veiksmazodis("myl", "myl", "mylėj", 2, 0, 0), lkEsamasis, 0, 1), "mylintis");
}

// A past in -ė of a present in -o is soft, and the past active participle writes it (rašiusi,
// mačiusi); a past in -ė of another present (metė, piešė) and a past in -o are not.
TEST(Sandura, PastActiveParticipleWritesTheSoftnessOfItsPast) {
  const std::pair<std::string, const char*> eilutes[] = {
      {Dalyvis(Veiksmazodis("rašy", "raš", "raš", 3, 1, 0), lkButasisKartinis, 1, 1), "rašiusi"},
      {Dalyvis(Veiksmazodis("maty", "mat", "mat", 3, 1, 0), lkButasisKartinis, 0, 2), "mačiusio"},
      {Dalyvis(Veiksmazodis("rašy", "raš", "raš", 3, 1, 0), lkButasisKartinis, 0, 1), "rašęs"},
      {Dalyvis(Veiksmazodis("mes", "met", "met", 0, 1, 2), lkButasisKartinis, 1, 1), "metusi"},
      {Dalyvis(Veiksmazodis("pieš", "pieš", "pieš", 1, 1, 2), lkButasisKartinis, 1, 1), "piešusi"},
      {Dalyvis(Veiksmazodis("mylė", "myl", "mylėj", 2, 0, 0), lkButasisKartinis, 1, 1),
       "mylėjusi"},
  };
  for (const auto& [forma, tiketasi] : eilutes) EXPECT_EQ(forma, tiketasi);
}

}  // namespace
}  // namespace kervosta
