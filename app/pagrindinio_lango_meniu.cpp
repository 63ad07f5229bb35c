// The main window's actions, menus and toolbars: one table says what each command is called,
// its keys, hint and icon, what it runs, and where the menus and toolbars show it.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextCharFormat>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <vector>

#include "app/eiluciu_pora.h"
#include "app/ikonos.h"
#include "app/pagrindinis_langas.h"

namespace kervosta {

namespace {
enum class Meniu : std::uint8_t {
  Nera,
  Juosta,  // the menu bar
  Failai,
  Paskutiniai,
  Importuoti,
  Eksportuoti,
  Tekstas,
  Zodynas,
  Vertimas,
  Nustatymai,
  Pagalba,
  Kiekis
};

enum class Irankine : std::uint8_t { Nera, Failai, Tinklas, Formatas };

struct MeniuVieta {
  Meniu Kur = Meniu::Nera;
  bool Skirtukas = false;  // a separator before it
};

// The buttons of a toolbar go in the order of their numbers; a number left out is a separator.
struct IrankinesVieta {
  Irankine Kur = Irankine::Nera;
  int Eile = 0;
};

// The theme's icon with a drawn sign for when it lacks one, or a sign on a coloured tile.
struct IkonosAprasas {
  const char* Tema = nullptr;
  const char* Zenklas = nullptr;
  QRgb Fonas = 0;
};

constexpr QRgb Automatiskai = qRgb(30, 120, 60);
constexpr QRgb SuKoregavimu = qRgb(170, 100, 20);
}  // namespace

// A menu entry (a command, or with `Atidaro` a submenu), or a toolbar button only. Captions and
// hints are UTF-8; without a hint the caption is the hint.
struct TForm1::VeiksmoEilute {
  const char* Vardas;
  const char* Antraste;
  QKeyCombination Klavisai = QKeyCombination::fromCombined(0);  // none ({} is Key_unknown)
  const char* Uzuomina = nullptr;
  IkonosAprasas Ikona = {};
  void (TForm1::*Komanda)() = nullptr;        // on trigger
  void (TForm1::*Perjungti)(bool) = nullptr;  // on toggle; the action is a switch
  QAction* Veiksmai::*Laikoma = nullptr;
  MeniuVieta Meniuje = {};
  IrankinesVieta Irankineje = {};
  bool Ijungtas = true;
  Meniu Atidaro = Meniu::Nera;
};

std::span<const TForm1::VeiksmoEilute> TForm1::VeiksmuLentele() {
  using M = Meniu;
  using I = Irankine;
  // A row a command, its fields packed so that the table reads as one.
  // clang-format off
  static const VeiksmoEilute lentele[] = {
      {.Vardas = "Failai", .Antraste = "&Failai", .Meniuje = {M::Juosta}, .Atidaro = M::Failai},
      {.Vardas = "Naujas", .Antraste = "&Naujas", .Klavisai = Qt::CTRL | Qt::Key_N,
       .Uzuomina = "Naujas failas", .Ikona = {"document-new", "N"}, .Komanda = &TForm1::Naujas,
       .Laikoma = &Veiksmai::Naujas, .Meniuje = {M::Failai}, .Irankineje = {I::Failai, 1}},
      {.Vardas = "Atverti", .Antraste = "Atverti...", .Klavisai = Qt::Key_F3,
       .Uzuomina = "Atverti failą", .Ikona = {"document-open", "A"}, .Komanda = &TForm1::Atverti,
       .Laikoma = &Veiksmai::Atverti, .Meniuje = {M::Failai}, .Irankineje = {I::Failai, 2}},
      {.Vardas = "Saugoti", .Antraste = "&Saugoti", .Klavisai = Qt::CTRL | Qt::Key_S,
       .Uzuomina = "Išsaugoti failą", .Ikona = {"document-save", "S"}, .Komanda = &TForm1::Saugoti,
       .Laikoma = &Veiksmai::Saugoti, .Meniuje = {M::Failai}, .Irankineje = {I::Failai, 3}},
      {.Vardas = "SaugotiKaip", .Antraste = "Saugoti kitu &vardu...", .Klavisai = Qt::Key_F2,
       .Komanda = &TForm1::SaugotiKaip, .Laikoma = &Veiksmai::SaugotiKaip, .Meniuje = {M::Failai}},
      {.Vardas = "Spausdinti", .Antraste = "S&pausdinti", .Klavisai = Qt::CTRL | Qt::Key_P,
       .Uzuomina = "Spausdinti dokumentą", .Ikona = {"document-print", "P"},
       .Komanda = &TForm1::SpausdintiSuDialogu, .Laikoma = &Veiksmai::Spausdinti,
       .Meniuje = {M::Failai}, .Irankineje = {I::Failai, 4}},
      {.Vardas = "PaskutiniaiFailai", .Antraste = "Paskutiniai &failai", .Meniuje = {M::Failai},
       .Atidaro = M::Paskutiniai},
      {.Vardas = "Importuoti", .Antraste = "&Importuoti...", .Meniuje = {M::Failai, true},
       .Atidaro = M::Importuoti},
      {.Vardas = "ImportuotiWord", .Antraste = "\"Word\" Dokumentą",
       .Klavisai = Qt::CTRL | Qt::Key_W,
       .Uzuomina = "Importas iš Word", .Ikona = {"document-import", "W↓"},
       .Komanda = &TForm1::ImportuotiDokumenta, .Laikoma = &Veiksmai::ImportuotiWord,
       .Meniuje = {M::Importuoti}, .Irankineje = {I::Tinklas, 5}},
      {.Vardas = "Eksportuoti", .Antraste = "&Eksportuoti...", .Meniuje = {M::Failai},
       .Atidaro = M::Eksportuoti},
      {.Vardas = "EksportuotiWord", .Antraste = "Išsaugoti kaip \"Word\" Dokumentą",
       .Uzuomina = "Exportas į Word", .Ikona = {"document-export", "W↑"},
       .Komanda = &TForm1::EksportuotiDokumenta, .Laikoma = &Veiksmai::EksportuotiWord,
       .Meniuje = {M::Eksportuoti}, .Irankineje = {I::Tinklas, 4}},
      {.Vardas = "Pabaiga", .Antraste = "Pabaiga", .Klavisai = Qt::Key_F10,
       .Komanda = &TForm1::Pabaiga, .Laikoma = &Veiksmai::Pabaiga, .Meniuje = {M::Failai, true}},

      {.Vardas = "Tekstas", .Antraste = "&Tekstas", .Meniuje = {M::Juosta}, .Atidaro = M::Tekstas},
      {.Vardas = "Atgal", .Antraste = "&Atgal", .Klavisai = Qt::CTRL | Qt::Key_Z,
       .Uzuomina = "Atstatyti", .Ikona = {"edit-undo", "↶"}, .Komanda = &TForm1::Atgal,
       .Laikoma = &Veiksmai::Atgal, .Meniuje = {M::Tekstas}, .Irankineje = {I::Failai, 9}},
      {.Vardas = "PazymetiViska", .Antraste = "Pažymėti &viską", .Klavisai = Qt::CTRL | Qt::Key_A,
       .Komanda = &TForm1::PazymetiViska, .Laikoma = &Veiksmai::PazymetiViska,
       .Meniuje = {M::Tekstas}},
      {.Vardas = "Iskirpti", .Antraste = "&Iškirpti", .Klavisai = Qt::CTRL | Qt::Key_X,
       .Uzuomina = "Iškirpti teikstą", .Ikona = {"edit-cut", "✂"}, .Komanda = &TForm1::Iskirpti,
       .Laikoma = &Veiksmai::Iskirpti, .Meniuje = {M::Tekstas, true}, .Irankineje = {I::Failai, 6}},
      {.Vardas = "Kopijuoti", .Antraste = "&Kopijuoti", .Klavisai = Qt::CTRL | Qt::Key_C,
       .Uzuomina = "Įsiminti tekstą", .Ikona = {"edit-copy", "C"}, .Komanda = &TForm1::Kopijuoti,
       .Laikoma = &Veiksmai::Kopijuoti, .Meniuje = {M::Tekstas}, .Irankineje = {I::Failai, 7}},
      {.Vardas = "Iterpti", .Antraste = "&Terpti", .Klavisai = Qt::CTRL | Qt::Key_V,
       .Uzuomina = "Įterpti tekstą", .Ikona = {"edit-paste", "V"}, .Komanda = &TForm1::Iterpti,
       .Laikoma = &Veiksmai::Iterpti, .Meniuje = {M::Tekstas}, .Irankineje = {I::Failai, 8}},
      // Its icon is a swatch of the colour at the caret.
      {.Vardas = "Spalva", .Antraste = "&Spalva", .Komanda = &TForm1::Spalva,
       .Laikoma = &Veiksmai::Spalva, .Meniuje = {M::Tekstas, true},
       .Irankineje = {I::Formatas, 10}},
      {.Vardas = "Paieska", .Antraste = "&Paieška", .Klavisai = Qt::CTRL | Qt::Key_F,
       .Ikona = {"edit-find", "?"}, .Komanda = &TForm1::Paieska, .Laikoma = &Veiksmai::Paieska,
       .Meniuje = {M::Tekstas}, .Irankineje = {I::Formatas, 11}},
      {.Vardas = "Sriftas", .Antraste = "Š&riftas", .Komanda = &TForm1::Sriftas,
       .Laikoma = &Veiksmai::Sriftas, .Meniuje = {M::Tekstas}},

      {.Vardas = "Zodynas", .Antraste = "Ž&odynas", .Meniuje = {M::Juosta}, .Atidaro = M::Zodynas},
      {.Vardas = "ZodziuSarasas", .Antraste = "Žodžių &sąrašas / paieška", .Klavisai = Qt::Key_F6,
       .Komanda = &TForm1::ZodziuSarasas, .Laikoma = &Veiksmai::ZodziuSarasas,
       .Meniuje = {M::Zodynas}},
      {.Vardas = "ZodynoPapildymas", .Antraste = "Žodyno papildymas / redagavimas",
       .Klavisai = Qt::Key_F7, .Komanda = &TForm1::ZodynoPapildymas,
       .Laikoma = &Veiksmai::ZodynoPapildymas, .Meniuje = {M::Zodynas}},
      {.Vardas = "Linksniavimas", .Antraste = "&Linskniavimas / Asmenavimas",
       .Komanda = &TForm1::Gramatika, .Laikoma = &Veiksmai::Linksniavimas, .Meniuje = {M::Zodynas}},
      // Present in the menu, but it has no command.
      {.Vardas = "UzkrautiZodyna", .Antraste = "&Užkrauti žodyną",
       .Laikoma = &Veiksmai::UzkrautiZodyna, .Meniuje = {M::Zodynas}},

      {.Vardas = "Vertimas", .Antraste = "&Vertimas", .Meniuje = {M::Juosta},
       .Atidaro = M::Vertimas},
      {.Vardas = "VerstiAutomatiskai", .Antraste = "&Automatiškai", .Klavisai = Qt::Key_F4,
       .Uzuomina = "Autmatinis vertimas", .Ikona = {nullptr, "A", Automatiskai},
       .Komanda = &TForm1::VerstiAutomatiskai, .Laikoma = &Veiksmai::VerstiAutomatiskai,
       .Meniuje = {M::Vertimas}, .Irankineje = {I::Failai, 11}},
      {.Vardas = "VerstiSuKoregavimu", .Antraste = "Su  &koregavimu", .Klavisai = Qt::Key_F5,
       .Uzuomina = "Vetimas su koregavimu", .Ikona = {nullptr, "K", SuKoregavimu},
       .Komanda = &TForm1::VerstiSuKoregavimu, .Laikoma = &Veiksmai::VerstiSuKoregavimu,
       .Meniuje = {M::Vertimas}, .Irankineje = {I::Failai, 12}},
      {.Vardas = "VerstiPazymeta", .Antraste = "Versti &pažymėtą",
       .Klavisai = Qt::SHIFT | Qt::Key_F4, .Komanda = &TForm1::VerstiPazymeta,
       .Laikoma = &Veiksmai::VerstiPazymeta, .Meniuje = {M::Vertimas}},
      {.Vardas = "GramatineAnalize", .Antraste = "&Gramatinė analizė", .Klavisai = Qt::Key_F8,
       .Komanda = &TForm1::Gramatika, .Laikoma = &Veiksmai::GramatineAnalize,
       .Meniuje = {M::Vertimas}},
      {.Vardas = "VerstiTinklapi", .Antraste = "Versti tinklalapį", .Uzuomina = "Versti tinklalapį",
       .Ikona = {nullptr, "W", Automatiskai}, .Komanda = &TForm1::VerstiTinklapi,
       .Laikoma = &Veiksmai::VerstiTinklapi, .Meniuje = {M::Vertimas, true},
       .Irankineje = {I::Tinklas, 1}},
      {.Vardas = "VerstiTinklapiSuKoregavimu", .Antraste = "Versti tinklalapį su koregavimu",
       .Uzuomina = "Versti tinklalapį su koregavimu", .Ikona = {nullptr, "W", SuKoregavimu},
       .Komanda = &TForm1::VerstiTinklapiSuKoregavimu,
       .Laikoma = &Veiksmai::VerstiTinklapiSuKoregavimu, .Meniuje = {M::Vertimas},
       .Irankineje = {I::Tinklas, 2}},

      {.Vardas = "Nustatymai", .Antraste = "&Nustatymai", .Meniuje = {M::Juosta},
       .Atidaro = M::Nustatymai},
      {.Vardas = "ProgramosNustatymai", .Antraste = "Programos &nustatymai",
       .Komanda = &TForm1::Nustatymai, .Laikoma = &Veiksmai::ProgramosNustatymai,
       .Meniuje = {M::Nustatymai}},
      {.Vardas = "TaisykliuRedagavimas", .Antraste = "&Taisyklių redagavimas",
       .Komanda = &TForm1::TaisykliuRedagavimas, .Laikoma = &Veiksmai::TaisykliuRedagavimas,
       .Meniuje = {M::Nustatymai}, .Ijungtas = false},
      {.Vardas = "SinchroninisSlinkimas", .Antraste = "&Sinchroniškai slinkti tekstus",
       .Perjungti = &TForm1::SinchroniskaiSlinkti, .Laikoma = &Veiksmai::SinchroninisSlinkimas,
       .Meniuje = {M::Nustatymai}},

      {.Vardas = "Pagalba", .Antraste = "&Pagalba", .Meniuje = {M::Juosta}, .Atidaro = M::Pagalba},
      {.Vardas = "Dokumentacija", .Antraste = "Dokumentacija", .Laikoma = &Veiksmai::Dokumentacija,
       .Meniuje = {M::Pagalba}, .Ijungtas = false},
      {.Vardas = "Apie", .Antraste = "Apie...", .Komanda = &TForm1::Apie,
       .Laikoma = &Veiksmai::Apie, .Meniuje = {M::Pagalba}},

      {.Vardas = "Pusjuodis", .Antraste = "Pusjuodis", .Ikona = {"format-text-bold", "B"},
       .Perjungti = &TForm1::Pusjuodis, .Laikoma = &Veiksmai::Pusjuodis,
       .Irankineje = {I::Formatas, 1}},
      {.Vardas = "Kursyvas", .Antraste = "Kursyvas", .Ikona = {"format-text-italic", "I"},
       .Perjungti = &TForm1::Kursyvas, .Laikoma = &Veiksmai::Kursyvas,
       .Irankineje = {I::Formatas, 2}},
      {.Vardas = "Pabrauktas", .Antraste = "Pabrauktas", .Ikona = {"format-text-underline", "U"},
       .Perjungti = &TForm1::Pabrauktas, .Laikoma = &Veiksmai::Pabrauktas,
       .Irankineje = {I::Formatas, 3}},
      {.Vardas = "Zenklinimas", .Antraste = "Sąrašas", .Ikona = {"format-list-unordered", "•"},
       .Perjungti = &TForm1::Zenklinimas, .Laikoma = &Veiksmai::Zenklinimas,
       .Irankineje = {I::Formatas, 4}},
      {.Vardas = "LygiuotiKairen", .Antraste = "Lygiuoti kairėje",
       .Ikona = {"format-justify-left", "⇤"}, .Perjungti = &TForm1::LygiuotiKairen,
       .Laikoma = &Veiksmai::LygiuotiKairen, .Irankineje = {I::Formatas, 6}},
      {.Vardas = "LygiuotiCentre", .Antraste = "Centruoti", .Ikona = {"format-justify-center", "↔"},
       .Perjungti = &TForm1::LygiuotiCentre, .Laikoma = &Veiksmai::LygiuotiCentre,
       .Irankineje = {I::Formatas, 7}},
      {.Vardas = "LygiuotiDesinen", .Antraste = "Lygiuoti dešinėje",
       .Ikona = {"format-justify-right", "⇥"}, .Perjungti = &TForm1::LygiuotiDesinen,
       .Laikoma = &Veiksmai::LygiuotiDesinen, .Irankineje = {I::Formatas, 8}},
  };
  // clang-format on
  return lentele;
}

namespace {
QIcon SukurtiIkona(const IkonosAprasas& ikona) {
  if (ikona.Tema) return Ikona(QString::fromLatin1(ikona.Tema), QString::fromUtf8(ikona.Zenklas));
  if (ikona.Zenklas) return ZenkloIkona(QString::fromUtf8(ikona.Zenklas), QColor(ikona.Fonas));
  return {};
}
}  // namespace

void TForm1::SukurtiVeiksmus() {
  std::array<QMenu*, static_cast<std::size_t>(Meniu::Kiekis)> meniu{};
  const auto kuris = [&](Meniu m) -> QMenu*& { return meniu[static_cast<std::size_t>(m)]; };
  const auto talpa = [&](const MeniuVieta& vieta) -> QWidget* {
    if (vieta.Kur == Meniu::Juosta) return menuBar();
    QMenu* kur = kuris(vieta.Kur);
    if (vieta.Skirtukas) kur->addSeparator();
    return kur;
  };
  for (const VeiksmoEilute& eilute : VeiksmuLentele()) {
    if (eilute.Atidaro != Meniu::Nera) {
      QWidget* kur = talpa(eilute.Meniuje);
      auto* naujas = new QMenu(QString::fromUtf8(eilute.Antraste), kur);
      naujas->setObjectName(QString::fromLatin1(eilute.Vardas));
      kur->addAction(naujas->menuAction());
      kuris(eilute.Atidaro) = naujas;
      continue;
    }
    auto* veiksmas =
        new QAction(SukurtiIkona(eilute.Ikona), QString::fromUtf8(eilute.Antraste), this);
    veiksmas->setObjectName(QString::fromLatin1(eilute.Vardas));
    veiksmas->setShortcut(QKeySequence(eilute.Klavisai));
    if (eilute.Uzuomina) veiksmas->setToolTip(QString::fromUtf8(eilute.Uzuomina));
    veiksmas->setEnabled(eilute.Ijungtas);
    if (eilute.Komanda) connect(veiksmas, &QAction::triggered, this, eilute.Komanda);
    if (eilute.Perjungti) {
      veiksmas->setCheckable(true);
      connect(veiksmas, &QAction::toggled, this, eilute.Perjungti);
    }
    veiksmai_.*eilute.Laikoma = veiksmas;
    if (eilute.Meniuje.Kur != Meniu::Nera) talpa(eilute.Meniuje)->addAction(veiksmas);
  }
  paskutiniai_ = kuris(Meniu::Paskutiniai);
  connect(paskutiniai_, &QMenu::aboutToShow, this, &TForm1::RodytiPaskutinius);

  auto* lygiavimas = new QActionGroup(this);
  for (QAction* veiksmas :
       {veiksmai_.LygiuotiKairen, veiksmai_.LygiuotiCentre, veiksmai_.LygiuotiDesinen})
    lygiavimas->addAction(veiksmas);
  // As the last run left it, without writing it back.
  const QSignalBlocker tylus(veiksmai_.SinchroninisSlinkimas);
  veiksmai_.SinchroninisSlinkimas->setChecked(pora_->SlenkaSinchroniskai());
}

void TForm1::SukurtiIrankines() {
  const auto irankine = [this](const char* vardas, const QString& antraste) {
    QToolBar* juosta = addToolBar(antraste);
    juosta->setObjectName(QString::fromLatin1(vardas));
    juosta->setIconSize(QSize(20, 20));
    return juosta;
  };
  // The table's buttons of the toolbar, after the boxes it starts with.
  const auto mygtukai = [this](QToolBar* juosta, Irankine kuri) {
    std::vector<const VeiksmoEilute*> eilutes;
    for (const VeiksmoEilute& eilute : VeiksmuLentele())
      if (eilute.Irankineje.Kur == kuri) eilutes.push_back(&eilute);
    std::ranges::sort(eilutes, {}, [](const VeiksmoEilute* e) { return e->Irankineje.Eile; });
    for (std::size_t i = 0; i < eilutes.size(); ++i) {
      if (i > 0 && eilutes[i]->Irankineje.Eile > eilutes[i - 1]->Irankineje.Eile + 1)
        juosta->addSeparator();
      juosta->addAction(veiksmai_.*eilutes[i]->Laikoma);
    }
  };

  mygtukai(irankine("ToolBar1", QStringLiteral("Failai ir vertimas")), Irankine::Failai);

  QToolBar* trecia = irankine("ToolBar3", QStringLiteral("Tinklalapiai ir Word"));
  auto* tinklas = new QToolButton(trecia);
  tinklas->setObjectName(QStringLiteral("TinklapioMygtukas"));
  tinklas->setIcon(Ikona(QStringLiteral("applications-internet"), QStringLiteral("@")));
  tinklas->setAutoRaise(true);
  tinklas->setEnabled(false);
  trecia->addWidget(tinklas);
  adresas_ = new QComboBox(trecia);
  adresas_->setObjectName(QStringLiteral("WebAdr"));
  adresas_->setEditable(true);
  adresas_->setEditText(QStringLiteral("http://"));
  adresas_->setToolTip(QStringLiteral("Įveskita tinklalapio adresą"));
  adresas_->setMinimumContentsLength(24);
  trecia->addWidget(adresas_);
  mygtukai(trecia, Irankine::Tinklas);

  addToolBarBreak();
  QToolBar* antra = irankine("ToolBar2", QStringLiteral("Formatas"));
  sriftoVardas_ = new QComboBox(antra);
  sriftoVardas_->setObjectName(QStringLiteral("FontName"));
  QStringList seimos = QFontDatabase::families();
  seimos.sort(Qt::CaseInsensitive);
  sriftoVardas_->addItems(seimos);
  sriftoVardas_->setMinimumContentsLength(16);
  sriftoVardas_->setToolTip(QStringLiteral("Šriftas"));
  antra->addWidget(sriftoVardas_);
  sriftoDydis_ = new QSpinBox(antra);
  sriftoDydis_->setObjectName(QStringLiteral("FontSize"));
  sriftoDydis_->setRange(0, 999);
  sriftoDydis_->setValue(8);
  // A typed size applies once it is complete, not at every digit.
  sriftoDydis_->setKeyboardTracking(false);
  sriftoDydis_->setToolTip(QStringLiteral("Dydis"));
  antra->addWidget(sriftoDydis_);
  mygtukai(antra, Irankine::Formatas);

  connect(sriftoVardas_, &QComboBox::currentTextChanged, this, [this](const QString& vardas) {
    if (vardas.isEmpty()) return;
    QTextCharFormat formatas;
    formatas.setFontFamilies({vardas});
    KeistiFormata(formatas);
  });
  connect(sriftoDydis_, &QSpinBox::valueChanged, this, [this](int dydis) {
    // A size of 0 is no font size; the text keeps the one it has.
    if (dydis <= 0) return;
    QTextCharFormat formatas;
    formatas.setFontPointSize(dydis);
    KeistiFormata(formatas);
  });
}

}  // namespace kervosta
