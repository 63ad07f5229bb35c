#include "app/koregavimo_dialogas.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "analysis/aplinka.h"
#include "analysis/zodzio_paieska.h"
#include "app/dialogai.h"
#include "app/iraso_redaktorius.h"
#include "app/kalbos_dalys.h"
#include "app/koduote.h"
#include "app/valdikliu_vardai.h"

namespace kervosta {

namespace {
void PridetiEilute(QTextCursor& zymeklis, const QString& tekstas, const QColor& spalva) {
  if (!zymeklis.atStart()) zymeklis.insertBlock();
  QTextCharFormat formatas;
  formatas.setForeground(spalva);
  zymeklis.insertText(tekstas, formatas);
}
}  // namespace

TForm7::TForm7(std::uint8_t rezimas, const std::string& sakinioTekstas,
               const std::string& ieskomasZodis, Aplinka& aplinka, ZodynoPapildymas papildyti,
               QWidget* savininkas)
    : QDialog(savininkas, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      rezimas_(rezimas),
      sakinioTekstas_(sakinioTekstas),
      ieskomasZodis_(ieskomasZodis),
      aplinka_(aplinka),
      papildyti_(std::move(papildyti)) {
  setObjectName(QStringLiteral("Form7"));

  Label1_ = Vardinti(new QLabel(this), "Label1");
  QFont antraste = Label1_->font();
  antraste.setBold(true);
  Label1_->setFont(antraste);
  Label2_ = Vardinti(new QLabel(this), "Label2");
  Label3_ = Vardinti(new QLabel(this), "Label3");
  RichEdit1_ = Vardinti(new QTextEdit(this), "RichEdit1");
  RichEdit1_->setReadOnly(true);
  RichEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1_->setLineWrapMode(QTextEdit::NoWrap);
  RichEdit1_->setFixedHeight(74);

  StringGrid1_ = Vardinti(new QTableWidget(0, 3, this), "StringGrid1");
  StringGrid1_->setHorizontalHeaderLabels(
      {QStringLiteral("Angliškas žodis"), QStringLiteral("Lietuviškas žodis"),
       QStringLiteral("Kalbos dalis")});
  StringGrid1_->setColumnWidth(0, 125);
  StringGrid1_->setColumnWidth(1, 144);
  StringGrid1_->setColumnWidth(2, 131);
  StringGrid1_->horizontalHeader()->setStretchLastSection(true);
  StringGrid1_->verticalHeader()->setDefaultSectionSize(16);
  StringGrid1_->verticalHeader()->hide();
  StringGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Moving through the grid with the keys chooses as clicking does; a double click goes on.
  connect(StringGrid1_, &QTableWidget::currentCellChanged, this, [this](int eilute) {
    if (eilute >= 0) pasirinktas_ = eilute + 1;
  });
  connect(StringGrid1_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

  BitBtn1_ = Vardinti(new QPushButton(this), "BitBtn1");
  BitBtn1_->setDefault(true);
  connect(BitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
  BitBtn2_ = Vardinti(new QPushButton(QStringLiteral("Papildyti žodyną"), this), "BitBtn2");
  BitBtn2_->setEnabled(static_cast<bool>(papildyti_));
  connect(BitBtn2_, &QPushButton::clicked, this, &TForm7::BitBtn2Click);
  BitBtn3_ = Vardinti(new QPushButton(this), "BitBtn3");
  RodytiKoregavima();
  connect(BitBtn3_, &QPushButton::clicked, this, &TForm7::BitBtn3Click);
  // Escape does the same: the rest of the run is not translated.
  BitBtn4_ = Vardinti(new QPushButton(QStringLiteral("Atšaukti vertimą"), this), "BitBtn4");
  BitBtn4_->setAutoDefault(false);
  connect(BitBtn4_, &QPushButton::clicked, this, &QDialog::reject);

  auto* zymes = new QHBoxLayout;
  zymes->addWidget(Label2_);
  zymes->addStretch();
  zymes->addWidget(Label3_);
  auto* mygtukai = new QHBoxLayout;
  mygtukai->addWidget(BitBtn2_);
  mygtukai->addWidget(BitBtn3_);
  mygtukai->addStretch();
  mygtukai->addWidget(BitBtn4_);
  mygtukai->addWidget(BitBtn1_);
  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->setContentsMargins(8, 8, 8, 8);
  isdestymas->addWidget(Label1_);
  isdestymas->addWidget(RichEdit1_);
  isdestymas->addLayout(zymes);
  isdestymas->addWidget(StringGrid1_, 1);
  isdestymas->addLayout(mygtukai);

  Uzpildyti();
  // Wide enough for the buttons' captions in any font.
  setFixedSize(qMax(442, mygtukai->sizeHint().width() + 16), 301);
}

void TForm7::Uzpildyti() {
  pasirinktas_ = 0;
  RichEdit1_->clear();
  QTextCursor zymeklis(RichEdit1_->document());
  PridetiEilute(zymeklis, IsCp1257(sakinioTekstas_), Qt::black);

  const TZodziuList& variantai = aplinka_.Variantai.Zodziai;
  const int kiekis = variantai.Kiekis();
  switch (rezimas_) {
    case rezDaugiaprasmis:
    case rezNezinomas: {
      const QString antraste = rezimas_ == rezDaugiaprasmis ? QStringLiteral("Rastas daugiaprasmis žodis")
                                                           : QStringLiteral("Rastas nežinomas žodis");
      setWindowTitle(antraste);
      Label1_->setText(antraste);
      BitBtn1_->setText(QStringLiteral("Tęsti vertimą"));
      BitBtn3_->setVisible(true);
      BitBtn4_->setVisible(true);
      if (rezimas_ == rezNezinomas) {
        PridetiEilute(zymeklis, QStringLiteral("Nežinomas žodis: "), Qt::black);
        PridetiEilute(zymeklis, IsCp1257(ieskomasZodis_), Qt::red);
      }
      break;
    }
    default:
      setWindowTitle(QStringLiteral("Paieškos rezultatai"));
      Label1_->setText(QStringLiteral("Rasti žodžio vertimai"));
      BitBtn1_->setText(QStringLiteral("Išeiti"));
      BitBtn3_->setVisible(false);
      BitBtn4_->setVisible(false);
      for (int i = 0; i < kiekis; ++i)
        PridetiEilute(zymeklis, QStringLiteral("* ") + IsCp1257(variantai[i].Liet), Qt::black);
      break;
  }
  Label2_->setText(QStringLiteral("Galimi vertimai:"));
  Label3_->setText(QStringLiteral("Viso žodžių: %1").arg(kiekis));

  StringGrid1_->clearContents();
  StringGrid1_->setRowCount(kiekis);
  for (int i = 0; i < kiekis; ++i) {
    const TZodis& zodis = variantai[i];
    StringGrid1_->setItem(i, 0, new QTableWidgetItem(IsCp1257(zodis.Angl)));
    StringGrid1_->setItem(i, 1, new QTableWidgetItem(IsCp1257(zodis.Liet)));
    StringGrid1_->setItem(i, 2, new QTableWidgetItem(DaliesPavadinimas(zodis.KalbosDalis)));
  }
  Pasirinkti(kiekis);
}

void TForm7::Pasirinkti(int variantas) {
  if (variantas < 0 || variantas > StringGrid1_->rowCount()) return;
  if (variantas == 0) StringGrid1_->clearSelection();
  StringGrid1_->setCurrentCell(variantas - 1, 0);
  pasirinktas_ = variantas;
}

void TForm7::BitBtn2Click() {
  papildyti_(ieskomasZodis_, this);
  aplinka_.Variantai.Zodziai.Isvalyti();
  IeskotiZodyne(aplinka_, ieskomasZodis_);
  Uzpildyti();
}

// The dialog stays open and the rest of this sentence is still asked about; the button says
// that the next sentences will not be.
void TForm7::BitBtn3Click() {
  aplinka_.AutomatinisVertimas = 1;
  RodytiKoregavima();
  emit KoregavimasIsjungtas();
}

void TForm7::RodytiKoregavima() {
  const bool isjungtas = aplinka_.AutomatinisVertimas == 1;
  BitBtn3_->setText(isjungtas ? QStringLiteral("Koregavimas išjungtas")
                              : QStringLiteral("Išjungti vertimo koregavimą"));
  BitBtn3_->setEnabled(!isjungtas);
}

int DialogoKlausejas::Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas,
                              const std::string& zodis, int numatytas, Aplinka& aplinka) {
  const auto papildyti = [this, &aplinka](const std::string& naujasZodis, QWidget* tevas) {
    PapildytiVartotojoZodyna(aplinka.Zodynai, dialogai_, naujasZodis, tevas);
  };
  TForm7 dialogas(rezimas, sakinioTekstas, zodis, aplinka, papildyti, savininkas_);
  dialogas.Pasirinkti(numatytas);
  QObject::connect(&dialogas, &TForm7::KoregavimasIsjungtas, [this] {
    if (KoregavimasIsjungtas) KoregavimasIsjungtas();
  });
  if (dialogai_.Rodyti(dialogas) != QDialog::Accepted) return AtsauktiVertima;
  return dialogas.PasirinktasVariantas();
}

void PapildytiVartotojoZodyna(ZodynuRinkinys& zodynai, Dialogai& dialogai,
                              const std::string& naujasZodis, QWidget* tevas) {
  zodynai.VartotojoRezimas = 1;
  TForm4 redaktorius(zodynai, dialogai, redPapildyti, nullptr, naujasZodis, tevas);
  dialogai.Rodyti(redaktorius);
}

}  // namespace kervosta
