// The main window as it starts: menu commands with their captions and shortcuts, the toolbars
// with their hints, the editing commands, and a start without a main dictionary.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QToolBar>

#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

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

// Each toolbar from left to right: a command or box as "name=hint", "|" a separator.
const struct {
  const char* juosta;
  QStringList turinys;
} kIrankines[] = {
    {"ToolBar1",
     {u"Naujas=Naujas failas"_s, u"Atverti=Atverti failą"_s, u"Saugoti=Išsaugoti failą"_s,
      u"Spausdinti=Spausdinti dokumentą"_s, u"|"_s, u"Iskirpti=Iškirpti teikstą"_s,
      u"Kopijuoti=Įsiminti tekstą"_s, u"Iterpti=Įterpti tekstą"_s, u"Atgal=Atstatyti"_s, u"|"_s,
      u"VerstiAutomatiskai=Autmatinis vertimas"_s, u"VerstiSuKoregavimu=Vetimas su koregavimu"_s}},
    {"ToolBar3",
     {u"TinklapioMygtukas="_s, u"WebAdr=Įveskita tinklalapio adresą"_s,
      u"VerstiTinklapi=Versti tinklalapį"_s,
      u"VerstiTinklapiSuKoregavimu=Versti tinklalapį su koregavimu"_s, u"|"_s,
      u"EksportuotiWord=Exportas į Word"_s, u"ImportuotiWord=Importas iš Word"_s}},
    {"ToolBar2",
     {u"FontName=Šriftas"_s, u"FontSize=Dydis"_s, u"Pusjuodis=Pusjuodis"_s, u"Kursyvas=Kursyvas"_s,
      u"Pabrauktas=Pabrauktas"_s, u"Zenklinimas=Sąrašas"_s, u"|"_s,
      u"LygiuotiKairen=Lygiuoti kairėje"_s, u"LygiuotiCentre=Centruoti"_s,
      u"LygiuotiDesinen=Lygiuoti dešinėje"_s, u"|"_s, u"Spalva=Spalva"_s, u"Paieska=Paieška"_s}},
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

  // Every button shows an icon; the boxes are the toolbar's own widgets.
  void irankines() {
    LaikinasKatalogas katalogas;
    ScenarijausDialogai dialogai;
    TForm1 langas(&dialogai);
    for (const auto& i : kIrankines) {
      const auto* juosta = langas.findChild<QToolBar*>(QString::fromLatin1(i.juosta));
      QVERIFY2(juosta, i.juosta);
      QStringList turinys;
      for (QAction* veiksmas : juosta->actions()) {
        const QWidget* valdiklis = juosta->widgetForAction(veiksmas);
        if (veiksmas->isSeparator())
          turinys << u"|"_s;
        else if (veiksmas->objectName().isEmpty() && valdiklis)
          turinys << valdiklis->objectName() + u'=' + valdiklis->toolTip();
        else
          turinys << veiksmas->objectName() + u'=' + veiksmas->toolTip();
        if (!veiksmas->isSeparator() && veiksmas->objectName().size())
          QVERIFY2(!veiksmas->icon().isNull(), qPrintable(veiksmas->objectName()));
      }
      QCOMPARE(turinys, i.turinys);
    }
  }

  // Two commands with one shortcut would leave Qt running neither.
  void klavisaiNesikartoja() {
    LaikinasKatalogas katalogas;
    ScenarijausDialogai dialogai;
    TForm1 langas(&dialogai);
    QStringList klavisai;
    for (const QAction* veiksmas : langas.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
      if (!veiksmas->shortcut().isEmpty()) klavisai << veiksmas->shortcut().toString();
    QVERIFY(!klavisai.isEmpty());
    const qsizetype kiek = klavisai.size();
    klavisai.removeDuplicates();
    QCOMPARE(klavisai.size(), kiek);
  }

  // Selecting, copying, cutting, pasting and undoing act on the editor that had the focus last.
  void redagavimasAktyviajameRedaktoriuje() {
    RodomasLangas l;
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    l.Anglai()->setPlainText(u"one two"_s);
    lietuviu->setPlainText(u"vienas du"_s);
    lietuviu->setFocus();
    QTRY_VERIFY(!l.Langas.AnglaiAktyvus());
    l.Komanda("PazymetiViska");
    QCOMPARE(lietuviu->textCursor().selectedText(), u"vienas du"_s);
    l.Komanda("Kopijuoti");
    QCOMPARE(QGuiApplication::clipboard()->text(), u"vienas du"_s);
    l.Komanda("Iskirpti");
    QVERIFY(lietuviu->document()->isEmpty());
    l.Komanda("Iterpti");
    l.Komanda("Iterpti");
    QCOMPARE(lietuviu->toPlainText(), u"vienas duvienas du"_s);
    l.Komanda("Atgal");
    QCOMPARE(lietuviu->toPlainText(), u"vienas du"_s);
    QCOMPARE(l.Anglu(), u"one two"_s);
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
