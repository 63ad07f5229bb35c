// kervosta-cli forms: every Lithuanian form the builders make of every entry of a dictionary, so
// that a dictionary author (and the tests) can run them all through a spelling checker.
#include <ostream>
#include <string>
#include <vector>

#include "cli/argumentai.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "morphology/iraso_formos.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli forms";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS]\n"
         "Prints every Lithuanian form that translation can make of every entry of the main\n"
         "dictionary, then of the user dictionary: nouns in the numbers the entry allows,\n"
         "adjectives in the degrees when the entry stores English ones, pronouns and numerals in\n"
         "both genders, verbs in every tense, mood, person and participle; words that do not\n"
         "inflect as stored.\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba
      << "  -h, --help               show this help\n\n"
         "Output: one line a form, UTF-8, 4 TAB-separated columns: the English headword, the\n"
         "entry's Lithuanian word, the label of the form (as kervosta-cli inflect labels it;\n"
         "'word' for a word that does not inflect) and the form, which is always the last\n"
         "column. The spelling of every form is checked with\n"
         "  kervosta-cli forms | cut -f4 | hunspell -d lt_LT -l\n";
}

void RasytiFormas(const ZodynoSarasas& sarasas, std::ostream& out) {
  for (const ZodynoMazgas* m = sarasas.Galva(); m != nullptr; m = m->Kitas) {
    const std::string irasas =
        Stulpelis(m->Duomenys.Angl1()) + '\t' + Stulpelis(m->Duomenys.LietZodis()) + '\t';
    for (const PazymetaForma& forma : IrasoFormos(m->Duomenys))
      if (forma.Tekstas)
        out << irasas << forma.Etikete << '\t' << Stulpelis(*forma.Tekstas) << '\n';
  }
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga = PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a))
    return *pabaiga;
  if (!a.Kiti.empty())
    return Naudojimas(srautai, Pavadinimas, "unexpected argument '" + a.Kiti.front() + "'");
  ZodynuRinkinys zodynai;
  if (!IkeltiZodynus(a.Zodynai, zodynai, srautai, Pavadinimas)) return IsejimasFailas;
  RasytiFormas(zodynai.PagrindinisZodynas, srautai.out);
  RasytiFormas(zodynai.VartotojoZodynas, srautai.out);
  return IsejimasGerai;
}

const Registracija registracija(
    {"forms", "every Lithuanian form of every dictionary entry", Vykdyti});

}  // namespace

}  // namespace kervosta::cli
