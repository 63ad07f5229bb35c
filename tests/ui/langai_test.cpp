// The settings window acts at once, the rules editor lists each group-type code once however
// often it is opened, and Qt's own dialogs speak Lithuanian.
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
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
