// Records for the lexicon tests: as the program makes them, and full of odd bytes as a damaged or
// foreign file may hold them.
#pragma once

#include <cstdint>
#include <random>
#include <string_view>

#include "lexicon/zodyno_irasas.h"

namespace kervosta::testai {

inline ZodynoIrasas Irasas(std::int32_t dalis, std::string_view angl, std::string_view liet = {}) {
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, dalis);
  irasas.NustatytiTeksta(TekstoLaukas::Angl1, angl);
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, liet);
  return irasas;
}

// Every byte random, length bytes included; a fixed seed keeps failures repeatable.
inline ZodynoIrasas AtsitiktinisIrasas(std::mt19937& generatorius) {
  std::uniform_int_distribution<int> baitas(0, 255);
  ZodynoIrasas::Baitai baitai;
  for (auto& b : baitai) b = static_cast<std::uint8_t>(baitas(generatorius));
  return ZodynoIrasas(baitai);
}

}  // namespace kervosta::testai
