// Words whose forms no joint rule can make from the stored stem: šuo declines on šun- (šuns,
// šunį), didelis compares on did- (didesnis, didžiausias), some nouns of the -is declension end
// the genitive plural in -ų (durų, debesų), and įgyti shortens its y in the third-person future
// (įgis). They are kept as data: which stored stem, in which paradigm or class, before which
// endings, takes which stem and ending beginning instead.
#pragma once

#include <string>
#include <string_view>

namespace kervosta {

enum class ZodzioSeima {
  Daiktavardis,
  Laipsnis,  // the comparative and superlative of adjectives, whatever their paradigm
  Busimasis,  // the finite future of verbs, by future class
};

struct SandurosDalys {
  std::string_view Kamienas;
  std::string Galune;
};

// The stem and ending to join for a word of the family: the table's replacements when it lists
// the stem, the paradigm and the beginning of the ending, else the two as given.
SandurosDalys NetaisyklingosDalys(ZodzioSeima seima, std::string_view kamienas, int paradigma,
                                  std::string_view galune);

}  // namespace kervosta
