// Translation commands of the main window, the exit command that saves the main dictionary, and
// the word dialog that answers translation with correction.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>

#include "app/koregavimo_dialogas.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::literals;
using namespace kervosta::testai;

namespace {
// Records every question and answers "none".
struct UzrasantisKlausejas : KoregavimoKlausejas {
  std::vector<std::pair<std::uint8_t, std::string>> Klausimai;  // mode, word
  int Klausti(std::uint8_t rezimas, const std::string&, const std::string& zodis,
              Aplinka&) override {
    Klausimai.emplace_back(rezimas, zodis);
    return NeraPasirinkimo;
  }
};

QStringList Eilutes(const QTextEdit* redaktorius) {
  QStringList eilutes;
  for (QTextBlock blokas = redaktorius->document()->begin(); blokas.isValid();
       blokas = blokas.next())
    eilutes.append(blokas.text());
  return eilutes;
}

void Prideti(Aplinka& aplinka, std::string_view angl, std::string_view liet, std::uint8_t dalis) {
  TZodis zodis;
  zodis.Angl = angl;
  zodis.Liet = liet;
  zodis.KalbosDalis = dalis;
  aplinka.Variantai.Zodziai.Prideti(zodis);
}
}  // namespace

class VertimasTest : public QObject {
  Q_OBJECT
 private slots:
  void vertimasEiluteEilute();
  void pabaigaIrasoZodyna();
  void zodzioDialogas();
};

void VertimasTest::vertimasEiluteEilute() {
  RodomasLangas l;
  UzrasantisKlausejas klausejas;
  l.Langas.Busena().Klausejas = &klausejas;
  l.Langas.LietuviuRedaktorius()->setPlainText(QStringLiteral("old translation"));
  l.Langas.AngluRedaktorius()->setFocus();
  Rasyti(l.Langas.AngluRedaktorius(), QStringLiteral("Kaunas ąžuolas.\n\nno end yet"));

  QTest::keyClick(&l.Langas, Qt::Key_F4);
  QCOMPARE(l.Langas.Busena().AutomatinisVertimas, 1);
  const QStringList lietuviu = Eilutes(l.Langas.LietuviuRedaktorius());
  // One line per English line, and one more for the text after the last sentence.
  QCOMPARE(lietuviu.size(), 4);
  QVERIFY2(lietuviu[0].contains(QStringLiteral("ąžuolas")), qPrintable(lietuviu[0]));
  QVERIFY(lietuviu[1].isEmpty() && lietuviu[2].isEmpty());
  QVERIFY2(lietuviu[3].contains(QStringLiteral("end")), qPrintable(lietuviu[3]));
  QVERIFY(klausejas.Klausimai.empty());

  // With correction an unknown word is asked about.
  l.Langas.AngluRedaktorius()->setPlainText(QStringLiteral("Zyx."));
  QTest::keyClick(&l.Langas, Qt::Key_F5);
  QCOMPARE(l.Langas.Busena().AutomatinisVertimas, 0);
  QCOMPARE(klausejas.Klausimai, (decltype(klausejas.Klausimai){{rezNezinomas, "zyx"}}));
  QCOMPARE(Eilutes(l.Langas.LietuviuRedaktorius()).size(), 1);

  l.Langas.AngluRedaktorius()->clear();
  l.Komanda("VerstiAutomatiskai");
  QVERIFY(l.Langas.LietuviuRedaktorius()->document()->isEmpty());
}

