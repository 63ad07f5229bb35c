// kervosta-cli lookup: what the translator finds for one English word form, the built-in word
// first and then every dictionary candidate, with the features each one carries.
#include <ostream>
#include <string>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "cli/argumentai.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "core/cp1257.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli lookup";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] WORD\n"
         "Looks an English word form up as translation does: the built-in words (modals,\n"
         "forms of be, can, do, have, personal pronouns), then every entry of the main and then\n"
         "the user dictionary. Prints the built-in recognition, if any, and then every\n"
         "dictionary candidate in the order translation sees them; nothing when the word is\n"
         "unknown. Translation takes a built-in word as recognised and never asks the\n"
         "dictionaries about it; otherwise automatic translation takes the last candidate.\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba
      << "  -h, --help               show this help\n\n"
         "Output: one line a candidate, UTF-8, 13 TAB-separated columns:\n"
         "  1 English word (lower case)   2 Lithuanian text   3 Lithuanian stem\n"
         "  4 part of speech: 0 noun, 1 pronoun, 2 verb, 3 adverb, 4 adjective, 5 auxiliary or\n"
         "    modal, 6 determiner, 7 preposition, 8 separator, 9 conjunction, 10 unknown,\n"
         "    11 participle, 12 numeral, 13 personal pronoun (subject), 14 personal pronoun\n"
         "    (object or possessive)\n"
         "  5 case: 0 nominative .. 5 locative; on a verb, adverb or preposition the case it\n"
         "    governs, 7 none\n"
         "  6 number: 0 singular, 1 plural     7 gender: 0 unspecified, 1 masculine, 2 feminine\n"
         "  8 degree: 0 positive, 1 comparative, 2 superlative\n"
         "  9 tense: 1 infinitive, 2 present, 3 past, 4 past frequentative, 5 future\n"
         "  10 English form: 0 none, 2 base or present, 3 past, 4 past participle, 5 -ing\n"
         "  11 person: 1..6\n"
         "  12 number: built-in verb entry 1..6 or personal pronoun row; numeral kind\n"
         "  13 built-in: 1 for the built-in recognition, 0 for a dictionary candidate\n";
}

void RasytiKandidata(const TZodis& z, std::ostream& out) {
  const auto sk = [](std::uint8_t reiksme) { return std::to_string(reiksme); };
  const std::string stulpeliai[] = {
      Stulpelis(z.Angl), Stulpelis(z.Liet), Stulpelis(z.Liet2), sk(z.KalbosDalis), sk(z.Linksnis),
      sk(z.Skaicius), sk(z.Gimine),    sk(z.Laipsnis),    sk(z.Laikas),      sk(z.AnglForma),
      sk(z.Asmuo),   std::to_string(z.Nr), sk(z.Vidinis)};
  for (std::size_t i = 0; i < std::size(stulpeliai); ++i) out << (i ? "\t" : "") << stulpeliai[i];
  out << '\n';
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga = PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a))
    return *pabaiga;
  if (a.Kiti.size() != 1) return Naudojimas(srautai, Pavadinimas, "name exactly one WORD");

  std::string zodis;
  try {
    zodis = IsUtf8(a.Kiti.front()).Tekstas;
  } catch (const NetinkamasUtf8&) {
    return Pranesti(srautai, Pavadinimas, "the WORD is not valid UTF-8", IsejimasNaudojimas);
  }

  ZodynuRinkinys zodynai;
  if (!IkeltiZodynus(a.Zodynai, zodynai, srautai, Pavadinimas)) return IsejimasFailas;

  TZodis vidinis;
  vidinis.Angl = AnglMazosiomis(zodis);
  if (AtpazintiVidini(zodynai, zodis, vidinis)) RasytiKandidata(vidinis, srautai.out);
  TZodziuList kandidatai;
  IeskotiZodyne(zodynai, zodis, kandidatai);
  for (int i = 0; i < kandidatai.Kiekis(); ++i) RasytiKandidata(kandidatai[i], srautai.out);

  return IsejimasGerai;
}

const Registracija registracija({"lookup", "show the built-in and dictionary candidates of a word",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
