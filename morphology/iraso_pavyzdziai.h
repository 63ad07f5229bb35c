// The example lines of the entry editor: the Lithuanian forms a page's stems and paradigms give,
// joined by ", " in case (or person) order, so the user sees at once whether the choice is right.
#pragma once

#include <string>
#include <vector>

#include "morphology/iraso_laukai.h"

namespace kervosta {

// The page's lines, always as many as the page shows (noun 2, adjective 2, verb 3, pronoun 4,
// numeral 4, other parts of speech none). A line is empty while its paradigm or class is not
// chosen, and so are the pronoun's lines while it is not declined; a cardinal fills only the
// first two lines (masculine, feminine), and only while it declines.
//   noun: singular, plural;  adjective: masculine, feminine (six singular then six plural);
//   verb: present, past, future, persons 1..6, each from its own stem and class;
//   pronoun: masculine singular, masculine plural, feminine singular, feminine plural;
//   ordinal: masculine singular, feminine singular, masculine plural, feminine plural.
std::vector<std::string> Pavyzdziai(const IrasoLaukai& laukai);

}  // namespace kervosta
