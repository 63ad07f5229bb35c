#include "lexicon/teksto_reiksme.h"

#include <cstdio>

#include "core/cp1257.h"

namespace kervosta {

namespace {

// Bytes a person cannot see or type: ASCII controls and the C1 controls that the code page's
// unassigned bytes stand for.
bool Nematomas(unsigned char baitas) {
  const char32_t kodas = KodasBaito(baitas);
  return kodas < 0x20 || (kodas >= 0x7F && kodas < 0xA0);
}

int Sesioliktainis(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void PridetiUtf8(std::string& rezultatas, std::string_view utf8) {
  if (utf8.empty()) return;
  Cp1257Tekstas cp;
  try {
    cp = IsUtf8(utf8);
  } catch (const NetinkamasUtf8&) {
    throw TekstoKlaida("malformed UTF-8");
  }
  if (cp.Pakeista != 0) throw TekstoKlaida("a character that Windows-1257 cannot hold");
  rezultatas += cp.Tekstas;
}

std::string RodomiValdymoZenklai(std::string_view tekstas) {
  std::string rezultatas;
  for (const char c : tekstas) {
    const auto baitas = static_cast<unsigned char>(c);
    if (baitas >= 0x20 && baitas != 0x7F) {
      rezultatas += c;
      continue;
    }
    char kodas[5];
    std::snprintf(kodas, sizeof kodas, "\\x%02x", baitas);
    rezultatas += kodas;
  }
  return rezultatas;
}

}  // namespace

TekstoKlaida::TekstoKlaida(std::string_view pranesimas)
    : std::runtime_error(RodomiValdymoZenklai(pranesimas)) {}

std::string UzkoduotiReiksme(std::string_view cp1257) {
  std::string rezultatas;
  for (const char c : cp1257) {
    const auto baitas = static_cast<unsigned char>(c);
    if (c == '\\') rezultatas += "\\\\";
    else if (c == '|') rezultatas += "\\|";
    else if (c == '\t') rezultatas += "\\t";
    else if (Nematomas(baitas)) {
      char kodas[5];
      std::snprintf(kodas, sizeof kodas, "\\x%02x", baitas);
      rezultatas += kodas;
    } else {
      rezultatas += IUtf8(std::string_view(&c, 1));
    }
  }
  return rezultatas;
}

std::string DekoduotiReiksme(std::string_view reiksme) {
  std::string rezultatas;
  std::size_t atkarpa = 0;  // start of the plain UTF-8 run not yet converted
  std::size_t i = 0;
  while (i < reiksme.size()) {
    if (reiksme[i] != '\\') {
      ++i;
      continue;
    }
    PridetiUtf8(rezultatas, reiksme.substr(atkarpa, i - atkarpa));
    if (i + 1 >= reiksme.size()) throw TekstoKlaida("a backslash at the end of a value");
    const char zenklas = reiksme[i + 1];
    if (zenklas == '\\' || zenklas == '|') {
      rezultatas += zenklas;
      i += 2;
    } else if (zenklas == 't') {
      rezultatas += '\t';
      i += 2;
    } else if (zenklas == 'x') {
      const int auksti = i + 2 < reiksme.size() ? Sesioliktainis(reiksme[i + 2]) : -1;
      const int zemi = i + 3 < reiksme.size() ? Sesioliktainis(reiksme[i + 3]) : -1;
      if (auksti < 0 || zemi < 0) throw TekstoKlaida("'\\x' needs two hexadecimal digits");
      rezultatas += static_cast<char>(auksti * 16 + zemi);
      i += 4;
    } else {
      throw TekstoKlaida("unknown escape '\\" + std::string(1, zenklas) + "'");
    }
    atkarpa = i;
  }
  PridetiUtf8(rezultatas, reiksme.substr(atkarpa));
  return rezultatas;
}

std::vector<std::string_view> SkaidytiPagalBruksni(std::string_view reiksme) {
  std::vector<std::string_view> dalys;
  std::size_t pradzia = 0;
  for (std::size_t i = 0; i < reiksme.size(); ++i) {
    if (reiksme[i] == '\\') ++i;
    else if (reiksme[i] == '|') {
      dalys.push_back(reiksme.substr(pradzia, i - pradzia));
      pradzia = i + 1;
    }
  }
  dalys.push_back(reiksme.substr(pradzia));
  return dalys;
}

}  // namespace kervosta
