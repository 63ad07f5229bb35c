#include "morphology/veiksmazodziu_galunes.h"

#include <gtest/gtest.h>

namespace kervosta {
namespace {

// A class label shows the third-person ending of its row ("-osi mokosi" shows "osi", "- mes"
// nothing), which ties the position the editor stores to the row the builder reads.
template <std::size_t N, std::size_t K>
void EtiketesAtitinkaEilutes(const std::array<std::string_view, N>& galunes,
                             const std::array<std::string_view, K>& etiketes) {
  static_assert(N == 6 * K);
  for (std::size_t klase = 0; klase < K; ++klase)
    EXPECT_EQ(etiketes[klase].substr(1, etiketes[klase].find(' ') - 1), galunes[6 * klase + 2])
        << klase;
}

TEST(VeiksmazodziuGalunes, EveryClassLabelShowsTheThirdPersonEndingOfItsRow) {
  EtiketesAtitinkaEilutes(EsamojoLaikoGalunes, EsamojoLaikoAsmenuotes);
  EtiketesAtitinkaEilutes(ButojoLaikoGalunes, ButojoLaikoAsmenuotes);
  EtiketesAtitinkaEilutes(BusimojoLaikoGalunes, BusimojoLaikoAsmenuotes);
}

}  // namespace
}  // namespace kervosta
