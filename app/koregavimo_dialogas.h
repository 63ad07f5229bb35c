// The word dialog (TForm7): shows the candidates of the latest lookup for an ambiguous or
// unknown word, or the results of a dictionary search, and lets the user pick one.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "analysis/koregavimas.h"
#include "lexicon/zodynai.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

namespace kervosta {

struct Aplinka;
class Dialogai;

// Adds dictionary entries starting from an English word; the window given owns what it opens.
using ZodynoPapildymas = std::function<void(const std::string& naujasZodis, QWidget* tevas)>;

class TForm7 : public QDialog {
  Q_OBJECT
 public:
  // `sakinioTekstas` and `ieskomasZodis` are Windows-1257, as the engine gives them. Without
  // `papildyti` the "Papildyti žodyną" button is disabled.
  TForm7(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& ieskomasZodis,
         Aplinka& aplinka, ZodynoPapildymas papildyti = {}, QWidget* savininkas = nullptr);

  // The chosen candidate, 1-based; 0 when none.
  int PasirinktasVariantas() const { return pasirinktas_; }
  // Chooses candidate `variantas` (1-based) as a click on its row would; 0 chooses none, which
  // leaves the choice to automatic translation. Outside the list nothing changes.
  void Pasirinkti(int variantas);
  // Fills title, texts and grid from the candidates and chooses the last one, the one automatic
  // translation takes without more context.
  void Uzpildyti();

 signals:
  // "Išjungti vertimo koregavimą" was pressed.
  void KoregavimasIsjungtas();

 private:
  // Adds entries for the word, then lists its candidates again, the new ones among them.
  void BitBtn2Click();
  void BitBtn3Click();
  // The switch-off button as the flag stands: pressed once, it stays off.
  void RodytiKoregavima();

  std::uint8_t rezimas_;
  std::string sakinioTekstas_;
  std::string ieskomasZodis_;
  Aplinka& aplinka_;
  ZodynoPapildymas papildyti_;
  int pasirinktas_ = 0;

  QLabel* Label1_;
  QLabel* Label2_;
  QLabel* Label3_;
  QTextEdit* RichEdit1_;
  QTableWidget* StringGrid1_;
  QPushButton* BitBtn1_;
  QPushButton* BitBtn2_;
  QPushButton* BitBtn3_;
  QPushButton* BitBtn4_;
};

// Answers the correction question with a TForm7 shown through `dialogai`, with the candidate
// automatic translation would take chosen; "Papildyti žodyną" adds entries to the user
// dictionary with the entry editor. Closing the dialog any way but "Tęsti vertimą" (Escape,
// "Atšaukti vertimą") cancels the run.
class DialogoKlausejas : public KoregavimoKlausejas {
 public:
  DialogoKlausejas(QWidget* savininkas, Dialogai& dialogai)
      : savininkas_(savininkas), dialogai_(dialogai) {}
  int Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& zodis,
              int numatytas, Aplinka& aplinka) override;

  // Called when the user switches correction off in the dialog.
  std::function<void()> KoregavimasIsjungtas;

 private:
  QWidget* savininkas_;
  Dialogai& dialogai_;
};

// Opens the entry editor to add entries to the user dictionary, with `naujasZodis` in its
// English boxes; the user list stays the one the dictionary windows act on afterwards.
void PapildytiVartotojoZodyna(ZodynuRinkinys& zodynai, Dialogai& dialogai,
                              const std::string& naujasZodis, QWidget* tevas);

}  // namespace kervosta
