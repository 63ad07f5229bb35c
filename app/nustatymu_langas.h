// The settings window (TForm8): switches the grammar analysis of translation for this run.
#pragma once

#include <QDialog>

class QCheckBox;

namespace kervosta {

struct Aplinka;

class TForm8 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm8(Aplinka& aplinka, QWidget* savininkas = nullptr);

 private:
  Aplinka& aplinka_;
  QCheckBox* CheckBox1_;
};

}  // namespace kervosta
