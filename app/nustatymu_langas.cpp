#include "app/nustatymu_langas.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/aplinka.h"

namespace kervosta {

// The switches act at once; neither button undoes them.
QWidget* TForm8::KurtiGramatika() {
  auto* gramatika = new QWidget;
  CheckBox1_ = new QCheckBox(QStringLiteral("Įjungti/išjungti gramatinę analizę"), gramatika);
  CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1_->setChecked(aplinka_.GramatineAnalize != 0);
  connect(CheckBox1_, &QCheckBox::toggled, this,
          [this](bool ijungta) { aplinka_.GramatineAnalize = ijungta ? 1 : 0; });
  CheckBox2_ = new QCheckBox(QStringLiteral("Žodžio vertimą rinktis pagal kontekstą"), gramatika);
  CheckBox2_->setObjectName(QStringLiteral("CheckBox2"));
  CheckBox2_->setChecked(aplinka_.KontekstoTaisykle);
  connect(CheckBox2_, &QCheckBox::toggled, this,
          [this](bool ijungta) { aplinka_.KontekstoTaisykle = ijungta; });

  auto* kreipinys = new QGroupBox(QStringLiteral("Kreipinys į skaitytoją"), gramatika);
  kreipinys->setObjectName(QStringLiteral("GroupBox1"));
  RadioButton1_ = new QRadioButton(QStringLiteral("jūs"), kreipinys);
  RadioButton1_->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton2_ = new QRadioButton(QStringLiteral("tu"), kreipinys);
  RadioButton2_->setObjectName(QStringLiteral("RadioButton2"));
  (aplinka_.Kreipinys == KreipinioForma::Tu ? RadioButton2_ : RadioButton1_)->setChecked(true);
  connect(RadioButton2_, &QRadioButton::toggled, this, [this](bool tu) {
    aplinka_.Kreipinys = tu ? KreipinioForma::Tu : KreipinioForma::Jus;
  });
  auto* kreipinioIsdestymas = new QHBoxLayout(kreipinys);
  kreipinioIsdestymas->addWidget(RadioButton1_);
  kreipinioIsdestymas->addWidget(RadioButton2_);
  kreipinioIsdestymas->addStretch();

  auto* isdestymas = new QVBoxLayout(gramatika);
  isdestymas->addWidget(CheckBox1_);
  isdestymas->addWidget(CheckBox2_);
  isdestymas->addWidget(kreipinys);
  isdestymas->addStretch();
  return gramatika;
}

TForm8::TForm8(Aplinka& aplinka, QWidget* savininkas) : QDialog(savininkas), aplinka_(aplinka) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(QStringLiteral("Nustatymai"));
  setFixedSize(386, 277);

  auto* puslapiai = new QTabWidget(this);
  puslapiai->setObjectName(QStringLiteral("PageControl1"));
  QWidget* gramatika = KurtiGramatika();
  puslapiai->addTab(new QWidget, QStringLiteral("Programa"));
  puslapiai->addTab(gramatika, QStringLiteral("Gramatika"));
  puslapiai->addTab(new QWidget, QStringLiteral("Žodynas"));
  puslapiai->setCurrentWidget(gramatika);

  auto* mygtukai = new QDialogButtonBox(this);
  auto* issaugoti = mygtukai->addButton(QStringLiteral("Iš&saugoti pakeitimus"), QDialogButtonBox::YesRole);
  issaugoti->setObjectName(QStringLiteral("BitBtn1"));
  auto* iseiti = mygtukai->addButton(QStringLiteral("Išeiti"), QDialogButtonBox::RejectRole);
  iseiti->setObjectName(QStringLiteral("BitBtn2"));
  connect(issaugoti, &QPushButton::clicked, this, &QDialog::accept);
  connect(iseiti, &QPushButton::clicked, this, &QDialog::reject);

  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addWidget(puslapiai, 1);
  isdestymas->addWidget(mygtukai);
}

}  // namespace kervosta
