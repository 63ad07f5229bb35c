// The word dialog (TForm7): shows the candidates of the latest lookup for an ambiguous or
// unknown word, or the results of a dictionary search, and lets the user pick one.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "analysis/koregavimas.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

namespace kervosta {

struct Aplinka;

class TForm7 : public QDialog {
  Q_OBJECT
 public:
  // `sakinioTekstas` and `ieskomasZodis` are Windows-1257, as the engine gives them.
  TForm7(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& ieskomasZodis,
         Aplinka& aplinka, QWidget* savininkas = nullptr);

  // The chosen candidate, 1-based; 0 when none.
  int PasirinktasVariantas() const { return pasirinktas_; }
  // Fills title, texts and grid from the candidates and chooses the first one.
  void Uzpildyti();

 private:
  void BitBtn3Click();

  std::uint8_t rezimas_;
  std::string sakinioTekstas_;
  std::string ieskomasZodis_;
  Aplinka& aplinka_;
  int pasirinktas_ = 0;

  QLabel* Label1_;
  QLabel* Label2_;
  QLabel* Label3_;
  QTextEdit* RichEdit1_;
  QTableWidget* StringGrid1_;
  QPushButton* BitBtn1_;
  QPushButton* BitBtn2_;
  QPushButton* BitBtn3_;
};

// Answers the correction question with a TForm7 shown modally.
class DialogoKlausejas : public KoregavimoKlausejas {
 public:
  explicit DialogoKlausejas(QWidget* savininkas) : savininkas_(savininkas) {}
  int Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& zodis,
              Aplinka& aplinka) override;

 private:
  QWidget* savininkas_;
};

}  // namespace kervosta
