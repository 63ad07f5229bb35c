// The texts by which the grammar window and the command line show groups: the short label of a
// group type in the tree, its line in the details, and the role of a noun group.
// Windows-1257 text; a code outside its table has no text (empty).
#pragma once

#include <cstdint>
#include <string_view>

namespace kervosta {

// "Daikt.F.", "Veiksm.F." ... for group types 0..7.
std::string_view GrupesZyme(std::uint8_t tipas);
// "Daiktavardžio grupė" ...; a separator or conjunction group has none.
std::string_view GrupesAprasas(std::uint8_t tipas);
// "Tiesioginis papildinys" ... for roles 0..6; a lone object pronoun (7) has none.
std::string_view FunkcijosTekstas(std::uint8_t funkcija);

}  // namespace kervosta
