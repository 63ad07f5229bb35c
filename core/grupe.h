// Syntactic groups of one sentence and the list that owns and counts them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/zodis.h"

namespace kervosta {

enum GrupesTipas : std::uint8_t {
  gtDaikt = 0,      // noun group
  gtVeiksm = 1,     // verb group
  gtPriel = 2,      // prepositional group
  gtPriev = 3,      // adverb group
  gtKita = 4,       // other parts of speech
  gtSkyrJung = 5,   // separator or conjunction
  gtNezinoma = 6,   // unknown
  gtTarnyb = 7,     // service group (auxiliary verbs)
};

enum GrupesFunkcija : std::uint8_t {
  fTiesPapild = 0,      // direct object
  fVeiksnys = 1,        // subject
  fNetiesPapild = 2,    // indirect object, after a preposition
  fVardTarinys = 3,     // nominal part of the predicate
  fAplinkybe = 4,       // adverbial
  fPazyminys = 5,       // attribute
  fNeapibrezta = 6,     // undefined
  fObjektoIvardis = 7,  // one pronoun in object or possessive form
};

struct SGrupe {
  std::int32_t Pradzia = 0;   // source index of the first word
  std::int32_t Pabaiga = 0;   // source index of the last word
  std::uint8_t Tipas = gtNezinoma;
  std::uint8_t Funkcija = fNeapibrezta;
  std::uint8_t Aktyvi = 1;    // verb groups: 0 once a verb of the group is passive
  std::vector<TZodis*> Zodziai;  // the source sentence's own words, not owned
  std::int32_t Indeksas = 0;
  std::int32_t Veiksnys = -1;    // verb groups: subject group index
  std::int32_t Papildinys = -1;  // verb groups: object group index

  int ZodziuSk() const { return static_cast<int>(Zodziai.size()); }
  bool ZodisDaiktavardis(int j) const;
};

class SGrupiuList {
 public:
  int Kiekis() const { return static_cast<int>(grupes_.size()); }
  SGrupe& operator[](int i) { return *grupes_[static_cast<std::size_t>(i)]; }
  const SGrupe& operator[](int i) const { return *grupes_[static_cast<std::size_t>(i)]; }
  int Prideti(SGrupe grupe);  // returns the new index
  void Isvalyti() { grupes_.clear(); }

 private:
  std::vector<std::unique_ptr<SGrupe>> grupes_;
};

struct SGList {
  std::int32_t Paskutine = 0;  // index of the group appended last
  std::int32_t DaiktSk = 0;
  std::int32_t VeiksmSk = 0;
  std::int32_t PrievSk = 0;
  std::int32_t PrielSk = 0;
  std::int32_t TarnybSk = 0;
  std::int32_t KitaSk = 0;
  SGrupiuList Grupes;

  // First group at or after `nuo` of the type (noun, verb, prepositional or adverb); -1 none.
  int KitaGrupe(int nuo, std::uint8_t tipas) const;
  // Nearest noun group at or before `nuo`; -1 none.
  int AnkstesneDaiktGrupe(int nuo) const;
  int GrupesZodziuSk(int i) const;
  bool YraVeiksmGrupe(int i) const;
};

}  // namespace kervosta
