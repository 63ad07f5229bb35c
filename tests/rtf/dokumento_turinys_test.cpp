#include "app/dokumento_turinys.h"

#include "tests/rtf/rtf_pagalba.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <tuple>

#include "app/rtf.h"

namespace kervosta {
namespace {

using DokumentoTurinys = testai::SuGuiPrograma;

// A plain UTF-8 file without a byte-order mark, the usual kind, once opened as Baltic text.
TEST_F(DokumentoTurinys, PlainTextIsUtf8WhenValidWithOrWithoutAMarkElseBaltic) {
  const FailoFormatas utf8{FailoRusis::Utf8}, baltu{FailoRusis::Baltu};
  const std::tuple<QByteArray, const char*, FailoFormatas> atvejai[] = {
      {"Ąžuolas", "Ąžuolas", utf8},
      {"\xEF\xBB\xBF" "žasis", "žasis", {FailoRusis::Utf8, true}},
      {"\xFE\x61sis\r\nantra\rtre\xE8ia", "žasis\nantra\ntrečia", {FailoRusis::Baltu, false, true}},
      {"a\r\nb", "a\nb", {FailoRusis::Utf8, false, true}},
      // Bytes that are not UTF-8, even after a mark, are Baltic text.
      {"\xEF\xBB\xBF\xFF", "ļ»æ˙", baltu},
      {"\xC5", "Å", baltu},
      {"", "", utf8},
  };
  QTextDocument d;
  for (const auto& [baitai, tekstas, formatas] : atvejai) {
    EXPECT_EQ(IkeltiDokumentoTurini(baitai, d), formatas) << baitai.toHex().toStdString();
    EXPECT_EQ(d.toPlainText(), QString::fromUtf8(tekstas)) << baitai.toHex().toStdString();
  }
}

// Opened and saved unchanged, a plain-text file keeps every byte: its encoding, byte-order mark,
// line ends, no-break spaces and tabs.
TEST_F(DokumentoTurinys, PlainTextIsWrittenBackByteForByte) {
  const QByteArray failai[] = {
      "Ąžuolas\u00A0auga.\n\tAntra eilutė\n",
      "\xEF\xBB\xBF" "žodis\r\n\r\npaskutinė",
      "\xC0\xFE" "uolas \xE0 \x80\r\n",  // Windows-1257, euro sign included
      "",
      "\n\n",
  };
  QTextDocument d;
  for (const QByteArray& baitai : failai) {
    const FailoFormatas formatas = IkeltiDokumentoTurini(baitai, d);
    EXPECT_EQ(DokumentoFailas(d, formatas), baitai) << baitai.toHex().toStdString();
  }
  EXPECT_TRUE(rtf::ArRtf(DokumentoFailas(d, FailoFormatas{})));
}

TEST_F(DokumentoTurinys, WhatPlainTextAndTheBalticCodePageCannotHold) {
  QTextDocument d;
  d.setPlainText("Ąžuolas € „kabutės“");
  EXPECT_FALSE(TuriFormatavima(d));
  EXPECT_TRUE(TinkaBaltuKoduotei(d.toPlainText()));
  EXPECT_FALSE(TinkaBaltuKoduotei("日本"));

  // A style switched on and off again leaves nothing to lose.
  QTextCursor c(&d);
  c.select(QTextCursor::Document);
  QTextCharFormat f;
  f.setFontWeight(QFont::Bold);
  c.mergeCharFormat(f);
  EXPECT_TRUE(TuriFormatavima(d));
  f.setFontWeight(QFont::Normal);
  c.mergeCharFormat(f);
  EXPECT_FALSE(TuriFormatavima(d));
  QTextBlockFormat centras;
  centras.setAlignment(Qt::AlignHCenter);
  c.mergeBlockFormat(centras);
  EXPECT_TRUE(TuriFormatavima(d));

  QTextDocument sarasas;
  QTextCursor(&sarasas).createList(QTextListFormat::ListDisc);
  EXPECT_TRUE(TuriFormatavima(sarasas));
  testai::UzpildytiPavyzdi(d);
  EXPECT_TRUE(TuriFormatavima(d));
}

TEST_F(DokumentoTurinys, RichTextIsRecognisedByItsOpening) {
  QTextDocument d;
  IkeltiDokumentoTurini("{\\rtf1\\ansi {\\b Labas}\\par}", d);
  EXPECT_EQ(d.toPlainText(), "Labas");
  EXPECT_TRUE(d.begin().begin().fragment().charFormat().font().bold());
  IkeltiDokumentoTurini(" {\\rtf1 not at the start}", d);
  EXPECT_EQ(d.toPlainText(), " {\\rtf1 not at the start}");
}

// The word processor that people open our files with must read the same text from them.
TEST_F(DokumentoTurinys, OfficeSuiteReadsTheTextWeSave) {
  const QString soffice = QStandardPaths::findExecutable("soffice");
  if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
  QTemporaryDir katalogas;
  ASSERT_TRUE(katalogas.isValid());
  QTextDocument d;
  testai::UzpildytiPavyzdi(d);
  const QString rtfKelias = katalogas.filePath("dokumentas.rtf");
  QFile failas(rtfKelias);
  ASSERT_TRUE(failas.open(QIODevice::WriteOnly) && failas.write(rtf::Rasyti(d)) > 0);
  failas.close();

  QProcess procesas;
  procesas.start(soffice, {"-env:UserInstallation=file://" + katalogas.filePath("profilis"),
                           "--headless", "--convert-to", "txt:Text (encoded):UTF8", "--outdir",
                           katalogas.path(), rtfKelias});
  ASSERT_TRUE(procesas.waitForFinished(180000));
  QFile tekstas(katalogas.filePath("dokumentas.txt"));
  ASSERT_TRUE(tekstas.open(QIODevice::ReadOnly)) << procesas.readAllStandardError().toStdString();
  QStringList tiketa;  // bullets as the office suite writes them, line breaks as new lines
  for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
    tiketa << (b.textList() ? "• " : "") + b.text().replace(QChar::LineSeparator, '\n');
  QString gauta = QString::fromUtf8(tekstas.readAll()).remove(QChar(0xFEFF)).replace("\r\n", "\n");
  gauta.remove(QRegularExpression("^ +", QRegularExpression::MultilineOption));
  EXPECT_EQ(gauta.trimmed(), tiketa.join('\n'));
}

}  // namespace
}  // namespace kervosta
