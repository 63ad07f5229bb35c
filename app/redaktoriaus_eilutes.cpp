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

namespace {
// What ends a line in the document's raw text: a paragraph's end, a line break inside a
// paragraph, and the marks that open and close a frame (a table's cells are paragraphs).
bool BaigiaEilute(QChar c) {
  return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\xfdd0' ||
         c == u'\xfdd1';
}

// Hands the lines to `imti` in order, with their numbers, until it returns true. The raw text
// is one copy whose positions are the document's; a walk over the paragraphs would copy each.
template <typename Imti>
void EitiEilutemis(const QTextDocument& dokumentas, Imti imti) {
  const QString tekstas = dokumentas.toRawText();
  int numeris = 0;
  int pradzia = 0;
  for (int i = 0; i <= tekstas.size(); ++i) {
    if (i < tekstas.size() && !BaigiaEilute(tekstas[i])) continue;
    if (imti(EilutesRibos{pradzia, i}, numeris++)) return;
    pradzia = i + 1;
  }
}
}  // namespace

QList<EilutesRibos> EiluciuRibos(const QTextDocument& dokumentas) {
  QList<EilutesRibos> ribos;
  EitiEilutemis(dokumentas, [&](const EilutesRibos& eilute, int) {
    ribos.append(eilute);
    return false;
  });
  return ribos;
}

std::optional<EilutesRibos> RastiEilute(const QTextDocument& dokumentas, int eilute) {
  std::optional<EilutesRibos> rasta;
  EitiEilutemis(dokumentas, [&](const EilutesRibos& ribos, int numeris) {
    if (numeris == eilute) rasta = ribos;
    return numeris >= eilute;
  });
  return rasta;
}

int EilutesNumeris(const QTextDocument& dokumentas, int pozicija) {
  int rasta = -1;
  EitiEilutemis(dokumentas, [&](const EilutesRibos& ribos, int numeris) {
    rasta = numeris;
    return pozicija <= ribos.Pabaiga;
  });
  return rasta;
}

std::pair<int, int> PazymetosEilutes(const QTextCursor& zymeklis) {
  const QTextDocument& dokumentas = *zymeklis.document();
  const int pradzia = zymeklis.selectionStart();
  const int pabaiga = zymeklis.selectionEnd();
  const int pirma = EilutesNumeris(dokumentas, pradzia);
  const int paskutine = EilutesNumeris(dokumentas, pabaiga);
  if (paskutine > pirma && RastiEilute(dokumentas, paskutine)->Pradzia == pabaiga)
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
