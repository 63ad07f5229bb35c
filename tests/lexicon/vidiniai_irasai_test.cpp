#include <gtest/gtest.h>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"

namespace kervosta {
namespace {

using namespace literals;

TEST(VidiniaiIrasai, AreCleanVerbRecordsWithTheFormsOfBeMarked) {
  ZodynuRinkinys zodynai;
  UzpildytiVidiniusIrasus(zodynai);
  const auto& v = zodynai.VidiniaiIrasai;
  for (std::size_t i = 0; i < v.size(); ++i) {
    EXPECT_EQ(v[i].DaliesKodas(), 2) << i;
    EXPECT_EQ(v[i].Kategorija() == 99, i < 3) << "only am, be and is are forms of be: " << i;
    // Made by the program, so nothing but the fields is set.
    for (std::size_t b = 380; b < ZodynoIrasas::Dydis; ++b) ASSERT_EQ(v[i].Duomenys()[b], 0);
    EXPECT_EQ(v[i].Duomenys()[0], 0);
  }
  EXPECT_EQ(v[0].Angl1(), "am");
  EXPECT_EQ(v[5].Angl1(), "have");
  EXPECT_EQ(v[3].Angl4(), std::string(13, '*'));
  EXPECT_EQ(v[3].Angl5(), std::string(13, '*'));
  EXPECT_EQ(v[5].ButasKamienas(), "turėj"_lt);
  EXPECT_EQ(v[5].ButasKamienas().size(), 5u) << "Lithuanian letters are single bytes";
}

}  // namespace
}  // namespace kervosta
