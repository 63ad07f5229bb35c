#include "analysis/segment_isvedimas.h"

#include <algorithm>
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

bool EilutesLuzis(char c) { return c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool Skliaustas(const std::string& tekstas, std::string_view kurie) {
  return tekstas.size() == 1 && kurie.find(tekstas[0]) != std::string_view::npos;
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
  bool poAtidarancio = false;  // the last text opened a bracket or a quotation
  bool kabutesAtviros = false;
  for (int j = 0; j < vertimas.Kiekis(); ++j) {
    const TZodis& zodis = vertimas.Zodziai[j];
    const bool skyriklis = zodis.KalbosDalis == dSkyriklis;
    // Quotation marks take turns: the first opens, the second closes.
    const bool kabutes = skyriklis && zodis.Liet == "\"";
    if (kabutes) kabutesAtviros = !kabutesAtviros;
    const bool atidarantis =
        skyriklis && (Skliaustas(zodis.Liet, "([{") || (kabutes && kabutesAtviros));
    const bool uzdarantis =
        skyriklis && (Skliaustas(zodis.Liet, ")]}") || (kabutes && !kabutesAtviros));
    if (zodis.Liet.empty()) {
      if (j == pirmas) ++pirmas;
    } else if (j == pirmas) {
      rezultatas += DidziojiRaide(zodis.Liet);
      // '"Aš matau," jis sakė': the word after an opening mark still starts the sentence.
      if (atidarantis) ++pirmas;
    } else if (uzdarantis && rezultatas.ends_with(' ')) {
      // A closing mark after a sentence ender ("Kur?" ") goes before the ender's space.
      rezultatas.insert(rezultatas.size() - 1, zodis.Liet);
    } else {
      // The space that follows a sentence ender already separates it from the next word; an
      // opening mark takes its space before it, not after it, as in "žodis (kitas)".
      if ((!skyriklis || atidarantis) && !poAtidarancio && !rezultatas.ends_with(' '))
        rezultatas += ' ';
      rezultatas += zodis.Tikrinis == 1 ? DidziojiRaide(zodis.Liet) : zodis.Liet;
    }
    if (!zodis.Liet.empty()) poAtidarancio = atidarantis;
    if (skyriklis && PrasidedaSakinioPabaiga(zodis.Liet)) rezultatas += ' ';
  }
  std::replace_if(rezultatas.begin(), rezultatas.end(), EilutesLuzis, ' ');
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
