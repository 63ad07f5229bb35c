// The editors as the translation driver sees them: the English document as numbered lines in
// Windows-1257, the Lithuanian document as a place to append lines.
#pragma once

#include <QStringList>
#include <QTextCursor>

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

// Appends each line as a new last paragraph of the document.
class DokumentoPapildymas : public EiluciuPriimtuvas {
 public:
  explicit DokumentoPapildymas(QTextDocument& dokumentas);
  void PridetiEilute(const std::string& eilute) override;

 private:
  QTextCursor zymeklis_;
  bool pirma_;
};

}  // namespace kervosta
