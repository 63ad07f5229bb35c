// kervosta-cli translate: English text in, Lithuanian text out, line for line as the desktop
// program's Lithuanian editor would hold it.
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cli/failo_skaitymas.h"
#include "cli/komandos.h"
#include "cli/terminalo_klausejas.h"
#include "cli/zodynu_parinktys.h"
#include "core/cp1257.h"
#include "translation/eiluciu_sarasai.h"
#include "translation/vertimas.h"

namespace kervosta::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Pavadinimas = "kervosta-cli translate";

struct VertimoParinktys {
  ZodynuParinktys Zodynai;
  bool BeGramatikos = false;
  bool PazodinisParinkimas = false;
  bool Tujinti = false;
  bool Koreguoti = false;
  bool Pagalba = false;
  std::vector<std::string> Failai;
};

// A switch of the command besides the dictionary options; the help text is built from this table.
struct Jungiklis {
  std::string_view Vardas;
  std::string_view Aprasas;
  void (*Taikyti)(VertimoParinktys& parinktys);
  std::string_view Trumpas = {};  // the one-letter name, if any
};

constexpr Jungiklis Jungikliai[] = {
    {"--no-grammar", "translate without the syntactic grouping",
     [](VertimoParinktys& p) { p.BeGramatikos = true; }},
    {"--literal-choice", "take the last dictionary candidate, whatever the context",
     [](VertimoParinktys& p) { p.PazodinisParinkimas = true; }},
    {"--informal", "address the reader as \"tu\" instead of \"jūs\"",
     [](VertimoParinktys& p) { p.Tujinti = true; }},
    {"--correct", "ask on the terminal about unknown and ambiguous words",
     [](VertimoParinktys& p) { p.Koreguoti = true; }},
    {"--help", "show this help", [](VertimoParinktys& p) { p.Pagalba = true; }, "-h"},
};

// Bad usage, with the message for standard error.
struct NaudojimoKlaida : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A file that cannot be read or converted, with the message for standard error.
struct SkaitymoKlaida : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Skaityti(const fs::path& failas) {
  try {
    return SkaitytiFaila(failas);
  } catch (const FailoSkaitymoKlaida& klaida) {
    throw SkaitymoKlaida(klaida.what());
  }
}

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] [FILE...]\n"
         "Translates the UTF-8 English text of the files, or of standard input, into Lithuanian:\n"
         "one output line for every input line, and one more for text after the last sentence.\n\n"
         "Options:\n";
  out << ZodynuParinkciuPagalba;
  for (const Jungiklis& j : Jungikliai) {
    std::string kaire = "  " + (j.Trumpas.empty() ? "" : std::string(j.Trumpas) + ", ") +
                        std::string(j.Vardas);
    kaire.resize(std::max<std::size_t>(kaire.size() + 2, 27), ' ');
    out << kaire << j.Aprasas << '\n';
  }
}

VertimoParinktys SkaitytiParinktis(const std::vector<std::string>& argumentai) {
  VertimoParinktys parinktys;
  for (std::size_t i = 0; i < argumentai.size(); ++i) {
    const std::string& argumentas = argumentai[i];
    if (argumentas.size() < 2 || argumentas[0] != '-') {
      parinktys.Failai.push_back(argumentas);
      continue;
    }
    try {
      if (ImtiZodynoParinkti(argumentai, i, parinktys.Zodynai)) continue;
    } catch (const ZodynoParinktiesKlaida& klaida) {
      throw NaudojimoKlaida(klaida.what());
    }
    const Jungiklis* jungiklis = nullptr;
    for (const Jungiklis& j : Jungikliai)
      if (j.Vardas == argumentas || j.Trumpas == argumentas) jungiklis = &j;
    if (jungiklis == nullptr) throw NaudojimoKlaida("unknown option '" + argumentas + "'");
    jungiklis->Taikyti(parinktys);
  }
  return parinktys;
}

// One input as Windows-1257 text, with the name its errors are reported under.
struct Ivestis {
  std::string Vardas;
  Cp1257Tekstas Tekstas;
};

