#include "translation/puslapio_koduote.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/cp1257.h"

namespace kervosta {

namespace {

std::string Mazosiomis(std::string_view tekstas) {
  std::string rezultatas(tekstas);
  std::transform(rezultatas.begin(), rezultatas.end(), rezultatas.begin(),
                 [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); });
  return rezultatas;
}

// The value after "charset=" in `tekstas`, without quotes; empty when there is none.
std::string CharsetReiksme(std::string_view tekstas) {
  const std::string mazos = Mazosiomis(tekstas);
  const std::size_t vieta = mazos.find("charset");
  if (vieta == std::string::npos) return {};
  std::size_t i = vieta + 7;
  while (i < mazos.size() && (mazos[i] == ' ' || mazos[i] == '=' || mazos[i] == '"' || mazos[i] == '\''))
    ++i;
  std::size_t pabaiga = i;
  while (pabaiga < mazos.size() && (std::isalnum(static_cast<unsigned char>(mazos[pabaiga])) ||
                                     mazos[pabaiga] == '-' || mazos[pabaiga] == '_'))
    ++pabaiga;
  return mazos.substr(i, pabaiga - i);
}

// Windows-1252 differs from ISO-8859-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> Windows1252Auksti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class Koduote { Utf8, Windows1257, Latin1, Windows1252, Nezinoma };

Koduote Atpazinti(std::string_view vardas) {
  if (vardas == "utf-8" || vardas == "utf8") return Koduote::Utf8;
  if (vardas == "windows-1257" || vardas == "cp1257" || vardas == "x-cp1257") return Koduote::Windows1257;
  if (vardas == "iso-8859-1" || vardas == "latin1" || vardas == "us-ascii" || vardas == "ascii")
    return Koduote::Latin1;
  if (vardas == "windows-1252" || vardas == "cp1252") return Koduote::Windows1252;
  return Koduote::Nezinoma;
}

std::string PagalLentele(std::string_view puslapis, char32_t (*kodas)(unsigned char)) {
  std::string utf8;
  utf8.reserve(puslapis.size() + puslapis.size() / 4);
  for (unsigned char baitas : puslapis) PridetiUtf8(utf8, kodas(baitas));
  return utf8;
}

std::string IsUtf8Taisant(std::string_view puslapis) {
  std::string utf8;
  utf8.reserve(puslapis.size());
  for (std::size_t i = 0; i < puslapis.size();) {
    std::size_t j = i;
    const char32_t kodas = cp1257_detail::SkaitytiUtf8(puslapis, j);
    if (kodas == cp1257_detail::Klaida) {
      PridetiUtf8(utf8, 0xFFFD);
      ++i;
      continue;
    }
    utf8.append(puslapis.substr(i, j - i));
    i = j;
  }
  return utf8;
}

}  // namespace

bool TinkamasUtf8(std::string_view tekstas) {
  for (std::size_t i = 0; i < tekstas.size();)
    if (cp1257_detail::SkaitytiUtf8(tekstas, i) == cp1257_detail::Klaida) return false;
  return true;
}

void PridetiUtf8(std::string& i, char32_t kodas) {
  if (kodas < 0x80) {
    i += static_cast<char>(kodas);
  } else if (kodas < 0x800) {
    i += static_cast<char>(0xC0 | (kodas >> 6));
    i += static_cast<char>(0x80 | (kodas & 0x3F));
  } else if (kodas < 0x10000) {
    i += static_cast<char>(0xE0 | (kodas >> 12));
    i += static_cast<char>(0x80 | ((kodas >> 6) & 0x3F));
    i += static_cast<char>(0x80 | (kodas & 0x3F));
  } else {
    i += static_cast<char>(0xF0 | (kodas >> 18));
    i += static_cast<char>(0x80 | ((kodas >> 12) & 0x3F));
    i += static_cast<char>(0x80 | ((kodas >> 6) & 0x3F));
    i += static_cast<char>(0x80 | (kodas & 0x3F));
  }
}

std::string DeklaruotaKoduote(std::string_view antraste, std::string_view puslapis) {
  if (std::string is = CharsetReiksme(antraste); !is.empty()) return is;
  const std::string pradzia = Mazosiomis(puslapis.substr(0, 4096));
  for (std::size_t meta = pradzia.find("<meta"); meta != std::string::npos;
       meta = pradzia.find("<meta", meta + 5)) {
    const std::size_t pabaiga = pradzia.find('>', meta);
    const std::string zyme = pradzia.substr(meta, pabaiga == std::string::npos ? std::string::npos
                                                                               : pabaiga - meta);
    if (std::string is = CharsetReiksme(zyme); !is.empty()) return is;
  }
  return {};
}

std::string PuslapisUtf8(std::string_view puslapis, std::string_view koduote) {
  if (puslapis.starts_with("\xEF\xBB\xBF")) return IsUtf8Taisant(puslapis.substr(3));
  switch (Atpazinti(koduote)) {
    case Koduote::Utf8: return IsUtf8Taisant(puslapis);
    case Koduote::Windows1257: return PagalLentele(puslapis, KodasBaito);
    case Koduote::Latin1: return PagalLentele(puslapis, [](unsigned char b) { return char32_t(b); });
    case Koduote::Windows1252:
      return PagalLentele(puslapis, [](unsigned char b) {
        return b >= 0x80 && b < 0xA0 ? char32_t(Windows1252Auksti[b - 0x80]) : char32_t(b);
      });
    case Koduote::Nezinoma: break;
  }
  return TinkamasUtf8(puslapis) ? std::string(puslapis) : PagalLentele(puslapis, KodasBaito);
}

}  // namespace kervosta
