// One editor's document: its text (the editor's QTextDocument) and the file it belongs to.
#pragma once

#include <QString>
#include <stdexcept>

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

  // Empty text, no file.
  void Naujas();
  // Reads the file (RTF, or plain text) in place of the text. Throws DokumentoKlaida; a failed
  // read changes nothing.
  void Ikelti(const QString& kelias);
  // Writes the text as RTF, whatever the extension, and makes the path the document's file.
  // Throws DokumentoKlaida; a failed write leaves the old file and the document as they were.
  void Irasyti(const QString& kelias);

 private:
  QTextDocument& turinys_;
  QString failoVardas_{QStringView(BevardzioVardas).toString()};
};

}  // namespace kervosta
