// Formatting the active editor, the toolbar that follows the caret, and find.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QTest>

#include "app/pagrindinis_langas.h"
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

void Perkelti(QTextEdit* redaktorius, int pozicija) { Pazymeti(redaktorius, pozicija, pozicija); }
}  // namespace

class FormatavimasTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void mygtukaiKeiciaPazymetaTeksta();
  void irankineSekaZymekli();
  void zenklinimasIrLygiavimas();
  void spalvaIrSriftasIsDialogu();
  void paieska();
  void paieskosDialogas();

 private:
  std::unique_ptr<LaikinasKatalogas> katalogas_;
  std::unique_ptr<ScenarijausDialogai> dialogai_;
  std::unique_ptr<TForm1> langas_;
  QAction* Veiksmas(const char* vardas) { return langas_->findChild<QAction*>(QString::fromLatin1(vardas)); }
};

void FormatavimasTest::init() {
  katalogas_ = std::make_unique<LaikinasKatalogas>();
  dialogai_ = std::make_unique<ScenarijausDialogai>();
  langas_ = std::make_unique<TForm1>(dialogai_.get());
  langas_->show();
  QVERIFY(QTest::qWaitForWindowActive(langas_.get()));
}

void FormatavimasTest::cleanup() {
  langas_.reset();
  dialogai_.reset();
  katalogas_.reset();
}

void FormatavimasTest::mygtukaiKeiciaPazymetaTeksta() {
  QTextEdit* redaktorius = langas_->AngluRedaktorius();
  Rasyti(redaktorius, QStringLiteral("plain bold"));
  Pazymeti(redaktorius, 6, 10);
  Veiksmas("Pusjuodis")->trigger();
  Veiksmas("Pabrauktas")->trigger();
  langas_->findChild<QSpinBox*>("FontSize")->setValue(20);

  const auto formatas = [&](int pozicija) {
    QTextCursor zymeklis(redaktorius->document());
    zymeklis.setPosition(pozicija);
    return zymeklis.charFormat();
  };
  QCOMPARE(formatas(8).fontWeight(), static_cast<int>(QFont::Bold));
  QVERIFY(formatas(8).fontUnderline());
  QCOMPARE(formatas(8).fontPointSize(), 20.0);
  QVERIFY(formatas(3).fontWeight() != QFont::Bold);
  QVERIFY(!formatas(3).fontUnderline());

  // With nothing selected the style applies to what is typed next.
  Perkelti(redaktorius, 10);
  Veiksmas("Pusjuodis")->trigger();
  Rasyti(redaktorius, QStringLiteral("x"));
  QVERIFY(formatas(11).fontWeight() != QFont::Bold);
  QVERIFY(formatas(10).fontWeight() == QFont::Bold);
}

void FormatavimasTest::irankineSekaZymekli() {
  QTextEdit* redaktorius = langas_->AngluRedaktorius();
  Rasyti(redaktorius, QStringLiteral("aaaa bbbb"));
  Pazymeti(redaktorius, 5, 9);
  QTextCharFormat pusjuodis;
  pusjuodis.setFontWeight(QFont::Bold);
  pusjuodis.setFontItalic(true);
  pusjuodis.setFontPointSize(17);
  redaktorius->textCursor().mergeCharFormat(pusjuodis);

  Perkelti(redaktorius, 7);
  QVERIFY(Veiksmas("Pusjuodis")->isChecked());
  QVERIFY(Veiksmas("Kursyvas")->isChecked());
  QCOMPARE(langas_->findChild<QSpinBox*>("FontSize")->value(), 17);
  Perkelti(redaktorius, 2);
  QVERIFY(!Veiksmas("Pusjuodis")->isChecked());
  QVERIFY(!Veiksmas("Kursyvas")->isChecked());
  QCOMPARE(langas_->BusenosTekstas(), QStringLiteral("Eilutė:   1   Stulpelis:   3"));
  // Bringing the toolbar in line never formats the text it reads.
  QVERIFY(redaktorius->document()->firstBlock().begin().fragment().charFormat().fontWeight() != QFont::Bold);

  QTextCursor zymeklis = redaktorius->textCursor();
  zymeklis.setPosition(0);
  QTextCharFormat kitasSriftas;
  const QString seima = langas_->findChild<QComboBox*>("FontName")->itemText(0);
  kitasSriftas.setFontFamilies({seima});
  zymeklis.setPosition(4, QTextCursor::KeepAnchor);
  zymeklis.mergeCharFormat(kitasSriftas);
  Perkelti(redaktorius, 3);
  QCOMPARE(langas_->findChild<QComboBox*>("FontName")->currentText(), seima);
}

