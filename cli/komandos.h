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

struct Srautai {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
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

// Flushes standard output and turns a failed write (a closed pipe, a full disk) into one error
// line and IsejimasFailas; IsejimasGerai otherwise.
int BaigtiIsvedima(Srautai& srautai, std::string_view komanda);

}  // namespace kervosta::cli
