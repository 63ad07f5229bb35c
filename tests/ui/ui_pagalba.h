// Shared pieces of the window tests: scripted answers to the main window's questions, a
// temporary program directory, a shown main window, files, and typing text key by key.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <functional>

#include "app/dialogai.h"
#include "app/pagrindinis_langas.h"

namespace kervosta::testai {

// Answers every question from the fields below and records what was asked.
struct ScenarijausDialogai : Dialogai {
  QList<Atsakymas> IssaugotiAtsakymai;  // used in order; "No" when they run out
  QStringList KlaustaIssaugoti;
  bool Perrasyti = true;
  QStringList KlaustaPerrasyti;
  std::optional<AtvertimoPasirinkimas> Atverti;
  QString AtvertiNuo;  // where the latest open dialog started
  std::optional<QString> Issaugoti;
  int IssaugotiKartai = 0;
  QString IssaugotiNuo;  // where the latest save dialog started, and with which type
  bool IssaugotiTekstu = false;
  QStringList Klaidos;

  Atsakymas KlaustiIssaugoti(const QString& failoVardas) override {
    KlaustaIssaugoti.append(failoVardas);
    return IssaugotiAtsakymai.isEmpty() ? Atsakymas::Ne : IssaugotiAtsakymai.takeFirst();
  }
  bool KlaustiPerrasyti(const QString& kelias) override {
    KlaustaPerrasyti.append(kelias);
    return Perrasyti;
  }
  std::optional<AtvertimoPasirinkimas> PasirinktiAtverti(const QString& katalogas) override {
    AtvertiNuo = katalogas;
    return Atverti;
  }
  std::optional<QString> PasirinktiIssaugoti(const QString& pradzia, bool tekstas) override {
    ++IssaugotiKartai;
    IssaugotiNuo = pradzia;
    IssaugotiTekstu = tekstas;
    return Issaugoti;
  }
  std::optional<QColor> PasirinktiSpalva(const QColor&) override { return std::nullopt; }
  std::optional<QFont> PasirinktiSrifta(const QFont&) override { return std::nullopt; }
  void RodytiKlaida(const QString& pranesimas) override { Klaidos.append(pranesimas); }

  QStringList Pranesimai;  // "caption: text"
  QList<bool> GeraiAtsakymai;  // used in order; OK when they run out
  QStringList KlaustaGerai;
  QList<Atsakymas> Atsakymai;  // used in order; Yes when they run out
  QStringList Klausta;
  std::optional<QString> Zodynas;  // the dictionary file chosen in either dialog
  QList<bool> KlaustaZodyno;       // true for the save dialog
  // Each window shown takes the next handler, which drives it and returns its result; a window
  // without a handler is closed at once as rejected. The window's objectName is recorded.
  QList<std::function<int(QDialog&)>> Langai;
  QStringList Rodyta;

  void Pranesti(const QString& antraste, const QString& tekstas) override {
    Pranesimai.append(antraste + QStringLiteral(": ") + tekstas);
  }
  bool KlaustiGerai(const QString& antraste, const QString& tekstas) override {
    KlaustaGerai.append(antraste + QStringLiteral(": ") + tekstas);
    return GeraiAtsakymai.isEmpty() ? true : GeraiAtsakymai.takeFirst();
  }
  Atsakymas Klausti(const QString& tekstas) override {
    Klausta.append(tekstas);
    return Atsakymai.isEmpty() ? Atsakymas::Taip : Atsakymai.takeFirst();
  }
  std::optional<QString> PasirinktiZodyna(bool issaugoti, const QString&) override {
    KlaustaZodyno.append(issaugoti);
    return Zodynas;
  }
  std::optional<QString> Dokumentas;  // the document chosen for import
  QStringList Atverta;                // files opened in another program
  std::optional<QString> PasirinktiDokumenta(const QString&) override { return Dokumentas; }
  void AtvertiIsoreje(const QString& failas) override { Atverta.append(failas); }
  int Rodyti(QDialog& langas) override {
    Rodyta.append(langas.objectName());
    return Langai.isEmpty() ? QDialog::Rejected : Langai.takeFirst()(langas);
  }
};

// A fresh, empty current directory for one test; the old one comes back afterwards.
struct LaikinasKatalogas {
  QTemporaryDir Katalogas;
  const QString Senas = QDir::currentPath();
  LaikinasKatalogas() { QDir::setCurrent(Katalogas.path()); }
  ~LaikinasKatalogas() { QDir::setCurrent(Senas); }
  QString Kelias(const QString& vardas) const { return Katalogas.filePath(vardas); }
};

// The main window, shown and active, in a fresh program directory with scripted dialogs.
struct RodomasLangas {
  LaikinasKatalogas Katalogas;
  ScenarijausDialogai Dialogai;
  TForm1 Langas{&Dialogai};

  RodomasLangas() {
    Langas.show();
    if (!QTest::qWaitForWindowActive(&Langas)) qFatal("the main window never became active");
    Dialogai.Klaidos.clear();  // the program directory has no main.zod
  }
  QAction* Veiksmas(const char* vardas) const {
    return Langas.findChild<QAction*>(QString::fromLatin1(vardas));
  }
  void Komanda(const char* vardas) const { Veiksmas(vardas)->trigger(); }
  QTextEdit* Anglai() const { return Langas.AngluRedaktorius(); }
  QString Anglu() const { return Anglai()->toPlainText(); }
};

// A window's widget by its objectName; a test cannot go on without it.
template <typename W = QWidget>
W* Valdiklis(const QObject& langas, const char* vardas) {
  W* valdiklis = langas.findChild<W*>(QString::fromLatin1(vardas));
  if (!valdiklis) qFatal("no widget %s", vardas);
  return valdiklis;
}

inline void Paspausti(const QObject& langas, const char* mygtukas) {
  Valdiklis<QAbstractButton>(langas, mygtukas)->click();
}

inline QString LaukoTekstas(const QObject& langas, const char* laukas) {
  return Valdiklis<QLineEdit>(langas, laukas)->text();
}

inline void RasytiFaila(const QString& kelias, const QByteArray& turinys) {
  QFile failas(kelias);
  if (!failas.open(QIODevice::WriteOnly) || failas.write(turinys) != turinys.size())
    qFatal("cannot write %s", qPrintable(kelias));
}

inline QByteArray SkaitytiFaila(const QString& kelias) {
  QFile failas(kelias);
  return failas.open(QIODevice::ReadOnly) ? failas.readAll() : QByteArray();
}

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
