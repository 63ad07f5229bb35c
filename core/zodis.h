// A word of a sentence, or a lookup candidate: the English text, the Lithuanian text and the
// grammatical features that analysis decides and generation reads.
#pragma once

#include <cstdint>
#include <string>

#include "core/kodai.h"

namespace kervosta {

struct ZodynoMazgas;  // a dictionary node (lexicon); a word only points at it

struct TZodis {
  std::int32_t Nr = 0;            // built-in entry 1..6 or pronoun row; numeral kind of a candidate
  std::uint8_t Vidinis = 0;       // 1: classified by the built-in recogniser
  std::string Angl;               // English word, lower case as looked up
  std::string Liet;               // Lithuanian surface form to output
  std::string Liet2;              // Lithuanian stem or base
  std::uint8_t KalbosDalis = dNezinoma;
  std::uint8_t Linksnis = zlVardininkas;  // zl...; the governed case, or BeLinksnio
  std::uint8_t Laipsnis = lpNelyginamasis;
  std::uint8_t Gimine = zgNenurodyta;
  std::uint8_t Skaicius = zskVienaskaita;
  std::uint8_t Nuosaka = nTiesiogine;
  std::uint8_t Laikas = zlkBendratis;
  std::uint8_t AnglForma = afNera;
  std::uint8_t Asmuo = 3;         // 1..6: aš, tu, jis/ji, mes, jūs, jie
  std::uint8_t Teigiamas = 1;     // 0: negated
  std::uint8_t Veikiamoji = 1;    // 0: passive
  std::uint8_t Tikrinis = 0;      // 1: write with a capital initial
  ZodynoMazgas* Irasas = nullptr; // the dictionary node the word was found in

  // Back to the state of a new word.
  void Atstatyti() { *this = TZodis{}; }
};

}  // namespace kervosta
