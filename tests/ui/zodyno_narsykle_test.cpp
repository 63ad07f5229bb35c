// The dictionary browser: both grids, the searches, and the commands that delete, sort, load,
// import and save, with every question answered by the scripted dialogs.
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "analysis/aplinka.h"
#include "app/koregavimo_dialogas.h"
#include "app/zodyno_narsykle.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {

// A run's dictionaries in a fresh program directory, the main one also in its file.
struct Zodynai {
  LaikinasKatalogas Katalogas;
  Aplinka Busena;
  ScenarijausDialogai Dialogai;

  explicit Zodynai(const char* pagrindinis, const char* vartotojo = "") {
    UzpildytiVidiniusIrasus(Busena.Zodynai);
    Busena.Zodynai.ProgramosKatalogas = Katalogas.Katalogas.path().toStdString();
    SkaitytiZodynoTeksta(pagrindinis, Busena.Zodynai.PagrindinisZodynas);
    SkaitytiZodynoTeksta(vartotojo, Busena.Zodynai.VartotojoZodynas);
    IssaugotiPagrindiniZodyna(Busena.Zodynai);
  }
};

QTableView* Tinklelis(const TForm3& langas, const char* vardas) {
  return Valdiklis<QTableView>(langas, vardas);
}

QString Zyme(const TForm3& langas, const char* vardas) {
  return Valdiklis<QLabel>(langas, vardas)->text();
}

// One column of a grid, top to bottom.
QStringList Stulpelis(const TForm3& langas, const char* tinklelis, int stulpelis = 0) {
  const QAbstractItemModel* modelis = Tinklelis(langas, tinklelis)->model();
  QStringList reiksmes;
  for (int i = 0; i < modelis->rowCount(); ++i)
    reiksmes << modelis->index(i, stulpelis).data().toString();
  return reiksmes;
}

void PasirinktiEilute(const TForm3& langas, const char* tinklelis, int eilute) {
  QTableView* t = Tinklelis(langas, tinklelis);
  t->setCurrentIndex(t->model()->index(eilute, 0));
}

void RodytiPuslapi(const TForm3& langas, int puslapis) {
  Valdiklis<QTabWidget>(langas, "PageC1")->setCurrentIndex(puslapis);
}

constexpr char Trys[] =
    "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
    "pos=4\ten=about\tlt=apie\n"
    "pos=5\ten=ab|ab|abler|ablest\tlt=gabus\tstem=gab\n";

}  // namespace

class ZodynoNarsykleTest : public QObject {
  Q_OBJECT
 private slots:
  void atidarymasIrPradziosPaieska() {
    Zodynai z(Trys, "pos=1\ten=oak|oak|oaks\tlt=ąžuolas\tstem=ąžuol\n");
    z.Busena.Zodynai.VartotojoRezimas = 1;
    TForm3 langas(z.Busena, z.Dialogai, "ab");
    QCOMPARE(z.Busena.Zodynai.VartotojoRezimas, 0);
    QCOMPARE(Stulpelis(langas, "ZodSar"), (QStringList{u"bank"_s, u"about"_s, u"ab"_s}));
    QCOMPARE(Stulpelis(langas, "ZodSar", 2),
             (QStringList{u"daiktavardis"_s, u"prieveiksmis"_s, u"būdvardis"_s}));
    QCOMPARE(Stulpelis(langas, "ZodSarU", 1), QStringList{u"ąžuolas"_s});
    QCOMPARE(Zyme(langas, "Label2"), u"Viso žodžių: 3"_s);
    // The opening word is searched as typed: "about" comes before "ab" itself.
    QCOMPARE(Tinklelis(langas, "ZodSar")->currentIndex().row(), 1);
    QCOMPARE(Zyme(langas, "Label3"), u"Pasirinktas: 2"_s);
    QCOMPARE(Zyme(langas, "Label5"), u"Pasirinktas joks"_s);

    auto* paieska = Valdiklis<QLineEdit>(langas, "Edit1");
    paieska->setText(u"BAN"_s);
    QCOMPARE(Zyme(langas, "Label3"), u"Pasirinktas: 1"_s);
    paieska->setText(u"zzz"_s);  // no headword begins so: the selection stays
    QCOMPARE(Zyme(langas, "Label3"), u"Pasirinktas: 1"_s);

    // The page chooses the list, and the incremental search follows it; an entry linked since
    // the grid was filled is found too.
    RodytiPuslapi(langas, 1);
    QCOMPARE(z.Busena.Zodynai.VartotojoRezimas, 1);
    SkaitytiZodynoTeksta("pos=1\ten=elm|elm|elms\tlt=guoba\tstem=guob\n",
                         z.Busena.Zodynai.VartotojoZodynas);
    paieska->setText(u"el"_s);
    QCOMPARE(Zyme(langas, "Label5"), u"Pasirinktas: 2"_s);
    QCOMPARE(Stulpelis(langas, "ZodSarU"), (QStringList{u"oak"_s, u"elm"_s}));
  }

