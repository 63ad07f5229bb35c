// kervosta-cli paradigm: the paradigm display of every dictionary candidate of an English word
// form, exactly as the grammar window shows it.
#include <ostream>
#include <string>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "cli/argumentai.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "core/cp1257.h"
#include "morphology/paradigmos_rodymas.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli paradigm";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] WORD\n"
         "Shows, for every dictionary candidate of an English word form (as 'lookup' finds\n"
         "them), the lines the grammar window's details pane shows for it: the word and its\n"
         "translation, its features in words and, for nouns, declinable pronouns, verbs and\n"
         "adjectives, every Lithuanian form of its entry. Candidates are separated by one empty\n"
         "line; nothing is printed for a word no entry holds.\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba << "  -h, --help               show this help\n";
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga = PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a))
    return *pabaiga;
  if (a.Kiti.size() != 1) return Naudojimas(srautai, Pavadinimas, "name one WORD");
  Cp1257Tekstas zodis;
  try {
    zodis = IsUtf8(a.Kiti.front());
  } catch (const NetinkamasUtf8& klaida) {
    return Naudojimas(srautai, Pavadinimas, std::string("WORD: ") + klaida.what());
  }
  Aplinka aplinka;
  if (!IkeltiZodynus(a.Zodynai, aplinka.Zodynai, srautai, Pavadinimas)) return IsejimasFailas;
  IeskotiZodyne(aplinka, zodis.Tekstas);
  for (int i = 0; i < aplinka.Variantai.Kiekis(); ++i) {
    std::vector<std::string> eilutes;
    RodytiParadigma(aplinka.Variantai.Zodziai[i], eilutes);
    if (i > 0) srautai.out << '\n';
    for (const std::string& eilute : eilutes) srautai.out << Stulpelis(eilute) << '\n';
  }
  return IsejimasGerai;
}

const Registracija registracija({"paradigm", "show every form of a word's dictionary entries",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
