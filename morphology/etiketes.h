// Label lists of the stored attribute codes, in code order: the entry editor fills its choosers
// with them, so a chosen item's position is the value stored in the entry. Windows-1257 text.
#pragma once

#include <array>
#include <string_view>

namespace kervosta {

// Part-of-speech names of the record codes 1..13, at indexes 0..12.
extern const std::array<std::string_view, 13> KalbuDaliuPavadinimai;
// `Kategorija` of a noun, 0..7.
extern const std::array<std::string_view, 8> DaiktavardzioKategorijos;
// `Kategorija` of a verb, 0..3.
extern const std::array<std::string_view, 4> VeiksmazodzioKategorijos;
// `Pozymis` of a pronoun, 0..8.
extern const std::array<std::string_view, 9> IvardzioRusys;
// Required question 0..6 as the verb and numeral pages show it: none, then "kas?" .. "kur?".
extern const std::array<std::string_view, 7> ReikalaujamiKlausimai;
// The same codes as the page of the other parts of speech shows them.
extern const std::array<std::string_view, 7> KitoZodzioKlausimai;
// `Paradigma2` of a noun, 0..2.
extern const std::array<std::string_view, 3> DaiktavardzioGimines;
// Number restriction 0..2, English (`AnglSkaicius`) and Lithuanian (`Paradigma3` of a noun).
extern const std::array<std::string_view, 3> Skaiciavimai;

}  // namespace kervosta
