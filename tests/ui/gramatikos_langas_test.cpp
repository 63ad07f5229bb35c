// The grammar window: a line analysed into its words and groups, a phrase looked up, the details
// of a selected word or group, and the ways in from the main window and the browser.
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextEdit>
#include <QTreeWidget>

#include "analysis/aplinka.h"
#include "app/gramatikos_langas.h"
#include "app/zodyno_narsykle.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {

constexpr char Zodynas[] =
    "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
    "pos=1\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
    "pos=3\ten=read|reads|read|read|reading\tlt=skaityti\tstem=skaity\tpres=skait\tpast=skaič\t"
    "p1=3\tq=4\n"
    "pos=7\ten=the\n"
    "pos=5\ten=good|good|better|best\tlt=geras\tstem=ger\n";

struct Busena {
  kervosta::Aplinka Aplinka;
  Busena() {
    UzpildytiVidiniusIrasus(Aplinka.Zodynai);
    SkaitytiZodynoTeksta(Zodynas, Aplinka.Zodynai.PagrindinisZodynas);
  }
};

QTreeWidget* Medis(const QDialog& langas) { return langas.findChild<QTreeWidget*>("TreeView1"); }
QString Detales(const QDialog& langas) {
  return langas.findChild<QTextEdit*>("RichEdit1")->toPlainText();
}

// Every node as "text" with its children indented by two spaces.
QStringList Mazgai(const QTreeWidget* medis) {
  QStringList eilutes;
  const auto eiti = [&](auto&& pats, const QTreeWidgetItem* m, int gylis) -> void {
    eilutes << QString(gylis * 2, u' ') + m->text(0);
    for (int i = 0; i < m->childCount(); ++i) pats(pats, m->child(i), gylis + 1);
  };
  for (int i = 0; i < medis->topLevelItemCount(); ++i) eiti(eiti, medis->topLevelItem(i), 0);
  return eilutes;
}

void Pasirinkti(const QDialog& langas, int virsune, int vaikas) {
  QTreeWidget* medis = Medis(langas);
  medis->setCurrentItem(medis->topLevelItem(virsune)->child(vaikas));
}

}  // namespace

class GramatikosLangasTest : public QObject {
  Q_OBJECT
 private slots:
  void eiluteZodziaiIrGrupes() {
    Busena b;
    TForm5 langas(b.Aplinka, "The boy reads a good book. The boy.", abEilute);
    // Two sentences on one line are analysed as one.
    const QStringList zodziai = Mazgai(Medis(langas));
    QCOMPARE(zodziai.first(), u"Angliškas sakinys"_s);
    QCOMPARE(zodziai.mid(1, 4), (QStringList{u"  the"_s, u"  boy"_s, u"  reads"_s, u"  a"_s}));
    QVERIFY2(zodziai.contains(u"Lietuviškas sakinys"_s), qPrintable(zodziai.join(u'|')));
    QVERIFY2(zodziai.contains(u"  knygą"_s), qPrintable(zodziai.join(u'|')));

    Pasirinkti(langas, 0, 1);
    QVERIFY(Detales(langas).startsWith(u"Žodis: boy\nVertimas: berniukas\nVardininko linksnis"_s));
    QVERIFY(Detales(langas).contains(u"Vietininkas (kur?): berniuke"_s));
    Medis(langas)->setCurrentItem(Medis(langas)->topLevelItem(1));
    QCOMPARE(Detales(langas), QString());

    // The groups view lists the groups with their words; a noun group tells its role.
    Paspausti(langas, "SintGrupes");
    const QStringList grupes = Mazgai(Medis(langas));
    QCOMPARE(grupes.first(), u"Sintaksinės struktūros"_s);
    QVERIFY2(grupes.contains(u"  Daikt.F."_s) && grupes.contains(u"  Veiksm.F."_s),
             qPrintable(grupes.join(u'|')));
    QTreeWidgetItem* pirma = Medis(langas)->topLevelItem(0)->child(0);
    Medis(langas)->setCurrentItem(pirma);
    QCOMPARE(Detales(langas), u"Daiktavardžio grupė\nSubjektas - veiksnys"_s);
    Medis(langas)->setCurrentItem(pirma->child(1));
    QVERIFY(Detales(langas).startsWith(u"Žodis: boy\n"_s));

    // The groups are those the translation used: "reads" stays in its verb group.
    QVERIFY2(grupes.indexOf(u"    reads"_s) == grupes.indexOf(u"  Veiksm.F."_s) + 1,
             qPrintable(grupes.join(u'|')));
    Paspausti(langas, "Zodziai");
    QCOMPARE(Mazgai(Medis(langas)), zodziai);
  }

  void frazeIrTusciaIvestis() {
    Busena b;
    TForm5 langas(b.Aplinka, "", abEilute);
    QCOMPARE(Medis(langas)->topLevelItemCount(), 0);
    auto* fraze = Valdiklis<QPlainTextEdit>(langas, "Memo1");
    fraze->setPlainText(u"Boys"_s);
    Paspausti(langas, "BitBtn2");
    QCOMPARE(Mazgai(Medis(langas)), (QStringList{u"Boys"_s, u"  berniukai"_s}));
    Pasirinkti(langas, 0, 0);
    QVERIFY(Detales(langas).contains(u"Daugiskaita: boys"_s));
    // The groups view has nothing to show for a phrase.
    Paspausti(langas, "SintGrupes");
    QCOMPARE(Mazgai(Medis(langas)), (QStringList{u"Boys"_s, u"  berniukai"_s}));

    fraze->setPlainText(u"is"_s);
    Paspausti(langas, "BitBtn2");
    QCOMPARE(Mazgai(Medis(langas)), QStringList{u"žodyne nerasta informacijos"_s});
  }

  // F8 takes the line under the caret when nothing is selected; the browser opens the window on
  // the selected entry with its paradigm shown.
  void atidarymas() {
    RodomasLangas l;
    SkaitytiZodynoTeksta(Zodynas, l.Langas.Busena().Zodynai.PagrindinisZodynas);
    l.Anglai()->setPlainText(u"First line.\nThe boy reads."_s);
    l.Anglai()->moveCursor(QTextCursor::End);
    QString ivestis;
    QStringList mazgai;
    l.Dialogai.Langai = {[&](QDialog& langas) {
      ivestis = Valdiklis<QPlainTextEdit>(langas, "Memo1")->toPlainText();
      mazgai = Mazgai(Medis(langas));
      return 0;
    }};
    QTest::keyClick(&l.Langas, Qt::Key_F8);
    QCOMPARE(l.Dialogai.Rodyta, QStringList{u"Form5"_s});
    QCOMPARE(ivestis, u"The boy reads."_s);
    QCOMPARE(mazgai.size(), 1 + 4 + 1 + 3);

    TForm3 narsykle(l.Langas.Busena(), l.Dialogai, "");
    auto* tinklelis = Valdiklis<QTableView>(narsykle, "ZodSar");
    const QModelIndexList geras = tinklelis->model()->match(
        tinklelis->model()->index(0, 0), Qt::DisplayRole, u"good"_s, 1, Qt::MatchExactly);
    QCOMPARE(geras.size(), 1);
    tinklelis->setCurrentIndex(geras.front());
    QString detales;
    l.Dialogai.Langai = {[&](QDialog& langas) { detales = Detales(langas); return 0; }};
    Paspausti(narsykle, "Linksniuoti");
    QVERIFY2(detales.contains(u"Aukščiausias l. : best"_s), qPrintable(detales));
  }
};

QTEST_MAIN(GramatikosLangasTest)
#include "gramatikos_langas_test.moc"
