// Shared pieces of the window tests: scripted answers to the main window's questions, a
// temporary program directory, and typing text key by key.
#pragma once

#include <QDir>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "app/dialogai.h"

namespace kervosta::testai {

// Answers every question from the lists below and records what was asked.
struct ScenarijausDialogai : Dialogai {
  QList<Atsakymas> IssaugotiAtsakymai;  // used in order; "No" when they run out
  QStringList KlaustaIssaugoti;
  bool Perrasyti = true;
  QStringList KlaustaPerrasyti;
  std::optional<AtvertimoPasirinkimas> Atverti;
  std::optional<QString> Issaugoti;
  int IssaugotiKartai = 0;
  std::optional<QColor> Spalva;
  std::optional<QFont> Sriftas;
  QStringList Klaidos;

  Atsakymas KlaustiIssaugoti(const QString& failoVardas) override {
    KlaustaIssaugoti.append(failoVardas);
    return IssaugotiAtsakymai.isEmpty() ? Atsakymas::Ne : IssaugotiAtsakymai.takeFirst();
  }
  bool KlaustiPerrasyti(const QString& kelias) override {
    KlaustaPerrasyti.append(kelias);
    return Perrasyti;
  }
  std::optional<AtvertimoPasirinkimas> PasirinktiAtverti(const QString&) override { return Atverti; }
  std::optional<QString> PasirinktiIssaugoti(const QString&) override {
    ++IssaugotiKartai;
    return Issaugoti;
  }
  std::optional<QColor> PasirinktiSpalva(const QColor&) override { return Spalva; }
  std::optional<QFont> PasirinktiSrifta(const QFont&) override { return Sriftas; }
  void RodytiKlaida(const QString& pranesimas) override { Klaidos.append(pranesimas); }
};

// A fresh, empty current directory for one test; the old one comes back afterwards.
class LaikinasKatalogas {
 public:
  LaikinasKatalogas() : senas_(QDir::currentPath()) { QDir::setCurrent(katalogas_.path()); }
  ~LaikinasKatalogas() { QDir::setCurrent(senas_); }
  QString Kelias(const QString& vardas) const { return katalogas_.filePath(vardas); }

 private:
  QTemporaryDir katalogas_;
  QString senas_;
};

// Types the text one key at a time, as a user would; Lithuanian letters included.
inline void Rasyti(QWidget* valdiklis, const QString& tekstas) {
  for (const QChar raide : tekstas) {
    if (raide == QLatin1Char('\n'))
      QTest::keyClick(valdiklis, Qt::Key_Return);
    else
      QTest::sendKeyEvent(QTest::Click, valdiklis, Qt::Key_unknown, QString(raide), Qt::NoModifier);
  }
}

}  // namespace kervosta::testai
