// Windows-1257 (Baltic), the one text encoding inside the engine.
//
// Runtime conversion to and from UTF-8 serves the edges (command line, GUI, files written for
// people); the `_lt` literal converts readable UTF-8 source text to Windows-1257 at compile time
// and fails the build on a character the code page cannot hold.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kervosta {

namespace cp1257_detail {

// Unicode code point of every byte 0x80..0xFF. The twelve bytes the code page leaves undefined map
// to the code point of the same number, so that every byte survives a round trip through UTF-8.
inline constexpr std::array<char32_t, 128> AukstiejiKodai = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x00A8, 0x02C7, 0x00B8,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x00AF, 0x02DB, 0x009F,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6,  // B8
    0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112,  // C0
    0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B,  // C8
    0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7,  // D0
    0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF,  // D8
    0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113,  // E0
    0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C,  // E8
    0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7,  // F0
    0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9,  // F8
};

// The byte for a code point, or -1 when Windows-1257 cannot hold it.
constexpr int BaitasKodui(char32_t kodas) {
  if (kodas < 0x80) return static_cast<int>(kodas);
  for (std::size_t i = 0; i < AukstiejiKodai.size(); ++i)
    if (AukstiejiKodai[i] == kodas) return static_cast<int>(0x80 + i);
  return -1;
}

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`, or returns
// `Klaida` (leaving `pos`) when the bytes there are not well-formed UTF-8.
inline constexpr char32_t Klaida = 0xFFFFFFFF;
constexpr char32_t SkaitytiUtf8(std::string_view tekstas, std::size_t& pos) {
  const auto baitas = [&](std::size_t i) { return static_cast<unsigned char>(tekstas[i]); };
  const unsigned char pirmas = baitas(pos);
  if (pirmas < 0x80) { ++pos; return pirmas; }
  std::size_t ilgis = 0;
  char32_t kodas = 0;
  char32_t maziausias = 0;
  if (pirmas >= 0xC2 && pirmas <= 0xDF) { ilgis = 2; kodas = pirmas & 0x1F; maziausias = 0x80; }
  else if (pirmas >= 0xE0 && pirmas <= 0xEF) { ilgis = 3; kodas = pirmas & 0x0F; maziausias = 0x800; }
  else if (pirmas >= 0xF0 && pirmas <= 0xF4) { ilgis = 4; kodas = pirmas & 0x07; maziausias = 0x10000; }
  else return Klaida;
  if (pos + ilgis > tekstas.size()) return Klaida;
  for (std::size_t i = 1; i < ilgis; ++i) {
    const unsigned char tesinys = baitas(pos + i);
    if ((tesinys & 0xC0) != 0x80) return Klaida;
    kodas = (kodas << 6) | (tesinys & 0x3F);
  }
  if (kodas < maziausias || kodas > 0x10FFFF || (kodas >= 0xD800 && kodas <= 0xDFFF)) return Klaida;
  pos += ilgis;
  return kodas;
}

template <std::size_t N>
struct Utf8Literalas {
  char tekstas[N]{};
  consteval Utf8Literalas(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) tekstas[i] = s[i];
  }
  consteval std::string_view Vaizdas() const { return {tekstas, N - 1}; }
};

template <Utf8Literalas S>
consteval std::size_t Cp1257Ilgis() {
  std::size_t ilgis = 0;
  const std::string_view tekstas = S.Vaizdas();
  for (std::size_t pos = 0; pos < tekstas.size(); ++ilgis) {
    if (SkaitytiUtf8(tekstas, pos) == Klaida) throw "malformed UTF-8 in a _lt literal";
  }
  return ilgis;
}

template <std::size_t N>
struct Cp1257Literalas {
  char tekstas[N + 1]{};
};

template <Utf8Literalas S>
consteval Cp1257Literalas<Cp1257Ilgis<S>()> KonvertuotiLiteral() {
  Cp1257Literalas<Cp1257Ilgis<S>()> rezultatas{};
  const std::string_view tekstas = S.Vaizdas();
  std::size_t i = 0;
  for (std::size_t pos = 0; pos < tekstas.size();) {
    const int baitas = BaitasKodui(SkaitytiUtf8(tekstas, pos));
    if (baitas < 0) throw "a _lt literal holds a character that Windows-1257 cannot hold";
    rezultatas.tekstas[i++] = static_cast<char>(baitas);
  }
  return rezultatas;
}

template <Utf8Literalas S>
inline constexpr auto Konvertuotas = KonvertuotiLiteral<S>();

}  // namespace cp1257_detail

namespace literals {
// "žodis"_lt is the Windows-1257 text of the UTF-8 literal, as a view of static storage.
template <cp1257_detail::Utf8Literalas S>
consteval std::string_view operator""_lt() {
  return {cp1257_detail::Konvertuotas<S>.tekstas, cp1257_detail::Cp1257Ilgis<S>()};
}
}  // namespace literals

// Malformed UTF-8 met while converting; `Poslinkis` is the byte offset of the bad sequence.
class NetinkamasUtf8 : public std::runtime_error {
 public:
  explicit NetinkamasUtf8(std::size_t poslinkis);
  std::size_t Poslinkis() const { return poslinkis_; }

 private:
  std::size_t poslinkis_;
};

struct Cp1257Tekstas {
  std::string Tekstas;      // Windows-1257 bytes
  std::size_t Pakeista = 0; // characters the code page cannot hold, written as '?'
};

// UTF-8 to Windows-1257. Throws NetinkamasUtf8 on malformed input.
Cp1257Tekstas IsUtf8(std::string_view utf8);

// Windows-1257 to UTF-8; every byte has a character, so this cannot fail.
std::string IUtf8(std::string_view cp1257);

// The Unicode code point of one Windows-1257 byte, and the byte of a code point (-1: none).
char32_t KodasBaito(unsigned char baitas);
int BaitasKodo(char32_t kodas);

}  // namespace kervosta
