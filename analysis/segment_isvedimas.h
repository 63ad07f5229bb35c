// A Lithuanian sentence back into text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/sakinys.h"

namespace kervosta {

// The text with its first letter upper-cased: a..z and the Lithuanian letters ą č ę ė į š ų ū ž.
std::string DidziojiRaide(std::string_view tekstas);

// The target sentence as one line: words separated by single spaces, punctuation joined to the
// word before it and a sentence ender followed by a space (inside the line too, as in "žr. 5"),
// the first word with text capitalised and every word marked `Tikrinis` too. Words without
// Lithuanian text leave no trace. A line break in a word (a carriage return of the English text,
// or one a damaged dictionary entry holds) is written as a space: the line stays one line.
std::string IsvestiSakiniTekstu(const TSakinys& vertimas);

// Appends the rendered line to `isvestis`, or nothing when it is empty.
void IsvestiSakini(const TSakinys& vertimas, std::vector<std::string>& isvestis);

// The strings one after another, with nothing between them.
std::string Sujungti(const std::vector<std::string>& eilutes);

}  // namespace kervosta
