#include "app/dokumentas.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>

#include "app/dokumento_turinys.h"
#include "app/rtf.h"

namespace kervosta {

DokumentoKlaida::DokumentoKlaida(const QString& pranesimas)
    : std::runtime_error(pranesimas.toStdString()), pranesimas_(pranesimas) {}

QString Dokumentas::TrumpasVardas() const { return QFileInfo(failoVardas_).fileName(); }

bool Dokumentas::Keistas() const { return turinys_.isModified(); }

void Dokumentas::Naujas() {
  turinys_.clear();
  turinys_.setModified(false);
  failoVardas_ = QStringView(BevardzioVardas).toString();
}

void Dokumentas::Ikelti(const QString& kelias) {
  QFile failas(kelias);
  if (!failas.open(QIODevice::ReadOnly))
    throw DokumentoKlaida(QStringLiteral("Nepavyko atverti failo „%1“: %2").arg(kelias, failas.errorString()));
  const QByteArray baitai = failas.readAll();
  if (failas.error() != QFileDevice::NoError)
    throw DokumentoKlaida(QStringLiteral("Nepavyko perskaityti failo „%1“: %2").arg(kelias, failas.errorString()));
  IkeltiDokumentoTurini(baitai, turinys_);
  turinys_.setModified(false);
  failoVardas_ = kelias;
}

void Dokumentas::Irasyti(const QString& kelias) {
  QSaveFile failas(kelias);
  const QByteArray rtf = rtf::Rasyti(turinys_);
  if (!failas.open(QIODevice::WriteOnly) || failas.write(rtf) != rtf.size() || !failas.commit())
    throw DokumentoKlaida(QStringLiteral("Nepavyko įrašyti failo „%1“: %2").arg(kelias, failas.errorString()));
  turinys_.setModified(false);
  failoVardas_ = kelias;
}

}  // namespace kervosta
