// The editors as the translation driver sees them: the English document as numbered lines in
// Windows-1257, the Lithuanian document as a place to append lines or to replace some of them.
#pragma once

#include <QList>
#include <QStringList>
#include <QTextCursor>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "translation/vertimas.h"

class QTextDocument;

namespace kervosta {

// The lines of the document as they stand when made: every paragraph and every line break in
// a paragraph ends a line; an empty document has none.
class DokumentoEilutes : public EiluciuSaltinis {
 public:
  explicit DokumentoEilutes(const QTextDocument& dokumentas);
  int EiluciuSk() const override { return static_cast<int>(eilutes_.size()); }
  std::string Eilute(int i) const override;

 private:
  QStringList eilutes_;
};

// Appends each line as a new last paragraph of the document. The lines are kept until Irasyti
// writes them in one insertion: one change per line would have the editor lay out and repaint
// a long text thousands of times. Everything written through one object is one step to undo.
class DokumentoPapildymas : public EiluciuPriimtuvas {
 public:
  explicit DokumentoPapildymas(QTextDocument& dokumentas);
  void PridetiEilute(const std::string& eilute) override;
  void Irasyti();

 private:
  QTextCursor zymeklis_;
  QString laukia_;  // the lines not written yet, with the breaks before them
  bool pirma_;
  bool irasyta_ = false;
};

// A line as translation counts them: the positions of its first character and of the end of its
// text, before the break that ends it.
struct EilutesRibos {
  int Pradzia = 0;
  int Pabaiga = 0;
};

// Every line of the document; an empty document has one, empty.
QList<EilutesRibos> EiluciuRibos(const QTextDocument& dokumentas);

// Line `eilute` alone, none past the last line. This and EilutesNumeris stop at the line they
// look for, and copy the text once rather than paragraph by paragraph: the highlighting of the
// caret's line asks after every change, and a long document grows while it is translated.
std::optional<EilutesRibos> RastiEilute(const QTextDocument& dokumentas, int eilute);

// The number of the line that holds position `pozicija`.
int EilutesNumeris(const QTextDocument& dokumentas, int pozicija);

// The first and the last line of the cursor's selection, or the caret's line twice. A selection
// that ends where a line starts (whole lines selected) does not take that line in.
std::pair<int, int> PazymetosEilutes(const QTextCursor& zymeklis);

// Puts `eilutes` (Windows-1257) in place of the text of lines `nuo`, `nuo` + 1 ..., adding empty
// lines at the end where the document has fewer, as one step to undo.
void KeistiEilutes(QTextDocument& dokumentas, int nuo, const std::vector<std::string>& eilutes);

}  // namespace kervosta
