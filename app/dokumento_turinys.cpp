#include "app/dokumento_turinys.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>

#include "app/koduote.h"
#include "app/rtf.h"

namespace kervosta {

namespace {
const QByteArray BaitoTvarkosZyme("\xEF\xBB\xBF", 3);

bool Utf8(const QByteArray& turinys, QString& tekstas) {
  QStringDecoder dekoderis(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  tekstas = dekoderis(turinys);
  return !dekoderis.hasError();
}

bool Formatuotas(const QTextCharFormat& f) {
  return f.fontWeight() > QFont::Normal || f.fontItalic() || f.fontUnderline() ||
         f.fontStrikeOut() || f.hasProperty(QTextFormat::ForegroundBrush) ||
         f.hasProperty(QTextFormat::BackgroundBrush) || f.hasProperty(QTextFormat::FontFamilies) ||
         f.hasProperty(QTextFormat::FontPointSize);
}

bool Formatuota(const QTextBlock& blokas) {
  const Qt::Alignment lygiavimas = blokas.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
  return blokas.textList() || (lygiavimas & ~(Qt::AlignLeft | Qt::AlignLeading)) != 0;
}
}  // namespace

FailoFormatas IkeltiDokumentoTurini(const QByteArray& turinys, QTextDocument& dokumentas) {
  if (rtf::ArRtf(turinys)) {
    rtf::Skaityti(turinys, dokumentas);
    return {};
  }
  FailoFormatas formatas{FailoRusis::Utf8, turinys.startsWith(BaitoTvarkosZyme),
                         turinys.contains("\r\n")};
  QString tekstas;
  if (!Utf8(turinys.mid(formatas.BaitoTvarkosZyme ? BaitoTvarkosZyme.size() : 0), tekstas)) {
    formatas = {FailoRusis::Baltu, false, formatas.CrLf};
    tekstas = IsCp1257(std::string_view(turinys.constData(), static_cast<std::size_t>(turinys.size())));
  }
  tekstas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  tekstas.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  dokumentas.setPlainText(tekstas);
  return formatas;
}

QString GrynasTekstas(const QTextDocument& dokumentas) {
  QString tekstas = dokumentas.toRawText();
  for (QChar& c : tekstas)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
  return tekstas;
}

QByteArray DokumentoFailas(const QTextDocument& dokumentas, const FailoFormatas& formatas) {
  if (!formatas.Tekstas()) return rtf::Rasyti(dokumentas);
  QString tekstas = GrynasTekstas(dokumentas);
  if (formatas.CrLf) tekstas.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  if (formatas.Rusis == FailoRusis::Baltu) return QByteArray::fromStdString(ICp1257(tekstas));
  return (formatas.BaitoTvarkosZyme ? BaitoTvarkosZyme : QByteArray()) + tekstas.toUtf8();
}

bool TinkaBaltuKoduotei(const QString& tekstas) {
  std::size_t pakeista = 0;
  ICp1257(tekstas, &pakeista);
  return pakeista == 0;
}

bool TuriFormatavima(const QTextDocument& dokumentas) {
  for (QTextBlock blokas = dokumentas.begin(); blokas.isValid(); blokas = blokas.next()) {
    if (Formatuota(blokas)) return true;
    for (auto i = blokas.begin(); !i.atEnd(); ++i)
      if (Formatuotas(i.fragment().charFormat())) return true;
  }
  return false;
}

}  // namespace kervosta
