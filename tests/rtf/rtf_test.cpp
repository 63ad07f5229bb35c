#include "app/rtf.h"

#include "tests/rtf/gui_programa.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace kervosta {
namespace {

// The text of every paragraph, joined with \n; unlike toPlainText it keeps line separators.
QString Pastraipos(const QTextDocument& d) {
  QStringList pastraipos;
  for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) pastraipos << b.text();
  return pastraipos.join('\n');
}

// Character formatting as a reader sees it, so two documents can be compared run by run.
struct Bruozai {
  QString tekstas;
  QString seima;
  int dydis;
  bool bold, italic, underline;
  QColor spalva;
  bool operator==(const Bruozai&) const = default;
};

struct PastraiposBruozai {
  QList<Bruozai> dalys;
  Qt::Alignment lygiuote;
  bool sarasas;
  bool operator==(const PastraiposBruozai&) const = default;
};

QList<PastraiposBruozai> Aprasyti(const QTextDocument& d) {
  QList<PastraiposBruozai> pastraipos;
  for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
    PastraiposBruozai p{{}, b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, b.textList() != nullptr};
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      const QFont sriftas = f.font().resolve(d.defaultFont());
      p.dalys.append({it.fragment().text(), sriftas.family(), qRound(f.fontPointSize() > 0 ? f.fontPointSize() : d.defaultFont().pointSizeF()),
                      sriftas.bold(), sriftas.italic(), sriftas.underline(),
                      f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor()});
    }
    pastraipos.append(p);
  }
  return pastraipos;
}

void Irasyti(QTextCursor& c, const QString& tekstas, auto&& keisti) {
  QTextCharFormat f;
  keisti(f);
  c.insertText(tekstas, f);
}

