// Translation commands of the main window, the word dialog that answers translation with
// correction, and the exit command that saves the main dictionary.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTest>

#include "app/koregavimo_dialogas.h"
#include "app/pagrindinis_langas.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::literals;
using namespace kervosta::testai;

namespace {
struct Klausimas {
  std::uint8_t Rezimas;
  std::string Sakinys;
  std::string Zodis;
};

// Records every question and answers "none".
struct UzrasantisKlausejas : KoregavimoKlausejas {
  std::vector<Klausimas> Klausimai;
  int Klausti(std::uint8_t rezimas, const std::string& sakinys, const std::string& zodis, Aplinka&) override {
    Klausimai.push_back({rezimas, sakinys, zodis});
    return NeraPasirinkimo;
  }
};

QStringList Eilutes(const QTextEdit* redaktorius) {
  QStringList eilutes;
  for (QTextBlock blokas = redaktorius->document()->begin(); blokas.isValid(); blokas = blokas.next())
    eilutes.append(blokas.text());
  return eilutes;
}

TZodis Kandidatas(std::string_view angl, std::string_view liet, std::uint8_t dalis) {
  TZodis zodis;
  zodis.Angl = angl;
  zodis.Liet = liet;
  zodis.KalbosDalis = dalis;
  return zodis;
}
}  // namespace

class VertimasTest : public QObject {
  Q_OBJECT
 private slots:
  void automatinisVertimasEiluteEilute();
  void koregavimasKlausiaApieNezinomaZodi();
  void pabaigaIrasoZodyna();
  void pabaigaNepavykusLangasLieka();
  void dialogoRezimai();
  void dialogoPasirinkimas();
};

void VertimasTest::automatinisVertimasEiluteEilute() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  UzrasantisKlausejas klausejas;
  langas.Busena().Klausejas = &klausejas;
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  langas.LietuviuRedaktorius()->setPlainText(QStringLiteral("old translation"));
  langas.AngluRedaktorius()->setFocus();
  Rasyti(langas.AngluRedaktorius(), QStringLiteral("Kaunas ąžuolas.\n\nno end yet"));

  QTest::keyClick(&langas, Qt::Key_F4);
  QCOMPARE(langas.Busena().AutomatinisVertimas, 1);
  const QStringList lietuviu = Eilutes(langas.LietuviuRedaktorius());
  // One line per English line, and one more for the text after the last sentence.
  QCOMPARE(lietuviu.size(), 4);
  QVERIFY2(lietuviu[0].contains(QStringLiteral("ąžuolas")), qPrintable(lietuviu[0]));
  QVERIFY(lietuviu[1].isEmpty());
  QVERIFY(lietuviu[2].isEmpty());
  QVERIFY2(lietuviu[3].contains(QStringLiteral("end")), qPrintable(lietuviu[3]));
  QVERIFY(klausejas.Klausimai.empty());

  // The toolbar's button does the same; an empty English editor leaves the Lithuanian one empty.
  langas.AngluRedaktorius()->clear();
  langas.findChild<QAction*>("VerstiAutomatiskai")->trigger();
  QVERIFY(langas.LietuviuRedaktorius()->document()->isEmpty());
}

void VertimasTest::koregavimasKlausiaApieNezinomaZodi() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  UzrasantisKlausejas klausejas;
  langas.Busena().Klausejas = &klausejas;
  langas.AngluRedaktorius()->setPlainText(QStringLiteral("Zyx."));
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));

  QTest::keyClick(&langas, Qt::Key_F5);
  QCOMPARE(langas.Busena().AutomatinisVertimas, 0);
  QCOMPARE(klausejas.Klausimai.size(), std::size_t{1});
  QCOMPARE(klausejas.Klausimai[0].Rezimas, rezNezinomas);
  QCOMPARE(klausejas.Klausimai[0].Zodis, std::string("zyx"));
  QCOMPARE(Eilutes(langas.LietuviuRedaktorius()).size(), 1);
}

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
  QFile pries(kelias);
  QVERIFY(pries.open(QIODevice::ReadOnly));
  const QByteArray baitai = pries.readAll();
  pries.close();

  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  QFile::remove(kelias);
  langas.Busena().Zodynai.VartotojoRezimas = 1;
  QTest::keyClick(&langas, Qt::Key_F10);

  QCOMPARE(langas.Busena().Zodynai.VartotojoRezimas, 0);
  QFile po(kelias);
  QVERIFY(po.open(QIODevice::ReadOnly));
  QCOMPARE(po.readAll(), baitai);
  QVERIFY(!langas.isVisible());
}

