// Feature codes taken by the form builders, and the mapping from a word's own feature fields
// (which count from 0 and code gender differently) to them.
//
// Builder codes count from 1 where a table row or column is chosen by them (case, number,
// person); gender is coded per builder family because each family indexes its tables with it
// differently. A value a builder does not know yields no form. Degree, mood and numeral kind are
// the word's own codes, from core/kodai.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/kodai.h"

namespace kervosta {

// What a form builder returns: the form, or nothing when a code lies outside its table.
using Forma = std::optional<std::string>;

// Case, 1-based; the vocative exists only in the noun table.
inline constexpr int lVardininkas = 1;
inline constexpr int lKilmininkas = 2;
inline constexpr int lNaudininkas = 3;
inline constexpr int lGalininkas = 4;
inline constexpr int lInagininkas = 5;
inline constexpr int lVietininkas = 6;
inline constexpr int lSauksmininkas = 7;
inline constexpr int LinksniuSkaicius = 6;        // cases of every table but the noun one
inline constexpr int DaiktavardzioLinksniu = 7;   // the noun table adds the vocative

// Number.
inline constexpr int skVienaskaita = 1;
inline constexpr int skDaugiskaita = 2;

// Gender of the adjective builder: the masculine is 1, the feminine 0.
inline constexpr int bgVyriska = 1;
inline constexpr int bgMoteriska = 0;

// Gender of the pronoun, numeral and personal-pronoun builders.
inline constexpr int gVyriska = 1;
inline constexpr int gMoteriska = 2;

// Gender of the participle builders: the half of the participle table.
inline constexpr int dgVyriska = 0;
inline constexpr int dgMoteriska = 1;

// Person of verbs: 1 aš, 2 tu, 3 jis/ji, 4 mes, 5 jūs, 6 jie/jos.
inline constexpr int AsmenuSkaicius = 6;

// Tense of verbs.
inline constexpr int lkEsamasis = 1;
inline constexpr int lkButasisKartinis = 2;
inline constexpr int lkButasisDazninis = 3;
inline constexpr int lkBusimasis = 4;
inline constexpr int lkBendratis = 5;

// Form kind of verbs: a finite form or the infinitive, or a participle.
inline constexpr int fAsmenuojama = 0;
inline constexpr int fDalyvis = 1;

// Mapping from a word's fields. Where a stored value has no builder code the result is empty and
// the caller leaves the word's text as it was.

// `Linksnis` 0..5 -> case 1..6; the governed-case marker and anything else map to nothing.
constexpr std::optional<int> LinksnioKodas(std::uint8_t linksnis) {
  if (linksnis > zlVietininkas) return std::nullopt;
  return linksnis + 1;
}

// `Skaicius` 0 singular, 1 plural -> number 1, 2.
constexpr int SkaiciausKodas(std::uint8_t skaicius) { return skaicius + 1; }

// `Gimine`, for each builder family.
constexpr int BudvardzioGimine(std::uint8_t gimine) {
  return gimine == zgMoteriska ? bgMoteriska : bgVyriska;
}
constexpr int IvardzioGimine(std::uint8_t gimine) {
  return gimine == zgMoteriska ? gMoteriska : gVyriska;
}
constexpr int DalyvioGimine(std::uint8_t gimine) {
  return gimine == zgMoteriska ? dgMoteriska : dgVyriska;
}
// A numeral of unset gender keeps the form it has.
constexpr std::optional<int> SkaitvardzioGimine(std::uint8_t gimine) {
  if (gimine == zgVyriska) return gVyriska;
  if (gimine == zgMoteriska) return gMoteriska;
  return std::nullopt;
}

// `Laipsnis`, `Nuosaka` and `Asmuo` carry the builder codes unchanged.
constexpr int LaipsnioKodas(std::uint8_t laipsnis) { return laipsnis; }
constexpr int NuosakosKodas(std::uint8_t nuosaka) { return nuosaka; }
constexpr int AsmensKodas(std::uint8_t asmuo) { return asmuo; }

// `Laikas` -> tense code.
constexpr std::optional<int> LaikoKodas(std::uint8_t laikas) {
  switch (laikas) {
    case zlkBendratis: return lkBendratis;
    case zlkEsamasis: return lkEsamasis;
    case zlkButasisKartinis: return lkButasisKartinis;
    case zlkButasisDazninis: return lkButasisDazninis;
    case zlkBusimasis: return lkBusimasis;
    default: return std::nullopt;
  }
}

// `Veikiamoji` 1 active, 0 passive -> voice (true = active).
constexpr bool RusiesKodas(std::uint8_t veikiamoji) { return veikiamoji != 0; }

// The English past participle asks for a participle, every other form a finite form.
constexpr int FormosRusis(std::uint8_t anglForma) {
  return anglForma == afDalyvis ? fDalyvis : fAsmenuojama;
}

}  // namespace kervosta
