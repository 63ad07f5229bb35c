// The dictionary entry editor driven as a user drives it: pages filled by typing and choosing,
// entries saved into the user list and into the main list and its file, the analogous-entry
// question, change mode, refusals and the forms filled in and shown while typing.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

#include "app/iraso_redaktorius.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {

// Sets a widget as a user would: types over a box's text, chooses a list's row (the value is
// its number), clicks a check box or radio button.
void Nustatyti(const QWidget& langas, const char* vardas, const QString& reiksme = {}) {
  QWidget* valdiklis = Valdiklis(langas, vardas);
  if (auto* laukas = qobject_cast<QLineEdit*>(valdiklis)) {
    laukas->selectAll();
    QTest::keyClick(laukas, Qt::Key_Backspace);
    Rasyti(laukas, reiksme);
  } else if (auto* sarasas = qobject_cast<QComboBox*>(valdiklis)) {
    sarasas->setCurrentIndex(reiksme.toInt());
  } else {
    Paspausti(langas, vardas);
  }
}

void Puslapis(const QWidget& langas, int puslapis) {
  Valdiklis<QTabWidget>(langas, "PageControl1")->setCurrentIndex(puslapis);
}

// A record as a dictionary text line, so that a wrong field names itself.
QString Tekstu(const ZodynoIrasas& irasas) { return QString::fromStdString(IrasasITeksta(irasas)); }

// An editor over its own dictionaries; `ProgramosKatalogas` holds an empty main.zod.
struct Redaktorius {
  LaikinasKatalogas Katalogas;
  ZodynuRinkinys Zodynai;
  ScenarijausDialogai Dialogai;
  std::unique_ptr<TForm4> Langas;

  explicit Redaktorius(int vartotojoRezimas) {
    Zodynai.VartotojoRezimas = static_cast<std::uint8_t>(vartotojoRezimas);
    Zodynai.ProgramosKatalogas = Katalogas.Katalogas.path().toStdString();
    RasytiFaila(MainZod(), {});
  }
  TForm4& Atverti(std::uint8_t rezimas = redPapildyti, ZodynoMazgas* keiciamas = nullptr,
                  const std::string& naujasZodis = {}) {
    Langas = std::make_unique<TForm4>(Zodynai, Dialogai, rezimas, keiciamas, naujasZodis);
    Langas->show();
    if (!QTest::qWaitForWindowExposed(Langas.get())) qFatal("the editor was never shown");
    return *Langas;
  }
  QString MainZod() const { return Katalogas.Kelias(u"main.zod"_s); }
  ZodynoSarasas& Sarasas() { return Zodynai.Pasirinktas(); }
  void Issaugoti() const { Paspausti(*Langas, "BitBtn1"); }
};

struct Zodis {
  int puslapis;
  std::vector<std::pair<const char*, QString>> pildyti;
  const char* irasas;  // what is saved, the forms filled in while typing included
};

// One entry of every part of speech, filled as a user would fill it.
const Zodis KiekvienaKalbosDalis[] = {
    {0,
     {{"DaiktVienaskaita", u"house"_s}, {"DaiktKamienas", u"nam"_s}, {"DaiktKategorija", u"6"_s}},
     "pos=1\tcat=6\ten=house|house|houses\tlt=namas\tstem=nam"},
    {1,
     {{"BudvPaprasta", u"good"_s}, {"BudvMoreMost", {}}, {"BudvAukstesnysis", u"better"_s},
      {"BudvAuksciausiasis", u"best"_s}, {"BudvKamienas", u"ger"_s}},
     "pos=5\ten=good|good|better|best\tlt=geras\tstem=ger"},
    {2,
     {{"VeiksmBendratis", u"walk"_s}, {"VeiksmKamienas", u"vaikščio"_s},
      {"VeiksmEsamasKamienas", u"vaikšt"_s}, {"VeiksmButasKamienas", u"vaikščioj"_s},
      {"VeiksmEsamojoKlase", u"3"_s}, {"VeiksmKlausimas", u"4"_s}, {"VeiksmKategorija", u"2"_s}},
     "pos=3\tcat=2\tattr=1\ten=walk|walks|walked|walked|walking\tennum=1\tlt=vaikščioti\t"
     "stem=vaikščio\tpres=vaikšt\tpast=vaikščioj\tfut=vaikščio\tp1=3\tq=4"},
    {3,
     {{"IvardAngliskas", u"this"_s}, {"IvardKamienas", u"š"_s}, {"IvardRusis", u"6"_s},
      {"IvardLinksniuojamas", {}}, {"IvardLinksniuote", u"1"_s}},
     "pos=2\tattr=6\ten=this\tlt=šis\tstem=š\tp1=1\tp3=1"},
    {4,
     {{"SkaitvVienaskaita", u"two"_s}, {"SkaitvSkaitmenys", u"2"_s}, {"SkaitvKamienas", u"du"_s},
      {"SkaitvKaitomas", {}}, {"SkaitvKiekinioLinksniuote", u"5"_s}},
     "pos=13\ten=two|two|2\tlt=du\tstem=du\tp1=5\tp2=5"},
    {5,
     {{"KitaKalbosDalis", u"7"_s}, {"KitaKlausimas", u"4"_s}, {"KitaAngliskas", u"about"_s},
      {"KitaLietuviskas", u"apie"_s}},
     "pos=8\tattr=4\ten=about\tlt=apie"},
};

}  // namespace

