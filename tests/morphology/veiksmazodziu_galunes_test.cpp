#include "morphology/veiksmazodziu_galunes.h"

#include <gtest/gtest.h>

namespace kervosta {
namespace {

// A class label shows the third-person ending of its row ("-osi mokosi" shows "osi", "- mes"
// nothing), which ties the position the editor stores to the row the builder reads.
TEST(VeiksmazodziuGalunes, EveryClassLabelShowsTheThirdPersonEndingOfItsRow) {
  const auto tikrinti = [](const auto& galunes, const auto& etiketes) {
    ASSERT_EQ(galunes.size(), 6 * etiketes.size());
    for (std::size_t k = 0; k < etiketes.size(); ++k)
      EXPECT_EQ(etiketes[k].substr(1, etiketes[k].find(' ') - 1), galunes[6 * k + 2]) << k;
  };
  tikrinti(EsamojoLaikoGalunes, EsamojoLaikoAsmenuotes);
  tikrinti(ButojoLaikoGalunes, ButojoLaikoAsmenuotes);
  tikrinti(BusimojoLaikoGalunes, BusimojoLaikoAsmenuotes);
}

}  // namespace
}  // namespace kervosta
