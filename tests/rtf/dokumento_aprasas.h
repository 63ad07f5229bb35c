// A document told as lines of text: one for every paragraph's alignment and bullet, and one for
// every run of text in one formatting as a reader sees it, so that two documents can be compared
// run by run whatever fragments their editors split them into.
#pragma once

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

namespace kervosta::testai {

// The text of every paragraph, joined with \n; unlike toPlainText it keeps line separators.
inline QString Pastraipos(const QTextDocument& d) {
  QStringList pastraipos;
  for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) pastraipos << b.text();
  return pastraipos.join('\n');
}

inline QStringList AprasytiDokumenta(const QTextDocument& d) {
  QStringList eilutes;
  const QFont numatytas = d.defaultFont();
  for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
    const int lygiuote = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    eilutes << QString::asprintf("paragraph %d%s", lygiuote, b.textList() ? " bullet" : "");
    QString ankstesnis;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      const QFont s = f.font().resolve(numatytas);
      const qreal dydis = f.fontPointSize() > 0 ? f.fontPointSize() : numatytas.pointSizeF();
      const QString spalva = f.hasProperty(QTextFormat::ForegroundBrush)
                                 ? f.foreground().color().name(QColor::HexArgb) : QString();
      // Sizes in half-points, the unit files keep them in.
      const QString formatas =
          QStringList{s.family(), QString::number(qRound(dydis * 2)),
                      QString::asprintf("%d%d%d", s.bold(), s.italic(), s.underline()), spalva}
              .join('|') + '|';
      if (formatas == ankstesnis) {
        eilutes.back() += it.fragment().text();
      } else {
        eilutes << formatas + it.fragment().text();
        ankstesnis = formatas;
      }
    }
  }
  return eilutes;
}

}  // namespace kervosta::testai
