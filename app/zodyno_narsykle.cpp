#include "app/zodyno_narsykle.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/aplinka.h"
#include "analysis/zodzio_paieska.h"
#include "app/dialogai.h"
#include "app/gramatikos_langas.h"
#include "app/iraso_redaktorius.h"
#include "app/koduote.h"
#include "app/koregavimo_dialogas.h"
#include "app/zodyno_modelis.h"
#include "app/zodynu_failai.h"
#include "lexicon/zodyno_keitimas.h"

namespace kervosta {

namespace {
constexpr int PuslapisPagrindinis = 0;

QTableView* Tinklelis(ZodynoModelis* modelis, const char* vardas) {
  auto* tinklelis = new QTableView;
  tinklelis->setObjectName(QString::fromLatin1(vardas));
  tinklelis->setModel(modelis);
  tinklelis->verticalHeader()->setDefaultSectionSize(16);
  tinklelis->verticalHeader()->hide();
  tinklelis->horizontalHeader()->setStretchLastSection(true);
  tinklelis->setSelectionBehavior(QAbstractItemView::SelectRows);
  tinklelis->setSelectionMode(QAbstractItemView::SingleSelection);
  tinklelis->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tinklelis->setColumnWidth(0, 150);
  tinklelis->setColumnWidth(1, 150);
  tinklelis->setColumnWidth(2, 110);
  return tinklelis;
}

QLabel* Zyme(const QString& tekstas, const char* vardas) {
  auto* zyme = new QLabel(tekstas);
  zyme->setObjectName(QString::fromLatin1(vardas));
  return zyme;
}

QWidget* Puslapis(const QString& grupe, QTableView* tinklelis, QLabel* kiekis, QLabel* pasirinktas) {
  auto* puslapis = new QWidget;
  auto* dezute = new QGroupBox(grupe, puslapis);
  auto* zymes = new QHBoxLayout;
  zymes->addWidget(kiekis);
  zymes->addStretch();
  zymes->addWidget(pasirinktas);
  auto* vidus = new QVBoxLayout(dezute);
  vidus->addWidget(tinklelis, 1);
  vidus->addLayout(zymes);
  auto* isdestymas = new QVBoxLayout(puslapis);
  isdestymas->setContentsMargins(4, 4, 4, 4);
  isdestymas->addWidget(dezute);
  return puslapis;
}

QString Kiekis(int n) { return QStringLiteral("Viso žodžių: %1").arg(n); }
}  // namespace

TForm3::TForm3(Aplinka& aplinka, Dialogai& dialogai, const std::string& naujasZodis,
               QWidget* tevas)
    : QDialog(tevas), aplinka_(aplinka), dialogai_(dialogai) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Žodynas: paieška"));
  resize(780, 540);

  SukurtiPuslapius();
  Edit1_ = new QLineEdit;
  Edit1_->setObjectName(QStringLiteral("Edit1"));
  auto* ieskoti = new QPushButton(QStringLiteral("Ieškoti"));
  ieskoti->setObjectName(QStringLiteral("Ieskoti"));
  // Enter in the search box searches, whatever button had the focus before.
  ieskoti->setDefault(true);
  connect(ieskoti, &QPushButton::clicked, this, &TForm3::Ieskoti);
  connect(Edit1_, &QLineEdit::textChanged, this, &TForm3::IeskotiPradzios);
  auto* paieska = new QHBoxLayout;
  paieska->addWidget(new QLabel(QStringLiteral("Įveskite žodį ( frazę ):")));
  paieska->addWidget(Edit1_, 1);
  paieska->addWidget(ieskoti);
  auto* paaiskinimas = new QLabel(QStringLiteral(
      "Paieška atliekama žodžių saraše visose žodžio formose, išimtinių žodžių sąraše, taip pat "
      "vartotojo žodyne."));
  paaiskinimas->setWordWrap(true);

  auto* virsus = new QHBoxLayout;
  virsus->addWidget(PageC1_, 1);
  virsus->addWidget(SukurtiMygtukus());
  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addLayout(virsus, 1);
  isdestymas->addLayout(paieska);
  isdestymas->addWidget(paaiskinimas);
  SukurtiMeniu();

  pagrindinis_->Uzpildyti(aplinka_.Zodynai.PagrindinisZodynas);
  Label2_->setText(Kiekis(pagrindinis_->rowCount()));
  UzpildytiVartotojo();
  PageC1_->setCurrentIndex(PuslapisPagrindinis);
  aplinka_.Zodynai.VartotojoRezimas = 0;
  Edit1_->setText(IsCp1257(naujasZodis));
  Edit1_->setFocus();
}

