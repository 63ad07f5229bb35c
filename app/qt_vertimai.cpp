#include "app/qt_vertimai.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace kervosta {

namespace {
struct QtTekstas {
  const char* Kontekstas;
  const char* Angliskai;
  const char* Lietuviskai;
};

// Qt's Lithuanian catalogue leaves the standard buttons of message boxes and dialog button boxes
// in English, knows the editors' context menu under an older name, and lacks what the colour and
// print dialogs gained since. The menu uses the words of the program's own "Tekstas" menu.
constexpr QtTekstas Tekstai[] = {
    {"QPlatformTheme", "OK", "Gerai"},
    {"QPlatformTheme", "Cancel", "Atšaukti"},
    {"QPlatformTheme", "&Yes", "&Taip"},
    {"QPlatformTheme", "&No", "&Ne"},
    {"QPlatformTheme", "Open", "Atverti"},
    {"QPlatformTheme", "Save", "Išsaugoti"},
    {"QPlatformTheme", "Close", "Uždaryti"},
    {"QPlatformTheme", "Apply", "Taikyti"},
    {"QWidgetTextControl", "&Undo", "&Atgal"},
    {"QWidgetTextControl", "&Redo", "&Pirmyn"},
    {"QWidgetTextControl", "Cu&t", "&Iškirpti"},
    {"QWidgetTextControl", "&Copy", "&Kopijuoti"},
    {"QWidgetTextControl", "&Paste", "Į&terpti"},
    {"QWidgetTextControl", "Delete", "Ša&linti"},
    {"QWidgetTextControl", "Select All", "Pažymėti &viską"},
    {"QWidgetTextControl", "Copy &Link Location", "Kopijuoti &nuorodos adresą"},
    {"QLineEdit", "&Undo", "&Atgal"},
    {"QLineEdit", "&Redo", "&Pirmyn"},
    {"QLineEdit", "Cu&t", "&Iškirpti"},
    {"QLineEdit", "&Copy", "&Kopijuoti"},
    {"QLineEdit", "&Paste", "Į&terpti"},
    {"QLineEdit", "Delete", "Ša&linti"},
    {"QLineEdit", "Select All", "Pažymėti &viską"},
    {"QUnicodeControlCharacterMenu", "Insert Unicode control character",
     "Įterpti Unikodo valdymo ženklą"},
    {"QColorDialog", "&Pick Screen Color", "&Paimti spalvą iš ekrano"},
    {"QColorDialog", "Cursor at %1, %2\nPress ESC to cancel", "Žymeklis ties %1, %2\nEsc – atšaukti"},
    {"QPrintDialog", "Write PDF file", "PDF failas"},
    {"QPrintDialog", "All Pages", "Visi puslapiai"},
    {"QPrintDialog", "Odd Pages", "Nelyginiai puslapiai"},
    {"QPrintDialog", "Even Pages", "Lyginiai puslapiai"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Iš kairės į dešinę, iš viršaus žemyn"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Iš kairės į dešinę, iš apačios aukštyn"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Iš dešinės į kairę, iš apačios aukštyn"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Iš dešinės į kairę, iš viršaus žemyn"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Iš apačios aukštyn, iš kairės į dešinę"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Iš apačios aukštyn, iš dešinės į kairę"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Iš viršaus žemyn, iš kairės į dešinę"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Iš viršaus žemyn, iš dešinės į kairę"},
    {"QPrintSettingsOutput", "Pages", "Puslapiai"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
     "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Puslapiai ar jų rėžiai, atskirti kableliais; rėžis – du skaičiai su brūkšneliu tarp jų. "
     "Pvz., 3,5-7,9 spausdina 3, 5, 6, 7 ir 9 puslapius."},
    {"QPrintSettingsOutput", "Page Set:", "Puslapių rinkinys:"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Dvipusis spausdinimas"},
    {"QPrintSettingsOutput", "Off", "Ne"},
    {"QPrintSettingsOutput", "Long side binding", "Įrišti ilgąja kraštine"},
    {"QPrintSettingsOutput", "Short side binding", "Įrišti trumpąja kraštine"},
    {"QPageSetupWidget", "Page Layout", "Puslapių išdėstymas"},
    {"QPageSetupWidget", "Pages per sheet:", "Puslapių lape:"},
    {"QPageSetupWidget", "Page order:", "Puslapių tvarka:"},
    {"QPageSetupWidget", "Custom", "Kitas"},
    {"QPrintPropertiesDialog", "Printer Properties", "Spausdintuvo nuostatos"},
    {"QPrintPropertiesDialog", "Job Options", "Užduoties parinktys"},
};

class QtTekstuVertimas : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* kontekstas, const char* tekstas, const char* /*paaiskinimas*/,
                    int /*kiekis*/) const override {
    if (!kontekstas || !tekstas) return {};
    for (const QtTekstas& t : Tekstai)
      if (std::strcmp(kontekstas, t.Kontekstas) == 0 && std::strcmp(tekstas, t.Angliskai) == 0)
        return QString::fromUtf8(t.Lietuviskai);
    return {};
  }
};
}  // namespace

void IdiegtiQtVertimus(QCoreApplication& programa) {
  auto* katalogas = new QTranslator(&programa);
  if (katalogas->load(QStringLiteral("qt_lt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(katalogas);
  QCoreApplication::installTranslator(new QtTekstuVertimas(&programa));
}

}  // namespace kervosta