void FormatavimasTest::zenklinimasIrLygiavimas() {
  QTextEdit* redaktorius = langas_->AngluRedaktorius();
  Rasyti(redaktorius, QStringLiteral("first\nsecond"));
  Veiksmas("Zenklinimas")->trigger();
  Veiksmas("LygiuotiCentre")->trigger();
  QVERIFY(redaktorius->textCursor().currentList());
  QVERIFY(redaktorius->alignment() & Qt::AlignHCenter);

  Perkelti(redaktorius, 1);
  QVERIFY(!Veiksmas("Zenklinimas")->isChecked());
  QVERIFY(Veiksmas("LygiuotiKairen")->isChecked());
  Perkelti(redaktorius, 8);
  QVERIFY(Veiksmas("Zenklinimas")->isChecked());
  QVERIFY(Veiksmas("LygiuotiCentre")->isChecked());

  Veiksmas("Zenklinimas")->trigger();
  QVERIFY(!redaktorius->textCursor().currentList());
  Veiksmas("LygiuotiDesinen")->trigger();
  QVERIFY(redaktorius->alignment() & Qt::AlignRight);
}

void FormatavimasTest::spalvaIrSriftasIsDialogu() {
  QTextEdit* redaktorius = langas_->AngluRedaktorius();
  Rasyti(redaktorius, QStringLiteral("spalvotas"));
  Pazymeti(redaktorius, 0, 4);
  dialogai_->Spalva = QColor(Qt::red);
  Veiksmas("Spalva")->trigger();
  QCOMPARE(redaktorius->textCursor().charFormat().foreground().color(), QColor(Qt::red));

  QFont sriftas = redaktorius->font();
  sriftas.setPointSize(23);
  sriftas.setItalic(true);
  dialogai_->Sriftas = sriftas;
  Veiksmas("Sriftas")->trigger();
  QCOMPARE(redaktorius->textCursor().charFormat().fontPointSize(), 23.0);
  QVERIFY(Veiksmas("Kursyvas")->isChecked());
}

void FormatavimasTest::paieska() {
  QTextEdit* redaktorius = langas_->AngluRedaktorius();
  Rasyti(redaktorius, QStringLiteral("Žodis žodis ŽODIS žodis"));
  const auto pazymeta = [&] {
    return std::pair(redaktorius->textCursor().selectionStart(), redaktorius->textCursor().selectionEnd());
  };
  Perkelti(redaktorius, 15);  // nothing selected: from the start
  QVERIFY(langas_->IeskotiToliau(QStringLiteral("žodis")));
  QCOMPARE(pazymeta(), std::pair(6, 11));
  QVERIFY(langas_->IeskotiToliau(QStringLiteral("žodis")));
  QCOMPARE(pazymeta(), std::pair(18, 23));
  // No more hits after the selection: the selection stays.
  QVERIFY(!langas_->IeskotiToliau(QStringLiteral("žodis")));
  QCOMPARE(pazymeta(), std::pair(18, 23));
  QVERIFY(!langas_->IeskotiToliau(QStringLiteral("Žodis ŽODIS žodis!")));
}

void FormatavimasTest::paieskosDialogas() {
  Rasyti(langas_->AngluRedaktorius(), QStringLiteral("abc abc"));
  Veiksmas("Paieska")->trigger();
  auto* dialogas = langas_->findChild<PaieskosDialogas*>();
  QVERIFY(dialogas && dialogas->isVisible());
  dialogas->findChild<QLineEdit*>("ieskomasTekstas")->setText(QStringLiteral("abc"));
  dialogas->findChild<QPushButton*>("ieskotiToliau")->click();
  dialogas->findChild<QPushButton*>("ieskotiToliau")->click();
  QCOMPARE(langas_->AngluRedaktorius()->textCursor().selectionStart(), 4);
  QVERIFY(dialogas->isVisible());
}

QTEST_MAIN(FormatavimasTest)
#include "formatavimas_test.moc"
