// kervosta-cli forms: every Lithuanian form the builders make of every entry of a dictionary, so
// that a dictionary author (and the tests) can run them all through a spelling checker.
#include <ostream>
#include <string>
#include <vector>

#include "cli/komandos.h"
#include "cli/zodynu_parinktys.h"
#include "core/cp1257.h"
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
      << "  --help                   show this help\n\n"
         "Output: one line a form, UTF-8, 4 TAB-separated columns: the English headword, the\n"
         "entry's Lithuanian word, the label of the form (as kervosta-cli inflect labels it;\n"
         "'word' for a word that does not inflect) and the form, which is always the last\n"
         "column. The spelling of every form is checked with\n"
         "  kervosta-cli forms | cut -f4 | hunspell -d lt_LT -l\n";
}

// A text of a damaged entry could hold a TAB or a line break, which would break the columns.
std::string Stulpelis(const std::string& tekstas) {
  std::string utf8 = IUtf8(tekstas);
  for (char& c : utf8)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return utf8;
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
  ZodynuParinktys parinktys;
  try {
    for (std::size_t i = 0; i < argumentai.size(); ++i) {
      const std::string& a = argumentai[i];
      if (a == "--help" || a == "-h") {
        RasytiPagalba(srautai.out);
        return IsejimasGerai;
      }
      if (!ImtiZodynoParinkti(argumentai, i, parinktys))
        throw ZodynoParinktiesKlaida("unexpected argument '" + a + "'");
    }
  } catch (const ZodynoParinktiesKlaida& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << " (see " << Pavadinimas << " --help)\n";
    return IsejimasNaudojimas;
  }
  // Without a dictionary there would be no line to check, which must not pass for a clean one.
  if (!PagrindinisZodynas(parinktys)) {
    srautai.err << Pavadinimas << ": no main.zod here or beside the program; name one with "
                << "--dictionary FILE\n";
    return IsejimasFailas;
  }
  ZodynuRinkinys zodynai;
  try {
    IkeltiZodynus(parinktys, zodynai);
  } catch (const ZodynoSkaitymoKlaida& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << '\n';
    return IsejimasFailas;
  }
  RasytiFormas(zodynai.PagrindinisZodynas, srautai.out);
  RasytiFormas(zodynai.VartotojoZodynas, srautai.out);
  return BaigtiIsvedima(srautai, Pavadinimas);
}

const Registracija registracija(
    {"forms", "every Lithuanian form of every dictionary entry", Vykdyti});

}  // namespace

}  // namespace kervosta::cli
