#include "core/sakinys.h"
#include "core/grupe.h"

#include <gtest/gtest.h>

namespace kervosta {
namespace {

TZodis Zodis(std::string angl, std::uint8_t dalis) {
  TZodis z;
  z.Angl = std::move(angl);
  z.KalbosDalis = dalis;
  return z;
}

TEST(TSakinys, QueriesAndEditsOutsideTheSentenceDoNothing) {
  TSakinys tuscias, sakinys;
  sakinys.Zodziai.Prideti(Zodis("go", dVeiksmazodis));
  for (TSakinys* s : {&tuscias, &sakinys}) {
    for (int i : {-1, s->Kiekis()}) {
      EXPECT_FALSE(s->VardazodinisZodis(i));
      EXPECT_FALSE(s->GrupesZodis(i));
      EXPECT_FALSE(s->VeiksmazodinisZodis(i));
      EXPECT_FALSE(s->VeiksmazodisArJungtukas(i));
      EXPECT_FALSE(s->AsmeninisIvardis(i));
      EXPECT_FALSE(s->ZodisYra(i, "go"));
      s->Sugerti(i);
      s->PaverstiButi(i);
    }
  }
  ASSERT_EQ(sakinys.Kiekis(), 1);
  EXPECT_TRUE(sakinys.VeiksmazodinisZodis(0));
  EXPECT_EQ(sakinys.Zodziai[0].Angl, "go");
}

TEST(TSakinys, FindWordIsExactAndTakesTheFirst) {
  TSakinys s;
  for (const char* angl : {"The", "the", "the"}) s.Zodziai.Prideti(Zodis(angl, dDeterminantas));
  EXPECT_EQ(s.RastiZodi("the"), 1);
  EXPECT_EQ(s.RastiZodi("a"), -1);
  EXPECT_EQ(s.KitasVeiksmazodinis(0), -1);
}

TEST(SGList, GroupQueriesStayInsideTheList) {
  SGList sarasas;
  EXPECT_EQ(sarasas.AnkstesneDaiktGrupe(0), -1);
  SGrupiuList& grupes = sarasas.Grupes;
  for (auto tipas : {gtVeiksm, gtDaikt, gtVeiksm}) grupes[grupes.Prideti({})].Tipas = tipas;
  EXPECT_EQ(sarasas.AnkstesneDaiktGrupe(0), -1);  // from 0 only group 0 is looked at
  EXPECT_EQ(sarasas.AnkstesneDaiktGrupe(7), 1);
  EXPECT_EQ(sarasas.KitaGrupe(-1, gtVeiksm), 0);
  EXPECT_EQ(sarasas.KitaGrupe(2, gtVeiksm), 2);
  EXPECT_EQ(sarasas.KitaGrupe(3, gtVeiksm), -1);
  EXPECT_FALSE(sarasas.YraVeiksmGrupe(3));
  EXPECT_EQ(sarasas.GrupesZodziuSk(-1), 0);
  EXPECT_FALSE(SGrupe().ZodisDaiktavardis(0));
}

}  // namespace
}  // namespace kervosta
