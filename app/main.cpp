// Kervosta, the desktop program.
#include <QApplication>
#include <QIcon>

#include "app/pagrindinis_langas.h"
#include "app/programa.h"
#include "app/qt_vertimai.h"

int main(int argc, char** argv) {
  QApplication programa(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kervosta::ProgramosPavadinimas));
  kervosta::IdiegtiQtVertimus(programa);
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  const QStringList argumentai = QApplication::arguments();
  kervosta::TForm1 langas(nullptr, argumentai.value(1));
  langas.show();
  return QApplication::exec();
}
