#include "app/gramatikos_langas.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <array>

#include "analysis/grupavimo_etiketes.h"
#include "analysis/zodzio_paieska.h"
#include "app/ikonos.h"
#include "app/koduote.h"
#include "app/valdikliu_vardai.h"
#include "morphology/paradigmos_rodymas.h"

namespace kervosta {

namespace {

// Where a tree node leads: a word to show the paradigm of, or a group (by its index).
constexpr int ZodzioRole = Qt::UserRole;
constexpr int GrupesRole = Qt::UserRole + 1;

// The tree's images: the first top node, the Lithuanian sentence, a word, then one a group type.
QIcon Paveiksliukas(int numeris) {
  static const std::array<std::pair<const char*, QColor>, 11> zenklai = {{
      {"A", QColor(40, 90, 160)},  {"L", QColor(30, 120, 60)},   {"•", QColor(120, 120, 120)},
      {"•", QColor(200, 120, 20)}, {"D", QColor(40, 90, 160)},   {"V", QColor(170, 50, 50)},
      {"T", QColor(120, 80, 150)}, {"P", QColor(30, 120, 60)},   {"Pl", QColor(170, 100, 20)},
      {"K", QColor(90, 90, 90)},   {"S", QColor(150, 150, 150)},
  }};
  const auto& [zenklas, spalva] = zenklai[static_cast<std::size_t>(numeris)];
  return ZenkloIkona(QString::fromUtf8(zenklas), spalva);
}

int GrupesPaveiksliukas(std::uint8_t tipas) {
  switch (tipas) {
    case gtDaikt: return 4;
    case gtVeiksm: return 5;
    case gtTarnyb: return 6;
    case gtPriev: return 7;
    case gtPriel: return 8;
    case gtKita: return 9;
    default: return 10;
  }
}

QTreeWidgetItem* Virsune(QTreeWidget* medis, const QString& tekstas, int paveiksliukas) {
  auto* mazgas = new QTreeWidgetItem(medis, {tekstas});
  mazgas->setIcon(0, Paveiksliukas(paveiksliukas));
  return mazgas;
}

QTreeWidgetItem* Zodis(QTreeWidgetItem* tevas, const std::string& tekstas, TZodis* zodis) {
  auto* mazgas = new QTreeWidgetItem(tevas, {IsCp1257(tekstas)});
  mazgas->setIcon(0, Paveiksliukas(2));
  mazgas->setData(0, ZodzioRole, QVariant::fromValue(reinterpret_cast<quintptr>(zodis)));
  return mazgas;
}

}  // namespace

TForm5::TForm5(Aplinka& aplinka, const std::string& analizesTekstas, std::uint8_t analizesBudas,
               QWidget* tevas)
    : QDialog(tevas), aplinka_(aplinka), budas_(analizesBudas) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Gramatika: linksniavimas / asmenavimas"));
  resize(680, 540);
  SukurtiValdiklius();
  Memo1_->setPlainText(IsCp1257(analizesTekstas));
  if (budas_ == abFraze)
    AnalizuotiFraze();
  else
    AnalizuotiEilute();
}