void TForm3::SukurtiPuslapius() {
  pagrindinis_ = new ZodynoModelis(this);
  vartotojo_ = new ZodynoModelis(this);
  ZodSar_ = Tinklelis(pagrindinis_, "ZodSar");
  ZodSarU_ = Tinklelis(vartotojo_, "ZodSarU");
  Label2_ = Zyme(QString(), "Label2");
  Label3_ = Zyme(QStringLiteral("Pasirinktas joks"), "Label3");
  Label4_ = Zyme(QString(), "Label4");
  Label5_ = Zyme(QStringLiteral("Pasirinktas joks"), "Label5");

  PageC1_ = new QTabWidget;
  PageC1_->setObjectName(QStringLiteral("PageC1"));
  PageC1_->setTabPosition(QTabWidget::East);
  QWidget* pagrindinis =
      Puslapis(QStringLiteral("  Žodžių sąrašas ( be išimtinių žodžių )"), ZodSar_, Label2_, Label3_);
  pagrindinis->setObjectName(QStringLiteral("TabSheet1"));
  QWidget* vartotojo =
      Puslapis(QStringLiteral(" Pagalbinių žodynų žodžių sąrašas "), ZodSarU_, Label4_, Label5_);
  vartotojo->setObjectName(QStringLiteral("TabSheet2"));
  PageC1_->addTab(pagrindinis, QStringLiteral("Pagrindinis žodynas"));
  PageC1_->addTab(vartotojo, QStringLiteral("Vartotojo žodynas"));
  connect(PageC1_, &QTabWidget::currentChanged, this,
          [this](int puslapis) { aplinka_.Zodynai.VartotojoRezimas = puslapis == PuslapisPagrindinis ? 0 : 1; });

  for (auto [tinklelis, zyme] : {std::pair{ZodSar_, Label3_}, std::pair{ZodSarU_, Label5_}}) {
    connect(tinklelis->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [zyme](const QModelIndex& dabartine) {
              zyme->setText(dabartine.isValid()
                                ? QStringLiteral("Pasirinktas: %1").arg(dabartine.row() + 1)
                                : QStringLiteral("Pasirinktas joks"));
            });
  }
}

QWidget* TForm3::SukurtiMygtukus() {
  auto* skydelis = new QWidget;
  auto* isdestymas = new QVBoxLayout(skydelis);
  isdestymas->setContentsMargins(0, 0, 0, 0);
  const auto mygtukas = [this, isdestymas](const char* vardas, const QString& tekstas,
                                           void (TForm3::*komanda)()) {
    auto* naujas = new QPushButton(tekstas);
    naujas->setObjectName(QString::fromLatin1(vardas));
    naujas->setAutoDefault(false);
    if (komanda) connect(naujas, &QPushButton::clicked, this, komanda);
    isdestymas->addWidget(naujas);
    return naujas;
  };
  mygtukas("NaujasIrasas", QStringLiteral("Naujas įrašas"), &TForm3::NaujasIrasas);
  mygtukas("TrintiIrasa", QStringLiteral("Trinti įrašą"), &TForm3::TrintiIrasa);
  mygtukas("RedaguotiIrasa", QStringLiteral("Redaguoti įrašą"), &TForm3::RedaguotiIrasa);
  mygtukas("Rusiuoti", QStringLiteral("Rūšiuoti / Atnaujinti "), &TForm3::Rusiuoti);
  mygtukas("Linksniuoti", QStringLiteral("Linksniuoti / Asmenuoti"), &TForm3::Linksniuoti);
  isdestymas->addSpacing(12);
  mygtukas("UzkrautiZodyna", QStringLiteral("Užkrauti žodyną"), &TForm3::UzkrautiZodyna);
  mygtukas("ImportuotiZodyna", QStringLiteral("Importuoti žodyną"), &TForm3::ImportuotiZodyna);
  mygtukas("IssaugotiZodyna", QStringLiteral("Išsaugoti žodyną"), &TForm3::IssaugotiZodyna);
  isdestymas->addStretch();
  connect(mygtukas("Baigti", QStringLiteral("Uždaryti sąrašą / Baigti"), nullptr),
          &QPushButton::clicked, this, &QDialog::accept);
  return skydelis;
}

