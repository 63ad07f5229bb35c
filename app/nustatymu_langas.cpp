#include "app/nustatymu_langas.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/aplinka.h"

namespace kervosta {

TForm8::TForm8(Aplinka& aplinka, QWidget* savininkas) : QDialog(savininkas), aplinka_(aplinka) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(QStringLiteral("Nustatymai"));
  setFixedSize(386, 237);

  auto* puslapiai = new QTabWidget(this);
  puslapiai->setObjectName(QStringLiteral("PageControl1"));
  auto* gramatika = new QWidget;
  CheckBox1_ = new QCheckBox(QStringLiteral("Įjungti/išjungti gramatinę analizę"), gramatika);
  CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1_->setChecked(aplinka_.GramatineAnalize != 0);
  // The switch acts at once; neither button undoes it.
  connect(CheckBox1_, &QCheckBox::toggled, this,
          [this](bool ijungta) { aplinka_.GramatineAnalize = ijungta ? 1 : 0; });
  auto* gramatikosIsdestymas = new QVBoxLayout(gramatika);
  gramatikosIsdestymas->addWidget(CheckBox1_);
  gramatikosIsdestymas->addStretch();
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
