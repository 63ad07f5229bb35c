// The main window's actions, menus and toolbars.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "app/eiluciu_pora.h"
#include "app/ikonos.h"
#include "app/pagrindinis_langas.h"

namespace kervosta {

QAction* TForm1::Veiksmas(const char* vardas, const QString& tekstas, const QKeySequence& klavisai,
                          const QString& uzuomina) {
  auto* veiksmas = new QAction(tekstas, this);
  veiksmas->setObjectName(QString::fromLatin1(vardas));
  veiksmas->setShortcut(klavisai);
  if (!uzuomina.isEmpty()) veiksmas->setToolTip(uzuomina);
  return veiksmas;
}

void TForm1::PriskirtiKomanda(const char* vardas, void (TForm1::*komanda)()) {
  connect(findChild<QAction*>(QString::fromLatin1(vardas), Qt::FindDirectChildrenOnly),
          &QAction::triggered, this, komanda);
}

void TForm1::SukurtiVeiksmus() {
  const auto su = [](QAction* veiksmas, const QIcon& ikona) {
    veiksmas->setIcon(ikona);
    return veiksmas;
  };
  const auto isjungtas = [](QAction* veiksmas) {
    veiksmas->setEnabled(false);
    return veiksmas;
  };

  su(Veiksmas("Naujas", QStringLiteral("&Naujas"), QKeySequence(Qt::CTRL | Qt::Key_N), QStringLiteral("Naujas failas")),
     Ikona(QStringLiteral("document-new"), QStringLiteral("N")));
  su(Veiksmas("Atverti", QStringLiteral("Atverti..."), QKeySequence(Qt::Key_F3), QStringLiteral("Atverti failą")),
     Ikona(QStringLiteral("document-open"), QStringLiteral("A")));
  su(Veiksmas("Saugoti", QStringLiteral("&Saugoti"), QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Išsaugoti failą")),
     Ikona(QStringLiteral("document-save"), QStringLiteral("S")));
  Veiksmas("SaugotiKaip", QStringLiteral("Saugoti kitu &vardu..."), QKeySequence(Qt::Key_F2));
  su(Veiksmas("Spausdinti", QStringLiteral("S&pausdinti"), QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Spausdinti dokumentą")),
     Ikona(QStringLiteral("document-print"), QStringLiteral("P")));
  su(Veiksmas("ImportuotiWord", QStringLiteral("\"Word\" Dokumentą"), QKeySequence(Qt::CTRL | Qt::Key_W),
              QStringLiteral("Importas iš Word")),
     Ikona(QStringLiteral("document-import"), QStringLiteral("W↓")));
  su(Veiksmas("EksportuotiWord", QStringLiteral("Išsaugoti kaip \"Word\" Dokumentą"), {},
              QStringLiteral("Exportas į Word")),
     Ikona(QStringLiteral("document-export"), QStringLiteral("W↑")));
  Veiksmas("Pabaiga", QStringLiteral("Pabaiga"), QKeySequence(Qt::Key_F10));

  su(Veiksmas("Atgal", QStringLiteral("&Atgal"), QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("Atstatyti")),
     Ikona(QStringLiteral("edit-undo"), QStringLiteral("↶")));
  Veiksmas("PazymetiViska", QStringLiteral("Pažymėti &viską"), QKeySequence(Qt::CTRL | Qt::Key_A));
  su(Veiksmas("Iskirpti", QStringLiteral("&Iškirpti"), QKeySequence(Qt::CTRL | Qt::Key_X), QStringLiteral("Iškirpti teikstą")),
     Ikona(QStringLiteral("edit-cut"), QStringLiteral("✂")));
  su(Veiksmas("Kopijuoti", QStringLiteral("&Kopijuoti"), QKeySequence(Qt::CTRL | Qt::Key_C), QStringLiteral("Įsiminti tekstą")),
     Ikona(QStringLiteral("edit-copy"), QStringLiteral("C")));
  su(Veiksmas("Iterpti", QStringLiteral("&Terpti"), QKeySequence(Qt::CTRL | Qt::Key_V), QStringLiteral("Įterpti tekstą")),
     Ikona(QStringLiteral("edit-paste"), QStringLiteral("V")));
  spalva_ = Veiksmas("Spalva", QStringLiteral("&Spalva"));
  spalva_->setIcon(SpalvosIkona(Qt::black));
  su(Veiksmas("Paieska", QStringLiteral("&Paieška"), QKeySequence(Qt::CTRL | Qt::Key_F)),
     Ikona(QStringLiteral("edit-find"), QStringLiteral("?")));
  Veiksmas("Sriftas", QStringLiteral("Š&riftas"));

  Veiksmas("ZodziuSarasas", QStringLiteral("Žodžių &sąrašas / paieška"), QKeySequence(Qt::Key_F6));
  Veiksmas("ZodynoPapildymas", QStringLiteral("Žodyno papildymas / redagavimas"), QKeySequence(Qt::Key_F7));
  Veiksmas("Linksniavimas", QStringLiteral("&Linskniavimas / Asmenavimas"));
  // Present in the menu, but it has no command.
  Veiksmas("UzkrautiZodyna", QStringLiteral("&Užkrauti žodyną"));

  su(Veiksmas("VerstiAutomatiskai", QStringLiteral("&Automatiškai"), QKeySequence(Qt::Key_F4),
              QStringLiteral("Autmatinis vertimas")),
     ZenkloIkona(QStringLiteral("A"), QColor(30, 120, 60)));
  su(Veiksmas("VerstiSuKoregavimu", QStringLiteral("Su  &koregavimu"), QKeySequence(Qt::Key_F5),
              QStringLiteral("Vetimas su koregavimu")),
     ZenkloIkona(QStringLiteral("K"), QColor(170, 100, 20)));
  Veiksmas("VerstiPazymeta", QStringLiteral("Versti &pažymėtą"), QKeySequence(Qt::SHIFT | Qt::Key_F4));
  Veiksmas("GramatineAnalize", QStringLiteral("&Gramatinė analizė"), QKeySequence(Qt::Key_F8));
  su(Veiksmas("VerstiTinklapi", QStringLiteral("Versti tinklalapį"), {}, QStringLiteral("Versti tinklalapį")),
     ZenkloIkona(QStringLiteral("W"), QColor(30, 120, 60)));
  su(Veiksmas("VerstiTinklapiSuKoregavimu", QStringLiteral("Versti tinklalapį su koregavimu"), {},
              QStringLiteral("Versti tinklalapį su koregavimu")),
     ZenkloIkona(QStringLiteral("W"), QColor(170, 100, 20)));

  Veiksmas("ProgramosNustatymai", QStringLiteral("Programos &nustatymai"));
  QAction* sinchroniskai =
      Veiksmas("SinchroninisSlinkimas", QStringLiteral("&Sinchroniškai slinkti tekstus"));
  sinchroniskai->setCheckable(true);
  sinchroniskai->setChecked(pora_->SlenkaSinchroniskai());
  connect(sinchroniskai, &QAction::toggled, this, [this](bool ijungta) {
    pora_->SinchroniskaiSlinkti(ijungta);
    atmintis_.NustatytiSinchroniniSlinkima(ijungta);
  });
  isjungtas(Veiksmas("TaisykliuRedagavimas", QStringLiteral("&Taisyklių redagavimas")));
  isjungtas(Veiksmas("Dokumentacija", QStringLiteral("Dokumentacija")));
  Veiksmas("Apie", QStringLiteral("Apie..."));

  PriskirtiKomanda("Naujas", &TForm1::Naujas);
  PriskirtiKomanda("Atverti", &TForm1::Atverti);
  PriskirtiKomanda("Saugoti", &TForm1::Saugoti);
  PriskirtiKomanda("SaugotiKaip", &TForm1::SaugotiKaip);
  PriskirtiKomanda("Spausdinti", &TForm1::SpausdintiSuDialogu);
  PriskirtiKomanda("Pabaiga", &TForm1::Pabaiga);
  PriskirtiKomanda("Spalva", &TForm1::Spalva);
  PriskirtiKomanda("Paieska", &TForm1::Paieska);
  PriskirtiKomanda("Sriftas", &TForm1::Sriftas);
  PriskirtiKomanda("ZodziuSarasas", &TForm1::ZodziuSarasas);
  PriskirtiKomanda("ZodynoPapildymas", &TForm1::ZodynoPapildymas);
  PriskirtiKomanda("Linksniavimas", &TForm1::Gramatika);
  PriskirtiKomanda("GramatineAnalize", &TForm1::Gramatika);
  PriskirtiKomanda("ImportuotiWord", &TForm1::ImportuotiDokumenta);
  PriskirtiKomanda("EksportuotiWord", &TForm1::EksportuotiDokumenta);
  PriskirtiKomanda("VerstiTinklapi", &TForm1::VerstiTinklapi);
  PriskirtiKomanda("VerstiTinklapiSuKoregavimu", &TForm1::VerstiTinklapiSuKoregavimu);
  PriskirtiKomanda("VerstiAutomatiskai", &TForm1::VerstiAutomatiskai);
  PriskirtiKomanda("VerstiSuKoregavimu", &TForm1::VerstiSuKoregavimu);
  PriskirtiKomanda("VerstiPazymeta", &TForm1::VerstiPazymeta);
  PriskirtiKomanda("ProgramosNustatymai", &TForm1::Nustatymai);
  PriskirtiKomanda("TaisykliuRedagavimas", &TForm1::TaisykliuRedagavimas);
  PriskirtiKomanda("Apie", &TForm1::Apie);

  const auto redaktoriui = [this](const char* vardas, void (QTextEdit::*komanda)()) {
    connect(findChild<QAction*>(QString::fromLatin1(vardas), Qt::FindDirectChildrenOnly),
            &QAction::triggered, this, [this, komanda] { (Aktyvus()->*komanda)(); });
  };
  redaktoriui("Iskirpti", &QTextEdit::cut);
  redaktoriui("Kopijuoti", &QTextEdit::copy);
  redaktoriui("Iterpti", &QTextEdit::paste);
  redaktoriui("PazymetiViska", &QTextEdit::selectAll);
  connect(findChild<QAction*>(QStringLiteral("Atgal"), Qt::FindDirectChildrenOnly), &QAction::triggered,
          this, [this] {
            if (Aktyvus()->document()->isUndoAvailable()) Aktyvus()->undo();
          });

  const auto perjungiklis = [this](const char* vardas, const QString& tekstas, const QIcon& ikona) {
    QAction* veiksmas = Veiksmas(vardas, tekstas);
    veiksmas->setIcon(ikona);
    veiksmas->setCheckable(true);
    return veiksmas;
  };
  pusjuodis_ = perjungiklis("Pusjuodis", QStringLiteral("Pusjuodis"), Ikona(QStringLiteral("format-text-bold"), QStringLiteral("B")));
  kursyvas_ = perjungiklis("Kursyvas", QStringLiteral("Kursyvas"), Ikona(QStringLiteral("format-text-italic"), QStringLiteral("I")));
  pabrauktas_ = perjungiklis("Pabrauktas", QStringLiteral("Pabrauktas"), Ikona(QStringLiteral("format-text-underline"), QStringLiteral("U")));
  zenklinimas_ = perjungiklis("Zenklinimas", QStringLiteral("Sąrašas"), Ikona(QStringLiteral("format-list-unordered"), QStringLiteral("•")));
  kaire_ = perjungiklis("LygiuotiKairen", QStringLiteral("Lygiuoti kairėje"), Ikona(QStringLiteral("format-justify-left"), QStringLiteral("⇤")));
  centras_ = perjungiklis("LygiuotiCentre", QStringLiteral("Centruoti"), Ikona(QStringLiteral("format-justify-center"), QStringLiteral("↔")));
  desine_ = perjungiklis("LygiuotiDesinen", QStringLiteral("Lygiuoti dešinėje"), Ikona(QStringLiteral("format-justify-right"), QStringLiteral("⇥")));
  auto* lygiavimas = new QActionGroup(this);
  for (QAction* veiksmas : {kaire_, centras_, desine_}) lygiavimas->addAction(veiksmas);

  connect(pusjuodis_, &QAction::toggled, this, [this](bool ijungtas) {
    QTextCharFormat formatas;
    formatas.setFontWeight(ijungtas ? QFont::Bold : QFont::Normal);
    KeistiFormata(formatas);
  });
  connect(kursyvas_, &QAction::toggled, this, [this](bool ijungtas) {
    QTextCharFormat formatas;
    formatas.setFontItalic(ijungtas);
    KeistiFormata(formatas);
  });
  connect(pabrauktas_, &QAction::toggled, this, [this](bool ijungtas) {
    QTextCharFormat formatas;
    formatas.setFontUnderline(ijungtas);
    KeistiFormata(formatas);
  });
  connect(zenklinimas_, &QAction::toggled, this, &TForm1::Zenklinimas);
  connect(kaire_, &QAction::toggled, this, [this](bool ijungtas) { if (ijungtas) Lygiuoti(Qt::AlignLeft); });
  connect(centras_, &QAction::toggled, this, [this](bool ijungtas) { if (ijungtas) Lygiuoti(Qt::AlignHCenter); });
  connect(desine_, &QAction::toggled, this, [this](bool ijungtas) { if (ijungtas) Lygiuoti(Qt::AlignRight); });
}

void TForm1::SukurtiMeniu() {
  const auto veiksmas = [this](const char* vardas) {
    return findChild<QAction*>(QString::fromLatin1(vardas), Qt::FindDirectChildrenOnly);
  };
  const auto meniu = [this](const char* vardas, const QString& antraste) {
    QMenu* naujas = menuBar()->addMenu(antraste);
    naujas->setObjectName(QString::fromLatin1(vardas));
    return naujas;
  };
  QMenu* failai = meniu("Failai", QStringLiteral("&Failai"));
  failai->addActions({veiksmas("Naujas"), veiksmas("Atverti"), veiksmas("Saugoti"), veiksmas("SaugotiKaip"),
                      veiksmas("Spausdinti")});
  paskutiniai_ = failai->addMenu(QStringLiteral("Paskutiniai &failai"));
  paskutiniai_->setObjectName(QStringLiteral("PaskutiniaiFailai"));
  connect(paskutiniai_, &QMenu::aboutToShow, this, &TForm1::RodytiPaskutinius);
  failai->addSeparator();
  QMenu* importuoti = failai->addMenu(QStringLiteral("&Importuoti..."));
  importuoti->setObjectName(QStringLiteral("Importuoti"));
  importuoti->addAction(veiksmas("ImportuotiWord"));
  QMenu* eksportuoti = failai->addMenu(QStringLiteral("&Eksportuoti..."));
  eksportuoti->setObjectName(QStringLiteral("Eksportuoti"));
  eksportuoti->addAction(veiksmas("EksportuotiWord"));
  failai->addSeparator();
  failai->addAction(veiksmas("Pabaiga"));

  QMenu* tekstas = meniu("Tekstas", QStringLiteral("&Tekstas"));
  tekstas->addActions({veiksmas("Atgal"), veiksmas("PazymetiViska")});
  tekstas->addSeparator();
  tekstas->addActions({veiksmas("Iskirpti"), veiksmas("Kopijuoti"), veiksmas("Iterpti")});
  tekstas->addSeparator();
  tekstas->addActions({veiksmas("Spalva"), veiksmas("Paieska"), veiksmas("Sriftas")});

  meniu("Zodynas", QStringLiteral("Ž&odynas"))
      ->addActions({veiksmas("ZodziuSarasas"), veiksmas("ZodynoPapildymas"), veiksmas("Linksniavimas"),
                    veiksmas("UzkrautiZodyna")});
  QMenu* vertimas = meniu("Vertimas", QStringLiteral("&Vertimas"));
  vertimas->addActions({veiksmas("VerstiAutomatiskai"), veiksmas("VerstiSuKoregavimu"), veiksmas("VerstiPazymeta"),
                        veiksmas("GramatineAnalize")});
  vertimas->addSeparator();
  vertimas->addActions({veiksmas("VerstiTinklapi"), veiksmas("VerstiTinklapiSuKoregavimu")});
  meniu("Nustatymai", QStringLiteral("&Nustatymai"))
      ->addActions({veiksmas("ProgramosNustatymai"), veiksmas("TaisykliuRedagavimas"),
                    veiksmas("SinchroninisSlinkimas")});
  meniu("Pagalba", QStringLiteral("&Pagalba"))->addActions({veiksmas("Dokumentacija"), veiksmas("Apie")});
}

void TForm1::SukurtiIrankines() {
  const auto veiksmas = [this](const char* vardas) {
    return findChild<QAction*>(QString::fromLatin1(vardas), Qt::FindDirectChildrenOnly);
  };
  const auto irankine = [this](const char* vardas, const QString& antraste) {
    QToolBar* juosta = addToolBar(antraste);
    juosta->setObjectName(QString::fromLatin1(vardas));
    juosta->setIconSize(QSize(20, 20));
    return juosta;
  };

  QToolBar* pirma = irankine("ToolBar1", QStringLiteral("Failai ir vertimas"));
  pirma->addActions({veiksmas("Naujas"), veiksmas("Atverti"), veiksmas("Saugoti"), veiksmas("Spausdinti")});
  pirma->addSeparator();
  pirma->addActions({veiksmas("Iskirpti"), veiksmas("Kopijuoti"), veiksmas("Iterpti"), veiksmas("Atgal")});
  pirma->addSeparator();
  pirma->addActions({veiksmas("VerstiAutomatiskai"), veiksmas("VerstiSuKoregavimu")});

  QToolBar* trecia = irankine("ToolBar3", QStringLiteral("Tinklalapiai ir Word"));
  auto* tinklas = new QToolButton(trecia);
  tinklas->setObjectName(QStringLiteral("TinklapioMygtukas"));
  tinklas->setIcon(Ikona(QStringLiteral("applications-internet"), QStringLiteral("@")));
  tinklas->setAutoRaise(true);
  tinklas->setEnabled(false);
  trecia->addWidget(tinklas);
  auto* adresas = new QComboBox(trecia);
  adresas->setObjectName(QStringLiteral("WebAdr"));
  adresas->setEditable(true);
  adresas->setEditText(QStringLiteral("http://"));
  adresas->setToolTip(QStringLiteral("Įveskita tinklalapio adresą"));
  adresas->setMinimumContentsLength(24);
  trecia->addWidget(adresas);
  trecia->addActions({veiksmas("VerstiTinklapi"), veiksmas("VerstiTinklapiSuKoregavimu")});
  trecia->addSeparator();
  trecia->addActions({veiksmas("EksportuotiWord"), veiksmas("ImportuotiWord")});

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
  antra->addActions({pusjuodis_, kursyvas_, pabrauktas_, zenklinimas_});
  antra->addSeparator();
  antra->addActions({kaire_, centras_, desine_});
  antra->addSeparator();
  antra->addActions({spalva_, veiksmas("Paieska")});

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
