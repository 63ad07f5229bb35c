// The settings window acts at once, the rules editor lists each group-type code once however
// often it is opened, and Qt's own dialogs speak Lithuanian.
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "analysis/aplinka.h"
#include "app/nustatymu_langas.h"
#include "app/qt_vertimai.h"
#include "app/taisykliu_redaktorius.h"
#include "translation/taisykles.h"

using namespace kervosta;

class LangaiTest : public QObject {
  Q_OBJECT
 private slots:
  // Each switch acts at once and shows its state the next time the window opens: the grammar
  // analysis, the choice by context and the form of address (jūs at first).
  void nustatymaiVeikiaIskart() {
    Aplinka aplinka;
    {
      TForm8 langas(aplinka);
      QVERIFY(langas.findChild<QCheckBox*>("CheckBox1")->isChecked());
      QVERIFY(langas.findChild<QCheckBox*>("CheckBox2")->isChecked());
      QVERIFY(langas.findChild<QRadioButton*>("RadioButton1")->isChecked());
      langas.findChild<QCheckBox*>("CheckBox1")->click();
      langas.findChild<QCheckBox*>("CheckBox2")->click();
      langas.findChild<QRadioButton*>("RadioButton2")->click();
      QCOMPARE(aplinka.GramatineAnalize, 0);
      QVERIFY(!aplinka.KontekstoTaisykle);
      QVERIFY(aplinka.Kreipinys == KreipinioForma::Tu);
    }
    TForm8 vel(aplinka);
    QVERIFY(!vel.findChild<QCheckBox*>("CheckBox1")->isChecked());
    QVERIFY(!vel.findChild<QCheckBox*>("CheckBox2")->isChecked());
    QVERIFY(vel.findChild<QRadioButton*>("RadioButton2")->isChecked());
    vel.findChild<QRadioButton*>("RadioButton1")->click();
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

  // The questions before text could be lost offer Lithuanian answers, not Qt's English ones.
  void standartiniaiMygtukaiLietuviskai() {
    IdiegtiQtVertimus(*QCoreApplication::instance());
    QMessageBox klausimas(QMessageBox::Question, QString(), QString(),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(klausimas.button(QMessageBox::Yes)->text(), QStringLiteral("&Taip"));
    QCOMPARE(klausimas.button(QMessageBox::No)->text(), QStringLiteral("&Ne"));
    QCOMPARE(klausimas.button(QMessageBox::Cancel)->text(), QStringLiteral("Atšaukti"));
  }
};

QTEST_MAIN(LangaiTest)
#include "langai_test.moc"
