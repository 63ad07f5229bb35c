// Fixed sets of words that every word of a text is compared with (the built-in words, the words
// the context rules look for). The first letter and the length of each word are marked, so that
// most words are told apart at one glance and the rest without a library call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kervosta {

// Equality of short words, nearly all of them differing early.
constexpr bool ZodziaiLygus(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// Which first letters and lengths the words of a set have; a word of neither is in no set.
class ZodziuZymes {
 public:
  // `zodis` is not empty.
  constexpr void Pazymeti(std::string_view zodis) { zymes_[Raide(zodis)] |= Ilgis(zodis); }
  constexpr bool GaliButi(std::string_view zodis) const {
    return !zodis.empty() && (zymes_[Raide(zodis)] & Ilgis(zodis)) != 0;
  }

 private:
  static constexpr std::size_t Raide(std::string_view zodis) {
    return static_cast<unsigned char>(zodis[0]) & 31u;
  }
  static constexpr std::uint32_t Ilgis(std::string_view zodis) {
    return 1u << (zodis.size() < 31 ? zodis.size() : 31);
  }

  std::array<std::uint32_t, 32> zymes_{};
};

template <std::size_t N>
class ZodziuAibe {
 public:
  consteval explicit ZodziuAibe(const std::array<std::string_view, N>& zodziai)
      : zodziai_(zodziai) {
    for (std::string_view zodis : zodziai) zymes_.Pazymeti(zodis);
  }

  constexpr bool Turi(std::string_view zodis) const {
    if (!zymes_.GaliButi(zodis)) return false;
    for (std::string_view z : zodziai_)
      if (ZodziaiLygus(z, zodis)) return true;
    return false;
  }

 private:
  std::array<std::string_view, N> zodziai_;
  ZodziuZymes zymes_;
};

}  // namespace kervosta
