#include "morphology/veiksmazodziu_galunes.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"

namespace kervosta {
namespace {

// A class label shows the third-person ending of its row: "-osi mokosi" shows "osi", "- mes"
// nothing. This ties the order of the labels the editor offers to the order of the rows.
template <std::size_t N, std::size_t K>
void EtiketesAtitinkaEilutes(const std::array<std::string_view, N>& galunes,
                             const std::array<std::string_view, K>& etiketes) {
  static_assert(N == 6 * K);
  for (std::size_t klase = 0; klase < K; ++klase) {
    const std::string_view etikete = etiketes[klase];
    EXPECT_EQ(IUtf8(etikete.substr(1, etikete.find(' ') - 1)), IUtf8(galunes[6 * klase + 2]))
        << IUtf8(etikete);
  }
}

TEST(VeiksmazodziuGalunes, EveryClassLabelShowsTheThirdPersonEndingOfItsRow) {
  EtiketesAtitinkaEilutes(EsamojoLaikoGalunes, EsamojoLaikoAsmenuotes);
  EtiketesAtitinkaEilutes(ButojoLaikoGalunes, ButojoLaikoAsmenuotes);
  EtiketesAtitinkaEilutes(BusimojoLaikoGalunes, BusimojoLaikoAsmenuotes);
}

TEST(VeiksmazodziuGalunes, OnlyTheBareStemCellsAreEmpty) {
  // Future class 2 leaves the third persons bare; no class has an imperative of persons 1, 3, 6.
  for (std::size_t i = 0; i < 18; ++i) {
    EXPECT_EQ(BusimojoLaikoGalunes[i].empty(), i == 14 || i == 17) << i;
    EXPECT_EQ(LiepiamosiosGalunes[i].empty(), i % 6 == 0 || i % 6 == 2 || i % 6 == 5) << i;
    EXPECT_FALSE(TariamosiosGalunes[i].empty()) << i;
  }
}

TEST(VeiksmazodziuGalunes, ParticipleTablesHoldGenderNumberAndCaseInOrder) {
  // One cell from each quarter: masculine singular and plural nominative, feminine singular
  // nominative, feminine plural locative.
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
