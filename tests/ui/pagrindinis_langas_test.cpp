// The main window as it starts: menu commands with their captions and shortcuts, and a start
// without a main dictionary.
#include <QMenu>

#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;

class PagrindinisLangasTest : public QObject {
  Q_OBJECT
 private slots:
  void meniuPunktai_data();
  void meniuPunktai();
  void pradziaBeZodynoRodoKlaidaIrVeikia();
};

void PagrindinisLangasTest::meniuPunktai_data() {
  QTest::addColumn<QString>("meniu");
  QTest::addColumn<QString>("antraste");
  QTest::addColumn<QKeySequence>("klavisai");
  QTest::addColumn<bool>("ijungtas");
  const auto eile = [](const char* meniu, const char* vardas, const char* antraste,
                       const char* klavisai, bool ijungtas = true) {
    QTest::newRow(vardas) << QString::fromUtf8(meniu) << QString::fromUtf8(antraste)
                          << QKeySequence(QString::fromLatin1(klavisai)) << ijungtas;
  };
  eile("&Failai", "Naujas", "&Naujas", "Ctrl+N");
  eile("&Failai", "Atverti", "Atverti...", "F3");
  eile("&Failai", "Saugoti", "&Saugoti", "Ctrl+S");
  eile("&Failai", "SaugotiKaip", "Saugoti kitu &vardu...", "F2");
  eile("&Failai", "Spausdinti", "S&pausdinti", "Ctrl+P");
  eile("&Importuoti...", "ImportuotiWord", "\"Word\" Dokumentą", "Ctrl+W", false);
  eile("&Eksportuoti...", "EksportuotiWord", "Išsaugoti kaip \"Word\" Dokumentą", "", false);
  eile("&Failai", "Pabaiga", "Pabaiga", "F10");
  eile("&Tekstas", "Atgal", "&Atgal", "Ctrl+Z");
  eile("&Tekstas", "PazymetiViska", "Pažymėti &viską", "Ctrl+A");
  eile("&Tekstas", "Iskirpti", "&Iškirpti", "Ctrl+X");
  eile("&Tekstas", "Kopijuoti", "&Kopijuoti", "Ctrl+C");
  eile("&Tekstas", "Iterpti", "&Terpti", "Ctrl+V");
  eile("&Tekstas", "Spalva", "&Spalva", "");
  eile("&Tekstas", "Paieska", "&Paieška", "Ctrl+F");
  eile("&Tekstas", "Sriftas", "Š&riftas", "");
  eile("Ž&odynas", "ZodziuSarasas", "Žodžių &sąrašas / paieška", "F6", false);
  eile("Ž&odynas", "ZodynoPapildymas", "Žodyno papildymas / redagavimas", "F7", false);
  eile("Ž&odynas", "Linksniavimas", "&Linskniavimas / Asmenavimas", "", false);
  eile("Ž&odynas", "UzkrautiZodyna", "&Užkrauti žodyną", "");
  eile("&Vertimas", "VerstiAutomatiskai", "&Automatiškai", "F4");
  eile("&Vertimas", "VerstiSuKoregavimu", "Su  &koregavimu", "F5");
  eile("&Vertimas", "GramatineAnalize", "&Gramatinė analizė", "F8", false);
  eile("&Vertimas", "VerstiTinklapi", "Versti tinklalapį", "", false);
  eile("&Vertimas", "VerstiTinklapiSuKoregavimu", "Versti tinklalapį su koregavimu", "", false);
  eile("&Nustatymai", "ProgramosNustatymai", "Programos &nustatymai", "");
  eile("&Nustatymai", "TaisykliuRedagavimas", "&Taisyklių redagavimas", "", false);
  eile("&Pagalba", "Dokumentacija", "Dokumentacija", "", false);
  eile("&Pagalba", "Apie", "Apie...", "");
}

void PagrindinisLangasTest::meniuPunktai() {
  QFETCH(QString, meniu);
  QFETCH(QString, antraste);
  QFETCH(QKeySequence, klavisai);
  QFETCH(bool, ijungtas);
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);

  auto* veiksmas = langas.findChild<QAction*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(veiksmas);
  QCOMPARE(veiksmas->text(), antraste);
  QCOMPARE(veiksmas->shortcut(), klavisai);
  QCOMPARE(veiksmas->isEnabled(), ijungtas);
  bool meniuje = false;
  for (QMenu* m : langas.findChildren<QMenu*>())
    meniuje |= m->title() == meniu && m->actions().contains(veiksmas);
  QVERIFY2(meniuje, qPrintable(QStringLiteral("not in ") + meniu));
}

// A missing main dictionary is reported once; the built-in words still translate.
void PagrindinisLangasTest::pradziaBeZodynoRodoKlaidaIrVeikia() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  QCOMPARE(dialogai.Klaidos.size(), 1);
  QVERIFY(dialogai.Klaidos.first().contains(QStringLiteral("main.zod")));
  QCOMPARE(langas.windowTitle(), QStringLiteral("Bevardo - Kervosta"));
  QVERIFY(langas.Busena().Zodynai.PagrindinisZodynas.Tuscias());
  QCOMPARE(QString::fromStdString(langas.Busena().Zodynai.ProgramosKatalogas.string()),
           QDir::currentPath());

  langas.AngluRedaktorius()->setPlainText(QStringLiteral("I have."));
  langas.findChild<QAction*>("VerstiAutomatiskai")->trigger();
  QCOMPARE(langas.LietuviuRedaktorius()->toPlainText().trimmed(), QStringLiteral("Aš turiu."));
}

QTEST_MAIN(PagrindinisLangasTest)
#include "pagrindinis_langas_test.moc"
