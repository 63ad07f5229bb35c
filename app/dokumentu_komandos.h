// The document commands of the main window (new, open, save, save as, dropped files, closing)
// over the documents and the questions they ask, without any widget.
#pragma once

#include <QString>
#include <functional>

#include "app/dialogai.h"
#include "app/dokumentas.h"

namespace kervosta {

class DokumentuKomandos {
 public:
  // `katalogas`: where the open and save dialogs start.
  DokumentuKomandos(Dialogai& dialogai, QString katalogas)
      : dialogai_(dialogai), katalogas_(std::move(katalogas)) {}

  // Called after a document got a new text or file, or was written.
  std::function<void(const Dokumentas&)> Atnaujinta;

  // True when the command may go on: the document is unmodified, the user declined to save, or
  // saved it. Cancel, and a save that did not happen, stop the command.
  bool LeistiPakeisti(Dokumentas& dokumentas);

  void Naujas(Dokumentas& dokumentas);
  // Returns whether the document was loaded; `tikSkaitymui` gets the dialog's read-only box.
  bool Atverti(Dokumentas& dokumentas, bool& tikSkaitymui);
  bool Ikelti(Dokumentas& dokumentas, const QString& kelias);
  bool Saugoti(Dokumentas& dokumentas);
  bool SaugotiKaip(Dokumentas& dokumentas);
  // A dropped file or the command line's file: ask to save, then load.
  bool PriimtiFaila(Dokumentas& dokumentas, const QString& kelias);

 private:
  bool Irasyti(Dokumentas& dokumentas, const QString& kelias);
  void Pranesti(const Dokumentas& dokumentas) {
    if (Atnaujinta) Atnaujinta(dokumentas);
  }

  Dialogai& dialogai_;
  QString katalogas_;
};

}  // namespace kervosta
