// Every Lithuanian form that translation can make of a dictionary entry, each with its kind,
// built with the engine's own form builders.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lexicon/zodyno_irasas.h"

namespace kervosta::duomenys {

struct LietuviskaForma {
  std::string Rusis;  // "daiktavardis-p12", "esamasis-e3", "dalyvis-veik-busimasis-f2"
  std::optional<std::string> Tekstas;  // Windows-1257; empty: the builder made no form
};

// Nouns: every case of the numbers the entry allows. Adjectives: both genders and numbers, the
// degrees only when the entry stores an English comparative or superlative. Declinable pronouns
// and numerals: both genders and numbers. Verbs: every tense and mood, the infinitive and the
// six participles in every gender, number and case. Other words: their Lithuanian text.
std::vector<LietuviskaForma> VisosFormos(const ZodynoIrasas& irasas);

}  // namespace kervosta::duomenys
