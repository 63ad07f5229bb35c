// The rules editor (TForm6): shows one translation rule and lets the user switch it on and set
// its priority. Its other controls have no behaviour: rules are neither stored nor applied.
#pragma once

#include <QDialog>

namespace kervosta {

class DabartineTaisykle;

class TForm6 : public QDialog {
  Q_OBJECT
 public:
  // Makes a fresh rule the current one; closing the window frees it.
  explicit TForm6(DabartineTaisykle& taisykle, QWidget* savininkas = nullptr);

 private:
  QWidget* VirsutineEile();
  QWidget* AntraEile();
  QWidget* Strukturos();
  QWidget* TaisyklesBusena();
  QWidget* GrupiuRedagavimas();
  QWidget* Zodziai();

  DabartineTaisykle& taisykle_;
};

}  // namespace kervosta
