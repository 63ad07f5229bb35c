// A word of a sentence, or a lookup candidate: the English text, the Lithuanian text and the
// grammatical features that analysis decides and generation reads.
#pragma once

#include <cstdint>
#include <string>

namespace kervosta {

struct ZodynoMazgas;  // a dictionary node (lexicon); a word only points at it

// Part-of-speech codes of a word: a record's part-of-speech code minus one, plus the two
// personal-pronoun codes that only the built-in recogniser sets.
enum Dalis : std::uint8_t {
  dDaiktavardis = 0,
  dIvardis = 1,
  dVeiksmazodis = 2,
  dPrieveiksmis = 3,
  dBudvardis = 4,
  dPagalbinis = 5,       // auxiliary or modal verb
  dDeterminantas = 6,
  dPrielinksnis = 7,
  dSkyriklis = 8,        // punctuation
  dJungtukas = 9,
  dNezinoma = 10,
  dDalyvis = 11,
  dSkaitvardis = 12,
  dAsmVardininkas = 13,  // personal pronoun, subject form
  dAsmKitas = 14,        // personal pronoun, object or possessive form
};

// Case codes of a word (0-based; the builders take 1-based codes).
inline constexpr std::uint8_t BeLinksnio = 7;  // a preposition, adverb or verb governing no case

struct TZodis {
  std::int32_t Nr = 0;            // built-in entry 1..6 or pronoun row; numeral kind of a candidate
  std::uint8_t Vidinis = 0;       // 1: classified by the built-in recogniser
  std::string Angl;               // English word, lower case as looked up
  std::string Liet;               // Lithuanian surface form to output
  std::string Liet2;              // Lithuanian stem or base
  std::uint8_t KalbosDalis = dNezinoma;
  std::uint8_t Linksnis = 0;      // 0 nominative .. 5 locative; governed case, 7 none
  std::uint8_t Laipsnis = 0;      // 0 positive, 1 comparative, 2 superlative
  std::uint8_t Gimine = 0;        // 0 both / unspecified, 1 masculine, 2 feminine
  std::uint8_t Skaicius = 0;      // 0 singular, 1 plural
  std::uint8_t Nuosaka = 0;       // 0 indicative, 1 conditional, 2 imperative
  std::uint8_t Laikas = 1;        // 1 infinitive, 2 present, 3 past, 4 past frequentative, 5 future
  std::uint8_t AnglForma = 0;     // 0 none, 2 base/present, 3 past, 4 past participle, 5 -ing
  std::uint8_t Asmuo = 3;         // 1..6: aš, tu, jis/ji, mes, jūs, jie
  std::uint8_t Teigiamas = 1;     // 0: negated
  std::uint8_t Veikiamoji = 1;    // 0: passive
  std::uint8_t Tikrinis = 0;      // 1: write with a capital initial
  ZodynoMazgas* Irasas = nullptr; // the dictionary node the word was found in

  // Back to the state of a new word.
  void Atstatyti() { *this = TZodis{}; }
};

}  // namespace kervosta
