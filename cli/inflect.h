// The kinds of word the `inflect` subcommand knows. A kind lives in a file of its own and
// registers itself with a static `LinksniavimoRegistracija`, as subcommands do, so adding a kind
// never touches the subcommand.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kervosta::cli {

// One output line: a stable label and the form (Windows-1257); a form the builders refuse is
// left out of the output.
struct FormosEilute {
  std::string Etikete;
  std::optional<std::string> Forma;
};

// Bad arguments of a kind; the message goes to stderr as it is.
class NetinkamiArgumentai : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LinksniavimoRusis {
  std::string_view Vardas;      // "noun"
  std::string_view Argumentai;  // "STEM PARADIGM"
  std::string_view Etiketes;    // lines of --help explaining the arguments and labels
  // Every form for the arguments after the kind's name; throws NetinkamiArgumentai.
  std::vector<FormosEilute> (*Formos)(const std::vector<std::string>& argumentai);
};

struct LinksniavimoRegistracija {
  explicit LinksniavimoRegistracija(LinksniavimoRusis rusis);
};

// Argument helpers for the kinds.
// Exactly `kiek` arguments, or NetinkamiArgumentai naming the expected ones.
void TikrintiKieki(const std::vector<std::string>& argumentai, std::size_t kiek,
                   const LinksniavimoRusis& rusis);
// A UTF-8 stem as Windows-1257; a malformed or unrepresentable one is refused.
std::string Kamienas(const std::string& utf8);
// A whole number in nuo..iki; `ka` names the argument in the message ("paradigm").
int Numeris(const std::string& tekstas, int nuo, int iki, std::string_view ka);

}  // namespace kervosta::cli
