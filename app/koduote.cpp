#include "app/koduote.h"

#include "core/cp1257.h"

namespace kervosta {

QString IsCp1257(std::string_view cp1257) {
  QString tekstas;
  tekstas.reserve(static_cast<qsizetype>(cp1257.size()));
  for (const char c : cp1257) tekstas.append(QChar(static_cast<char16_t>(KodasBaito(static_cast<unsigned char>(c)))));
  return tekstas;
}

std::string ICp1257(const QString& tekstas, std::size_t* pakeista) {
  std::string rezultatas;
  rezultatas.reserve(static_cast<std::size_t>(tekstas.size()));
  std::size_t nepavyko = 0;
  for (qsizetype i = 0; i < tekstas.size(); ++i) {
    char32_t kodas = tekstas[i].unicode();
    if (tekstas[i].isHighSurrogate() && i + 1 < tekstas.size() && tekstas[i + 1].isLowSurrogate()) {
      kodas = QChar::surrogateToUcs4(tekstas[i], tekstas[i + 1]);
      ++i;
    }
    const int baitas = BaitasKodo(kodas);
    if (baitas < 0) ++nepavyko;
    rezultatas.push_back(baitas < 0 ? '?' : static_cast<char>(baitas));
  }
  if (pakeista) *pakeista = nepavyko;
  return rezultatas;
}

}  // namespace kervosta
