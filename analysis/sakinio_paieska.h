// Sentence lookup: every word of a tokenised source sentence gets its Lithuanian text and
// features, from the built-in words or the dictionaries. Automatic lookup never asks; lookup with
// correction asks `aplinka.Klausejas` whenever a word has no candidate or several.
#pragma once

#include <string>

#include "analysis/aplinka.h"
#include "core/sakinys.h"
#include "core/zodis.h"

namespace kervosta {

// Punctuation keeps what the tokeniser gave it. A built-in word is taken as recognised ("May"
// inside a sentence, or after "in", a number or "every", is the month instead). Otherwise the
// candidate that the context calls for, or else the last (main dictionary first, each list from
// head to tail), is taken. A word without candidates written with a capital is a name; any other
// shows its English text. With the context rule on, a word after a title or a name is a name too.
// The contractions' marks are settled at the end.
void SurastiAutomatiskai(Aplinka& aplinka, TSakinys& saltinis);

// As automatic lookup, except that a word with no candidate or several is asked about. An answer
// of candidate k takes candidate k of the list as it is after the question (the answer may have
// added an entry and refilled it). Without an answer an unknown word shows its English text and
// an ambiguous word takes the candidate automatic lookup would take. Switching correction off
// during the question makes the next sentence automatic; the rest of this one still asks. An
// answer of AtsauktiVertima throws VertimasAtsauktas. Without a `Klausejas` nothing is ever
// chosen.
void SurastiSuKoregavimu(Aplinka& aplinka, TSakinys& saltinis);

// The lookup of one sentence as translation runs it: automatic when `aplinka.AutomatinisVertimas`
// is 1, with correction otherwise. The flag is read once, before the first word, so correction
// switched off during a question holds from the next sentence on.
void SurastiSakinioZodzius(Aplinka& aplinka, TSakinys& saltinis);

// Copies a candidate's features into a sentence word. A capital asked for by the candidate (a
// proper noun) is taken, but one the word already has (from a capitalised source word) stays.
void PerimtiKandidata(const TZodis& kandidatas, TZodis& zodis);

// The sentence as the question shows it: the English words with a capital first letter, a space
// before every word but punctuation and after every sentence-ending mark.
std::string KlausimoSakinys(const TSakinys& sakinys);

}  // namespace kervosta