class IrasoRedaktoriusTest : public QObject {
  Q_OBJECT
 private slots:
  void papildoKiekvienaKalbosDali_data() {
    QTest::addColumn<int>("vartotojoRezimas");
    QTest::newRow("user list") << 1;
    QTest::newRow("main list and main.zod") << 0;
  }
  void papildoKiekvienaKalbosDali() {
    QFETCH(int, vartotojoRezimas);
    Redaktorius r(vartotojoRezimas);
    r.Atverti();
    int kiekis = 0;
    for (const Zodis& zodis : KiekvienaKalbosDalis) {
      Puslapis(*r.Langas, zodis.puslapis);
      for (const auto& [vardas, reiksme] : zodis.pildyti) Nustatyti(*r.Langas, vardas, reiksme);
      r.Issaugoti();
      QCOMPARE(r.Sarasas().Kiekis(), ++kiekis);
      const ZodynoIrasas& irasas = r.Sarasas().Uodega()->Duomenys;
      QCOMPARE(Tekstu(irasas), QString::fromUtf8(zodis.irasas));
      // A new main-dictionary entry reaches the file at once; a user entry touches no file.
      const QByteArray failas = SkaitytiFaila(r.MainZod());
      if (vartotojoRezimas == 0)
        QCOMPARE(failas.right(ZodynoIrasas::Dydis),
                 QByteArray(reinterpret_cast<const char*>(irasas.Duomenys().data()),
                            ZodynoIrasas::Dydis));
      QCOMPARE(failas.size(), vartotojoRezimas == 0 ? kiekis * qsizetype{ZodynoIrasas::Dydis} : 0);
    }
    QVERIFY(r.Dialogai.Klausta.isEmpty() && r.Dialogai.Pranesimai.isEmpty());
    QCOMPARE(r.Zodynai.VartotojoPakeistas, vartotojoRezimas == 1);
    // The editor stayed open for the next entry; leaving it tells the opener something changed.
    QVERIFY(r.Langas->isVisible());
    Paspausti(*r.Langas, "Iseiti");
    QCOMPARE(r.Langas->result(), int{QDialog::Accepted});
  }

  void analogiskasIrasas_data() {
    QTest::addColumn<int>("vartotojoRezimas");
    QTest::addColumn<QString>("klausimas");
    QTest::newRow("user list")
        << 1 << u"Analogiškas žodis jau egzistuoja vartotojo žodyne. Papildyti vartotojo žodyną?"_s;
    QTest::newRow("main list")
        << 0 << u"Analogiškas žodis jau egzistuoja žodyne. Papildyti žodyna?"_s;
  }
  void analogiskasIrasas() {
    QFETCH(int, vartotojoRezimas);
    QFETCH(QString, klausimas);
    Redaktorius r(vartotojoRezimas);
    r.Atverti(redPapildyti, nullptr, "house");
    Nustatyti(*r.Langas, "DaiktKamienas", u"nam"_s);
    r.Issaugoti();
    r.Dialogai.Atsakymai = {Atsakymas::Ne, Atsakymas::Atsaukti, Atsakymas::Taip};
    r.Issaugoti();
    r.Issaugoti();
    QCOMPARE(r.Sarasas().Kiekis(), 1);
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Klausta, QStringList(3, klausimas));
    QCOMPARE(r.Sarasas().Kiekis(), 2);
    QCOMPARE(SkaitytiFaila(r.MainZod()).size(),
             vartotojoRezimas == 0 ? 2 * qsizetype{ZodynoIrasas::Dydis} : 0);