  void trynimas() {
    Zodynai z("pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n");
    TForm3 langas(z.Busena, z.Dialogai, "");
    Paspausti(langas, "TrintiIrasa");
    QCOMPARE(z.Dialogai.Pranesimai, QStringList{u"Klaida!: Neradau ką čia nori tirnti..."_s});

    PasirinktiEilute(langas, "ZodSar", 0);
    z.Dialogai.GeraiAtsakymai = {false};
    Paspausti(langas, "TrintiIrasa");
    QCOMPARE(z.Dialogai.KlaustaGerai,
             QStringList{u"Klausimas: Ar tikrai norite trinti: bank - bankas ?"_s});
    QCOMPARE(z.Busena.Zodynai.PagrindinisZodynas.Kiekis(), 1);

    Paspausti(langas, "TrintiIrasa");
    QVERIFY(z.Busena.Zodynai.PagrindinisZodynas.Tuscias());
    QCOMPARE(Zyme(langas, "Label2"), u"Viso žodžių: 0"_s);
    QVERIFY(z.Busena.Zodynai.PagrindinisPakeistas);
    // Deleting writes no file.
    QCOMPARE(SkaitytiFaila(z.Katalogas.Kelias(u"main.zod"_s)).size(), 460);
    z.Dialogai.Pranesimai.clear();
    Paspausti(langas, "TrintiIrasa");
    Paspausti(langas, "RedaguotiIrasa");
    QCOMPARE(z.Dialogai.Pranesimai,
             (QStringList{u"Klaida!: Sąrašas tuščias"_s, u"Klaida!: Sąrašas tuščias..."_s}));

    RodytiPuslapi(langas, 1);
    SkaitytiZodynoTeksta("pos=4\ten=up\tlt=aukštyn\n", z.Busena.Zodynai.VartotojoZodynas);
    z.Dialogai.Pranesimai.clear();
    Paspausti(langas, "RedaguotiIrasa");
    Paspausti(langas, "TrintiIrasa");
    QCOMPARE(z.Dialogai.Pranesimai, (QStringList{u"Klaida!: Neradau redaguojamo žodžio."_s,
                                                 u"Klaida!: Neradau ką čia nori trinti..."_s}));
  }

  void rusiavimas() {
    Zodynai z("pos=4\ten=b\tlt=1\npos=4\ten=a\tlt=2\npos=4\ten=c\tlt=3\npos=4\ten=b\tlt=4\n");
    TForm3 langas(z.Busena, z.Dialogai, "");
    PasirinktiEilute(langas, "ZodSar", 3);
    Paspausti(langas, "Rusiuoti");
    QCOMPARE(Stulpelis(langas, "ZodSar", 1), (QStringList{u"2"_s, u"1"_s, u"4"_s, u"3"_s}));
    QCOMPARE(z.Busena.Zodynai.PagrindinisZodynas.Uodega()->Nr, 4);
    QCOMPARE(Zyme(langas, "Label3"), u"Pasirinktas: 4"_s);
  }

  void ikelimasImportasIrIssaugojimas() {
    Zodynai z(Trys);
    const QString failas = z.Katalogas.Kelias(u"medziai.dic"_s);
    ZodynoSarasas medziai;
    SkaitytiZodynoTeksta("pos=1\ten=oak|oak|oaks\tlt=ąžuolas\tstem=ąžuol\n"
                         "pos=1\ten=elm|elm|elms\tlt=guoba\tstem=guob\n",
                         medziai);
    IssaugotiZodyna(failas.toStdString(), medziai);
    TForm3 langas(z.Busena, z.Dialogai, "");
    z.Dialogai.Zodynas = failas;
    Paspausti(langas, "ImportuotiZodyna");
    Paspausti(langas, "ImportuotiZodyna");
    QCOMPARE(Valdiklis<QTabWidget>(langas, "PageC1")->currentIndex(), 1);
    QCOMPARE(z.Busena.Zodynai.VartotojoRezimas, 1);
    QCOMPARE(Zyme(langas, "Label4"), u"Viso žodžių: 4"_s);

    // Loading replaces the list, after offering to save the one it would drop.
    z.Dialogai.Atsakymai = {Atsakymas::Atsaukti};
    Paspausti(langas, "UzkrautiZodyna");
    QCOMPARE(z.Dialogai.Klausta, QStringList{u"Išsaugoti vartotojo žodyną?"_s});
    QCOMPARE(z.Busena.Zodynai.VartotojoZodynas.Kiekis(), 4);
    z.Dialogai.Atsakymai = {Atsakymas::Ne};
    Paspausti(langas, "UzkrautiZodyna");
    QCOMPARE(Stulpelis(langas, "ZodSarU"), (QStringList{u"oak"_s, u"elm"_s}));

    // A file that is not a dictionary's whole records is refused and costs nothing.
    RasytiFaila(z.Katalogas.Kelias(u"broken.dic"_s), QByteArray(500, 'x'));
    z.Dialogai.Zodynas = z.Katalogas.Kelias(u"broken.dic"_s);
    Paspausti(langas, "UzkrautiZodyna");
    QCOMPARE(z.Dialogai.Klaidos.size(), 1);
    QCOMPARE(z.Busena.Zodynai.VartotojoZodynas.Kiekis(), 2);

    // The user page saves through the dialog, the main page straight into main.zod.
    PasirinktiEilute(langas, "ZodSarU", 0);
    Paspausti(langas, "TrintiIrasa");
    z.Dialogai.Zodynas = z.Katalogas.Kelias(u"vienas.dic"_s);
    Paspausti(langas, "IssaugotiZodyna");
    QCOMPARE(SkaitytiFaila(z.Katalogas.Kelias(u"vienas.dic"_s)).size(), 460);
    QVERIFY(!z.Busena.Zodynai.VartotojoPakeistas);
    QCOMPARE(z.Dialogai.KlaustaZodyno, (QList<bool>{false, false, false, false, true}));

    RodytiPuslapi(langas, 0);
    QFile::remove(z.Katalogas.Kelias(u"main.zod"_s));
    Paspausti(langas, "IssaugotiZodyna");
    QCOMPARE(SkaitytiFaila(z.Katalogas.Kelias(u"main.zod"_s)).size(), 3 * 460);
    QCOMPARE(z.Dialogai.KlaustaZodyno.size(), 5);
  }

