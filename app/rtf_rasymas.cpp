// The RTF writer: the Baltic code page, one font table and colour table for the document, and
// every paragraph with its alignment, bullet and character runs.
#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>
#include <cmath>
#include <cstdint>

#include "app/rtf.h"
#include "core/cp1257.h"

namespace kervosta::rtf {

namespace {

QString Seima(const QTextCharFormat& formatas, const QTextDocument& dokumentas) {
  const QStringList seimos = formatas.fontFamilies().toStringList();
  if (!seimos.isEmpty() && !seimos.first().isEmpty()) return seimos.first();
  return dokumentas.defaultFont().family();
}

bool TuriSpalva(const QTextCharFormat& formatas) {
  return formatas.hasProperty(QTextFormat::ForegroundBrush) && formatas.foreground().style() != Qt::NoBrush;
}

// One UTF-16 unit as RTF that reads back as itself: RTF's own special characters escaped, what
// the Baltic code page holds (control characters too) as its byte, anything else as \uN, which
// takes a signed 16-bit number; characters beyond 16 bits go as their two surrogates.
void RasytiVieneta(QByteArray& rtf, char16_t kodas) {
  if (kodas == '\\' || kodas == '{' || kodas == '}') {
    rtf += '\\';
    rtf += static_cast<char>(kodas);
  } else if (kodas >= 0x20 && kodas < 0x7F) {
    rtf += static_cast<char>(kodas);
  } else if (const int baitas = BaitasKodo(kodas); baitas >= 0) {
    rtf += QByteArray("\\'") + QByteArray::number(baitas, 16).rightJustified(2, '0');
  } else {
    rtf += "\\u" + QByteArray::number(static_cast<std::int16_t>(kodas)) + "?";
  }
}

void RasytiTeksta(QByteArray& rtf, QStringView tekstas) {
  for (const QChar c : tekstas) {
    if (c == u'\t') rtf += "\\tab ";
    else if (c == QChar::LineSeparator) rtf += "\\line ";
    else RasytiVieneta(rtf, c.unicode());
  }
}

// A font's name ends at a semicolon, so one inside the name goes as its byte.
void RasytiVarda(QByteArray& rtf, QStringView vardas) {
  for (const QChar c : vardas) {
    if (c == u';') rtf += "\\'3b";
    else RasytiVieneta(rtf, c.unicode());
  }
}

class Rasytojas {
 public:
  explicit Rasytojas(const QTextDocument& dokumentas) : dokumentas_(dokumentas) {
    sriftai_ << dokumentas.defaultFont().family();
    for (QTextBlock b = dokumentas.begin(); b.isValid(); b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        if (!sriftai_.contains(Seima(f, dokumentas))) sriftai_ << Seima(f, dokumentas);
        if (TuriSpalva(f) && !spalvos_.contains(f.foreground().color())) spalvos_ << f.foreground().color();
      }
    }
  }

  QByteArray Rasyti() {
    rtf_ = "{\\rtf1\\ansi\\ansicpg1257\\deff0\\uc1";
    rtf_ += "{\\fonttbl";
    for (qsizetype i = 0; i < sriftai_.size(); ++i) {
      rtf_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset186 ";
      RasytiVarda(rtf_, sriftai_[i]);
      rtf_ += ";}";
    }
    rtf_ += "}{\\colortbl;";
    for (const QColor& c : spalvos_)
      rtf_ += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
              "\\blue" + QByteArray::number(c.blue()) + ";";
    rtf_ += "}\n";
    for (QTextBlock b = dokumentas_.begin(); b.isValid(); b = b.next()) Pastraipa(b);
    rtf_ += "}\n";
    return rtf_;
  }

 private:
  void Pastraipa(const QTextBlock& blokas) {
    rtf_ += "\\pard";
    const Qt::Alignment lygiuote = blokas.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (lygiuote & Qt::AlignHCenter) rtf_ += "\\qc";
    else if (lygiuote & Qt::AlignJustify) rtf_ += "\\qj";
    else if (lygiuote & (Qt::AlignRight | Qt::AlignTrailing)) rtf_ += "\\qr";
    else rtf_ += "\\ql";
    if (blokas.textList())
      rtf_ += "\\fi-360\\li720{\\pntext\\f0\\'95\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent360{\\pntxtb\\'95}}";
    for (auto it = blokas.begin(); !it.atEnd(); ++it) Fragmentas(it.fragment());
    rtf_ += "\\par\n";
  }

  void Fragmentas(const QTextFragment& fragmentas) {
    const QTextCharFormat f = fragmentas.charFormat();
    if (f.objectType() != QTextFormat::NoObject) return;  // a picture: no text to keep
    double dydis = f.fontPointSize();
    if (dydis <= 0) dydis = dokumentas_.defaultFont().pointSizeF();
    if (dydis <= 0) dydis = 12;
    rtf_ += "{\\f" + QByteArray::number(sriftai_.indexOf(Seima(f, dokumentas_))) + "\\fs" +
            QByteArray::number(static_cast<int>(std::lround(dydis * 2)));
    if (f.fontWeight() >= QFont::DemiBold) rtf_ += "\\b";
    if (f.fontItalic()) rtf_ += "\\i";
    if (f.fontUnderline()) rtf_ += "\\ul";
    if (TuriSpalva(f)) rtf_ += "\\cf" + QByteArray::number(spalvos_.indexOf(f.foreground().color()) + 1);
    rtf_ += ' ';
    RasytiTeksta(rtf_, fragmentas.text());
    rtf_ += '}';
  }

  const QTextDocument& dokumentas_;
  QStringList sriftai_;
  QList<QColor> spalvos_;
  QByteArray rtf_;
};

}  // namespace

QByteArray Rasyti(const QTextDocument& dokumentas) { return Rasytojas(dokumentas).Rasyti(); }

}  // namespace kervosta::rtf
