// The word sets' marks only hurry the answer: a word is in a set exactly when it is one of its
// words, whatever letters and lengths the marks share.
#include "analysis/zodziu_aibe.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace kervosta {
namespace {

constexpr std::string_view Ilgas = "a-word-of-more-than-thirty-one-letters";

constexpr ZodziuAibe Aibe(std::to_array<std::string_view>({"will", "'d", "let's", Ilgas}));

TEST(ZodziuAibe, HoldsExactlyItsWordsWhateverTheMarksShare) {
  for (std::string_view zodis : {std::string_view("will"), std::string_view("'d"),
                                 std::string_view("let's"), Ilgas})
    EXPECT_TRUE(Aibe.Turi(zodis)) << zodis;
  const std::string kitasIlgas = std::string(Ilgas.substr(0, Ilgas.size() - 1)) + "z";
  const std::string ilgesnis = std::string(Ilgas) + "s";
  // Same first letter and length, a first letter whose mark is shared (W, and the byte 0xF7, mark
  // as w does), lengths around the ones held, and the empty word.
  for (std::string_view zodis :
       {std::string_view("wild"), std::string_view("Will"), std::string_view("\xF7ill"),
        std::string_view("wil"), std::string_view("wills"), std::string_view("'s"),
        std::string_view(kitasIlgas), std::string_view(ilgesnis), std::string_view("")})
    EXPECT_FALSE(Aibe.Turi(zodis)) << zodis;
}

}  // namespace
}  // namespace kervosta
