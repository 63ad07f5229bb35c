// The dictionary entry editor driven as a user drives it: pages filled by typing and choosing,
// entries saved into the user list and into the main list and its file, the analogous-entry
// question, change mode, refusals and the forms filled in and shown while typing.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "app/iraso_redaktorius.h"
#include "core/cp1257.h"
#include "morphology/iraso_laukai.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::literals;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {

std::string Lt(const char* utf8) { return IsUtf8(utf8).Tekstas; }

template <typename W>
W* Valdiklis(const QWidget& langas, const char* vardas) {
  W* valdiklis = langas.findChild<W*>(QString::fromLatin1(vardas));
  if (!valdiklis) qFatal("the editor has no %s", vardas);
  return valdiklis;
}

QLineEdit* Laukas(const QWidget& langas, const char* vardas) {
  return Valdiklis<QLineEdit>(langas, vardas);
}
QString Tekstas(const QWidget& langas, const char* vardas) {
  return Laukas(langas, vardas)->text();
}

// Replaces a box's text by typing.
void Ivesti(const QWidget& langas, const char* vardas, const QString& tekstas) {
  QLineEdit* laukas = Laukas(langas, vardas);
  laukas->selectAll();
  QTest::keyClick(laukas, Qt::Key_Backspace);
  Rasyti(laukas, tekstas);
}

void Pasirinkti(const QWidget& langas, const char* vardas, int indeksas) {
  Valdiklis<QComboBox>(langas, vardas)->setCurrentIndex(indeksas);
}

// A check box or radio button is clicked on its indicator, at its left end.
void Spausti(const QWidget& langas, const char* vardas) {
  auto* mygtukas = Valdiklis<QAbstractButton>(langas, vardas);
  const int puse = mygtukas->height() / 2;
  QTest::mouseClick(mygtukas, Qt::LeftButton, {},
                    qobject_cast<QPushButton*>(mygtukas) ? mygtukas->rect().center()
                                                         : QPoint(puse, puse));
}

QTabWidget* Korteles(const QWidget& langas) {
  return Valdiklis<QTabWidget>(langas, "PageControl1");
}

// An editor over its own dictionaries; `ProgramosKatalogas` holds an empty main.zod.
struct Redaktorius {
  LaikinasKatalogas Katalogas;
  ZodynuRinkinys Zodynai;
  ScenarijausDialogai Dialogai;
  std::unique_ptr<TForm4> Langas;

