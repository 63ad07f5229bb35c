// The main window's document, translation and window commands.
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "app/apie_langas.h"
#include "app/eiluciu_pora.h"
#include "app/gramatikos_langas.h"
#include "app/koduote.h"
#include "app/nustatymu_langas.h"
#include "app/pagrindinis_langas.h"
#include "app/paieskos_dialogas.h"
#include "app/progreso_langas.h"
#include "app/redaktoriaus_eilutes.h"
#include "app/taisykliu_redaktorius.h"
#include "app/vertimo_eiga.h"
#include "app/zodyno_narsykle.h"
#include "app/zodynu_failai.h"
#include "lexicon/zodyno_failai.h"
#include "translation/eiluciu_sarasai.h"
#include "translation/vertimas.h"

namespace kervosta {

void TForm1::Naujas() {
  if (!komandos_.Naujas(AktyvusDokumentas())) return;
  // Read-only belonged to the file that was open; a new document is for typing.
  Aktyvus()->setReadOnly(false);
  if (anglaiAktyvus_) NaujaPora();
}

void TForm1::Atverti() {
  bool tikSkaitymui = false;
  if (!komandos_.Atverti(AktyvusDokumentas(), tikSkaitymui)) return;
  Aktyvus()->setReadOnly(tikSkaitymui);
  if (anglaiAktyvus_) NaujaPora();
}

void TForm1::Saugoti() { komandos_.Saugoti(AktyvusDokumentas()); }

void TForm1::SaugotiKaip() { komandos_.SaugotiKaip(AktyvusDokumentas()); }

void TForm1::Spausdinti(QPrinter& spausdintuvas) {
  spausdintuvas.setDocName(AktyvusDokumentas().FailoVardas());
  Aktyvus()->print(&spausdintuvas);
}

void TForm1::SpausdintiSuDialogu() {
  QPrinter spausdintuvas(QPrinter::HighResolution);
  // With no printer the dialog can only write a PDF: into the user's folder, not the program's.
  if (QPrinterInfo::availablePrinterNames().isEmpty())
    spausdintuvas.setOutputFileName(QDir(atmintis_.Katalogas()).filePath(
        QFileInfo(AktyvusDokumentas().FailoVardas()).completeBaseName() + QStringLiteral(".pdf")));
  QPrintDialog dialogas(&spausdintuvas, this);
  if (dialogas.exec() == QDialog::Accepted) Spausdinti(spausdintuvas);
}

void TForm1::Iskirpti() { Aktyvus()->cut(); }

void TForm1::Kopijuoti() { Aktyvus()->copy(); }

void TForm1::Iterpti() { Aktyvus()->paste(); }

void TForm1::PazymetiViska() { Aktyvus()->selectAll(); }

void TForm1::Atgal() {
  if (Aktyvus()->document()->isUndoAvailable()) Aktyvus()->undo();
}

PaieskosRezultatas TForm1::IeskotiToliau(const QString& tekstas) {
  QTextEdit* redaktorius = Aktyvus();
  bool nuoPradzios = false;
  const QTextCursor radinys =
      RastiToliau(*redaktorius->document(), redaktorius->textCursor(), tekstas, nuoPradzios);
  const PaieskosRezultatas rezultatas = radinys.isNull() ? PaieskosRezultatas::Nerasta
                                        : nuoPradzios    ? PaieskosRezultatas::RastaNuoPradzios
                                                         : PaieskosRezultatas::Rasta;
  if (!radinys.isNull()) {
    redaktorius->setFocus();
    redaktorius->setTextCursor(radinys);
  }
  // After the caret position that selecting the hit wrote.
  if (rezultatas != PaieskosRezultatas::Rasta) RasytiBusena(PaieskosPranesimas(rezultatas));
  if (paieska_) paieska_->RodytiRezultata(rezultatas);
  return rezultatas;
}

void TForm1::Paieska() {
  if (!paieska_) {
    paieska_ = new PaieskosDialogas(this);
    connect(paieska_, &PaieskosDialogas::IeskotiToliau, this, &TForm1::IeskotiToliau);
  }
  paieska_->show();
  paieska_->raise();
  paieska_->activateWindow();
}

void TForm1::Versti(std::uint8_t automatinis) {
  RichEdit2_->clear();
  aplinka_.AutomatinisVertimas = automatinis;
  eiga_ = new VertimoEiga(aplinka_, *RichEdit1_->document(), *RichEdit2_->document(), this);
  const QString uzduotis = automatinis ? QStringLiteral("Automatinis vertimas")
                                       : QStringLiteral("Vertimas su koregavimu");
  connect(eiga_, &VertimoEiga::Pazanga, this, [this, uzduotis](int atlikta, int visos) {
    const QString busena =
        QStringLiteral("Verčiamas tekstas: eilutė %1 iš %2").arg(atlikta).arg(visos);
    progresas_->Rodyti(uzduotis, busena, static_cast<int>(qint64{atlikta} * 100 / visos));
  });
  connect(progresas_, &QDialog::rejected, eiga_, &VertimoEiga::Stabdyti);
  connect(eiga_, &VertimoEiga::Baigta, this, [this, automatinis](VertimoEiga::Pabaiga kaip) {
    progresas_->hide();
    eiga_->deleteLater();
    eiga_ = nullptr;
    if (kaip != VertimoEiga::Pabaiga::Baigta)
      RasytiBusena(QStringLiteral("Vertimas atšauktas"));
    else if (automatinis == 0 && aplinka_.AutomatinisVertimas == 1)
      RasytiBusena(QStringLiteral("Vertimo koregavimas buvo išjungtas"));
  });
  eiga_->Pradeti();
}

void TForm1::VerstiAutomatiskai() { Versti(1); }

void TForm1::VerstiSuKoregavimu() { Versti(0); }

void TForm1::VerstiPazymeta() {
  auto [nuo, iki] = PazymetosEilutes(Aktyvus()->textCursor());
  const DokumentoEilutes anglu(*RichEdit1_->document());
  iki = std::min(iki, anglu.EiluciuSk() - 1);
  if (nuo > iki) return;
  EiluciuSarasas pazymetos;
  for (int i = nuo; i <= iki; ++i) pazymetos.Eilutes.push_back(anglu.Eilute(i));
  aplinka_.AutomatinisVertimas = 1;
  EiluciuKaupiklis vertimas;
  VerstiEilutes(aplinka_, pazymetos, vertimas);
  // The text after the last sentence of the selection is the rest of its last line.
  std::vector<std::string>& eilutes = vertimas.Eilutes;
  if (eilutes.size() > pazymetos.Eilutes.size()) {
    eilutes[eilutes.size() - 2] += eilutes.back();
    eilutes.pop_back();
  }
  KeistiEilutes(*RichEdit2_->document(), nuo, eilutes);
}

void TForm1::Pabaiga() {
  ZodynuRinkinys& zodynai = aplinka_.Zodynai;
  zodynai.VartotojoRezimas = 0;
  if (!IssaugotiPagrindini(zodynai, *dialogai_)) return;
  // Entries added to the user dictionary during the run are kept for the next one.
  if (zodynai.VartotojoPakeistas &&
      !IssaugotiVartotojo(zodynai, *dialogai_, VartotojoZodynoVieta(zodynai)))
    return;
  close();
}

std::string TForm1::PazymetasAngluTekstas() const {
  return ICp1257(RichEdit1_->textCursor().selectedText());
}

void TForm1::ZodziuSarasas() {
  TForm3 langas(aplinka_, *dialogai_, PazymetasAngluTekstas(), this);
  dialogai_->Rodyti(langas);
}

// The selection, or the line under the caret when nothing is selected.
void TForm1::Gramatika() {
  const QTextCursor zymeklis = RichEdit1_->textCursor();
  const QString tekstas = zymeklis.hasSelection() ? zymeklis.selectedText() : zymeklis.block().text();
  TForm5 langas(aplinka_, ICp1257(tekstas), abEilute, this);
  dialogai_->Rodyti(langas);
}

void TForm1::ZodynoPapildymas() {
  PapildytiVartotojoZodyna(aplinka_.Zodynai, *dialogai_, PazymetasAngluTekstas(), this);
}

void TForm1::SinchroniskaiSlinkti(bool ijungta) {
  pora_->SinchroniskaiSlinkti(ijungta);
  atmintis_.NustatytiSinchroniniSlinkima(ijungta);
}

void TForm1::Nustatymai() {
  TForm8 langas(aplinka_, this);
  langas.exec();
}

void TForm1::TaisykliuRedagavimas() {
  TForm6 langas(taisykle_, this);
  langas.exec();
}

void TForm1::Apie() {
  TForm2 langas(this);
  langas.exec();
}

}  // namespace kervosta
