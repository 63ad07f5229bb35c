// The questions, choosers and windows that the program's commands put to the user. The program
// answers them with modal dialogs; tests answer them with scripted replies and drive the windows
// themselves, so no command ever blocks a test.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QDialog;

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
  // Starts at `pradzia`, a folder or a file, with the plain-text type chosen when `tekstas`.
  virtual std::optional<QString> PasirinktiIssaugoti(const QString& pradzia, bool tekstas) = 0;
  virtual std::optional<QColor> PasirinktiSpalva(const QColor& dabartine) = 0;
  virtual std::optional<QFont> PasirinktiSrifta(const QFont& dabartinis) = 0;
  // The application's error box.
  virtual void RodytiKlaida(const QString& pranesimas) = 0;

  // A notice with its own caption ("Klaida!", "Informacija!") and an OK button.
  virtual void Pranesti(const QString& antraste, const QString& tekstas) = 0;
  // A question with OK and Cancel; true only for OK.
  virtual bool KlaustiGerai(const QString& antraste, const QString& tekstas) = 0;
  // A question with Yes, No and Cancel.
  virtual Atsakymas Klausti(const QString& tekstas) = 0;
  // The open or save dialog of dictionary files ("Kervosta žodynai", *.dic), starting in
  // `katalogas`; the save dialog adds the extension "dic" to a name without one.
  virtual std::optional<QString> PasirinktiZodyna(bool issaugoti, const QString& katalogas) = 0;
  // Shows a window modally and returns its result code.
  virtual int Rodyti(QDialog& langas) = 0;
  // The open dialog of word-processor documents (.doc, .docx, .odt, .rtf).
  virtual std::optional<QString> PasirinktiDokumenta(const QString& katalogas) = 0;
  // Opens a file in the program the desktop opens it with: a page in the web browser, a
  // document in the word processor.
  virtual void AtvertiIsoreje(const QString& failas) = 0;
};

}  // namespace kervosta
