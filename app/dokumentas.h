// One editor's document: its text (the editor's QTextDocument) and the file it belongs to.
#pragma once

#include <QString>
#include <stdexcept>

#include "app/dokumento_turinys.h"

class QTextDocument;

namespace kervosta {

// The name of a document that has no file yet.
inline constexpr char16_t BevardzioVardas[] = u"Bevardo";

// A document file that could not be read or written; Pranesimas is for the user.
class DokumentoKlaida : public std::runtime_error {
 public:
  explicit DokumentoKlaida(const QString& pranesimas);
  const QString& Pranesimas() const { return pranesimas_; }

 private:
  QString pranesimas_;
};

class Dokumentas {
 public:
  explicit Dokumentas(QTextDocument& turinys) : turinys_(turinys) {}

  QTextDocument& Turinys() const { return turinys_; }
  const QString& FailoVardas() const { return failoVardas_; }
  // The file-name part, as the window caption shows it.
  QString TrumpasVardas() const;
  bool Bevardis() const { return failoVardas_ == QStringView(BevardzioVardas); }
  bool Keistas() const;
  // How the document's file holds it; RTF for a new document.
  const FailoFormatas& Formatas() const { return formatas_; }

  // Empty text, no file.
  void Naujas();
  // The text stays, without a file: it is saved only under a name chosen for it.
  void AtsietiFaila();
  // Reads the file (RTF, or plain text) in place of the text. Throws DokumentoKlaida; a failed
  // read changes nothing.
  void Ikelti(const QString& kelias);
  // Writes the text in `formatas` and makes the path and the format the document's own. Throws
  // DokumentoKlaida; a failed write leaves the old file and the document as they were.
  void Irasyti(const QString& kelias, const FailoFormatas& formatas);

 private:
  QTextDocument& turinys_;
  QString failoVardas_{QStringView(BevardzioVardas).toString()};
  FailoFormatas formatas_;
};

}  // namespace kervosta
