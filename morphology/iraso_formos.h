// Every form the builders make of an entry, each under a stable label ("noun sg 2", "verb
// participle past-active fem pl 4", listed in docs/inflect-labels.md). `kervosta-cli inflect`
// prints them for a stem, `kervosta-cli forms` for every entry of a dictionary.
#pragma once

#include <string>
#include <vector>

#include "lexicon/zodyno_irasas.h"
#include "morphology/kodai.h"

namespace kervosta {

struct PazymetaForma {
  std::string Etikete;  // ASCII
  Forma Tekstas;        // Windows-1257; nothing when the builder makes no form
};
using PazymetosFormos = std::vector<PazymetaForma>;

// Nouns in the seven cases of both numbers; `Paradigma1`.
PazymetosFormos DaiktavardzioFormos(const ZodynoIrasas& irasas);
// Adjectives in both genders of the positive, then of the comparative and the superlative.
PazymetosFormos BudvardzioFormos(const ZodynoIrasas& irasas);
// Declinable pronouns in both genders.
PazymetosFormos IvardzioFormos(const ZodynoIrasas& irasas);
// Numerals in both genders; the kind is the entry's `Kategorija`.
PazymetosFormos SkaitvardzioFormos(const ZodynoIrasas& irasas);
// The infinitive, every tense and mood in its persons and the six participles.
PazymetosFormos VeiksmazodzioFormos(const ZodynoIrasas& irasas);

// The forms translation can make of a dictionary entry: nouns only in the numbers the entry
// allows, adjectives in the degrees only when it stores an English comparative or superlative,
// pronouns and cardinals that do not decline and every other part of speech as the stored word
// ("word"; none when that is empty).
PazymetosFormos IrasoFormos(const ZodynoIrasas& irasas);

// A form of the verb entry, as VeiksmazodzioForma built it, negated as NeigiamaVeiksmazodzioForma
// builds it (gailiuosi: nesigailiu); any other text just gets "ne" in front.
std::string NeigiamaForma(const ZodynoIrasas& irasas, std::string_view forma);

}  // namespace kervosta