QTextDocument* PavyzdinisDokumentas(QObject* tevas) {
  auto* d = new QTextDocument(tevas);
  QTextCursor c(d);
  Irasyti(c, "Paprastas tekstas, ", [](QTextCharFormat&) {});
  Irasyti(c, "paryškintas", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
  Irasyti(c, " pasviręs ir pabrauktas", [](QTextCharFormat& f) { f.setFontItalic(true); f.setFontUnderline(true); });
  c.insertBlock();
  QTextBlockFormat centras;
  centras.setAlignment(Qt::AlignHCenter);
  c.setBlockFormat(centras);
  Irasyti(c, "Ąžuolas ŠAKNYS ėriukas", [](QTextCharFormat& f) {
    f.setFontFamilies({QStringLiteral("DejaVu Serif")});
    f.setFontPointSize(17);
    f.setForeground(QColor(200, 10, 20));
  });
  c.insertBlock();
  QTextBlockFormat desine;
  desine.setAlignment(Qt::AlignRight);
  c.setBlockFormat(desine);
  Irasyti(c, QString::fromUtf8("€ 日本 \U0001F600 {skliaustai} \\ ir\ttab") + QChar(QChar::LineSeparator) + "nauja eilutė",
          [](QTextCharFormat&) {});
  c.insertBlock(QTextBlockFormat());
  c.createList(QTextListFormat::ListDisc);
  Irasyti(c, "pirmas punktas", [](QTextCharFormat&) {});
  c.insertBlock();
  Irasyti(c, "antras punktas", [](QTextCharFormat&) {});
  c.insertBlock(QTextBlockFormat());
  QTextBlockFormat lygintas;
  lygintas.setAlignment(Qt::AlignJustify);
  c.setBlockFormat(lygintas);
  c.insertBlock(QTextBlockFormat());
  Irasyti(c, "paskutinė", [](QTextCharFormat&) {});
  return d;
}

using Rtf = testai::SuGuiPrograma;

TEST_F(Rtf, SavedDocumentReadsBackWithTheSameTextAndFormatting) {
  QObject tevas;
  QTextDocument* originalas = PavyzdinisDokumentas(&tevas);
  const QByteArray rtf = rtf::Rasyti(*originalas);
  QTextDocument atkurtas;
  rtf::Skaityti(rtf, atkurtas);
  EXPECT_EQ(Pastraipos(atkurtas), Pastraipos(*originalas));
  const auto tiketa = Aprasyti(*originalas);
  const auto gauta = Aprasyti(atkurtas);
  ASSERT_EQ(gauta.size(), tiketa.size());
  for (qsizetype i = 0; i < tiketa.size(); ++i) EXPECT_TRUE(gauta[i] == tiketa[i]) << "paragraph " << i;
  // A second save gives the very same bytes.
  EXPECT_EQ(rtf::Rasyti(atkurtas), rtf);
}

TEST_F(Rtf, WriterUsesTheBalticCodePage) {
  QTextDocument d;
  d.setPlainText(QString::fromUtf8("žąsis € ∑"));
  const QByteArray rtf = rtf::Rasyti(d);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1257"));
  EXPECT_TRUE(rtf.contains("\\'fe\\'e0sis \\'80 \\u8721?"));
  for (const char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST_F(Rtf, ReaderUnderstandsWhatPeoplesFilesCarry) {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1257\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset186{\\*\\panose 0}Arial;}"
      "{\\f1\\froman\\fcharset0 Times New Roman;}{\\f2\\fnil\\fcharset2 Symbol;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      "{\\*\\generator Some Writer 1.0;}{\\info{\\title Antra\\'9at\\'eb}{\\author X}}"
      "\\viewkind4\\uc1\\pard\\qc\\f0\\fs28 \\'c0\\'fe\\'f0 {\\b bold}\\b0  "
      "{\\*\\unknowndest hidden text}{\\pict\\wmetafile8 0a0b0c}after\\par\n"
      "\\pard\\f1 caf\\'e9 \\u8364?\\uc2\\u8721xx\\uc0\\u963 end\\line x\\tab y\\par\n"
      "{\\pntext\\f2\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}\\cf1 item one\\par\n"
      "{\\pntext\\f2\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}\\cf2\\ul item two\\ulnone\\par\n"
      "{\\listtext\\'b7\\tab}\\pard\\ls1\\plain list three\\par\n"
      "\\pard\\qr\\plain\\i right\\par\n}";
  QTextDocument d;
  rtf::Skaityti(rtf, d);
  EXPECT_EQ(Pastraipos(d), QString::fromUtf8("Ąžš bold after\ncafé €∑σend\u2028x\ty\nitem one\nitem two\nlist three\nright"));
  ASSERT_EQ(d.blockCount(), 6);
  const QTextBlock pirma = d.begin();
  EXPECT_EQ(pirma.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(pirma.begin().fragment().charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_EQ(pirma.begin().fragment().charFormat().fontPointSize(), 14);
  EXPECT_EQ(d.findBlockByNumber(2).begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
  for (int i : {2, 3, 4}) EXPECT_NE(d.findBlockByNumber(i).textList(), nullptr) << i;
  EXPECT_EQ(d.findBlockByNumber(2).textList(), d.findBlockByNumber(3).textList());
  EXPECT_EQ(d.findBlockByNumber(1).textList(), nullptr);
  EXPECT_EQ(d.findBlockByNumber(5).textList(), nullptr);
  EXPECT_TRUE(d.findBlockByNumber(5).begin().fragment().charFormat().fontItalic());
}

TEST_F(Rtf, HostileInputLoadsWhatItCanAndNeverCrashes) {
  QObject tevas;
  const QByteArray tvarkingas = rtf::Rasyti(*PavyzdinisDokumentas(&tevas));
  // Every truncation of a real document.
  for (qsizetype n = 0; n <= tvarkingas.size(); n += 7) {
    QTextDocument d;
    rtf::Skaityti(tvarkingas.left(n), d);
  }
  const QByteArray atvejai[] = {
      "{\\rtf1 unbalanced}}}} text after}",
      "{\\rtf1 {{{{ never closed",
      "{\\rtf1 " + QByteArray(200000, '{') + "deep" + QByteArray(10, '}'),
      "{\\rtf1 \\bin999999999 abc}",
      "{\\rtf1 \\u99999999999999999999 \\u-99999999 \\uc99999 x}",
      "{\\rtf1 \\'",
      "{\\rtf1 \\'zz ok}",
      "{\\rtf1 \\" + QByteArray(100000, 'a') + " x}",
      "{\\rtf1 \\fs-5 \\fs999999999 \\cf-3 \\cf77 \\f-1 text}",
      "{\\rtf1{\\colortbl;\\red999\\green-4;}{\\fonttbl{\\f-3 broken;}{\\f5\\fcharset186",
      "{\\rtf1 \\ls-1\\pard\\pnlvlblt x\\par}",
  };
  for (const QByteArray& rtf : atvejai) {
    QTextDocument d;
    rtf::Skaityti(rtf, d);
  }
  QTextDocument d;
  rtf::Skaityti("{\\rtf1 unbalanced}}}} text after}", d);
  EXPECT_EQ(Pastraipos(d), "unbalanced text after");
  rtf::Skaityti("{\\rtf1 \\'zz ok}", d);
  EXPECT_EQ(Pastraipos(d), "zz ok");
}

}  // namespace
}  // namespace kervosta
