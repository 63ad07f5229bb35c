#include "app/eiluciu_pora.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "app/redaktoriaus_eilutes.h"

namespace kervosta {

namespace {
// The top and the height of a line in document coordinates, as the scroll bar counts them.
std::pair<qreal, qreal> EilutesVieta(const QTextEdit& redaktorius, const EilutesRibos& ribos) {
  const QTextDocument* dokumentas = redaktorius.document();
  const QTextBlock blokas = dokumentas->findBlock(ribos.Pradzia);
  const qreal virsus = dokumentas->documentLayout()->blockBoundingRect(blokas).top();
  const QTextLayout* isdestymas = blokas.layout();
  const QTextLine pirma = isdestymas->lineForTextPosition(ribos.Pradzia - blokas.position());
  const QTextLine paskutine = isdestymas->lineForTextPosition(ribos.Pabaiga - blokas.position());
  if (!pirma.isValid() || !paskutine.isValid()) return {virsus, 0};
  return {virsus + pirma.y(), paskutine.y() + paskutine.height() - pirma.y()};
}
QColor Sumaisyti(const QColor& fonas, const QColor& zymejimas) {
  const auto maisyti = [](float is, float i) {
    constexpr float dalis = 0.2F;
    return is + (i - is) * dalis;
  };
  return QColor::fromRgbF(maisyti(fonas.redF(), zymejimas.redF()),
                          maisyti(fonas.greenF(), zymejimas.greenF()),
                          maisyti(fonas.blueF(), zymejimas.blueF()));
}
}  // namespace

EiluciuPora::EiluciuPora(QTextEdit& anglu, QTextEdit& lietuviu, QObject* tevas)
    : QObject(tevas), anglu_(anglu), lietuviu_(lietuviu), naudotas_(&anglu), slenkamas_(&anglu) {
  for (QTimer* laikmatis : {&zymejimas_, &slinkimas_}) {
    laikmatis->setSingleShot(true);
    laikmatis->setInterval(0);
  }
  connect(&zymejimas_, &QTimer::timeout, this, &EiluciuPora::Pazymeti);
  connect(&slinkimas_, &QTimer::timeout, this, &EiluciuPora::Slinkti);
  for (QTextEdit* redaktorius : {&anglu_, &lietuviu_}) {
    redaktorius->installEventFilter(this);
    connect(redaktorius, &QTextEdit::cursorPositionChanged, this, [this, redaktorius] {
      if (redaktorius->hasFocus()) naudotas_ = redaktorius;
      zymejimas_.start();
    });
    connect(redaktorius, &QTextEdit::textChanged, &zymejimas_, qOverload<>(&QTimer::start));
    connect(redaktorius->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, redaktorius] {
      if (!sinchroniskai_ || slenkama_) return;
      slenkamas_ = redaktorius;
      slinkimas_.start();
    });
  }
  zymejimas_.start();
}

QTextEdit& EiluciuPora::Kitas(const QTextEdit& redaktorius) const {
  return &redaktorius == &anglu_ ? lietuviu_ : anglu_;
}

bool EiluciuPora::eventFilter(QObject* objektas, QEvent* ivykis) {
  if (ivykis->type() == QEvent::FocusIn) {
    naudotas_ = objektas == &anglu_ ? &anglu_ : &lietuviu_;
    zymejimas_.start();
  }
  return QObject::eventFilter(objektas, ivykis);
}

void EiluciuPora::Pazymeti() {
  // Where the caret stands; after a selection of whole lines, on the last of them.
  const QTextCursor zymeklis = naudotas_->textCursor();
  eilute_ = zymeklis.position() == zymeklis.selectionEnd() ? PazymetosEilutes(zymeklis).second
                                                          : PazymetosEilutes(zymeklis).first;
  for (QTextEdit* redaktorius : {&anglu_, &lietuviu_}) {
    const std::optional<EilutesRibos> ribos = RastiEilute(*redaktorius->document(), eilute_);
    QList<QTextEdit::ExtraSelection> zymes;
    if (ribos) {
      // Full width on every screen line of the line: the range runs over the break after it,
      // and the caret-like mark covers the last screen line. An opaque colour lets them overlap.
      const QPalette& spalvos = redaktorius->palette();
      QTextEdit::ExtraSelection zyme;
      zyme.format.setBackground(Sumaisyti(spalvos.color(QPalette::Base), spalvos.color(QPalette::Highlight)));
      zyme.format.setProperty(QTextFormat::FullWidthSelection, true);
      zyme.cursor = QTextCursor(redaktorius->document());
      zyme.cursor.setPosition(ribos->Pabaiga);
      zymes.append(zyme);
      zyme.cursor.setPosition(ribos->Pradzia);
      zyme.cursor.setPosition(
          std::min(ribos->Pabaiga + 1, redaktorius->document()->characterCount() - 1),
          QTextCursor::KeepAnchor);
      zymes.append(zyme);
    }
    redaktorius->setExtraSelections(zymes);
  }
}

// The line at the top of the editor scrolled goes to the top of the other, as far into it as
// the first is into its own.
void EiluciuPora::Slinkti() {
  const QTextEdit& is = *slenkamas_;
  QTextEdit& i = Kitas(is);
  const int eilute =
      EilutesNumeris(*is.document(), is.cursorForPosition(QPoint(0, 0)).position());
  const std::optional<EilutesRibos> kita = RastiEilute(*i.document(), eilute);
  slenkama_ = true;
  if (!kita) {
    i.verticalScrollBar()->setValue(i.verticalScrollBar()->maximum());
  } else {
    const auto [isVirsus, isAukstis] = EilutesVieta(is, *RastiEilute(*is.document(), eilute));
    const auto [virsus, aukstis] = EilutesVieta(i, *kita);
    const qreal dalis = isAukstis > 0 ? (is.verticalScrollBar()->value() - isVirsus) / isAukstis : 0;
    i.verticalScrollBar()->setValue(qRound(virsus + qBound(0.0, dalis, 1.0) * aukstis));
  }
  slenkama_ = false;
}

}  // namespace kervosta
