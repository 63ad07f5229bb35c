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

// Nouns and adjectives in every case of their numbers and genders (adjectives in the degrees
// only when the entry stores an English comparative), declinable pronouns and numerals in both
// genders, verbs in every tense, mood and participle; other words as written.
std::vector<LietuviskaForma> VisosFormos(const ZodynoIrasas& irasas);

}  // namespace kervosta::duomenys
