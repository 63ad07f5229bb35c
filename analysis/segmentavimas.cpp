#include "analysis/segmentavimas.h"

#include <cctype>

#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;

bool SakinioPabaiga(char c) { return c == '!' || c == '.' || c == '?'; }

bool Didzioji(char c) { return c >= 'A' && c <= 'Z'; }

// The characters the sentence splitter decides at; every other one just joins the sentence.
bool Sprendziantis(char c) { return SakinioPabaiga(c) || c == ':' || c == '\r'; }

// Tabs and line feeds separate words as a space does, and a carriage return becomes a word of its
// own, as punctuation does, so that it stays in the translation: kept inside a word, any of them
// would leave that word untranslated (an indented line's first word, a word ending a line).
bool Tarpas(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool Skirtukas(char c) {
  switch (c) {
    case ' ': case '\t': case '\n': case '\r': case '!': case '"': case '(': case ')': case ',':
    case '-': case '.': case '/': case ':': case ';': case '?': case '[': case '\\': case ']':
    case '{': case '}':
      return true;
    default:
      return false;
  }
}

bool Skaitmuo(char c) { return c >= '0' && c <= '9'; }

// A point, comma or colon between two digits belongs to the number ("3.5", "1,000", "10:30"):
// cut there, the number would come out as "3. 5".
bool SkaiciausVidus(std::string_view sakinys, std::size_t i) {
  const char c = sakinys[i];
  return (c == '.' || c == ',' || c == ':') && i > 0 && i + 1 < sakinys.size() &&
         Skaitmuo(sakinys[i - 1]) && Skaitmuo(sakinys[i + 1]);
}

constexpr std::string_view TipografinisApostrofas = "’"_lt;

// Lower case, and the typographic apostrophe as the plain one, so that "don’t" is "don't".
std::string Mazosiomis(std::string_view tekstas) {
  std::string rezultatas(tekstas);
  for (char& c : rezultatas) {
    if (Didzioji(c)) c = static_cast<char>(c - 'A' + 'a');
    if (c == TipografinisApostrofas[0]) c = '\'';
  }
  return rezultatas;
}

// Quotation marks and brackets that close what a sentence ender ends: 'He asked: "Why?"' ends
// after the quotation mark, which belongs to the sentence.
bool Uzdarantis(char c) { return c == '"' || c == '\'' || c == ')' || c == ']' || c == '}'; }

// Titles written with a point: "Mr. Green" goes on after the point.
bool BaigiasiTitulu(std::string_view buferis) {
  for (std::string_view titulas : {"Mr", "Mrs", "Ms", "Dr"}) {
    if (!buferis.ends_with(titulas)) continue;
    const std::size_t pries = buferis.size() - titulas.size();
    if (pries == 0 || !std::isalpha(static_cast<unsigned char>(buferis[pries - 1]))) return true;
  }
  return false;
}

// The index just after the sentence that the ender at index `i` ends together with the closing
// marks right after it, or 0 when the sentence goes on.
std::size_t SakinioGalas(std::string_view tekstas, std::size_t i) {
  const std::size_t n = tekstas.size();
  std::size_t j = i + 1;
  while (j < n && Uzdarantis(tekstas[j])) ++j;
  if (j == n) return j;
  if (tekstas[j] != ' ') return 0;
  if (j + 1 == n) return j;
  return Didzioji(tekstas[j + 1]) || tekstas[j + 1] == ' ' ? j : 0;
}

void PridetiZodi(TSakinys& saltinis, std::string_view buferis) {
  TZodis zodis;
  zodis.Angl = Mazosiomis(buferis);
  zodis.Tikrinis = Didzioji(buferis.front()) ? 1 : 0;
  saltinis.Zodziai.Prideti(std::move(zodis));
}

void PridetiSkirtuka(TSakinys& saltinis, char c) {
  TZodis zodis;
  zodis.Angl = Mazosiomis(std::string_view(&c, 1));
  zodis.Liet = zodis.Angl;
  zodis.KalbosDalis = dSkyriklis;
  saltinis.Zodziai.Prideti(std::move(zodis));
}

bool Tuscias(const std::string& tekstas) { return tekstas.empty() || tekstas == " "; }

void Valyti(TSakinys& sakinys, std::string TZodis::*laukas) {
  sakinys.Zodziai.PasalintiJei([laukas](const TZodis& zodis) { return Tuscias(zodis.*laukas); });
}

}  // namespace

