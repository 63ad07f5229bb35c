// Values of the dictionary text format: Windows-1257 bytes written as readable UTF-8, with a
// backslash escape for every byte that would break a line apart or hide in it.
//   \\  backslash     \|  bar     \t  TAB     \xHH  any other byte, written for control bytes
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kervosta {

// A malformed value or line of dictionary text; what() says what is wrong, in English. The
// message quotes pieces of the line, so control bytes in it are shown as \xHH: a NUL would cut
// what() short and a CR would overwrite the terminal line.
class TekstoKlaida : public std::runtime_error {
 public:
  explicit TekstoKlaida(std::string_view pranesimas);
};

std::string UzkoduotiReiksme(std::string_view cp1257);

// The Windows-1257 bytes of an escaped UTF-8 value. Throws TekstoKlaida on a bad escape,
// malformed UTF-8 or a character Windows-1257 cannot hold.
std::string DekoduotiReiksme(std::string_view reiksme);

// Splits at every '|' that is not escaped; the parts stay escaped.
std::vector<std::string_view> SkaidytiPagalBruksni(std::string_view reiksme);

}  // namespace kervosta
