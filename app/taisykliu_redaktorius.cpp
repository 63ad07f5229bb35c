#include "app/taisykliu_redaktorius.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "translation/taisykles.h"

namespace kervosta {

namespace {
QToolButton* Plokscias(QWidget* tevas, const char* vardas, const QString& zenklas,
                       const QString& uzuomina = {}, bool ijungtas = true) {
  auto* mygtukas = new QToolButton(tevas);
  mygtukas->setObjectName(QString::fromLatin1(vardas));
  mygtukas->setAutoRaise(true);
  mygtukas->setText(zenklas);
  mygtukas->setToolTip(uzuomina);
  mygtukas->setEnabled(ijungtas);
  return mygtukas;
}

QCheckBox* Zymimasis(QWidget* tevas, const char* vardas, const QString& tekstas, bool pazymetas) {
  auto* laukelis = new QCheckBox(tekstas, tevas);
  laukelis->setObjectName(QString::fromLatin1(vardas));
  laukelis->setChecked(pazymetas);
  return laukelis;
}

QComboBox* Sarasas(QWidget* tevas, const char* vardas) {
  auto* sarasas = new QComboBox(tevas);
  sarasas->setObjectName(QString::fromLatin1(vardas));
  return sarasas;
}
}  // namespace

TForm6::TForm6(DabartineTaisykle& taisykle, QWidget* savininkas)
    : QDialog(savininkas), taisykle_(taisykle) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Taisyklių redagavimas"));
  setFixedSize(633, 539);
  taisykle_.Sukurti();

  auto* baigti = new QPushButton(QStringLiteral("&Baigti"), this);
  baigti->setObjectName(QStringLiteral("BitBtn1"));
  connect(baigti, &QPushButton::clicked, this, &QDialog::accept);
  connect(this, &QDialog::finished, this, [this] { taisykle_.Atlaisvinti(); });

  auto* apacia = new QHBoxLayout;
  apacia->addWidget(TaisyklesBusena(), 1);
  apacia->addWidget(baigti, 0, Qt::AlignBottom);

  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addWidget(VirsutineEile());
  isdestymas->addWidget(AntraEile());
  isdestymas->addWidget(Strukturos(), 1);
  isdestymas->addWidget(GrupiuRedagavimas());
  isdestymas->addLayout(apacia);
}

QWidget* TForm6::VirsutineEile() {
  auto* eile = new QWidget(this);
  auto* skaicius = new QSpinBox(eile);
  skaicius->setObjectName(QStringLiteral("Edit1"));
  skaicius->setMinimum(0);
  skaicius->setValue(0);
  auto* eiga = new QProgressBar(eile);
  eiga->setObjectName(QStringLiteral("ProgressBar1"));
  eiga->setRange(0, 100);
  eiga->setValue(0);
  auto* isdestymas = new QHBoxLayout(eile);
  isdestymas->setContentsMargins(0, 0, 0, 0);
  isdestymas->addWidget(Plokscias(eile, "SpeedButton1", QStringLiteral("◀")));
  isdestymas->addWidget(Plokscias(eile, "SpeedButton2", QStringLiteral("▶")));
  isdestymas->addWidget(skaicius);
  isdestymas->addWidget(new QLabel(QStringLiteral("Taisyklių skaičius: "), eile));
  isdestymas->addWidget(eiga, 1);
  return eile;
}

QWidget* TForm6::AntraEile() {
  auto* eile = new QWidget(this);
  auto* isdestymas = new QHBoxLayout(eile);
  isdestymas->setContentsMargins(0, 0, 0, 0);
  isdestymas->addWidget(Plokscias(eile, "SpeedButton3", QStringLiteral("Atidaryti"), QStringLiteral("Atidaryti")));
  isdestymas->addWidget(Plokscias(eile, "SpeedButton4", QStringLiteral("Išsaugoti"), QStringLiteral("Išsaugoti")));
  isdestymas->addWidget(Plokscias(eile, "SpeedButton5", QStringLiteral("Nauja"), QStringLiteral("Nauja")));
  isdestymas->addWidget(Plokscias(eile, "SpeedButton6", QStringLiteral("Redaguoti"), QStringLiteral("Redaguoti"), false));
  isdestymas->addWidget(Plokscias(eile, "SpeedButton7", QStringLiteral("Trinti"), QStringLiteral("Trinti"), false));
  isdestymas->addWidget(Plokscias(eile, "SpeedButton8", QStringLiteral("…")));
  isdestymas->addStretch();
  return eile;
}

QWidget* TForm6::Strukturos() {
  auto* eile = new QWidget(this);
  auto* isdestymas = new QHBoxLayout(eile);
  isdestymas->setContentsMargins(0, 0, 0, 0);
  const auto medis = [eile](const char* vardas, const QString& antraste) {
    auto* stulpelis = new QVBoxLayout;
    auto* medzio = new QTreeWidget(eile);
    medzio->setObjectName(QString::fromLatin1(vardas));
    medzio->setHeaderHidden(true);
    stulpelis->addWidget(new QLabel(antraste, eile));
    stulpelis->addWidget(medzio, 1);
    return stulpelis;
  };
  isdestymas->addLayout(medis("TreeView1", QStringLiteral("Anglų kalbos struktūra: (sąlyga)")));
  isdestymas->addLayout(medis("TreeView2", QStringLiteral("Lietuvių kalbos struktūra (rezultatas)")));
  return eile;
}

