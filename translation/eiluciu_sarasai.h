// English lines from, and Lithuanian lines into, a plain vector of strings: the pair the
// desktop program's selection and the tests hand to VerstiEilutes.
#pragma once

#include <string>
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

}  // namespace kervosta
