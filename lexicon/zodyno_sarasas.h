// A dictionary in memory: a doubly linked list of records. Nodes are allocated one at a time and
// never move, so words may point at the node they were found in.
#pragma once

#include <cstdint>
#include <string_view>

#include "lexicon/zodyno_irasas.h"

namespace kervosta {

struct ZodynoMazgas {
  std::int32_t Nr = 0;  // 1-based position; valid after loading or renumbering
  ZodynoIrasas Duomenys;
  ZodynoMazgas* Kitas = nullptr;
  ZodynoMazgas* Ankstesnis = nullptr;
};

class ZodynoSarasas {
 public:
  ZodynoSarasas() = default;
  ZodynoSarasas(const ZodynoSarasas&) = delete;
  ZodynoSarasas& operator=(const ZodynoSarasas&) = delete;
  ZodynoSarasas(ZodynoSarasas&& kitas) noexcept;
  ZodynoSarasas& operator=(ZodynoSarasas&& kitas) noexcept;
  ~ZodynoSarasas() { Isvalyti(); }

  ZodynoMazgas* Galva() const { return galva_; }
  ZodynoMazgas* Uodega() const { return uodega_; }
  bool Tuscias() const { return galva_ == nullptr; }
  int Kiekis() const;

  // Links a new node with a copy of the record at the tail; its Nr stays 0.
  ZodynoMazgas* Prideti(const ZodynoIrasas& irasas);
  // The node at a 1-based position, counted from the head; nullptr outside the list.
  ZodynoMazgas* Rasti(int pozicija) const;
  // The 1-based position of the first node whose headword begins with `pradzia`, counted from
  // the head (so nodes linked since the last numbering count too); 0 when none does.
  int PirmasSuPradzia(std::string_view pradzia) const;
  // Unlinks the node and frees it.
  void Pasalinti(ZodynoMazgas* mazgas);
  void Isvalyti();
  // Gives every node its position, 1..n.
  void Numeruoti();

 private:
  ZodynoMazgas* galva_ = nullptr;
  ZodynoMazgas* uodega_ = nullptr;
};

}  // namespace kervosta