QWidget* TForm6::TaisyklesBusena() {
  auto* eile = new QWidget(this);
  auto* ijungta = Zymimasis(eile, "CheckBox1", QStringLiteral("Įjungti/išjungti šią taisyklę."), false);
  connect(ijungta, &QCheckBox::clicked, this, [this](bool pazymeta) {
    if (TRule* taisykle = taisykle_.Rodykle()) taisykle->Ijungta = pazymeta;
  });
  auto* prioritetas = new QSlider(Qt::Horizontal, eile);
  prioritetas->setObjectName(QStringLiteral("TrackBar1"));
  prioritetas->setRange(0, 10);
  prioritetas->setValue(5);
  prioritetas->setSingleStep(2);
  prioritetas->setTickInterval(1);
  prioritetas->setTickPosition(QSlider::TicksBelow);
  connect(prioritetas, &QSlider::valueChanged, this, [this](int pozicija) {
    if (TRule* taisykle = taisykle_.Rodykle()) taisykle->Prioritetas = pozicija;
  });
  auto* skale = new QHBoxLayout;
  skale->addWidget(new QLabel(QStringLiteral("Žemas"), eile));
  skale->addWidget(prioritetas, 1);
  skale->addWidget(new QLabel(QStringLiteral("Aukštas"), eile));
  auto* isdestymas = new QVBoxLayout(eile);
  isdestymas->setContentsMargins(0, 0, 0, 0);
  isdestymas->addWidget(ijungta);
  isdestymas->addWidget(new QLabel(QStringLiteral("Prioritetas:"), eile));
  isdestymas->addLayout(skale);
  return eile;
}

QWidget* TForm6::GrupiuRedagavimas() {
  auto* deze = new QGroupBox(QStringLiteral("Grupių redagavimas"), this);
  deze->setObjectName(QStringLiteral("GroupBox1"));
  auto* mygtukai = new QHBoxLayout;
  mygtukai->addWidget(Plokscias(deze, "SpeedButton9", QStringLiteral("+")));
  mygtukai->addWidget(Plokscias(deze, "SpeedButton10", QStringLiteral("✎"), {}, false));
  mygtukai->addWidget(Plokscias(deze, "SpeedButton11", QStringLiteral("−"), {}, false));
  auto* informacija = new QLineEdit(deze);
  informacija->setObjectName(QStringLiteral("Edit2"));
  informacija->setReadOnly(true);
  mygtukai->addWidget(informacija, 1);

  auto* grupesTipas = Sarasas(deze, "ComboBox1");
  for (const std::string_view kodas : GrupiuTipuKodai)
    grupesTipas->addItem(QString::fromLatin1(kodas.data(), static_cast<qsizetype>(kodas.size())));

  auto* pozymiai = new QVBoxLayout;
  pozymiai->addWidget(Zymimasis(deze, "CheckBox2", QStringLiteral("Būtina"), true));
  pozymiai->addWidget(Zymimasis(deze, "CheckBox3", QStringLiteral("N žodžių grupėje"), true));
  pozymiai->addWidget(Zymimasis(deze, "CheckBox4", QStringLiteral("Gali sekti kita grupė?"), false));
  auto* laukai = new QFormLayout;
  laukai->addRow(QStringLiteral("Grupės tipas:"), grupesTipas);
  laukai->addRow(QStringLiteral("Laikas:"), Sarasas(deze, "ComboBox2"));
  laukai->addRow(QStringLiteral("Linksnis:"), Sarasas(deze, "ComboBox3"));
  laukai->addRow(QStringLiteral("Asmuo:"), Sarasas(deze, "ComboBox4"));

  auto* vidus = new QHBoxLayout;
  vidus->addLayout(pozymiai);
  vidus->addLayout(laukai);
  vidus->addWidget(Zodziai(), 1);
  auto* isdestymas = new QVBoxLayout(deze);
  isdestymas->addLayout(mygtukai);
  isdestymas->addLayout(vidus);
  return deze;
}

QWidget* TForm6::Zodziai() {
  auto* deze = new QGroupBox(QStringLiteral("Žodžiai"), this);
  deze->setObjectName(QStringLiteral("GroupBox2"));
  auto* sarasas = new QListWidget(deze);
  sarasas->setObjectName(QStringLiteral("ListBox1"));
  sarasas->setMaximumHeight(60);
  auto* mygtukai = new QHBoxLayout;
  mygtukai->addWidget(Plokscias(deze, "SpeedButton12", QStringLiteral("+")));
  mygtukai->addWidget(Plokscias(deze, "SpeedButton13", QStringLiteral("✎"), {}, false));
  mygtukai->addWidget(Plokscias(deze, "SpeedButton14", QStringLiteral("−"), {}, false));
  mygtukai->addStretch();
  const auto laukas = [deze](const char* vardas, const QString& zyme) {
    auto* eilute = new QLineEdit(deze);
    eilute->setObjectName(QString::fromLatin1(vardas));
    eilute->setPlaceholderText(zyme);
    eilute->setEnabled(false);
    return eilute;
  };
  auto* isdestymas = new QVBoxLayout(deze);
  isdestymas->addWidget(Zymimasis(deze, "CheckBox5", QStringLiteral("Turi būti šie žodžiai"), false));
  isdestymas->addWidget(Zymimasis(deze, "CheckBox6", QStringLiteral("Svarbi žodžių tvarka:"), true));
  isdestymas->addWidget(sarasas);
  isdestymas->addLayout(mygtukai);
  isdestymas->addWidget(laukas("Edit3", QStringLiteral("Angliškas žodis")));
  isdestymas->addWidget(laukas("Edit4", QStringLiteral("Lietuviškas žodis")));
  return deze;
}

}  // namespace kervosta
