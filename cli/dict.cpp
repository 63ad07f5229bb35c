// kervosta-cli dict: dictionary files as text a person can read and edit, and back.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/komandos.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Pavadinimas = "kervosta-cli dict";

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

int NetinkamasNaudojimas(Srautai& srautai, const std::string& priezastis) {
  srautai.err << Pavadinimas << ": " << priezastis << " (see " << Pavadinimas << " --help)\n";
  return IsejimasNaudojimas;
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
  if (klaida.empty()) return BaigtiIsvedima(srautai, Pavadinimas);
  srautai.out.flush();
  srautai.err << Pavadinimas << " dump: '" << failas.string() << "': " << klaida << '\n';
  return IsejimasFailas;
}

bool SkaitytiTeksta(const fs::path& failas, std::string& turinys, Srautai& srautai) {
  std::FILE* f = std::fopen(failas.c_str(), "rb");
  int klaida = f ? 0 : errno;
  if (f) {
    char buferis[1 << 16];
    std::size_t n;
    while ((n = std::fread(buferis, 1, sizeof buferis, f)) > 0) turinys.append(buferis, n);
    if (std::ferror(f)) klaida = errno ? errno : EIO;
    std::fclose(f);
  }
  if (klaida == 0) return true;
  srautai.err << Pavadinimas << " compile: cannot read '" << failas.string()
              << "': " << std::strerror(klaida) << '\n';
  return false;
}

int Kompiliuoti(const std::vector<std::string>& tekstai, const fs::path& isvestis,
                Srautai& srautai) {
  ZodynoSarasas sarasas;
  for (const std::string& failas : tekstai) {
    std::string turinys;
    if (!SkaitytiTeksta(failas, turinys, srautai)) return IsejimasFailas;
    try {
      SkaitytiZodynoTeksta(turinys, sarasas);
    } catch (const ZodynoTekstoKlaida& k) {
      srautai.err << Pavadinimas << " compile: " << failas << ':' << k.Eilute() << ": "
<< k.Priezastis() << '\n';
      return IsejimasNaudojimas;
    }
  }
  try {
    IssaugotiZodyna(isvestis, sarasas);
  } catch (const FailoKlaida& k) {
    srautai.err << Pavadinimas << " compile: '" << isvestis.string() << "': " << k.what()
                << '\n';
    return IsejimasFailas;
  }
  return IsejimasGerai;
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  if (PrasoPagalbos(argumentai)) {
    RasytiPagalba(srautai.out);
    return IsejimasGerai;
  }
  if (argumentai.empty()) return NetinkamasNaudojimas(srautai, "missing command: dump or compile");
  const std::string& veiksmas = argumentai[0];
  if (veiksmas == "dump") {
    if (argumentai.size() != 2) return NetinkamasNaudojimas(srautai, "dump takes one FILE");
    return Isvesti(argumentai[1], srautai);
  }
  if (veiksmas == "compile") {
    if (argumentai.size() < 3)
      return NetinkamasNaudojimas(srautai, "compile takes TEXT... and OUT");
    const std::vector<std::string> tekstai(argumentai.begin() + 1, argumentai.end() - 1);
    return Kompiliuoti(tekstai, argumentai.back(), srautai);
  }
  return NetinkamasNaudojimas(srautai, "unknown command '" + veiksmas + "'");
}

const Registracija registracija({"dict", "dump a dictionary file as text, or compile text into one",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
