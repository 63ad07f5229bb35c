// The toolbar and status line that follow the caret of the active editor, and find.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextList>

#include "app/paieskos_dialogas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;

namespace {
void Pazymeti(QTextEdit* redaktorius, int nuo, int iki) {
  QTextCursor zymeklis = redaktorius->textCursor();
  zymeklis.setPosition(nuo);
  zymeklis.setPosition(iki, QTextCursor::KeepAnchor);
  redaktorius->setTextCursor(zymeklis);
}

QTextCharFormat Formatas(QTextEdit* redaktorius, int pozicija) {
  QTextCursor zymeklis(redaktorius->document());
  zymeklis.setPosition(pozicija);
  return zymeklis.charFormat();
}
}  // namespace

class FormatavimasTest : public QObject {
  Q_OBJECT
 private slots:
  void irankineSekaZymekli() {
    RodomasLangas l;
    QTextEdit* redaktorius = l.Anglai();
    QTextDocument* dokumentas = redaktorius->document();
    QAction* pusjuodis = l.Veiksmas("Pusjuodis");
    auto* dydis = l.Langas.findChild<QSpinBox*>("FontSize");
    // Nothing has changed at start-up: the status line shows the caret, not "Keistas".
    QCOMPARE(l.Langas.BusenosTekstas(), QStringLiteral("Eilutė:   1   Stulpelis:   1"));
    Rasyti(redaktorius, QStringLiteral("plain bold\nsecond"));
    QCOMPARE(l.Langas.BusenosTekstas(), QStringLiteral("Keistas"));

    // The buttons format the selection only.
    Pazymeti(redaktorius, 6, 10);
    pusjuodis->trigger();
    dydis->setValue(20);
    QCOMPARE(Formatas(redaktorius, 8).fontWeight(), static_cast<int>(QFont::Bold));
    QCOMPARE(Formatas(redaktorius, 8).fontPointSize(), 20.0);
    QVERIFY(Formatas(redaktorius, 3).fontWeight() != QFont::Bold);
    l.Komanda("Zenklinimas");
    l.Komanda("LygiuotiCentre");

    // Moving the caret brings the buttons and the status line in line.
    Pazymeti(redaktorius, 8, 8);
    QVERIFY(pusjuodis->isChecked());
    QCOMPARE(dydis->value(), 20);
    QVERIFY(l.Veiksmas("Zenklinimas")->isChecked());
    QVERIFY(l.Veiksmas("LygiuotiCentre")->isChecked());
    Pazymeti(redaktorius, 13, 13);
    QVERIFY(!pusjuodis->isChecked());
    QVERIFY(!l.Veiksmas("Zenklinimas")->isChecked());
    QVERIFY(l.Veiksmas("LygiuotiKairen")->isChecked());
    QCOMPARE(l.Langas.BusenosTekstas(), QStringLiteral("Eilutė:   2   Stulpelis:   3"));
    QVERIFY(!dokumentas->lastBlock().textList());

    // With nothing selected the style applies to what is typed next.
    Pazymeti(redaktorius, 10, 10);
    pusjuodis->trigger();
    Rasyti(redaktorius, QStringLiteral("x"));
    QVERIFY(Formatas(redaktorius, 11).fontWeight() != QFont::Bold);
    QCOMPARE(Formatas(redaktorius, 10).fontWeight(), static_cast<int>(QFont::Bold));

    // The bullet goes on and off for every paragraph of the selection; each keeps its alignment.
    Pazymeti(redaktorius, 0, dokumentas->characterCount() - 1);
    l.Komanda("Zenklinimas");
    QVERIFY(dokumentas->firstBlock().textList() && dokumentas->lastBlock().textList());
    l.Komanda("Zenklinimas");
    for (QTextBlock blokas = dokumentas->begin(); blokas.isValid(); blokas = blokas.next())
      QVERIFY(!blokas.textList());
    QVERIFY(dokumentas->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);

    l.Komanda("Naujas");
    QCOMPARE(l.Langas.BusenosTekstas(), QString());
  }

  // Find is case-sensitive and goes on after the selection; past the last hit it starts again
  // from the top and says so; a text that is nowhere is reported and the selection kept.
  void paieska() {
    RodomasLangas l;
    QTextEdit* redaktorius = l.Anglai();
    Rasyti(redaktorius, QStringLiteral("Žodis žodis ŽODIS žodis"));
    const auto pazymeta = [&] {
      return std::pair(redaktorius->textCursor().selectionStart(),
                       redaktorius->textCursor().selectionEnd());
    };
    struct Zingsnis {
      const char* tekstas;
      PaieskosRezultatas rezultatas;
      std::pair<int, int> pazymeta;
      const char* busena;  // nullptr: the caret position
    };
    const Zingsnis zingsniai[] = {
        {"žodis", PaieskosRezultatas::Rasta, {6, 11}, nullptr},
        {"žodis", PaieskosRezultatas::Rasta, {18, 23}, nullptr},
        {"žodis", PaieskosRezultatas::RastaNuoPradzios, {6, 11}, "Pasiekta pabaiga, ieškota nuo pradžios"},
        {"Žodžiai", PaieskosRezultatas::Nerasta, {6, 11}, "Nerasta"},
    };
    Pazymeti(redaktorius, 15, 15);  // nothing selected: from the start
    for (const Zingsnis& z : zingsniai) {
      QCOMPARE(l.Langas.IeskotiToliau(QString::fromUtf8(z.tekstas)), z.rezultatas);
      QCOMPARE(pazymeta(), z.pazymeta);
      if (z.busena) QCOMPARE(l.Langas.BusenosTekstas(), QString::fromUtf8(z.busena));
    }

    // The find dialog stays open, searches on with every click and shows what it found.
    Pazymeti(redaktorius, 0, 0);
    l.Komanda("Paieska");
    auto* dialogas = l.Langas.findChild<PaieskosDialogas*>();
    QVERIFY(dialogas && dialogas->isVisible());
    auto* laukas = dialogas->findChild<QLineEdit*>("ieskomasTekstas");
    auto* rezultatas = dialogas->findChild<QLabel*>("rezultatas");
    laukas->setText(QStringLiteral("žodis"));
    for (int kartas = 0; kartas < 2; ++kartas)
      dialogas->findChild<QPushButton*>("ieskotiToliau")->click();
    QCOMPARE(pazymeta(), std::pair(18, 23));
    QVERIFY(rezultatas->text().isEmpty());
    laukas->setText(QStringLiteral("katinas"));
    dialogas->findChild<QPushButton*>("ieskotiToliau")->click();
    QCOMPARE(rezultatas->text(), QStringLiteral("Nerasta"));
    QVERIFY(dialogas->isVisible());
  }
};

QTEST_MAIN(FormatavimasTest)
#include "formatavimas_test.moc"
