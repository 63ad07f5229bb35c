// Reading a whole input file for a subcommand, with an error that names the file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kervosta::cli {

class FailoSkaitymoKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's bytes; "cannot read 'FILE': reason" when it cannot be read.
std::string SkaitytiFaila(const std::filesystem::path& failas);

}  // namespace kervosta::cli
