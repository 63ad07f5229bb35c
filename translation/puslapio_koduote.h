// The character set of a fetched web page and its text as UTF-8, so that the page translator
// reads one encoding whatever the server sent.
#pragma once

#include <string>
#include <string_view>

namespace kervosta {

// The charset a page declares: `antraste` (an HTTP Content-Type value) first, else a <meta>
// within the page's first 4096 bytes; lower-case, empty when none is found.
std::string DeklaruotaKoduote(std::string_view antraste, std::string_view puslapis);

// The page as UTF-8. A byte-order mark or the declared charset decides (UTF-8, Windows-1257,
// ISO-8859-1, Windows-1252 and their aliases); anything else is read as UTF-8 when it is valid
// UTF-8, else as Windows-1257. Malformed UTF-8 in a page declared UTF-8 becomes U+FFFD.
std::string PuslapisUtf8(std::string_view puslapis, std::string_view koduote);

// Whether the bytes are well-formed UTF-8.
bool TinkamasUtf8(std::string_view tekstas);

// One code point as UTF-8.
void PridetiUtf8(std::string& i, char32_t kodas);

}  // namespace kervosta
