// The dictionary options that every dictionary-reading subcommand takes, and loading the
// dictionaries they name:
//   --dictionary FILE        the main dictionary; without it "main.zod" in the current folder,
//                            else "main.zod" beside the program, else none
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
  std::optional<std::filesystem::path> VartotojoZodynas;
};

// Text for a subcommand's --help, one line an option.
inline constexpr std::string_view ZodynuParinkciuPagalba =
    "  --dictionary FILE        main dictionary (default: main.zod here, else beside the "
    "program)\n"
    "  --user-dictionary FILE   user dictionary, searched after the main one\n";

// A dictionary option without its file name.
class ZodynoParinktiesKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A dictionary that cannot be read; what() names the file and the failure.
class ZodynoSkaitymoKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Takes argumentai[i] when it is a dictionary option, with its value, and moves i to the value.
// Returns false, leaving i, for any other argument.
bool ImtiZodynoParinkti(const std::vector<std::string>& argumentai, std::size_t& i,
                        ZodynuParinktys& parinktys);

// The main dictionary file the options name, else the default one; nothing when there is none.
std::optional<std::filesystem::path> PagrindinisZodynas(const ZodynuParinktys& parinktys);

// Fills the built-in records and loads the named (or the default) main dictionary and the user
// dictionary. A missing default dictionary is no error: the main list stays empty.
void IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai);

}  // namespace kervosta::cli
