// kervosta-cli dict: dictionary files as text a person can read and edit, and back.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/argumentai.h"
#include "cli/failo_skaitymas.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Pavadinimas = "kervosta-cli dict";
constexpr std::string_view Dump = "kervosta-cli dict dump";
constexpr std::string_view Compile = "kervosta-cli dict compile";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " dump FILE\n"
      << "       " << Pavadinimas << " compile TEXT... OUT\n\n"
         "dump     prints every record of the dictionary FILE as one line of UTF-8 text\n"
         "compile  builds the dictionary file OUT from the records of the TEXT files, in order;\n"
         "         dump then compile gives back the same file byte for byte\n\n"
         "The text format is described in docs/dictionary-text-format.md.\n"
         "Exit status: 0 done, 1 bad usage or malformed text, 2 a file could not be read or\n"
         "written.\n";
}

bool PrasoPagalbos(const std::vector<std::string>& argumentai) {
  for (const std::string& a : argumentai)
    if (a == "--help" || a == "-h") return true;
  return false;
}

int Isvesti(const fs::path& failas, Srautai& srautai) {
  ZodynoSarasas sarasas;
  std::string klaida;
  try {
    IkeltiZodyna(failas, sarasas);
  } catch (const FailoKlaida& k) {
    klaida = k.what();
  }
  // A broken tail still shows the whole records in front of it.
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas)
    srautai.out << IrasasITeksta(m->Duomenys) << '\n';
  if (klaida.empty()) return IsejimasGerai;
  srautai.out.flush();
  return Pranesti(srautai, Dump, "'" + failas.string() + "': " + klaida, IsejimasFailas);
}

int Kompiliuoti(const std::vector<std::string>& tekstai, const fs::path& isvestis,
                Srautai& srautai) {
  ZodynoSarasas sarasas;
  for (const std::string& failas : tekstai) {
    try {
      SkaitytiZodynoTeksta(SkaitytiFaila(failas), sarasas);
    } catch (const FailoSkaitymoKlaida& k) {
      return Pranesti(srautai, Compile, k.what(), IsejimasFailas);
    } catch (const ZodynoTekstoKlaida& k) {
      return Pranesti(srautai, Compile,
                      failas + ':' + std::to_string(k.Eilute()) + ": " + k.Priezastis(),
                      IsejimasNaudojimas);
    }
  }
  try {
    IssaugotiZodyna(isvestis, sarasas);
  } catch (const FailoKlaida& k) {
    return Pranesti(srautai, Compile, "'" + isvestis.string() + "': " + k.what(),
                    IsejimasFailas);
  }
  return IsejimasGerai;
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  if (PrasoPagalbos(argumentai)) {
    RasytiPagalba(srautai.out);
    return IsejimasGerai;
  }
  if (argumentai.empty())
    return Naudojimas(srautai, Pavadinimas, "missing command: dump or compile");
  const std::string& veiksmas = argumentai[0];
  if (veiksmas == "dump") {
    if (argumentai.size() != 2) return Naudojimas(srautai, Pavadinimas, "dump takes one FILE");
    return Isvesti(argumentai[1], srautai);
  }
  if (veiksmas == "compile") {
    if (argumentai.size() < 3)
      return Naudojimas(srautai, Pavadinimas, "compile takes TEXT... and OUT");
    const std::vector<std::string> tekstai(argumentai.begin() + 1, argumentai.end() - 1);
    return Kompiliuoti(tekstai, argumentai.back(), srautai);
  }
  return Naudojimas(srautai, Pavadinimas, "unknown command '" + veiksmas + "'");
}

const Registracija registracija({"dict", "dump a dictionary file as text, or compile text into one",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
