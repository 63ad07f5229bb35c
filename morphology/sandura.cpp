#include "morphology/sandura.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "core/cp1257.h"

namespace kervosta {

using namespace literals;

namespace {

// What an ending begins with, as far as the joint cares.
enum class Pradzia : std::uint8_t {
  MinkstinantiI,  // an i before a back vowel, which only marks the consonant soft (io, iau, ių)
  SavaI,          // an i, į or y sounded of its own (i, is, ie, į, yje)
  K,
  N,
  S,
  BetKokia,       // any ending, the empty one too
};

struct Taisykle {
  std::string_view KamienoGalas;
  Pradzia Galune;
  std::string_view NaujasGalas;  // what the stem's end becomes
  std::size_t Numesti = 0;       // letters dropped from the beginning of the ending
};

// t and d soften to č and dž before an i that only marks softness, and č, dž harden back before
// an i of its own (jaučio but jautį; keičia but keiti; plačios but plati, platiems). After j the
// softening i is not written (atvejo, naujausias). A stem's g or k merges with the imperative k
// (bėk, sukite).
constexpr Taisykle BendrosiosTaisykles[] = {
    {"t", Pradzia::MinkstinantiI, "č"_lt},  {"d", Pradzia::MinkstinantiI, "dž"_lt},
    {"č"_lt, Pradzia::SavaI, "t"},          {"dž"_lt, Pradzia::SavaI, "d"},
    {"j", Pradzia::MinkstinantiI, "j", 1},  {"g", Pradzia::K, ""},
    {"k", Pradzia::K, ""},
};

// A stem ending in a hissing sound takes the future s into itself, z and ž losing their voice
// (mesiu, piešiantis, grįšiu, keisiuosi).
constexpr Taisykle BusimojoTaisykles[] = {
    {"s", Pradzia::S, "s", 1},
    {"š"_lt, Pradzia::S, "š"_lt, 1},
    {"z", Pradzia::S, "s", 1},
    {"ž"_lt, Pradzia::S, "š"_lt, 1},
};

// A stem that holds the future s already is voiceless at its end (grįš, grįšiu).
constexpr Taisykle BusimojoKamienoTaisykles[] = {
    {"z", Pradzia::BetKokia, "s"},
    {"ž"_lt, Pradzia::BetKokia, "š"_lt},
};

// The o of the present (rašo) is a before the active participle's n (rašantis; rašomas keeps it).
constexpr Taisykle EsamojoDalyvioTaisykles[] = {
    {"o", Pradzia::N, "a"},
};

std::span<const Taisykle> Taisykles(Sandura sandura) {
  switch (sandura) {
    case Sandura::Busimojo: return BusimojoTaisykles;
    case Sandura::BusimojoKamiene: return BusimojoKamienoTaisykles;
    case Sandura::EsamojoDalyvio: return EsamojoDalyvioTaisykles;
    case Sandura::Bendra: break;
  }
  return {};
}

bool GalinisBalsis(char c) {
  static constexpr std::string_view galiniai = "aąouųū"_lt;
  return galiniai.find(c) != std::string_view::npos;
}

bool Atitinka(Pradzia pradzia, std::string_view galune) {
  if (pradzia == Pradzia::BetKokia) return true;
  if (galune.empty()) return false;
  const bool minkstinanti = galune[0] == 'i' && galune.size() > 1 && GalinisBalsis(galune[1]);
  switch (pradzia) {
    case Pradzia::MinkstinantiI: return minkstinanti;
    case Pradzia::SavaI: return !minkstinanti && "iįy"_lt.find(galune[0]) != std::string_view::npos;
    case Pradzia::K: return galune[0] == 'k';
    case Pradzia::N: return galune[0] == 'n';
    case Pradzia::S: return galune[0] == 's';
    case Pradzia::BetKokia: break;
  }
  return true;
}

char Mazoji(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The stem ends in `galas`, an ASCII letter of it in either case (a stem typed in capitals
// alternates like any other).
bool Baigiasi(std::string_view kamienas, std::string_view galas) {
  if (galas.empty() || kamienas.size() < galas.size()) return false;
  const std::string_view pabaiga = kamienas.substr(kamienas.size() - galas.size());
  for (std::size_t i = 0; i < galas.size(); ++i)
    if (Mazoji(pabaiga[i]) != galas[i]) return false;
  return true;
}

std::string Taikyti(const Taisykle& t, std::string_view kamienas, std::string_view galune) {
  std::string forma(kamienas.substr(0, kamienas.size() - t.KamienoGalas.size()));
  // A new end that starts with the old one keeps the stem's own letters (gaiD + ž).
  if (t.NaujasGalas.starts_with(t.KamienoGalas))
    forma.append(kamienas.substr(forma.size())).append(t.NaujasGalas.substr(t.KamienoGalas.size()));
  else
    forma.append(t.NaujasGalas);
  return forma.append(galune.substr(std::min(t.Numesti, galune.size())));
}

}  // namespace

std::string Sujungti(std::string_view kamienas, std::string_view galune, Sandura sandura) {
  for (const std::span<const Taisykle> taisykles :
       {Taisykles(sandura), std::span<const Taisykle>(BendrosiosTaisykles)})
    for (const Taisykle& t : taisykles)
      if (Baigiasi(kamienas, t.KamienoGalas) && Atitinka(t.Galune, galune))
        return Taikyti(t, kamienas, galune);
  return std::string(kamienas).append(galune);
}

}  // namespace kervosta
