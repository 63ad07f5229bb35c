// The dictionary options that every dictionary-reading subcommand takes, and loading the
// dictionaries they name:
//   --dictionary FILE        the main dictionary; without it "main.zod" in the current folder,
//                            else "main.zod" beside the program, else an error
//   --no-dictionary          no main dictionary (so does --dictionary '')
//   --user-dictionary FILE   a user dictionary, searched after the main one
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/zodynai.h"

namespace kervosta::cli {

struct ZodynuParinktys {
  std::optional<std::filesystem::path> Zodynas;
  bool BeZodyno = false;
  std::optional<std::filesystem::path> VartotojoZodynas;
};

// Text for a subcommand's --help, one line an option.
inline constexpr std::string_view ZodynuParinkciuPagalba =
    "  --dictionary FILE        main dictionary (default: main.zod here, else beside the "
    "program)\n"
    "  --no-dictionary          run without a main dictionary (so does --dictionary '')\n"
    "  --user-dictionary FILE   user dictionary, searched after the main one\n";

// A dictionary option without its file name.
class ZodynoParinktiesKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A dictionary that cannot be read, or none found; what() names the file and the failure, or
// the places looked in.
class ZodynoSkaitymoKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Takes argumentai[i] when it is a dictionary option, with its value, and moves i to the value.
// Returns false, leaving i, for any other argument.
bool ImtiZodynoParinkti(const std::vector<std::string>& argumentai, std::size_t& i,
                        ZodynuParinktys& parinktys);

// Fills the built-in records and loads the named (or the default) main dictionary and the user
// dictionary. Without a named main dictionary and none in the default places it throws
// ZodynoSkaitymoKlaida naming them, unless the options ask for none.
void IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai);

}  // namespace kervosta::cli
