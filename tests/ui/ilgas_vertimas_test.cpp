// Long texts: F4 and F5 translate them in parts with the progress window open, the event loop
// running between parts and the Lithuanian editor filled a part at a time; closing the progress
// window stops the run and keeps the lines done, as one step to undo.
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>

#include "app/koduote.h"
#include "app/progreso_langas.h"
#include "app/redaktoriaus_eilutes.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/ui/ui_pagalba.h"
#include "translation/eiluciu_sarasai.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {
constexpr char Zodynas[] =
    "pos=7\ten=the\npos=7\ten=a\n"
    "pos=1\tcat=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
    "pos=1\tcat=6\ten=house|house|houses\tlt=namas\tstem=nam\n"
    "pos=5\ten=big|big|bigger|biggest\tlt=didelis\tstem=didel\tp1=2\tp2=3\n"
    "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
    "pos=1\ten=bank|bank|banks\tlt=krantas\tstem=krant\n";

// Sentences that end on their line, that run over two lines and over an empty line, and an
// unfinished one at the end: what a part boundary must not cut.
QString Tekstas(int eiluciu, const QString& eilute = {}, int kur = -1) {
  const QStringList dalys = {
      u"The boy is big."_s, u"I have a house. The"_s, u"house is big."_s, u""_s, u"A boy"_s, u""_s,
      u"has a house."_s};
  QStringList eilutes;
  for (int i = 0; i < eiluciu - 1; ++i) eilutes << (i == kur ? eilute : dalys[i % dalys.size()]);
  return (eilutes << u"The boy"_s).join(u'\n');
}

// The whole text through the engine at once, as the window translated it before it had parts.
QStringList VisasVertimas(TForm1& langas) {
  EiluciuKaupiklis lietuviu;
  langas.Busena().AutomatinisVertimas = 1;
  const DokumentoEilutes anglu(*langas.AngluRedaktorius()->document());
  VerstiEilutes(langas.Busena(), anglu, lietuviu);
  QStringList eilutes;
  for (const std::string& eilute : lietuviu.Eilutes) eilutes << IsCp1257(eilute);
  return eilutes;
}

QStringList Eilutes(const QTextEdit* redaktorius) {
  QStringList eilutes;
  for (QTextBlock b = redaktorius->document()->begin(); b.isValid(); b = b.next())
    eilutes << b.text();
  return eilutes;
}

