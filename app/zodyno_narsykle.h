// The dictionary browser (TForm3): both dictionaries in grids, the search of a word in all its
// forms, and the commands that add, change, delete and sort entries and load, import and save
// dictionaries. The page shown chooses the list every command acts on.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;

namespace kervosta {

struct Aplinka;
class Dialogai;
class ZodynoModelis;
struct ZodynoMazgas;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  // `naujasZodis` (Windows-1257) goes into the search box. Windows and questions that the
  // commands open go through `dialogai`.
  TForm3(Aplinka& aplinka, Dialogai& dialogai, const std::string& naujasZodis,
         QWidget* tevas = nullptr);

  // Commands of the buttons and menus.
  void NaujasIrasas();
  void RedaguotiIrasa();
  void TrintiIrasa();
  void Rusiuoti();
  void Linksniuoti();
  void UzkrautiZodyna();
  void ImportuotiZodyna();
  void IssaugotiZodyna();
  void Ieskoti();

 private:
  void SukurtiPuslapius();
  QWidget* SukurtiMygtukus();
  void SukurtiMeniu();

  bool Vartotojo() const;
  QTableView* AktyvusTinklelis() const;
  QLabel* AktyviPasirinkimoZyme() const;
  // The list of the shown page into its grid, renumbered, with its count.
  void Atnaujinti();
  void UzpildytiVartotojo();
  void RodytiVartotojoPuslapi();
  // Incremental search: the first headword of the shown list that begins with the typed text.
  void IeskotiPradzios(const QString& tekstas);
  void Pasirinkti(QTableView* tinklelis, QLabel* zyme, int eilute);
  // The node of the selected row; nullptr, after the notice `nerasta`, when the list is empty or
  // no node stands at that row.
  ZodynoMazgas* PasirinktasMazgas(const QString& tuscias, const QString& nerasta);
  QString ZodynuKatalogas() const;

  Aplinka& aplinka_;
  Dialogai& dialogai_;

  QTabWidget* PageC1_ = nullptr;
  QTableView* ZodSar_ = nullptr;
  QTableView* ZodSarU_ = nullptr;
  ZodynoModelis* pagrindinis_ = nullptr;
  ZodynoModelis* vartotojo_ = nullptr;
  QLabel* Label2_ = nullptr;
  QLabel* Label3_ = nullptr;
  QLabel* Label4_ = nullptr;
  QLabel* Label5_ = nullptr;
  QLineEdit* Edit1_ = nullptr;
};

}  // namespace kervosta
