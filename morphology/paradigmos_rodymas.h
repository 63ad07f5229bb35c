// The paradigm display: the lines that describe one word of an analysed sentence, its features
// in words and, for nouns, declinable pronouns, verbs and adjectives, every Lithuanian form its
// dictionary entry makes. A read-only report; Windows-1257 text.
#pragma once

#include <string>
#include <vector>

#include "core/zodis.h"

namespace kervosta {

// Appends the report's lines. A word without a dictionary entry gets its header lines only.
void RodytiParadigma(const TZodis& zodis, std::vector<std::string>& eilutes);

}  // namespace kervosta
