// The settings window (TForm8): switches the grammar analysis of translation, the choice of a
// word's translation by its context and the form of address (jūs or tu) for this run.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace kervosta {

struct Aplinka;

class TForm8 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm8(Aplinka& aplinka, QWidget* savininkas = nullptr);

 private:
  QWidget* KurtiGramatika();

  Aplinka& aplinka_;
  QCheckBox* CheckBox1_;
  QCheckBox* CheckBox2_;
  QRadioButton* RadioButton1_;
  QRadioButton* RadioButton2_;
};

}  // namespace kervosta
