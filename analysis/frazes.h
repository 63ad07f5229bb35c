// Words that say one thing together in Lithuanian, settled after the lookup: "thank you" (ačiū),
// "excuse me" (atsiprašau), "how much" and "how many" (kiek), "how long" (kiek laiko), "would
// like" (norėti), "at home" (namie), "twenty-four" (its hyphen goes), and a clause after a verb,
// which Lithuanian joins with ", kad".
#pragma once

#include "analysis/aplinka.h"
#include "core/sakinys.h"

namespace kervosta {

void SutvarkytiFrazes(Aplinka& aplinka, TSakinys& sakinys);

}  // namespace kervosta
