#include <gtest/gtest.h>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"

namespace kervosta {
namespace {

using namespace literals;

TEST(VidiniaiIrasai, AreCleanRecordsWithOnlyTheFormsOfBeMarked) {
  ZodynuRinkinys zodynai;
  UzpildytiVidiniusIrasus(zodynai);
  const auto& v = zodynai.VidiniaiIrasai;
  for (std::size_t i = 0; i < v.size(); ++i) {
    EXPECT_EQ(v[i].Kategorija() == 99, i < 3) << i;
    for (std::size_t b = 380; b < ZodynoIrasas::Dydis; ++b) ASSERT_EQ(v[i].Duomenys()[b], 0);
  }
  EXPECT_EQ(v[3].Angl4(), std::string(13, '*'));
  EXPECT_EQ(v[5].ButasKamienas(), "turėj"_lt);
}

}  // namespace
}  // namespace kervosta
