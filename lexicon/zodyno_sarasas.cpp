#include "lexicon/zodyno_sarasas.h"

#include <utility>

namespace kervosta {

ZodynoSarasas::ZodynoSarasas(ZodynoSarasas&& kitas) noexcept
    : galva_(std::exchange(kitas.galva_, nullptr)),
      uodega_(std::exchange(kitas.uodega_, nullptr)) {}

ZodynoSarasas& ZodynoSarasas::operator=(ZodynoSarasas&& kitas) noexcept {
  if (this != &kitas) {
    Isvalyti();
    galva_ = std::exchange(kitas.galva_, nullptr);
    uodega_ = std::exchange(kitas.uodega_, nullptr);
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
}

void ZodynoSarasas::Isvalyti() {
  while (galva_) {
    ZodynoMazgas* kitas = galva_->Kitas;
    delete galva_;
    galva_ = kitas;
  }
  uodega_ = nullptr;
}

void ZodynoSarasas::Numeruoti() {
  std::int32_t nr = 0;
  for (ZodynoMazgas* m = galva_; m; m = m->Kitas) m->Nr = ++nr;
}

}  // namespace kervosta
