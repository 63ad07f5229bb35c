#include "core/sakinys.h"

#include "core/cp1257.h"

namespace kervosta {

using namespace literals;

int TZodziuList::Prideti(TZodis zodis) {
  Skirti(Kiekis());
  pries_.push_back(std::make_unique<TZodis>(std::move(zodis)));
  return Kiekis() - 1;
}

void TZodziuList::Iterpti(int i, TZodis zodis) {
  Skirti(i);
  pries_.push_back(std::make_unique<TZodis>(std::move(zodis)));
}

void TZodziuList::Pasalinti(int i) {
  Skirti(i);
  po_.pop_back();
}

void TZodziuList::Skirti(int i) {
  const auto j = static_cast<std::size_t>(i);
  while (pries_.size() > j) {
    po_.push_back(std::move(pries_.back()));
    pries_.pop_back();
  }
  while (pries_.size() < j) {
    pries_.push_back(std::move(po_.back()));
    po_.pop_back();
  }
}

bool TSakinys::DalisYra(int i, std::uint8_t dalis) const {
  return Yra(i) && Zodziai[i].KalbosDalis == dalis;
}

bool TSakinys::VardazodinisZodis(int i) const {
  return DalisYra(i, dDaiktavardis) || DalisYra(i, dIvardis) || DalisYra(i, dBudvardis);
}

bool TSakinys::GrupesZodis(int i) const {
  return VardazodinisZodis(i) || DalisYra(i, dPrieveiksmis) || DalisYra(i, dJungtukas);
}

bool TSakinys::VeiksmazodinisZodis(int i) const {
  return DalisYra(i, dVeiksmazodis) || DalisYra(i, dPagalbinis) || DalisYra(i, dAsmVardininkas);
}

bool TSakinys::VeiksmazodisArJungtukas(int i) const {
  return DalisYra(i, dVeiksmazodis) || DalisYra(i, dJungtukas);
}

bool TSakinys::AsmeninisIvardis(int i) const { return DalisYra(i, dAsmVardininkas); }

int TSakinys::RastiZodi(std::string_view angl) const {
  for (int i = 0; i < Kiekis(); ++i)
    if (Zodziai[i].Angl == angl) return i;
  return -1;
}

bool TSakinys::ZodisYra(int i, std::string_view angl) const {
  return Yra(i) && Zodziai[i].Angl == angl;
}

int TSakinys::KitasVeiksmazodinis(int nuo) const {
  for (int i = nuo < 0 ? 0 : nuo; i < Kiekis(); ++i)
    if (VeiksmazodinisZodis(i)) return i;
  return -1;
}

void TSakinys::Sugerti(int i) {
  if (!Yra(i)) return;
  TZodis& zodis = Zodziai[i];
  std::string angl = std::move(zodis.Angl);
  zodis.Atstatyti();
  zodis.Angl = std::move(angl);
}

void TSakinys::PaverstiButi(int i) {
  if (!Yra(i)) return;
  TZodis& zodis = Zodziai[i];
  zodis.Atstatyti();
  zodis.Vidinis = 1;
  zodis.Nr = 2;
  zodis.Liet = "būti"_lt;
  zodis.Asmuo = 3;
  zodis.KalbosDalis = dVeiksmazodis;
  zodis.Nuosaka = 0;
}

}  // namespace kervosta
