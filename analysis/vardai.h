// Names of people and places that the dictionary does not know. Lithuanian writes a foreign name
// as it is spelt and declines it by its ending: Tom - Tomas, Tomo; Peter - Peteris; Anna - Annos;
// London - Londone. A name ending in another vowel (Kate, Tokyo) or in -y (Mary) does not decline.
#pragma once

#include <string>
#include <string_view>

#include "analysis/aplinka.h"
#include "core/sakinys.h"

namespace kervosta {

// Whether the English word may be a name written with a capital: letters only, at least two.
bool GaliButiVardas(std::string_view angl);

// Whether the word before the index is a title (Mr, Mrs, Ms, Dr), after which a name follows
// whatever the dictionary says of it ("Mr Green").
bool PoTitulo(const TSakinys& sakinys, int i);

// The word as a name: a proper noun in the nominative. A declinable name gets a record of its own,
// kept in `aplinka.Vardai` for the rest of the run, so that generation declines it like any
// noun; an indeclinable one has none and keeps its text. After "Mrs", "Ms" the name is a woman's.
TZodis VardoKandidatas(Aplinka& aplinka, const TSakinys& sakinys, int i);

}  // namespace kervosta