void TForm3::SukurtiMeniu() {
  auto* juosta = new QMenuBar(this);
  juosta->setObjectName(QStringLiteral("MainMenu1"));
  layout()->setMenuBar(juosta);
  QMenu* zodynas = juosta->addMenu(QStringLiteral("Žodynas"));
  zodynas->addAction(QStringLiteral("Užkrauti žodyną"), this, &TForm3::UzkrautiZodyna);
  zodynas->addAction(QStringLiteral("Išsaugoti žodyną"), this, &TForm3::IssaugotiZodyna);
  zodynas->addSeparator();
  zodynas->addAction(QStringLiteral("Baigti"), this, &QDialog::accept);
  QMenu* sarasas = juosta->addMenu(QStringLiteral("Sąrašas"));
  sarasas->addAction(QStringLiteral("Naujas įrašas"), this, &TForm3::NaujasIrasas);
  sarasas->addAction(QStringLiteral("Keisti įrašą"), this, &TForm3::RedaguotiIrasa);
  sarasas->addAction(QStringLiteral("Trinti įrašą"), this, &TForm3::TrintiIrasa);
  sarasas->addSeparator();
  sarasas->addAction(QStringLiteral("Linksniuoti / Asmenuoti"), this, &TForm3::Linksniuoti);
  sarasas->addSeparator();
  sarasas->addAction(QStringLiteral("Rūšiuoti sąrašą"), this, &TForm3::Rusiuoti);
}

bool TForm3::Vartotojo() const { return PageC1_->currentIndex() != PuslapisPagrindinis; }

QTableView* TForm3::AktyvusTinklelis() const { return Vartotojo() ? ZodSarU_ : ZodSar_; }

QLabel* TForm3::AktyviPasirinkimoZyme() const { return Vartotojo() ? Label5_ : Label3_; }

void TForm3::Atnaujinti() {
  if (Vartotojo()) {
    UzpildytiVartotojo();
    return;
  }
  const int eilute = ZodSar_->currentIndex().row();
  pagrindinis_->Uzpildyti(aplinka_.Zodynai.PagrindinisZodynas);
  Label2_->setText(Kiekis(pagrindinis_->rowCount()));
  Pasirinkti(ZodSar_, Label3_, eilute);
}

void TForm3::UzpildytiVartotojo() {
  const int eilute = ZodSarU_->currentIndex().row();
  vartotojo_->Uzpildyti(aplinka_.Zodynai.VartotojoZodynas);
  Label4_->setText(Kiekis(vartotojo_->rowCount()));
  Pasirinkti(ZodSarU_, Label5_, eilute);
}

void TForm3::RodytiVartotojoPuslapi() {
  UzpildytiVartotojo();
  PageC1_->setCurrentIndex(1);
  aplinka_.Zodynai.VartotojoRezimas = 1;
}

// After a refresh the selection stays on its row, when the list still reaches it.
void TForm3::Pasirinkti(QTableView* tinklelis, QLabel* zyme, int eilute) {
  if (eilute < 0 || eilute >= tinklelis->model()->rowCount()) {
    zyme->setText(QStringLiteral("Pasirinktas joks"));
    return;
  }
  tinklelis->setCurrentIndex(tinklelis->model()->index(eilute, 0));
  tinklelis->selectRow(eilute);
}

void TForm3::IeskotiPradzios(const QString& tekstas) {
  const ZodynoSarasas& sarasas = aplinka_.Zodynai.Pasirinktas();
  const int pozicija = sarasas.PirmasSuPradzia(AnglMazosiomis(ICp1257(tekstas)));
  if (pozicija == 0) return;
  // Entries linked since the last refresh have no row yet.
  if (pozicija > AktyvusTinklelis()->model()->rowCount()) Atnaujinti();
  QTableView* tinklelis = AktyvusTinklelis();
  Pasirinkti(tinklelis, AktyviPasirinkimoZyme(), pozicija - 1);
  tinklelis->scrollTo(tinklelis->model()->index(pozicija - 1, 0), QAbstractItemView::PositionAtCenter);
}

void TForm3::Ieskoti() {
  const std::string tekstas = AnglMazosiomis(ICp1257(Edit1_->text()));
  if (IeskotiVisoseFormose(aplinka_, tekstas) == 0) {
    dialogai_.Pranesti(QStringLiteral("Informacija!"), QStringLiteral("Įvestas žodis žodyne nerastas"));
    return;
  }
  TForm7 rezultatai(rezPaieska, tekstas, tekstas, aplinka_, {}, this);
  dialogai_.Rodyti(rezultatai);
}

ZodynoMazgas* TForm3::PasirinktasMazgas(const QString& tuscias, const QString& nerasta) {
  const ZodynoSarasas& sarasas = aplinka_.Zodynai.Pasirinktas();
  if (sarasas.Tuscias()) {
    dialogai_.Pranesti(QStringLiteral("Klaida!"), tuscias);
    return nullptr;
  }
  ZodynoMazgas* mazgas = sarasas.Rasti(AktyvusTinklelis()->currentIndex().row() + 1);
  if (!mazgas) dialogai_.Pranesti(QStringLiteral("Klaida!"), nerasta);
  return mazgas;
}

