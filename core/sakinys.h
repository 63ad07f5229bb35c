// A sentence: an ordered list of owned words, with the small queries and edits that the
// analysis stages share.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/zodis.h"

namespace kervosta {

// An owning list of words; removing a word destroys it.
//
// The analysis edits a sentence while it walks it from left to right, inserting and removing
// words where it stands. The list is kept in two parts split at the last edit, the words after
// it in reverse order, so that an edit costs the distance from the previous one rather than the
// length of the sentence.
class TZodziuList {
 public:
  int Kiekis() const { return static_cast<int>(pries_.size() + po_.size()); }
  TZodis& operator[](int i) { return *Vieta(i); }
  const TZodis& operator[](int i) const { return *Vieta(i); }
  TZodis* Rodykle(int i) { return Vieta(i); }
  int Prideti(TZodis zodis);                // returns the new index
  void Iterpti(int i, TZodis zodis);
  void Pasalinti(int i);
  // Deletes every word the test picks in one pass, keeping the order of the rest.
  template <class Testas>
  void PasalintiJei(Testas testas) {
    Skirti(Kiekis());
    std::erase_if(pries_, [&testas](const std::unique_ptr<TZodis>& z) { return testas(*z); });
  }
  void Isvalyti() {
    pries_.clear();
    po_.clear();
  }

 private:
  TZodis* Vieta(int i) const {
    const auto j = static_cast<std::size_t>(i);
    return (j < pries_.size() ? pries_[j] : po_[po_.size() - 1 - (j - pries_.size())]).get();
  }
  void Skirti(int i);  // moves the split to index i

  std::vector<std::unique_ptr<TZodis>> pries_;  // pointers keep word addresses stable
  std::vector<std::unique_ptr<TZodis>> po_;     // the words after the split, the last one first
};

class TSakinys {
 public:
  std::int32_t ZodziuSk = 0;  // words right after tokenising; later edits leave it
  TZodziuList Zodziai;

  int Kiekis() const { return Zodziai.Kiekis(); }
  bool Yra(int i) const { return i >= 0 && i < Kiekis(); }

  // Part-of-speech tests; every one answers false outside the sentence.
  bool DalisYra(int i, std::uint8_t dalis) const;
  bool VardazodinisZodis(int i) const;       // noun, pronoun, adjective
  bool GrupesZodis(int i) const;             // noun, pronoun, adverb, adjective, conjunction
  bool VeiksmazodinisZodis(int i) const;     // verb, auxiliary, subject pronoun
  bool VeiksmazodisArJungtukas(int i) const;
  bool AsmeninisIvardis(int i) const;        // subject-form personal pronoun

  int RastiZodi(std::string_view angl) const;           // first exact match of Angl, -1 none
  bool ZodisYra(int i, std::string_view angl) const;
  int KitasVeiksmazodinis(int nuo) const;               // -1 none

  // Absorbs an auxiliary: the word keeps its English text and loses everything else, so it
  // stays in place but vanishes from the output.
  void Sugerti(int i);
  // Turns the word into the built-in "be" (būti) in the third person.
  void PaverstiButi(int i);
};

}  // namespace kervosta
