// English contractions: parted into two words before the lookup, and the ambiguous "'s" and "'d"
// settled after it, when the words around them are known.
#pragma once

#include <string_view>

#include "core/sakinys.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// The marks that "'s" and "'d" leave until the words after them are looked up.
inline constexpr std::string_view ZymeS = "'s";
inline constexpr std::string_view ZymeD = "'d";

// Parts every contraction in two words in place: "can't", "won't", "cannot" and "ain't" by a
// table, then the endings "n't" (not), "'m" (am), "'re" (are), "'ve" (have), "'ll" (will) and
// "'s" and "'d", which stay marks. "let's" stays one word. The first word keeps the capital.
void IsskleistiSutrumpinimus(TSakinys& saltinis);

// After the lookup: "'d" becomes "had" before a past participle or "better", else "would"; "'s"
// after a noun and before what the noun owns ("Tom's car") goes and leaves the noun in the
// genitive, else it becomes "has" before a form that is only a past participle, else "is". The
// new words take the built-in fields of their English word.
void IssprestiSutrumpinimus(const ZodynuRinkinys& zodynai, TSakinys& saltinis);

}  // namespace kervosta
