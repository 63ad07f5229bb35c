// Codes kept in a word's feature fields and in dictionary records. Their values are those the
// dictionary files and every table of the engine hold; they must never change.
#pragma once

#include <cstdint>

namespace kervosta {

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

// A record stores the part of speech one above the word's code.
constexpr std::int32_t IrasoKodas(Dalis dalis) { return dalis + 1; }

// `Linksnis`: case, 0-based (the builders take 1-based codes).
inline constexpr std::uint8_t zlVardininkas = 0;
inline constexpr std::uint8_t zlKilmininkas = 1;
inline constexpr std::uint8_t zlNaudininkas = 2;
inline constexpr std::uint8_t zlGalininkas = 3;
inline constexpr std::uint8_t zlInagininkas = 4;
inline constexpr std::uint8_t zlVietininkas = 5;
inline constexpr std::uint8_t BeLinksnio = 7;  // a preposition, adverb or verb governing no case

// `Laipsnis`: degree of adjectives; the builders take the same codes.
inline constexpr int lpNelyginamasis = 0;
inline constexpr int lpAukstesnysis = 1;
inline constexpr int lpAuksciausiasis = 2;

// `Gimine`: gender.
inline constexpr std::uint8_t zgNenurodyta = 0;  // both, or not known
inline constexpr std::uint8_t zgVyriska = 1;
inline constexpr std::uint8_t zgMoteriska = 2;
inline constexpr std::uint8_t zgBevarde = 3;     // the neuter of an adjective ("šalta", "gražu")

// `Skaicius`: number.
inline constexpr std::uint8_t zskVienaskaita = 0;
inline constexpr std::uint8_t zskDaugiskaita = 1;

// `Nuosaka`: mood; the builders take the same codes.
inline constexpr int nTiesiogine = 0;
inline constexpr int nTariamoji = 1;
inline constexpr int nLiepiamoji = 2;

// `Laikas`: tense, or the infinitive (the builders number tenses otherwise).
inline constexpr std::uint8_t zlkBendratis = 1;
inline constexpr std::uint8_t zlkEsamasis = 2;
inline constexpr std::uint8_t zlkButasisKartinis = 3;
inline constexpr std::uint8_t zlkButasisDazninis = 4;
inline constexpr std::uint8_t zlkBusimasis = 5;

// `AnglForma`: which English form of a verb the word was found as.
inline constexpr std::uint8_t afNera = 0;     // not a verb form
inline constexpr std::uint8_t afBazine = 2;   // base or present ("see", "sees")
inline constexpr std::uint8_t afButoji = 3;   // past ("saw")
inline constexpr std::uint8_t afDalyvis = 4;  // past participle ("seen")
inline constexpr std::uint8_t afIng = 5;      // "seeing"

// A record's `Kategorija`.
inline constexpr std::int32_t KategorijaZmogus = 1;  // nouns naming people
inline constexpr std::int32_t KategorijaLaikas = 4;  // nouns and adjectives of time
inline constexpr std::int32_t KategorijaButi = 99;   // the built-in records of the forms of "be"
// Numeral kind, also what the numeral builders take.
inline constexpr int srKiekinis = 0;
inline constexpr int srKelintinis = 1;

// A noun record's `Pozymis`: a proper name, written with a capital initial.
inline constexpr std::int32_t PozymisTikrinis = 1;

}  // namespace kervosta
