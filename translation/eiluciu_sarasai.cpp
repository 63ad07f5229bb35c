#include "translation/eiluciu_sarasai.h"

namespace kervosta {

std::vector<std::string> SkaidytiEilutemis(std::string_view tekstas) {
  std::vector<std::string> eilutes;
  while (!tekstas.empty()) {
    const std::size_t pabaiga = tekstas.find('\n');
    std::string_view eilute = tekstas.substr(0, pabaiga);
    if (!eilute.empty() && eilute.back() == '\r') eilute.remove_suffix(1);
    eilutes.emplace_back(eilute);
    if (pabaiga == std::string_view::npos) break;
    tekstas.remove_prefix(pabaiga + 1);
  }
  return eilutes;
}

}  // namespace kervosta
