#include "lexicon/zodyno_sarasas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "irasu_pavyzdziai.h"

namespace kervosta {
namespace {

ZodynoSarasas Sarasas(std::initializer_list<const char*> zodziai) {
  ZodynoSarasas sarasas;
  for (const char* z : zodziai) sarasas.Prideti(testai::Irasas(1, z));
  return sarasas;
}

// The words head to tail, checked against the walk from tail to head.
std::vector<std::string> Zodziai(const ZodynoSarasas& sarasas) {
  std::vector<std::string> pirmyn;
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) pirmyn.push_back(m->Duomenys.Angl1());
  std::vector<std::string> atgal;
  for (const ZodynoMazgas* m = sarasas.Uodega(); m; m = m->Ankstesnis)
    atgal.insert(atgal.begin(), m->Duomenys.Angl1());
  EXPECT_EQ(pirmyn, atgal) << "the links disagree";
  return pirmyn;
}

TEST(ZodynoSarasas, AppendsAtTheTailAndFindsByPosition) {
  ZodynoSarasas sarasas = Sarasas({"a", "b", "c"});
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(sarasas.Kiekis(), 3);
  EXPECT_EQ(sarasas.Galva()->Nr, 0) << "appending gives no number";
  EXPECT_EQ(sarasas.Rasti(1), sarasas.Galva());
  EXPECT_EQ(sarasas.Rasti(3), sarasas.Uodega());
  EXPECT_EQ(sarasas.Rasti(0), nullptr);
  EXPECT_EQ(sarasas.Rasti(-1), nullptr);
  EXPECT_EQ(sarasas.Rasti(4), nullptr);
  EXPECT_EQ(ZodynoSarasas().Rasti(1), nullptr);

  sarasas.Numeruoti();
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(sarasas.Rasti(i)->Nr, i);
}

TEST(ZodynoSarasas, UnlinksHeadMiddleTailAndTheLastNode) {
  ZodynoSarasas sarasas = Sarasas({"a", "b", "c", "d"});
  sarasas.Pasalinti(sarasas.Rasti(2));
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"a", "c", "d"}));
  sarasas.Pasalinti(sarasas.Galva());
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"c", "d"}));
  sarasas.Pasalinti(sarasas.Uodega());
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"c"}));
  sarasas.Pasalinti(sarasas.Galva());
  EXPECT_TRUE(sarasas.Tuscias());
  EXPECT_EQ(sarasas.Uodega(), nullptr);
  sarasas.Prideti(testai::Irasas(1, "e"));
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"e"}));
}

TEST(ZodynoSarasas, NodesKeepTheirAddressesThroughEditsAndMoves) {
  ZodynoSarasas sarasas = Sarasas({"a", "b"});
  ZodynoMazgas* b = sarasas.Uodega();
  for (int i = 0; i < 1000; ++i) sarasas.Prideti(testai::Irasas(1, "x"));
  sarasas.Pasalinti(sarasas.Galva());
  ZodynoSarasas perkeltas = std::move(sarasas);
  EXPECT_EQ(perkeltas.Galva(), b);
  EXPECT_EQ(b->Duomenys.Angl1(), "b");
  EXPECT_TRUE(sarasas.Tuscias());  // a moved-from list owns nothing
}

}  // namespace
}  // namespace kervosta
