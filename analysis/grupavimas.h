// Syntactic analysis of one looked-up sentence: verb groups, the division into groups by part
// of speech, the roles of the noun groups with the case, number, gender and person they call
// for, and the copy of the words into the target sentence. Words are never reordered.
#pragma once

#include "analysis/aplinka.h"
#include "core/grupe.h"
#include "core/sakinys.h"

namespace kervosta {

// Appends the groups of the sentence to the list. The groups refer to the sentence's own words,
// so the list must not be used after the sentence is gone.
void SudarytiGrupes(TSakinys& saltinis, SGList& grupes);

// The analysis of translation: the grammar steps run only when `aplinka.GramatineAnalize` is on.
// The target sentence is refilled with copies of the source words in group order; the source
// words carry the decided features as well.
void AnalizuotiSakini(const Aplinka& aplinka, TSakinys& saltinis, TSakinys& vertinys);

// The analysis of the grammar window: always runs the grammar steps and leaves the groups in
// `grupes` (emptied first) for display.
void AnalizuotiSakiniLangui(const Aplinka& aplinka, TSakinys& saltinis, TSakinys& vertinys,
                            SGList& grupes);

}  // namespace kervosta
