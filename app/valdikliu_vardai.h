// Widgets are named as they are made, so tests find them by name.
#pragma once

#include <QString>

namespace kervosta {

template <typename Valdiklis>
Valdiklis* Vardinti(Valdiklis* valdiklis, const char* vardas) {
  valdiklis->setObjectName(QString::fromLatin1(vardas));
  return valdiklis;
}

}  // namespace kervosta