// A byte-order mark that some editors put at the start of UTF-8 files is not text: it is
// dropped instead of being written as '?' and warned about.
Ivestis Konvertuoti(std::string vardas, std::string_view utf8) {
  constexpr std::string_view ZymaBom = "\xEF\xBB\xBF";
  try {
    Cp1257Tekstas tekstas = IsUtf8(utf8);
    if (utf8.starts_with(ZymaBom)) {
      tekstas.Tekstas.erase(0, 1);
      --tekstas.Pakeista;
    }
    return {vardas, std::move(tekstas)};
  } catch (const NetinkamasUtf8& klaida) {
    throw SkaitymoKlaida(vardas + ": " + klaida.what());
  }
}

std::vector<Ivestis> SkaitytiIvestis(const std::vector<std::string>& failai, std::istream& in) {
  std::vector<Ivestis> ivestys;
  if (failai.empty()) {
    const std::string turinys{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) throw SkaitymoKlaida("cannot read standard input");
    ivestys.push_back(Konvertuoti("standard input", turinys));
  }
  for (const std::string& failas : failai)
    ivestys.push_back(Konvertuoti(failas, Skaityti(failas)));
  return ivestys;
}

void ParuostiAplinka(const VertimoParinktys& parinktys, Aplinka& aplinka) {
  std::error_code nezinomas;  // without a current folder the program folder stays empty
  aplinka.Zodynai.ProgramosKatalogas = fs::current_path(nezinomas);
  try {
    IkeltiZodynus(parinktys.Zodynai, aplinka.Zodynai);
  } catch (const ZodynoSkaitymoKlaida& klaida) {
    throw SkaitymoKlaida(klaida.what());
  }
  aplinka.AutomatinisVertimas = 1;
  aplinka.GramatineAnalize = parinktys.BeGramatikos ? 0 : 1;
  aplinka.KontekstoTaisykle = !parinktys.PazodinisParinkimas;
  aplinka.Kreipinys = parinktys.Tujinti ? KreipinioForma::Tu : KreipinioForma::Jus;
}

void Versti(Aplinka& aplinka, const Ivestis& ivestis, std::ostream& out) {
  const EiluciuSarasas anglu(SkaidytiEilutemis(ivestis.Tekstas.Tekstas));
  EiluciuKaupiklis lietuviu;
  VerstiEilutes(aplinka, anglu, lietuviu);
  for (const std::string& eilute : lietuviu.Eilutes) out << IUtf8(eilute) << '\n';
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  VertimoParinktys parinktys;
  try {
    parinktys = SkaitytiParinktis(argumentai);
  } catch (const NaudojimoKlaida& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << " (see " << Pavadinimas
                << " --help)\n";
    return IsejimasNaudojimas;
  }
  if (parinktys.Pagalba) {
    RasytiPagalba(srautai.out);
    return IsejimasGerai;
  }
  std::optional<Terminalas> terminalas;
  try {
    if (parinktys.Koreguoti) terminalas.emplace();
  } catch (const NeraTerminalo& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << '\n';
    return IsejimasNaudojimas;
  }
  Aplinka aplinka;
  std::vector<Ivestis> ivestys;
  try {
    ParuostiAplinka(parinktys, aplinka);
    ivestys = SkaitytiIvestis(parinktys.Failai, srautai.in);
  } catch (const SkaitymoKlaida& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << '\n';
    return IsejimasFailas;
  }
  std::size_t pakeista = 0;
  for (const Ivestis& ivestis : ivestys) pakeista += ivestis.Tekstas.Pakeista;
  if (pakeista > 0)
    srautai.err << Pavadinimas << ": warning: " << pakeista
                << " character(s) that Windows-1257 cannot hold were replaced by '?'\n";
  if (terminalas) {
    aplinka.AutomatinisVertimas = 0;
    aplinka.Klausejas = &terminalas->Klausejas();
  }
  for (const Ivestis& ivestis : ivestys) Versti(aplinka, ivestis, srautai.out);
  return BaigtiIsvedima(srautai, Pavadinimas);
}

const Registracija registracija({"translate", "translate English text into Lithuanian", Vykdyti});

}  // namespace

}  // namespace kervosta::cli
