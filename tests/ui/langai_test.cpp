// The settings window, the about box and the rules editor.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "analysis/aplinka.h"
#include "app/apie_langas.h"
#include "app/nustatymu_langas.h"
#include "app/taisykliu_redaktorius.h"
#include "translation/taisykles.h"

using namespace kervosta;

class LangaiTest : public QObject {
  Q_OBJECT
 private slots:
  void nustatymaiVeikiaIskart();
  void apie();
  void taisykliuRedaktorius();
};

void LangaiTest::nustatymaiVeikiaIskart() {
  Aplinka aplinka;
  {
    TForm8 langas(aplinka);
    QCOMPARE(langas.windowTitle(), QStringLiteral("Nustatymai"));
    auto* puslapiai = langas.findChild<QTabWidget*>("PageControl1");
    QCOMPARE(puslapiai->tabText(puslapiai->currentIndex()), QStringLiteral("Gramatika"));
    auto* laukelis = langas.findChild<QCheckBox*>("CheckBox1");
    QVERIFY(laukelis->isChecked());
    laukelis->click();
    QCOMPARE(aplinka.GramatineAnalize, 0);
    // Leaving with "Išeiti" keeps the change.
    langas.findChild<QPushButton*>("BitBtn2")->click();
  }
  QCOMPARE(aplinka.GramatineAnalize, 0);
  TForm8 vel(aplinka);
  QVERIFY(!vel.findChild<QCheckBox*>("CheckBox1")->isChecked());
  vel.findChild<QCheckBox*>("CheckBox1")->click();
  QCOMPARE(aplinka.GramatineAnalize, 1);
}

void LangaiTest::apie() {
  TForm2 langas;
  QCOMPARE(langas.findChild<QLabel*>("Version")->text(), QStringLiteral("Versija: 1.09 beta"));
  langas.show();
  langas.findChild<QPushButton*>("OKButton")->click();
  QVERIFY(!langas.isVisible());
}

void LangaiTest::taisykliuRedaktorius() {
  DabartineTaisykle taisykle;
  for (int kartas = 0; kartas < 2; ++kartas) {
    TForm6 langas(taisykle);
    QCOMPARE(langas.windowTitle(), QStringLiteral("Taisyklių redagavimas"));
    auto* tipai = langas.findChild<QComboBox*>("ComboBox1");
    QStringList kodai;
    for (int i = 0; i < tipai->count(); ++i) kodai.append(tipai->itemText(i));
    QCOMPARE(kodai, (QStringList{"tnp", "tvp", "tpp", "tap", "txp", "tnz", "tauxp"}));

    TRule* rule = taisykle.Rodykle();
    QVERIFY(rule);
    QCOMPARE(rule->Prioritetas, 0);
    QVERIFY(!rule->Ijungta);
    QCOMPARE(rule->Grupes.Kiekis(), 0);
    auto* slankiklis = langas.findChild<QSlider*>("TrackBar1");
    QCOMPARE(slankiklis->value(), 5);
    slankiklis->setValue(8);
    QCOMPARE(rule->Prioritetas, 8);
    langas.findChild<QCheckBox*>("CheckBox1")->click();
    QVERIFY(rule->Ijungta);

    langas.show();
    langas.findChild<QPushButton*>("BitBtn1")->click();
    QVERIFY(!taisykle.Rodykle());
  }
}

QTEST_MAIN(LangaiTest)
#include "langai_test.moc"
