#include "morphology/kodai.h"

#include <gtest/gtest.h>

namespace kervosta {
namespace {

// A word's gender is coded 0 unset, 1 masculine, 2 feminine; each builder family reads it its own
// way, and a numeral of unset gender is not re-inflected at all.
TEST(VardazodziuKodai, GenderMapsPerBuilderFamily) {
  EXPECT_EQ(BudvardzioGimine(0), bgVyriska);
  EXPECT_EQ(BudvardzioGimine(1), bgVyriska);
  EXPECT_EQ(BudvardzioGimine(2), bgMoteriska);
  EXPECT_EQ(IvardzioGimine(0), gVyriska);
  EXPECT_EQ(IvardzioGimine(2), gMoteriska);
  EXPECT_EQ(DalyvioGimine(1), dgVyriska);
  EXPECT_EQ(DalyvioGimine(2), dgMoteriska);
  EXPECT_EQ(SkaitvardzioGimine(0), std::nullopt);
  EXPECT_EQ(SkaitvardzioGimine(1), gVyriska);
  EXPECT_EQ(SkaitvardzioGimine(2), gMoteriska);
}

TEST(VardazodziuKodai, StoredCaseAndTenseShiftToBuilderCodes) {
  EXPECT_EQ(LinksnioKodas(0), lVardininkas);
  EXPECT_EQ(LinksnioKodas(5), lVietininkas);
  EXPECT_EQ(LinksnioKodas(6), std::nullopt);
  EXPECT_EQ(LinksnioKodas(7), std::nullopt);  // governs no case
  EXPECT_EQ(SkaiciausKodas(1), skDaugiskaita);
  EXPECT_EQ(LaikoKodas(1), lkBendratis);
  EXPECT_EQ(LaikoKodas(2), lkEsamasis);
  EXPECT_EQ(LaikoKodas(4), lkButasisDazninis);
  EXPECT_EQ(LaikoKodas(5), lkBusimasis);
  EXPECT_EQ(LaikoKodas(0), std::nullopt);
  EXPECT_EQ(FormosRusis(4), fDalyvis);
  EXPECT_EQ(FormosRusis(3), fAsmenuojama);
  EXPECT_FALSE(RusiesKodas(0));
}

}  // namespace
}  // namespace kervosta
