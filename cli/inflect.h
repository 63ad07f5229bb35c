// The kinds of word the `inflect` subcommand knows. A kind lives in a file of its own and
// registers itself with a static `LinksniavimoRegistracija`, as subcommands do, so adding a kind
// never touches the subcommand.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/zodyno_irasas.h"
#include "morphology/iraso_formos.h"

namespace kervosta::cli {

// Bad arguments of a kind; the message goes to stderr as it is.
class NetinkamiArgumentai : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LinksniavimoRusis {
  std::string_view Vardas;      // "noun"
  std::string_view Argumentai;  // "STEM PARADIGM"
  std::string_view Etiketes;    // lines of --help explaining the arguments and labels
  // Every form for the arguments after the kind's name, a line each (a form the builders
  // refuse is left out of the output); throws NetinkamiArgumentai.
  PazymetosFormos (*Formos)(const std::vector<std::string>& argumentai);
};

struct LinksniavimoRegistracija {
  explicit LinksniavimoRegistracija(LinksniavimoRusis rusis);
};

// Argument helpers for the kinds.
// Exactly `kiek` arguments, or NetinkamiArgumentai naming the expected ones.
void TikrintiKieki(const std::vector<std::string>& argumentai, std::size_t kiek,
                   const LinksniavimoRusis& rusis);
// An entry holding a UTF-8 stem as Windows-1257 in `Kamienas`; a malformed or unrepresentable
// stem, or one longer than the 32 letters an entry holds, is refused. `ka` names the argument.
ZodynoIrasas KamienoIrasas(const std::string& utf8, std::string_view ka);
// A whole number in nuo..iki; `ka` names the argument in the message ("paradigm").
int Numeris(const std::string& tekstas, int nuo, int iki, std::string_view ka);

}  // namespace kervosta::cli
