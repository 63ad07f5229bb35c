// The main window as it starts: menu commands with their captions and shortcuts, and a start
// without a main dictionary.
#include <QMenu>

#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;

namespace {
struct MeniuPunktas {
  const char *meniu, *vardas, *antraste, *klavisai;
  bool ijungtas = true;
};

// Where each command sits, what it says and its shortcut; the ones not built yet are disabled.
const MeniuPunktas kMeniuPunktai[] = {
    {"&Failai", "Naujas", "&Naujas", "Ctrl+N"},
    {"&Failai", "Atverti", "Atverti...", "F3"},
    {"&Failai", "Saugoti", "&Saugoti", "Ctrl+S"},
    {"&Failai", "SaugotiKaip", "Saugoti kitu &vardu...", "F2"},
    {"&Failai", "Spausdinti", "S&pausdinti", "Ctrl+P"},
    {"&Importuoti...", "ImportuotiWord", "\"Word\" Dokumentą", "Ctrl+W", true},
    {"&Eksportuoti...", "EksportuotiWord", "Išsaugoti kaip \"Word\" Dokumentą", "", true},
    {"&Failai", "Pabaiga", "Pabaiga", "F10"},
    {"&Tekstas", "Atgal", "&Atgal", "Ctrl+Z"},
    {"&Tekstas", "PazymetiViska", "Pažymėti &viską", "Ctrl+A"},
    {"&Tekstas", "Iskirpti", "&Iškirpti", "Ctrl+X"},
    {"&Tekstas", "Kopijuoti", "&Kopijuoti", "Ctrl+C"},
    {"&Tekstas", "Iterpti", "&Terpti", "Ctrl+V"},
    {"&Tekstas", "Spalva", "&Spalva", ""},
    {"&Tekstas", "Paieska", "&Paieška", "Ctrl+F"},
    {"&Tekstas", "Sriftas", "Š&riftas", ""},
    {"Ž&odynas", "ZodziuSarasas", "Žodžių &sąrašas / paieška", "F6", true},
    {"Ž&odynas", "ZodynoPapildymas", "Žodyno papildymas / redagavimas", "F7", true},
    {"Ž&odynas", "Linksniavimas", "&Linskniavimas / Asmenavimas", "", true},
    {"Ž&odynas", "UzkrautiZodyna", "&Užkrauti žodyną", ""},
    {"&Vertimas", "VerstiAutomatiskai", "&Automatiškai", "F4"},
    {"&Vertimas", "VerstiSuKoregavimu", "Su  &koregavimu", "F5"},
    {"&Vertimas", "VerstiPazymeta", "Versti &pažymėtą", "Shift+F4"},
    {"&Vertimas", "GramatineAnalize", "&Gramatinė analizė", "F8", true},
    {"&Vertimas", "VerstiTinklapi", "Versti tinklalapį", "", true},
    {"&Vertimas", "VerstiTinklapiSuKoregavimu", "Versti tinklalapį su koregavimu", "", true},
    {"&Nustatymai", "ProgramosNustatymai", "Programos &nustatymai", ""},
    {"&Nustatymai", "TaisykliuRedagavimas", "&Taisyklių redagavimas", "", false},
    {"&Nustatymai", "SinchroninisSlinkimas", "&Sinchroniškai slinkti tekstus", ""},
    {"&Pagalba", "Dokumentacija", "Dokumentacija", "", false},
    {"&Pagalba", "Apie", "Apie...", ""},
};

}  // namespace

class PagrindinisLangasTest : public QObject {
  Q_OBJECT
 private slots:
  void meniuPunktai() {
    LaikinasKatalogas katalogas;
    ScenarijausDialogai dialogai;
    TForm1 langas(&dialogai);
    for (const MeniuPunktas& p : kMeniuPunktai) {
      const auto* veiksmas = langas.findChild<QAction*>(QString::fromLatin1(p.vardas));
      QVERIFY2(veiksmas, p.vardas);
      const QString meniu = QString::fromUtf8(p.meniu);
      bool meniuje = false;
      for (const QMenu* m : langas.findChildren<QMenu*>())
        meniuje |= m->title() == meniu && m->actions().contains(veiksmas);
      // One line per command, so a mismatch names it.
      const auto eilute = [&](const QString& kur, const QString& antraste, const QString& klavisai,
                              bool ijungtas) {
        return QStringList{p.vardas, kur, antraste, klavisai, ijungtas ? "on" : "off"}.join('|');
      };
      QCOMPARE(eilute(meniuje ? meniu : "-", veiksmas->text(), veiksmas->shortcut().toString(),
                      veiksmas->isEnabled()),
               eilute(meniu, QString::fromUtf8(p.antraste), p.klavisai, p.ijungtas));
    }
  }

  // A missing main dictionary is reported once; the built-in words still translate.
  void pradziaBeZodynoRodoKlaidaIrVeikia() {
    LaikinasKatalogas katalogas;
    ScenarijausDialogai dialogai;
    TForm1 langas(&dialogai);
    QCOMPARE(dialogai.Klaidos.size(), 1);
    QVERIFY(dialogai.Klaidos.first().contains(QStringLiteral("main.zod")));
    QVERIFY(langas.Busena().Zodynai.PagrindinisZodynas.Tuscias());
    langas.AngluRedaktorius()->setPlainText(QStringLiteral("I have."));
    langas.findChild<QAction*>("VerstiAutomatiskai")->trigger();
    QCOMPARE(langas.LietuviuRedaktorius()->toPlainText().trimmed(), QStringLiteral("Aš turiu."));
  }
};

QTEST_MAIN(PagrindinisLangasTest)
#include "pagrindinis_langas_test.moc"
