#include "lexicon/zodyno_sarasas.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kervosta {

namespace {

constexpr std::size_t FormuSk = 5;
constexpr TekstoLaukas Formos[FormuSk] = {TekstoLaukas::Angl1, TekstoLaukas::Angl2,
                                          TekstoLaukas::Angl3, TekstoLaukas::Angl4,
                                          TekstoLaukas::Angl5};

}  // namespace

std::uint64_t FormosMaisa(std::string_view forma) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : forma) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  h ^= h >> 32;
  h *= 0xd6e8feb86659fd93ull;
  return h ^ (h >> 32);
}

ZodynoSarasas::ZodynoSarasas(ZodynoSarasas&& kitas) noexcept
    : galva_(std::exchange(kitas.galva_, nullptr)),
      uodega_(std::exchange(kitas.uodega_, nullptr)),
      versija_(kitas.versija_ + 1) {
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

std::span<const ZodynoSarasas::Vieta> ZodynoSarasas::SuForma(std::string_view forma) const {
  if (indeksoVersija_ != versija_) Indeksuoti();
  if (lizdai_.empty()) return {};
  const Lizdas& lizdas = lizdai_[Lizdui(forma, FormosMaisa(forma))];
  return std::span<const Vieta>(vietos_.data() + lizdas.Pradzia, lizdas.Kiekis);
}

std::uint32_t ZodynoSarasas::Lizdui(std::string_view forma, std::uint64_t maisa) const {
  const std::size_t kauke = lizdai_.size() - 1;
  for (std::size_t i = maisa & kauke;; i = (i + 1) & kauke) {
    const Lizdas& lizdas = lizdai_[i];
    if (lizdas.Kiekis == 0 || (lizdas.Maisa == maisa && lizdas.Forma == forma))
      return static_cast<std::uint32_t>(i);
  }
}

void ZodynoSarasas::Isplesti() const {
  std::vector<Lizdas> senieji(lizdai_.size() * 2, Lizdas{});
  senieji.swap(lizdai_);
  for (const Lizdas& lizdas : senieji)
    if (lizdas.Kiekis != 0) lizdai_[Lizdui(lizdas.Forma, lizdas.Maisa)] = lizdas;
}

// While the table is built, a slot's Pradzia numbers its form in order of first appearance;
// the hits are then laid out form by form, each form's hits in list order.
void ZodynoSarasas::Indeksuoti() const {
  std::vector<Vieta> pataikymai;
  std::vector<std::uint32_t> formuNr;
  std::vector<std::uint32_t> kiekiai;
  const int irasu = Kiekis();
  std::size_t dydis = 16;
  while (dydis < static_cast<std::size_t>(irasu) * 4) dydis *= 2;
  lizdai_.assign(dydis, Lizdas{});
  formuSk_ = 0;
  pataikymai.reserve(static_cast<std::size_t>(irasu) * 3);
  formuNr.reserve(static_cast<std::size_t>(irasu) * 3);
  int pozicija = 0;
  for (ZodynoMazgas* m = galva_; m; m = m->Kitas) {
    ++pozicija;
    std::array<std::string_view, FormuSk> formos;
    for (std::size_t k = 0; k < FormuSk; ++k) formos[k] = m->Duomenys.Vaizdas(Formos[k]);
    for (std::size_t k = 0; k < FormuSk; ++k) {
      if (formos[k].empty() && k != 0) continue;
      if (std::find(formos.begin(), formos.begin() + k, formos[k]) != formos.begin() + k) continue;
      std::uint8_t laukai = 0;
      for (std::size_t j = k; j < FormuSk; ++j)
        if (formos[j] == formos[k]) laukai |= static_cast<std::uint8_t>(1u << j);
      if ((formuSk_ + 1) * 2 > lizdai_.size()) Isplesti();
      const std::uint64_t maisa = FormosMaisa(formos[k]);
      Lizdas& lizdas = lizdai_[Lizdui(formos[k], maisa)];
      if (lizdas.Kiekis == 0) {
        lizdas = Lizdas{maisa, formos[k], formuSk_++, 0};
        kiekiai.push_back(0);
      }
      ++lizdas.Kiekis;
      ++kiekiai[lizdas.Pradzia];
      pataikymai.push_back({pozicija, m, laukai});
      formuNr.push_back(lizdas.Pradzia);
    }
  }
  // kiekiai becomes each form's next free place in vietos_.
  std::uint32_t pradzia = 0;
  for (std::uint32_t& kiekis : kiekiai) pradzia += std::exchange(kiekis, pradzia);
  for (Lizdas& lizdas : lizdai_)
    if (lizdas.Kiekis != 0) lizdas.Pradzia = kiekiai[lizdas.Pradzia];
  vietos_.resize(pataikymai.size());
  for (std::size_t i = 0; i < pataikymai.size(); ++i)
    vietos_[kiekiai[formuNr[i]]++] = pataikymai[i];
  indeksoVersija_ = versija_;
}

}  // namespace kervosta
