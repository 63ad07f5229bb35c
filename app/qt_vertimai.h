// Lithuanian texts for Qt's own dialogs (message box buttons, file, colour, font and print
// dialogs), so that every text the program shows is Lithuanian.
#pragma once

class QCoreApplication;

namespace kervosta {

// Installs the translations into the application; they live as long as it does. Qt's own
// Lithuanian catalogue is used when it is installed; the standard buttons and the editors'
// context menus are always translated.
void IdiegtiQtVertimus(QCoreApplication& programa);

}  // namespace kervosta
