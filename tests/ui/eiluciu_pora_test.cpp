// The English and Lithuanian editors as a pair of texts whose lines match: the caret's line
// highlighted in both, scrolling together, and translating only the selected lines.
#include <QScrollBar>
#include <QTextBlock>

#include "app/eiluciu_pora.h"
#include "app/koduote.h"
#include "app/redaktoriaus_eilutes.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/ui/ui_pagalba.h"
#include "translation/vertimas.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {
QStringList Eilutes(const QTextEdit* redaktorius) {
  return GrynasTekstas(*redaktorius->document()).split(u'\n');
}

void Zymeklis(QTextEdit* redaktorius, int nuo, int iki) {
  QTextCursor zymeklis = redaktorius->textCursor();
  zymeklis.setPosition(nuo);
  zymeklis.setPosition(iki, QTextCursor::KeepAnchor);
  redaktorius->setTextCursor(zymeklis);
}

// The text of the highlighted line, or "-" without one.
QString Pazymeta(const QTextEdit* redaktorius) {
  const auto zymes = redaktorius->extraSelections();
  if (zymes.isEmpty()) return u"-"_s;
  QTextCursor eilute = zymes.last().cursor;
  return eilute.selectedText().remove(QChar::ParagraphSeparator).remove(QChar::LineSeparator);
}

// A few pixels down, clear of the rounding of the line above.
int PirmaMatomaEilute(const QTextEdit* redaktorius) {
  return EilutesNumeris(*redaktorius->document(),
                        redaktorius->cursorForPosition(QPoint(0, 3)).position());
}
}  // namespace

class EiluciuPoraTest : public QObject {
  Q_OBJECT
 private slots:
  void zymimaTaPatiEiluteAbiejuose() {
    RodomasLangas l;
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    l.Anglai()->setPlainText(u"one\ntwo\u2028three"_s);  // a line break inside a paragraph ends a line
    lietuviu->setPlainText(u"vienas\ndu"_s);
    l.Anglai()->setFocus();
    Zymeklis(l.Anglai(), 5, 5);
    QTRY_COMPARE(l.Langas.Pora().PazymetaEilute(), 1);
    QCOMPARE(Pazymeta(l.Anglai()), u"two"_s);
    QCOMPARE(Pazymeta(lietuviu), u"du"_s);
    Zymeklis(l.Anglai(), 10, 10);
    QTRY_COMPARE(Pazymeta(l.Anglai()), u"three"_s);
    QCOMPARE(Pazymeta(lietuviu), u"-"_s);
    Zymeklis(l.Anglai(), 0, 4);  // the whole first line, up to the start of the second
    QTRY_COMPARE(Pazymeta(l.Anglai()), u"one"_s);

    lietuviu->setFocus();
    Zymeklis(lietuviu, 0, 0);
    QTRY_COMPARE(Pazymeta(l.Anglai()), u"one"_s);
    QCOMPARE(Pazymeta(lietuviu), u"vienas"_s);
  }

  // Lines as the editors' paragraphs and the line breaks inside them make them, whatever the
  // document holds: empty lines at either end, breaks in a row, a table.
  void eilutesKaipPastraipos() {
    const auto pastraipomis = [](const QTextDocument& dokumentas) {
      QList<std::pair<int, int>> eilutes;
      for (QTextBlock blokas = dokumentas.begin(); blokas.isValid(); blokas = blokas.next()) {
        int pradzia = blokas.position();
        const QString tekstas = blokas.text();
        for (qsizetype i = tekstas.indexOf(QChar::LineSeparator); i >= 0;
             i = tekstas.indexOf(QChar::LineSeparator, i + 1)) {
          eilutes.append({pradzia, blokas.position() + int(i)});
          pradzia = blokas.position() + int(i) + 1;
        }
        eilutes.append({pradzia, blokas.position() + int(tekstas.size())});
      }
      return eilutes;
    };
    const QString dokumentai[] = {
        u""_s, u"<p></p><p></p>"_s, u"a<br><br>b<p>c</p>"_s, u"<br>x<p></p><p>yy<br></p>"_s,
        u"before<table><tr><td>a</td><td>b<br>c</td></tr></table>after"_s};
    for (const QString& html : dokumentai) {
      QTextDocument dokumentas;
      dokumentas.setHtml(html);
      const QList<std::pair<int, int>> tiketina = pastraipomis(dokumentas);
      QList<std::pair<int, int>> visos;
      for (const EilutesRibos& r : EiluciuRibos(dokumentas)) visos.append({r.Pradzia, r.Pabaiga});
      QCOMPARE(visos, tiketina);
      for (int eilute = 0; eilute <= visos.size(); ++eilute) {
        const std::optional<EilutesRibos> ribos = RastiEilute(dokumentas, eilute);
        QCOMPARE(ribos.has_value(), eilute < visos.size());
        if (ribos) QCOMPARE(std::pair(ribos->Pradzia, ribos->Pabaiga), visos[eilute]);
      }
      for (int pozicija = 0; pozicija < dokumentas.characterCount(); ++pozicija) {
        const auto [pradzia, pabaiga] = visos[EilutesNumeris(dokumentas, pozicija)];
        QVERIFY(pradzia <= pozicija && pozicija <= pabaiga);
      }
    }
  }

