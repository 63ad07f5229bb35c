// kervosta-cli paradigm: the paradigm display of every dictionary candidate of an English word
// form, exactly as the grammar window shows it.
#include <ostream>
#include <string>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "cli/komandos.h"
#include "cli/zodynu_parinktys.h"
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

int Naudojimas(Srautai& srautai, const std::string& klaida) {
  srautai.err << Pavadinimas << ": " << klaida << " (see " << Pavadinimas << " --help)\n";
  return IsejimasNaudojimas;
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  ZodynuParinktys parinktys;
  std::vector<std::string> zodziai;
  try {
    for (std::size_t i = 0; i < argumentai.size(); ++i) {
      const std::string& a = argumentai[i];
      if (a == "--help" || a == "-h") {
        RasytiPagalba(srautai.out);
        return IsejimasGerai;
      }
      if (ImtiZodynoParinkti(argumentai, i, parinktys)) continue;
      if (a.size() > 1 && a[0] == '-') return Naudojimas(srautai, "unknown option '" + a + "'");
      zodziai.push_back(a);
    }
  } catch (const ZodynoParinktiesKlaida& klaida) {
    return Naudojimas(srautai, klaida.what());
  }
  if (zodziai.size() != 1) return Naudojimas(srautai, "name one WORD");

  Cp1257Tekstas zodis;
  try {
    zodis = IsUtf8(zodziai.front());
  } catch (const NetinkamasUtf8& klaida) {
    return Naudojimas(srautai, std::string("WORD: ") + klaida.what());
  }
  Aplinka aplinka;
  try {
    IkeltiZodynus(parinktys, aplinka.Zodynai);
  } catch (const ZodynoSkaitymoKlaida& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << '\n';
    return IsejimasFailas;
  }
  IeskotiZodyne(aplinka, zodis.Tekstas);
  for (int i = 0; i < aplinka.Variantai.Kiekis(); ++i) {
    std::vector<std::string> eilutes;
    RodytiParadigma(aplinka.Variantai.Zodziai[i], eilutes);
    if (i > 0) srautai.out << '\n';
    for (const std::string& eilute : eilutes) srautai.out << IUtf8(eilute) << '\n';
  }
  return BaigtiIsvedima(srautai, Pavadinimas);
}

const Registracija registracija({"paradigm", "show every form of a word's dictionary entries",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
