// The dictionaries of one run: the main and the user list, the six built-in verb records and
// the program directory the main dictionary file is found in. The application owns one.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "lexicon/zodyno_irasas.h"
#include "lexicon/zodyno_sarasas.h"

namespace kervosta {

struct ZodynuRinkinys {
  ZodynoSarasas PagrindinisZodynas;
  ZodynoSarasas VartotojoZodynas;
  std::uint8_t VartotojoRezimas = 0;  // 1: editing, browsing and saving act on the user list
  std::array<ZodynoIrasas, 6> VidiniaiIrasai{};  // built-in verbs 1..6 at indexes 0..5
  std::filesystem::path ProgramosKatalogas;

  ZodynoSarasas& Pasirinktas() { return VartotojoRezimas ? VartotojoZodynas : PagrindinisZodynas; }
};

}  // namespace kervosta
