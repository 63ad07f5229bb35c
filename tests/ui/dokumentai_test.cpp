// Document commands of the main window: open, save and save as, and the questions asked before
// text could be lost, each answered through the scripted dialogs.
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

class DokumentaiTest : public QObject {
  Q_OBJECT
 private slots:
  void atvertimasPoKlausimo() {
    RodomasLangas l;
    const QString kelias = l.Katalogas.Kelias(u"laiskas.txt"_s);
    RasytiFaila(kelias, "Dear friend,\r\nhello.");
    l.Anglai()->insertPlainText(u"unsaved"_s);
    l.Dialogai.Atverti = AtvertimoPasirinkimas{kelias, true};

    // Cancel, and Yes with the save cancelled, both keep the text.
    l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti, Atsakymas::Taip};
    l.Komanda("Atverti");
    l.Komanda("Atverti");
    QCOMPARE(l.Dialogai.KlaustaIssaugoti, (QStringList{"Bevardo", "Bevardo"}));
    QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
    QCOMPARE(l.Anglu(), u"unsaved"_s);
    QVERIFY(l.Langas.AngluDokumentas().Keistas());

    // Yes with a file to save to: saved first, then opened, read-only as asked.
    const QString issaugotas = l.Katalogas.Kelias(u"unsaved.rtf"_s);
    l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Taip};
    l.Dialogai.Issaugoti = issaugotas;
    l.Komanda("Atverti");
    QVERIFY(SkaitytiFaila(issaugotas).contains("unsaved"));
    QCOMPARE(l.Anglu(), u"Dear friend,\nhello."_s);
    QCOMPARE(l.Langas.windowTitle(), u"laiskas.txt - Kervosta"_s);
    QVERIFY(!l.Langas.AngluDokumentas().Keistas());
    QVERIFY(l.Anglai()->isReadOnly());

    // New asks nothing, and makes the editor writable again.
    l.Dialogai.KlaustaIssaugoti.clear();
    l.Anglai()->insertPlainText(u"discarded"_s);
    l.Komanda("Naujas");
    QVERIFY(l.Dialogai.KlaustaIssaugoti.isEmpty());
    QVERIFY(l.Anglu().isEmpty());
    QVERIFY(!l.Anglai()->isReadOnly());
    QCOMPARE(l.Langas.windowTitle(), u"Bevardo - Kervosta"_s);

    // Of several dropped files only the first is opened, after the same question.
    const QString antras = l.Katalogas.Kelias(u"antras.txt"_s);
    RasytiFaila(antras, "second");
    l.Anglai()->insertPlainText(u"typed"_s);
    l.Langas.PriimtiFailus({QUrl::fromLocalFile(kelias), QUrl::fromLocalFile(antras)});
    QCOMPARE(l.Dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});
    QCOMPARE(l.Anglu(), u"Dear friend,\nhello."_s);
  }

  void atvertimasILietuviuRedaktoriu() {
    RodomasLangas l;
    const QString kelias = l.Katalogas.Kelias(u"vertimas.txt"_s);
    RasytiFaila(kelias, "Labas r\xEBtas");  // Windows-1257 plain text
    l.Langas.LietuviuRedaktorius()->setFocus();
    QTRY_VERIFY(!l.Langas.AnglaiAktyvus());
    l.Dialogai.Atverti = AtvertimoPasirinkimas{kelias, false};
    l.Komanda("Atverti");
    QCOMPARE(l.Langas.LietuviuRedaktorius()->toPlainText(), u"Labas rėtas"_s);
    QCOMPARE(l.Langas.LietuviuDokumentas().FailoVardas(), kelias);
    QCOMPARE(l.Langas.windowTitle(), u"Bevardo - Kervosta"_s);
    QVERIFY(l.Anglu().isEmpty());
  }

  // Saving always writes RTF; typed Lithuanian comes back from the file letter for letter.
  void saugojimasRtfIrAtgal() {
    RodomasLangas l;
    const QString kelias = l.Katalogas.Kelias(u"tekstas.txt"_s);
    Rasyti(l.Anglai(), u"Žąsis ėda.\nAntra eilutė"_s);
    l.Dialogai.Issaugoti = kelias;

    l.Komanda("Saugoti");  // still "Bevardo": asks for a name
    QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
    QVERIFY(SkaitytiFaila(kelias).startsWith("{\\rtf"));
    QCOMPARE(l.Langas.windowTitle(), u"tekstas.txt - Kervosta"_s);
    QVERIFY(!l.Langas.AngluDokumentas().Keistas());

    Rasyti(l.Anglai(), u"!"_s);
    l.Komanda("Saugoti");  // has a name now: no question
    QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
    QVERIFY(l.Dialogai.KlaustaPerrasyti.isEmpty());

    TForm1 kitas(&l.Dialogai);
    kitas.AngluDokumentas().Ikelti(kelias);
    QCOMPARE(kitas.AngluRedaktorius()->toPlainText(), u"Žąsis ėda.\nAntra eilutė!"_s);
  }

  void perrasymoKlausimas() {
    RodomasLangas l;
    const QString kelias = l.Katalogas.Kelias(u"yra.rtf"_s);
    RasytiFaila(kelias, "old");
    l.Anglai()->insertPlainText(u"new"_s);
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

  void nepavykeFailaiNiekoNekeicia() {
    RodomasLangas l;
    l.Anglai()->insertPlainText(u"kept"_s);
    l.Dialogai.Atverti = AtvertimoPasirinkimas{l.Katalogas.Kelias(u"nera.txt"_s), false};
    l.Komanda("Atverti");
    l.Dialogai.Issaugoti = l.Katalogas.Kelias(u"nera/katalogo.rtf"_s);
    l.Komanda("SaugotiKaip");
    QCOMPARE(l.Dialogai.Klaidos.size(), 2);
    QCOMPARE(l.Anglu(), u"kept"_s);
    QVERIFY(l.Langas.AngluDokumentas().Bevardis());
    QVERIFY(l.Langas.AngluDokumentas().Keistas());
  }

  void uzdarantKlausiamaApieKiekvienaRedaktoriu() {
    RodomasLangas l;
    l.Anglai()->insertPlainText(u"English"_s);
    l.Langas.LietuviuRedaktorius()->insertPlainText(u"Lietuviškai"_s);
    l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti};
    QVERIFY(!l.Langas.close());
    QCOMPARE(l.Dialogai.KlaustaIssaugoti, QStringList{"Bevardo"});

    const QString kelias = l.Katalogas.Kelias(u"english.rtf"_s);
    l.Dialogai.KlaustaIssaugoti.clear();
    l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Taip, Atsakymas::Ne};
    l.Dialogai.Issaugoti = kelias;
    QVERIFY(l.Langas.close());
    QCOMPARE(l.Dialogai.KlaustaIssaugoti, (QStringList{"Bevardo", "Bevardo"}));
    QVERIFY(SkaitytiFaila(kelias).contains("English"));
  }
};

QTEST_MAIN(DokumentaiTest)
#include "dokumentai_test.moc"
