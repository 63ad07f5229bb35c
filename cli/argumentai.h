// What every subcommand reads the same way: -h/--help, the dictionary options, refused unknown
// options, the usage error line, and loading the dictionaries with its error line.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/komandos.h"
#include "cli/zodynu_parinktys.h"

namespace kervosta::cli {

struct Argumentai {
  bool Pagalba = false;
  ZodynuParinktys Zodynai;
  std::vector<std::string> Jungikliai;  // the command's own switches that were given
  std::vector<std::string> Kiti;        // the arguments that are not options, in order

  bool Yra(std::string_view jungiklis) const;
};

class NaudojimoKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `jungikliai` are the command's own switches ("--unknown"), taken besides -h/--help and the
// dictionary options. Throws NaudojimoKlaida for an unknown option or a dictionary option without
// its file. With `tekstasPoPirmo`, everything after the first argument that is not an option is
// text, even when it starts with '-'.
Argumentai SkaitytiArgumentus(const std::vector<std::string>& argumentai,
                              std::span<const std::string_view> jungikliai = {},
                              bool tekstasPoPirmo = false);

// Reads the arguments as SkaitytiArgumentus does, then answers -h with the help and a usage
// error with its line. Returns the exit status when that ends the command.
std::optional<int> PradetiKomanda(const std::vector<std::string>& argumentai, Srautai& srautai,
                                  std::string_view komanda, void (*pagalba)(std::ostream&),
                                  Argumentai& a, std::span<const std::string_view> jungikliai = {},
                                  bool tekstasPoPirmo = false);

// "COMMAND: reason (see COMMAND --help)" on standard error; IsejimasNaudojimas.
int Naudojimas(Srautai& srautai, std::string_view komanda, std::string_view priezastis);

// Loads the dictionaries the options name; on failure one error line and false.
bool IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai, Srautai& srautai,
                   std::string_view komanda);

}  // namespace kervosta::cli
