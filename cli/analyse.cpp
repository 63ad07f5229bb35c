// kervosta-cli analyse: what the grammar window shows for one line of English, as text.
#include <ostream>
#include <string>
#include <vector>

#include "analysis/grupavimo_etiketes.h"
#include "cli/argumentai.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "core/cp1257.h"
#include "translation/eilutes_analize.h"

namespace kervosta::cli {

namespace {

using namespace literals;

constexpr std::string_view Pavadinimas = "kervosta-cli analyse";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] TEXT...\n"
         "Analyses one line of English as the grammar window does: the whole text is one\n"
         "sentence, looked up automatically, grouped with the grammar steps always on, and\n"
         "generated. The arguments are joined with spaces. Prints UTF-8, TAB-separated:\n\n"
         "  Angliškas sakinys\n"
         "  \tENGLISH\tFEATURES          every source word after the analysis\n"
         "  Lietuviškas sakinys\n"
         "  \tLITHUANIAN\tFEATURES       every generated word of the translation\n"
         "  Sintaksinės struktūros\n"
         "  \tLABEL[\tROLE]              every group: Daikt.F., Veiksm.F., Priel.F., Priev.F.,\n"
         "                             Kita.F., Skyr/Junk.F., Neap.F. or Tarnyb.F.; a noun\n"
         "                             group also shows its role\n"
         "  \t\tENGLISH                  every word of the group\n\n"
         "FEATURES are the word's codes as key=value, separated by spaces, in this order:\n"
         "  dalis (part of speech 0..14), linksnis (case 0..5; 7 governs none), skaicius,\n"
         "  gimine, laipsnis, nuosaka, laikas (1 infinitive .. 5 future), forma (English\n"
         "  form), asmuo (1..6), teigiamas (0 negated), veikiamoji (0 passive), vidinis, nr.\n"
         "A text without words prints nothing.\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba << "  -h, --help               show this help\n";
}

std::string Pozymiai(const TZodis& z) {
  const auto pora = [](std::string_view raktas, int reiksme) {
    return std::string(raktas) + "=" + std::to_string(reiksme);
  };
  return pora("dalis", z.KalbosDalis) + ' ' + pora("linksnis", z.Linksnis) + ' ' +
         pora("skaicius", z.Skaicius) + ' ' + pora("gimine", z.Gimine) + ' ' +
         pora("laipsnis", z.Laipsnis) + ' ' + pora("nuosaka", z.Nuosaka) + ' ' +
         pora("laikas", z.Laikas) + ' ' + pora("forma", z.AnglForma) + ' ' +
         pora("asmuo", z.Asmuo) + ' ' + pora("teigiamas", z.Teigiamas) + ' ' +
         pora("veikiamoji", z.Veikiamoji) + ' ' + pora("vidinis", z.Vidinis) + ' ' +
         pora("nr", z.Nr);
}

void RasytiZodzius(std::ostream& out, std::string_view antraste, const TSakinys& sakinys,
                   bool lietuviskai) {
  out << IUtf8(antraste) << '\n';
  for (int i = 0; i < sakinys.Kiekis(); ++i) {
    const TZodis& z = sakinys.Zodziai[i];
    out << '\t' << Stulpelis(lietuviskai ? z.Liet : z.Angl) << '\t' << Pozymiai(z) << '\n';
  }
}

void RasytiGrupes(std::ostream& out, const SGList& grupes) {
  out << IUtf8("Sintaksinės struktūros"_lt) << '\n';
  for (int i = 0; i < grupes.Grupes.Kiekis(); ++i) {
    const SGrupe& g = grupes.Grupes[i];
    out << '\t' << IUtf8(GrupesZyme(g.Tipas));
    if (g.Tipas == gtDaikt && !FunkcijosTekstas(g.Funkcija).empty())
      out << '\t' << IUtf8(FunkcijosTekstas(g.Funkcija));
    out << '\n';
    for (const TZodis* z : g.Zodziai) out << "\t\t" << Stulpelis(z->Angl) << '\n';
  }
}

void Analizuoti(Aplinka& aplinka, std::string_view tekstas, std::ostream& out) {
  EilutesAnalize analize;
  if (!AnalizuotiEilute(aplinka, tekstas, analize)) return;
  RasytiZodzius(out, "Angliškas sakinys"_lt, analize.Saltinis, false);
  RasytiZodzius(out, "Lietuviškas sakinys"_lt, analize.Vertinys, true);
  RasytiGrupes(out, analize.Grupes);
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga = PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a, {},
                                           true))
    return *pabaiga;
  if (a.Kiti.empty()) return Naudojimas(srautai, Pavadinimas, "no TEXT to analyse");
  std::string tekstas;
  for (const std::string& dalis : a.Kiti) tekstas += (tekstas.empty() ? "" : " ") + dalis;

  Cp1257Tekstas cp1257;
  try {
    cp1257 = IsUtf8(tekstas);
  } catch (const NetinkamasUtf8& klaida) {
    return Naudojimas(srautai, Pavadinimas, std::string("TEXT: ") + klaida.what());
  }
  if (cp1257.Pakeista > 0)
    Pranesti(srautai, Pavadinimas,
             "warning: " + std::to_string(cp1257.Pakeista) +
                 " character(s) that Windows-1257 cannot hold were replaced by '?'",
             IsejimasGerai);

  Aplinka aplinka;
  aplinka.AutomatinisVertimas = 1;
  if (!IkeltiZodynus(a.Zodynai, aplinka.Zodynai, srautai, Pavadinimas)) return IsejimasFailas;
  Analizuoti(aplinka, cp1257.Tekstas, srautai.out);
  return IsejimasGerai;
}

const Registracija registracija({"analyse", "show the words, features and groups of a sentence",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
