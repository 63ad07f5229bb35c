#include "app/dokumentu_mainai.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace kervosta {

namespace {

constexpr int KonversijosLaikas = 180000;  // a first start with a fresh profile is slow

QString NeraPrograma() {
  return QStringLiteral("Nerasta LibreOffice: įdiekite ją (paketas libreoffice-writer), kad "
                        "galėtumėte keistis tekstu su dokumentais.");
}

QString Programa() {
  QString programa = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (programa.isEmpty()) programa = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
  return programa;
}

// Converts `failas` into `katalogas` with the filter given; the converted file's path, or the
// reason in `klaida`.
QString Konvertuoti(const QString& failas, const QStringList& filtrai, const QString& pletinys,
                    const QTemporaryDir& katalogas, QString& klaida) {
  const QString programa = Programa();
  if (programa.isEmpty()) {
    klaida = NeraPrograma();
    return {};
  }
  QProcess procesas;
  const QString profilis =
      QUrl::fromLocalFile(katalogas.filePath(QStringLiteral("profilis"))).toString();
  procesas.start(programa, QStringList{QStringLiteral("-env:UserInstallation=") + profilis,
                                       QStringLiteral("--headless"), QStringLiteral("--norestore")}
                               << filtrai
                               << QStringList{QStringLiteral("--outdir"), katalogas.path(), failas});
  if (!procesas.waitForFinished(KonversijosLaikas)) {
    procesas.kill();
    procesas.waitForFinished();
    klaida = QStringLiteral("LibreOffice nespėjo perskaityti „%1“.").arg(failas);
    return {};
  }
  const QString rezultatas =
      katalogas.filePath(QFileInfo(failas).completeBaseName() + QLatin1Char('.') + pletinys);
  if (procesas.exitStatus() != QProcess::NormalExit || !QFileInfo::exists(rezultatas)) {
    klaida = QStringLiteral("LibreOffice nepavyko perskaityti „%1“.").arg(failas);
    return {};
  }
  return rezultatas;
}

}  // namespace

DokumentoPastraipos ImportuotiDokumenta(const QString& failas) {
  DokumentoPastraipos rezultatas;
  if (!QFileInfo(failas).isFile()) {
    rezultatas.Klaida = QStringLiteral("Failas „%1“ nerastas.").arg(failas);
    return rezultatas;
  }
  QTemporaryDir katalogas;
  // The input is copied under a plain name, so that the converted file's name is known.
  const QString kopija = katalogas.filePath(QStringLiteral("dokumentas.") + QFileInfo(failas).suffix());
  if (!katalogas.isValid() || !QFile::copy(failas, kopija)) {
    rezultatas.Klaida = QStringLiteral("Nepavyko nuskaityti „%1“.").arg(failas);
    return rezultatas;
  }
  const QString tekstas =
      Konvertuoti(kopija, {QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8")},
                  QStringLiteral("txt"), katalogas, rezultatas.Klaida);
  if (tekstas.isEmpty()) return rezultatas;
  QFile skaitomas(tekstas);
  if (!skaitomas.open(QIODevice::ReadOnly)) {
    rezultatas.Klaida = QStringLiteral("Nepavyko nuskaityti „%1“.").arg(failas);
    return rezultatas;
  }
  QString turinys = QString::fromUtf8(skaitomas.readAll());
  turinys.remove(QChar(0xFEFF));
  turinys.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (turinys.endsWith(QLatin1Char('\n'))) turinys.chop(1);
  rezultatas.Pastraipos = turinys.split(QLatin1Char('\n'));
  return rezultatas;
}

NaujasDokumentas EksportuotiDokumenta(const QString& tekstas, const QString& katalogas) {
  NaujasDokumentas rezultatas;
  QTemporaryDir laikinas;
  const QString vardas =
      QStringLiteral("Kervosta-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QString txt = laikinas.filePath(vardas + QStringLiteral(".txt"));
  QFile rasomas(txt);
  if (!laikinas.isValid() || !rasomas.open(QIODevice::WriteOnly) ||
      rasomas.write(tekstas.toUtf8()) < 0 || !rasomas.flush()) {
    rezultatas.Klaida = QStringLiteral("Nepavyko parašyti laikino failo.");
    return rezultatas;
  }
  rasomas.close();
  const QString odt = Konvertuoti(
      txt, {QStringLiteral("--infilter=Text (encoded):UTF8"), QStringLiteral("--convert-to"),
            QStringLiteral("odt:writer8")},
      QStringLiteral("odt"), laikinas, rezultatas.Klaida);
  if (odt.isEmpty()) return rezultatas;
  // A fresh name: nothing the user already has is ever replaced.
  QDir().mkpath(katalogas);
  QString kelias = QDir(katalogas).filePath(vardas + QStringLiteral(".odt"));
  for (int n = 2; QFileInfo::exists(kelias); ++n)
    kelias = QDir(katalogas).filePath(QStringLiteral("%1-%2.odt").arg(vardas).arg(n));
  if (!QFile::copy(odt, kelias)) {
    rezultatas.Klaida = QStringLiteral("Nepavyko įrašyti „%1“.").arg(kelias);
    return rezultatas;
  }
  rezultatas.Kelias = kelias;
  return rezultatas;
}

}  // namespace kervosta
