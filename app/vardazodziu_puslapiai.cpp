// The entry editor's pages of the declined words: noun, adjective, pronoun and numeral.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "app/iraso_puslapiai.h"
#include "app/iraso_valdikliai.h"
#include "morphology/etiketes.h"
#include "morphology/iraso_pavyzdziai.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_galunes.h"

namespace kervosta {

namespace {
QStringList Tikrinis() { return {QStringLiteral("Netikrinis"), QStringLiteral("Tikrinis")}; }
}  // namespace

DaiktavardzioPuslapis::DaiktavardzioPuslapis(QWidget* tevas)
    : IrasoPuslapis(tevas),
      vienaskaita_(TekstoLangelis("DaiktVienaskaita")),
      daugiskaita_(TekstoLangelis("DaiktDaugiskaita")),
      anglSkaicius_(new Radijas(QStringLiteral(" Skaičiavimas "), Etiketes(Skaiciavimai),
                                "DaiktAnglSkaicius")),
      tikrinisAngl_(new Radijas(QStringLiteral(" Tikrinis "), Tikrinis(), "DaiktTikrinisAngl")),
      kamienas_(TekstoLangelis("DaiktKamienas")),
      kategorija_(Parinkiklis(Etiketes(DaiktavardzioKategorijos), "DaiktKategorija")),
      gimine_(
          new Radijas(QStringLiteral(" Giminė "), Etiketes(DaiktavardzioGimines), "DaiktGimine")),
      lietSkaicius_(new Radijas(QStringLiteral(" Skaičiavimas "), Etiketes(Skaiciavimai),
                                "DaiktLietSkaicius")),
      tikrinisLiet_(new Radijas(QStringLiteral(" Tikrinis "), Tikrinis(), "DaiktTikrinisLiet")),
      linksniuote_(Parinkiklis(Etiketes(DaiktavardzioLinksniuotes), "DaiktLinksniuote")),
      pavyzdziai_(PavyzdziuEilutes("DaiktPavyzdys", 2)) {
  auto* angliskai = new QFormLayout;
  angliskai->addRow(QStringLiteral("Vienaskaita:"), vienaskaita_);
  angliskai->addRow(QStringLiteral("Daugiskaita:"), daugiskaita_);
  auto* anglGrupes = new QHBoxLayout;
  anglGrupes->addWidget(anglSkaicius_);
  anglGrupes->addWidget(tikrinisAngl_);
  angliskai->addRow(anglGrupes);

  auto* lietuviskai = new QFormLayout;
  lietuviskai->addRow(QStringLiteral("Žodžio kamienas be galūnės:"), kamienas_);
  lietuviskai->addRow(QStringLiteral("Kategorija:"), kategorija_);
  auto* lietGrupes = new QHBoxLayout;
  lietGrupes->addWidget(gimine_);
  lietGrupes->addWidget(lietSkaicius_);
  lietGrupes->addWidget(tikrinisLiet_);
  lietuviskai->addRow(lietGrupes);
  IsdestytiPuslapi(this, nullptr, angliskai, lietuviskai,
                   PavyzdziuGrupe(QStringLiteral(" Linksniuotė "), pavyzdziai_, linksniuote_));

  connect(vienaskaita_, &QLineEdit::textChanged, this, [this] {
    if (Rasoma()) RodytiTeksta(daugiskaita_, AnglDaugiskaita(Tekstas(vienaskaita_)));
  });
  // One choice shown on both sides.
  connect(tikrinisAngl_->Grupe(), &QButtonGroup::idToggled, this, [this](int id, bool pasirinktas) {
    if (pasirinktas) tikrinisLiet_->Nustatyti(id);
  });
  connect(tikrinisLiet_->Grupe(), &QButtonGroup::idToggled, this, [this](int id, bool pasirinktas) {
    if (pasirinktas) tikrinisAngl_->Nustatyti(id);
  });
  Stebeti(anglSkaicius_, lietSkaicius_, kamienas_, linksniuote_);
}

IrasoLaukai DaiktavardzioPuslapis::Laukai() const {
  return DaiktavardzioLaukai{.Vienaskaita = Tekstas(vienaskaita_),
                             .Daugiskaita = Tekstas(daugiskaita_),
                             .AnglSkaicius = anglSkaicius_->Indeksas(),
                             .Tikrinis = tikrinisAngl_->Indeksas() == 1,
                             .Kamienas = Tekstas(kamienas_),
                             .Kategorija = kategorija_->currentIndex(),
                             .Gimine = gimine_->Indeksas(),
                             .LietSkaicius = lietSkaicius_->Indeksas(),
                             .Linksniuote = linksniuote_->currentIndex()};
}

void DaiktavardzioPuslapis::Irasyti(const IrasoLaukai& laukai) {
  const auto& l = std::get<DaiktavardzioLaukai>(laukai);
  RodytiTeksta(vienaskaita_, l.Vienaskaita);
  RodytiTeksta(daugiskaita_, l.Daugiskaita);
  anglSkaicius_->Nustatyti(l.AnglSkaicius);
  tikrinisAngl_->Nustatyti(l.Tikrinis ? 1 : 0);
  tikrinisLiet_->Nustatyti(l.Tikrinis ? 1 : 0);
  RodytiTeksta(kamienas_, l.Kamienas);
  kategorija_->setCurrentIndex(l.Kategorija);
  gimine_->Nustatyti(l.Gimine);
  lietSkaicius_->Nustatyti(l.LietSkaicius);
  linksniuote_->setCurrentIndex(l.Linksniuote);
}

void DaiktavardzioPuslapis::Atnaujinti() {
  const int angl = anglSkaicius_->Indeksas();
  vienaskaita_->setEnabled(angl != 2);
  daugiskaita_->setEnabled(angl != 1);
  const int liet = lietSkaicius_->Indeksas();
  pavyzdziai_[0]->setVisible(liet != 2);
  pavyzdziai_[1]->setVisible(liet != 1);
  RodytiPavyzdzius(pavyzdziai_, Pavyzdziai(Laukai()));
}

BudvardzioPuslapis::BudvardzioPuslapis(QWidget* tevas)
    : IrasoPuslapis(tevas),
      paprasta_(TekstoLangelis("BudvPaprasta")),
      moreMost_(Zymimasis(QStringLiteral("more/most"), "BudvMoreMost")),
      aukstesnysis_(TekstoLangelis("BudvAukstesnysis")),
      auksciausiasis_(TekstoLangelis("BudvAuksciausiasis")),
      kamienas_(TekstoLangelis("BudvKamienas")),
      vyrLinksniuote_(Parinkiklis(Etiketes(BudvardzioVyrLinksniuotes), "BudvVyrLinksniuote")),
      motLinksniuote_(Parinkiklis(Etiketes(BudvardzioMotLinksniuotes), "BudvMotLinksniuote")),
      pavyzdziai_(PavyzdziuEilutes("BudvPavyzdys", 2)) {
  auto* angliskai = new QFormLayout;
  angliskai->addRow(QStringLiteral("Paprasta forma ( pvz.: good ) :"), paprasta_);
  angliskai->addRow(moreMost_);
  angliskai->addRow(QStringLiteral("Aukštesnysis laipsnis:"), aukstesnysis_);
  angliskai->addRow(QStringLiteral("Aukščiausiasis laipsnis:"), auksciausiasis_);

  auto* lietuviskai = new QFormLayout;
  lietuviskai->addRow(QStringLiteral("Žodžio kamienas be galūnės:"), kamienas_);
  lietuviskai->addRow(QStringLiteral("Vyriškoji giminė:"), vyrLinksniuote_);
  lietuviskai->addRow(QStringLiteral("Moteriškoji giminė:"), motLinksniuote_);
  IsdestytiPuslapi(this, nullptr, angliskai, lietuviskai,
                   PavyzdziuGrupe(QStringLiteral(" Linksniuotė "), pavyzdziai_));
  Stebeti(moreMost_, kamienas_, vyrLinksniuote_, motLinksniuote_);
}

IrasoLaukai BudvardzioPuslapis::Laukai() const {
  return BudvardzioLaukai{.Paprasta = Tekstas(paprasta_),
                          .MoreMost = moreMost_->isChecked(),
                          .Aukstesnysis = Tekstas(aukstesnysis_),
                          .Auksciausiasis = Tekstas(auksciausiasis_),
                          .Kamienas = Tekstas(kamienas_),
                          .VyrLinksniuote = vyrLinksniuote_->currentIndex(),
                          .MotLinksniuote = motLinksniuote_->currentIndex()};
}

void BudvardzioPuslapis::Irasyti(const IrasoLaukai& laukai) {
  const auto& l = std::get<BudvardzioLaukai>(laukai);
  RodytiTeksta(paprasta_, l.Paprasta);
  moreMost_->setChecked(l.MoreMost);
  RodytiTeksta(aukstesnysis_, l.Aukstesnysis);
  RodytiTeksta(auksciausiasis_, l.Auksciausiasis);
  RodytiTeksta(kamienas_, l.Kamienas);
  vyrLinksniuote_->setCurrentIndex(l.VyrLinksniuote);
  motLinksniuote_->setCurrentIndex(l.MotLinksniuote);
}

void BudvardzioPuslapis::Atnaujinti() {
  // An adjective compared with "more" and "most" has no forms of its own to type.
  aukstesnysis_->setEnabled(!moreMost_->isChecked());
  auksciausiasis_->setEnabled(!moreMost_->isChecked());
  RodytiPavyzdzius(pavyzdziai_, Pavyzdziai(Laukai()));
}

IvardzioPuslapis::IvardzioPuslapis(QWidget* tevas)
    : IrasoPuslapis(tevas),
      angliskas_(TekstoLangelis("IvardAngliskas")),
      kamienas_(TekstoLangelis("IvardKamienas")),
      rusis_(Parinkiklis(Etiketes(IvardzioRusys), "IvardRusis")),
      linksniuojamas_(Zymimasis(QStringLiteral("Įvardis linksniuojamas giminėmis ir skaičiais"),
                                "IvardLinksniuojamas")),
      linksniuote_(Parinkiklis(Etiketes(IvardzioLinksniuotes), "IvardLinksniuote")),
      pavyzdziai_(PavyzdziuEilutes("IvardPavyzdys", 4)) {
  auto* angliskai = new QFormLayout;
  angliskai->addRow(QStringLiteral("Angliškas žodis:"), angliskas_);

  auto* lietuviskai = new QFormLayout;
  lietuviskai->addRow(QStringLiteral("Lietuviškas žodis ar kamienas:"), kamienas_);
  lietuviskai->addRow(QStringLiteral("Įvardžio tipas:"), rusis_);
  lietuviskai->addRow(linksniuojamas_);
  lietuviskai->addRow(QStringLiteral("Linksniuotė:"), linksniuote_);
  IsdestytiPuslapi(this, nullptr, angliskai, lietuviskai,
                   PavyzdziuGrupe(QStringLiteral(" Linksniuotė "), pavyzdziai_));
  Stebeti(kamienas_, linksniuojamas_, linksniuote_);
}

IrasoLaukai IvardzioPuslapis::Laukai() const {
  return IvardzioLaukai{.Angliskas = Tekstas(angliskas_),
                        .Kamienas = Tekstas(kamienas_),
                        .Rusis = rusis_->currentIndex(),
                        .Linksniuojamas = linksniuojamas_->isChecked(),
                        .Linksniuote = linksniuote_->currentIndex()};
}

void IvardzioPuslapis::Irasyti(const IrasoLaukai& laukai) {
  const auto& l = std::get<IvardzioLaukai>(laukai);
  RodytiTeksta(angliskas_, l.Angliskas);
  RodytiTeksta(kamienas_, l.Kamienas);
  rusis_->setCurrentIndex(l.Rusis);
  linksniuojamas_->setChecked(l.Linksniuojamas);
  linksniuote_->setCurrentIndex(l.Linksniuote);
}

void IvardzioPuslapis::Atnaujinti() {
  linksniuote_->setEnabled(linksniuojamas_->isChecked());
  RodytiPavyzdzius(pavyzdziai_, Pavyzdziai(Laukai()));
}

SkaitvardzioPuslapis::SkaitvardzioPuslapis(QWidget* tevas)
    : IrasoPuslapis(tevas),
      tipas_(new Radijas(QStringLiteral(" Skaitvardžio tipas "),
                         {QStringLiteral("Kiekinis (1,2,3...)"),
                          QStringLiteral("Kelintinis ( pirmas, antras, trečias.... )")},
                         "SkaitvTipas")),
      vienaskaita_(TekstoLangelis("SkaitvVienaskaita")),
      daugiskaita_(TekstoLangelis("SkaitvDaugiskaita")),
      skaitmenys_(TekstoLangelis("SkaitvSkaitmenys")),
      kamienas_(TekstoLangelis("SkaitvKamienas")),
      klausimas_(Parinkiklis(Etiketes(ReikalaujamiKlausimai), "SkaitvKlausimas")),
      kaitomas_(Zymimasis(QStringLiteral("kaitomas skaitvardis (kas, ko, kam, ką, kuo, kur)"),
                          "SkaitvKaitomas")),
      kiekinioLinksniuote_(
          Parinkiklis(Etiketes(SkaitvardzioLinksniuotes), "SkaitvKiekinioLinksniuote")),
      kelintinioLinksniuote_(
          Parinkiklis(Etiketes(KelintinioLinksniuotes), "SkaitvKelintinioLinksniuote")),
      pavyzdziai_(PavyzdziuEilutes("SkaitvPavyzdys", 4)) {
  auto* angliskai = new QFormLayout;
  angliskai->addRow(tipas_);
  angliskai->addRow(QStringLiteral("vienaskaita:"), vienaskaita_);
  angliskai->addRow(QStringLiteral("daugiskaita ( jei yra ):"), daugiskaita_);
  angliskai->addRow(QStringLiteral("Atitinka skaičių:"), skaitmenys_);

  auto* lietuviskai = new QFormLayout;
  lietuviskai->addRow(QStringLiteral("Skaitvardis ar jo kamienas:"), kamienas_);
  lietuviskai->addRow(QStringLiteral("Reikalauja klausimo (jei yra):"), klausimas_);
  lietuviskai->addRow(kaitomas_);
  lietuviskai->addRow(QStringLiteral("Kiekinio linksniuotė:"), kiekinioLinksniuote_);
  lietuviskai->addRow(QStringLiteral("Kelintinio linksniuotė:"), kelintinioLinksniuote_);
  IsdestytiPuslapi(this, nullptr, angliskai, lietuviskai,
                   PavyzdziuGrupe(QStringLiteral(" Linksniuotė "), pavyzdziai_));

  connect(vienaskaita_, &QLineEdit::textChanged, this, [this](const QString& tekstas) {
    if (Rasoma()) daugiskaita_->setText(tekstas);
  });
  // An ordinal always declines; a cardinal starts as one that does not.
  connect(tipas_->Grupe(), &QButtonGroup::idToggled, this, [this](int tipas, bool pasirinktas) {
    if (pasirinktas && Rasoma()) kaitomas_->setChecked(tipas == srKelintinis);
  });
  Stebeti(tipas_, kamienas_, kaitomas_, kiekinioLinksniuote_, kelintinioLinksniuote_);
}

IrasoLaukai SkaitvardzioPuslapis::Laukai() const {
  return SkaitvardzioLaukai{.Tipas = tipas_->Indeksas(),
                            .Vienaskaita = Tekstas(vienaskaita_),
                            .Daugiskaita = Tekstas(daugiskaita_),
                            .Skaitmenys = Tekstas(skaitmenys_),
                            .Kamienas = Tekstas(kamienas_),
                            .Klausimas = klausimas_->currentIndex(),
                            .Kaitomas = kaitomas_->isChecked(),
                            .KiekinioLinksniuote = kiekinioLinksniuote_->currentIndex(),
                            .KelintinioLinksniuote = kelintinioLinksniuote_->currentIndex()};
}

void SkaitvardzioPuslapis::Irasyti(const IrasoLaukai& laukai) {
  const auto& l = std::get<SkaitvardzioLaukai>(laukai);
  tipas_->Nustatyti(l.Tipas);
  RodytiTeksta(vienaskaita_, l.Vienaskaita);
  RodytiTeksta(daugiskaita_, l.Daugiskaita);
  RodytiTeksta(skaitmenys_, l.Skaitmenys);
  RodytiTeksta(kamienas_, l.Kamienas);
  klausimas_->setCurrentIndex(l.Klausimas);
  kaitomas_->setChecked(l.Kaitomas);
  kiekinioLinksniuote_->setCurrentIndex(l.KiekinioLinksniuote);
  kelintinioLinksniuote_->setCurrentIndex(l.KelintinioLinksniuote);
}

void SkaitvardzioPuslapis::Atnaujinti() {
  const bool kiekinis = tipas_->Indeksas() == srKiekinis;
  kaitomas_->setEnabled(kiekinis);
  kiekinioLinksniuote_->setEnabled(kiekinis && kaitomas_->isChecked());
  kelintinioLinksniuote_->setEnabled(!kiekinis);
  RodytiPavyzdzius(pavyzdziai_, Pavyzdziai(Laukai()));
}

}  // namespace kervosta
