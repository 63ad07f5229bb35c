// The candidate lists of the words sentence lookup has met, kept from sentence to sentence while
// both dictionaries stay as they were: a text says the same words again and again, and building
// a word's candidates costs far more than finding them here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/sakinys.h"
#include "lexicon/zodynai.h"

namespace kervosta {

class KandidatuAtmintis {
 public:
  // Shared, so that a sentence keeps the lists it took even if a change of a dictionary during
  // its correction questions makes the memory forget them.
  using Sarasas = std::shared_ptr<const TZodziuList>;

  // The list kept for the word as written, or nullptr. Every list is forgotten once either
  // dictionary has changed since it was kept.
  Sarasas Rasti(const ZodynuRinkinys& zodynai, const std::string& zodis);
  void Isiminti(const std::string& zodis, Sarasas sarasas);

 private:
  // An open-addressing slot; a slot without a list is free.
  struct Lizdas {
    std::uint64_t Maisa = 0;
    std::string Zodis;
    Sarasas Kandidatai;
  };

  // A text of ever new words (numbers, say) starts over rather than growing without end.
  static constexpr std::size_t Talpa = 1 << 16;

  std::size_t Vieta(const std::string& zodis, std::uint64_t maisa) const;
  void Pamirsti();

  std::uint64_t pagrindinioVersija_ = 0;
  std::uint64_t vartotojoVersija_ = 0;
  std::vector<Lizdas> lizdai_;  // a power of two long, at most half full
  std::size_t kiekis_ = 0;
};

}  // namespace kervosta
