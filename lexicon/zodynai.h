// The dictionaries of one run: the main and the user list, the six built-in verb records, the
// program directory the main dictionary file is found in, and what tells whether each list still
// matches its file. The application owns one.
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
  // The file the user list was last loaded from or saved to; empty until then.
  std::filesystem::path VartotojoZodynoFailas;
  // Set by every change of a list that its file does not hold yet, cleared by loading and saving.
  bool PagrindinisPakeistas = false;
  bool VartotojoPakeistas = false;

  ZodynoSarasas& Pasirinktas() { return VartotojoRezimas ? VartotojoZodynas : PagrindinisZodynas; }
};

}  // namespace kervosta