  explicit Redaktorius(std::uint8_t vartotojoRezimas) {
    Zodynai.VartotojoRezimas = vartotojoRezimas;
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
  void Issaugoti() const { Spausti(*Langas, "BitBtn1"); }
};

ZodynoIrasas Irasas(const QByteArray& baitai, qsizetype nuo) {
  ZodynoIrasas::Baitai b{};
  std::copy_n(baitai.constData() + nuo, b.size(), b.begin());
  return ZodynoIrasas(b);
}

struct Zodis {
  const char* pavadinimas;
  int puslapis;
  std::function<void(const QWidget&)> pildyti;
  IrasoLaukai laukai;  // what the page holds once filled, forms filled in automatically included
  std::string lietZodis;
};

// One entry of every part of speech, filled as a user would fill it.
std::vector<Zodis> KiekvienaKalbosDalis() {
  return {
      {"noun", 0,
       [](const QWidget& l) {
         Ivesti(l, "DaiktVienaskaita", u"house"_s);
         Ivesti(l, "DaiktKamienas", u"nam"_s);
         Pasirinkti(l, "DaiktKategorija", 6);
       },
       DaiktavardzioLaukai{.Vienaskaita = "house", .Daugiskaita = "houses", .Kamienas = "nam",
                           .Kategorija = 6},
       "namas"},
      {"adjective", 1,
       [](const QWidget& l) {
         Ivesti(l, "BudvPaprasta", u"good"_s);
         Spausti(l, "BudvMoreMost");
         Ivesti(l, "BudvAukstesnysis", u"better"_s);
         Ivesti(l, "BudvAuksciausiasis", u"best"_s);
         Ivesti(l, "BudvKamienas", u"ger"_s);
       },
       BudvardzioLaukai{.Paprasta = "good", .MoreMost = false, .Aukstesnysis = "better",
                        .Auksciausiasis = "best", .Kamienas = "ger"},
       "geras"},
      {"verb", 2,
       [](const QWidget& l) {
         Ivesti(l, "VeiksmBendratis", u"walk"_s);
         Ivesti(l, "VeiksmKamienas", u"vaikščio"_s);
         Ivesti(l, "VeiksmEsamasKamienas", u"vaikšt"_s);
         Ivesti(l, "VeiksmButasKamienas", u"vaikščioj"_s);
         Pasirinkti(l, "VeiksmEsamojoKlase", 3);
         Pasirinkti(l, "VeiksmKlausimas", 4);
         Pasirinkti(l, "VeiksmKategorija", 2);
       },
       VeiksmazodzioLaukai{.Bendratis = "walk", .TreciasisAsmuo = "walks",
                           .AntraForma = "walked", .TreciaForma = "walked",
                           .IngForma = "walking", .Kamienas = Lt("vaikščio"), .Klausimas = 4,
                           .Kategorija = 2, .EsamasKamienas = Lt("vaikšt"), .EsamojoKlase = 3,
                           .ButasKamienas = Lt("vaikščioj"),
                           .BusimasKamienas = Lt("vaikščio")},
       Lt("vaikščioti")},
      {"pronoun", 3,
       [](const QWidget& l) {
         Ivesti(l, "IvardAngliskas", u"this"_s);
         Ivesti(l, "IvardKamienas", u"š"_s);
         Pasirinkti(l, "IvardRusis", 6);
         Spausti(l, "IvardLinksniuojamas");
         Pasirinkti(l, "IvardLinksniuote", 1);
       },
       IvardzioLaukai{.Angliskas = "this", .Kamienas = Lt("š"), .Rusis = 6,
                      .Linksniuojamas = true, .Linksniuote = 1},
       Lt("šis")},
      {"numeral", 4,
       [](const QWidget& l) {
         Ivesti(l, "SkaitvVienaskaita", u"two"_s);
         Ivesti(l, "SkaitvSkaitmenys", u"2"_s);
         Ivesti(l, "SkaitvKamienas", u"du"_s);
         Spausti(l, "SkaitvKaitomas");
         Pasirinkti(l, "SkaitvKiekinioLinksniuote", 5);
       },
       SkaitvardzioLaukai{.Vienaskaita = "two", .Daugiskaita = "two", .Skaitmenys = "2",
                          .Kamienas = "du", .Kaitomas = true, .KiekinioLinksniuote = 5},
       "du"},
      {"other", 5,
       [](const QWidget& l) {
         Pasirinkti(l, "KitaKalbosDalis", 7);
         Pasirinkti(l, "KitaKlausimas", 4);
         Ivesti(l, "KitaAngliskas", u"about"_s);
         Ivesti(l, "KitaLietuviskas", u"apie"_s);
       },
       KitoZodzioLaukai{.KalbosDalis = 7, .Klausimas = 4, .Angliskas = "about",
                        .Lietuviskas = "apie"},
       "apie"},
  };
}

ZodynoIrasas Pildyti(Redaktorius& r, const Zodis& zodis) {
  Korteles(*r.Langas)->setCurrentIndex(zodis.puslapis);
  zodis.pildyti(*r.Langas);
  return SudarytiIrasa(zodis.laukai);
}

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
    Redaktorius r(static_cast<std::uint8_t>(vartotojoRezimas));
    r.Atverti();
    int kiekis = 0;
    for (const Zodis& zodis : KiekvienaKalbosDalis()) {
      const ZodynoIrasas tikimasi = Pildyti(r, zodis);
      r.Issaugoti();
      ++kiekis;
      QVERIFY2(r.Sarasas().Kiekis() == kiekis, zodis.pavadinimas);
      const ZodynoIrasas& irasas = r.Sarasas().Uodega()->Duomenys;
      QVERIFY2(irasas == tikimasi, zodis.pavadinimas);
      QCOMPARE(irasas.LietZodis(), zodis.lietZodis);
      if (vartotojoRezimas == 0) {
        // A new main-dictionary entry reaches the file at once.
        const QByteArray failas = SkaitytiFaila(r.MainZod());
        QCOMPARE(failas.size(), kiekis * qsizetype{ZodynoIrasas::Dydis});
        const qsizetype uodega = failas.size() - qsizetype{ZodynoIrasas::Dydis};
        QVERIFY2(Irasas(failas, uodega) == irasas, zodis.pavadinimas);
      }
    }
    QVERIFY(r.Dialogai.Klausta.isEmpty() && r.Dialogai.Pranesimai.isEmpty());
    QCOMPARE(r.Zodynai.VartotojoPakeistas, vartotojoRezimas == 1);
    if (vartotojoRezimas == 1) QVERIFY(SkaitytiFaila(r.MainZod()).isEmpty());
    // The editor stayed open for the next entry; leaving it tells the opener something changed.
    QVERIFY(r.Langas->isVisible());
    Spausti(*r.Langas, "Iseiti");
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
    Redaktorius r(static_cast<std::uint8_t>(vartotojoRezimas));
    r.Atverti(redPapildyti, nullptr, "house");
    Ivesti(*r.Langas, "DaiktKamienas", u"nam"_s);
    r.Issaugoti();
    QVERIFY(r.Dialogai.Klausta.isEmpty());

