#include "core/sakinys.h"
#include "core/grupe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

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

// The list is split where it was last edited; an edit far from the previous one, an append or a
// sweep that removes words must see and leave the words in their order, at their addresses.
TEST(TZodziuList, EditsAnywhereKeepTheOrderAndTheWordsAddresses) {
  enum Veiksmas { Iterpti, Pasalinti, Prideti, PasalintiX };
  const struct {
    Veiksmas veiksmas;
    int i;
    const char* angl;
  } eiga[] = {
      {Iterpti, 0, "x1"}, {Iterpti, 6, "f"},  {Iterpti, 3, "x2"},  {Pasalinti, 1, ""},
      {Iterpti, 1, "x3"}, {Iterpti, 2, "g"},  {Pasalinti, 7, ""},  {Prideti, 0, "x4"},
      {Iterpti, 0, "h"},  {Pasalinti, 0, ""}, {Pasalinti, 4, ""},  {PasalintiX, 0, ""},
      {Iterpti, 2, "x5"}, {Prideti, 0, "i"},  {Pasalinti, 5, ""},  {Iterpti, 5, "j"},
  };
  TZodziuList sarasas;
  std::vector<std::string> tiketina;
  for (const char* angl : {"a", "b", "c", "d", "e"}) {
    sarasas.Prideti(Zodis(angl, dDaiktavardis));
    tiketina.push_back(angl);
  }
  std::map<std::string, const TZodis*> adresai;
  for (const auto& [veiksmas, i, angl] : eiga) {
    const auto vieta = tiketina.begin() + i;
    switch (veiksmas) {
      case Iterpti:
        sarasas.Iterpti(i, Zodis(angl, dDaiktavardis));
        tiketina.insert(vieta, angl);
        break;
      case Pasalinti:
        sarasas.Pasalinti(i);
        tiketina.erase(vieta);
        break;
      case Prideti:
        EXPECT_EQ(sarasas.Prideti(Zodis(angl, dDaiktavardis)), static_cast<int>(tiketina.size()));
        tiketina.push_back(angl);
        break;
      case PasalintiX:
        sarasas.PasalintiJei([](const TZodis& z) { return z.Angl[0] == 'x'; });
        std::erase_if(tiketina, [](const std::string& a) { return a[0] == 'x'; });
        break;
    }
    std::vector<std::string> yra;
    for (int k = 0; k < sarasas.Kiekis(); ++k) {
      yra.push_back(sarasas[k].Angl);
      const TZodis* pirmasAdresas = adresai.try_emplace(yra.back(), sarasas.Rodykle(k)).first->second;
      EXPECT_EQ(pirmasAdresas, sarasas.Rodykle(k)) << "moved: " << yra.back();
    }
    ASSERT_EQ(yra, tiketina) << "after the edit at " << i;
  }
}

// The contraction and clause steps insert and remove as they walk a sentence: the walk sees the
// words already edited behind it and the untouched ones ahead.
TEST(TZodziuList, AWalkThatInsertsAndRemovesSeesEveryWordOnce) {
  TZodziuList sarasas;
  for (int k = 0; k < 3000; ++k) sarasas.Prideti(Zodis(k % 3 == 0 ? "-" : "ab", dDaiktavardis));
  int aplankyta = 0;
  for (int i = 0; i < sarasas.Kiekis(); ++i, ++aplankyta) {
    if (sarasas[i].Angl == "-") {
      sarasas.Pasalinti(i--);
    } else if (sarasas[i].Angl == "ab") {
      sarasas[i].Angl = "a";
      sarasas.Iterpti(++i, Zodis("b", dDaiktavardis));
    }
  }
  EXPECT_EQ(aplankyta, 3000);
  ASSERT_EQ(sarasas.Kiekis(), 4000);
  for (int k = 0; k < sarasas.Kiekis(); ++k)
    ASSERT_EQ(sarasas[k].Angl, k % 2 == 0 ? "a" : "b") << k;
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
