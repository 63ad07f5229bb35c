// The 460-byte dictionary record, the same on disk and in memory.
//
// The record keeps its bytes exactly as read, so a record loaded from a file is written back
// unchanged, reserved fields and string tails included. Fields are read and written through
// explicit little-endian accessors; a length byte above 32 reads as 32, so no accessor ever
// reaches outside its field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kervosta {

// Offsets of the 32-bit integer fields.
enum class SkaiciausLaukas : std::size_t {
  DaliesKodas = 8,
  Kategorija = 12,
  Pozymis = 20,
  AnglSkaicius = 192,
  Paradigma1 = 364,
  Paradigma2 = 368,
  Paradigma3 = 372,
  Klausimas = 376,
};

// Offsets of the length-prefixed string fields (one length byte, 32 character bytes).
enum class TekstoLaukas : std::size_t {
  Angl1 = 24,
  Angl2 = 57,
  Angl3 = 90,
  Angl4 = 123,
  Angl5 = 156,
  LietZodis = 196,
  Kamienas = 229,
  EsamasKamienas = 262,
  ButasKamienas = 295,
  BusimasKamienas = 328,
};

class ZodynoIrasas {
 public:
  static constexpr std::size_t Dydis = 460;
  static constexpr std::size_t TekstoTalpa = 32;
  using Baitai = std::array<std::uint8_t, Dydis>;

  ZodynoIrasas() = default;  // zero-filled
  explicit ZodynoIrasas(std::span<const std::uint8_t, Dydis> baitai);

  const Baitai& Duomenys() const { return baitai_; }

  // Inline: lookup and generation read fields of every candidate entry.
  std::int32_t Skaicius(SkaiciausLaukas laukas) const {
    const auto pos = static_cast<std::size_t>(laukas);
    const std::uint32_t reiksme = static_cast<std::uint32_t>(baitai_[pos]) |
                                  static_cast<std::uint32_t>(baitai_[pos + 1]) << 8 |
                                  static_cast<std::uint32_t>(baitai_[pos + 2]) << 16 |
                                  static_cast<std::uint32_t>(baitai_[pos + 3]) << 24;
    return static_cast<std::int32_t>(reiksme);
  }
  void NustatytiSkaiciu(SkaiciausLaukas laukas, std::int32_t reiksme);
  std::string Tekstas(TekstoLaukas laukas) const { return std::string(Vaizdas(laukas)); }
  // The field's text in place, valid while the record lives; lookup compares through it.
  std::string_view Vaizdas(TekstoLaukas laukas) const {
    const auto pos = static_cast<std::size_t>(laukas);
    const std::size_t ilgis = baitai_[pos] < TekstoTalpa ? baitai_[pos] : TekstoTalpa;
    return std::string_view(reinterpret_cast<const char*>(&baitai_[pos + 1]), ilgis);
  }
  // Stores at most the first 32 bytes; the rest of the field is zeroed.
  void NustatytiTeksta(TekstoLaukas laukas, std::string_view tekstas);

  std::int32_t DaliesKodas() const { return Skaicius(SkaiciausLaukas::DaliesKodas); }
  std::int32_t Kategorija() const { return Skaicius(SkaiciausLaukas::Kategorija); }
  std::int32_t Pozymis() const { return Skaicius(SkaiciausLaukas::Pozymis); }
  std::int32_t AnglSkaicius() const { return Skaicius(SkaiciausLaukas::AnglSkaicius); }
  std::int32_t Paradigma1() const { return Skaicius(SkaiciausLaukas::Paradigma1); }
  std::int32_t Paradigma2() const { return Skaicius(SkaiciausLaukas::Paradigma2); }
  std::int32_t Paradigma3() const { return Skaicius(SkaiciausLaukas::Paradigma3); }
  std::int32_t Klausimas() const { return Skaicius(SkaiciausLaukas::Klausimas); }

  std::string Angl1() const { return Tekstas(TekstoLaukas::Angl1); }
  std::string Angl2() const { return Tekstas(TekstoLaukas::Angl2); }
  std::string Angl3() const { return Tekstas(TekstoLaukas::Angl3); }
  std::string Angl4() const { return Tekstas(TekstoLaukas::Angl4); }
  std::string Angl5() const { return Tekstas(TekstoLaukas::Angl5); }
  std::string LietZodis() const { return Tekstas(TekstoLaukas::LietZodis); }
  std::string Kamienas() const { return Tekstas(TekstoLaukas::Kamienas); }
  std::string EsamasKamienas() const { return Tekstas(TekstoLaukas::EsamasKamienas); }
  std::string ButasKamienas() const { return Tekstas(TekstoLaukas::ButasKamienas); }
  std::string BusimasKamienas() const { return Tekstas(TekstoLaukas::BusimasKamienas); }

  // Byte-for-byte identity.
  bool operator==(const ZodynoIrasas&) const = default;

 private:
  Baitai baitai_{};
};

// Entry equality used to refuse duplicates: part of speech, attributes, paradigms and the texts
// of every English and Lithuanian field; reserved bytes and string tails are not compared.
bool Analogiski(const ZodynoIrasas& a, const ZodynoIrasas& b);

}  // namespace kervosta
