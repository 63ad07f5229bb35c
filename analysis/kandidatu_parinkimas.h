// Which dictionary candidate automatic lookup takes for a word, from the words around it.
//
// The last candidate wins unless the context tells the parts of speech apart: after "the" or
// "my" a noun, after "will" or "can" a verb, after "very" an adjective, and so on; and among
// the senses of one part of speech, a sense marked for time phrases (an adjective of category
// 4: "last" praeitas) is taken before a noun of time and passed over elsewhere. Among the forms
// of one verb the auxiliaries decide (after "will" the base form, after "have" the past
// participle), with or without the context rule.
#pragma once

#include <cstdint>

#include "core/sakinys.h"

namespace kervosta {

// The bit of a part of speech in a set of parts of speech.
constexpr std::uint32_t DaliesBitas(std::uint8_t dalis) { return 1u << dalis; }

struct ParinkimoKontekstas {
  const TSakinys& Sakinys;  // the words before `Indeksas` are looked up already
  int Indeksas;
  std::uint32_t KitoDalys = 0;  // the parts of speech the next word may be, 0 when unknown
  bool KitasLaikas = false;     // the next word may be a noun of time
  bool PagalKonteksta = true;   // false: the parts of speech are left to the last candidate
};

// The candidate to take; `kandidatai` is not empty.
const TZodis& ParinktiKandidata(const TZodziuList& kandidatai, const ParinkimoKontekstas& k);

// A verb of going somewhere ("go", "came", "walks"), or "back" or "way": "to" after it leads to a
// place ("go to work", "way home").
bool JudejimoVeiksmazodis(const TZodis& z);

// Whether the word at the index starts a sentence: the first word, or the first after an
// opening quotation mark or bracket, a colon or a sentence ender.
bool SakinioPradzia(const TSakinys& sakinys, int i);

}  // namespace kervosta
