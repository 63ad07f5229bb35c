// The main window (TForm1): the English editor above, the Lithuanian editor below, the document,
// editing, formatting and translation commands, and the dictionaries of the run.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <span>

#include "analysis/aplinka.h"
#include "app/dokumentas.h"
#include "app/dokumentu_komandos.h"
#include "app/koregavimo_dialogas.h"
#include "app/paieskos_dialogas.h"
#include "translation/taisykles.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QUrl;

namespace kervosta {

class EiluciuPora;
class PuslapioGavejas;
class TForm9;
class VertimoEiga;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // `dialogai` answers the commands' questions (the window's own modal dialogs when null);
  // `komandinesEilutesFailas` is loaded into the English editor when the window is first shown.
  // The current directory becomes the program directory, where "main.zod" is loaded from.
  explicit TForm1(Dialogai* dialogai = nullptr, QString komandinesEilutesFailas = {},
                  QWidget* tevas = nullptr);
  ~TForm1() override;

  Aplinka& Busena() { return aplinka_; }
  DabartineTaisykle& Taisykle() { return taisykle_; }
  QTextEdit* AngluRedaktorius() const { return RichEdit1_; }
  QTextEdit* LietuviuRedaktorius() const { return RichEdit2_; }
  Dokumentas& AngluDokumentas() { return *anglu_; }
  Dokumentas& LietuviuDokumentas() { return *lietuviu_; }
  bool AnglaiAktyvus() const { return anglaiAktyvus_; }
  QString BusenosTekstas() const;
  EiluciuPora& Pora() { return *pora_; }
  // A translation started by F4 or F5 is still filling the Lithuanian editor.
  bool Verciama() const { return eiga_ != nullptr; }

  // Prints the active editor, with its file name as the job's title.
  void Spausdinti(QPrinter& spausdintuvas);
  // Selects the next case-sensitive hit after the active editor's selection, from the start
  // again after the end, and says so in the status line and the find dialog.
  PaieskosRezultatas IeskotiToliau(const QString& tekstas);
  // Dropped files: only the first is taken, into the active editor, after asking to save.
  void PriimtiFailus(const QList<QUrl>& failai);
  // A file of the recent files' menu, into the active editor after asking to save.
  void AtvertiPaskutini(const QString& kelias);

  // Commands of the menus and toolbars.
  void Naujas();
  void Atverti();
  void Saugoti();
  void SaugotiKaip();
  void SpausdintiSuDialogu();
  void Pabaiga();
  // A text longer than one part is translated from the event loop, with the progress window
  // open over this one; closing it stops the run and keeps the lines done.
  void VerstiAutomatiskai();
  void VerstiSuKoregavimu();
  // Translates automatically the English lines of the active editor's selection (or the caret's
  // line) into the same lines of the Lithuanian editor; the other lines stay.
  void VerstiPazymeta();
  void Spalva();
  void Sriftas();
  void Paieska();
  void ZodziuSarasas();
  void ZodynoPapildymas();
  void Gramatika();
  void ImportuotiDokumenta();
  void EksportuotiDokumenta();
  void VerstiTinklapi();
  void VerstiTinklapiSuKoregavimu();
  void Nustatymai();
  void TaisykliuRedagavimas();
  void Apie();

 protected:
  void showEvent(QShowEvent* ivykis) override;
  void closeEvent(QCloseEvent* ivykis) override;
  bool eventFilter(QObject* objektas, QEvent* ivykis) override;
  void dragEnterEvent(QDragEnterEvent* ivykis) override;
  void dropEvent(QDropEvent* ivykis) override;

