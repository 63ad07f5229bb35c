#include "morphology/veiksmazodziu_galunes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;

// The ending a class label shows: "-osi mokosi" shows "osi", "- mes" shows nothing.
std::string_view RodomaGalune(std::string_view etikete) {
  return etikete.substr(1, etikete.find(' ') - 1);
}

template <std::size_t N, std::size_t K>
void EtiketesRodoTreciojoAsmensGalune(const std::array<std::string_view, N>& galunes,
                                      const std::array<std::string_view, K>& etiketes) {
  static_assert(N == 6 * K);
  for (std::size_t klase = 0; klase < K; ++klase)
    EXPECT_EQ(IUtf8(RodomaGalune(etiketes[klase])), IUtf8(galunes[6 * klase + 2]))
        << IUtf8(etiketes[klase]);
}

TEST(VeiksmazodziuGalunes, EveryClassLabelShowsTheThirdPersonEndingOfItsRow) {
  EtiketesRodoTreciojoAsmensGalune(EsamojoLaikoGalunes, EsamojoLaikoAsmenuotes);
  EtiketesRodoTreciojoAsmensGalune(ButojoLaikoGalunes, ButojoLaikoAsmenuotes);
  EtiketesRodoTreciojoAsmensGalune(BusimojoLaikoGalunes, BusimojoLaikoAsmenuotes);
  EXPECT_EQ(EsamojoLaikoAsmenuotes[7], "-osi mokosi"_lt);
  EXPECT_EQ(ButojoLaikoAsmenuotes[3], "-ėsi mokėsi"_lt);
  EXPECT_EQ(BusimojoLaikoAsmenuotes[2], "- mes"_lt);
}

TEST(VeiksmazodziuGalunes, ReflexiveRowsEndInTheReflexiveParticle) {
  const auto sangrazine = [](std::string_view g) {
    return g.ends_with("si") || g.ends_with("sis") || g.ends_with("ės"_lt);
  };
  for (std::size_t i = 6 * 4; i < EsamojoLaikoGalunes.size(); ++i)
    EXPECT_TRUE(sangrazine(EsamojoLaikoGalunes[i])) << i;
  for (std::size_t i = 6 * 2; i < ButojoLaikoGalunes.size(); ++i)
    EXPECT_TRUE(sangrazine(ButojoLaikoGalunes[i])) << i;
  for (std::size_t i = 6; i < 12; ++i) {
    EXPECT_TRUE(sangrazine(BusimojoLaikoGalunes[i])) << i;
    EXPECT_TRUE(sangrazine(TariamosiosGalunes[i])) << i;
  }
  EXPECT_EQ(BendratiesGalunes[1], "tis"_lt);
  EXPECT_EQ(LiepiamosiosGalunes[6 + 1], "kis"_lt);
}

TEST(VeiksmazodziuGalunes, OnlyTheDocumentedCellsAreEmpty) {
  std::set<std::pair<int, std::size_t>> tusti;
  const std::array<std::string_view, 18>* lenteles[] = {&BusimojoLaikoGalunes,
                                                        &LiepiamosiosGalunes};
  for (int l = 0; l < 2; ++l)
    for (std::size_t i = 0; i < 18; ++i)
      if (lenteles[l]->at(i).empty()) tusti.insert({l, i});
  // Future class 2 leaves the third persons bare; no class has an imperative of persons 1, 3, 6.
  const std::set<std::pair<int, std::size_t>> laukiami = {
      {0, 14}, {0, 17}, {1, 0}, {1, 2}, {1, 5}, {1, 6}, {1, 8}, {1, 11}, {1, 12}, {1, 14}, {1, 17}};
  EXPECT_EQ(tusti, laukiami);
  for (const auto* lentele :
       {&VeikEsamojoDalyvioGalunes, &VeikButojoDalyvioGalunes, &VeikDazninioDalyvioGalunes,
        &VeikBusimojoDalyvioGalunes, &NeveikEsamojoDalyvioGalunes, &NeveikButojoDalyvioGalunes})
    for (const std::string_view galune : *lentele) EXPECT_FALSE(galune.empty());
  for (const std::string_view galune : EsamojoLaikoGalunes) EXPECT_FALSE(galune.empty());
  for (const std::string_view galune : ButojoLaikoGalunes) EXPECT_FALSE(galune.empty());
  for (const std::string_view galune : TariamosiosGalunes) EXPECT_FALSE(galune.empty());
}

TEST(VeiksmazodziuGalunes, ParticipleTablesHoldGenderNumberAndCaseInOrder) {
  // Masculine singular nominative, masculine plural nominative, feminine singular nominative,
  // feminine plural locative: one cell from each quarter of every table.
  const auto kampai = [](const std::array<std::string_view, DalyvioGaluniu>& l) {
    return IUtf8(l[0]) + ' ' + IUtf8(l[6]) + ' ' + IUtf8(l[12]) + ' ' + IUtf8(l[23]);
  };
  EXPECT_EQ(kampai(VeikEsamojoDalyvioGalunes), "ntis ntys nti nčiose");
  EXPECT_EQ(kampai(VeikButojoDalyvioGalunes), "ęs ę usi usiose");
  EXPECT_EQ(kampai(VeikDazninioDalyvioGalunes), "davęs davę davusi davusiose");
  EXPECT_EQ(kampai(VeikBusimojoDalyvioGalunes), "siantis siantys sianti siančiose");
  EXPECT_EQ(kampai(NeveikEsamojoDalyvioGalunes), "mas mi ma mose");
  EXPECT_EQ(kampai(NeveikButojoDalyvioGalunes), "tas ti ta tose");
}

}  // namespace
}  // namespace kervosta
