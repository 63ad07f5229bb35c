#include "app/dokumentu_komandos.h"

#include <QFileInfo>

namespace kervosta {

namespace {
FailoFormatas FormatasPagalVarda(const FailoFormatas& dabartinis, const QString& kelias) {
  const QString pletinys = QFileInfo(kelias).suffix().toLower();
  if (pletinys == u"rtf") return {};
  if (pletinys == u"txt" && !dabartinis.Tekstas()) return {FailoRusis::Utf8};
  return dabartinis;
}
}  // namespace

bool DokumentuKomandos::LeistiPakeisti(Dokumentas& dokumentas) {
  if (!dokumentas.Keistas()) return true;
  switch (dialogai_.KlaustiIssaugoti(dokumentas.FailoVardas())) {
    case Atsakymas::Taip: return Saugoti(dokumentas);
    case Atsakymas::Ne: return true;
    case Atsakymas::Atsaukti: return false;
  }
  return false;
}

bool DokumentuKomandos::Naujas(Dokumentas& dokumentas) {
  if (!LeistiPakeisti(dokumentas)) return false;
  dokumentas.Naujas();
  Pranesti(dokumentas);
  return true;
}

bool DokumentuKomandos::Atverti(Dokumentas& dokumentas, bool& tikSkaitymui) {
  if (!LeistiPakeisti(dokumentas)) return false;
  const auto pasirinkimas = dialogai_.PasirinktiAtverti(atmintis_.Katalogas());
  if (!pasirinkimas || !Ikelti(dokumentas, pasirinkimas->Kelias)) return false;
  tikSkaitymui = pasirinkimas->TikSkaitymui;
  return true;
}

bool DokumentuKomandos::Ikelti(Dokumentas& dokumentas, const QString& kelias) {
  try {
    dokumentas.Ikelti(kelias);
  } catch (const DokumentoKlaida& klaida) {
    dialogai_.RodytiKlaida(klaida.Pranesimas());
    if (!QFileInfo::exists(kelias)) atmintis_.Pamirsti(kelias);
    return false;
  }
  atmintis_.Naudotas(kelias);
  Pranesti(dokumentas);
  return true;
}

bool DokumentuKomandos::Saugoti(Dokumentas& dokumentas) {
  if (dokumentas.Bevardis()) return SaugotiKaip(dokumentas);
  return Irasyti(dokumentas, dokumentas.FailoVardas(), dokumentas.Formatas());
}

bool DokumentuKomandos::SaugotiKaip(Dokumentas& dokumentas) {
  const QString pradzia =
      dokumentas.Bevardis() ? atmintis_.Katalogas() : dokumentas.FailoVardas();
  const auto kelias = dialogai_.PasirinktiIssaugoti(pradzia, dokumentas.Formatas().Tekstas());
  if (!kelias) return false;
  if (QFileInfo::exists(*kelias) && !dialogai_.KlaustiPerrasyti(*kelias)) return false;
  return Irasyti(dokumentas, *kelias, FormatasPagalVarda(dokumentas.Formatas(), *kelias));
}

bool DokumentuKomandos::PriimtiFaila(Dokumentas& dokumentas, const QString& kelias) {
  return LeistiPakeisti(dokumentas) && Ikelti(dokumentas, kelias);
}

bool DokumentuKomandos::LeistiFormata(const Dokumentas& dokumentas, const QString& kelias,
                                      FailoFormatas& formatas) {
  if (!formatas.Tekstas()) return true;
  const QString vardas = QFileInfo(kelias).fileName();
  if (TuriFormatavima(dokumentas.Turinys()) &&
      !dialogai_.KlaustiGerai(
          QStringLiteral("Saugoti kaip tekstą"),
          QStringLiteral("„%1“ bus išsaugotas kaip paprastas tekstas: šriftai, spalvos, "
                         "lygiavimas ir sąrašai bus prarasti.").arg(vardas)))
    return false;
  if (formatas.Rusis == FailoRusis::Baltu &&
      !TinkaBaltuKoduotei(GrynasTekstas(dokumentas.Turinys()))) {
    if (!dialogai_.KlaustiGerai(
            QStringLiteral("Koduotė"),
            QStringLiteral("Tekste yra ženklų, kurių Windows-1257 koduotė neturi, todėl „%1“ bus "
                           "išsaugotas UTF-8 koduote.").arg(vardas)))
      return false;
    formatas.Rusis = FailoRusis::Utf8;
  }
  return true;
}

bool DokumentuKomandos::Irasyti(Dokumentas& dokumentas, const QString& kelias,
                                FailoFormatas formatas) {
  if (!LeistiFormata(dokumentas, kelias, formatas)) return false;
  try {
    dokumentas.Irasyti(kelias, formatas);
  } catch (const DokumentoKlaida& klaida) {
    dialogai_.RodytiKlaida(klaida.Pranesimas());
    return false;
  }
  atmintis_.Naudotas(kelias);
  Pranesti(dokumentas);
  return true;
}

}  // namespace kervosta
