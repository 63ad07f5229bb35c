// Forms of verbs: the finite forms of every tense and mood, the infinitive, and four active and
// two passive participles, each one stem joined with one or two endings of the verb tables.
//
// A verb entry holds three stems and three classes:
//   `Kamienas` (infinitive stem) with the future class `Paradigma3`: infinitive, future,
//     conditional, imperative of persons 2, 4, 5, frequentative, future active and past passive
//     participles;
//   `EsamasKamienas` (present stem) with the present class `Paradigma1`: present tense, "tegul "
//     imperative of persons 3 and 6, present active and passive participles;
//   `ButasKamienas` (past stem) with the past class `Paradigma2`: past tense and past active
//     participle.
// The stem shape takes one stem and one class in place of all three, as the entry editor shows a
// single tense at a time.
//
// Stem and endings are joined as morphology/sandura.h spells the joints (mačiau, sėdžiu, bėk,
// mesiantis, rašantis). A reflexive verb (a reflexive class) keeps its particle in its endings;
// its active participles take it in front (besimokantis), and its passive participles are the
// impersonal neuter in every cell (mokomasi). After a past in -ė of a present in -o the past
// active participle writes the stem's softness (rašiusi); the frequentative of a reflexive verb
// takes the reflexive past row after "dav" (mokydavausi).
//
// Codes are those of morphology/kodai.h. Arguments a form does not need are ignored. An active
// participle takes its case from the person argument; a passive one from `dalyvioLinksnis`.
// Entries come from files that may be damaged or hand-made, so a class, person, gender, number,
// case, tense, mood or form kind outside its table yields no form, never a read outside a table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lexicon/zodyno_irasas.h"
#include "morphology/kodai.h"

namespace kervosta {

Forma VeiksmazodzioForma(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka,
                         int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                         bool veikiamoji);

// The same form negated: "ne" in front, after "tegul " where the form has it (tegul nedirba); a
// reflexive form moves its particle in behind "ne" (nesigailiu, nesitikėkite, nesijuokiantis).
Forma NeigiamaVeiksmazodzioForma(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka,
                                 int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                                 bool veikiamoji);

Forma VeiksmazodzioForma(std::string_view kamienas, int klase, int asmuo, int laikas, int nuosaka,
                         int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                         bool veikiamoji);

}  // namespace kervosta