    // An entry saved unchanged finds itself.
    r.Atverti(redKeisti, r.Sarasas().Galva());
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Klausta.size(), 4);
    QCOMPARE(r.Sarasas().Kiekis(), 2);
  }

  // Change mode offers only the entry's own page, loaded from the record, and saves onto its
  // node without touching main.zod.
  void keiciaSavoPuslapyje() {
    Redaktorius r(0);
    r.Sarasas().Prideti(IrasasIsTeksto("pos=13\tcat=1\ten=first|first|1st\tlt=pirmas\tstem=pirm"));
    TForm4& l = r.Atverti(redKeisti, r.Sarasas().Galva());
    auto* korteles = Valdiklis<QTabWidget>(l, "PageControl1");
    QCOMPARE(korteles->currentIndex(), 4);
    for (int i = 0; i < korteles->count(); ++i) QCOMPARE(korteles->isTabVisible(i), i == 4);
    QVERIFY(Valdiklis<QRadioButton>(l, "SkaitvTipas1")->isChecked());
    auto* kaitomas = Valdiklis<QCheckBox>(l, "SkaitvKaitomas");
    QVERIFY(kaitomas->isChecked() && !kaitomas->isEnabled());
    QVERIFY(Valdiklis<QComboBox>(l, "SkaitvKelintinioLinksniuote")->isEnabled());
    QVERIFY(!Valdiklis<QComboBox>(l, "SkaitvKiekinioLinksniuote")->isEnabled());
    QCOMPARE(LaukoTekstas(l, "SkaitvPavyzdys1"), u"pirmas, pirmo, pirmam, pirmą, pirmu, pirmame"_s);

    Nustatyti(l, "SkaitvKamienas", u"antr"_s);
    r.Issaugoti();
    QCOMPARE(r.Sarasas().Kiekis(), 1);
    QCOMPARE(Tekstu(r.Sarasas().Galva()->Duomenys),
             u"pos=13\tcat=1\ten=first|first|1st\tlt=antras\tstem=antr"_s);
    QVERIFY(r.Zodynai.PagrindinisPakeistas);
    QVERIFY(SkaitytiFaila(r.MainZod()).isEmpty());
    QVERIFY(r.Dialogai.Klausta.isEmpty());
  }

  void atvertasNaujamZodziui() {
    Redaktorius r(1);
    TForm4& l = r.Atverti(redPapildyti, nullptr, "box");
    QCOMPARE(Valdiklis<QTabWidget>(l, "PageControl1")->currentIndex(), 0);
    for (const char* vardas :
         {"DaiktVienaskaita", "BudvPaprasta", "VeiksmBendratis", "IvardAngliskas", "KitaAngliskas"})
      QCOMPARE(LaukoTekstas(l, vardas), u"box"_s);
    QCOMPARE(LaukoTekstas(l, "DaiktDaugiskaita"), u"boxes"_s);
    QCOMPARE(LaukoTekstas(l, "SkaitvVienaskaita"), QString());

    Paspausti(l, "BudvMoreMost");
    Paspausti(l, "ValytiLaukus");
    for (const char* vardas : {"DaiktVienaskaita", "DaiktDaugiskaita", "BudvPaprasta",
                               "VeiksmBendratis", "VeiksmTreciasisAsmuo", "KitaAngliskas"})
      QCOMPARE(LaukoTekstas(l, vardas), QString());
    QVERIFY(Valdiklis<QCheckBox>(l, "BudvMoreMost")->isChecked());
    QVERIFY(Valdiklis<QCheckBox>(l, "VeiksmTaisyklingas")->isChecked());
    QCOMPARE(Valdiklis<QComboBox>(l, "KitaKalbosDalis")->currentIndex(), 0);
    Paspausti(l, "Iseiti");
    QCOMPARE(l.result(), int{QDialog::Rejected});
  }

  // A refusal is shown and saves nothing, in the list or in main.zod; a text longer than the
  // dictionary holds is refused rather than cut.
  void netinkamiLaukaiNeissaugomi() {
    Redaktorius r(0);
    TForm4& l = r.Atverti();
    Nustatyti(l, "DaiktKamienas", u"nam"_s);
    r.Issaugoti();
    Nustatyti(l, "DaiktVienaskaita", u"house"_s);
    Nustatyti(l, "DaiktKamienas", QString(33, u'ą'));
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Pranesimai.size(), 2);
    QVERIFY(r.Dialogai.Pranesimai[0].startsWith(u"Klaida!: "_s));
    QVERIFY(r.Dialogai.Pranesimai[1].contains(QString(33, u'ą')));
    QVERIFY(r.Sarasas().Tuscias());
    QVERIFY(SkaitytiFaila(r.MainZod()).isEmpty());
  }

  void failoKlaidaNepapildoSaraso() {
    Redaktorius r(0);
    r.Zodynai.ProgramosKatalogas = "/nonexistent/kervosta";
    r.Atverti(redPapildyti, nullptr, "house");
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Klaidos.size(), 1);
    QVERIFY(r.Sarasas().Tuscias());
  }

  // The example forms follow the stem, the paradigm and the number chosen; the English forms,
  // the tense stems and the classes are filled in from what is typed first.
  void puslapiaiSekaRasoma() {
    Redaktorius r(1);
    TForm4& l = r.Atverti();
    Nustatyti(l, "DaiktVienaskaita", u"church"_s);
    QCOMPARE(LaukoTekstas(l, "DaiktDaugiskaita"), u"churches"_s);
    Nustatyti(l, "DaiktKamienas", u"nam"_s);
    QCOMPARE(LaukoTekstas(l, "DaiktPavyzdys1"), u"namas, namo, namui, namą, namu, name"_s);
    Nustatyti(l, "DaiktLinksniuote", u"5"_s);
    QCOMPARE(LaukoTekstas(l, "DaiktPavyzdys1"), u"nama, namos, namai, namą, nama, namoje"_s);
    Paspausti(l, "DaiktLietSkaicius1");
    QVERIFY(!Valdiklis(l, "DaiktPavyzdys1")->isHidden());
    QVERIFY(Valdiklis(l, "DaiktPavyzdys2")->isHidden());
    Paspausti(l, "DaiktAnglSkaicius2");
    QVERIFY(!Valdiklis(l, "DaiktVienaskaita")->isEnabled());

    Puslapis(l, 2);
    Nustatyti(l, "VeiksmBendratis", u"walk"_s);
    const auto formos = [&] {
      QStringList rodomos;
      for (const char* vardas : {"VeiksmTreciasisAsmuo", "VeiksmAntraForma", "VeiksmTreciaForma",
                                 "VeiksmIngForma"})
        rodomos << LaukoTekstas(l, vardas);
      return rodomos;
    };
    QCOMPARE(formos(), (QStringList{u"walks"_s, u"walked"_s, u"walked"_s, u"walking"_s}));
    Paspausti(l, "VeiksmTaisyklingas");
    QCOMPARE(formos(), (QStringList{u"walks"_s, u"walk"_s, u"walk"_s, u"walking"_s}));
    Nustatyti(l, "VeiksmKamienas", u"dirb"_s);
    for (const char* kamienas :
         {"VeiksmEsamasKamienas", "VeiksmButasKamienas", "VeiksmBusimasKamienas"})
      QCOMPARE(LaukoTekstas(l, kamienas), u"dirb"_s);
    QCOMPARE(LaukoTekstas(l, "VeiksmPavyzdys3"),
             u"dirbsiu, dirbsi, dirbs, dirbsime, dirbsite, dirbs"_s);
    Nustatyti(l, "VeiksmButojoKlase", u"1"_s);
    QCOMPARE(LaukoTekstas(l, "VeiksmPavyzdys2"),
             u"dirbiau, dirbei, dirbė, dirbėme, dirbėte, dirbė"_s);
    Nustatyti(l, "VeiksmBendratiesGalune", u"1"_s);
    QCOMPARE(Valdiklis<QComboBox>(l, "VeiksmBusimojoKlase")->currentIndex(), 1);

    // A pronoun shows forms only while it is declined.
    Puslapis(l, 3);
    Nustatyti(l, "IvardKamienas", u"t"_s);
    auto* linksniuote = Valdiklis<QComboBox>(l, "IvardLinksniuote");
    QVERIFY(LaukoTekstas(l, "IvardPavyzdys1").isEmpty() && !linksniuote->isEnabled());
    Paspausti(l, "IvardLinksniuojamas");
    QVERIFY(linksniuote->isEnabled());
    QCOMPARE(LaukoTekstas(l, "IvardPavyzdys3"), u"ta, tos, tai, tą, ta, toje"_s);

    Puslapis(l, 4);
    Nustatyti(l, "SkaitvVienaskaita", u"ten"_s);
    QCOMPARE(LaukoTekstas(l, "SkaitvDaugiskaita"), u"ten"_s);

    // The comparative and superlative are typed only for an adjective not compared with
    // "more" and "most".
    Puslapis(l, 1);
    QVERIFY(!Valdiklis(l, "BudvAukstesnysis")->isEnabled());
    Paspausti(l, "BudvMoreMost");
    QVERIFY(Valdiklis(l, "BudvAukstesnysis")->isEnabled() &&
            Valdiklis(l, "BudvAuksciausiasis")->isEnabled());
  }
};

QTEST_MAIN(IrasoRedaktoriusTest)
#include "iraso_redaktorius_test.moc"
