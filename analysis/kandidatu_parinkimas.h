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
#include <vector>

#include "core/sakinys.h"

namespace kervosta {

// The bit of a part of speech in a set of parts of speech.
constexpr std::uint32_t DaliesBitas(std::uint8_t dalis) { return 1u << dalis; }

// What lookup knows of its sentence as it takes the words from left to right. The answers about
// the words before the current one are kept, so that no word looks back over the whole sentence
// again: they hold while those words keep what lookup gave them and no word is inserted, removed
// or moved.
class PaieskosEiga {
 public:
  explicit PaieskosEiga(const TSakinys& sakinys);

  const TSakinys& Sakinys() const { return s_; }
  // A question mark stands anywhere in the sentence.
  bool Klausimas() const { return klausimas_; }
  // Whether the word at the index starts a sentence: the first word, or the first after an
  // opening quotation mark or bracket, a colon or a sentence ender.
  bool SakinioPradzia(int i) const;
  // The index of the nearest word before `i` that is not an adverb nor "not"; -1 for none. The
  // words before `i` are looked up already.
  int AnkstesnisBePrieveiksmiu(int i);
  // The adjective at the index stands before a noun: after an article, a possessive, a numeral,
  // another such adjective or a preposition, or at the start. The words up to `i` are looked up
  // already.
  bool PriesDaiktavardiBudvardis(int i);

 private:
  static constexpr int Nezinoma = -2;

  const TSakinys& s_;
  bool klausimas_ = false;
  std::vector<bool> atidarantis_;        // a quotation mark here opens: it is an odd one
  std::vector<int> ankstesnis_;          // AnkstesnisBePrieveiksmiu, once asked
  std::vector<std::int8_t> budvardis_;   // PriesDaiktavardiBudvardis, once asked
};

struct ParinkimoKontekstas {
  PaieskosEiga& Eiga;  // the words before `Indeksas` are looked up already
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

}  // namespace kervosta
