// inflect: every form the builders make for a stem, one `LABEL<TAB>FORM` line each, so that the
// morphology can be read and checked without a dictionary.
#include "cli/inflect.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "cli/argumentai.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "core/cp1257.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli inflect";

std::vector<LinksniavimoRusis>& Rusys() {
  static std::vector<LinksniavimoRusis> rusys;
  return rusys;
}

void RasytiPagalba(std::ostream& out) {
  out << "Usage: kervosta-cli inflect KIND ARGS...\n"
         "Prints every Lithuanian form the builders make for a stem, one per line as\n"
         "LABEL<TAB>FORM (UTF-8). Labels are stable; they are also listed in\n"
         "docs/inflect-labels.md. Cases are numbered 1 nominative, 2 genitive, 3 dative,\n"
         "4 accusative, 5 instrumental, 6 locative, 7 vocative; sg and pl are the numbers,\n"
         "masc and fem the genders. A stem holds at most 32 letters, as in a dictionary entry,\n"
         "and no control character (TAB, line break).\n";
  for (const LinksniavimoRusis& rusis : Rusys())
    out << "\n  inflect " << rusis.Vardas << ' ' << rusis.Argumentai << '\n' << rusis.Etiketes;
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  if (std::any_of(argumentai.begin(), argumentai.end(),
                  [](const std::string& a) { return a == "--help" || a == "-h"; })) {
    RasytiPagalba(srautai.out);
    return IsejimasGerai;
  }
  if (argumentai.empty()) return Naudojimas(srautai, Pavadinimas, "name a kind of word");
  const auto& rusys = Rusys();
  const auto rusis = std::find_if(rusys.begin(), rusys.end(), [&](const LinksniavimoRusis& r) {
    return r.Vardas == argumentai.front();
  });
  if (rusis == rusys.end())
    return Naudojimas(srautai, Pavadinimas, "unknown kind '" + argumentai.front() + "'");
  PazymetosFormos eilutes;
  try {
    eilutes = rusis->Formos({argumentai.begin() + 1, argumentai.end()});
  } catch (const NetinkamiArgumentai& klaida) {
    return Pranesti(srautai, std::string(Pavadinimas) + " " + std::string(rusis->Vardas),
                    klaida.what(), IsejimasNaudojimas);
  }
  for (const PazymetaForma& eilute : eilutes)
    if (eilute.Tekstas) srautai.out << eilute.Etikete << '\t' << IUtf8(*eilute.Tekstas) << '\n';
  return IsejimasGerai;
}

const Registracija registracija({"inflect", "every Lithuanian form of a stem and paradigm", Vykdyti});

}  // namespace

LinksniavimoRegistracija::LinksniavimoRegistracija(LinksniavimoRusis rusis) {
  auto& rusys = Rusys();
  rusys.push_back(rusis);
  std::sort(rusys.begin(), rusys.end(),
            [](const LinksniavimoRusis& a, const LinksniavimoRusis& b) { return a.Vardas < b.Vardas; });
}

void TikrintiKieki(const std::vector<std::string>& argumentai, std::size_t kiek,
                   const LinksniavimoRusis& rusis) {
  if (argumentai.size() != kiek)
    throw NetinkamiArgumentai("expected " + std::string(rusis.Argumentai));
}

ZodynoIrasas KamienoIrasas(const std::string& utf8, std::string_view ka) {
  Cp1257Tekstas tekstas;
  try {
    tekstas = IsUtf8(utf8);
  } catch (const NetinkamasUtf8&) {
    throw NetinkamiArgumentai(std::string(ka) + " is not valid UTF-8");
  }
  if (tekstas.Pakeista != 0)
    throw NetinkamiArgumentai(std::string(ka) + " '" + utf8 +
                              "' holds a letter Windows-1257 cannot hold");
  // A TAB or a line break would break the LABEL<TAB>FORM lines.
  if (std::any_of(tekstas.Tekstas.begin(), tekstas.Tekstas.end(),
                  [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
    throw NetinkamiArgumentai(std::string(ka) + " '" + utf8 + "' holds a control character");
  // An entry keeps its stems in 32-letter fields; a longer stem would be cut silently.
  if (tekstas.Tekstas.size() > ZodynoIrasas::TekstoTalpa)
    throw NetinkamiArgumentai(std::string(ka) + " holds more than " +
                              std::to_string(ZodynoIrasas::TekstoTalpa) + " letters");
  ZodynoIrasas irasas;
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, tekstas.Tekstas);
  return irasas;
}

int Numeris(const std::string& tekstas, int nuo, int iki, std::string_view ka) {
  int reiksme = 0;
  const char* pabaiga = tekstas.data() + tekstas.size();
  const auto [kur, klaida] = std::from_chars(tekstas.data(), pabaiga, reiksme);
  if (tekstas.empty() || klaida != std::errc() || kur != pabaiga || reiksme < nuo || reiksme > iki)
    throw NetinkamiArgumentai(std::string(ka) + " must be a number from " + std::to_string(nuo) +
                              " to " + std::to_string(iki) + ", not '" + tekstas + "'");
  return reiksme;
}

}  // namespace kervosta::cli
