// Toolbar and menu icons: the desktop theme's icon when it has one, else a small drawn sign.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace kervosta {

// `temosVardas`: the freedesktop icon name; `zenklas`: the text drawn when the theme lacks it.
QIcon Ikona(const QString& temosVardas, const QString& zenklas);

// A sign on a coloured tile, for commands no theme knows (the translation commands).
QIcon ZenkloIkona(const QString& zenklas, const QColor& fonas);

// A swatch of the colour, for the colour button.
QIcon SpalvosIkona(const QColor& spalva);

}  // namespace kervosta