void TForm5::SukurtiValdiklius() {
  Memo1_ = Vardinti(new QPlainTextEdit, "Memo1");
  QFont pusjuodis = Memo1_->font();
  pusjuodis.setBold(true);
  Memo1_->setFont(pusjuodis);
  Memo1_->setFixedHeight(64);
  auto* eilute = Vardinti(new QPushButton(QStringLiteral("Analizuoti teksto eilutę")), "BitBtn1");
  auto* fraze = Vardinti(new QPushButton(QStringLiteral("Analizuoti kaip frazę")), "BitBtn2");
  connect(eilute, &QPushButton::clicked, this, &TForm5::AnalizuotiEilute);
  connect(fraze, &QPushButton::clicked, this, &TForm5::AnalizuotiFraze);

  TreeView1_ = Vardinti(new QTreeWidget, "TreeView1");
  TreeView1_->setHeaderHidden(true);
  connect(TreeView1_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* mazgas) { Pasirinkta(mazgas); });
  RichEdit1_ = Vardinti(new QTextEdit, "RichEdit1");
  RichEdit1_->setReadOnly(true);
  RichEdit1_->setLineWrapMode(QTextEdit::NoWrap);
  RichEdit1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  const auto perjungiklis = [this](const char* vardas, const QString& tekstas) {
    auto* mygtukas = Vardinti(new QToolButton, vardas);
    mygtukas->setText(tekstas);
    mygtukas->setCheckable(true);
    mygtukas->setAutoRaise(true);
    return mygtukas;
  };
  Zodziai_ = perjungiklis("Zodziai", QStringLiteral("Žodžiai"));
  Grupes_ = perjungiklis("SintGrupes", QStringLiteral("Sint.grupės"));
  auto* rodiniai = new QButtonGroup(this);
  rodiniai->addButton(Zodziai_);
  rodiniai->addButton(Grupes_);
  Zodziai_->setChecked(true);
  connect(Zodziai_, &QToolButton::clicked, this, &TForm5::RodytiZodzius);
  connect(Grupes_, &QToolButton::clicked, this, &TForm5::RodytiGrupes);
  auto* baigti = Vardinti(new QPushButton(QStringLiteral("Baigti")), "Baigti");
  baigti->setAutoDefault(false);
  connect(baigti, &QPushButton::clicked, this, &QDialog::reject);

  auto* isdestymas = new QGridLayout(this);
  isdestymas->addWidget(new QLabel(QStringLiteral("Parašykite anglišką sakinį ar žodį:")), 0, 0, 1, 2);
  auto* ivestis = new QHBoxLayout;
  ivestis->addWidget(Memo1_, 1);
  auto* analizes = new QVBoxLayout;
  analizes->addWidget(eilute);
  analizes->addWidget(fraze);
  analizes->addStretch();
  ivestis->addLayout(analizes);
  isdestymas->addLayout(ivestis, 1, 0, 1, 2);
  isdestymas->addWidget(new QLabel(QStringLiteral("Sakinys arba rasti žodžiai:")), 2, 0);
  isdestymas->addWidget(new QLabel(QStringLiteral("Linksniavimas / Asmenavimas / Informacija:")), 2, 1);
  isdestymas->addWidget(TreeView1_, 3, 0);
  isdestymas->addWidget(RichEdit1_, 3, 1);
  isdestymas->setColumnStretch(0, 2);
  isdestymas->setColumnStretch(1, 3);
  isdestymas->setRowStretch(3, 1);
  auto* apacia = new QHBoxLayout;
  apacia->addWidget(Zodziai_);
  apacia->addWidget(Grupes_);
  apacia->addStretch();
  apacia->addWidget(baigti);
  isdestymas->addLayout(apacia, 4, 0, 1, 2);
}

std::string TForm5::Tekstas() const { return ICp1257(Memo1_->toPlainText()); }

void TForm5::AnalizuotiEilute() {
  if (!kervosta::AnalizuotiEilute(aplinka_, Tekstas(), analize_)) return;
  budas_ = abEilute;
  grupes_ = false;
  Zodziai_->setChecked(true);
  UzpildytiSakini();
}

void TForm5::AnalizuotiFraze() {
  const std::string tekstas = Tekstas();
  if (tekstas.empty()) return;
  budas_ = abFraze;
  fraze_ = tekstas;
  grupes_ = false;
  Zodziai_->setChecked(true);
  aplinka_.Variantai.Zodziai.Isvalyti();
  IeskotiZodyne(aplinka_, fraze_);
  UzpildytiFraze();
}

void TForm5::RodytiZodzius() {
  grupes_ = false;
  if (budas_ == abFraze)
    UzpildytiFraze();
  else if (analize_.Saltinis.Kiekis() > 0)
    UzpildytiSakini();
}

