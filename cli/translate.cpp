// kervosta-cli translate: English text in, Lithuanian text out, line for line as the desktop
// program's Lithuanian editor would hold it. Each line is written as soon as it is translated.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/argumentai.h"
#include "cli/komandos.h"
#include "cli/isvedimas.h"
#include "cli/teksto_eilutes.h"
#include "cli/terminalo_klausejas.h"
#include "core/cp1257.h"
#include "translation/vertimas.h"

namespace kervosta::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Pavadinimas = "kervosta-cli translate";

struct Jungiklis {
  std::string_view Vardas;
  std::string_view Aprasas;
};

constexpr std::string_view BeGramatikos = "--no-grammar";
constexpr std::string_view PazodinisParinkimas = "--literal-choice";
constexpr std::string_view Tujinti = "--informal";
constexpr std::string_view Koreguoti = "--correct";

constexpr Jungiklis Jungikliai[] = {
    {BeGramatikos, "translate without the syntactic grouping"},
    {PazodinisParinkimas, "take the last dictionary candidate, whatever the context"},
    {Tujinti, "address the reader as \"tu\" instead of \"jūs\""},
    {Koreguoti, "ask on the terminal about unknown and ambiguous words"},
};
constexpr std::string_view JungikliuVardai[] = {BeGramatikos, PazodinisParinkimas, Tujinti,
                                                 Koreguoti};

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] [FILE...]\n"
         "Translates the UTF-8 English text of the files, or of standard input, into Lithuanian:\n"
         "one output line for every input line, and one more for text after the last sentence.\n"
         "Each line is written as soon as it is translated; an unreadable file or malformed\n"
         "UTF-8 stops the run there, after the lines already written.\n\n"
         "Options:\n";
  out << ZodynuParinkciuPagalba;
  for (const Jungiklis& j : Jungikliai) {
    std::string kaire = "  " + std::string(j.Vardas);
    kaire.resize(std::max<std::size_t>(kaire.size() + 2, 27), ' ');
    out << kaire << j.Aprasas << '\n';
  }
  out << "  -h, --help               show this help\n";
}

void Nustatyti(const Argumentai& a, Aplinka& aplinka) {
  std::error_code nezinomas;  // without a current folder the program folder stays empty
  aplinka.Zodynai.ProgramosKatalogas = fs::current_path(nezinomas);
  aplinka.AutomatinisVertimas = 1;
  aplinka.GramatineAnalize = a.Yra(BeGramatikos) ? 0 : 1;
  aplinka.KontekstoTaisykle = !a.Yra(PazodinisParinkimas);
  aplinka.Kreipinys = a.Yra(Tujinti) ? KreipinioForma::Tu : KreipinioForma::Jus;
}

void Rasyti(const std::string& eilute, Srautai& srautai) {
  srautai.out << IUtf8(eilute) << '\n';
  if (srautai.SkubiIsvestis) srautai.out.flush();
}

// Each text is a document of its own: a sentence left unfinished at its end is not carried into
// the next one. Stops early when standard output can no longer be written.
void Versti(Aplinka& aplinka, TekstoEilutes& tekstas, Srautai& srautai) {
  EiluciuVertimas vertimas(aplinka);
  std::string eilute;
  while (srautai.out && tekstas.Kita(eilute)) Rasyti(vertimas.Versti(eilute), srautai);
  if (srautai.out && vertimas.Baigti(eilute)) Rasyti(eilute, srautai);
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga =
          PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a, JungikliuVardai))
    return *pabaiga;
  std::optional<Terminalas> terminalas;
  try {
    if (a.Yra(Koreguoti)) terminalas.emplace();
  } catch (const NeraTerminalo& klaida) {
    return Pranesti(srautai, Pavadinimas, klaida.what(), IsejimasNaudojimas);
  }
  Aplinka aplinka;
  if (!IkeltiZodynus(a.Zodynai, aplinka.Zodynai, srautai, Pavadinimas)) return IsejimasFailas;
  Nustatyti(a, aplinka);
  if (terminalas) {
    aplinka.AutomatinisVertimas = 0;
    aplinka.Klausejas = &terminalas->Klausejas();
  }
  std::size_t pakeista = 0;
  try {
    if (a.Kiti.empty()) {
      TekstoEilutes tekstas;
      Versti(aplinka, tekstas, srautai);
      pakeista += tekstas.Pakeista();
    }
    for (const std::string& failas : a.Kiti) {
      TekstoEilutes tekstas(failas);
      Versti(aplinka, tekstas, srautai);
      pakeista += tekstas.Pakeista();
    }
  } catch (const FailoSkaitymoKlaida& klaida) {
    srautai.out.flush();
    return Pranesti(srautai, Pavadinimas, klaida.what(), IsejimasFailas);
  }
  if (pakeista > 0)
    Pranesti(srautai, Pavadinimas,
             "warning: " + std::to_string(pakeista) +
                 " character(s) that Windows-1257 cannot hold were replaced by '?'",
             IsejimasGerai);
  return IsejimasGerai;
}

const Registracija registracija({"translate", "translate English text into Lithuanian", Vykdyti});

}  // namespace

}  // namespace kervosta::cli
