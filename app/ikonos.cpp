#include "app/ikonos.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace kervosta {

namespace {
constexpr int Krastine = 22;

QPixmap Piesti(const QString& zenklas, const QColor& fonas, const QColor& raide) {
  QPixmap paveikslas(Krastine, Krastine);
  paveikslas.fill(Qt::transparent);
  QPainter dazai(&paveikslas);
  dazai.setRenderHint(QPainter::Antialiasing);
  if (fonas.alpha() > 0) {
    dazai.setPen(Qt::NoPen);
    dazai.setBrush(fonas);
    dazai.drawRoundedRect(QRectF(1, 1, Krastine - 2, Krastine - 2), 4, 4);
  }
  QFont sriftas = dazai.font();
  sriftas.setBold(true);
  sriftas.setPixelSize(zenklas.size() > 1 ? 10 : 15);
  dazai.setFont(sriftas);
  dazai.setPen(raide);
  dazai.drawText(QRect(0, 0, Krastine, Krastine), Qt::AlignCenter, zenklas);
  return paveikslas;
}
}  // namespace

QIcon Ikona(const QString& temosVardas, const QString& zenklas) {
  return QIcon::fromTheme(temosVardas, QIcon(Piesti(zenklas, Qt::transparent, QColor(40, 40, 40))));
}

QIcon ZenkloIkona(const QString& zenklas, const QColor& fonas) {
  return QIcon(Piesti(zenklas, fonas, Qt::white));
}

QIcon SpalvosIkona(const QColor& spalva) {
  QPixmap paveikslas(Krastine, Krastine);
  paveikslas.fill(Qt::transparent);
  QPainter dazai(&paveikslas);
  dazai.setPen(QColor(90, 90, 90));
  dazai.setBrush(spalva);
  dazai.drawRect(QRect(3, 3, Krastine - 7, Krastine - 7));
  return QIcon(paveikslas);
}

}  // namespace kervosta
