#include "lexicon/zodyno_sarasas.h"

#include <utility>

namespace kervosta {

ZodynoSarasas::ZodynoSarasas(ZodynoSarasas&& kitas) noexcept
    : galva_(std::exchange(kitas.galva_, nullptr)),
      uodega_(std::exchange(kitas.uodega_, nullptr)) {
  kitas.Pakeista();
}

ZodynoSarasas& ZodynoSarasas::operator=(ZodynoSarasas&& kitas) noexcept {
  if (this != &kitas) {
    Isvalyti();
    galva_ = std::exchange(kitas.galva_, nullptr);
    uodega_ = std::exchange(kitas.uodega_, nullptr);
    kitas.Pakeista();
    Pakeista();
  }
  return *this;
}

int ZodynoSarasas::Kiekis() const {
  int kiekis = 0;
  for (const ZodynoMazgas* m = galva_; m; m = m->Kitas) ++kiekis;
  return kiekis;
}

ZodynoMazgas* ZodynoSarasas::Prideti(const ZodynoIrasas& irasas) {
  auto* mazgas = new ZodynoMazgas{0, irasas, nullptr, uodega_};
  if (uodega_) uodega_->Kitas = mazgas;
  else galva_ = mazgas;
  uodega_ = mazgas;
  Pakeista();
  return mazgas;
}

ZodynoMazgas* ZodynoSarasas::Rasti(int pozicija) const {
  if (pozicija < 1) return nullptr;
  ZodynoMazgas* m = galva_;
  for (int i = 1; m && i < pozicija; ++i) m = m->Kitas;
  return m;
}

int ZodynoSarasas::PirmasSuPradzia(std::string_view pradzia) const {
  int pozicija = 1;
  for (const ZodynoMazgas* m = galva_; m; m = m->Kitas, ++pozicija)
    if (m->Duomenys.Vaizdas(TekstoLaukas::Angl1).starts_with(pradzia)) return pozicija;
  return 0;
}

void ZodynoSarasas::Pasalinti(ZodynoMazgas* mazgas) {
  if (!mazgas) return;
  if (mazgas->Ankstesnis) mazgas->Ankstesnis->Kitas = mazgas->Kitas;
  else galva_ = mazgas->Kitas;
  if (mazgas->Kitas) mazgas->Kitas->Ankstesnis = mazgas->Ankstesnis;
  else uodega_ = mazgas->Ankstesnis;
  delete mazgas;
  Pakeista();
}

void ZodynoSarasas::Isvalyti() {
  while (galva_) {
    ZodynoMazgas* kitas = galva_->Kitas;
    delete galva_;
    galva_ = kitas;
  }
  uodega_ = nullptr;
  Pakeista();
}

void ZodynoSarasas::Numeruoti() {
  std::int32_t nr = 0;
  for (ZodynoMazgas* m = galva_; m; m = m->Kitas) m->Nr = ++nr;
}

const std::vector<ZodynoSarasas::Vieta>& ZodynoSarasas::SuForma(std::string_view forma) const {
  static const std::vector<Vieta> nera;
  if (indeksoVersija_ != versija_) Indeksuoti();
  const auto rasta = indeksas_.find(forma);
  return rasta == indeksas_.end() ? nera : rasta->second;
}

void ZodynoSarasas::Indeksuoti() const {
  indeksas_.clear();
  indeksas_.reserve(static_cast<std::size_t>(Kiekis()) * 2);
  constexpr TekstoLaukas formos[] = {TekstoLaukas::Angl1, TekstoLaukas::Angl2, TekstoLaukas::Angl3,
                                     TekstoLaukas::Angl4, TekstoLaukas::Angl5};
  int pozicija = 0;
  for (ZodynoMazgas* m = galva_; m; m = m->Kitas) {
    ++pozicija;
    for (TekstoLaukas laukas : formos) {
      const std::string_view forma = m->Duomenys.Vaizdas(laukas);
      std::vector<Vieta>& vietos = indeksas_[forma];
      if (vietos.empty() || vietos.back().Mazgas != m) vietos.push_back({pozicija, m});
    }
  }
  indeksoVersija_ = versija_;
}

}  // namespace kervosta
