// Characters that a save and load, or a load alone, used to lose or misplace.
#include "app/rtf.h"

#include "tests/rtf/dokumento_aprasas.h"
#include "tests/rtf/rtf_pagalba.h"

#include <QImage>
#include <utility>

namespace kervosta {
namespace {

using RtfSimboliai = testai::SuGuiPrograma;

// Text that a save and load used to change: characters the code page lacks that \uN writes as a
// negative number, characters beyond 16 bits, lone surrogates, control characters and RTF's own
// special characters; each also as the name of a font.
TEST_F(RtfSimboliai, AwkwardTextComesBackFromSaveAndLoad) {
  const QString tekstai[] = {
      u"objekto ženklas \uFFFC, \uFFFD, \u8000 \uE000 \uFFFE \uFFFF"_qs,
      u"veidelis \U0001F600, \U00010348 ir \U0010FFFD"_qs,
      QChar(0xD83D) + u"vienišos pusės"_qs + QChar(0xDE00),
      u"\x01pradžia \x0b vertikalus \x0c lapas \x1b \x1f pabaiga\x7f"_qs,
      u"nulis "_qs + QChar(0) + u" viduje"_qs,
      u"\u0080 \u0081 \u009f \u00a0"_qs,
      u"\\u-4 \\'e0 {\\b ne} \\par ; \\"_qs,
      u"tab\tir\u2028eilutė"_qs,
  };
  for (const QString& tekstas : tekstai) {
    SCOPED_TRACE(&tekstas - tekstai);
    QTextDocument originalas, atkurtas;
    QTextCursor c(&originalas);
    c.insertText(tekstas);
    QTextCharFormat sriftas;
    sriftas.setFontFamilies({"Šriftas " + tekstas + " ;"});
    c.insertText(tekstas, sriftas);
    rtf::Skaityti(rtf::Rasyti(originalas), atkurtas);
    EXPECT_EQ(testai::AprasytiDokumenta(atkurtas), testai::AprasytiDokumenta(originalas));
  }
}

// A picture has no text to save, but the object character typed as text is kept.
TEST_F(RtfSimboliai, PicturesAreLeftOutButTheObjectCharacterAsTextIsKept) {
  QTextDocument originalas, atkurtas;
  QTextCursor c(&originalas);
  c.insertText(u"prieš \uFFFC "_qs);
  QImage paveikslas(2, 2, QImage::Format_RGB32);
  paveikslas.fill(Qt::red);
  originalas.addResource(QTextDocument::ImageResource, QUrl("paveikslas"), paveikslas);
  c.insertImage("paveikslas");
  c.insertText(" po");
  rtf::Skaityti(rtf::Rasyti(originalas), atkurtas);
  EXPECT_EQ(testai::Pastraipos(atkurtas), u"prieš \uFFFC  po"_qs);
}

// Font names were read as Western bytes whatever their character set says, and their \uN
// characters and escaped special characters were lost, so a font came back as another.
TEST_F(RtfSimboliai, FontNamesAreReadInTheirCharacterSetWithEveryCharacter) {
  const std::pair<QByteArray, QString> atvejai[] = {
      {"{\\f0\\fcharset186 \\'d0riftas;}", u"Šriftas"_qs},
      {"{\\f0\\fcharset0 Caf\\'e9;}", u"Café"_qs},
      {"{\\f0 Lietuvi\\'f8;}", u"Lietuvių"_qs},  // no character set: the document's code page
      {"{\\f0 A\\u-4?B\\uc0\\u963\\{\\}\\\\\\'3bC;}", u"A\uFFFCBσ{}\\;C"_qs},
      {"\\f0 Be grupi\\'f8;\\f1 Kitas;", u"Be grupių"_qs},
  };
  for (const auto& [lentele, vardas] : atvejai) {
    QTextDocument d;
    rtf::Skaityti("{\\rtf1\\ansi\\ansicpg1257{\\fonttbl" + lentele + "}\\f0 x}", d);
    const QTextCharFormat f = d.begin().begin().fragment().charFormat();
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{vardas}) << lentele.toStdString();
  }
}

// A line feed or carriage return written as a byte, or a paragraph separator as \uN, split the
// paragraph behind the reader's back: the first part kept the bullet and alignment of the
// paragraph before. The two characters a document keeps for its own frames split it too.
TEST_F(RtfSimboliai, LineEndingCharactersEndTheParagraphWithItsOwnFormatting) {
  const QByteArray punktas = "{\\rtf1{\\*\\pn\\pnlvlblt}punktas\\par\\pard\\qc ";
  const std::pair<QByteArray, QString> atvejai[] = {
      {punktas + "vienas\\'0adu\\par}", u"punktas\nvienas\ndu"_qs},
      {punktas + "vienas\\'0d\\'0adu\\'0d\\'0d\\par}", u"punktas\nvienas\ndu\n\n"_qs},
      {punktas + "vienas\\u8233?du\\par}", u"punktas\nvienas\ndu"_qs},
      {punktas + "vienas\\u-560?\\u-559?du\\par}", u"punktas\nvienas\uFFFD\uFFFDdu"_qs},
  };
  for (const auto& [rtf, tekstas] : atvejai) {
    QTextDocument d;
    rtf::Skaityti(rtf, d);
    EXPECT_EQ(testai::Pastraipos(d), tekstas) << rtf.toStdString();
    EXPECT_NE(d.begin().textList(), nullptr);
    for (QTextBlock b = d.begin().next(); b.isValid(); b = b.next()) {
      EXPECT_EQ(b.textList(), nullptr) << rtf.toStdString() << ' ' << b.blockNumber();
      EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter)
          << rtf.toStdString() << ' ' << b.blockNumber();
    }
  }
}

}  // namespace
}  // namespace kervosta
