// What the commands write: messages on standard error and dictionary texts in output columns,
// each on one line whatever the names and values they quote hold.
#pragma once

#include <string>
#include <string_view>

#include "cli/komandos.h"

namespace kervosta::cli {

// The text with every control character written as an escape (\n, \r, \t, \0, \xHH), so that a
// quoted file name or dictionary value can neither break the line nor hide what it holds.
std::string Rodomas(std::string_view tekstas);

// "COMMAND: message" on standard error; returns `busena`, the command's exit status.
int Pranesti(Srautai& srautai, std::string_view komanda, std::string_view zinute, int busena);

// A Windows-1257 text of a dictionary entry as an output column in UTF-8: a damaged entry may
// hold a TAB or a line break, which would break the columns and lines, so every control
// character is written as a space.
std::string Stulpelis(std::string_view cp1257);

}  // namespace kervosta::cli