 private:
  // The window's actions, each made from its row of the actions table.
  struct Veiksmai {
    QAction *Naujas, *Atverti, *Saugoti, *SaugotiKaip, *Spausdinti, *ImportuotiWord,
        *EksportuotiWord, *Pabaiga;
    QAction *Atgal, *PazymetiViska, *Iskirpti, *Kopijuoti, *Iterpti, *Spalva, *Paieska, *Sriftas;
    QAction *ZodziuSarasas, *ZodynoPapildymas, *Linksniavimas, *UzkrautiZodyna;
    QAction *VerstiAutomatiskai, *VerstiSuKoregavimu, *VerstiPazymeta, *GramatineAnalize,
        *VerstiTinklapi, *VerstiTinklapiSuKoregavimu;
    QAction *ProgramosNustatymai, *TaisykliuRedagavimas, *SinchroninisSlinkimas, *Dokumentacija,
        *Apie;
    QAction *Pusjuodis, *Kursyvas, *Pabrauktas, *Zenklinimas, *LygiuotiKairen, *LygiuotiCentre,
        *LygiuotiDesinen;
  };
  struct VeiksmoEilute;
  static std::span<const VeiksmoEilute> VeiksmuLentele();

  // Building the window.
  void SukurtiRedaktorius();
  // The actions and the menus, from the actions table.
  void SukurtiVeiksmus();
  void SukurtiIrankines();

  // Editing commands of the active editor.
  void Iskirpti();
  void Kopijuoti();
  void Iterpti();
  void PazymetiViska();
  void Atgal();

  QTextEdit* Aktyvus() const { return anglaiAktyvus_ ? RichEdit1_ : RichEdit2_; }
  Dokumentas& AktyvusDokumentas() { return anglaiAktyvus_ ? *anglu_ : *lietuviu_; }
  void Aktyvuoti(QTextEdit* redaktorius);
  void Atnaujinta(const Dokumentas& dokumentas);
  // After the English editor got another text: the Lithuanian text is no longer the one its
  // file holds the translation of, so it is saved only under a name chosen for it.
  void NaujaPora();
  void RodytiPaskutinius();
  // "%s - %s": the English document's file name and the program's name.
  void RodytiAntraste();
  void RasytiBusena(const QString& tekstas);
  void IkeltiZodynus();
  // The English editor's selected text, Windows-1257, for the dictionary windows.
  std::string PazymetasAngluTekstas() const;

  // Formatting of the active editor: the selection when there is one, else what is typed next.
  void KeistiFormata(const QTextCharFormat& formatas);
  // On every selection change: the toolbar, then the caret position in the status line.
  void PasikeitePazymejimas();
  void SuderintiIrankine();
  void RasytiZymekli();
  void Pusjuodis(bool ijungtas);
  void Kursyvas(bool ijungtas);
  void Pabrauktas(bool ijungtas);
  void Zenklinimas(bool ijungtas);
  void LygiuotiKairen(bool ijungtas);
  void LygiuotiCentre(bool ijungtas);
  void LygiuotiDesinen(bool ijungtas);
  void Lygiuoti(Qt::Alignment lygiavimas);
  void SinchroniskaiSlinkti(bool ijungta);

  void Versti(std::uint8_t automatinis);
  void GautiTinklapi(std::uint8_t automatinis);
  void VerstiGautaTinklapi(const QByteArray& kunas, const QString& turinioTipas);

  Aplinka aplinka_;
  DabartineTaisykle taisykle_;
  std::unique_ptr<Dialogai> saviDialogai_;
  Dialogai* dialogai_;
  QString programosKatalogas_;
  Atmintis atmintis_;
  DokumentuKomandos komandos_;
  DialogoKlausejas klausejas_;
  QString komandinesEilutesFailas_;

  QTextEdit* RichEdit1_ = nullptr;
  QTextEdit* RichEdit2_ = nullptr;
  std::unique_ptr<Dokumentas> anglu_;
  std::unique_ptr<Dokumentas> lietuviu_;
  bool anglaiAktyvus_ = true;
  bool atnaujinama_ = false;  // the toolbar is being brought in line with the caret
  bool parodytas_ = false;

  Veiksmai veiksmai_{};
  QLabel* busena_ = nullptr;
  QComboBox* sriftoVardas_ = nullptr;
  QSpinBox* sriftoDydis_ = nullptr;
  QComboBox* adresas_ = nullptr;
  PaieskosDialogas* paieska_ = nullptr;
  QMenu* paskutiniai_ = nullptr;
  EiluciuPora* pora_ = nullptr;
  PuslapioGavejas* gavejas_ = nullptr;
  TForm9* progresas_ = nullptr;
  VertimoEiga* eiga_ = nullptr;
};

}  // namespace kervosta
