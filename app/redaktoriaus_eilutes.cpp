#include "app/redaktoriaus_eilutes.h"

#include <QTextDocument>

#include "app/koduote.h"

namespace kervosta {

DokumentoEilutes::DokumentoEilutes(const QTextDocument& dokumentas) {
  if (dokumentas.isEmpty()) return;
  eilutes_ = dokumentas.toPlainText().split(QLatin1Char('\n'));
}

std::string DokumentoEilutes::Eilute(int i) const {
  return ICp1257(eilutes_.at(static_cast<qsizetype>(i)));
}

DokumentoPapildymas::DokumentoPapildymas(QTextDocument& dokumentas)
    : zymeklis_(&dokumentas), pirma_(dokumentas.isEmpty()) {
  zymeklis_.movePosition(QTextCursor::End);
}

void DokumentoPapildymas::PridetiEilute(const std::string& eilute) {
  // An empty document already has the paragraph its first line goes into.
  if (!pirma_) zymeklis_.insertBlock();
  pirma_ = false;
  zymeklis_.insertText(IsCp1257(eilute));
}

}  // namespace kervosta
