// The English and the Lithuanian editor as a pair of texts whose lines match one to one: the
// line under the caret of either editor is highlighted in both, and scrolling one editor brings
// the same line to the top of the other.
#pragma once

#include <QObject>
#include <QTimer>

class QTextEdit;

namespace kervosta {

class EiluciuPora : public QObject {
  Q_OBJECT
 public:
  EiluciuPora(QTextEdit& anglu, QTextEdit& lietuviu, QObject* tevas = nullptr);

  // The editors scroll together while this is on (it is from the start).
  void SinchroniskaiSlinkti(bool ijungta) { sinchroniskai_ = ijungta; }
  bool SlenkaSinchroniskai() const { return sinchroniskai_; }
  // The number of the highlighted line.
  int PazymetaEilute() const { return eilute_; }

  // Both happen once control is back in the event loop: the signals that call for them come
  // while a document is still being changed or laid out.

 protected:
  bool eventFilter(QObject* objektas, QEvent* ivykis) override;

 private:
  QTextEdit& Kitas(const QTextEdit& redaktorius) const;
  // Highlights in both editors the line of the caret of the editor used last.
  void Pazymeti();
  void Slinkti();

  QTextEdit& anglu_;
  QTextEdit& lietuviu_;
  QTextEdit* naudotas_;
  QTextEdit* slenkamas_;  // the editor whose scrolling the other follows
  QTimer zymejimas_;
  QTimer slinkimas_;
  bool sinchroniskai_ = true;
  bool slenkama_ = false;  // the other editor is being scrolled to follow
  int eilute_ = 0;
};

}  // namespace kervosta