// "Pabaiga" writes back the main dictionary it loaded, byte for byte; when it cannot, the window
// stays open.
void VertimasTest::pabaigaIrasoZodyna() {
  LaikinasKatalogas katalogas;
  ZodynuRinkinys pradinis;
  pradinis.ProgramosKatalogas = QDir::currentPath().toStdString();
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Angl1, "tree");
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, "medis");
  pradinis.PagrindinisZodynas.Prideti(irasas);
  IssaugotiPagrindiniZodyna(pradinis);
  const QString kelias = katalogas.Kelias(QStringLiteral("main.zod"));
  const QByteArray baitai = SkaitytiFaila(kelias);
  QVERIFY(!baitai.isEmpty());

  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  QFile::remove(kelias);
  const std::string programosKatalogas = langas.Busena().Zodynai.ProgramosKatalogas.string();
  langas.Busena().Zodynai.ProgramosKatalogas = "/nonexistent/kervosta";
  QTest::keyClick(&langas, Qt::Key_F10);
  QCOMPARE(dialogai.Klaidos.size(), 1);
  QVERIFY(langas.isVisible());

  langas.Busena().Zodynai.ProgramosKatalogas = programosKatalogas;
  langas.Busena().Zodynai.VartotojoRezimas = 1;
  QTest::keyClick(&langas, Qt::Key_F10);
  QCOMPARE(langas.Busena().Zodynai.VartotojoRezimas, 0);
  QCOMPARE(SkaitytiFaila(kelias), baitai);
  QVERIFY(!langas.isVisible());
}

void VertimasTest::zodzioDialogas() {
  Aplinka aplinka;
  Prideti(aplinka, "bank", "bankas", dDaiktavardis);
  Prideti(aplinka, "bank", "krantas", dDaiktavardis);
  Prideti(aplinka, "bank", "pasitikėti"_lt, dVeiksmazodis);

  // An ambiguous word: the candidates in the grid, the first chosen, a click chooses another.
  TForm7 daugiaprasmis(rezDaugiaprasmis, "The bank.", "bank", aplinka);
  daugiaprasmis.show();
  QCOMPARE(daugiaprasmis.findChild<QLabel*>("Label3")->text(), QStringLiteral("Viso žodžių: 3"));
  auto* tinklelis = daugiaprasmis.findChild<QTableWidget*>("StringGrid1");
  QCOMPARE(tinklelis->rowCount(), 3);
  QCOMPARE(tinklelis->item(2, 1)->text(), QStringLiteral("pasitikėti"));
  QCOMPARE(tinklelis->item(2, 2)->text(), QStringLiteral("veiksmažodis"));
  QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 1);
  QTest::mouseClick(tinklelis->viewport(), Qt::LeftButton, {},
                    tinklelis->visualItemRect(tinklelis->item(1, 0)).center());
  QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 2);
  daugiaprasmis.findChild<QPushButton*>("BitBtn3")->click();  // translate the rest automatically
  QCOMPARE(aplinka.AutomatinisVertimas, 1);
  QVERIFY(daugiaprasmis.isVisible());
  daugiaprasmis.findChild<QPushButton*>("BitBtn1")->click();
  QVERIFY(!daugiaprasmis.isVisible());
  QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 2);

  // An unknown word: shown in red below the sentence, nothing chosen.
  aplinka.Variantai.Zodziai.Isvalyti();
  TForm7 nezinomas(rezNezinomas, "The bank.", "zyx", aplinka);
  QCOMPARE(nezinomas.windowTitle(), QStringLiteral("Rastas nežinomas žodis"));
  QTextDocument* tekstas = nezinomas.findChild<QTextEdit*>("RichEdit1")->document();
  QCOMPARE(tekstas->toPlainText(), QStringLiteral("The bank.\nNežinomas žodis: \nzyx"));
  QCOMPARE(tekstas->lastBlock().begin().fragment().charFormat().foreground().color(),
           QColor(Qt::red));
  QCOMPARE(tekstas->firstBlock().begin().fragment().charFormat().foreground().color(),
           QColor(Qt::black));
  QCOMPARE(nezinomas.PasirinktasVariantas(), 0);

  // A search lists what was found, without the button that stops asking.
  Prideti(aplinka, "go", "eiti", dVeiksmazodis);
  TForm7 paieska(rezPaieska, "go", "go", aplinka);
  paieska.show();
  QCOMPARE(paieska.windowTitle(), QStringLiteral("Paieškos rezultatai"));
  QVERIFY(!paieska.findChild<QPushButton*>("BitBtn3")->isVisible());
  QCOMPARE(paieska.findChild<QTextEdit*>("RichEdit1")->toPlainText(), QStringLiteral("go\n* eiti"));
}

QTEST_MAIN(VertimasTest)
#include "vertimas_test.moc"
