// Translation commands of the main window, the exit command that saves the main dictionary, and
// the word dialog that answers translation with correction.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>

#include "app/koregavimo_dialogas.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::literals;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {
// Records every question and answers "none".
struct UzrasantisKlausejas : KoregavimoKlausejas {
  std::vector<std::pair<std::uint8_t, std::string>> Klausimai;  // mode, word
  int Klausti(std::uint8_t rezimas, const std::string&, const std::string& zodis, int,
              Aplinka&) override {
    Klausimai.emplace_back(rezimas, zodis);
    return NeraPasirinkimo;
  }
};

QStringList Eilutes(const QTextEdit* redaktorius) {
  QStringList eilutes;
  for (QTextBlock b = redaktorius->document()->begin(); b.isValid(); b = b.next())
    eilutes << b.text();
  return eilutes;
}
}  // namespace

class VertimasTest : public QObject {
  Q_OBJECT
 private slots:
  void vertimasEiluteEilute() {
    RodomasLangas l;
    UzrasantisKlausejas klausejas;
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    l.Langas.Busena().Klausejas = &klausejas;
    lietuviu->setPlainText(u"old translation"_s);
    l.Anglai()->setFocus();
    Rasyti(l.Anglai(), u"Kaunas ąžuolas.\n\nno end yet"_s);

    QTest::keyClick(&l.Langas, Qt::Key_F4);
    QCOMPARE(l.Langas.Busena().AutomatinisVertimas, 1);
    const QStringList eilutes = Eilutes(lietuviu);
    // One line per English line, and one more for the text after the last sentence.
    QCOMPARE(eilutes.size(), 4);
    QVERIFY2(eilutes[0].contains(u"ąžuolas"_s), qPrintable(eilutes[0]));
    QVERIFY(eilutes[1].isEmpty() && eilutes[2].isEmpty());
    QVERIFY2(eilutes[3].contains(u"end"_s), qPrintable(eilutes[3]));
    QVERIFY(klausejas.Klausimai.empty());

    // With correction an unknown word is asked about.
    l.Anglai()->setPlainText(u"Zyx."_s);
    QTest::keyClick(&l.Langas, Qt::Key_F5);
    QCOMPARE(l.Langas.Busena().AutomatinisVertimas, 0);
    QCOMPARE(klausejas.Klausimai, (decltype(klausejas.Klausimai){{rezNezinomas, "zyx"}}));
    QCOMPARE(Eilutes(lietuviu).size(), 1);

    l.Anglai()->clear();
    l.Komanda("VerstiAutomatiskai");
    QVERIFY(lietuviu->document()->isEmpty());
  }

  // "Pabaiga" writes back the main dictionary it loaded, byte for byte; when it cannot, the
  // window stays open.
  void pabaigaIrasoZodyna() {
    LaikinasKatalogas katalogas;
    ZodynuRinkinys pradinis;
    pradinis.ProgramosKatalogas = QDir::currentPath().toStdString();
    ZodynoIrasas irasas;
    irasas.NustatytiTeksta(TekstoLaukas::Angl1, "tree");
    irasas.NustatytiTeksta(TekstoLaukas::LietZodis, "medis");
    pradinis.PagrindinisZodynas.Prideti(irasas);
    IssaugotiPagrindiniZodyna(pradinis);
    const QString kelias = katalogas.Kelias(u"main.zod"_s);
    const QByteArray baitai = SkaitytiFaila(kelias);
    QVERIFY(!baitai.isEmpty());

    ScenarijausDialogai dialogai;
    TForm1 langas(&dialogai);
    langas.show();
    QVERIFY(QTest::qWaitForWindowActive(&langas));
    QFile::remove(kelias);
    ZodynuRinkinys& zodynai = langas.Busena().Zodynai;
    zodynai.ProgramosKatalogas = "/nonexistent/kervosta";
    QTest::keyClick(&langas, Qt::Key_F10);
    QCOMPARE(dialogai.Klaidos.size(), 1);
    QVERIFY(langas.isVisible());

    zodynai.ProgramosKatalogas = pradinis.ProgramosKatalogas;
    zodynai.VartotojoRezimas = 1;
    QTest::keyClick(&langas, Qt::Key_F10);
    QCOMPARE(zodynai.VartotojoRezimas, 0);
    QCOMPARE(SkaitytiFaila(kelias), baitai);
    QVERIFY(!langas.isVisible());
  }

