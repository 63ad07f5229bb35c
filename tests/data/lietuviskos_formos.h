// Every Lithuanian form that translation can make of a dictionary entry, each with the kind of
// form it is, built with the engine's own form builders.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lexicon/zodyno_irasas.h"

namespace kervosta::duomenys {

struct LietuviskaForma {
  std::string Rusis;                   // "daiktavardis", "esamasis-e3", "dalyvis-veik-busimasis-f2"
  std::optional<std::string> Tekstas;  // Windows-1257; empty optional: the builder made no form
};

// Nouns: every case (the vocative too) of the numbers the entry allows. Adjectives: both
// genders and numbers; the comparative and superlative only when the entry stores an English
// comparative or superlative, since only those words ask for them. Declinable pronouns and
// numerals: both genders and numbers. Verbs: every tense of the indicative, the conditional,
// the imperative, the infinitive and the six participles in every gender, number and case.
// Words that are not inflected: their Lithuanian text.
std::vector<LietuviskaForma> VisosFormos(const ZodynoIrasas& irasas);

}  // namespace kervosta::duomenys
