// What every page of the entry editor shares, and the pages of the verb and of the other parts of
// speech; the declined words' pages are in app/vardazodziu_puslapiai.cpp.
#include "app/iraso_puslapiai.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/iraso_valdikliai.h"
#include "morphology/etiketes.h"
#include "morphology/iraso_pavyzdziai.h"
#include "morphology/veiksmazodziu_galunes.h"

namespace kervosta {

void IrasoPuslapis::Rodyti(const IrasoLaukai& laukai) {
  rodoma_ = true;
  Irasyti(laukai);
  rodoma_ = false;
  Atnaujinti();
}

void IrasoPuslapis::Pakeista() {
  if (!rodoma_) Atnaujinti();
}

void IrasoPuslapis::Stebeti1(QLineEdit* laukas) {
  connect(laukas, &QLineEdit::textChanged, this, &IrasoPuslapis::Pakeista);
}

void IrasoPuslapis::Stebeti1(QComboBox* parinkiklis) {
  connect(parinkiklis, &QComboBox::currentIndexChanged, this, &IrasoPuslapis::Pakeista);
}

void IrasoPuslapis::Stebeti1(QCheckBox* zymimasis) {
  connect(zymimasis, &QCheckBox::toggled, this, &IrasoPuslapis::Pakeista);
}

void IrasoPuslapis::Stebeti1(Radijas* radijas) {
  connect(radijas->Grupe(), &QButtonGroup::idToggled, this, &IrasoPuslapis::Pakeista);
}

namespace {
// A Lithuanian stem with the chooser of the class its forms take, on one row of the grid.
void KamienoEilute(QGridLayout* tinklelis, const QString& antraste, QLineEdit* kamienas,
                   QComboBox* klase) {
  const int eilute = tinklelis->rowCount();
  auto* zyme = new QLabel(antraste);
  zyme->setBuddy(kamienas);
  tinklelis->addWidget(zyme, eilute, 0);
  tinklelis->addWidget(kamienas, eilute, 1);
  tinklelis->addWidget(klase, eilute, 2);
}

void ParinkiklioEilute(QGridLayout* tinklelis, const QString& antraste, QComboBox* parinkiklis) {
  const int eilute = tinklelis->rowCount();
  auto* zyme = new QLabel(antraste);
  zyme->setBuddy(parinkiklis);
  tinklelis->addWidget(zyme, eilute, 0);
  tinklelis->addWidget(parinkiklis, eilute, 1, 1, 2);
}
}  // namespace

VeiksmazodzioPuslapis::VeiksmazodzioPuslapis(QWidget* tevas)
    : IrasoPuslapis(tevas),
      bendratis_(TekstoLangelis("VeiksmBendratis")),
      treciasisAsmuo_(TekstoLangelis("VeiksmTreciasisAsmuo")),
      taisyklingas_(Zymimasis(QStringLiteral("Taisyklingas"), "VeiksmTaisyklingas")),
      antraForma_(TekstoLangelis("VeiksmAntraForma")),
      treciaForma_(TekstoLangelis("VeiksmTreciaForma")),
      ingForma_(TekstoLangelis("VeiksmIngForma")),
      kamienas_(TekstoLangelis("VeiksmKamienas")),
      bendratiesGalune_(Parinkiklis(Etiketes(BendratiesGalunes), "VeiksmBendratiesGalune")),
      klausimas_(Parinkiklis(Etiketes(ReikalaujamiKlausimai), "VeiksmKlausimas")),
      kategorija_(Parinkiklis(Etiketes(VeiksmazodzioKategorijos), "VeiksmKategorija")),
      esamasKamienas_(TekstoLangelis("VeiksmEsamasKamienas")),
      esamojoKlase_(Parinkiklis(Etiketes(EsamojoLaikoAsmenuotes), "VeiksmEsamojoKlase")),
      butasKamienas_(TekstoLangelis("VeiksmButasKamienas")),
      butojoKlase_(Parinkiklis(Etiketes(ButojoLaikoAsmenuotes), "VeiksmButojoKlase")),
      busimasKamienas_(TekstoLangelis("VeiksmBusimasKamienas")),
      busimojoKlase_(Parinkiklis(Etiketes(BusimojoLaikoAsmenuotes), "VeiksmBusimojoKlase")),
      pavyzdziai_(PavyzdziuEilutes("VeiksmPavyzdys", 3)) {
  auto* angliskai = new QFormLayout;
  angliskai->addRow(QStringLiteral("Pirma forma (the infinitive):"), bendratis_);
  angliskai->addRow(QStringLiteral("Trečiasis asmuo (he, she, it):"), treciasisAsmuo_);
  angliskai->addRow(taisyklingas_);
  angliskai->addRow(QStringLiteral("Antra forma (past simple):"), antraForma_);
  angliskai->addRow(QStringLiteral("Trečia forma (past participle):"), treciaForma_);
  angliskai->addRow(QStringLiteral("-ING forma:"), ingForma_);

  auto* lietuviskai = new QGridLayout;
  KamienoEilute(lietuviskai, QStringLiteral("Bendraties kamienas:"), kamienas_, bendratiesGalune_);
  ParinkiklioEilute(lietuviskai, QStringLiteral("Reikalauja klausimo:"), klausimas_);
  ParinkiklioEilute(lietuviskai, QStringLiteral("Kategorija:"), kategorija_);
  KamienoEilute(lietuviskai, QStringLiteral("Esamojo laiko kamienas:"), esamasKamienas_,
                esamojoKlase_);
  KamienoEilute(lietuviskai, QStringLiteral("Būtojo laiko kamienas:"), butasKamienas_,
                butojoKlase_);
  KamienoEilute(lietuviskai, QStringLiteral("Būsimojo laiko kamienas:"), busimasKamienas_,
                busimojoKlase_);
  IsdestytiPuslapi(this, nullptr, angliskai, lietuviskai,
                   PavyzdziuGrupe(QStringLiteral(" Asmenuotė "), pavyzdziai_));

  connect(bendratis_, &QLineEdit::textChanged, this, &VeiksmazodzioPuslapis::BendratisPakeista);
  connect(taisyklingas_, &QCheckBox::toggled, this, [this] {
    if (Rasoma()) PildytiButasiasFormas();
  });
  // The three tense stems start as the infinitive stem and are corrected where they differ.
  connect(kamienas_, &QLineEdit::textChanged, this, [this](const QString& kamienas) {
    if (!Rasoma()) return;
    esamasKamienas_->setText(kamienas);
    butasKamienas_->setText(kamienas);
    busimasKamienas_->setText(kamienas);
  });
  // The infinitive ending is the future class's.
  connect(bendratiesGalune_, &QComboBox::currentIndexChanged, this, [this](int galune) {
    if (Rasoma()) busimojoKlase_->setCurrentIndex(galune);
  });
  Stebeti(esamasKamienas_, esamojoKlase_, butasKamienas_, butojoKlase_, busimasKamienas_,
          busimojoKlase_);
}

void VeiksmazodzioPuslapis::BendratisPakeista() {
  if (!Rasoma()) return;
  const std::string bendratis = Tekstas(bendratis_);
  RodytiTeksta(treciasisAsmuo_, TreciasisAsmuo(bendratis));
  RodytiTeksta(ingForma_, IngForma(bendratis));
  PildytiButasiasFormas();
}

void VeiksmazodzioPuslapis::PildytiButasiasFormas() {
  const std::string forma = ButojiForma(Tekstas(bendratis_), taisyklingas_->isChecked());
  RodytiTeksta(antraForma_, forma);
  RodytiTeksta(treciaForma_, forma);
}

IrasoLaukai VeiksmazodzioPuslapis::Laukai() const {
  return VeiksmazodzioLaukai{.Bendratis = Tekstas(bendratis_),
                             .TreciasisAsmuo = Tekstas(treciasisAsmuo_),
                             .Taisyklingas = taisyklingas_->isChecked(),
                             .AntraForma = Tekstas(antraForma_),
                             .TreciaForma = Tekstas(treciaForma_),
                             .IngForma = Tekstas(ingForma_),
                             .Kamienas = Tekstas(kamienas_),
                             .BendratiesGalune = bendratiesGalune_->currentIndex(),
                             .Klausimas = klausimas_->currentIndex(),
                             .Kategorija = kategorija_->currentIndex(),
                             .EsamasKamienas = Tekstas(esamasKamienas_),
                             .EsamojoKlase = esamojoKlase_->currentIndex(),
                             .ButasKamienas = Tekstas(butasKamienas_),
                             .ButojoKlase = butojoKlase_->currentIndex(),
                             .BusimasKamienas = Tekstas(busimasKamienas_),
                             .BusimojoKlase = busimojoKlase_->currentIndex()};
}

void VeiksmazodzioPuslapis::Irasyti(const IrasoLaukai& laukai) {
  const auto& l = std::get<VeiksmazodzioLaukai>(laukai);
  RodytiTeksta(bendratis_, l.Bendratis);
  RodytiTeksta(treciasisAsmuo_, l.TreciasisAsmuo);
  taisyklingas_->setChecked(l.Taisyklingas);
  RodytiTeksta(antraForma_, l.AntraForma);
  RodytiTeksta(treciaForma_, l.TreciaForma);
  RodytiTeksta(ingForma_, l.IngForma);
  RodytiTeksta(kamienas_, l.Kamienas);
  bendratiesGalune_->setCurrentIndex(l.BendratiesGalune);
  klausimas_->setCurrentIndex(l.Klausimas);
  kategorija_->setCurrentIndex(l.Kategorija);
  RodytiTeksta(esamasKamienas_, l.EsamasKamienas);
  esamojoKlase_->setCurrentIndex(l.EsamojoKlase);
  RodytiTeksta(butasKamienas_, l.ButasKamienas);
  butojoKlase_->setCurrentIndex(l.ButojoKlase);
  RodytiTeksta(busimasKamienas_, l.BusimasKamienas);
  busimojoKlase_->setCurrentIndex(l.BusimojoKlase);
}

void VeiksmazodzioPuslapis::Atnaujinti() { RodytiPavyzdzius(pavyzdziai_, Pavyzdziai(Laukai())); }

KitoZodzioPuslapis::KitoZodzioPuslapis(QWidget* tevas)
    : IrasoPuslapis(tevas),
      kalbosDalis_(Parinkiklis(Etiketes(KalbuDaliuPavadinimai), "KitaKalbosDalis")),
      klausimas_(Parinkiklis(Etiketes(KitoZodzioKlausimai), "KitaKlausimas")),
      angliskas_(TekstoLangelis("KitaAngliskas")),
      lietuviskas_(TekstoLangelis("KitaLietuviskas")) {
  auto* virsus = new QFormLayout;
  virsus->addRow(QStringLiteral("Kalbos dalis:"), kalbosDalis_);
  virsus->addRow(QStringLiteral("Reikalauja klausimo (jei yra):"), klausimas_);
  auto* angliskai = new QFormLayout;
  angliskai->addRow(QStringLiteral("Angliškas žodis:"), angliskas_);
  auto* lietuviskai = new QFormLayout;
  lietuviskai->addRow(QStringLiteral("Lietuviškas žodis:"), lietuviskas_);
  IsdestytiPuslapi(this, virsus, angliskai, lietuviskai, nullptr);
}

IrasoLaukai KitoZodzioPuslapis::Laukai() const {
  return KitoZodzioLaukai{.KalbosDalis = kalbosDalis_->currentIndex(),
                          .Klausimas = klausimas_->currentIndex(),
                          .Angliskas = Tekstas(angliskas_),
                          .Lietuviskas = Tekstas(lietuviskas_)};
}

void KitoZodzioPuslapis::Irasyti(const IrasoLaukai& laukai) {
  const auto& l = std::get<KitoZodzioLaukai>(laukai);
  kalbosDalis_->setCurrentIndex(l.KalbosDalis);
  klausimas_->setCurrentIndex(l.Klausimas);
  RodytiTeksta(angliskas_, l.Angliskas);
  RodytiTeksta(lietuviskas_, l.Lietuviskas);
}

}  // namespace kervosta