void VertimasTest::pabaigaNepavykusLangasLieka() {
  LaikinasKatalogas katalogas;
  ScenarijausDialogai dialogai;
  TForm1 langas(&dialogai);
  langas.show();
  QVERIFY(QTest::qWaitForWindowActive(&langas));
  dialogai.Klaidos.clear();
  langas.Busena().Zodynai.ProgramosKatalogas = "/nonexistent/kervosta";
  langas.findChild<QAction*>("Pabaiga")->trigger();
  QCOMPARE(dialogai.Klaidos.size(), 1);
  QVERIFY(langas.isVisible());
}

void VertimasTest::dialogoRezimai() {
  Aplinka aplinka;
  aplinka.Variantai.Zodziai.Prideti(Kandidatas("bank", "bankas", dDaiktavardis));
  aplinka.Variantai.Zodziai.Prideti(Kandidatas("bank", "krantas", dDaiktavardis));
  aplinka.Variantai.Zodziai.Prideti(Kandidatas("bank", "pasitikėti"_lt, dVeiksmazodis));
  const std::string sakinys = "The bank.";

  TForm7 daugiaprasmis(rezDaugiaprasmis, sakinys, "bank", aplinka);
  QCOMPARE(daugiaprasmis.findChild<QLabel*>("Label3")->text(), QStringLiteral("Viso žodžių: 3"));
  QVERIFY(!daugiaprasmis.findChild<QPushButton*>("BitBtn2")->isEnabled());
  auto* tinklelis = daugiaprasmis.findChild<QTableWidget*>("StringGrid1");
  QCOMPARE(tinklelis->rowCount(), 3);
  QCOMPARE(tinklelis->item(2, 1)->text(), QStringLiteral("pasitikėti"));
  QCOMPARE(tinklelis->item(2, 2)->text(), QStringLiteral("veiksmažodis"));
  QCOMPARE(daugiaprasmis.findChild<QTextEdit*>("RichEdit1")->toPlainText(), QStringLiteral("The bank."));
  QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 1);

  aplinka.Variantai.Zodziai.Isvalyti();
  TForm7 nezinomas(rezNezinomas, sakinys, "zyx", aplinka);
  nezinomas.show();
  QCOMPARE(nezinomas.windowTitle(), QStringLiteral("Rastas nežinomas žodis"));
  QVERIFY(nezinomas.findChild<QPushButton*>("BitBtn3")->isVisible());
  QTextDocument* tekstas = nezinomas.findChild<QTextEdit*>("RichEdit1")->document();
  QCOMPARE(tekstas->toPlainText(), QStringLiteral("The bank.\nNežinomas žodis: \nzyx"));
  QCOMPARE(tekstas->lastBlock().begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
  QCOMPARE(tekstas->firstBlock().begin().fragment().charFormat().foreground().color(), QColor(Qt::black));
  QCOMPARE(nezinomas.PasirinktasVariantas(), 0);

  aplinka.Variantai.Zodziai.Prideti(Kandidatas("go", "eiti", dVeiksmazodis));
  TForm7 paieska(rezPaieska, "go", "go", aplinka);
  paieska.show();
  QCOMPARE(paieska.windowTitle(), QStringLiteral("Paieškos rezultatai"));
  QVERIFY(!paieska.findChild<QPushButton*>("BitBtn3")->isVisible());
  QCOMPARE(paieska.findChild<QTextEdit*>("RichEdit1")->toPlainText(), QStringLiteral("go\n* eiti"));
}

void VertimasTest::dialogoPasirinkimas() {
  Aplinka aplinka;
  aplinka.Variantai.Zodziai.Prideti(Kandidatas("bank", "bankas", dDaiktavardis));
  aplinka.Variantai.Zodziai.Prideti(Kandidatas("bank", "krantas", dDaiktavardis));
  TForm7 dialogas(rezDaugiaprasmis, "Bank.", "bank", aplinka);
  dialogas.show();
  auto* tinklelis = dialogas.findChild<QTableWidget*>("StringGrid1");
  const QRect antra = tinklelis->visualItemRect(tinklelis->item(1, 0));
  QTest::mouseClick(tinklelis->viewport(), Qt::LeftButton, {}, antra.center());
  QCOMPARE(dialogas.PasirinktasVariantas(), 2);

  QVERIFY(aplinka.AutomatinisVertimas == 0);
  dialogas.findChild<QPushButton*>("BitBtn3")->click();
  QCOMPARE(aplinka.AutomatinisVertimas, 1);
  QVERIFY(dialogas.isVisible());
  dialogas.findChild<QPushButton*>("BitBtn1")->click();
  QVERIFY(!dialogas.isVisible());
  QCOMPARE(dialogas.PasirinktasVariantas(), 2);
}

QTEST_MAIN(VertimasTest)
#include "vertimas_test.moc"