  // F5's dialog once offered the rarest sense and took it on Enter, and nothing ended a run.
  // Enter at every question must give what F4 gives; Escape, or "Atšaukti vertimą", ends the
  // run and keeps the lines done; switching correction off shows in the status line.
  void koregavimoDialogas() {
    RodomasLangas l;
    SkaitytiZodynoTeksta("pos=7\ten=the\npos=7\ten=a\n"
                         "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
                         "pos=1\ten=bank|bank|banks\tlt=krantas\tstem=krant\n",
                         l.Langas.Busena().Zodynai.PagrindinisZodynas);
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    l.Anglai()->setPlainText(u"The bank.\nA bank.\nThe bank."_s);
    l.Komanda("VerstiAutomatiskai");
    const QStringList automatiskai = Eilutes(lietuviu);
    QCOMPARE(automatiskai.size(), 3);

    const auto klavisas = [](Qt::Key k) {
      return [k](QDialog& dialogas) {
        dialogas.show();
        QTest::keyClick(dialogas.findChild<QTableWidget*>("StringGrid1"), k);
        return dialogas.result();
      };
    };
    const auto mygtukas = [](const char* vardas) {
      return [vardas](QDialog& dialogas) {
        dialogas.findChild<QPushButton*>(vardas)->click();
        return dialogas.result();
      };
    };
    struct Atvejis {
      QList<std::function<int(QDialog&)>> atsakymai;
      qsizetype klausta;
      QStringList vertimas;
      QString busena;  // empty: not checked
    };
    const Atvejis atvejai[] = {
        {{klavisas(Qt::Key_Return), klavisas(Qt::Key_Return), klavisas(Qt::Key_Return)}, 3,
         automatiskai, {}},
        {{klavisas(Qt::Key_Return), klavisas(Qt::Key_Escape)}, 2, automatiskai.mid(0, 1),
         u"Vertimas atšauktas"_s},
        {{mygtukas("BitBtn4")}, 1, {u""_s}, u"Vertimas atšauktas"_s},
    };
    for (const Atvejis& a : atvejai) {
      l.Dialogai.Rodyta.clear();
      l.Dialogai.Langai = a.atsakymai;
      l.Anglai()->setFocus();
      l.Komanda("VerstiSuKoregavimu");
      QCOMPARE(l.Dialogai.Rodyta.size(), a.klausta);
      QCOMPARE(Eilutes(lietuviu), a.vertimas);
      if (!a.busena.isEmpty()) QCOMPARE(l.Langas.BusenosTekstas(), a.busena);
    }

    QString kolKlausiama;
    l.Dialogai.Rodyta.clear();
    l.Dialogai.Langai = {[&](QDialog& dialogas) {
      dialogas.findChild<QPushButton*>("BitBtn3")->click();
      kolKlausiama = l.Langas.BusenosTekstas();
      dialogas.accept();
      return dialogas.result();
    }};
    l.Komanda("VerstiSuKoregavimu");
    QCOMPARE(l.Dialogai.Rodyta.size(), 1);
    QCOMPARE(kolKlausiama, u"Vertimo koregavimas išjungtas: kiti sakiniai verčiami automatiškai"_s);
    QCOMPARE(l.Langas.BusenosTekstas(), u"Vertimo koregavimas buvo išjungtas"_s);
    QCOMPARE(Eilutes(lietuviu), automatiskai);
  }

