// Part-of-speech names as grids show them.
#pragma once

#include <QString>
#include <cstdint>

namespace kervosta {

// The lower-case name of a word's part-of-speech code (KalbosDalis); empty for a code that has
// none.
QString DaliesPavadinimas(std::uint8_t kalbosDalis);

}  // namespace kervosta
