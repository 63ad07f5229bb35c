#include "app/redaktoriaus_eilutes.h"

#include <QTextBlock>
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
  // An empty document already has the paragraph its first line goes into. The break is the
  // paragraph separator, not a line feed: a line feed would merge with a carriage return that
  // ends the line before into a single break.
  if (!pirma_) laukia_ += QChar::ParagraphSeparator;
  pirma_ = false;
  laukia_ += IsCp1257(eilute);
}

void DokumentoPapildymas::Irasyti() {
  if (laukia_.isEmpty()) return;
  if (irasyta_)
    zymeklis_.joinPreviousEditBlock();
  else
    zymeklis_.beginEditBlock();
  zymeklis_.insertText(laukia_);
  zymeklis_.endEditBlock();
  laukia_.clear();
  irasyta_ = true;
}

QList<EilutesRibos> EiluciuRibos(const QTextDocument& dokumentas) {
  QList<EilutesRibos> ribos;
  for (QTextBlock blokas = dokumentas.begin(); blokas.isValid(); blokas = blokas.next()) {
    const QString tekstas = blokas.text();
    int pradzia = 0;
    for (int i = 0; i <= tekstas.size(); ++i) {
      if (i < tekstas.size() && tekstas[i] != QChar::LineSeparator) continue;
      ribos.append({blokas.position() + pradzia, blokas.position() + i});
      pradzia = i + 1;
    }
  }
  return ribos;
}

int EilutesNumeris(const QTextDocument& dokumentas, int pozicija) {
  const QList<EilutesRibos> ribos = EiluciuRibos(dokumentas);
  for (int i = 0; i < ribos.size(); ++i)
    if (pozicija <= ribos[i].Pabaiga) return i;
  return static_cast<int>(ribos.size()) - 1;
}

std::pair<int, int> PazymetosEilutes(const QTextCursor& zymeklis) {
  const QTextDocument& dokumentas = *zymeklis.document();
  const int pradzia = zymeklis.selectionStart();
  const int pabaiga = zymeklis.selectionEnd();
  const int pirma = EilutesNumeris(dokumentas, pradzia);
  const int paskutine = EilutesNumeris(dokumentas, pabaiga);
  if (paskutine > pirma && EiluciuRibos(dokumentas)[paskutine].Pradzia == pabaiga)
    return {pirma, paskutine - 1};
  return {pirma, paskutine};
}

void KeistiEilutes(QTextDocument& dokumentas, int nuo, const std::vector<std::string>& eilutes) {
  QList<EilutesRibos> ribos = EiluciuRibos(dokumentas);
  QTextCursor zymeklis(&dokumentas);
  zymeklis.beginEditBlock();
  zymeklis.movePosition(QTextCursor::End);
  while (ribos.size() < nuo + static_cast<qsizetype>(eilutes.size())) {
    zymeklis.insertBlock();
    ribos.append({zymeklis.position(), zymeklis.position()});
  }
  // From the last line back, so that the positions of the lines before stay right.
  for (auto i = static_cast<qsizetype>(eilutes.size()) - 1; i >= 0; --i) {
    zymeklis.setPosition(ribos[nuo + i].Pradzia);
    zymeklis.setPosition(ribos[nuo + i].Pabaiga, QTextCursor::KeepAnchor);
    zymeklis.insertText(IsCp1257(eilutes[static_cast<std::size_t>(i)]));
  }
  zymeklis.endEditBlock();
}

}  // namespace kervosta
