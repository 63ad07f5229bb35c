#include "app/dokumento_turinys.h"

#include <QStringDecoder>
#include <QTextDocument>

#include "app/koduote.h"
#include "app/rtf.h"

namespace kervosta {

namespace {
bool Utf8SuZyme(const QByteArray& turinys, QString& tekstas) {
  static const QByteArray zyme("\xEF\xBB\xBF", 3);
  if (!turinys.startsWith(zyme)) return false;
  QStringDecoder dekoderis(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  tekstas = dekoderis(turinys.mid(zyme.size()));
  return !dekoderis.hasError();
}
}  // namespace

void IkeltiDokumentoTurini(const QByteArray& turinys, QTextDocument& dokumentas) {
  if (rtf::ArRtf(turinys)) {
    rtf::Skaityti(turinys, dokumentas);
    return;
  }
  QString tekstas;
  if (!Utf8SuZyme(turinys, tekstas))
    tekstas = IsCp1257(std::string_view(turinys.constData(), static_cast<std::size_t>(turinys.size())));
  tekstas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  tekstas.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  dokumentas.setPlainText(tekstas);
}

}  // namespace kervosta
