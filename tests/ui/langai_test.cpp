// The settings window acts at once, and the rules editor lists each group-type code once however
// often it is opened.
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include "analysis/aplinka.h"
#include "app/nustatymu_langas.h"
#include "app/taisykliu_redaktorius.h"
#include "translation/taisykles.h"

using namespace kervosta;

class LangaiTest : public QObject {
  Q_OBJECT
 private slots:
  void nustatymaiVeikiaIskart() {
    Aplinka aplinka;
    {
      TForm8 langas(aplinka);
      auto* laukelis = langas.findChild<QCheckBox*>("CheckBox1");
      QVERIFY(laukelis->isChecked());
      laukelis->click();
      QCOMPARE(aplinka.GramatineAnalize, 0);
    }
    TForm8 vel(aplinka);
    QVERIFY(!vel.findChild<QCheckBox*>("CheckBox1")->isChecked());
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
};

QTEST_MAIN(LangaiTest)
#include "langai_test.moc"
