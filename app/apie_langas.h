// The about box (TForm2): the program's name and version.
#pragma once

#include <QDialog>
#include <QIcon>

namespace kervosta {

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* savininkas = nullptr);
};

// The program's own icon.
QIcon ProgramosIkona();

}  // namespace kervosta
