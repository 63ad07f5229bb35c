// Checking generated forms against the Lithuanian spelling dictionary (the hunspell program with
// its lt_LT dictionary), and the reviewed list of forms the ending tables cannot get right.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace kervosta::testai {

// True when the hunspell program and the lt_LT dictionary are installed.
bool HunspellYra();

// The words (UTF-8) the dictionary rejects.
std::set<std::string> HunspellAtmesti(const std::vector<std::string>& zodziai);

// One reviewed limit: the forms of `Modelis` whose label matches one of `Etiketes` (shell
// patterns, "*" for any text) may be rejected, for `Priezastis`.
struct HunspellRiba {
  std::string Modelis;
  std::vector<std::string> Etiketes;
  std::string Priezastis;
  bool Dengia(const std::string& modelis, const std::string& etikete) const;
};

// Reads a list of limits: one a line, "MODEL<TAB>PATTERN, PATTERN...<TAB>REASON"; lines that are
// empty or start with '#' are comments. Throws std::runtime_error on a malformed line.
std::vector<HunspellRiba> SkaitytiRibas(const std::string& kelias);

}  // namespace kervosta::testai
