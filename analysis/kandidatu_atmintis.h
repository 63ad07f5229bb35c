// What sentence lookup learns about the words it meets, kept from sentence to sentence while the
// dictionaries and the built-in records stay as they were: a text says the same words again and
// again, and building a word's candidates costs far more than finding them here.
#pragma once

#include <array>
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
  static constexpr std::int16_t NeVidinis = -1;

  struct Zodis {
    // The dictionaries' candidates. Shared, so that a sentence keeps the lists it took even if
    // a change of a dictionary during its correction questions makes the memory forget them.
    std::shared_ptr<const TZodziuList> Kandidatai;
    // The part of speech of the word as a built-in word, or NeVidinis.
    std::int16_t VidinioDalis = NeVidinis;
    // What the word after another asks of its candidates, read once: the bits of their parts
    // of speech, and whether one is a noun of time as the records said when they were read.
    std::uint32_t Dalys = 0;
    bool LaikoDaiktavardis = false;
  };

  // Forgets everything once the built-in records have changed; at the start of every sentence.
  void Patikrinti(const ZodynuRinkinys& zodynai);
  // What is kept for the word as written, or nullptr; valid until the next Isiminti. Forgets
  // everything once either dictionary has changed.
  const Zodis* Rasti(const ZodynuRinkinys& zodynai, const std::string& zodis);
  void Isiminti(const std::string& zodis, Zodis ka);

 private:
  // An open-addressing slot; a slot without a list is free.
  struct Lizdas {
    std::uint64_t Maisa = 0;
    std::string Zodis;
    KandidatuAtmintis::Zodis Ka;
  };

  // A text of ever new words (numbers, say) starts over rather than growing without end.
  static constexpr std::size_t Talpa = 1 << 16;

  std::size_t Vieta(const std::string& zodis, std::uint64_t maisa) const;
  void Pamirsti();

  std::uint64_t pagrindinioVersija_ = 0;
  std::uint64_t vartotojoVersija_ = 0;
  std::array<ZodynoIrasas, 6> vidiniai_{};
  std::vector<Lizdas> lizdai_;  // a power of two long, at most half full
  std::size_t kiekis_ = 0;
};

}  // namespace kervosta
