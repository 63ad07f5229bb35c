#include "core/cp1257.h"

namespace kervosta {

NetinkamasUtf8::NetinkamasUtf8(std::size_t poslinkis)
    : std::runtime_error("malformed UTF-8 at byte offset " + std::to_string(poslinkis)),
      poslinkis_(poslinkis) {}

char32_t KodasBaito(unsigned char baitas) {
  return baitas < 0x80 ? baitas : cp1257_detail::AukstiejiKodai[baitas - 0x80];
}

int BaitasKodo(char32_t kodas) { return cp1257_detail::BaitasKodui(kodas); }

Cp1257Tekstas IsUtf8(std::string_view utf8) {
  Cp1257Tekstas rezultatas;
  rezultatas.Tekstas.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t pradzia = pos;
    const char32_t kodas = cp1257_detail::SkaitytiUtf8(utf8, pos);
    if (kodas == cp1257_detail::Klaida) throw NetinkamasUtf8(pradzia);
    const int baitas = BaitasKodo(kodas);
    if (baitas < 0) {
      rezultatas.Tekstas.push_back('?');
      ++rezultatas.Pakeista;
    } else {
      rezultatas.Tekstas.push_back(static_cast<char>(baitas));
    }
  }
  return rezultatas;
}

std::string IUtf8(std::string_view cp1257) {
  std::string utf8;
  utf8.reserve(cp1257.size() * 2);
  for (const char c : cp1257) {
    const char32_t kodas = KodasBaito(static_cast<unsigned char>(c));
    if (kodas < 0x80) {
      utf8.push_back(static_cast<char>(kodas));
    } else if (kodas < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (kodas >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (kodas & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xE0 | (kodas >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((kodas >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (kodas & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace kervosta