  void zodzioDialogas() {
    Aplinka aplinka;
    const auto prideti = [&](const char* angl, std::string_view liet, std::uint8_t dalis) {
      TZodis zodis;
      zodis.Angl = angl;
      zodis.Liet = liet;
      zodis.KalbosDalis = dalis;
      aplinka.Variantai.Zodziai.Prideti(zodis);
    };
    prideti("bank", "bankas", dDaiktavardis);
    prideti("bank", "krantas", dDaiktavardis);
    prideti("bank", "pasitikėti"_lt, dVeiksmazodis);

    // An ambiguous word: the candidates in the grid, the last chosen (the one automatic
    // translation takes), a click chooses another.
    TForm7 daugiaprasmis(rezDaugiaprasmis, "The bank.", "bank", aplinka);
    daugiaprasmis.show();
    QCOMPARE(daugiaprasmis.findChild<QLabel*>("Label3")->text(), u"Viso žodžių: 3"_s);
    auto* tinklelis = daugiaprasmis.findChild<QTableWidget*>("StringGrid1");
    QCOMPARE(tinklelis->rowCount(), 3);
    QCOMPARE(tinklelis->item(2, 1)->text(), u"pasitikėti"_s);
    QCOMPARE(tinklelis->item(2, 2)->text(), u"veiksmažodis"_s);
    QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 3);
    QTest::mouseClick(tinklelis->viewport(), Qt::LeftButton, {},
                      tinklelis->visualItemRect(tinklelis->item(1, 0)).center());
    QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 2);
    daugiaprasmis.Pasirinkti(4);  // outside the list: no change
    QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 2);
    daugiaprasmis.Pasirinkti(0);  // none: automatic translation will choose
    QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 0);
    QVERIFY(tinklelis->selectedItems().isEmpty());
    daugiaprasmis.Pasirinkti(2);
    // Switching correction off stays visible on its button; the dialog stays open.
    auto* isjungti = daugiaprasmis.findChild<QPushButton*>("BitBtn3");
    isjungti->click();
    QCOMPARE(aplinka.AutomatinisVertimas, 1);
    QVERIFY(!isjungti->isEnabled());
    QCOMPARE(isjungti->text(), u"Koregavimas išjungtas"_s);
    QVERIFY(daugiaprasmis.isVisible());
    QVERIFY(daugiaprasmis.findChild<QPushButton*>("BitBtn4")->isVisible());
    daugiaprasmis.findChild<QPushButton*>("BitBtn1")->click();
    QVERIFY(!daugiaprasmis.isVisible());
    QCOMPARE(daugiaprasmis.result(), int(QDialog::Accepted));
    QCOMPARE(daugiaprasmis.PasirinktasVariantas(), 2);

    // An unknown word: shown in red below the sentence, nothing chosen.
    aplinka.Variantai.Zodziai.Isvalyti();
    TForm7 nezinomas(rezNezinomas, "The bank.", "zyx", aplinka);
    QCOMPARE(nezinomas.windowTitle(), u"Rastas nežinomas žodis"_s);
    QTextDocument* tekstas = nezinomas.findChild<QTextEdit*>("RichEdit1")->document();
    QCOMPARE(tekstas->toPlainText(), u"The bank.\nNežinomas žodis: \nzyx"_s);
    QCOMPARE(tekstas->lastBlock().begin().fragment().charFormat().foreground().color(),
             QColor(Qt::red));
    QCOMPARE(tekstas->firstBlock().begin().fragment().charFormat().foreground().color(),
             QColor(Qt::black));
    QCOMPARE(nezinomas.PasirinktasVariantas(), 0);

    // A search lists what was found, without the button that stops asking.
    prideti("go", "eiti", dVeiksmazodis);
    TForm7 paieska(rezPaieska, "go", "go", aplinka);
    paieska.show();
    QCOMPARE(paieska.windowTitle(), u"Paieškos rezultatai"_s);
    QVERIFY(!paieska.findChild<QPushButton*>("BitBtn3")->isVisible());
    QVERIFY(!paieska.findChild<QPushButton*>("BitBtn4")->isVisible());
    QCOMPARE(paieska.findChild<QTextEdit*>("RichEdit1")->toPlainText(), u"go\n* eiti"_s);
  }
};

QTEST_MAIN(VertimasTest)
#include "vertimas_test.moc"
