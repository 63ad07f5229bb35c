#include "app/atmintis.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kervosta {

namespace {
const QString FailuRaktas = QStringLiteral("Failai/Paskutiniai");
const QString KatalogoRaktas = QStringLiteral("Failai/Katalogas");
const QString SlinkimoRaktas = QStringLiteral("Redaktoriai/SinchroninisSlinkimas");
}  // namespace

Atmintis::Atmintis(const QString& failas) : nustatymai_(failas, QSettings::IniFormat) {}

QStringList Atmintis::PaskutiniaiFailai() const {
  return nustatymai_.value(FailuRaktas).toStringList().mid(0, DaugiausiaFailu);
}

void Atmintis::Naudotas(const QString& kelias) {
  const QFileInfo failas(kelias);
  QStringList failai = PaskutiniaiFailai();
  failai.removeAll(failas.absoluteFilePath());
  failai.prepend(failas.absoluteFilePath());
  RasytiFailus(failai.mid(0, DaugiausiaFailu));
  nustatymai_.setValue(KatalogoRaktas, failas.absolutePath());
}

void Atmintis::Pamirsti(const QString& kelias) {
  QStringList failai = PaskutiniaiFailai();
  failai.removeAll(QFileInfo(kelias).absoluteFilePath());
  RasytiFailus(failai);
}

void Atmintis::PamirstiVisus() { RasytiFailus({}); }

void Atmintis::RasytiFailus(const QStringList& failai) {
  nustatymai_.setValue(FailuRaktas, failai);
  nustatymai_.sync();
}

QString Atmintis::Katalogas() const {
  const QString paskutinis = nustatymai_.value(KatalogoRaktas).toString();
  if (!paskutinis.isEmpty() && QFileInfo(paskutinis).isDir()) return paskutinis;
  const QString dokumentai = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!dokumentai.isEmpty() && QFileInfo(dokumentai).isDir()) return dokumentai;
  return QDir::homePath();
}

bool Atmintis::SinchroninisSlinkimas() const { return nustatymai_.value(SlinkimoRaktas, true).toBool(); }

void Atmintis::NustatytiSinchroniniSlinkima(bool ijungtas) {
  nustatymai_.setValue(SlinkimoRaktas, ijungtas);
  nustatymai_.sync();
}

}  // namespace kervosta
