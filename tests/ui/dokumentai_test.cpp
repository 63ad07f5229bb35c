// Document commands of the main window: open, save and save as, and the questions asked before
// text could be lost, each answered through the scripted dialogs.
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;

class DokumentaiTest : public QObject {
  Q_OBJECT
 private slots:
  void atvertimasPoKlausimo();
  void atvertimasILietuviuRedaktoriu();
  void saugojimasRtfIrAtgal();
  void perrasymoKlausimas();
  void nepavykeFailaiNiekoNekeicia();
  void uzdarantKlausiamaApieKiekvienaRedaktoriu();
};

void DokumentaiTest::atvertimasPoKlausimo() {
  RodomasLangas l;
  const QString kelias = l.Katalogas.Kelias(QStringLiteral("laiskas.txt"));
  RasytiFaila(kelias, "Dear friend,\r\nhello.");
  l.Langas.AngluRedaktorius()->insertPlainText(QStringLiteral("unsaved"));
  l.Dialogai.Atverti = AtvertimoPasirinkimas{kelias, true};

  // Cancel, and Yes with the save cancelled, both keep the text.
  l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti, Atsakymas::Taip};
  l.Komanda("Atverti");
  l.Komanda("Atverti");
  QCOMPARE(l.Dialogai.KlaustaIssaugoti, (QStringList{"Bevardo", "Bevardo"}));
  QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
  QCOMPARE(l.Anglu(), QStringLiteral("unsaved"));
  QVERIFY(l.Langas.AngluDokumentas().Keistas());

  // Yes with a file to save to: saved first, then opened, read-only as asked.
  const QString issaugotas = l.Katalogas.Kelias(QStringLiteral("unsaved.rtf"));
  l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Taip};
  l.Dialogai.Issaugoti = issaugotas;
  l.Komanda("Atverti");
  QVERIFY(SkaitytiFaila(issaugotas).contains("unsaved"));
  QCOMPARE(l.Anglu(), QStringLiteral("Dear friend,\nhello."));
  QCOMPARE(l.Langas.windowTitle(), QStringLiteral("laiskas.txt - Kervosta"));
  QVERIFY(!l.Langas.AngluDokumentas().Keistas());
  QVERIFY(l.Langas.AngluRedaktorius()->isReadOnly());

  // New asks nothing, and makes the editor writable again.
  l.Dialogai.KlaustaIssaugoti.clear();
  l.Langas.AngluRedaktorius()->insertPlainText(QStringLiteral("discarded"));
  l.Komanda("Naujas");
  QVERIFY(l.Dialogai.KlaustaIssaugoti.isEmpty());
  QVERIFY(l.Anglu().isEmpty());
  QVERIFY(!l.Langas.AngluRedaktorius()->isReadOnly());
  QCOMPARE(l.Langas.windowTitle(), QStringLiteral("Bevardo - Kervosta"));

  // Of several dropped files only the first is opened, after the same question.
  const QString antras = l.Katalogas.Kelias(QStringLiteral("antras.txt"));
  RasytiFaila(antras, "second");
  l.Langas.AngluRedaktorius()->insertPlainText(QStringLiteral("typed"));
  l.Langas.PriimtiFailus({QUrl::fromLocalFile(kelias), QUrl::fromLocalFile(antras)});
  QCOMPARE(l.Dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});
  QCOMPARE(l.Anglu(), QStringLiteral("Dear friend,\nhello."));
}

void DokumentaiTest::atvertimasILietuviuRedaktoriu() {
  RodomasLangas l;
  const QString kelias = l.Katalogas.Kelias(QStringLiteral("vertimas.txt"));
  RasytiFaila(kelias, "Labas r\xEBtas");  // Windows-1257 plain text
  l.Langas.LietuviuRedaktorius()->setFocus();
  QTRY_VERIFY(!l.Langas.AnglaiAktyvus());
  l.Dialogai.Atverti = AtvertimoPasirinkimas{kelias, false};
  l.Komanda("Atverti");
  QCOMPARE(l.Langas.LietuviuRedaktorius()->toPlainText(), QStringLiteral("Labas rėtas"));
  QCOMPARE(l.Langas.LietuviuDokumentas().FailoVardas(), kelias);
  QCOMPARE(l.Langas.windowTitle(), QStringLiteral("Bevardo - Kervosta"));
  QVERIFY(l.Anglu().isEmpty());
}