  // Scrolling either editor brings the same line to the top of the other, whatever the lines'
  // heights; the setting switches it off, and the next run remembers.
  void slenkamaKartu() {
    RodomasLangas l;
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    QStringList anglu, lietuviskai;
    for (int i = 0; i < 150; ++i) {
      anglu << u"Line %1"_s.arg(i);
      lietuviskai << (i % 3 ? u"Eilutė %1"_s.arg(i) : u"Ilga eilutė %1 "_s.arg(i).repeated(30));
    }
    l.Anglai()->setPlainText(anglu.join(u'\n'));
    lietuviu->setPlainText(lietuviskai.join(u'\n'));
    const auto slinkti = [](QTextEdit* redaktorius, int eilute) {
      QTextCursor zymeklis(redaktorius->document());
      zymeklis.setPosition(EiluciuRibos(*redaktorius->document())[eilute].Pradzia);
      redaktorius->verticalScrollBar()->setValue(redaktorius->verticalScrollBar()->value() +
                                                 redaktorius->cursorRect(zymeklis).top());
    };
    slinkti(l.Anglai(), 60);
    QCOMPARE(PirmaMatomaEilute(l.Anglai()), 60);
    QTRY_COMPARE(PirmaMatomaEilute(lietuviu), 60);
    slinkti(lietuviu, 30);
    QTRY_COMPARE(PirmaMatomaEilute(l.Anglai()), 30);

    QAction* sinchroniskai = l.Veiksmas("SinchroninisSlinkimas");
    QVERIFY(sinchroniskai->isChecked());
    sinchroniskai->trigger();
    slinkti(l.Anglai(), 90);
    QTest::qWait(20);
    QCOMPARE(PirmaMatomaEilute(lietuviu), 30);

    ScenarijausDialogai dialogai;
    TForm1 kitas(&dialogai);
    QVERIFY(!kitas.findChild<QAction*>(u"SinchroninisSlinkimas"_s)->isChecked());
    QVERIFY(!kitas.Pora().SlenkaSinchroniskai());
  }

  // "Versti pažymėtą" translates the English lines the active editor's selection touches (or
  // the caret's line) into the same Lithuanian lines, as one step to undo; the others stay.
  void verstiPazymeta() {
    RodomasLangas l;
    SkaitytiZodynoTeksta("pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n",
                         l.Langas.Busena().Zodynai.PagrindinisZodynas);
    QTextEdit* lietuviu = l.Langas.LietuviuRedaktorius();
    l.Anglai()->setPlainText(u"I have.\nBank.\nI have a bank\nBank."_s);
    l.Komanda("VerstiAutomatiskai");
    const QStringList vertimas = Eilutes(lietuviu);
    QCOMPARE(vertimas.size(), 4);
    const QString nebaigtas = IsCp1257(VerstiTeksta(l.Langas.Busena(), "I have a bank"));
    QVERIFY(!nebaigtas.isEmpty());

    lietuviu->setPlainText(u"a\nb\nc\nd"_s);
    l.Anglai()->setFocus();
    Zymeklis(l.Anglai(), 9, 9);  // the caret on line 2
    l.Komanda("VerstiPazymeta");
    QCOMPARE(Eilutes(lietuviu), (QStringList{u"a"_s, vertimas[1], u"c"_s, u"d"_s}));
    lietuviu->undo();
    QCOMPARE(Eilutes(lietuviu), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));

    // Selected in the Lithuanian editor from line 3 to the start of line 4, which is not part
    // of it; an English sentence left unfinished at the end stays on its line.
    lietuviu->setFocus();
    QTRY_VERIFY(!l.Langas.AnglaiAktyvus());
    Zymeklis(lietuviu, 4, 6);
    l.Komanda("VerstiPazymeta");
    QCOMPARE(Eilutes(lietuviu), (QStringList{u"a"_s, u"b"_s, nebaigtas, u"d"_s}));

    // A shorter Lithuanian text gets the lines it lacks.
    lietuviu->setPlainText(u"a"_s);
    l.Anglai()->setFocus();
    QTRY_VERIFY(l.Langas.AnglaiAktyvus());
    Zymeklis(l.Anglai(), 30, 30);
    l.Komanda("VerstiPazymeta");
    QCOMPARE(Eilutes(lietuviu), (QStringList{u"a"_s, u""_s, u""_s, vertimas[1]}));
  }
};

QTEST_MAIN(EiluciuPoraTest)
#include "eiluciu_pora_test.moc"
