// Translation rules as the rules editor shows them: an English structure paired with a
// Lithuanian one, a priority and an on/off switch. Rules live only while an editor holds them;
// they are neither stored nor consulted by the translation.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace kervosta {

// One group of a rule's structure: the index of its type in GrupiuTipuKodai.
struct TGramatineGrupe {
  std::uint8_t Tipas = 0;
};

// The groups of a rule; owns them.
class TGramList {
 public:
  int Kiekis() const { return static_cast<int>(grupes_.size()); }

 private:
  std::vector<std::unique_ptr<TGramatineGrupe>> grupes_;
};

struct TRule {
  std::int32_t Prioritetas = 0;
  bool Ijungta = false;
  TGramList Grupes;
};

// Group type codes of the rules editor, in the order it lists them.
inline constexpr std::array<std::string_view, 7> GrupiuTipuKodai = {
    "tnp", "tvp", "tpp", "tap", "txp", "tnz", "tauxp"};

// The rule the rules editor works on. Opening an editor replaces it with a fresh rule;
// closing the editor frees it.
class DabartineTaisykle {
 public:
  TRule& Sukurti();
  void Atlaisvinti() { taisykle_.reset(); }
  TRule* Rodykle() const { return taisykle_.get(); }

 private:
  std::unique_ptr<TRule> taisykle_;
};

}  // namespace kervosta