void SakiniuSkaidytojas::Uzbaigti(char c, std::vector<std::string>& sakiniai) {
  buferis_.push_back(c);
  sakiniai.push_back(std::move(buferis_));
  buferis_.clear();
  atviras_ = false;
}

void SakiniuSkaidytojas::Atverti(std::string_view simboliai) {
  if (!atviras_) {
    buferis_.clear();
    atviras_ = true;
  }
  buferis_.append(simboliai);
}

// The remainder never holds an ender or colon whose decision looked past its end, nor a carriage
// return, so going on from it splits exactly as splitting it again in front of the new piece.
void SakiniuSkaidytojas::Skaidyti(std::string_view tekstas, std::vector<std::string>& sakiniai) {
  for (std::size_t i = 0; i < tekstas.size(); ++i) {
    const char c = tekstas[i];
    if (SakinioPabaiga(c)) {
      const std::size_t galas =
          c == '.' && BaigiasiTitulu(buferis_) ? 0 : SakinioGalas(tekstas, i);
      if (galas == 0) {
        buferis_.push_back(c);
        continue;
      }
      buferis_.append(tekstas.substr(i, galas - i - 1));
      i = galas - 1;
      Uzbaigti(tekstas[i], sakiniai);
    } else if (c == ':') {
      if (i + 1 == tekstas.size())
        Uzbaigti(c, sakiniai);
      else
        buferis_.push_back(c);
    } else if (c == '\r') {
      Uzbaigti(c, sakiniai);
    } else {
      // A run of characters that decide nothing opens the sentence, or goes on with it, at once.
      std::size_t galas = i + 1;
      while (galas < tekstas.size() && !Sprendziantis(tekstas[galas])) ++galas;
      Atverti(tekstas.substr(i, galas - i));
      i = galas - 1;
    }
  }
}

void SakiniuSkaidytojas::SkaidytiEilute(std::string_view eilute,
                                        std::vector<std::string>& sakiniai) {
  if (!buferis_.empty()) Skaidyti(" ", sakiniai);
  Skaidyti(eilute, sakiniai);
}

void SkaidytiSakinius(std::string_view tekstas, std::vector<std::string>& sakiniai,
                      std::string& likutis) {
  SakiniuSkaidytojas skaidytojas;
  skaidytojas.Skaidyti(tekstas, sakiniai);
  likutis = skaidytojas.Likutis();
}

void VisasLikutisSakiniu(std::string_view tekstas, std::vector<std::string>& sakiniai) {
  sakiniai.emplace_back(tekstas);
}

void SkaidytiZodzius(std::string_view sakinys, TSakinys& saltinis) {
  saltinis.Zodziai.Isvalyti();
  std::size_t pradzia = 0;  // first character of the word being read
  for (std::size_t i = 0; i < sakinys.size(); ++i) {
    const char c = sakinys[i];
    if (!Skirtukas(c) || SkaiciausVidus(sakinys, i)) continue;
    if (i > pradzia) PridetiZodi(saltinis, sakinys.substr(pradzia, i - pradzia));
    if (!Tarpas(c)) PridetiSkirtuka(saltinis, c);
    pradzia = i + 1;
  }
  if (pradzia < sakinys.size()) PridetiZodi(saltinis, sakinys.substr(pradzia));
  saltinis.ZodziuSk = saltinis.Kiekis();
}

void ValytiSaltini(TSakinys& saltinis) { Valyti(saltinis, &TZodis::Angl); }

void ValytiVerti(TSakinys& vertimas) { Valyti(vertimas, &TZodis::Liet); }

}  // namespace kervosta
