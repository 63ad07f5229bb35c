// The questions and choosers that the main window's commands put to the user. The window
// answers them with modal dialogs; tests answer them with scripted replies, so no command ever
// blocks a test.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace kervosta {

enum class Atsakymas { Taip, Ne, Atsaukti };

struct AtvertimoPasirinkimas {
  QString Kelias;
  bool TikSkaitymui = false;  // the dialog's read-only box was ticked
};

class Dialogai {
 public:
  virtual ~Dialogai() = default;

  // "Išsaugoti %s?" with Yes, No and Cancel.
  virtual Atsakymas KlaustiIssaugoti(const QString& failoVardas) = 0;
  // "OK perrašyti %s" with Yes, No and Cancel; true only for Yes.
  virtual bool KlaustiPerrasyti(const QString& kelias) = 0;
  virtual std::optional<AtvertimoPasirinkimas> PasirinktiAtverti(const QString& katalogas) = 0;
  virtual std::optional<QString> PasirinktiIssaugoti(const QString& katalogas) = 0;
  virtual std::optional<QColor> PasirinktiSpalva(const QColor& dabartine) = 0;
  virtual std::optional<QFont> PasirinktiSrifta(const QFont& dabartinis) = 0;
  // The application's error box.
  virtual void RodytiKlaida(const QString& pranesimas) = 0;
};

}  // namespace kervosta
