// Document commands of the main window: new, open, save, save as, dropped and command-line
// files, printing, and the questions asked before text could be lost.
#include <QAction>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QTextEdit>
#include <QTest>

#include "app/pagrindinis_langas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;

namespace {
void RasytiFaila(const QString& kelias, const QByteArray& turinys) {
  QFile failas(kelias);
  QVERIFY(failas.open(QIODevice::WriteOnly));
  failas.write(turinys);
}

QByteArray SkaitytiFaila(const QString& kelias) {
  QFile failas(kelias);
  return failas.open(QIODevice::ReadOnly) ? failas.readAll() : QByteArray();
}

void Paleisti(QAction* veiksmas) { veiksmas->trigger(); }
}  // namespace

class DokumentaiTest : public QObject {
  Q_OBJECT
 private slots:
  void atvertimasPoKlausimo();
  void atvertimasILietuviuRedaktoriu();
  void taipBetNeissaugotaAtsaukiaAtverima();
  void saugojimasVisadaRtf();
  void perrasymoKlausimas();
  void nepavykeFailaiNiekoNekeicia();
  void naujasNeklausia();
  void numetamasTikPirmasFailas();
  void komandinesEilutesFailas();
  void uzdarantKlausiamaApieKiekvienaRedaktoriu();
  void spausdinimasIPdf();
};

void DokumentaiTest::atvertimasPoKlausimo() {
  LaikinasKatalogas katalogas;
  const QString kelias = katalogas.Kelias(QStringLiteral("laiskas.txt"));
  RasytiFaila(kelias, "Dear friend,\r\nhello.");
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("unsaved"));
  dialogai.Atverti = AtvertimoPasirinkimas{kelias, true};

  dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti};
  Paleisti(langas.findChild<QAction*>("Atverti"));
  QCOMPARE(dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("unsaved"));
  QVERIFY(langas.AngluDokumentas().Keistas());

  dialogai.IssaugotiAtsakymai = {Atsakymas::Ne};
  Paleisti(langas.findChild<QAction*>("Atverti"));
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("Dear friend,\nhello."));
  QCOMPARE(langas.AngluDokumentas().FailoVardas(), kelias);
  QCOMPARE(langas.windowTitle(), QStringLiteral("laiskas.txt - Kervosta"));
  QVERIFY(!langas.AngluDokumentas().Keistas());
  QVERIFY(langas.AngluRedaktorius()->isReadOnly());
  QCOMPARE(langas.BusenosTekstas(), QString());
  Paleisti(langas.findChild<QAction*>("Naujas"));
  QVERIFY(!langas.AngluRedaktorius()->isReadOnly());
}

void DokumentaiTest::atvertimasILietuviuRedaktoriu() {
  LaikinasKatalogas katalogas;
  const QString kelias = katalogas.Kelias(QStringLiteral("vertimas.txt"));
  RasytiFaila(kelias, "Labas r\xEBtas");  // Windows-1257 plain text
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  langas.LietuviuRedaktorius()->setFocus();
  QTRY_VERIFY(!langas.AnglaiAktyvus());
  dialogai.Atverti = AtvertimoPasirinkimas{kelias, false};
  Paleisti(langas.findChild<QAction*>("Atverti"));
  QCOMPARE(langas.LietuviuRedaktorius()->toPlainText(), QStringLiteral("Labas rytas").replace(7, 1, QChar(0x0117)));
  QCOMPARE(langas.LietuviuDokumentas().FailoVardas(), kelias);
  QCOMPARE(langas.windowTitle(), QStringLiteral("Bevardo - Kervosta"));
  QVERIFY(langas.AngluRedaktorius()->toPlainText().isEmpty());
}

