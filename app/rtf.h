// Rich text documents: reading the RTF that people's files carry, and writing our own.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace kervosta::rtf {

// True when the bytes start a rich text document ("{\rtf").
bool ArRtf(const QByteArray& turinys);

// Replaces the document's content with the RTF's text and formatting: paragraphs, bold, italic,
// underline, font, size, colour, alignment and bullets. Destinations it does not know are
// skipped with their content; malformed input loads what can be read and never fails.
void Skaityti(const QByteArray& rtf, QTextDocument& dokumentas);

// The document as RTF in the Baltic code page: Lithuanian letters as \'xx, anything the code
// page cannot hold as \uN.
QByteArray Rasyti(const QTextDocument& dokumentas);

}  // namespace kervosta::rtf
