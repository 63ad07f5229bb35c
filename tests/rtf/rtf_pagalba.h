// Shared pieces of the rich-text tests: one QGuiApplication for them all (fonts and colours need
// it), and a sample document with every kind of formatting the writer handles.
#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kervosta::testai {

class SuGuiPrograma : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char vardas[] = "kervosta_rtf_tests";
    static char* argv[] = {vardas, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  }
};

// Runs of bold, italic and underline; a coloured run in another font and size; centred, right,
// justified and bulleted paragraphs; letters outside the Baltic code page, RTF's own special
// characters, a tab, a line break within a paragraph and an empty paragraph.
inline void UzpildytiPavyzdi(QTextDocument& d) {
  QTextCursor c(&d);
  const auto tekstas = [&](const QString& t, void (*keisti)(QTextCharFormat&) = nullptr) {
    QTextCharFormat f;
    if (keisti) keisti(f);
    c.insertText(t, f);
  };
  const auto pastraipa = [&](Qt::Alignment lygiuote = {}) {
    QTextBlockFormat f;
    if (lygiuote) f.setAlignment(lygiuote);
    c.insertBlock(f);
  };
  tekstas("Paprastas tekstas, ");
  tekstas("paryškintas", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
  tekstas(" pasviręs ir pabrauktas", [](QTextCharFormat& f) {
    f.setFontItalic(true);
    f.setFontUnderline(true);
  });
  pastraipa(Qt::AlignHCenter);
  tekstas("Ąžuolas ŠAKNYS ėriukas", [](QTextCharFormat& f) {
    f.setFontFamilies({QStringLiteral("DejaVu Serif")});
    f.setFontPointSize(17);
    f.setForeground(QColor(200, 10, 20));
  });
  pastraipa(Qt::AlignRight);
  tekstas(QString::fromUtf8("€ 日本 \U0001F600 {skliaustai} \\ ir\ttab\u2028nauja eilutė"));
  pastraipa();
  c.createList(QTextListFormat::ListDisc);
  tekstas("pirmas punktas");
  c.insertBlock();
  tekstas("antras punktas");
  pastraipa(Qt::AlignJustify);
  pastraipa();
  tekstas("paskutinė");
}

}  // namespace kervosta::testai
