// What a document file holds, put into an editor's document.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace kervosta {

// RTF when the bytes start with "{\rtf"; otherwise plain text: UTF-8 when it starts with a
// byte-order mark and is valid UTF-8, Windows-1257 in every other case.
void IkeltiDokumentoTurini(const QByteArray& turinys, QTextDocument& dokumentas);

}  // namespace kervosta