// Answering Yes and then cancelling the save must not throw the text away.
void DokumentaiTest::taipBetNeissaugotaAtsaukiaAtverima() {
  LaikinasKatalogas katalogas;
  const QString kelias = katalogas.Kelias(QStringLiteral("kitas.txt"));
  RasytiFaila(kelias, "other");
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("precious"));
  dialogai.IssaugotiAtsakymai = {Atsakymas::Taip};
  dialogai.Atverti = AtvertimoPasirinkimas{kelias, false};
  Paleisti(langas.findChild<QAction*>("Atverti"));
  QCOMPARE(dialogai.IssaugotiKartai, 1);
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("precious"));
  QVERIFY(langas.AngluDokumentas().Keistas());

  // Yes with a file to save to: saved first, then opened.
  const QString issaugotas = katalogas.Kelias(QStringLiteral("precious.rtf"));
  dialogai.IssaugotiAtsakymai = {Atsakymas::Taip};
  dialogai.Issaugoti = issaugotas;
  Paleisti(langas.findChild<QAction*>("Atverti"));
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("other"));
  QVERIFY(SkaitytiFaila(issaugotas).contains("precious"));
}

void DokumentaiTest::saugojimasVisadaRtf() {
  LaikinasKatalogas katalogas;
  const QString kelias = katalogas.Kelias(QStringLiteral("tekstas.txt"));
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  Rasyti(langas.AngluRedaktorius(), QStringLiteral("Žąsis ėda.\nAntra eilutė"));
  dialogai.Issaugoti = kelias;

  Paleisti(langas.findChild<QAction*>("Saugoti"));  // still "Bevardo": asks for a name
  QCOMPARE(dialogai.IssaugotiKartai, 1);
  QVERIFY(SkaitytiFaila(kelias).startsWith("{\\rtf"));
  QCOMPARE(langas.AngluDokumentas().FailoVardas(), kelias);
  QCOMPARE(langas.windowTitle(), QStringLiteral("tekstas.txt - Kervosta"));
  QVERIFY(!langas.AngluDokumentas().Keistas());
  QCOMPARE(langas.BusenosTekstas(), QString());

  Rasyti(langas.AngluRedaktorius(), QStringLiteral("!"));
  Paleisti(langas.findChild<QAction*>("Saugoti"));  // has a name now: no question
  QCOMPARE(dialogai.IssaugotiKartai, 1);
  QVERIFY(dialogai.KlaustaPerrasyti.isEmpty());

  TForm1 kitas(&dialogai);
  kitas.AngluDokumentas().Ikelti(kelias);
  QCOMPARE(kitas.AngluRedaktorius()->toPlainText(), langas.AngluRedaktorius()->toPlainText());
}

void DokumentaiTest::perrasymoKlausimas() {
  LaikinasKatalogas katalogas;
  const QString kelias = katalogas.Kelias(QStringLiteral("yra.rtf"));
  RasytiFaila(kelias, "old");
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("new"));
  dialogai.Issaugoti = kelias;
  dialogai.Perrasyti = false;
  Paleisti(langas.findChild<QAction*>("SaugotiKaip"));
  QCOMPARE(dialogai.KlaustaPerrasyti, QStringList{kelias});
  QCOMPARE(SkaitytiFaila(kelias), QByteArray("old"));
  QVERIFY(langas.AngluDokumentas().Bevardis());

  dialogai.Perrasyti = true;
  Paleisti(langas.findChild<QAction*>("SaugotiKaip"));
  QVERIFY(SkaitytiFaila(kelias).contains("new"));
}

void DokumentaiTest::nepavykeFailaiNiekoNekeicia() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  dialogai.Klaidos.clear();
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("kept"));

  dialogai.Atverti = AtvertimoPasirinkimas{katalogas.Kelias(QStringLiteral("nera.txt")), false};
  Paleisti(langas.findChild<QAction*>("Atverti"));
  QCOMPARE(dialogai.Klaidos.size(), 1);
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("kept"));
  QVERIFY(langas.AngluDokumentas().Bevardis());
  QVERIFY(langas.AngluDokumentas().Keistas());

  dialogai.Issaugoti = katalogas.Kelias(QStringLiteral("nera/katalogo.rtf"));
  Paleisti(langas.findChild<QAction*>("SaugotiKaip"));
  QCOMPARE(dialogai.Klaidos.size(), 2);
  QVERIFY(langas.AngluDokumentas().Bevardis());
  QVERIFY(langas.AngluDokumentas().Keistas());
}