    r.Dialogai.Atsakymai = {Atsakymas::Ne, Atsakymas::Atsaukti, Atsakymas::Taip};
    r.Issaugoti();
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Klausta, QStringList(2, klausimas));
    QCOMPARE(r.Sarasas().Kiekis(), 1);
    r.Issaugoti();
    QCOMPARE(r.Sarasas().Kiekis(), 2);
    QCOMPARE(r.Sarasas().Uodega()->Duomenys, r.Sarasas().Galva()->Duomenys);
    QCOMPARE(SkaitytiFaila(r.MainZod()).size(),
             vartotojoRezimas == 0 ? 2 * qsizetype{ZodynoIrasas::Dydis} : 0);

    // An entry saved unchanged finds itself; "Yes" keeps it as it was.
    const ZodynoIrasas pries = r.Sarasas().Galva()->Duomenys;
    r.Zodynai.VartotojoPakeistas = r.Zodynai.PagrindinisPakeistas = false;
    r.Atverti(redKeisti, r.Sarasas().Galva());
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Klausta.size(), 4);
    QCOMPARE(r.Dialogai.Klausta.last(), klausimas);
    QCOMPARE(r.Sarasas().Kiekis(), 2);
    QCOMPARE(r.Sarasas().Galva()->Duomenys, pries);
    QVERIFY(!r.Zodynai.VartotojoPakeistas && !r.Zodynai.PagrindinisPakeistas);
  }

  // Change mode offers only the entry's own page, loaded from the record, and saves onto its
  // node without touching main.zod.
  void keiciaSavoPuslapyje() {
    Redaktorius r(0);
    r.Sarasas().Prideti(SudarytiIrasa(SkaitvardzioLaukai{
        .Tipas = 1, .Vienaskaita = "first", .Daugiskaita = "first", .Skaitmenys = "1st",
        .Kamienas = "pirm"}));
    TForm4& l = r.Atverti(redKeisti, r.Sarasas().Galva());
    QCOMPARE(l.windowTitle(), u"Žodynas: papildyti / redaguoti"_s);
    QCOMPARE(Valdiklis<QPushButton>(l, "BitBtn1")->text(), u"Išsaugoti"_s);
    QTabWidget* korteles = Korteles(l);
    QCOMPARE(korteles->currentIndex(), 4);
    QCOMPARE(korteles->tabText(4), u"Skaitvardis"_s);
    for (int i = 0; i < korteles->count(); ++i) QCOMPARE(korteles->isTabVisible(i), i == 4);
    QVERIFY(Valdiklis<QRadioButton>(l, "SkaitvTipas1")->isChecked());
    QCOMPARE(Tekstas(l, "SkaitvVienaskaita"), u"first"_s);
    QCOMPARE(Tekstas(l, "SkaitvSkaitmenys"), u"1st"_s);
    auto* kaitomas = Valdiklis<QCheckBox>(l, "SkaitvKaitomas");
    QVERIFY(kaitomas->isChecked() && !kaitomas->isEnabled());
    QVERIFY(Valdiklis<QComboBox>(l, "SkaitvKelintinioLinksniuote")->isEnabled());
    QVERIFY(!Valdiklis<QComboBox>(l, "SkaitvKiekinioLinksniuote")->isEnabled());
    QCOMPARE(Tekstas(l, "SkaitvPavyzdys1"), u"pirmas, pirmo, pirmam, pirmą, pirmu, pirmame"_s);

    Ivesti(l, "SkaitvKamienas", u"antr"_s);
    r.Issaugoti();
    QCOMPARE(r.Sarasas().Kiekis(), 1);
    QCOMPARE(r.Sarasas().Galva()->Duomenys.LietZodis(), std::string("antras"));
    QVERIFY(r.Zodynai.PagrindinisPakeistas);
    QVERIFY(SkaitytiFaila(r.MainZod()).isEmpty());
    QVERIFY(r.Dialogai.Klausta.isEmpty());
  }

  void atvertasNaujamZodziui() {
    Redaktorius r(1);
    TForm4& l = r.Atverti(redPapildyti, nullptr, "box");
    QCOMPARE(Valdiklis<QPushButton>(l, "BitBtn1")->text(), u"Papildyti"_s);
    QVERIFY(Valdiklis<QPushButton>(l, "BitBtn1")->isDefault());
    QCOMPARE(Korteles(l)->currentIndex(), 0);
    for (const char* vardas :
         {"DaiktVienaskaita", "BudvPaprasta", "VeiksmBendratis", "IvardAngliskas", "KitaAngliskas"})
      QCOMPARE(Tekstas(l, vardas), u"box"_s);
    QCOMPARE(Tekstas(l, "DaiktDaugiskaita"), u"boxes"_s);
    QCOMPARE(Tekstas(l, "SkaitvVienaskaita"), QString());

    Spausti(l, "BudvMoreMost");
    Spausti(l, "ValytiLaukus");
    for (const char* vardas : {"DaiktVienaskaita", "DaiktDaugiskaita", "BudvPaprasta",
                               "VeiksmBendratis", "VeiksmTreciasisAsmuo", "KitaAngliskas"})
      QCOMPARE(Tekstas(l, vardas), QString());
    QVERIFY(Valdiklis<QCheckBox>(l, "BudvMoreMost")->isChecked());
    QVERIFY(Valdiklis<QCheckBox>(l, "VeiksmTaisyklingas")->isChecked());
    QCOMPARE(Valdiklis<QComboBox>(l, "KitaKalbosDalis")->currentIndex(), 0);
    Spausti(l, "Iseiti");
    QCOMPARE(l.result(), int{QDialog::Rejected});
  }

  void netinkamiLaukaiNeissaugomi() {
    Redaktorius r(0);
    TForm4& l = r.Atverti();
    Ivesti(l, "DaiktKamienas", u"nam"_s);
    r.Issaugoti();
    Ivesti(l, "DaiktVienaskaita", u"house"_s);
    Ivesti(l, "DaiktKamienas", QString(33, u'ą'));
    r.Issaugoti();
    QCOMPARE(r.Dialogai.Pranesimai,
             (QStringList{u"Klaida!: Įveskite anglišką žodį."_s,
                          u"Klaida!: Tekstas „"_s + QString(33, u'ą') +
                              u"“ per ilgas: žodyne telpa ne daugiau kaip 32 simboliai."_s}));
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

  void pavyzdziaiSekaKamienaIrParadigma() {
    Redaktorius r(1);
    TForm4& l = r.Atverti();
    Rasyti(Laukas(l, "DaiktKamienas"), u"nam"_s);
    QCOMPARE(Tekstas(l, "DaiktPavyzdys1"), u"namas, namo, namui, namą, namu, name"_s);
    QCOMPARE(Tekstas(l, "DaiktPavyzdys2"), u"namai, namų, namams, namus, namais, namuose"_s);
    Pasirinkti(l, "DaiktLinksniuote", 5);
    QCOMPARE(Tekstas(l, "DaiktPavyzdys1"), u"nama, namos, namai, namą, nama, namoje"_s);
    Spausti(l, "DaiktLietSkaicius1");
    QVERIFY(!Laukas(l, "DaiktPavyzdys1")->isHidden() && Laukas(l, "DaiktPavyzdys2")->isHidden());
    Spausti(l, "DaiktAnglSkaicius2");
    QVERIFY(!Laukas(l, "DaiktVienaskaita")->isEnabled());
    QVERIFY(Laukas(l, "DaiktDaugiskaita")->isEnabled());

    Korteles(l)->setCurrentIndex(2);
    Rasyti(Laukas(l, "VeiksmKamienas"), u"dirb"_s);
    QCOMPARE(Tekstas(l, "VeiksmPavyzdys3"), u"dirbsiu, dirbsi, dirbs, dirbsime, dirbsite, dirbs"_s);
    Pasirinkti(l, "VeiksmButojoKlase", 1);
    QCOMPARE(Tekstas(l, "VeiksmPavyzdys2"), u"dirbiau, dirbei, dirbė, dirbėme, dirbėte, dirbė"_s);

    // A pronoun shows forms only while it is declined.
    Korteles(l)->setCurrentIndex(3);
    Rasyti(Laukas(l, "IvardKamienas"), u"t"_s);
    auto* linksniuote = Valdiklis<QComboBox>(l, "IvardLinksniuote");
    QVERIFY(Tekstas(l, "IvardPavyzdys1").isEmpty() && !linksniuote->isEnabled());
    Spausti(l, "IvardLinksniuojamas");
    QVERIFY(linksniuote->isEnabled());
    QCOMPARE(Tekstas(l, "IvardPavyzdys3"), u"ta, tos, tai, tą, ta, toje"_s);
  }

  void pildoAngliskasFormasRasant() {
    Redaktorius r(1);
    TForm4& l = r.Atverti();
    Ivesti(l, "DaiktVienaskaita", u"church"_s);
    QCOMPARE(Tekstas(l, "DaiktDaugiskaita"), u"churches"_s);

    Korteles(l)->setCurrentIndex(2);
    Ivesti(l, "VeiksmBendratis", u"walk"_s);
    const auto formos = [&] {
      return QStringList{Tekstas(l, "VeiksmTreciasisAsmuo"), Tekstas(l, "VeiksmAntraForma"),
                         Tekstas(l, "VeiksmTreciaForma"), Tekstas(l, "VeiksmIngForma")};
    };
    QCOMPARE(formos(), (QStringList{u"walks"_s, u"walked"_s, u"walked"_s, u"walking"_s}));
    Spausti(l, "VeiksmTaisyklingas");
    QCOMPARE(formos(), (QStringList{u"walks"_s, u"walk"_s, u"walk"_s, u"walking"_s}));
    Ivesti(l, "VeiksmKamienas", u"mokė"_s);
    for (const char* kamienas :
         {"VeiksmEsamasKamienas", "VeiksmButasKamienas", "VeiksmBusimasKamienas"})
      QCOMPARE(Tekstas(l, kamienas), u"mokė"_s);
    Pasirinkti(l, "VeiksmBendratiesGalune", 1);
    QCOMPARE(Valdiklis<QComboBox>(l, "VeiksmBusimojoKlase")->currentIndex(), 1);

    Korteles(l)->setCurrentIndex(4);
    Ivesti(l, "SkaitvVienaskaita", u"ten"_s);
    QCOMPARE(Tekstas(l, "SkaitvDaugiskaita"), u"ten"_s);

    // The comparative and superlative are typed only for an adjective not compared with
    // "more" and "most".
    Korteles(l)->setCurrentIndex(1);
    QVERIFY(!Laukas(l, "BudvAukstesnysis")->isEnabled());
    Spausti(l, "BudvMoreMost");
    QVERIFY(Laukas(l, "BudvAukstesnysis")->isEnabled());
    QVERIFY(Laukas(l, "BudvAuksciausiasis")->isEnabled());
  }
};

QTEST_MAIN(IrasoRedaktoriusTest)
#include "iraso_redaktorius_test.moc"
