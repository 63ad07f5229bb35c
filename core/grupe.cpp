#include "core/grupe.h"

namespace kervosta {

bool SGrupe::ZodisDaiktavardis(int j) const {
  return j >= 0 && j < ZodziuSk() && Zodziai[static_cast<std::size_t>(j)]->KalbosDalis == dDaiktavardis;
}

int SGrupiuList::Prideti(SGrupe grupe) {
  grupes_.push_back(std::make_unique<SGrupe>(std::move(grupe)));
  return Kiekis() - 1;
}

int SGList::KitaGrupe(int nuo, std::uint8_t tipas) const {
  for (int i = nuo < 0 ? 0 : nuo; i < Grupes.Kiekis(); ++i)
    if (Grupes[i].Tipas == tipas) return i;
  return -1;
}

int SGList::AnkstesneDaiktGrupe(int nuo) const {
  for (int i = nuo < Grupes.Kiekis() ? nuo : Grupes.Kiekis() - 1; i >= 0; --i)
    if (Grupes[i].Tipas == gtDaikt) return i;
  return -1;
}

int SGList::GrupesZodziuSk(int i) const {
  return i >= 0 && i < Grupes.Kiekis() ? Grupes[i].ZodziuSk() : 0;
}

bool SGList::YraVeiksmGrupe(int i) const {
  return i >= 0 && i < Grupes.Kiekis() && Grupes[i].Tipas == gtVeiksm;
}

}  // namespace kervosta