void DokumentaiTest::naujasNeklausia() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("discarded"));
  Paleisti(langas.findChild<QAction*>("Naujas"));
  QVERIFY(dialogai.KlaustaIssaugoti.isEmpty());
  QVERIFY(langas.AngluRedaktorius()->toPlainText().isEmpty());
  QVERIFY(!langas.AngluDokumentas().Keistas());
  QCOMPARE(langas.windowTitle(), QStringLiteral("Bevardo - Kervosta"));
}

void DokumentaiTest::numetamasTikPirmasFailas() {
  LaikinasKatalogas katalogas;
  QList<QUrl> failai;
  for (const char* vardas : {"pirmas.txt", "antras.txt", "trecias.txt"}) {
    const QString kelias = katalogas.Kelias(QString::fromLatin1(vardas));
    RasytiFaila(kelias, vardas);
    failai.append(QUrl::fromLocalFile(kelias));
  }
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("typed"));

  QMimeData duomenys;
  duomenys.setUrls(failai);
  QWidget* tikslas = langas.AngluRedaktorius()->viewport();
  QDragEnterEvent iejimas(QPoint(5, 5), Qt::CopyAction, &duomenys, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(tikslas, &iejimas);
  QVERIFY(iejimas.isAccepted());
  QDropEvent numetimas(QPointF(5, 5), Qt::CopyAction, &duomenys, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(tikslas, &numetimas);

  QCOMPARE(dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("pirmas.txt"));
  QCOMPARE(langas.windowTitle(), QStringLiteral("pirmas.txt - Kervosta"));
}

void DokumentaiTest::komandinesEilutesFailas() {
  LaikinasKatalogas katalogas;
  const QString kelias = katalogas.Kelias(QStringLiteral("pradinis.txt"));
  RasytiFaila(kelias, "From the command line.");
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai, kelias);
  QVERIFY(langas.AngluRedaktorius()->toPlainText().isEmpty());
  langas.show();
  QCOMPARE(langas.AngluRedaktorius()->toPlainText(), QStringLiteral("From the command line."));
  QCOMPARE(langas.windowTitle(), QStringLiteral("pradinis.txt - Kervosta"));
}

void DokumentaiTest::uzdarantKlausiamaApieKiekvienaRedaktoriu() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("English"));
  langas.LietuviuRedaktorius()->insertPlainText(QStringLiteral("Lietuviškai"));

  dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti};
  QVERIFY(!langas.close());
  QVERIFY(langas.isVisible());
  QCOMPARE(dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});

  const QString kelias = katalogas.Kelias(QStringLiteral("english.rtf"));
  dialogai.KlaustaIssaugoti.clear();
  dialogai.IssaugotiAtsakymai = {Atsakymas::Taip, Atsakymas::Ne};
  dialogai.Issaugoti = kelias;
  QVERIFY(langas.close());
  QCOMPARE(dialogai.KlaustaIssaugoti, (QStringList{"Bevardo", "Bevardo"}));
  QVERIFY(SkaitytiFaila(kelias).contains("English"));
}

void DokumentaiTest::spausdinimasIPdf() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.AngluRedaktorius()->insertPlainText(QStringLiteral("Spausdinamas tekstas"));
  QPrinter spausdintuvas;
  spausdintuvas.setOutputFormat(QPrinter::PdfFormat);
  const QString kelias = katalogas.Kelias(QStringLiteral("spauda.pdf"));
  spausdintuvas.setOutputFileName(kelias);
  langas.Spausdinti(spausdintuvas);
  QCOMPARE(spausdintuvas.docName(), QStringLiteral("Bevardo"));
  QVERIFY(SkaitytiFaila(kelias).startsWith("%PDF"));
}

QTEST_MAIN(DokumentaiTest)
#include "dokumentai_test.moc"
