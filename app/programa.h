// The program's name and version as its windows show them.
#pragma once

namespace kervosta {

inline constexpr char ProgramosPavadinimas[] = "Kervosta";
inline constexpr char ProgramosVersija[] = "1.09 beta";

}  // namespace kervosta
