// Words no joint rule can make, as the builders give them from their stored stems.
#include "morphology/netaisyklingi_zodziai.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

std::string Lt(const char* utf8) { return IsUtf8(utf8).Tekstas; }
std::string Utf8(const Forma& forma) { return forma ? IUtf8(*forma) : "-"; }

// The seven cases of a number, separated by "/".
std::string Linksniai(const char* kamienas, int paradigma, int skaicius) {
  std::string formos;
  for (int linksnis = 1; linksnis <= DaiktavardzioLinksniu; ++linksnis)
    formos += (linksnis > 1 ? "/" : "") +
              Utf8(DaiktavardzioForma(Lt(kamienas), paradigma, linksnis, skaicius));
  return formos;
}

TEST(NetaisyklingiZodziai, SuoDeclinesOnSun) {
  EXPECT_EQ(Linksniai("š", 15, skVienaskaita), "šuo/šuns/šuniui/šunį/šuniu/šunyje/šunie");
  EXPECT_EQ(Linksniai("š", 15, skDaugiskaita), "šunys/šunų/šunims/šunis/šunimis/šunyse/šunys");
  // Only the noun šuo: the pronoun šis has the same stem.
  EXPECT_EQ(Utf8(IvardzioForma(Lt("š"), 1, gVyriska, lKilmininkas, skVienaskaita)), "šio");
  EXPECT_EQ(Linksniai("vand", 15, skVienaskaita),
            "vanduo/vandens/vandeniui/vandenį/vandeniu/vandenyje/vandenie");
}

TEST(NetaisyklingiZodziai, DidelisComparesOnDid) {
  const auto laipsnis = [](const char* kamienas, int gimine, int kodas) {
    return Utf8(BudvardzioForma(Lt(kamienas), 2, gimine, lVardininkas, skVienaskaita, kodas));
  };
  EXPECT_EQ(laipsnis("didel", bgVyriska, lpAukstesnysis), "didesnis");
  EXPECT_EQ(laipsnis("didel", bgMoteriska, lpAuksciausiasis), "didžiausia");
  EXPECT_EQ(laipsnis("nedidel", bgVyriska, lpAukstesnysis), "nedidesnis");
  EXPECT_EQ(laipsnis("didel", bgVyriska, lpNelyginamasis), "didelis");
  EXPECT_EQ(Utf8(BudvardzioForma(Lt("didel"), 2, bgVyriska, lVietininkas, skVienaskaita,
                                 lpAuksciausiasis)),
            "didžiausiame");
}

// Only the genitive plural of the listed nouns changes.
TEST(NetaisyklingiZodziai, SomeNounsInIsEndTheGenitivePluralInU) {
  EXPECT_EQ(Linksniai("dur", 12, skDaugiskaita), "durys/durų/durims/duris/durimis/duryse/durys");
  EXPECT_EQ(Utf8(DaiktavardzioForma(Lt("debes"), 13, lKilmininkas, skDaugiskaita)), "debesų");
  EXPECT_EQ(Utf8(DaiktavardzioForma(Lt("grind"), 12, lKilmininkas, skDaugiskaita)), "grindų");
  EXPECT_EQ(Utf8(DaiktavardzioForma(Lt("dant"), 13, lNaudininkas, skVienaskaita)), "dančiui");
  EXPECT_EQ(Utf8(DaiktavardzioForma(Lt("stot"), 12, lKilmininkas, skDaugiskaita)), "stočių");
}

TEST(NetaisyklingiZodziai, IgytiShortensTheThirdPersonFuture) {
  const ZodynoIrasas igyti = testai::Veiksmazodis("įgy", "įgyj", "įgij", 0, 0, 0);
  const auto busimasis = [&](int asmuo) {
    return Utf8(VeiksmazodzioForma(igyti, asmuo, lkBusimasis, nTiesiogine, 1, 0, 1, fAsmenuojama,
                                   true));
  };
  EXPECT_EQ(busimasis(1) + ' ' + busimasis(3) + ' ' + busimasis(6), "įgysiu įgis įgis");
}

}  // namespace
}  // namespace kervosta
