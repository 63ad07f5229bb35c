// Plain text exchanged with the office suite (LibreOffice): a document's paragraphs read in, and
// text written out as a new document for the word processor to open. Conversions run headless in
// a private profile of their own, so a word processor the user has open is not disturbed.
#pragma once

#include <QString>
#include <QStringList>

namespace kervosta {

struct DokumentoPastraipos {
  QStringList Pastraipos;
  QString Klaida;  // why the document could not be read (Lithuanian); empty on success
};

struct NaujasDokumentas {
  QString Kelias;
  QString Klaida;
};

// The paragraphs of a .doc, .docx, .odt, .rtf (or any document the suite reads), in order.
DokumentoPastraipos ImportuotiDokumenta(const QString& failas);

// The text, one paragraph a line, as a new .odt in `katalogas` under a name no file has yet.
NaujasDokumentas EksportuotiDokumenta(const QString& tekstas, const QString& katalogas);

}  // namespace kervosta
