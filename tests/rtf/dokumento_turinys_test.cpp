#include "app/dokumento_turinys.h"

#include "tests/rtf/gui_programa.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "app/rtf.h"

namespace kervosta {
namespace {

using DokumentoTurinys = testai::SuGuiPrograma;

TEST_F(DokumentoTurinys, PlainTextIsBalticUnlessItCarriesAUtf8ByteOrderMark) {
  QTextDocument d;
  IkeltiDokumentoTurini(QByteArray("\xFE\x61sis\r\nantra\rtre\xE8ia"), d);
  EXPECT_EQ(d.toPlainText(), QString::fromUtf8("žasis\nantra\ntrečia"));

  IkeltiDokumentoTurini(QByteArray("\xEF\xBB\xBF\xC5\xBE\x61sis"), d);
  EXPECT_EQ(d.toPlainText(), QString::fromUtf8("žasis"));

  // Without the mark the same bytes are Baltic text, and so are bytes that are not UTF-8.
  IkeltiDokumentoTurini(QByteArray("\xC5\xBE"), d);
  EXPECT_EQ(d.toPlainText(), QString::fromUtf8("Å¾"));
  IkeltiDokumentoTurini(QByteArray("\xEF\xBB\xBF\xFF"), d);
  EXPECT_EQ(d.blockCount(), 1);
  EXPECT_EQ(d.toPlainText().size(), 4);
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
  QTextCursor c(&d);
  QTextCharFormat paryskintas;
  paryskintas.setFontWeight(QFont::Bold);
  c.insertText(QString::fromUtf8("Ąžuolo šaknys "), paryskintas);
  c.insertText(QString::fromUtf8("giliai € ∑ 日本 {x} \\"));
  c.insertBlock();
  QTextBlockFormat centras;
  centras.setAlignment(Qt::AlignHCenter);
  c.setBlockFormat(centras);
  c.insertText(QString::fromUtf8("Antra pastraipa: ėčęįųū"));
  const QString rtfKelias = katalogas.filePath("dokumentas.rtf");
  QFile failas(rtfKelias);
  ASSERT_TRUE(failas.open(QIODevice::WriteOnly));
  failas.write(rtf::Rasyti(d));
  failas.close();

  QProcess procesas;
  procesas.start(soffice, {"-env:UserInstallation=file://" + katalogas.filePath("profilis"), "--headless",
                           "--convert-to", "txt:Text (encoded):UTF8", "--outdir", katalogas.path(), rtfKelias});
  ASSERT_TRUE(procesas.waitForFinished(180000));
  QFile tekstas(katalogas.filePath("dokumentas.txt"));
  ASSERT_TRUE(tekstas.open(QIODevice::ReadOnly)) << procesas.readAllStandardError().toStdString();
  QString gauta = QString::fromUtf8(tekstas.readAll());
  gauta.remove(QChar(0xFEFF));
  gauta.replace("\r\n", "\n");
  EXPECT_EQ(gauta.trimmed().toStdString(), d.toPlainText().toStdString());
}

}  // namespace
}  // namespace kervosta
