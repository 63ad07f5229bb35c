#include "lexicon/zodyno_irasas.h"

#include <algorithm>

namespace kervosta {

ZodynoIrasas::ZodynoIrasas(std::span<const std::uint8_t, Dydis> baitai) {
  std::copy(baitai.begin(), baitai.end(), baitai_.begin());
}

void ZodynoIrasas::NustatytiSkaiciu(SkaiciausLaukas laukas, std::int32_t reiksme) {
  const auto pos = static_cast<std::size_t>(laukas);
  const auto u = static_cast<std::uint32_t>(reiksme);
  for (std::size_t i = 0; i < 4; ++i) baitai_[pos + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void ZodynoIrasas::NustatytiTeksta(TekstoLaukas laukas, std::string_view tekstas) {
  const auto pos = static_cast<std::size_t>(laukas);
  const std::size_t ilgis = std::min(tekstas.size(), TekstoTalpa);
  baitai_[pos] = static_cast<std::uint8_t>(ilgis);
  std::fill_n(&baitai_[pos + 1], TekstoTalpa, std::uint8_t{0});
  std::copy_n(reinterpret_cast<const std::uint8_t*>(tekstas.data()), ilgis, &baitai_[pos + 1]);
}

bool Analogiski(const ZodynoIrasas& a, const ZodynoIrasas& b) {
  constexpr SkaiciausLaukas skaiciai[] = {
      SkaiciausLaukas::DaliesKodas, SkaiciausLaukas::Kategorija, SkaiciausLaukas::Pozymis,
      SkaiciausLaukas::AnglSkaicius, SkaiciausLaukas::Paradigma1, SkaiciausLaukas::Paradigma2,
      SkaiciausLaukas::Paradigma3,  SkaiciausLaukas::Klausimas};
  constexpr TekstoLaukas tekstai[] = {
      TekstoLaukas::Angl1,     TekstoLaukas::Angl2,          TekstoLaukas::Angl3,
      TekstoLaukas::Angl4,     TekstoLaukas::Angl5,          TekstoLaukas::LietZodis,
      TekstoLaukas::Kamienas,  TekstoLaukas::EsamasKamienas, TekstoLaukas::ButasKamienas,
      TekstoLaukas::BusimasKamienas};
  for (const auto laukas : skaiciai)
    if (a.Skaicius(laukas) != b.Skaicius(laukas)) return false;
  for (const auto laukas : tekstai)
    if (a.Tekstas(laukas) != b.Tekstas(laukas)) return false;
  return true;
}

}  // namespace kervosta
