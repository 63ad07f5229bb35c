#include "app/rtf.h"

#include "tests/rtf/dokumento_aprasas.h"
#include "tests/rtf/rtf_pagalba.h"

namespace kervosta {
namespace {

using Rtf = testai::SuGuiPrograma;

TEST_F(Rtf, SavedDocumentReadsBackWithTheSameTextAndFormatting) {
  QTextDocument originalas, atkurtas;
  testai::UzpildytiPavyzdi(originalas);
  const QByteArray rtf = rtf::Rasyti(originalas);
  rtf::Skaityti(rtf, atkurtas);
  EXPECT_EQ(testai::AprasytiDokumenta(atkurtas), testai::AprasytiDokumenta(originalas));
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
      "{\\pntext\\f2\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}"
      "\\cf2\\ul item two\\ulnone\\par\n"
      "{\\listtext\\'b7\\tab}\\pard\\ls1\\plain list three\\par\n"
      "\\pard\\qr\\plain\\i right\\par\n}";
  QTextDocument d;
  rtf::Skaityti(rtf, d);
  EXPECT_EQ(testai::Pastraipos(d), QString::fromUtf8("Ąžš bold after\ncafé €∑σend\u2028x\ty\n"
                                             "item one\nitem two\nlist three\nright"));
  ASSERT_EQ(d.blockCount(), 6);
  const auto blokas = [&](int i) { return d.findBlockByNumber(i); };
  const auto formatas = [&](int i) { return blokas(i).begin().fragment().charFormat(); };
  EXPECT_EQ(blokas(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(formatas(0).fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_EQ(formatas(0).fontPointSize(), 14);
  EXPECT_EQ(formatas(2).foreground().color(), QColor(255, 0, 0));
  EXPECT_TRUE(formatas(5).fontItalic());
  for (int i : {2, 3, 4}) EXPECT_NE(blokas(i).textList(), nullptr) << i;
  EXPECT_EQ(blokas(2).textList(), blokas(3).textList());
  for (int i : {1, 5}) EXPECT_EQ(blokas(i).textList(), nullptr) << i;
}

// Undo after opening a document took it apart run by run down to an empty page.
TEST_F(Rtf, ALoadedDocumentStartsWithNothingToUndo) {
  QTextDocument d;
  QTextCursor(&d).insertText("ankstesnis tekstas");
  rtf::Skaityti("{\\rtf1 {\\b pirmas}antras\\par trecias}", d);
  EXPECT_EQ(testai::Pastraipos(d), "pirmasantras\ntrecias");
  EXPECT_FALSE(d.isUndoAvailable());
  EXPECT_TRUE(d.isUndoRedoEnabled());
}

// Every truncation of a real document, and malformed input of every kind, some with the text
// that must still come out.
TEST_F(Rtf, HostileInputLoadsWhatItCanAndNeverCrashes) {
  QTextDocument pavyzdys;
  testai::UzpildytiPavyzdi(pavyzdys);
  const QByteArray tvarkingas = rtf::Rasyti(pavyzdys);
  for (qsizetype n = 0; n <= tvarkingas.size(); n += 7) {
    QTextDocument d;
    rtf::Skaityti(tvarkingas.left(n), d);
  }
  struct Atvejis {
    QByteArray rtf;
    const char* tekstas = nullptr;
  };
  const Atvejis atvejai[] = {
      {"{\\rtf1 unbalanced}}}} text after}", "unbalanced text after"},
      {"{\\rtf1 {{{{ never closed"},
      {"{\\rtf1 " + QByteArray(200000, '{') + "deep" + QByteArray(10, '}')},
      {"{\\rtf1 \\bin999999999 abc}"},
      {"{\\rtf1 \\u99999999999999999999 \\u-99999999 \\uc99999 x}"},
      {"{\\rtf1 \\'"},
      {"{\\rtf1 \\'zz ok}", "zz ok"},
      {"{\\rtf1 \\" + QByteArray(100000, 'a') + " x}"},
      {"{\\rtf1 \\fs-5 \\fs999999999 \\cf-3 \\cf77 \\f-1 text}"},
      {"{\\rtf1{\\colortbl;\\red999\\green-4;}{\\fonttbl{\\f-3 broken;}{\\f5\\fcharset186"},
      {"{\\rtf1 \\ls-1\\pard\\pnlvlblt x\\par}"},
  };
  for (const auto& [rtf, tekstas] : atvejai) {
    QTextDocument d;
    rtf::Skaityti(rtf, d);
    if (tekstas) {
      EXPECT_EQ(testai::Pastraipos(d), tekstas);
    }
  }
}

}  // namespace
}  // namespace kervosta
