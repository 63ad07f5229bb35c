// The settings window acts at once, the rules editor lists each group-type code once however
// often it is opened, and Qt's own dialogs speak Lithuanian.
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "analysis/aplinka.h"
#include "app/nustatymu_langas.h"
#include "app/qt_vertimai.h"
#include "app/taisykliu_redaktorius.h"
#include "tests/ui/ui_pagalba.h"
#include "translation/taisykles.h"

using namespace kervosta;
using namespace kervosta::testai;

namespace {
// The words a dialog shows: labels, buttons, group titles, tabs and list choices.
QSet<QString> Tekstai(QWidget& dialogas) {
  QSet<QString> tekstai;
  const auto prideti = [&tekstai](QString tekstas) {
    tekstas.remove(u'&');
    // Paths are no words to translate.
    if (!tekstas.startsWith(u'/') && tekstas.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))))
      tekstai.insert(tekstas);
  };
  for (const QLabel* l : dialogas.findChildren<QLabel*>()) prideti(l->text());
  for (const QAbstractButton* b : dialogas.findChildren<QAbstractButton*>()) prideti(b->text());
  for (const QGroupBox* g : dialogas.findChildren<QGroupBox*>()) prideti(g->title());
  for (const QTabWidget* t : dialogas.findChildren<QTabWidget*>())
    for (int i = 0; i < t->count(); ++i) prideti(t->tabText(i));
  for (const QComboBox* c : dialogas.findChildren<QComboBox*>())
    for (int i = 0; i < c->count() && i < 3; ++i) prideti(c->itemText(i));
  return tekstai;
}

// Qt's dialogs the program opens, each made anew.
QList<std::function<QSet<QString>()>> QtDialogai() {
  return {
      [] {
        QPrinter spausdintuvas;
        QPrintDialog dialogas(&spausdintuvas);
        return Tekstai(dialogas);
      },
      [] {
        QColorDialog dialogas;
        return Tekstai(dialogas);
      },
      [] {
        QFileDialog dialogas;
        dialogas.setOption(QFileDialog::DontUseNativeDialog);
        return Tekstai(dialogas);
      },
  };
}
}  // namespace

class LangaiTest : public QObject {
  Q_OBJECT
 private slots:
  // Runs first, before any test installs the translations. Qt's dialogs showed English: what
  // they show untranslated must change once the translations are in, proper names aside.
  void qtDialogaiBeAngluKalbos() {
    QList<QSet<QString>> angliski;
    for (const auto& dialogas : QtDialogai()) angliski << dialogas();
    IdiegtiQtVertimus(*QCoreApplication::instance());
    const QSet<QString> vardai = {QStringLiteral("HTML:"), QStringLiteral("Letter / ANSI A"),
                                  QStringLiteral("Legal")};
    for (qsizetype i = 0; i < angliski.size(); ++i) {
      QSet<QString> liko = QtDialogai()[i]().intersect(angliski[i]) - vardai;
      QVERIFY2(liko.isEmpty(), qPrintable(QStringList(liko.begin(), liko.end()).join(u" | ")));
    }
  }

  // Each switch acts at once and shows its state the next time the window opens: the grammar
  // analysis, the choice by context and the form of address (jūs at first).
  void nustatymaiVeikiaIskart() {
    Aplinka aplinka;
    {
      TForm8 langas(aplinka);
      for (const char* vardas : {"CheckBox1", "CheckBox2", "RadioButton1"})
        QVERIFY2(Valdiklis<QAbstractButton>(langas, vardas)->isChecked(), vardas);
      for (const char* vardas : {"CheckBox1", "CheckBox2", "RadioButton2"}) Paspausti(langas, vardas);
      QCOMPARE(aplinka.GramatineAnalize, 0);
      QVERIFY(!aplinka.KontekstoTaisykle);
      QVERIFY(aplinka.Kreipinys == KreipinioForma::Tu);
    }
    TForm8 vel(aplinka);
    for (const char* vardas : {"CheckBox1", "CheckBox2", "RadioButton1"})
      QVERIFY2(!Valdiklis<QAbstractButton>(vel, vardas)->isChecked(), vardas);
    Paspausti(vel, "RadioButton1");
    QVERIFY(aplinka.Kreipinys == KreipinioForma::Jus);
  }

  void taisykliuKodaiKartaKiekvienas() {
    DabartineTaisykle taisykle;
    for (int kartas = 0; kartas < 2; ++kartas) {
      TForm6 langas(taisykle);
      auto* tipai = langas.findChild<QComboBox*>("ComboBox1");
      QStringList kodai;
      for (int i = 0; i < tipai->count(); ++i) kodai.append(tipai->itemText(i));
      QCOMPARE(kodai, (QStringList{"tnp", "tvp", "tpp", "tap", "txp", "tnz", "tauxp"}));
    }
  }

  // The editors' context menus and the answers to the questions before text could be lost were
  // Qt's English ones: they speak Lithuanian.
  void kontekstiniaiMeniuIrMygtukaiLietuviskai() {
    IdiegtiQtVertimus(*QCoreApplication::instance());
    QTextEdit redaktorius;
    redaktorius.setPlainText(QStringLiteral("tekstas"));
    redaktorius.selectAll();
    QLineEdit laukas(QStringLiteral("tekstas"));
    const QStringList tiketa = {"&Atgal", "&Pirmyn", "&Iškirpti", "&Kopijuoti", "Į&terpti",
                                "Ša&linti", "Pažymėti &viską"};
    const std::unique_ptr<QMenu> meniu[] = {
        std::unique_ptr<QMenu>(redaktorius.createStandardContextMenu()),
        std::unique_ptr<QMenu>(laukas.createStandardContextMenu())};
    for (const auto& m : meniu) {
      QStringList komandos;
      for (const QAction* veiksmas : m->actions())
        if (!veiksmas->isSeparator() && !veiksmas->menu()) komandos << veiksmas->text().section(u'\t', 0, 0);
      QCOMPARE(komandos, tiketa);
    }
    QMessageBox klausimas(QMessageBox::Question, QString(), QString(),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(klausimas.button(QMessageBox::Yes)->text(), QStringLiteral("&Taip"));
    QCOMPARE(klausimas.button(QMessageBox::No)->text(), QStringLiteral("&Ne"));
    QCOMPARE(klausimas.button(QMessageBox::Cancel)->text(), QStringLiteral("Atšaukti"));
  }
};

QTEST_MAIN(LangaiTest)
#include "langai_test.moc"
