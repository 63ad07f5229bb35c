// A translation of the English editor into the Lithuanian editor in parts, so that a long text
// neither freezes the window nor has to run to its end.
#pragma once

#include <QObject>
#include <QTimer>

#include "analysis/aplinka.h"
#include "app/redaktoriaus_eilutes.h"
#include "translation/vertimas.h"

class QTextDocument;

namespace kervosta {

// Translates the English lines as they stand when the run is made, appending the Lithuanian
// lines to the other document: the lines of one part go in as one insertion, then the event
// loop runs before the next part. The correction questions are asked inside a part, on this
// thread, with the lines done before them already in the document.
class VertimoEiga : public QObject, private KoregavimoKlausejas {
  Q_OBJECT
 public:
  enum class Pabaiga { Baigta, Sustabdyta, Atsaukta };

  VertimoEiga(Aplinka& aplinka, const QTextDocument& anglu, QTextDocument& lietuviu,
              QObject* tevas = nullptr);

  // Translates the first part at once; the rest follows from the event loop.
  void Pradeti();
  // Between two parts: ends the run, keeping the lines done.
  void Stabdyti();

 signals:
  // After every part that leaves lines to translate.
  void Pazanga(int atlikta, int visos);
  // Once: all done, stopped, or a question answered with "cancel the run".
  void Baigta(VertimoEiga::Pabaiga kaip);

 private:
  void VerstiDali();
  // Translates the lines of one part for the document; false when a question ended the run.
  bool VerstiDaliesEilutes(int visos);
  void Baigti(Pabaiga kaip);
  int Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& zodis,
              int numatytas, Aplinka& aplinka) override;

  Aplinka& aplinka_;
  const DokumentoEilutes anglu_;
  DokumentoPapildymas lietuviu_;
  EiluciuVertimas vertimas_;
  KoregavimoKlausejas* klausejas_ = nullptr;  // the one the run's questions go to
  QTimer kitaDalis_;
  int atlikta_ = 0;
  bool vyksta_ = false;
};

}  // namespace kervosta