void TForm3::NaujasIrasas() {
  TForm4 redaktorius(aplinka_.Zodynai, dialogai_, redPapildyti, nullptr, ICp1257(Edit1_->text()), this);
  dialogai_.Rodyti(redaktorius);
  Atnaujinti();
}

void TForm3::RedaguotiIrasa() {
  ZodynoMazgas* mazgas =
      PasirinktasMazgas(QStringLiteral("Sąrašas tuščias..."), QStringLiteral("Neradau redaguojamo žodžio."));
  if (!mazgas) return;
  TForm4 redaktorius(aplinka_.Zodynai, dialogai_, redKeisti, mazgas, mazgas->Duomenys.Angl1(), this);
  dialogai_.Rodyti(redaktorius);
  Atnaujinti();
  if (!Vartotojo()) IssaugotiPagrindini(aplinka_.Zodynai, dialogai_);
}

void TForm3::TrintiIrasa() {
  ZodynoMazgas* mazgas = PasirinktasMazgas(
      QStringLiteral("Sąrašas tuščias"), Vartotojo() ? QStringLiteral("Neradau ką čia nori trinti...")
                                                     : QStringLiteral("Neradau ką čia nori tirnti..."));
  if (!mazgas) return;
  const ZodynoIrasas& irasas = mazgas->Duomenys;
  const QString klausimas = QStringLiteral("Ar tikrai norite trinti: %1 - %2 ?")
                                .arg(IsCp1257(irasas.Vaizdas(TekstoLaukas::Angl1)),
                                     IsCp1257(irasas.Vaizdas(TekstoLaukas::LietZodis)));
  if (!dialogai_.KlaustiGerai(QStringLiteral("Klausimas"), klausimas)) return;
  kervosta::TrintiIrasa(aplinka_.Zodynai, mazgas);
  Atnaujinti();
}

// The grammar window on the entry's headword, its own candidate chosen.
void TForm3::Linksniuoti() {
  ZodynoMazgas* mazgas = PasirinktasMazgas(QStringLiteral("Sąrašas tuščias..."),
                                           QStringLiteral("Neradau linksniuojamo žodžio."));
  if (!mazgas) return;
  TForm5 langas(aplinka_, mazgas->Duomenys.Angl1(), abFraze, this);
  langas.PasirinktiIrasa(mazgas);
  dialogai_.Rodyti(langas);
}

void TForm3::Rusiuoti() {
  RusiuotiZodyna(aplinka_.Zodynai);
  Atnaujinti();
}

QString TForm3::ZodynuKatalogas() const {
  return QString::fromStdU16String(NumatytasVartotojoZodynas(aplinka_.Zodynai).parent_path().u16string());
}

void TForm3::UzkrautiZodyna() {
  if (!LeistiPrarastiVartotojo(aplinka_.Zodynai, dialogai_)) return;
  const std::optional<QString> failas = dialogai_.PasirinktiZodyna(false, ZodynuKatalogas());
  if (!failas) return;
  const std::filesystem::path kelias = failas->toStdU16String();
  if (ZodynoFailoVeiksmas(dialogai_, QStringLiteral("Nepavyko įkelti žodyno"), kelias,
                          [&] { IkeltiVartotojoZodyna(aplinka_.Zodynai, kelias); }))
    RodytiVartotojoPuslapi();
}

void TForm3::ImportuotiZodyna() {
  const std::optional<QString> failas = dialogai_.PasirinktiZodyna(false, ZodynuKatalogas());
  if (!failas) return;
  const std::filesystem::path kelias = failas->toStdU16String();
  // The whole records read before a failure stay in the list, so the page shows them either way.
  ZodynoFailoVeiksmas(dialogai_, QStringLiteral("Nepavyko importuoti žodyno"), kelias,
                      [&] { ImportuotiVartotojoZodyna(aplinka_.Zodynai, kelias); });
  RodytiVartotojoPuslapi();
}

void TForm3::IssaugotiZodyna() {
  if (!Vartotojo()) {
    IssaugotiPagrindini(aplinka_.Zodynai, dialogai_);
    return;
  }
  const std::optional<QString> failas = dialogai_.PasirinktiZodyna(true, ZodynuKatalogas());
  if (failas) IssaugotiVartotojo(aplinka_.Zodynai, dialogai_, failas->toStdU16String());
}

}  // namespace kervosta
