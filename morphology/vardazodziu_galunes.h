// Ending tables of the nominal builders and the paradigm label lists the entry editor offers.
//
// All texts are Windows-1257. A paradigm number stored in an entry is the position of its label
// in the label list and selects the row block of the ending table. Nominal tables hold, per
// paradigm, the singular cases then the plural cases: six cases each, seven in the noun table,
// which adds the vocative. The comparative and superlative tables hold a masculine then a
// feminine half of the same shape. An empty ending leaves the bare stem.
#pragma once

#include <array>
#include <string_view>

namespace kervosta {

template <std::size_t N>
using Lentele = std::array<std::string_view, N>;

// Nouns: 17 paradigms x 2 numbers x 7 cases.
extern const Lentele<238> DaiktavardzioGalunes;
extern const Lentele<17> DaiktavardzioLinksniuotes;

// Adjectives in the positive degree: 5 masculine and 4 feminine paradigms, chosen independently.
extern const Lentele<60> BudvardzioVyrGalunes;
extern const Lentele<48> BudvardzioMotGalunes;
extern const Lentele<5> BudvardzioVyrLinksniuotes;
extern const Lentele<4> BudvardzioMotLinksniuotes;

// Comparative and superlative endings, the same for every adjective paradigm.
extern const Lentele<24> AukstesniojoLaipsnio;
extern const Lentele<24> AuksciausiojoLaipsnio;

// Cardinal numerals: rows 0..4 are endings, rows 5 ("du") and 6 ("trys") whole words.
extern const Lentele<84> SkaitvardzioVyrGalunes;
extern const Lentele<84> SkaitvardzioMotGalunes;
extern const Lentele<7> SkaitvardzioLinksniuotes;
inline constexpr int PirmojiPilnuZodziuEilute = 5;

// Ordinal numerals.
extern const Lentele<24> KelintinioVyrGalunes;
extern const Lentele<24> KelintinioMotGalunes;
extern const Lentele<2> KelintinioLinksniuotes;

// Declinable pronouns; rows 4 and 6 are plural-only and repeat the plural in the singular row.
extern const Lentele<84> IvardzioVyrGalunes;
extern const Lentele<84> IvardzioMotGalunes;
extern const Lentele<7> IvardzioLinksniuotes;

// Personal pronouns as whole words: rows 1 aš, 2 tu, 3 jis, 4 ji, 5 mes, 6 jūs, 7 jie, 8 jos,
// 9 tai, 10 the reflexive (which has no nominative), six cases each; stored from index 0.
extern const Lentele<60> AsmeniniaiIvardziai;
inline constexpr int AsmeniniuIvardziuEiluciu = 10;

}  // namespace kervosta
