#include "app/dokumentu_komandos.h"

#include <QFileInfo>

namespace kervosta {

bool DokumentuKomandos::LeistiPakeisti(Dokumentas& dokumentas) {
  if (!dokumentas.Keistas()) return true;
  switch (dialogai_.KlaustiIssaugoti(dokumentas.FailoVardas())) {
    case Atsakymas::Taip: return Saugoti(dokumentas);
    case Atsakymas::Ne: return true;
    case Atsakymas::Atsaukti: return false;
  }
  return false;
}

void DokumentuKomandos::Naujas(Dokumentas& dokumentas) {
  dokumentas.Naujas();
  Pranesti(dokumentas);
}

bool DokumentuKomandos::Atverti(Dokumentas& dokumentas, bool& tikSkaitymui) {
  if (!LeistiPakeisti(dokumentas)) return false;
  const auto pasirinkimas = dialogai_.PasirinktiAtverti(katalogas_);
  if (!pasirinkimas || !Ikelti(dokumentas, pasirinkimas->Kelias)) return false;
  tikSkaitymui = pasirinkimas->TikSkaitymui;
  return true;
}

bool DokumentuKomandos::Ikelti(Dokumentas& dokumentas, const QString& kelias) {
  try {
    dokumentas.Ikelti(kelias);
  } catch (const DokumentoKlaida& klaida) {
    dialogai_.RodytiKlaida(klaida.Pranesimas());
    return false;
  }
  Pranesti(dokumentas);
  return true;
}

bool DokumentuKomandos::Saugoti(Dokumentas& dokumentas) {
  if (dokumentas.Bevardis()) return SaugotiKaip(dokumentas);
  return Irasyti(dokumentas, dokumentas.FailoVardas());
}

bool DokumentuKomandos::SaugotiKaip(Dokumentas& dokumentas) {
  const auto kelias = dialogai_.PasirinktiIssaugoti(katalogas_);
  if (!kelias) return false;
  if (QFileInfo::exists(*kelias) && !dialogai_.KlaustiPerrasyti(*kelias)) return false;
  return Irasyti(dokumentas, *kelias);
}

bool DokumentuKomandos::PriimtiFaila(Dokumentas& dokumentas, const QString& kelias) {
  return LeistiPakeisti(dokumentas) && Ikelti(dokumentas, kelias);
}

bool DokumentuKomandos::Irasyti(Dokumentas& dokumentas, const QString& kelias) {
  try {
    dokumentas.Irasyti(kelias);
  } catch (const DokumentoKlaida& klaida) {
    dialogai_.RodytiKlaida(klaida.Pranesimas());
    return false;
  }
  Pranesti(dokumentas);
  return true;
}

}  // namespace kervosta
