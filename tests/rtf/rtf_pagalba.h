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
  QTextCharFormat paprastas, paryskintas, pasvires, spalvotas;
  paryskintas.setFontWeight(QFont::Bold);
  pasvires.setFontItalic(true);
  pasvires.setFontUnderline(true);
  spalvotas.setFontFamilies({QStringLiteral("DejaVu Serif")});
  spalvotas.setFontPointSize(17);
  spalvotas.setForeground(QColor(200, 10, 20));
  QTextCursor c(&d);
  const auto pastraipa = [&c](Qt::Alignment lygiuote = {}) {
    QTextBlockFormat f;
    if (lygiuote) f.setAlignment(lygiuote);
    c.insertBlock(f);
  };
  c.insertText("Paprastas tekstas, ", paprastas);
  c.insertText("paryškintas", paryskintas);
  c.insertText(" pasviręs ir pabrauktas", pasvires);
  pastraipa(Qt::AlignHCenter);
  c.insertText("Ąžuolas ŠAKNYS ėriukas", spalvotas);
  pastraipa(Qt::AlignRight);
  c.insertText("€ 日本 \U0001F600 {skliaustai} \\ ir\ttab\u2028nauja eilutė", paprastas);
  pastraipa();
  c.createList(QTextListFormat::ListDisc);
  c.insertText("pirmas punktas", paprastas);
  c.insertBlock();
  c.insertText("antras punktas", paprastas);
  pastraipa(Qt::AlignJustify);
  pastraipa();
  c.insertText("paskutinė", paprastas);
}

}  // namespace kervosta::testai
