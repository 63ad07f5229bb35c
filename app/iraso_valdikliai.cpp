#include "app/iraso_valdikliai.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/koduote.h"
#include "app/valdikliu_vardai.h"

namespace kervosta {

namespace {
QGroupBox* Grupe(const QString& antraste, QLayout* turinys) {
  auto* grupe = new QGroupBox(antraste);
  grupe->setLayout(turinys);
  return grupe;
}
}  // namespace

Radijas::Radijas(const QString& antraste, const QStringList& punktai, const char* vardas,
                 QWidget* tevas)
    : QGroupBox(antraste, tevas), grupe_(new QButtonGroup(this)) {
  setObjectName(QString::fromLatin1(vardas));
  auto* isdestymas = new QVBoxLayout(this);
  for (int i = 0; i < punktai.size(); ++i) {
    auto* mygtukas = new QRadioButton(punktai[i], this);
    mygtukas->setObjectName(objectName() + QString::number(i));
    grupe_->addButton(mygtukas, i);
    isdestymas->addWidget(mygtukas);
  }
  isdestymas->addStretch();
}

int Radijas::Indeksas() const { return grupe_->checkedId(); }

void Radijas::Nustatyti(int indeksas) {
  if (QAbstractButton* mygtukas = grupe_->button(indeksas)) mygtukas->setChecked(true);
}

QStringList Etiketes(std::span<const std::string_view> cp1257) {
  QStringList etiketes;
  for (const std::string_view etikete : cp1257) etiketes << IsCp1257(etikete);
  return etiketes;
}

QLineEdit* TekstoLangelis(const char* vardas, QWidget* tevas) {
  return Vardinti(new QLineEdit(tevas), vardas);
}

QComboBox* Parinkiklis(const QStringList& etiketes, const char* vardas, QWidget* tevas) {
  auto* parinkiklis = Vardinti(new QComboBox(tevas), vardas);
  parinkiklis->addItems(etiketes);
  return parinkiklis;
}

QCheckBox* Zymimasis(const QString& tekstas, const char* vardas, QWidget* tevas) {
  return Vardinti(new QCheckBox(tekstas, tevas), vardas);
}

std::string Tekstas(const QLineEdit* laukas) { return ICp1257(laukas->text()); }

void RodytiTeksta(QLineEdit* laukas, std::string_view cp1257) { laukas->setText(IsCp1257(cp1257)); }

std::vector<QLineEdit*> PavyzdziuEilutes(const char* priesdelis, int kiekis) {
  std::vector<QLineEdit*> eilutes;
  for (int i = 1; i <= kiekis; ++i) {
    auto* eilute = new QLineEdit;
    eilute->setObjectName(QString::fromLatin1(priesdelis) + QString::number(i));
    eilute->setReadOnly(true);
    eilute->setFocusPolicy(Qt::NoFocus);
    eilutes.push_back(eilute);
  }
  return eilutes;
}

void RodytiPavyzdzius(const std::vector<QLineEdit*>& eilutes,
                      const std::vector<std::string>& tekstai) {
  for (std::size_t i = 0; i < eilutes.size() && i < tekstai.size(); ++i) {
    RodytiTeksta(eilutes[i], tekstai[i]);
    eilutes[i]->setCursorPosition(0);
  }
}

void IsdestytiPuslapi(QWidget* puslapis, QLayout* virsus, QLayout* angliskai, QLayout* lietuviskai,
                      QWidget* apacia) {
  auto* isdestymas = new QVBoxLayout(puslapis);
  if (virsus) isdestymas->addLayout(virsus);
  auto* kalbos = new QHBoxLayout;
  kalbos->addWidget(Grupe(QStringLiteral("Angliškai"), angliskai), 2);
  kalbos->addWidget(Grupe(QStringLiteral("Lietuviškai"), lietuviskai), 3);
  isdestymas->addLayout(kalbos);
  if (apacia) isdestymas->addWidget(apacia);
  isdestymas->addStretch();
}

QGroupBox* PavyzdziuGrupe(const QString& antraste, const std::vector<QLineEdit*>& eilutes,
                          QWidget* virsuje) {
  auto* isdestymas = new QVBoxLayout;
  if (virsuje) isdestymas->addWidget(virsuje);
  for (QLineEdit* eilute : eilutes) isdestymas->addWidget(eilute);
  return Grupe(antraste, isdestymas);
}

}  // namespace kervosta
