// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace kervosta::testai {

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
  std::filesystem::path operator/(const std::string& vardas) const { return kelias_ / vardas; }

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