void TForm5::RodytiGrupes() {
  if (budas_ == abFraze) return;
  grupes_ = true;
  TreeView1_->clear();
  RichEdit1_->clear();
  QTreeWidgetItem* virsune = Virsune(TreeView1_, QStringLiteral("Sintaksinės struktūros"), 0);
  // The groups the line's analysis made; grouping its words again would group them after their
  // auxiliaries were absorbed, and show groups the translation never had.
  SGrupiuList& grupes = analize_.Grupes.Grupes;
  for (int g = 0; g < grupes.Kiekis(); ++g) {
    auto* grupe = new QTreeWidgetItem(virsune, {IsCp1257(GrupesZyme(grupes[g].Tipas))});
    grupe->setIcon(0, Paveiksliukas(GrupesPaveiksliukas(grupes[g].Tipas)));
    grupe->setData(0, GrupesRole, g);
    for (TZodis* zodis : grupes[g].Zodziai) Zodis(grupe, zodis->Angl, zodis);
  }
  TreeView1_->expandAll();
}

void TForm5::UzpildytiFraze() {
  TreeView1_->clear();
  RichEdit1_->clear();
  TZodziuList& kandidatai = aplinka_.Variantai.Zodziai;
  if (kandidatai.Kiekis() == 0) {
    Virsune(TreeView1_, QStringLiteral("žodyne nerasta informacijos"), 0);
    return;
  }
  QTreeWidgetItem* virsune = Virsune(TreeView1_, IsCp1257(fraze_), 0);
  for (int i = 0; i < kandidatai.Kiekis(); ++i)
    Zodis(virsune, kandidatai[i].Liet, kandidatai.Rodykle(i));
  TreeView1_->expandAll();
}

void TForm5::UzpildytiSakini() {
  TreeView1_->clear();
  RichEdit1_->clear();
  QTreeWidgetItem* anglu = Virsune(TreeView1_, QStringLiteral("Angliškas sakinys"), 0);
  for (int i = 0; i < analize_.Saltinis.Kiekis(); ++i)
    Zodis(anglu, analize_.Saltinis.Zodziai[i].Angl, analize_.Saltinis.Zodziai.Rodykle(i));
  QTreeWidgetItem* lietuviu = Virsune(TreeView1_, QStringLiteral("Lietuviškas sakinys"), 1);
  for (int j = 0; j < analize_.Vertinys.Kiekis(); ++j)
    Zodis(lietuviu, analize_.Vertinys.Zodziai[j].Liet, analize_.Vertinys.Zodziai.Rodykle(j));
  TreeView1_->expandAll();
}

void TForm5::PasirinktiIrasa(const ZodynoMazgas* mazgas) {
  if (budas_ != abFraze || TreeView1_->topLevelItemCount() == 0) return;
  QTreeWidgetItem* virsune = TreeView1_->topLevelItem(0);
  for (int i = 0; i < virsune->childCount(); ++i) {
    const auto* zodis = reinterpret_cast<const TZodis*>(virsune->child(i)->data(0, ZodzioRole).value<quintptr>());
    if (zodis && zodis->Irasas == mazgas) {
      TreeView1_->setCurrentItem(virsune->child(i));
      return;
    }
  }
}

void TForm5::Pasirinkta(QTreeWidgetItem* mazgas) {
  RichEdit1_->clear();
  if (!mazgas) return;
  std::vector<std::string> eilutes;
  if (const quintptr zodis = mazgas->data(0, ZodzioRole).value<quintptr>()) {
    RodytiParadigma(*reinterpret_cast<const TZodis*>(zodis), eilutes);
  } else if (grupes_ && mazgas->data(0, GrupesRole).isValid()) {
    const SGrupe& grupe = analize_.Grupes.Grupes[mazgas->data(0, GrupesRole).toInt()];
    if (!GrupesAprasas(grupe.Tipas).empty()) eilutes.emplace_back(GrupesAprasas(grupe.Tipas));
    if (grupe.Tipas == gtDaikt && !FunkcijosTekstas(grupe.Funkcija).empty())
      eilutes.emplace_back(FunkcijosTekstas(grupe.Funkcija));
  }
  QStringList tekstas;
  for (const std::string& eilute : eilutes) tekstas << IsCp1257(eilute);
  RichEdit1_->setPlainText(tekstas.join(u'\n'));
}

}  // namespace kervosta
