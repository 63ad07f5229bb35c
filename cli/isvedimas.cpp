#include "cli/isvedimas.h"

#include <ostream>

#include "core/cp1257.h"

namespace kervosta::cli {

std::string Rodomas(std::string_view tekstas) {
  constexpr char Sesioliktainiai[] = "0123456789ABCDEF";
  std::string rodomas;
  rodomas.reserve(tekstas.size());
  for (const char c : tekstas) {
    const auto baitas = static_cast<unsigned char>(c);
    if (baitas >= 0x20 && baitas != 0x7F) {
      rodomas += c;
      continue;
    }
    switch (c) {
      case '\n': rodomas += "\\n"; break;
      case '\r': rodomas += "\\r"; break;
      case '\t': rodomas += "\\t"; break;
      case '\0': rodomas += "\\0"; break;
      default:
        rodomas += "\\x";
        rodomas += Sesioliktainiai[baitas >> 4];
        rodomas += Sesioliktainiai[baitas & 0xF];
    }
  }
  return rodomas;
}

int Pranesti(Srautai& srautai, std::string_view komanda, std::string_view zinute, int busena) {
  srautai.err << Rodomas(komanda) << ": " << Rodomas(zinute) << '\n';
  return busena;
}

std::string Stulpelis(std::string_view cp1257) {
  std::string utf8 = IUtf8(cp1257);
  for (char& c : utf8)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return utf8;
}

}  // namespace kervosta::cli