// Saving always writes RTF; typed Lithuanian comes back from the file letter for letter.
void DokumentaiTest::saugojimasRtfIrAtgal() {
  RodomasLangas l;
  const QString kelias = l.Katalogas.Kelias(QStringLiteral("tekstas.txt"));
  Rasyti(l.Langas.AngluRedaktorius(), QStringLiteral("Žąsis ėda.\nAntra eilutė"));
  l.Dialogai.Issaugoti = kelias;

  l.Komanda("Saugoti");  // still "Bevardo": asks for a name
  QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
  QVERIFY(SkaitytiFaila(kelias).startsWith("{\\rtf"));
  QCOMPARE(l.Langas.windowTitle(), QStringLiteral("tekstas.txt - Kervosta"));
  QVERIFY(!l.Langas.AngluDokumentas().Keistas());

  Rasyti(l.Langas.AngluRedaktorius(), QStringLiteral("!"));
  l.Komanda("Saugoti");  // has a name now: no question
  QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
  QVERIFY(l.Dialogai.KlaustaPerrasyti.isEmpty());

  TForm1 kitas(&l.Dialogai);
  kitas.AngluDokumentas().Ikelti(kelias);
  QCOMPARE(kitas.AngluRedaktorius()->toPlainText(), QStringLiteral("Žąsis ėda.\nAntra eilutė!"));
}

void DokumentaiTest::perrasymoKlausimas() {
  RodomasLangas l;
  const QString kelias = l.Katalogas.Kelias(QStringLiteral("yra.rtf"));
  RasytiFaila(kelias, "old");
  l.Langas.AngluRedaktorius()->insertPlainText(QStringLiteral("new"));
  l.Dialogai.Issaugoti = kelias;
  l.Dialogai.Perrasyti = false;
  l.Komanda("SaugotiKaip");
  QCOMPARE(l.Dialogai.KlaustaPerrasyti, QStringList{kelias});
  QCOMPARE(SkaitytiFaila(kelias), QByteArray("old"));
  QVERIFY(l.Langas.AngluDokumentas().Bevardis());

  l.Dialogai.Perrasyti = true;
  l.Komanda("SaugotiKaip");
  QVERIFY(SkaitytiFaila(kelias).contains("new"));
}

void DokumentaiTest::nepavykeFailaiNiekoNekeicia() {
  RodomasLangas l;
  l.Langas.AngluRedaktorius()->insertPlainText(QStringLiteral("kept"));
  l.Dialogai.Atverti = AtvertimoPasirinkimas{l.Katalogas.Kelias(QStringLiteral("nera.txt")), false};
  l.Komanda("Atverti");
  l.Dialogai.Issaugoti = l.Katalogas.Kelias(QStringLiteral("nera/katalogo.rtf"));
  l.Komanda("SaugotiKaip");
  QCOMPARE(l.Dialogai.Klaidos.size(), 2);
  QCOMPARE(l.Anglu(), QStringLiteral("kept"));
  QVERIFY(l.Langas.AngluDokumentas().Bevardis());
  QVERIFY(l.Langas.AngluDokumentas().Keistas());
}

void DokumentaiTest::uzdarantKlausiamaApieKiekvienaRedaktoriu() {
  RodomasLangas l;
  l.Langas.AngluRedaktorius()->insertPlainText(QStringLiteral("English"));
  l.Langas.LietuviuRedaktorius()->insertPlainText(QStringLiteral("Lietuviškai"));

  l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti};
  QVERIFY(!l.Langas.close());
  QVERIFY(l.Langas.isVisible());
  QCOMPARE(l.Dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});

  const QString kelias = l.Katalogas.Kelias(QStringLiteral("english.rtf"));
  l.Dialogai.KlaustaIssaugoti.clear();
  l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Taip, Atsakymas::Ne};
  l.Dialogai.Issaugoti = kelias;
  QVERIFY(l.Langas.close());
  QCOMPARE(l.Dialogai.KlaustaIssaugoti, (QStringList{"Bevardo", "Bevardo"}));
  QVERIFY(SkaitytiFaila(kelias).contains("English"));
}

QTEST_MAIN(DokumentaiTest)
#include "dokumentai_test.moc"
