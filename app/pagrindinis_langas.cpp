#include "app/pagrindinis_langas.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/apie_langas.h"
#include "app/eiluciu_pora.h"
#include "app/programa.h"
#include "app/progreso_langas.h"
#include "app/qt_dialogai.h"
#include "app/zodynu_failai.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_keitimas.h"

namespace kervosta {

namespace {
QWidget* Skydelis(const QString& antraste, const char* vardas, QTextEdit* redaktorius) {
  auto* skydelis = new QWidget;
  auto* zyme = new QLabel(antraste, skydelis);
  zyme->setObjectName(QString::fromLatin1(vardas));
  zyme->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* isdestymas = new QVBoxLayout(skydelis);
  isdestymas->setContentsMargins(0, 0, 0, 0);
  isdestymas->setSpacing(0);
  isdestymas->addWidget(zyme);
  isdestymas->addWidget(redaktorius, 1);
  return skydelis;
}

// Local files among dropped addresses.
QList<QUrl> VietiniaiFailai(const QMimeData* duomenys) {
  QList<QUrl> failai;
  if (!duomenys || !duomenys->hasUrls()) return failai;
  for (const QUrl& adresas : duomenys->urls())
    if (adresas.isLocalFile()) failai.append(adresas);
  return failai;
}
}  // namespace

TForm1::TForm1(Dialogai* dialogai, QString komandinesEilutesFailas, QWidget* tevas)
    : QMainWindow(tevas),
      saviDialogai_(dialogai ? nullptr : std::make_unique<QtDialogai>(this)),
      dialogai_(dialogai ? dialogai : saviDialogai_.get()),
      programosKatalogas_(QDir::currentPath()),
      atmintis_(QDir(programosKatalogas_).filePath(QStringLiteral("kervosta.ini"))),
      komandos_(*dialogai_, atmintis_),
      klausejas_(this, *dialogai_),
      komandinesEilutesFailas_(std::move(komandinesEilutesFailas)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowIcon(ProgramosIkona());
  aplinka_.GramatineAnalize = 1;
  aplinka_.Klausejas = &klausejas_;
  komandos_.Atnaujinta = [this](const Dokumentas& dokumentas) { Atnaujinta(dokumentas); };
  klausejas_.KoregavimasIsjungtas = [this] {
    RasytiBusena(QStringLiteral("Vertimo koregavimas išjungtas: kiti sakiniai verčiami automatiškai"));
  };

  SukurtiRedaktorius();
  SukurtiVeiksmus();
  SukurtiIrankines();
  busena_ = new QLabel(QStringLiteral("Information here"));
  busena_->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->addWidget(busena_, 1);
  progresas_ = new TForm9(this);

  RodytiAntraste();
  PasikeitePazymejimas();
  RichEdit1_->document()->setDefaultFont(QGuiApplication::font());

  resize(738, 520);
  if (const QScreen* ekranas = QGuiApplication::primaryScreen())
    move(ekranas->availableGeometry().center() - rect().center());

  // The rules editor's rule exists from start-up, as if an editor had been opened unseen.
  taisykle_.Sukurti();
  UzpildytiVidiniusIrasus(aplinka_.Zodynai);
  aplinka_.Zodynai.ProgramosKatalogas = std::filesystem::path(programosKatalogas_.toStdU16String());
  IkeltiZodynus();
}

// The main dictionary, then the user dictionary the program keeps between runs, when there is
// one.
void TForm1::IkeltiZodynus() {
  ZodynuRinkinys& zodynai = aplinka_.Zodynai;
  const QString nepavyko = QStringLiteral("Nepavyko įkelti žodyno");
  ZodynoFailoVeiksmas(*dialogai_, nepavyko, zodynai.ProgramosKatalogas / PagrindinioZodynoFailas,
                      [&] { IkeltiPagrindiniZodyna(zodynai); });
  const std::filesystem::path vartotojo = NumatytasVartotojoZodynas(zodynai);
  std::error_code klaida;
  if (std::filesystem::exists(vartotojo, klaida))
    ZodynoFailoVeiksmas(*dialogai_, nepavyko, vartotojo, [&] { IkeltiVartotojoZodyna(zodynai, vartotojo); });
}

TForm1::~TForm1() = default;

void TForm1::SukurtiRedaktorius() {
  RichEdit1_ = new QTextEdit;
  RichEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit2_ = new QTextEdit;
  RichEdit2_->setObjectName(QStringLiteral("RichEdit2"));
  anglu_ = std::make_unique<Dokumentas>(*RichEdit1_->document());
  lietuviu_ = std::make_unique<Dokumentas>(*RichEdit2_->document());
  pora_ = new EiluciuPora(*RichEdit1_, *RichEdit2_, this);
  pora_->SinchroniskaiSlinkti(atmintis_.SinchroninisSlinkimas());

  auto* skirtukas = new QSplitter(Qt::Vertical, this);
  skirtukas->setObjectName(QStringLiteral("Splitter1"));
  skirtukas->setChildrenCollapsible(false);
  skirtukas->addWidget(Skydelis(QStringLiteral(" Angliškas tekstas"), "Panel1", RichEdit1_));
  skirtukas->addWidget(Skydelis(QStringLiteral(" Lietuviškas tekstas"), "Panel2", RichEdit2_));
  skirtukas->setStretchFactor(1, 1);
  skirtukas->setSizes({164, 10000});
  setCentralWidget(skirtukas);

  for (QTextEdit* redaktorius : {RichEdit1_, RichEdit2_}) {
    redaktorius->installEventFilter(this);
    redaktorius->viewport()->installEventFilter(this);
    connect(redaktorius, &QTextEdit::textChanged, this,
            [this] { RasytiBusena(QStringLiteral("Keistas")); });
    connect(redaktorius, &QTextEdit::cursorPositionChanged, this, &TForm1::PasikeitePazymejimas);
    connect(redaktorius, &QTextEdit::selectionChanged, this, &TForm1::PasikeitePazymejimas);
  }
}

QString TForm1::BusenosTekstas() const { return busena_->text(); }

void TForm1::RasytiBusena(const QString& tekstas) {
  if (busena_) busena_->setText(tekstas);
}

void TForm1::RodytiAntraste() {
  setWindowTitle(QStringLiteral("%1 - %2").arg(anglu_->TrumpasVardas(),
                                                QString::fromUtf8(ProgramosPavadinimas)));
}

void TForm1::Atnaujinta(const Dokumentas& dokumentas) {
  if (&dokumentas == anglu_.get()) RodytiAntraste();
  RasytiBusena(QString());
}

void TForm1::NaujaPora() { lietuviu_->AtsietiFaila(); }

// Filled as the menu opens: its actions must not be deleted while one of them runs.
void TForm1::RodytiPaskutinius() {
  paskutiniai_->clear();
  const QStringList failai = atmintis_.PaskutiniaiFailai();
  for (qsizetype i = 0; i < failai.size(); ++i) {
    const QFileInfo failas(failai[i]);
    QString katalogas = QDir::toNativeSeparators(failas.absolutePath());
    if (katalogas.startsWith(QDir::homePath())) katalogas.replace(0, QDir::homePath().size(), u'~');
    QAction* veiksmas = paskutiniai_->addAction(
        QStringLiteral("&%1 %2 (%3)").arg(i + 1).arg(failas.fileName(), katalogas));
    veiksmas->setObjectName(QStringLiteral("Paskutinis%1").arg(i + 1));
    veiksmas->setToolTip(failai[i]);
    connect(veiksmas, &QAction::triggered, this, [this, kelias = failai[i]] { AtvertiPaskutini(kelias); });
  }
  paskutiniai_->addSeparator();
  QAction* isvalyti = paskutiniai_->addAction(QStringLiteral("Išvalyti sąrašą"));
  isvalyti->setObjectName(QStringLiteral("IsvalytiPaskutinius"));
  isvalyti->setEnabled(!failai.isEmpty());
  connect(isvalyti, &QAction::triggered, this, [this] { atmintis_.PamirstiVisus(); });
}

void TForm1::Aktyvuoti(QTextEdit* redaktorius) {
  anglaiAktyvus_ = redaktorius == RichEdit1_;
  SuderintiIrankine();
}

bool TForm1::eventFilter(QObject* objektas, QEvent* ivykis) {
  switch (ivykis->type()) {
    case QEvent::FocusIn:
      if (objektas == RichEdit1_ || objektas == RichEdit2_) Aktyvuoti(static_cast<QTextEdit*>(objektas));
      break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* tempimas = static_cast<QDragMoveEvent*>(ivykis);
      if (parodytas_ && !VietiniaiFailai(tempimas->mimeData()).isEmpty()) {
        tempimas->acceptProposedAction();
        return true;
      }
      break;
    }
    case QEvent::Drop: {
      auto* numetimas = static_cast<QDropEvent*>(ivykis);
      const QList<QUrl> failai = VietiniaiFailai(numetimas->mimeData());
      if (parodytas_ && !failai.isEmpty()) {
        numetimas->acceptProposedAction();
        PriimtiFailus(failai);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(objektas, ivykis);
}

void TForm1::dragEnterEvent(QDragEnterEvent* ivykis) {
  if (!VietiniaiFailai(ivykis->mimeData()).isEmpty()) ivykis->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* ivykis) {
  const QList<QUrl> failai = VietiniaiFailai(ivykis->mimeData());
  if (failai.isEmpty()) return;
  ivykis->acceptProposedAction();
  PriimtiFailus(failai);
}

void TForm1::PriimtiFailus(const QList<QUrl>& failai) {
  if (failai.isEmpty()) return;
  if (komandos_.PriimtiFaila(AktyvusDokumentas(), failai.constFirst().toLocalFile()) &&
      anglaiAktyvus_)
    NaujaPora();
}

void TForm1::AtvertiPaskutini(const QString& kelias) {
  if (!komandos_.PriimtiFaila(AktyvusDokumentas(), kelias)) return;
  Aktyvus()->setReadOnly(false);
  if (anglaiAktyvus_) NaujaPora();
}

void TForm1::showEvent(QShowEvent* ivykis) {
  QMainWindow::showEvent(ivykis);
  if (parodytas_) return;
  parodytas_ = true;
  setAcceptDrops(true);
  RichEdit1_->setFocus();
  Aktyvuoti(RichEdit1_);
  if (!komandinesEilutesFailas_.isEmpty() && QFileInfo(komandinesEilutesFailas_).isFile() &&
      komandos_.Ikelti(*anglu_, komandinesEilutesFailas_))
    NaujaPora();
}

void TForm1::closeEvent(QCloseEvent* ivykis) {
  // Unsaved text and dictionary changes are offered for saving however the window is closed;
  // Cancel keeps it open.
  if (komandos_.LeistiPakeisti(*anglu_) && komandos_.LeistiPakeisti(*lietuviu_) &&
      LeistiPrarastiPagrindini(aplinka_.Zodynai, *dialogai_) &&
      LeistiPrarastiVartotojo(aplinka_.Zodynai, *dialogai_))
    ivykis->accept();
  else
    ivykis->ignore();
}

}  // namespace kervosta
