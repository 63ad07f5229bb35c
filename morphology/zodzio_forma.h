// Word-form selection: which whole Lithuanian word an entry stands for before any sentence
// context is known. The entry editor stores the citation form in `LietZodis`; dictionary matching
// gives every candidate a first text chosen by the kind of English form that matched. Generation
// re-inflects the words later.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lexicon/zodyno_irasas.h"

namespace kervosta {

// The kind of English form a dictionary entry matched.
enum class Pataikymas : std::uint8_t {
  DaiktSavybinis,           // noun + 's
  DaiktSavybinisApostrofas, // noun + '
  DaiktDaugSavybinis,       // plural + '
  DaiktVardas,              // noun headword
  DaiktDaugiskaita,         // noun plural
  Ivardis,
  VeiksmBendratis,          // verb base form
  VeiksmTreciasisAsmuo,
  VeiksmButasis,            // past simple
  VeiksmDalyvis,            // past participle
  VeiksmIng,                // -ing form
  BudvNelyginamasis,
  BudvAukstesnysis,
  BudvAuksciausiasis,
  SkaitvVienaskaita,
  SkaitvSkaitmenys,         // the number written in digits
  SkaitvDaugiskaita,
  Kita,                     // any other part of speech
};

// The form the entry editor stores in `LietZodis`, built from the record's own stem and
// paradigms (the part of speech is the record's `DaliesKodas`). Parts of speech that are not
// inflected keep the word as entered.
std::string CitavimoForma(const ZodynoIrasas& irasas);

// The first Lithuanian text of a candidate that matched the entry with the given kind of hit.
// `anglZodis` is the looked-up word, which a numeral matched by its digits keeps.
std::string KandidatoTekstas(const ZodynoIrasas& irasas, Pataikymas pataikymas,
                             std::string_view anglZodis);

}  // namespace kervosta
