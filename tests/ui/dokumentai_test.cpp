// Document commands of the main window: open, save and save as, and the questions asked before
// text could be lost, each answered through the scripted dialogs.
#include <QMenu>
#include <QStandardPaths>

#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {
// The files "Paskutiniai failai" lists as it opens, newest first.
QStringList Paskutiniai(TForm1& langas) {
  auto* meniu = langas.findChild<QMenu*>(u"PaskutiniaiFailai"_s);
  emit meniu->aboutToShow();
  QStringList failai;
  for (const QAction* veiksmas : meniu->actions())
    if (veiksmas->objectName().startsWith(u"Paskutinis"_s)) failai << veiksmas->toolTip();
  return failai;
}

void AtvertiPaskutini(TForm1& langas, int numeris) {
  emit langas.findChild<QMenu*>(u"PaskutiniaiFailai"_s)->aboutToShow();
  langas.findChild<QAction*>(u"Paskutinis%1"_s.arg(numeris))->trigger();
}
}  // namespace

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

    // New asks before typed text is lost (it once discarded it), and makes the editor writable
    // again.
    l.Dialogai.KlaustaIssaugoti.clear();
    l.Anglai()->insertPlainText(u"typed"_s);
    l.Dialogai.IssaugotiAtsakymai = {Atsakymas::Atsaukti, Atsakymas::Ne};
    l.Komanda("Naujas");
    QVERIFY(l.Anglu().contains(u"typed"_s));
    l.Komanda("Naujas");
    QCOMPARE(l.Dialogai.KlaustaIssaugoti, (QStringList{kelias, kelias}));
    l.Dialogai.KlaustaIssaugoti.clear();
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

  // The name chosen decides what a new document becomes: RTF, or plain UTF-8 text for .txt.
  // Typed Lithuanian comes back from either letter for letter.
  void saugojimasPagalVarda() {
    RodomasLangas l;
    const QString rtf = l.Katalogas.Kelias(u"tekstas.rtf"_s);
    const QString txt = l.Katalogas.Kelias(u"tekstas.txt"_s);
    Rasyti(l.Anglai(), u"Žąsis ėda.\nAntra eilutė"_s);
    l.Dialogai.Issaugoti = rtf;

    l.Komanda("Saugoti");  // still "Bevardo": asks for a name
    QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
    QVERIFY(!l.Dialogai.IssaugotiTekstu);
    QVERIFY(SkaitytiFaila(rtf).startsWith("{\\rtf"));
    QCOMPARE(l.Langas.windowTitle(), u"tekstas.rtf - Kervosta"_s);
    QVERIFY(!l.Langas.AngluDokumentas().Keistas());

    Rasyti(l.Anglai(), u"!"_s);
    l.Komanda("Saugoti");  // has a name now: no question
    QCOMPARE(l.Dialogai.IssaugotiKartai, 1);
    QVERIFY(l.Dialogai.KlaustaPerrasyti.isEmpty());

    l.Dialogai.Issaugoti = txt;
    l.Komanda("SaugotiKaip");
    QCOMPARE(l.Dialogai.IssaugotiNuo, rtf);  // the dialog starts at the document's own file
    QCOMPARE(SkaitytiFaila(txt), u"Žąsis ėda.\nAntra eilutė!"_s.toUtf8());
    QVERIFY(l.Dialogai.KlaustaGerai.isEmpty());  // nothing to lose

    for (const QString& kelias : {rtf, txt}) {
      TForm1 kitas(&l.Dialogai);
      kitas.AngluDokumentas().Ikelti(kelias);
      QCOMPARE(kitas.AngluRedaktorius()->toPlainText(), u"Žąsis ėda.\nAntra eilutė!"_s);
    }
  }

  // A plain UTF-8 file without a byte-order mark opened as mojibake, and saving made it
  // permanent; opened and saved, it must keep every byte.
  void utf8FailasIssaugomasBaitasIBaita() {
    RodomasLangas l;
    const QString kelias = l.Katalogas.Kelias(u"ąžuolas.txt"_s);
    const QByteArray baitai = u"Ąžuolas\u00A0auga.\r\n\tŠaknys gilios.\r\n"_s.toUtf8();
    RasytiFaila(kelias, baitai);
    l.Dialogai.Atverti = AtvertimoPasirinkimas{kelias, false};
    l.Komanda("Atverti");
    QCOMPARE(l.Anglu(), u"Ąžuolas auga.\n\tŠaknys gilios.\n"_s);
    l.Anglai()->document()->setModified(true);
    l.Komanda("Saugoti");
    QCOMPARE(SkaitytiFaila(kelias), baitai);
  }

  // Ctrl+S on a document opened from a .txt file once replaced it with RTF markup.
  void tekstinisFailasLiekaTekstu() {
    RodomasLangas l;
    const QString kelias = l.Katalogas.Kelias(u"baltu.txt"_s);
    RasytiFaila(kelias, "\xDEodis");  // "Žodis" in Windows-1257
    l.Dialogai.Atverti = AtvertimoPasirinkimas{kelias, false};
    l.Komanda("Atverti");
    QTextCursor pabaiga = l.Anglai()->textCursor();
    pabaiga.movePosition(QTextCursor::End);
    l.Anglai()->setTextCursor(pabaiga);
    Rasyti(l.Anglai(), u" ė"_s);
    l.Komanda("Saugoti");
    QCOMPARE(SkaitytiFaila(kelias), QByteArray("\xDEodis \xEB"));
    QVERIFY(l.Dialogai.KlaustaGerai.isEmpty());

    // Formatting that plain text cannot keep is asked about; declined, the file stays.
    l.Anglai()->selectAll();
    l.Komanda("Pusjuodis");
    l.Dialogai.GeraiAtsakymai = {false};
    l.Komanda("Saugoti");
    QCOMPARE(l.Dialogai.KlaustaGerai.size(), 1);
    QCOMPARE(SkaitytiFaila(kelias), QByteArray("\xDEodis \xEB"));
    QVERIFY(l.Langas.AngluDokumentas().Keistas());

    // A letter the Baltic code page lacks: the file becomes UTF-8 rather than lose it.
    l.Anglai()->document()->setPlainText(u"Žodis 日本"_s);
    l.Komanda("Saugoti");
    QCOMPARE(l.Dialogai.KlaustaGerai.size(), 2);
    QVERIFY(l.Dialogai.KlaustaGerai.last().contains(u"UTF-8"_s));
    QCOMPARE(SkaitytiFaila(kelias), u"Žodis 日本"_s.toUtf8());
    QCOMPARE(l.Langas.AngluDokumentas().Formatas().Rusis, FailoRusis::Utf8);
  }

  // After New or Open of another English text, Save once wrote the new translation over the
  // file of the earlier one without asking.
  void lietuviuFailoVardasPoNaujoIrAtvertimo() {
    RodomasLangas l;
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    const QString vertimas = l.Katalogas.Kelias(u"vertimas.rtf"_s);
    const QString kitas = l.Katalogas.Kelias(u"kitas.txt"_s);
    RasytiFaila(kitas, "Another text.");
    const auto issaugotiVertima = [&] {
      lietuviu->setPlainText(u"Pirmasis vertimas"_s);
      l.Langas.LietuviuDokumentas().Irasyti(vertimas, {});
      QCOMPARE(l.Langas.LietuviuDokumentas().FailoVardas(), vertimas);
    };
    issaugotiVertima();
    const QByteArray issaugotas = SkaitytiFaila(vertimas);

    const std::function<void()> naujiAngliskiTekstai[] = {
        [&] { l.Komanda("Naujas"); },
        [&] {
          l.Dialogai.Atverti = AtvertimoPasirinkimas{kitas, false};
          l.Komanda("Atverti");
        },
        [&] { l.Langas.PriimtiFailus({QUrl::fromLocalFile(kitas)}); },
    };
    for (const auto& naujas : naujiAngliskiTekstai) {
      issaugotiVertima();
      l.Anglai()->setFocus();
      QTRY_VERIFY(l.Langas.AnglaiAktyvus());
      naujas();
      QVERIFY(l.Langas.LietuviuDokumentas().Bevardis());
      lietuviu->setFocus();
      QTRY_VERIFY(!l.Langas.AnglaiAktyvus());
      lietuviu->setPlainText(u"Antrasis vertimas"_s);
      const int kartai = l.Dialogai.IssaugotiKartai;
      l.Komanda("Saugoti");
      QCOMPARE(l.Dialogai.IssaugotiKartai, kartai + 1);  // a name is asked for
      QCOMPARE(SkaitytiFaila(vertimas), issaugotas);
    }
  }
  // The dialogs once always started in the program's hidden folder. They start in the folder
  // used last, else the documents folder; the files opened and saved are listed newest first in
  // "Paskutiniai failai", in this run and the next.
  void paskutiniaiFailaiIrKatalogas() {
    RodomasLangas l;
    const QString dokumentai = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    l.Komanda("Atverti");
    QCOMPARE(l.Dialogai.AtvertiNuo, QFileInfo(dokumentai).isDir() ? dokumentai : QDir::homePath());
    QVERIFY(Paskutiniai(l.Langas).isEmpty());

    QVERIFY(QDir(l.Katalogas.Katalogas.path()).mkdir(u"aplankas"_s));
    const QString a = l.Katalogas.Kelias(u"aplankas/a.txt"_s);
    const QString b = l.Katalogas.Kelias(u"b.txt"_s);
    RasytiFaila(a, "Text A.");
    RasytiFaila(b, "Text B.");
    l.Dialogai.Atverti = AtvertimoPasirinkimas{a, false};
    l.Komanda("Atverti");
    l.Komanda("SaugotiKaip");
    QCOMPARE(l.Dialogai.IssaugotiNuo, a);
    l.Komanda("Naujas");
    l.Komanda("SaugotiKaip");
    QCOMPARE(l.Dialogai.IssaugotiNuo, QFileInfo(a).absolutePath());
    l.Langas.PriimtiFailus({QUrl::fromLocalFile(b)});
    l.Dialogai.Atverti.reset();
    l.Komanda("Atverti");
    QCOMPARE(l.Dialogai.AtvertiNuo, QFileInfo(b).absolutePath());
    QCOMPARE(Paskutiniai(l.Langas), (QStringList{b, a}));

    AtvertiPaskutini(l.Langas, 2);
    QCOMPARE(l.Anglu(), u"Text A."_s);
    QCOMPARE(Paskutiniai(l.Langas), (QStringList{a, b}));

    // A file that is gone is reported and leaves the list.
    QFile::remove(b);
    AtvertiPaskutini(l.Langas, 2);
    QCOMPARE(l.Dialogai.Klaidos.size(), 1);
    QCOMPARE(l.Anglu(), u"Text A."_s);
    QCOMPARE(Paskutiniai(l.Langas), QStringList{a});

    ScenarijausDialogai dialogai;
    TForm1 kitas(&dialogai);
    QCOMPARE(Paskutiniai(kitas), QStringList{a});
    kitas.findChild<QAction*>(u"IsvalytiPaskutinius"_s)->trigger();
    QVERIFY(Paskutiniai(kitas).isEmpty());
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
