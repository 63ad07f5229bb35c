#include "app/dokumentas.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>

namespace kervosta {

DokumentoKlaida::DokumentoKlaida(const QString& pranesimas)
    : std::runtime_error(pranesimas.toStdString()), pranesimas_(pranesimas) {}

QString Dokumentas::TrumpasVardas() const { return QFileInfo(failoVardas_).fileName(); }

bool Dokumentas::Keistas() const { return turinys_.isModified(); }

void Dokumentas::Naujas() {
  turinys_.clear();
  turinys_.setModified(false);
  AtsietiFaila();
  formatas_ = {};
}

void Dokumentas::AtsietiFaila() { failoVardas_ = QStringView(BevardzioVardas).toString(); }

void Dokumentas::Ikelti(const QString& kelias) {
  QFile failas(kelias);
  if (!failas.open(QIODevice::ReadOnly))
    throw DokumentoKlaida(QStringLiteral("Nepavyko atverti failo „%1“: %2").arg(kelias, failas.errorString()));
  const QByteArray baitai = failas.readAll();
  if (failas.error() != QFileDevice::NoError)
    throw DokumentoKlaida(QStringLiteral("Nepavyko perskaityti failo „%1“: %2").arg(kelias, failas.errorString()));
  formatas_ = IkeltiDokumentoTurini(baitai, turinys_);
  turinys_.setModified(false);
  failoVardas_ = kelias;
}

void Dokumentas::Irasyti(const QString& kelias, const FailoFormatas& formatas) {
  QSaveFile failas(kelias);
  const QByteArray baitai = DokumentoFailas(turinys_, formatas);
  if (!failas.open(QIODevice::WriteOnly) || failas.write(baitai) != baitai.size() || !failas.commit())
    throw DokumentoKlaida(QStringLiteral("Nepavyko įrašyti failo „%1“: %2").arg(kelias, failas.errorString()));
  turinys_.setModified(false);
  failoVardas_ = kelias;
  formatas_ = formatas;
}

}  // namespace kervosta
