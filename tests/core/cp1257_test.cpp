#include "core/cp1257.h"

#include <gtest/gtest.h>

namespace kervosta {
namespace {

using namespace literals;

TEST(Cp1257, EveryByteRoundTripsThroughUtf8) {
  std::string visi;
  for (int b = 0; b < 256; ++b) visi.push_back(static_cast<char>(b));
  const Cp1257Tekstas atgal = IsUtf8(IUtf8(visi));
  EXPECT_EQ(atgal.Tekstas, visi);
  EXPECT_EQ(atgal.Pakeista, 0u);
}

TEST(Cp1257, LettersHaveTheirCodePageBytesAndTheRestBecomeCountedQuestionMarks) {
  EXPECT_EQ(IsUtf8("ąčęėįšųūž ĄČĘĖĮŠŲŪŽ").Tekstas,
            "\xE0\xE8\xE6\xEB\xE1\xF0\xF8\xFB\xFE \xC0\xC8\xC6\xCB\xC1\xD0\xD8\xDB\xDE");
  const Cp1257Tekstas r = IsUtf8("a→b 日本");
  EXPECT_EQ(r.Tekstas, "a?b ??");
  EXPECT_EQ(r.Pakeista, 3u);
  static_assert("būti"_lt.size() == 4 && "būti"_lt[1] == '\xFB');
  EXPECT_EQ(std::string("šaką"_lt), IsUtf8("šaką").Tekstas);
}

TEST(Cp1257, MalformedUtf8NamesTheOffsetOfTheBadSequence) {
  const std::pair<std::string, std::size_t> atvejai[] = {
      {"ab\xFF", 2},           // a byte that never starts a sequence
      {"abc\xC5", 3},          // truncated two-byte sequence
      {"a\xC0\xAF", 1},        // overlong encoding of '/'
      {"x\xED\xA0\x80", 1},    // an encoded surrogate
      {"\xC4\x85\x80", 2},     // a lone continuation byte after a valid letter
  };
  for (const auto& [tekstas, poslinkis] : atvejai) {
    try {
      IsUtf8(tekstas);
      ADD_FAILURE() << "accepted malformed input at " << poslinkis;
    } catch (const NetinkamasUtf8& e) {
      EXPECT_EQ(e.Poslinkis(), poslinkis);
    }
  }
}

}  // namespace
}  // namespace kervosta
