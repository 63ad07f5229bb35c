#include "lexicon/zodyno_sarasas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testai.h"

namespace kervosta {
namespace {

// The words head to tail, checked against the walk from tail to head.
std::vector<std::string> Zodziai(const ZodynoSarasas& sarasas) {
  std::vector<std::string> pirmyn, atgal;
  for (auto* m = sarasas.Galva(); m; m = m->Kitas) pirmyn.push_back(m->Duomenys.Angl1());
  for (auto* m = sarasas.Uodega(); m; m = m->Ankstesnis) atgal.push_back(m->Duomenys.Angl1());
  EXPECT_EQ(pirmyn, std::vector(atgal.rbegin(), atgal.rend())) << "the links disagree";
  return pirmyn;
}

TEST(ZodynoSarasas, FindsByPositionAndUnlinksEveryKindOfNode) {
  ZodynoSarasas sarasas;
  for (const char* z : {"a", "b", "c", "d"}) sarasas.Prideti(testai::Irasas(1, z));
  EXPECT_EQ(sarasas.Rasti(4), sarasas.Uodega());
  for (int uz : {0, -1, 5}) EXPECT_EQ(sarasas.Rasti(uz), nullptr) << uz;
  sarasas.Numeruoti();
  EXPECT_EQ(sarasas.Rasti(3)->Nr, 3);

  sarasas.Pasalinti(sarasas.Rasti(2));
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"a", "c", "d"}));
  sarasas.Pasalinti(sarasas.Galva());
  sarasas.Pasalinti(sarasas.Uodega());
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"c"}));
  sarasas.Pasalinti(sarasas.Galva());
  EXPECT_EQ(sarasas.Uodega(), nullptr);
  sarasas.Prideti(testai::Irasas(1, "e"));
  EXPECT_EQ(Zodziai(sarasas), (std::vector<std::string>{"e"}));
}

// Words point at the node they were found in, so no edit or move may relocate a node.
TEST(ZodynoSarasas, NodesKeepTheirAddressesThroughEditsAndMoves) {
  ZodynoSarasas sarasas;
  sarasas.Prideti(testai::Irasas(1, "a"));
  ZodynoMazgas* b = sarasas.Prideti(testai::Irasas(1, "b"));
  for (int i = 0; i < 1000; ++i) sarasas.Prideti(testai::Irasas(1, "x"));
  sarasas.Pasalinti(sarasas.Galva());
  ZodynoSarasas perkeltas = std::move(sarasas);
  EXPECT_EQ(perkeltas.Galva(), b);
  EXPECT_EQ(b->Duomenys.Angl1(), "b");
  EXPECT_TRUE(sarasas.Tuscias());  // a moved-from list owns nothing
}

}  // namespace
}  // namespace kervosta
