// The progress window (TForm9): the task, how far it has got as a bar and as a line of text, and
// a button that stops it.
#pragma once

#include <QDialog>

class QLineEdit;
class QProgressBar;

namespace kervosta {

class TForm9 : public QDialog {
  Q_OBJECT
 public:
  // Modal to its owner's window, so nothing else changes what the task works on; it is shown
  // without a local event loop, so the task goes on while it is open. Closing it any way (the
  // button, Escape) rejects it: the owner stops the task then.
  explicit TForm9(QWidget* savininkas = nullptr);

  // Shows the window when hidden.
  void Rodyti(const QString& uzduotis, const QString& busena, int procentai);

 private:
  QLineEdit* Edit1_;
  QProgressBar* ProgressBar1_;
  QLineEdit* Edit2_;
};

}  // namespace kervosta
