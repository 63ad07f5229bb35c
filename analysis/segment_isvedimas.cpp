#include "analysis/segment_isvedimas.h"

#include <utility>

#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;

constexpr std::string_view MazosiosLt = "ąįęčėšųūž"_lt;
constexpr std::string_view DidziosiosLt = "ĄĮĘČĖŠŲŪŽ"_lt;

char DidziojiBaito(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  const std::size_t i = MazosiosLt.find(c);
  return i == std::string_view::npos ? c : DidziosiosLt[i];
}

bool PrasidedaSakinioPabaiga(const std::string& tekstas) {
  return !tekstas.empty() && (tekstas[0] == '!' || tekstas[0] == '.' || tekstas[0] == '?');
}

bool AtidarantisSkliaustas(const std::string& tekstas) {
  return tekstas == "(" || tekstas == "[" || tekstas == "{";
}

}  // namespace

std::string DidziojiRaide(std::string_view tekstas) {
  std::string rezultatas(tekstas);
  if (!rezultatas.empty()) rezultatas[0] = DidziojiBaito(rezultatas[0]);
  return rezultatas;
}

std::string IsvestiSakiniTekstu(const TSakinys& vertimas) {
  std::string rezultatas;
  int pirmas = 0;  // the first word with text starts the line and takes a capital
  bool poSkliausto = false;  // the last text was an opening bracket
  for (int j = 0; j < vertimas.Kiekis(); ++j) {
    const TZodis& zodis = vertimas.Zodziai[j];
    const bool skyriklis = zodis.KalbosDalis == dSkyriklis;
    const bool skliaustas = skyriklis && AtidarantisSkliaustas(zodis.Liet);
    if (j == pirmas) {
      if (zodis.Liet.empty())
        ++pirmas;
      else
        rezultatas += DidziojiRaide(zodis.Liet);
      poSkliausto = skliaustas;
      continue;
    }
    if (!zodis.Liet.empty()) {
      // The space that follows a sentence ender already separates it from the next word; an
      // opening bracket takes its space before it, not after it, as in "žodis (kitas)".
      if ((!skyriklis || skliaustas) && !poSkliausto && !rezultatas.ends_with(' '))
        rezultatas += ' ';
      rezultatas += zodis.Tikrinis == 1 ? DidziojiRaide(zodis.Liet) : zodis.Liet;
      poSkliausto = skliaustas;
    }
    if (skyriklis && PrasidedaSakinioPabaiga(zodis.Liet)) rezultatas += ' ';
  }
  return rezultatas;
}

void IsvestiSakini(const TSakinys& vertimas, std::vector<std::string>& isvestis) {
  std::string eilute = IsvestiSakiniTekstu(vertimas);
  if (!eilute.empty()) isvestis.push_back(std::move(eilute));
}

std::string Sujungti(const std::vector<std::string>& eilutes) {
  std::string rezultatas;
  for (const std::string& eilute : eilutes) rezultatas += eilute;
  return rezultatas;
}

}  // namespace kervosta