void Palaukti(const TForm1& langas) {
  while (langas.Verciama()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

struct VerciamasLangas : RodomasLangas {
  TForm9* Progresas = Valdiklis<TForm9>(Langas, "Form9");
  QTextEdit* Lietuviu = Langas.LietuviuRedaktorius();

  explicit VerciamasLangas(const QString& tekstas) {
    SkaitytiZodynoTeksta(Zodynas, Langas.Busena().Zodynai.PagrindinisZodynas);
    Anglai()->setPlainText(tekstas);
  }
  QString Busena() const { return LaukoTekstas(*Progresas, "Edit2"); }
  int Procentai() const { return Valdiklis<QProgressBar>(*Progresas, "ProgressBar1")->value(); }
};
}  // namespace

class IlgasVertimasTest : public QObject {
  Q_OBJECT
 private slots:
  void dalimisVerciaTaPati() {
    VerciamasLangas l(Tekstas(20000));
    const QStringList visas = VisasVertimas(l.Langas);
    QCOMPARE(visas.size(), 20001);  // and one for the unfinished sentence at the end

    int iterpimai = 0;
    connect(l.Lietuviu->document(), &QTextDocument::contentsChange, this, [&] { ++iterpimai; });
    QList<int> procentai;
    connect(Valdiklis<QProgressBar>(*l.Progresas, "ProgressBar1"), &QProgressBar::valueChanged,
            this, [&](int p) { procentai << p; });
    l.Komanda("VerstiAutomatiskai");
    // The first part is in, the window is back in the event loop, the progress window shows.
    QVERIFY(l.Langas.Verciama());
    QVERIFY(l.Progresas->isVisible());
    QVERIFY(l.Progresas->isModal());
    QCOMPARE(LaukoTekstas(*l.Progresas, "Edit1"), u"Automatinis vertimas"_s);
    const qsizetype pirmojeDalyje = Eilutes(l.Lietuviu).size();
    QVERIFY(pirmojeDalyje > 1 && pirmojeDalyje < visas.size());
    QVERIFY(l.Busena().endsWith(u"eilutė %1 iš 20000"_s.arg(pirmojeDalyje)));
    bool ivykisVykstant = false;
    QTimer::singleShot(0, this, [&] { ivykisVykstant = l.Langas.Verciama(); });

    Palaukti(l.Langas);
    QVERIFY(ivykisVykstant);
    QCOMPARE(Eilutes(l.Lietuviu), visas);
    QVERIFY(!l.Progresas->isVisible());
    QVERIFY(procentai.size() > 2);
    for (qsizetype i = 1; i < procentai.size(); ++i) QVERIFY(procentai[i] > procentai[i - 1]);
    QVERIFY(procentai.last() < 100);
    // Clearing the editor (two changes), then one insertion a part, never one a line.
    QVERIFY2(iterpimai <= procentai.size() + 3, qPrintable(QString::number(iterpimai)));

    // The whole translation is one step to undo.
    l.Lietuviu->undo();
    QVERIFY(l.Lietuviu->document()->isEmpty());
    QVERIFY(!l.Lietuviu->document()->isUndoAvailable());
  }

  void stabdymasPaliekaAtliktasEilutes_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Stabdyti") << false;
    QTest::newRow("Escape") << true;
  }
  void stabdymasPaliekaAtliktasEilutes() {
    QFETCH(bool, escape);
    VerciamasLangas l(Tekstas(20000));
    const QStringList visas = VisasVertimas(l.Langas);
    l.Komanda("VerstiAutomatiskai");
    while (l.Langas.Verciama() && l.Procentai() < 30)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QVERIFY(l.Langas.Verciama());
    if (escape)
      QTest::keyClick(l.Progresas, Qt::Key_Escape);
    else
      QTest::mouseClick(Valdiklis<QPushButton>(*l.Progresas, "Button1"), Qt::LeftButton);

    QVERIFY(!l.Langas.Verciama());
    QVERIFY(!l.Progresas->isVisible());
    QCOMPARE(l.Langas.BusenosTekstas(), u"Vertimas atšauktas"_s);
    // The lines done, exactly as many as the progress window last said, and nothing after.
    const QStringList atlikta = Eilutes(l.Lietuviu);
    QCOMPARE(l.Busena(), u"Verčiamas tekstas: eilutė %1 iš 20000"_s.arg(atlikta.size()));
    QCOMPARE(atlikta, visas.mid(0, atlikta.size()));
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCOMPARE(Eilutes(l.Lietuviu).size(), atlikta.size());

    l.Lietuviu->undo();
    QVERIFY(l.Lietuviu->document()->isEmpty());
    // Nothing of the stopped run is carried into the next one.
    l.Komanda("VerstiAutomatiskai");
    Palaukti(l.Langas);
    QCOMPARE(Eilutes(l.Lietuviu), visas);
  }

  // F5 asks inside a part, with the progress window open behind the question and the lines
  // before the question's line already shown; Escape at a question ends the run there.
  void koregavimasDalimis_data() {
    QTest::addColumn<bool>("atsaukti");
    QTest::newRow("tęsti") << false;
    QTest::newRow("atšaukti") << true;
  }
  void koregavimasDalimis() {
    QFETCH(bool, atsaukti);
    constexpr int klausiama = 3500;
    VerciamasLangas l(Tekstas(5000, u"The bank."_s, klausiama));
    const QStringList visas = VisasVertimas(l.Langas);
    bool progresasMatomas = false;
    qsizetype matomos = 0;
    l.Dialogai.Langai = {[&](QDialog& dialogas) {
      progresasMatomas = l.Progresas->isVisible();
      matomos = Eilutes(l.Lietuviu).size();
      dialogas.show();
      QTest::keyClick(Valdiklis<QTableWidget>(dialogas, "StringGrid1"),
                      atsaukti ? Qt::Key_Escape : Qt::Key_Return);
      return dialogas.result();
    }};
    l.Komanda("VerstiSuKoregavimu");
    QCOMPARE(LaukoTekstas(*l.Progresas, "Edit1"), u"Vertimas su koregavimu"_s);
    Palaukti(l.Langas);

    QCOMPARE(l.Dialogai.Rodyta, QStringList{u"Form7"_s});
    QVERIFY(progresasMatomas);
    QCOMPARE(matomos, klausiama);
    QVERIFY(!l.Progresas->isVisible());
    QCOMPARE(Eilutes(l.Lietuviu), atsaukti ? visas.mid(0, klausiama) : visas);
    QCOMPARE(l.Langas.BusenosTekstas() == u"Vertimas atšauktas"_s, atsaukti);
  }
};

QTEST_MAIN(IlgasVertimasTest)
#include "ilgas_vertimas_test.moc"
