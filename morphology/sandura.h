// The joint of a stem and an ending: the letters where the two meet, which Lithuanian often spells
// otherwise than the pieces side by side (jaut + io is jaučio, bėg + k is bėk, mes + siu is mesiu).
// Every form builder joins its pieces here, so a stem stored once gives every form right.
//
// The joints follow rules kept as data: which letters end the stem, what the ending begins with,
// and what the stem's end and the ending's beginning become. At most one rule applies at a joint.
#pragma once

#include <string>
#include <string_view>

namespace kervosta {

enum class Sandura {
  Bendra,           // a stem and an ending of any table
  Busimojo,         // a stem and a future ending beginning with the future s
  BusimojoKamiene,  // a stem that already holds the future s (future class 2) and its ending
  EsamojoDalyvio,   // a stem with its present ending, and an active present participle ending
};

std::string Sujungti(std::string_view kamienas, std::string_view galune,
                     Sandura sandura = Sandura::Bendra);

}  // namespace kervosta
