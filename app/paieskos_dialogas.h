// The find dialog: stays open beside the editors and asks for the next hit of its text.
#pragma once

#include <QDialog>

class QLineEdit;
class QTextDocument;
class QTextCursor;

namespace kervosta {

// The next case-sensitive hit of `tekstas` after the selection of `dabartinis` (from the start
// when nothing is selected) up to the end of the document; a null cursor when there is none.
QTextCursor RastiToliau(const QTextDocument& dokumentas, const QTextCursor& dabartinis,
                        const QString& tekstas);

class PaieskosDialogas : public QDialog {
  Q_OBJECT
 public:
  explicit PaieskosDialogas(QWidget* savininkas);

 signals:
  void IeskotiToliau(const QString& tekstas);

 private:
  QLineEdit* tekstas_;
};

}  // namespace kervosta
