#include "app/qt_dialogai.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QUrl>

namespace kervosta {

namespace {
QMessageBox::StandardButton KlaustiTaipNeAtsaukti(QWidget* savininkas, const QString& tekstas) {
  return QMessageBox::question(savininkas, QApplication::applicationName(), tekstas,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                               QMessageBox::Yes);
}
}  // namespace

Atsakymas QtDialogai::KlaustiIssaugoti(const QString& failoVardas) {
  return Klausti(QStringLiteral("Išsaugoti %1?").arg(failoVardas));
}

Atsakymas QtDialogai::Klausti(const QString& tekstas) {
  switch (KlaustiTaipNeAtsaukti(savininkas_, tekstas)) {
    case QMessageBox::Yes: return Atsakymas::Taip;
    case QMessageBox::No: return Atsakymas::Ne;
    default: return Atsakymas::Atsaukti;
  }
}

bool QtDialogai::KlaustiPerrasyti(const QString& kelias) {
  return KlaustiTaipNeAtsaukti(savininkas_, QStringLiteral("OK perrašyti %1").arg(kelias)) ==
         QMessageBox::Yes;
}

std::optional<AtvertimoPasirinkimas> QtDialogai::PasirinktiAtverti(const QString& katalogas) {
  // Qt's own dialog, so that it can carry the read-only box.
  QFileDialog dialogas(savininkas_, QStringLiteral("Atverti"), katalogas);
  dialogas.setOption(QFileDialog::DontUseNativeDialog);
  dialogas.setFileMode(QFileDialog::ExistingFile);
  dialogas.setAcceptMode(QFileDialog::AcceptOpen);
  dialogas.setNameFilters({QStringLiteral("Rich Tekstas *.rtf (*.rtf *.RTF)"),
                           QStringLiteral("Tekstas *.txt (*.txt *.TXT)"),
                           QStringLiteral("Visi *.* (*)")});
  auto* tikSkaitymui = new QCheckBox(QStringLiteral("Atverti tik skaitymui"), &dialogas);
  tikSkaitymui->setObjectName(QStringLiteral("tikSkaitymui"));
  if (auto* tinklelis = qobject_cast<QGridLayout*>(dialogas.layout()))
    tinklelis->addWidget(tikSkaitymui, tinklelis->rowCount(), 0, 1, -1);
  if (dialogas.exec() != QDialog::Accepted || dialogas.selectedFiles().isEmpty()) return std::nullopt;
  return AtvertimoPasirinkimas{dialogas.selectedFiles().constFirst(), tikSkaitymui->isChecked()};
}

std::optional<QString> QtDialogai::PasirinktiIssaugoti(const QString& pradzia, bool tekstas) {
  QFileDialog dialogas(savininkas_, QStringLiteral("Saugoti kitu vardu"), pradzia);
  dialogas.setFileMode(QFileDialog::AnyFile);
  dialogas.setAcceptMode(QFileDialog::AcceptSave);
  // The overwrite question is the command's own.
  dialogas.setOption(QFileDialog::DontConfirmOverwrite);
  const QString rtf = QStringLiteral("Rich Tekstai (*.rtf *.RTF)");
  const QString txt = QStringLiteral("Tekstas (*.txt *.TXT)");
  dialogas.setNameFilters({rtf, txt, QStringLiteral("Bet koks (*)")});
  // A name typed without an extension gets the one of the type chosen, which decides the format.
  const auto tipas = [&dialogas, rtf, txt](const QString& filtras) {
    dialogas.setDefaultSuffix(filtras == rtf   ? QStringLiteral("rtf")
                              : filtras == txt ? QStringLiteral("txt")
                                               : QString());
  };
  QObject::connect(&dialogas, &QFileDialog::filterSelected, &dialogas, tipas);
  dialogas.selectNameFilter(tekstas ? txt : rtf);
  tipas(tekstas ? txt : rtf);
  if (dialogas.exec() != QDialog::Accepted || dialogas.selectedFiles().isEmpty()) return std::nullopt;
  return dialogas.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogai::PasirinktiSpalva(const QColor& dabartine) {
  const QColor spalva = QColorDialog::getColor(dabartine, savininkas_);
  if (!spalva.isValid()) return std::nullopt;
  return spalva;
}

std::optional<QFont> QtDialogai::PasirinktiSrifta(const QFont& dabartinis) {
  bool gerai = false;
  const QFont sriftas = QFontDialog::getFont(&gerai, dabartinis, savininkas_);
  if (!gerai) return std::nullopt;
  return sriftas;
}

void QtDialogai::RodytiKlaida(const QString& pranesimas) {
  QMessageBox::critical(savininkas_, QApplication::applicationName(), pranesimas);
}

void QtDialogai::Pranesti(const QString& antraste, const QString& tekstas) {
  QMessageBox::information(savininkas_, antraste, tekstas);
}

bool QtDialogai::KlaustiGerai(const QString& antraste, const QString& tekstas) {
  return QMessageBox::question(savininkas_, antraste, tekstas, QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

std::optional<QString> QtDialogai::PasirinktiZodyna(bool issaugoti, const QString& katalogas) {
  QFileDialog dialogas(savininkas_,
                       issaugoti ? QStringLiteral("Išsaugoti žodyną") : QStringLiteral("Užkrauti žodyną"),
                       katalogas);
  dialogas.setFileMode(issaugoti ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialogas.setAcceptMode(issaugoti ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialogas.setDefaultSuffix(QStringLiteral("dic"));
  dialogas.setNameFilter(QStringLiteral("Kervosta žodynai (*.dic)"));
  if (dialogas.exec() != QDialog::Accepted || dialogas.selectedFiles().isEmpty()) return std::nullopt;
  return dialogas.selectedFiles().constFirst();
}

int QtDialogai::Rodyti(QDialog& langas) { return langas.exec(); }

std::optional<QString> QtDialogai::PasirinktiDokumenta(const QString& katalogas) {
  const QString failas = QFileDialog::getOpenFileName(
      savininkas_, QStringLiteral("Importuoti dokumentą"), katalogas,
      QStringLiteral("Dokumentai (*.doc *.docx *.odt *.rtf);;Visi failai (*)"));
  if (failas.isEmpty()) return std::nullopt;
  return failas;
}

void QtDialogai::AtvertiIsoreje(const QString& failas) {
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(failas)))
    RodytiKlaida(QStringLiteral("Nepavyko atverti „%1“: nėra programos, kuri jį atvertų.").arg(failas));
}

}  // namespace kervosta
