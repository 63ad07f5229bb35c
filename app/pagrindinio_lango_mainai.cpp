// The main window's exchange with the outside: web pages translated into the user's browser, and
// text imported from and exported to word-processor documents.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextEdit>

#include "app/dokumentu_mainai.h"
#include "app/koduote.h"
#include "app/pagrindinis_langas.h"
#include "app/programa.h"
#include "app/puslapio_gavejas.h"
#include "translation/puslapio_koduote.h"
#include "translation/puslapio_vertimas.h"

namespace kervosta {

namespace {
// The translated page, in the working folder: a name every browser shows as a page.
constexpr char TinklapioFailas[] = "temp.html";
}  // namespace

void TForm1::VerstiTinklapi() { GautiTinklapi(1); }

void TForm1::VerstiTinklapiSuKoregavimu() { GautiTinklapi(0); }

void TForm1::GautiTinklapi(std::uint8_t automatinis) {
  const QString adresas = adresas_->currentText().trimmed();
  if (adresas.isEmpty() || adresas == QStringLiteral("http://")) {
    dialogai_->Pranesti(QString::fromUtf8(ProgramosPavadinimas),
                        QStringLiteral("Blogas adresas. Įveskite Internet prieigos adresą"));
    return;
  }
  aplinka_.AutomatinisVertimas = automatinis;
  if (!gavejas_) {
    gavejas_ = new PuslapioGavejas(this);
    connect(gavejas_, &PuslapioGavejas::Busena, this, &TForm1::RasytiBusena);
    connect(gavejas_, &PuslapioGavejas::NepavykoPrisijungti, this, [this] {
      dialogai_->Pranesti(QString::fromUtf8(ProgramosPavadinimas), QStringLiteral("Nepavyko prisijungti"));
    });
    connect(gavejas_, &PuslapioGavejas::Gauta, this, &TForm1::VerstiGautaTinklapi);
  }
  gavejas_->Gauti(QUrl::fromUserInput(adresas, programosKatalogas_));
}

void TForm1::VerstiGautaTinklapi(const QByteArray& kunas, const QString& turinioTipas) {
  const std::string_view baitai(kunas.constData(), static_cast<std::size_t>(kunas.size()));
  std::string puslapis;
  try {
    puslapis = VerstiPuslapi(
        aplinka_, PuslapisUtf8(baitai, DeklaruotaKoduote(turinioTipas.toStdString(), baitai)));
  } catch (const VertimasAtsauktas&) {
    RasytiBusena(QStringLiteral("Vertimas atšauktas"));
    return;
  }
  const QString kelias = QDir(programosKatalogas_).filePath(QString::fromLatin1(TinklapioFailas));
  QSaveFile failas(kelias);
  if (!failas.open(QIODevice::WriteOnly) ||
      failas.write(puslapis.data(), static_cast<qint64>(puslapis.size())) < 0 || !failas.commit()) {
    dialogai_->RodytiKlaida(
        QStringLiteral("Nepavyko įrašyti „%1“: %2").arg(kelias, failas.errorString()));
    return;
  }
  dialogai_->AtvertiIsoreje(kelias);
}

// The document's paragraphs replace the English text, as one step that Undo takes back; a
// document that cannot be read leaves the text as it was.
void TForm1::ImportuotiDokumenta() {
  const std::optional<QString> failas = dialogai_->PasirinktiDokumenta(atmintis_.Katalogas());
  if (!failas) return;
  RasytiBusena(QStringLiteral("Skaitomas dokumentas..."));
  const DokumentoPastraipos dokumentas = kervosta::ImportuotiDokumenta(*failas);
  RasytiBusena(QString());
  if (!dokumentas.Klaida.isEmpty()) {
    dialogai_->RodytiKlaida(dokumentas.Klaida);
    return;
  }
  QTextCursor zymeklis(RichEdit1_->document());
  zymeklis.select(QTextCursor::Document);
  zymeklis.insertText(dokumentas.Pastraipos.join(u'\n'));
}

void TForm1::EksportuotiDokumenta() {
  RasytiBusena(QStringLiteral("Kuriamas dokumentas..."));
  const NaujasDokumentas dokumentas = kervosta::EksportuotiDokumenta(
      Aktyvus()->toPlainText(), QDir(programosKatalogas_).filePath(QStringLiteral("Eksportas")));
  RasytiBusena(QString());
  if (!dokumentas.Klaida.isEmpty()) {
    dialogai_->RodytiKlaida(dokumentas.Klaida);
    return;
  }
  dialogai_->AtvertiIsoreje(dokumentas.Kelias);
}

}  // namespace kervosta
