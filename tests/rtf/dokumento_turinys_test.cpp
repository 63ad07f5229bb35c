#include "app/dokumento_turinys.h"

#include "tests/rtf/rtf_pagalba.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>

#include "app/rtf.h"

namespace kervosta {
namespace {

using DokumentoTurinys = testai::SuGuiPrograma;

TEST_F(DokumentoTurinys, PlainTextIsBalticUnlessItCarriesAUtf8ByteOrderMark) {
  const std::pair<QByteArray, const char*> atvejai[] = {
      {"\xFE\x61sis\r\nantra\rtre\xE8ia", "žasis\nantra\ntrečia"},
      {"\xEF\xBB\xBF\xC5\xBE\x61sis", "žasis"},
      // Without the mark the same bytes are Baltic text, and so are bytes that are not UTF-8.
      {"\xC5\xBE", "Å¾"},
      {"\xEF\xBB\xBF\xFF", "ļ»æ˙"},
  };
  QTextDocument d;
  for (const auto& [baitai, tekstas] : atvejai) {
    IkeltiDokumentoTurini(baitai, d);
    EXPECT_EQ(d.toPlainText(), QString::fromUtf8(tekstas)) << baitai.toHex().toStdString();
  }
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