  // New entries and changes go through the editor into the list of the page shown; a change of
  // the main dictionary is saved into main.zod at once.
  void naujasIrRedaguojamasIrasas() {
    Zodynai z(Trys);
    TForm3 langas(z.Busena, z.Dialogai, "oak");
    QString redaguojamas;
    z.Dialogai.Langai = {
        [&](QDialog& redaktorius) {
          Valdiklis<QLineEdit>(redaktorius, "DaiktKamienas")->setText(u"ąžuol"_s);
          Paspausti(redaktorius, "BitBtn1");
          return int(QDialog::Rejected);
        },
        [&](QDialog& redaktorius) {
          redaguojamas = LaukoTekstas(redaktorius, "DaiktKamienas");
          Valdiklis<QLineEdit>(redaktorius, "DaiktKamienas")->setText(u"krant"_s);
          Paspausti(redaktorius, "BitBtn1");
          return int(QDialog::Rejected);
        }};
    RodytiPuslapi(langas, 1);
    Paspausti(langas, "NaujasIrasas");
    QCOMPARE(Stulpelis(langas, "ZodSarU", 1), QStringList{u"ąžuolas"_s});
    QCOMPARE(z.Busena.Zodynai.PagrindinisZodynas.Kiekis(), 3);

    RodytiPuslapi(langas, 0);
    QFile::remove(z.Katalogas.Kelias(u"main.zod"_s));
    PasirinktiEilute(langas, "ZodSar", 0);
    Paspausti(langas, "RedaguotiIrasa");
    QCOMPARE(redaguojamas, u"bank"_s);
    QCOMPARE(Stulpelis(langas, "ZodSar", 1).first(), u"krantas"_s);
    QCOMPARE(SkaitytiFaila(z.Katalogas.Kelias(u"main.zod"_s)).size(), 3 * 460);
    QVERIFY(!z.Busena.Zodynai.PagrindinisPakeistas);
    QCOMPARE(z.Dialogai.Rodyta, (QStringList{u"Form4"_s, u"Form4"_s}));
  }

  void pilnaPaieska() {
    Zodynai z(Trys, "pos=1\ten=is|is|is\tlt=sala\tstem=sal\n");
    TForm3 langas(z.Busena, z.Dialogai, "");
    langas.show();
    int kandidatu = -1;
    z.Dialogai.Langai = {[&](QDialog& rezultatai) {
      kandidatu = Valdiklis<QTableWidget>(rezultatai, "StringGrid1")->rowCount();
      return int(QDialog::Accepted);
    }};
    auto* paieska = Valdiklis<QLineEdit>(langas, "Edit1");
    paieska->setText(u"Is"_s);
    Paspausti(langas, "Ieskoti");
    QCOMPARE(z.Dialogai.Rodyta, QStringList{u"Form7"_s});
    QCOMPARE(kandidatu, 1);  // the built-in word alone

    paieska->setText(u"zyx"_s);
    QTest::keyClick(paieska, Qt::Key_Return);
    QCOMPARE(z.Dialogai.Pranesimai, QStringList{u"Informacija!: Įvestas žodis žodyne nerastas"_s});
    QCOMPARE(z.Dialogai.Rodyta.size(), 1);
  }
};

QTEST_MAIN(ZodynoNarsykleTest)
#include "zodyno_narsykle_test.moc"
