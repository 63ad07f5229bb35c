#include "app/qt_vertimai.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <cstring>

namespace kervosta {

namespace {
struct MygtukoTekstas {
  const char* Angliskai;
  const char* Lietuviskai;
};

// The captions Qt gives the standard buttons of message boxes and dialog button boxes; Qt's
// Lithuanian catalogue leaves them in English.
constexpr std::array<MygtukoTekstas, 8> StandartiniaiMygtukai = {{
    {"OK", "Gerai"},
    {"Cancel", "Atšaukti"},
    {"&Yes", "&Taip"},
    {"&No", "&Ne"},
    {"Open", "Atverti"},
    {"Save", "Išsaugoti"},
    {"Close", "Uždaryti"},
    {"Apply", "Taikyti"},
}};

class MygtukuVertimas : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* kontekstas, const char* tekstas, const char* /*paaiskinimas*/,
                    int /*kiekis*/) const override {
    if (!kontekstas || !tekstas || std::strcmp(kontekstas, "QPlatformTheme") != 0) return {};
    for (const MygtukoTekstas& mygtukas : StandartiniaiMygtukai)
      if (std::strcmp(tekstas, mygtukas.Angliskai) == 0) return QString::fromUtf8(mygtukas.Lietuviskai);
    return {};
  }
};
}  // namespace

void IdiegtiQtVertimus(QCoreApplication& programa) {
  auto* katalogas = new QTranslator(&programa);
  if (katalogas->load(QStringLiteral("qt_lt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(katalogas);
  QCoreApplication::installTranslator(new MygtukuVertimas(&programa));
}

}  // namespace kervosta
