// Subcommands of kervosta-cli. Each subcommand lives in a file of its own and registers itself
// with a static `Registracija`, so adding one never touches the dispatcher.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace kervosta::cli {

// Exit statuses shared by every subcommand.
inline constexpr int IsejimasGerai = 0;
inline constexpr int IsejimasNaudojimas = 1;  // bad usage
inline constexpr int IsejimasFailas = 2;      // a file could not be read or written

// Standard output and standard error. A command reads standard input itself, a line at a time
// (cli/teksto_eilutes.h), and leaves the check of its written output to the dispatcher.
struct Srautai {
  std::ostream& out;
  std::ostream& err;
  // Someone reads standard output while the command runs (a terminal, a pipe): a command that
  // writes line by line flushes every line. Into a file, the lines are written in blocks.
  bool SkubiIsvestis = false;
};

struct Komanda {
  std::string_view Vardas;    // "translate"
  std::string_view Aprasas;   // one line for the tool's --help
  // Arguments after the subcommand's name.
  int (*Vykdyti)(const std::vector<std::string>& argumentai, Srautai& srautai);
};

struct Registracija {
  explicit Registracija(Komanda komanda);
};

const std::vector<Komanda>& Komandos();

}  // namespace kervosta::cli
