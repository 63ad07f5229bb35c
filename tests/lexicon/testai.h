// Helpers of the lexicon tests: records as the program makes them, records full of odd bytes as a
// damaged or foreign file may hold them, and a scratch folder removed with all it holds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

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

class LaikinasKatalogas {
 public:
  LaikinasKatalogas()
      : kelias_(std::filesystem::temp_directory_path() /
                ("kervosta-lexicon-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(kelias_);
  }
  LaikinasKatalogas(const LaikinasKatalogas&) = delete;
  LaikinasKatalogas& operator=(const LaikinasKatalogas&) = delete;
  ~LaikinasKatalogas() {
    std::error_code klaida;
    std::filesystem::permissions(kelias_, std::filesystem::perms::owner_all, klaida);
    std::filesystem::remove_all(kelias_, klaida);
  }
  const std::filesystem::path& Kelias() const { return kelias_; }

  // Names of the folder's entries, hidden ones included.
  std::vector<std::string> Turinys() const {
    std::vector<std::string> vardai;
    for (const auto& irasas : std::filesystem::directory_iterator(kelias_))
      vardai.push_back(irasas.path().filename().string());
    return vardai;
  }

 private:
  std::filesystem::path kelias_;
};

inline std::string SkaitytiBaitus(const std::filesystem::path& failas) {
  std::ifstream in(failas, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void RasytiBaitus(const std::filesystem::path& failas, const std::string& baitai) {
  std::ofstream(failas, std::ios::binary) << baitai;
}

}  // namespace kervosta::testai
