// What the translation benchmarks share: the shipped dictionary (bin/main.zod of the same
// build, beside this program's bench/ folder), the lines of the repository's texts and their
// word counts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "analysis/aplinka.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"

namespace kervosta {

// Automatic translation with the built-in records and the shipped dictionary; false when the
// dictionary has not been built.
inline bool ParuostiAplinka(Aplinka& aplinka) {
  aplinka.AutomatinisVertimas = 1;
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  std::error_code klaida;
  const auto programa = std::filesystem::read_symlink("/proc/self/exe", klaida);
  const auto zodynas = programa.parent_path().parent_path() / "bin" / PagrindinioZodynoFailas;
  if (klaida || !std::filesystem::exists(zodynas, klaida)) return false;
  IkeltiZodyna(zodynas, aplinka.Zodynai.PagrindinisZodynas);
  return true;
}

// The lines of a UTF-8 text file, in Windows-1257 as the engine takes them.
inline std::vector<std::string> TekstoEilutes(const std::filesystem::path& failas) {
  std::ifstream in(failas, std::ios::binary);
  const std::string utf8{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::istringstream tekstas(IsUtf8(utf8).Tekstas);
  std::vector<std::string> eilutes;
  for (std::string eilute; std::getline(tekstas, eilute);) eilutes.push_back(eilute);
  return eilutes;
}

// Words as a reader counts them: runs of characters between spaces.
inline std::int64_t ZodziuSk(const std::vector<std::string>& eilutes) {
  std::int64_t zodziai = 0;
  for (const std::string& eilute : eilutes) {
    std::istringstream srautas(eilute);
    zodziai += std::distance(std::istream_iterator<std::string>(srautas),
                             std::istream_iterator<std::string>());
  }
  return zodziai;
}

}  // namespace kervosta
