// The dictionary windows from the main window: F6 and F7, a word added in the middle of a
// translation with correction, and dictionary changes kept however the program is left.
#include <QTableWidget>

#include "lexicon/zodyno_keitimas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

class ZodynoLangaiTest : public QObject {
  Q_OBJECT
 private slots:
  void komandosAtidaroLangusSuPazymetuZodziu() {
    RodomasLangas l;
    l.Anglai()->setPlainText(u"The bank is near."_s);
    QTextCursor zymeklis = l.Anglai()->textCursor();
    zymeklis.setPosition(4);
    zymeklis.setPosition(8, QTextCursor::KeepAnchor);
    l.Anglai()->setTextCursor(zymeklis);
    QString paieska, anglu;
    l.Dialogai.Langai = {
        [&](QDialog& langas) { paieska = LaukoTekstas(langas, "Edit1"); return 0; },
        [&](QDialog& langas) { anglu = LaukoTekstas(langas, "DaiktVienaskaita"); return 0; }};
    QTest::keyClick(&l.Langas, Qt::Key_F6);
    QCOMPARE(l.Langas.Busena().Zodynai.VartotojoRezimas, 0);
    QTest::keyClick(&l.Langas, Qt::Key_F7);
    QCOMPARE(l.Dialogai.Rodyta, (QStringList{u"Form3"_s, u"Form4"_s}));
    QCOMPARE(paieska, u"bank"_s);
    QCOMPARE(anglu, u"bank"_s);
    QCOMPARE(l.Langas.Busena().Zodynai.VartotojoRezimas, 1);
  }

  // The user meets an unknown word, adds it from the correction dialog, picks it, and finds it
  // again after leaving with "Pabaiga" and starting anew.
  void zodisPridetasVerciantLiekaKitamPaleidimui() {
    RodomasLangas l;
    l.Anglai()->setPlainText(u"Oak."_s);
    int kandidatu = -1;
    l.Dialogai.Langai = {
        [&](QDialog& zodis) {
          Paspausti(zodis, "BitBtn2");
          kandidatu = Valdiklis<QTableWidget>(zodis, "StringGrid1")->rowCount();
          Paspausti(zodis, "BitBtn1");
          return int(QDialog::Accepted);
        },
        [&](QDialog& redaktorius) {
          Valdiklis<QLineEdit>(redaktorius, "DaiktKamienas")->setText(u"ąžuol"_s);
          Paspausti(redaktorius, "BitBtn1");
          return int(QDialog::Rejected);
        }};
    QTest::keyClick(&l.Langas, Qt::Key_F5);
    QCOMPARE(l.Dialogai.Rodyta, (QStringList{u"Form7"_s, u"Form4"_s}));
    QCOMPARE(kandidatu, 1);
    QCOMPARE(l.Langas.LietuviuRedaktorius()->toPlainText(), u"Ąžuolas. "_s);
    QVERIFY(l.Langas.Busena().Zodynai.VartotojoPakeistas);

    QTest::keyClick(&l.Langas, Qt::Key_F10);
    QVERIFY(!l.Langas.isVisible());
    QCOMPARE(SkaitytiFaila(l.Katalogas.Kelias(u"Dictionaries/vartotojo.dic"_s)).size(), 460);
    QVERIFY(l.Dialogai.Klausta.isEmpty());

    ScenarijausDialogai dialogai;
    TForm1 kitas(&dialogai);
    QCOMPARE(kitas.Busena().Zodynai.VartotojoZodynas.Kiekis(), 1);
    kitas.AngluRedaktorius()->setPlainText(u"Oak."_s);
    kitas.VerstiAutomatiskai();
    QCOMPARE(kitas.LietuviuRedaktorius()->toPlainText(), u"Ąžuolas. "_s);
    QVERIFY(dialogai.Klaidos.isEmpty());
  }

  void uzdarantKitaipKlausiamaApieNeissaugotusZodynus() {
    RodomasLangas l;
    ZodynuRinkinys& zodynai = l.Langas.Busena().Zodynai;
    zodynai.PagrindinisPakeistas = true;
    zodynai.VartotojoPakeistas = true;
    l.Dialogai.Atsakymai = {Atsakymas::Atsaukti};
    l.Langas.close();
    QVERIFY(l.Langas.isVisible());
    QCOMPARE(l.Dialogai.Klausta, QStringList{u"Išsaugoti žodyną?"_s});

    l.Dialogai.Atsakymai = {Atsakymas::Taip, Atsakymas::Ne};
    l.Langas.close();
    QVERIFY(!l.Langas.isVisible());
    QCOMPARE(l.Dialogai.Klausta, (QStringList{u"Išsaugoti žodyną?"_s, u"Išsaugoti žodyną?"_s,
                                              u"Išsaugoti vartotojo žodyną?"_s}));
    QVERIFY(QFile::exists(l.Katalogas.Kelias(u"main.zod"_s)));
    QVERIFY(!QFile::exists(l.Katalogas.Kelias(u"Dictionaries/vartotojo.dic"_s)));
  }
};

QTEST_MAIN(ZodynoLangaiTest)
#include "zodyno_langai_test.moc"
