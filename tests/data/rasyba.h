// The Lithuanian spelling dictionary (hunspell with lt_LT) and the reviewed list of forms it
// rejects.
#pragma once

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace kervosta::duomenys {

// The words, of Windows-1257 text, that hunspell with the lt_LT dictionary rejects. Throws
// std::runtime_error when hunspell cannot be run. The dictionary is ISO-8859-13, which holds
// every Lithuanian letter at the same byte as Windows-1257, so the words go in unconverted.
std::set<std::string> AtmestiZodziai(const std::set<std::string>& zodziai);

// One line of the exceptions file: forms whose kind matches the kind pattern and whose whole
// text matches the form pattern (both regular expressions), with the reason they are accepted.
struct Isimtis {
  std::string Rusis;
  std::regex RusiesAtitikmuo;
  std::string Sablonas;  // as written, UTF-8
  std::regex Atitikmuo;  // over Windows-1257 text
  std::string Priezastis;
  bool Zodis = false;    // listed after "[single words]": not a limit of the ending tables
};

// Reads the TAB-separated file; throws std::runtime_error naming a malformed line.
std::vector<Isimtis> SkaitytiIsimtis(const std::string& failas);

}  // namespace kervosta::duomenys
