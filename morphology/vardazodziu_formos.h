// Forms of nouns, adjectives, declinable and personal pronouns and numerals, built by joining a
// stem with an ending of the nominal tables (or, for a few closed words, taking a whole word).
// The joint is spelt as morphology/sandura.h says (jaučio, plačios, naujausias); nouns and the
// degrees of adjectives also as the irregular words table has them (šuns, didesnis, durų).
//
// Every builder exists in two shapes: from a dictionary entry (stem and paradigms read from it)
// and from a bare stem with its paradigm, for forms shown before an entry exists. Codes are those
// of morphology/kodai.h. Entries come from files that may be damaged or hand-made, so a paradigm,
// case, number, gender, degree or kind outside its table yields no form (std::nullopt), never a
// read outside a table. An empty string is a real form: the reflexive personal pronoun has no
// nominative.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/zodis.h"
#include "lexicon/zodyno_irasas.h"
#include "morphology/kodai.h"

namespace kervosta {

// Noun, case 1..7 (7 the vocative), number 1..2. The paradigm is `Paradigma1`.
Forma DaiktavardzioForma(const ZodynoIrasas& irasas, int linksnis, int skaicius);
Forma DaiktavardzioForma(std::string_view kamienas, int paradigma, int linksnis, int skaicius);

// Adjective, gender bgVyriska (1) or bgMoteriska (0), degree 0..2. In the positive degree the
// masculine takes `Paradigma1` and the feminine `Paradigma2`; the comparative and superlative
// take the same endings for every paradigm. The stem shape takes the paradigm of the gender asked.
Forma BudvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius,
                      int laipsnis);
Forma BudvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                      int skaicius, int laipsnis);

// Declinable pronoun, gender gVyriska (1) or gMoteriska (2); paradigm `Paradigma1` for both.
Forma IvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius);
Forma IvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                    int skaicius);

// Personal pronoun of row `zodis.Nr` (1..10) as a whole word; the row fixes the number. Row 7
// ("jie") asked in the feminine gives row 8 ("jos").
Forma AsmeninioIvardzioForma(const TZodis& zodis, int gimine, int linksnis);

// Numeral, gender gVyriska or gMoteriska, kind srKiekinis (cardinal, paradigms 0..6, of which 5
// and 6 are whole words without the stem) or srKelintinis (ordinal, paradigms 0..1). The entry
// shape reads the kind from `Kategorija` and the paradigm from `Paradigma1`; the feminine of the
// whole-word cardinals is looked up with `Paradigma2`, which the editor keeps equal to it.
Forma SkaitvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius);
Forma SkaitvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                        int skaicius, int rusis);

}  // namespace kervosta
