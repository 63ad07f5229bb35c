// The document commands of the main window (new, open, save, save as, dropped files, closing)
// over the documents and the questions they ask, without any widget.
#pragma once

#include <QString>
#include <functional>

#include "app/atmintis.h"
#include "app/dialogai.h"
#include "app/dokumentas.h"

namespace kervosta {

class DokumentuKomandos {
 public:
  // `atmintis` gives the folder the dialogs start in and keeps the files used.
  DokumentuKomandos(Dialogai& dialogai, Atmintis& atmintis)
      : dialogai_(dialogai), atmintis_(atmintis) {}

  // Called after a document got a new text or file, or was written.
  std::function<void(const Dokumentas&)> Atnaujinta;

  // True when the command may go on: the document is unmodified, the user declined to save, or
  // saved it. Cancel, and a save that did not happen, stop the command.
  bool LeistiPakeisti(Dokumentas& dokumentas);

  // Each returns whether the command was carried out.
  bool Naujas(Dokumentas& dokumentas);
  // `tikSkaitymui` gets the dialog's read-only box.
  bool Atverti(Dokumentas& dokumentas, bool& tikSkaitymui);
  bool Ikelti(Dokumentas& dokumentas, const QString& kelias);
  // Writes the document back in the format its file has.
  bool Saugoti(Dokumentas& dokumentas);
  // The name chosen decides the format: .rtf is RTF, .txt plain text; any other keeps the
  // document's format.
  bool SaugotiKaip(Dokumentas& dokumentas);
  // A dropped file or the command line's file: ask to save, then load.
  bool PriimtiFaila(Dokumentas& dokumentas, const QString& kelias);

 private:
  bool Irasyti(Dokumentas& dokumentas, const QString& kelias, FailoFormatas formatas);
  // Asks before plain text loses the document's formatting, and before Windows-1257 would lose
  // characters (then the file is written in UTF-8). False when the user declines.
  bool LeistiFormata(const Dokumentas& dokumentas, const QString& kelias, FailoFormatas& formatas);
  void Pranesti(const Dokumentas& dokumentas) {
    if (Atnaujinta) Atnaujinta(dokumentas);
  }

  Dialogai& dialogai_;
  Atmintis& atmintis_;
};

}  // namespace kervosta
