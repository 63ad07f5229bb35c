#include "app/iraso_redaktorius.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogai.h"
#include "app/iraso_puslapiai.h"
#include "app/koduote.h"
#include "app/zodynu_failai.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_keitimas.h"

namespace kervosta {

TForm4::TForm4(ZodynuRinkinys& zodynai, Dialogai& dialogai, std::uint8_t redagavimoRezimas,
               ZodynoMazgas* keiciamas, const std::string& naujasZodis, QWidget* tevas)
    : QDialog(tevas),
      zodynai_(zodynai),
      dialogai_(dialogai),
      keiciamas_(redagavimoRezimas == redKeisti ? keiciamas : nullptr) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Žodynas: papildyti / redaguoti"));

  PageControl1_ = new QTabWidget(this);
  PageControl1_->setObjectName(QStringLiteral("PageControl1"));
  puslapiai_ = {new DaiktavardzioPuslapis, new BudvardzioPuslapis,   new VeiksmazodzioPuslapis,
                new IvardzioPuslapis,      new SkaitvardzioPuslapis, new KitoZodzioPuslapis};
  const std::array<std::pair<const char*, QString>, 6> korteles = {{
      {"TabDaiktavardis", QStringLiteral("Daiktavardis")},
      {"TabBudvardis", QStringLiteral("Būdvardis")},
      {"TabVeiksmazodis", QStringLiteral("Veiksmažodis")},
      {"TabIvardis", QStringLiteral("Įvardis")},
      {"TabSkaitvardis", QStringLiteral("Skaitvardis")},
      {"TabKita", QStringLiteral("Kita kalbos dalis")},
  }};
  for (std::size_t i = 0; i < puslapiai_.size(); ++i) {
    puslapiai_[i]->setObjectName(QString::fromLatin1(korteles[i].first));
    PageControl1_->addTab(puslapiai_[i], korteles[i].second);
  }

  BitBtn1_ = new QPushButton(this);
  BitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1_->setDefault(true);
  auto* valyti = new QPushButton(QStringLiteral("&Valyti laukus"), this);
  valyti->setObjectName(QStringLiteral("ValytiLaukus"));
  valyti->setAutoDefault(false);
  auto* iseiti = new QPushButton(QStringLiteral("Išeiti"), this);
  iseiti->setObjectName(QStringLiteral("Iseiti"));
  iseiti->setAutoDefault(false);
  connect(BitBtn1_, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
  connect(valyti, &QPushButton::clicked, this, &TForm4::Valyti);
  connect(iseiti, &QPushButton::clicked, this, &TForm4::reject);

  auto* mygtukai = new QHBoxLayout;
  mygtukai->addWidget(BitBtn1_);
  mygtukai->addWidget(valyti);
  mygtukai->addStretch();
  mygtukai->addWidget(iseiti);
  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addWidget(PageControl1_, 1);
  isdestymas->addLayout(mygtukai);

  Valyti();
  if (keiciamas_)
    AtvertiKeiciama();
  else
    AtvertiNauja(naujasZodis);
  setMinimumWidth(780);
}

void TForm4::AtvertiNauja(const std::string& naujasZodis) {
  BitBtn1_->setText(QStringLiteral("Papildyti"));
  PageControl1_->setCurrentIndex(0);
  for (IrasoPuslapis* puslapis : puslapiai_)
    if (QLineEdit* laukas = puslapis->AnglZodzioLaukas()) laukas->setText(IsCp1257(naujasZodis));
}

void TForm4::AtvertiKeiciama() {
  BitBtn1_->setText(QStringLiteral("Išsaugoti"));
  const IrasoLaukai laukai = IkeltiLaukus(keiciamas_->Duomenys);
  const int puslapis = static_cast<int>(laukai.index());
  // The entry stays the part of speech it is: only its own page is offered.
  for (int i = 0; i < PageControl1_->count(); ++i) PageControl1_->setTabVisible(i, i == puslapis);
  PageControl1_->setCurrentIndex(puslapis);
  puslapiai_[laukai.index()]->Rodyti(laukai);
}

void TForm4::Valyti() {
  for (IrasoPuslapis* puslapis : puslapiai_) puslapis->Valyti();
}

QString TForm4::AnalogoKlausimas() const {
  return zodynai_.VartotojoRezimas
             ? QStringLiteral(
                   "Analogiškas žodis jau egzistuoja vartotojo žodyne. Papildyti vartotojo žodyną?")
             : QStringLiteral("Analogiškas žodis jau egzistuoja žodyne. Papildyti žodyna?");
}

void TForm4::BitBtn1Click() {
  const IrasoLaukai laukai =
      puslapiai_[static_cast<std::size_t>(PageControl1_->currentIndex())]->Laukai();
  if (const auto klaida = LaukuKlaida(laukai)) {
    dialogai_.Pranesti(QStringLiteral("Klaida!"), IsCp1257(*klaida));
    return;
  }
  const ZodynoIrasas irasas = SudarytiIrasa(laukai);
  if (RastiAnalogiska(zodynai_.Pasirinktas(), irasas) &&
      dialogai_.Klausti(AnalogoKlausimas()) != Atsakymas::Taip)
    return;
  const auto irasyti = [&] {
    if (keiciamas_)
      PakeistiIrasa(zodynai_, *keiciamas_, irasas);
    else
      PridetiIrasa(zodynai_, irasas);
  };
  // Only a new main-dictionary entry touches a file: it is appended to main.zod at once.
  if (ZodynoFailoVeiksmas(dialogai_, QStringLiteral("Nepavyko papildyti žodyno"),
                          zodynai_.ProgramosKatalogas / PagrindinioZodynoFailas, irasyti))
    issaugota_ = true;
}

void TForm4::reject() { done(issaugota_ ? QDialog::Accepted : QDialog::Rejected); }

}  // namespace kervosta
