// What a document file holds, put into an editor's document, and the document written back the
// way its file held it.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class QTextDocument;

namespace kervosta {

enum class FailoRusis : std::uint8_t { Rtf, Utf8, Baltu };

// How a file holds its text, so that saving writes it back the same way.
struct FailoFormatas {
  FailoRusis Rusis = FailoRusis::Rtf;
  bool BaitoTvarkosZyme = false;  // UTF-8 text that starts with a byte-order mark
  bool CrLf = false;              // plain text whose lines end in CR LF

  bool Tekstas() const { return Rusis != FailoRusis::Rtf; }
  friend bool operator==(const FailoFormatas&, const FailoFormatas&) = default;
};

// RTF when the bytes start with "{\rtf"; otherwise plain text: UTF-8 when the bytes are valid
// UTF-8, with a byte-order mark or without, Windows-1257 in every other case. Returns how the
// bytes held the text.
FailoFormatas IkeltiDokumentoTurini(const QByteArray& turinys, QTextDocument& dokumentas);

// The document as a file in `formatas`. In Windows-1257 a character the code page cannot hold
// becomes '?': ask TinkaBaltuKoduotei first.
QByteArray DokumentoFailas(const QTextDocument& dokumentas, const FailoFormatas& formatas);

// The document's text with every paragraph and line break as '\n' and every other character as
// it is (QTextDocument::toPlainText turns no-break spaces into spaces).
QString GrynasTekstas(const QTextDocument& dokumentas);

bool TinkaBaltuKoduotei(const QString& tekstas);

// Whether the document has formatting that plain text loses: styles, fonts, sizes, colours,
// alignment or lists.
bool TuriFormatavima(const QTextDocument& dokumentas);

}  // namespace kervosta
