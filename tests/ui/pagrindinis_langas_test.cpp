// The main window as it starts: menus, shortcuts, toolbars, caption, status line, the active
// editor and the dictionaries of the run.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QTest>
#include <QToolBar>

#include "app/pagrindinis_langas.h"
#include "lexicon/zodyno_failai.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;

class PagrindinisLangasTest : public QObject {
  Q_OBJECT
 private slots:
  void meniuPunktai_data();
  void meniuPunktai();
  void irankiniuUzuominos();
  void pradzia();
  void nesamasZodynasRodoKlaidaIrLieka();
  void busenosEilute();
};

void PagrindinisLangasTest::meniuPunktai_data() {
  QTest::addColumn<QString>("meniu");
  QTest::addColumn<QString>("vardas");
  QTest::addColumn<QString>("antraste");
  QTest::addColumn<QKeySequence>("klavisai");
  QTest::addColumn<bool>("ijungtas");
  const auto eile = [](const char* meniu, const char* vardas, const char* antraste, QKeySequence klavisai,
                       bool ijungtas = true) {
    QTest::newRow(vardas) << QString::fromUtf8(meniu) << QString::fromLatin1(vardas)
                          << QString::fromUtf8(antraste) << klavisai << ijungtas;
  };
  eile("&Failai", "Naujas", "&Naujas", QKeySequence(Qt::CTRL | Qt::Key_N));
  eile("&Failai", "Atverti", "Atverti...", QKeySequence(Qt::Key_F3));
  eile("&Failai", "Saugoti", "&Saugoti", QKeySequence(Qt::CTRL | Qt::Key_S));
  eile("&Failai", "SaugotiKaip", "Saugoti kitu &vardu...", QKeySequence(Qt::Key_F2));
  eile("&Failai", "Spausdinti", "S&pausdinti", QKeySequence(Qt::CTRL | Qt::Key_P));
  eile("&Importuoti...", "ImportuotiWord", "\"Word\" Dokumentą", QKeySequence(Qt::CTRL | Qt::Key_W), false);
  eile("&Eksportuoti...", "EksportuotiWord", "Išsaugoti kaip \"Word\" Dokumentą", {}, false);
  eile("&Failai", "Pabaiga", "Pabaiga", QKeySequence(Qt::Key_F10));
  eile("&Tekstas", "Atgal", "&Atgal", QKeySequence(Qt::CTRL | Qt::Key_Z));
  eile("&Tekstas", "PazymetiViska", "Pažymėti &viską", QKeySequence(Qt::CTRL | Qt::Key_A));
  eile("&Tekstas", "Iskirpti", "&Iškirpti", QKeySequence(Qt::CTRL | Qt::Key_X));
  eile("&Tekstas", "Kopijuoti", "&Kopijuoti", QKeySequence(Qt::CTRL | Qt::Key_C));
  eile("&Tekstas", "Iterpti", "&Terpti", QKeySequence(Qt::CTRL | Qt::Key_V));
  eile("&Tekstas", "Spalva", "&Spalva", {});
  eile("&Tekstas", "Paieska", "&Paieška", QKeySequence(Qt::CTRL | Qt::Key_F));
  eile("&Tekstas", "Sriftas", "Š&riftas", {});
  eile("Ž&odynas", "ZodziuSarasas", "Žodžių &sąrašas / paieška", QKeySequence(Qt::Key_F6), false);
  eile("Ž&odynas", "ZodynoPapildymas", "Žodyno papildymas / redagavimas", QKeySequence(Qt::Key_F7), false);
  eile("Ž&odynas", "Linksniavimas", "&Linskniavimas / Asmenavimas", {}, false);
  eile("Ž&odynas", "UzkrautiZodyna", "&Užkrauti žodyną", {});
  eile("&Vertimas", "VerstiAutomatiskai", "&Automatiškai", QKeySequence(Qt::Key_F4));
  eile("&Vertimas", "VerstiSuKoregavimu", "Su  &koregavimu", QKeySequence(Qt::Key_F5));
  eile("&Vertimas", "GramatineAnalize", "&Gramatinė analizė", QKeySequence(Qt::Key_F8), false);
  eile("&Vertimas", "VerstiTinklapi", "Versti tinklalapį", {}, false);
  eile("&Vertimas", "VerstiTinklapiSuKoregavimu", "Versti tinklalapį su koregavimu", {}, false);
  eile("&Nustatymai", "ProgramosNustatymai", "Programos &nustatymai", {});
  eile("&Nustatymai", "TaisykliuRedagavimas", "&Taisyklių redagavimas", {}, false);
  eile("&Pagalba", "Dokumentacija", "Dokumentacija", {}, false);
  eile("&Pagalba", "Apie", "Apie...", {});
}

