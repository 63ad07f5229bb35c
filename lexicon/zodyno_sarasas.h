// A dictionary in memory: a doubly linked list of records. Nodes are allocated one at a time and
// never move, so words may point at the node they were found in.
//
// The list keeps an index from every English form its records store to the nodes that store it,
// so lookup need not walk the whole list. The index is rebuilt at the first lookup after a
// change; whoever writes a node's record directly calls Pakeista(). It is one flat hash table
// over one array of hits, so that building it for 100,000 entries costs a few allocations.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "lexicon/zodyno_irasas.h"

namespace kervosta {

// The hash of an English form that the index is built on: FNV-1a with a final mix, so that the
// low bits that pick a slot depend on every byte.
std::uint64_t FormosMaisa(std::string_view forma);

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

  // A node, its 1-based position in the list, and which English forms hold the word looked
  // for: bit k for `Angl1`..`Angl5` in turn.
  struct Vieta {
    int Pozicija;
    ZodynoMazgas* Mazgas;
    std::uint8_t Laukai;
  };
  static constexpr std::uint8_t Angl1Bitas = 1, Angl3Bitas = 4;

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

  // The nodes that store `forma` in any of `Angl1`..`Angl5`, in list order, each once. An empty
  // form is indexed only where it is the headword.
  std::span<const Vieta> SuForma(std::string_view forma) const;
  // Tells the index that a node's record was written.
  void Pakeista() { ++versija_; }
  // Changes with every change of the list, a move into another list included, so that whatever
  // was drawn from the list can tell whether it still holds.
  std::uint64_t Versija() const { return versija_; }

 private:
  // A slot of the open-addressing table: a form and its run of hits in `vietos_`; Kiekis 0
  // marks a free slot.
  struct Lizdas {
    std::uint64_t Maisa;
    std::string_view Forma;  // views the records' own text, which stays put until a change
    std::uint32_t Pradzia;
    std::uint32_t Kiekis;
  };

  void Indeksuoti() const;
  std::uint32_t Lizdui(std::string_view forma, std::uint64_t maisa) const;
  void Isplesti() const;

  ZodynoMazgas* galva_ = nullptr;
  ZodynoMazgas* uodega_ = nullptr;
  std::uint64_t versija_ = 1;
  mutable std::uint64_t indeksoVersija_ = 0;
  mutable std::vector<Lizdas> lizdai_;  // a power of two long, at most half full
  mutable std::uint32_t formuSk_ = 0;
  mutable std::vector<Vieta> vietos_;  // the hits of each form together, in list order
};

}  // namespace kervosta
