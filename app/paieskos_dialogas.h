// The find dialog: stays open beside the editors and asks for the next hit of its text.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTextDocument;
class QTextCursor;

namespace kervosta {

enum class PaieskosRezultatas { Rasta, RastaNuoPradzios, Nerasta };

// The next case-sensitive hit of `tekstas` after the selection of `dabartinis` (from the start
// when nothing is selected); with none up to the end of the document, the first hit from its
// start (`nuoPradzios` tells). A null cursor when the text is nowhere.
QTextCursor RastiToliau(const QTextDocument& dokumentas, const QTextCursor& dabartinis,
                        const QString& tekstas, bool& nuoPradzios);

// What a search says about its result: "Nerasta" on a miss.
QString PaieskosPranesimas(PaieskosRezultatas rezultatas);

class PaieskosDialogas : public QDialog {
  Q_OBJECT
 public:
  explicit PaieskosDialogas(QWidget* savininkas);

  void RodytiRezultata(PaieskosRezultatas rezultatas);

 signals:
  void IeskotiToliau(const QString& tekstas);

 private:
  QLineEdit* tekstas_;
  QLabel* rezultatas_;
};

}  // namespace kervosta
