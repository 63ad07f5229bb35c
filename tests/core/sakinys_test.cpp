#include "core/sakinys.h"
#include "core/grupe.h"
#include "core/cp1257.h"

#include <gtest/gtest.h>

namespace kervosta {
namespace {

using namespace literals;

TZodis Zodis(std::string angl, std::uint8_t dalis) {
  TZodis z;
  z.Angl = std::move(angl);
  z.KalbosDalis = dalis;
  return z;
}

TEST(TSakinys, QueriesAnswerFalseOutsideTheSentence) {
  TSakinys tuscias;
  TSakinys sakinys;
  sakinys.Zodziai.Prideti(Zodis("go", dVeiksmazodis));
  for (const TSakinys* s : {&tuscias, &sakinys}) {
    for (int i : {-1, s->Kiekis()}) {
      EXPECT_FALSE(s->VardazodinisZodis(i));
      EXPECT_FALSE(s->GrupesZodis(i));
      EXPECT_FALSE(s->VeiksmazodinisZodis(i));
      EXPECT_FALSE(s->VeiksmazodisArJungtukas(i));
      EXPECT_FALSE(s->AsmeninisIvardis(i));
      EXPECT_FALSE(s->ZodisYra(i, "go"));
    }
  }
  EXPECT_TRUE(sakinys.VeiksmazodinisZodis(0));
}

TEST(TSakinys, FindWordIsExactAndTakesTheFirst) {
  TSakinys s;
  s.Zodziai.Prideti(Zodis("The", dDeterminantas));
  s.Zodziai.Prideti(Zodis("the", dDeterminantas));
  s.Zodziai.Prideti(Zodis("the", dDeterminantas));
  EXPECT_EQ(s.RastiZodi("the"), 1);
  EXPECT_EQ(s.RastiZodi("a"), -1);
  EXPECT_EQ(s.KitasVeiksmazodinis(0), -1);
}

TEST(TSakinys, SugertiKeepsTheEnglishAndDropsEverythingElse) {
  TSakinys s;
  TZodis will = Zodis("will", dPagalbinis);
  will.Liet = "x";
  will.Laikas = 5;
  will.Teigiamas = 0;
  s.Zodziai.Prideti(will);
  s.Sugerti(0);
  s.Sugerti(7);  // out of range: nothing happens
  ASSERT_EQ(s.Kiekis(), 1);
  EXPECT_EQ(s.Zodziai[0].Angl, "will");
  EXPECT_TRUE(s.Zodziai[0].Liet.empty());
  EXPECT_EQ(s.Zodziai[0].KalbosDalis, dNezinoma);
  EXPECT_EQ(s.Zodziai[0].Laikas, 1);
  EXPECT_EQ(s.Zodziai[0].Teigiamas, 1);
}

TEST(TSakinys, PaverstiButiMakesTheBuiltInBe) {
  TSakinys s;
  TZodis have = Zodis("have", dVeiksmazodis);
  have.Nuosaka = 2;
  have.Asmuo = 1;
  s.Zodziai.Prideti(have);
  s.PaverstiButi(0);
  const TZodis& z = s.Zodziai[0];
  EXPECT_TRUE(z.Angl.empty());
  EXPECT_EQ(z.Liet, "būti"_lt);
  EXPECT_EQ(z.Vidinis, 1);
  EXPECT_EQ(z.Nr, 2);
  EXPECT_EQ(z.Asmuo, 3);
  EXPECT_EQ(z.Nuosaka, 0);
  EXPECT_EQ(z.KalbosDalis, dVeiksmazodis);
}

TEST(SGList, GroupQueriesStayInsideTheList) {
  SGList sarasas;
  EXPECT_EQ(sarasas.AnkstesneDaiktGrupe(0), -1);
  SGrupe daikt;
  daikt.Tipas = gtDaikt;
  SGrupe veiksm;
  veiksm.Tipas = gtVeiksm;
  sarasas.Grupes.Prideti(veiksm);
  sarasas.Grupes.Prideti(daikt);
  sarasas.Grupes.Prideti(veiksm);
  EXPECT_EQ(sarasas.AnkstesneDaiktGrupe(0), -1);  // from 0 only group 0 is looked at
  EXPECT_EQ(sarasas.AnkstesneDaiktGrupe(2), 1);
  EXPECT_EQ(sarasas.KitaGrupe(2, gtVeiksm), 2);
  EXPECT_EQ(sarasas.KitaGrupe(3, gtVeiksm), -1);
  EXPECT_FALSE(sarasas.YraVeiksmGrupe(3));
  EXPECT_EQ(sarasas.GrupesZodziuSk(-1), 0);

  const SGrupe nauja;
  EXPECT_EQ(nauja.Tipas, gtNezinoma);
  EXPECT_EQ(nauja.Funkcija, fNeapibrezta);
  EXPECT_EQ(nauja.Veiksnys, -1);
  EXPECT_EQ(nauja.Papildinys, -1);
  EXPECT_FALSE(nauja.ZodisDaiktavardis(0));
}

}  // namespace
}  // namespace kervosta
