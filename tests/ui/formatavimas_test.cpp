// The toolbar and status line that follow the caret of the active editor, and find.
#include <QComboBox>
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
  void irankineSekaZymekli();
  void paieska();
};

void FormatavimasTest::irankineSekaZymekli() {
  RodomasLangas l;
  QTextEdit* redaktorius = l.Langas.AngluRedaktorius();
  auto* pusjuodis = l.Langas.findChild<QAction*>("Pusjuodis");
  auto* dydis = l.Langas.findChild<QSpinBox*>("FontSize");
  QCOMPARE(l.Langas.BusenosTekstas(), QStringLiteral("Keistas"));
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
  QVERIFY(l.Langas.findChild<QAction*>("Zenklinimas")->isChecked());
  QVERIFY(l.Langas.findChild<QAction*>("LygiuotiCentre")->isChecked());
  Pazymeti(redaktorius, 13, 13);
  QVERIFY(!pusjuodis->isChecked());
  QVERIFY(!l.Langas.findChild<QAction*>("Zenklinimas")->isChecked());
  QVERIFY(l.Langas.findChild<QAction*>("LygiuotiKairen")->isChecked());
  QCOMPARE(l.Langas.BusenosTekstas(), QStringLiteral("Eilutė:   2   Stulpelis:   3"));
  QVERIFY(!redaktorius->document()->lastBlock().textList());

  // With nothing selected the style applies to what is typed next.
  Pazymeti(redaktorius, 10, 10);
  pusjuodis->trigger();
  Rasyti(redaktorius, QStringLiteral("x"));
  QVERIFY(Formatas(redaktorius, 11).fontWeight() != QFont::Bold);
  QCOMPARE(Formatas(redaktorius, 10).fontWeight(), static_cast<int>(QFont::Bold));

  // The bullet goes on and off for every paragraph of the selection; each keeps its alignment.
  Pazymeti(redaktorius, 0, redaktorius->document()->characterCount() - 1);
  l.Komanda("Zenklinimas");
  QVERIFY(redaktorius->document()->firstBlock().textList() && redaktorius->document()->lastBlock().textList());
  l.Komanda("Zenklinimas");
  for (QTextBlock blokas = redaktorius->document()->begin(); blokas.isValid(); blokas = blokas.next())
    QVERIFY(!blokas.textList());
  QVERIFY(redaktorius->document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);

  l.Komanda("Naujas");
  QCOMPARE(l.Langas.BusenosTekstas(), QString());
}

// Find is case-sensitive, goes on after the selection and keeps it on a miss.
void FormatavimasTest::paieska() {
  RodomasLangas l;
  QTextEdit* redaktorius = l.Langas.AngluRedaktorius();
  Rasyti(redaktorius, QStringLiteral("Žodis žodis ŽODIS žodis"));
  const auto pazymeta = [&] {
    return std::pair(redaktorius->textCursor().selectionStart(),
                     redaktorius->textCursor().selectionEnd());
  };
  Pazymeti(redaktorius, 15, 15);  // nothing selected: from the start
  QVERIFY(l.Langas.IeskotiToliau(QStringLiteral("žodis")));
  QCOMPARE(pazymeta(), std::pair(6, 11));
  QVERIFY(l.Langas.IeskotiToliau(QStringLiteral("žodis")));
  QCOMPARE(pazymeta(), std::pair(18, 23));
  QVERIFY(!l.Langas.IeskotiToliau(QStringLiteral("žodis")));
  QCOMPARE(pazymeta(), std::pair(18, 23));

  // The find dialog stays open and searches on with every click.
  Pazymeti(redaktorius, 0, 0);
  l.Komanda("Paieska");
  auto* dialogas = l.Langas.findChild<PaieskosDialogas*>();
  QVERIFY(dialogas && dialogas->isVisible());
  dialogas->findChild<QLineEdit*>("ieskomasTekstas")->setText(QStringLiteral("žodis"));
  dialogas->findChild<QPushButton*>("ieskotiToliau")->click();
  dialogas->findChild<QPushButton*>("ieskotiToliau")->click();
  QCOMPARE(pazymeta(), std::pair(18, 23));
  QVERIFY(dialogas->isVisible());
}

QTEST_MAIN(FormatavimasTest)
#include "formatavimas_test.moc"
