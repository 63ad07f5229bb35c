// English lines from, and Lithuanian lines into, a plain vector of strings: the pair the
// command-line tool and the tests hand to VerstiEilutes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "translation/vertimas.h"

namespace kervosta {

class EiluciuSarasas : public EiluciuSaltinis {
 public:
  EiluciuSarasas() = default;
  explicit EiluciuSarasas(std::vector<std::string> eilutes) : Eilutes(std::move(eilutes)) {}
  int EiluciuSk() const override { return static_cast<int>(Eilutes.size()); }
  std::string Eilute(int i) const override { return Eilutes.at(static_cast<std::size_t>(i)); }

  std::vector<std::string> Eilutes;
};

class EiluciuKaupiklis : public EiluciuPriimtuvas {
 public:
  void PridetiEilute(const std::string& eilute) override { Eilutes.push_back(eilute); }

  std::vector<std::string> Eilutes;
};

// The lines of a text: each ends at a line feed (a carriage return before it belongs to the end);
// text after the last line feed is one more line. An empty text has no lines.
std::vector<std::string> SkaidytiEilutemis(std::string_view tekstas);

}  // namespace kervosta
