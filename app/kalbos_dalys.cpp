#include "app/kalbos_dalys.h"

#include <array>

namespace kervosta {

QString DaliesPavadinimas(std::uint8_t kalbosDalis) {
  // Both personal-pronoun codes read as any other pronoun.
  static const std::array<const char*, 15> pavadinimai = {
      "daiktavardis", "įvardis",      "veiksmažodis", "prieveiksmis", "būdvardis",
      "pap. veiksmažodis", "determinantas", "prielinksnis", "skyriklis", "jungtukas",
      "než.",         "dalyvis",      "skaitvardis",  "įvardis",      "įvardis"};
  if (kalbosDalis >= pavadinimai.size()) return {};
  return QString::fromUtf8(pavadinimai[kalbosDalis]);
}

}  // namespace kervosta
