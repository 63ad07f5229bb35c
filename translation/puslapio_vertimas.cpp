#include "translation/puslapio_vertimas.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "core/cp1257.h"
#include "translation/puslapio_koduote.h"
#include "translation/vertimas.h"

namespace kervosta {

namespace {

bool Tarpas(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool PradziaBeRaidziuDydzio(std::string_view tekstas, std::size_t nuo, std::string_view pradzia) {
  if (tekstas.size() - nuo < pradzia.size()) return false;
  for (std::size_t i = 0; i < pradzia.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(tekstas[nuo + i])) != pradzia[i]) return false;
  return true;
}

std::size_t RastiBeRaidziuDydzio(std::string_view tekstas, std::size_t nuo, std::string_view ko) {
  for (std::size_t i = nuo; i < tekstas.size(); ++i)
    if (PradziaBeRaidziuDydzio(tekstas, i, ko)) return i;
  return std::string_view::npos;
}

// A '<' opens a tag, a comment or a declaration only before a letter, '/', '!' or '?'; before
// anything else ("3 < 5") it is text.
bool ZymesPradzia(std::string_view puslapis, std::size_t i) {
  if (puslapis[i] != '<' || i + 1 >= puslapis.size()) return false;
  const unsigned char po = static_cast<unsigned char>(puslapis[i + 1]);
  return std::isalpha(po) || po == '/' || po == '!' || po == '?';
}

// The end of the tag that starts at `pradzia`: after the '>' that balances its '<', outside
// quoted attribute values; the page's end for an unclosed tag.
std::size_t ZymesPabaiga(std::string_view puslapis, std::size_t pradzia) {
  int gylis = 0;
  char kabute = 0;
  for (std::size_t i = pradzia; i < puslapis.size(); ++i) {
    const char c = puslapis[i];
    if (kabute) {
      if (c == kabute) kabute = 0;
    } else if ((c == '"' || c == '\'') && i > pradzia && puslapis[i - 1] == '=') {
      kabute = c;
    } else if (c == '<') {
      ++gylis;
    } else if (c == '>' && --gylis == 0) {
      return i + 1;
    }
  }
  return puslapis.size();
}

// "script" or "style" when the tag opens one of them, whose content is code, not text.
std::string_view KodoZyme(std::string_view zyme) {
  for (std::string_view vardas : {std::string_view("script"), std::string_view("style")}) {
    if (PradziaBeRaidziuDydzio(zyme, 1, vardas) && zyme.size() > vardas.size() + 1) {
      const char po = zyme[vardas.size() + 1];
      if ((Tarpas(po) || po == '>') && !zyme.ends_with("/>")) return vardas;
    }
  }
  return {};
}

// A <meta> that names a charset names UTF-8, the encoding the translated page is written in.
std::string PataisytiKoduote(std::string_view zyme) {
  if (!PradziaBeRaidziuDydzio(zyme, 0, "<meta")) return std::string(zyme);
  const std::size_t vieta = RastiBeRaidziuDydzio(zyme, 0, "charset");
  if (vieta == std::string_view::npos) return std::string(zyme);
  std::size_t pradzia = vieta + 7;
  while (pradzia < zyme.size() && (zyme[pradzia] == '=' || zyme[pradzia] == ' ' ||
                                   zyme[pradzia] == '"' || zyme[pradzia] == '\''))
    ++pradzia;
  std::size_t pabaiga = pradzia;
  while (pabaiga < zyme.size() && (std::isalnum(static_cast<unsigned char>(zyme[pabaiga])) ||
                                   zyme[pabaiga] == '-' || zyme[pabaiga] == '_'))
    ++pabaiga;
  return std::string(zyme.substr(0, pradzia)) + "utf-8" + std::string(zyme.substr(pabaiga));
}

constexpr std::array<std::pair<std::string_view, char32_t>, 21> Esybes = {{
    {"amp", '&'},      {"lt", '<'},        {"gt", '>'},         {"quot", '"'},
    {"apos", '\''},    {"nbsp", ' '},      {"copy", 0xA9},      {"reg", 0xAE},
    {"laquo", 0xAB},   {"raquo", 0xBB},    {"ndash", 0x2013},   {"mdash", 0x2014},
    {"hellip", 0x2026}, {"lsquo", 0x2018}, {"rsquo", 0x2019},   {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bdquo", 0x201E},  {"euro", 0x20AC},    {"deg", 0xB0},
    {"middot", 0xB7},
}};

// The code point of the entity at `i` (just after '&') and its length up to ';'.
std::pair<char32_t, std::size_t> Esybe(std::string_view tekstas, std::size_t i) {
  const std::size_t kabliataskis = tekstas.find(';', i);
  if (kabliataskis == std::string_view::npos || kabliataskis - i > 10) return {0, 0};
  const std::string_view vardas = tekstas.substr(i, kabliataskis - i);
  if (vardas.size() > 1 && vardas[0] == '#') {
    const bool sesioliktainis = vardas[1] == 'x' || vardas[1] == 'X';
    const std::string_view skaicius = vardas.substr(sesioliktainis ? 2 : 1);
    std::uint32_t kodas = 0;
    const auto [galas, klaida] = std::from_chars(skaicius.data(), skaicius.data() + skaicius.size(),
                                                 kodas, sesioliktainis ? 16 : 10);
    if (klaida != std::errc() || galas != skaicius.data() + skaicius.size() || kodas == 0 ||
        kodas > 0x10FFFF || (kodas >= 0xD800 && kodas < 0xE000))
      return {0, 0};
    return {kodas == 0xA0 ? U' ' : char32_t(kodas), vardas.size() + 1};
  }
  for (const auto& [esybe, kodas] : Esybes)
    if (vardas == esybe) return {kodas, vardas.size() + 1};
  return {0, 0};
}

std::string IssifruotiEsybes(std::string_view tekstas) {
  std::string rezultatas;
  for (std::size_t i = 0; i < tekstas.size(); ++i) {
    if (tekstas[i] == '&') {
      if (const auto [kodas, ilgis] = Esybe(tekstas, i + 1); ilgis) {
        PridetiUtf8(rezultatas, kodas);
        i += ilgis;
        continue;
      }
    }
    // A no-break space separates words as a space does.
    if (tekstas.substr(i).starts_with("\xC2\xA0")) {
      rezultatas += ' ';
      ++i;
      continue;
    }
    rezultatas += tekstas[i];
  }
  return rezultatas;
}

std::string Apsaugoti(std::string_view tekstas) {
  std::string rezultatas;
  for (char c : tekstas) {
    if (c == '&') rezultatas += "&amp;";
    else if (c == '<') rezultatas += "&lt;";
    else if (c == '>') rezultatas += "&gt;";
    else rezultatas += c;
  }
  return rezultatas;
}

// A run of text: its white space kept around the translation of what lies between.
std::string VerstiIntarpa(std::string_view tekstas, const TekstoVertejas& vertejas) {
  std::size_t pradzia = 0, pabaiga = tekstas.size();
  while (pradzia < pabaiga && Tarpas(tekstas[pradzia])) ++pradzia;
  while (pabaiga > pradzia && Tarpas(tekstas[pabaiga - 1])) --pabaiga;
  if (pradzia == pabaiga) return std::string(tekstas);
  std::string lietuviskai =
      vertejas(IsUtf8(IssifruotiEsybes(tekstas.substr(pradzia, pabaiga - pradzia))).Tekstas);
  // The run keeps its own white space; the space the driver puts after a sentence goes.
  while (!lietuviskai.empty() && Tarpas(lietuviskai.back())) lietuviskai.pop_back();
  return std::string(tekstas.substr(0, pradzia)) + Apsaugoti(IUtf8(lietuviskai)) +
         std::string(tekstas.substr(pabaiga));
}

}  // namespace

std::string VerstiPuslapi(std::string_view puslapis, const TekstoVertejas& vertejas) {
  std::string rezultatas;
  rezultatas.reserve(puslapis.size() + puslapis.size() / 4);
  std::size_t intarpas = 0;  // where the text run not yet translated starts
  const auto baigtiIntarpa = [&](std::size_t iki) {
    if (iki > intarpas) rezultatas += VerstiIntarpa(puslapis.substr(intarpas, iki - intarpas), vertejas);
  };
  std::size_t i = 0;
  while (i < puslapis.size()) {
    if (!ZymesPradzia(puslapis, i)) {
      ++i;
      continue;
    }
    baigtiIntarpa(i);
    std::size_t pabaiga;
    if (puslapis.substr(i).starts_with("<!--")) {
      const std::size_t uzdarymas = puslapis.find("-->", i + 4);
      pabaiga = uzdarymas == std::string_view::npos ? puslapis.size() : uzdarymas + 3;
      rezultatas += puslapis.substr(i, pabaiga - i);
    } else {
      pabaiga = ZymesPabaiga(puslapis, i);
      const std::string_view zyme = puslapis.substr(i, pabaiga - i);
      rezultatas += PataisytiKoduote(zyme);
      if (const std::string_view kodas = KodoZyme(zyme); !kodas.empty()) {
        const std::size_t uzdarymas =
            RastiBeRaidziuDydzio(puslapis, pabaiga, "</" + std::string(kodas));
        const std::size_t kodoPabaiga = uzdarymas == std::string_view::npos ? puslapis.size() : uzdarymas;
        rezultatas += puslapis.substr(pabaiga, kodoPabaiga - pabaiga);
        pabaiga = kodoPabaiga;
      }
    }
    i = intarpas = pabaiga;
  }
  baigtiIntarpa(puslapis.size());
  return rezultatas;
}

std::string VerstiPuslapi(Aplinka& aplinka, std::string_view puslapis) {
  return VerstiPuslapi(puslapis, [&aplinka](std::string_view tekstas) {
    return VerstiTeksta(aplinka, tekstas);
  });
}

}  // namespace kervosta