void PagrindinisLangasTest::meniuPunktai() {
  QFETCH(QString, meniu);
  QFETCH(QString, vardas);
  QFETCH(QString, antraste);
  QFETCH(QKeySequence, klavisai);
  QFETCH(bool, ijungtas);
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);

  auto* veiksmas = langas.findChild<QAction*>(vardas);
  QVERIFY(veiksmas);
  QCOMPARE(veiksmas->text(), antraste);
  QCOMPARE(veiksmas->shortcut(), klavisai);
  QCOMPARE(veiksmas->isEnabled(), ijungtas);
  QMenu* kuriame = nullptr;
  for (QMenu* m : langas.findChildren<QMenu*>())
    if (m->title() == meniu && m->actions().contains(veiksmas)) kuriame = m;
  QVERIFY2(kuriame, qPrintable(vardas + QStringLiteral(" is not in ") + meniu));
}

void PagrindinisLangasTest::irankiniuUzuominos() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  const auto uzuominos = [&](const char* juosta) {
    QStringList rezultatas;
    for (QAction* veiksmas : langas.findChild<QToolBar*>(QString::fromLatin1(juosta))->actions())
      if (!veiksmas->isSeparator() && !veiksmas->toolTip().isEmpty()) rezultatas.append(veiksmas->toolTip());
    return rezultatas;
  };
  QCOMPARE(uzuominos("ToolBar1"),
           (QStringList{"Naujas failas", "Atverti failą", "Išsaugoti failą", "Spausdinti dokumentą",
                        "Iškirpti teikstą", "Įsiminti tekstą", "Įterpti tekstą", "Atstatyti",
                        "Autmatinis vertimas", "Vetimas su koregavimu"}));
  const QStringList trecia = uzuominos("ToolBar3");
  for (const char* uzuomina : {"Versti tinklalapį",
                               "Versti tinklalapį su koregavimu", "Exportas į Word", "Importas iš Word"})
    QVERIFY2(trecia.contains(QString::fromUtf8(uzuomina)), uzuomina);
  auto* adresas = langas.findChild<QComboBox*>("WebAdr");
  QCOMPARE(adresas->currentText(), QStringLiteral("http://"));
  QCOMPARE(adresas->toolTip(), QStringLiteral("Įveskita tinklalapio adresą"));

}

void PagrindinisLangasTest::pradzia() {
  LaikinasKatalogas katalogas;
  ZodynuRinkinys pradinis;
  pradinis.ProgramosKatalogas = QDir::currentPath().toStdString();
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Angl1, "house");
  pradinis.PagrindinisZodynas.Prideti(irasas);
  pradinis.PagrindinisZodynas.Prideti(irasas);
  IssaugotiPagrindiniZodyna(pradinis);

  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  QCOMPARE(langas.windowTitle(), QStringLiteral("Bevardo - Kervosta"));
  QVERIFY(langas.AnglaiAktyvus());
  QCOMPARE(langas.Busena().Zodynai.PagrindinisZodynas.Kiekis(), 2);
  QCOMPARE(langas.Busena().Zodynai.VidiniaiIrasai[0].Angl1(), std::string("am"));
  QCOMPARE(QString::fromStdString(langas.Busena().Zodynai.ProgramosKatalogas.string()), QDir::currentPath());
  QVERIFY(dialogai.Klaidos.isEmpty());
  QCOMPARE(langas.LietuviuDokumentas().FailoVardas(), QStringLiteral("Bevardo"));
}

void PagrindinisLangasTest::nesamasZodynasRodoKlaidaIrLieka() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  QCOMPARE(dialogai.Klaidos.size(), 1);
  QVERIFY(dialogai.Klaidos.first().contains(QStringLiteral("main.zod")));
  QVERIFY(langas.Busena().Zodynai.PagrindinisZodynas.Tuscias());
  QCOMPARE(langas.Busena().Zodynai.VidiniaiIrasai[5].Angl1(), std::string("have"));
}

void PagrindinisLangasTest::busenosEilute() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  QCOMPARE(langas.BusenosTekstas(), QStringLiteral("Keistas"));

  QTextEdit* anglu = langas.AngluRedaktorius();
  Rasyti(anglu, QStringLiteral("ab\ncd"));
  QCOMPARE(langas.BusenosTekstas(), QStringLiteral("Keistas"));
  anglu->moveCursor(QTextCursor::Left);
  QCOMPARE(langas.BusenosTekstas(), QStringLiteral("Eilutė:   2   Stulpelis:   2"));
  langas.findChild<QAction*>("Naujas")->trigger();
  QCOMPARE(langas.BusenosTekstas(), QString());
  QCOMPARE(langas.AngluDokumentas().Keistas(), false);
}

QTEST_MAIN(PagrindinisLangasTest)
#include "pagrindinis_langas_test.moc"
