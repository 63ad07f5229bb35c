// kervosta-cli: the translation engine on the command line, UTF-8 in and out.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "cli/komandos.h"
#include "cli/isvedimas.h"

namespace kervosta::cli {

namespace {
std::vector<Komanda>& Registras() {
  static std::vector<Komanda> komandos;
  return komandos;
}

void RasytiPagalba(std::ostream& out) {
  out << "Usage: kervosta-cli COMMAND [OPTIONS] [ARGS...]\n"
         "English to Lithuanian translation on the command line (UTF-8 in and out).\n\n"
         "Commands:\n";
  for (const Komanda& k : Komandos()) out << "  " << k.Vardas << std::string(12 - std::min<std::size_t>(k.Vardas.size(), 11), ' ') << k.Aprasas << '\n';
  out << "\nRun 'kervosta-cli COMMAND --help' for the options of a command.\n";
}

// A terminal or a pipe: someone reads the output while the program runs.
bool SkaitomaIskart(int fd) {
  struct stat busena {};
  if (::isatty(fd)) return true;
  return ::fstat(fd, &busena) == 0 && (S_ISFIFO(busena.st_mode) || S_ISSOCK(busena.st_mode));
}

// Every command's output is checked here, once: a write that failed (a full disk, a closed pipe)
// is an error line and IsejimasFailas, whatever the command itself returned.
int BaigtiIsvedima(Srautai& srautai, std::string_view komanda, int busena) {
  srautai.out.flush();
  if (srautai.out) return busena;
  return Pranesti(srautai, komanda, "cannot write standard output",
                  busena == IsejimasGerai ? IsejimasFailas : busena);
}

const Komanda* RastiKomanda(std::string_view vardas) {
  for (const Komanda& k : Komandos())
    if (k.Vardas == vardas) return &k;
  return nullptr;
}

int Vykdyti(int argc, char** argv, Srautai& srautai) {
  if (argc < 2) {
    RasytiPagalba(srautai.err);
    return IsejimasNaudojimas;
  }
  const std::string_view vardas = argv[1];
  if (vardas == "--help" || vardas == "-h" || vardas == "help") {
    RasytiPagalba(srautai.out);
    return IsejimasGerai;
  }
  if (const Komanda* k = RastiKomanda(vardas))
    return k->Vykdyti(std::vector<std::string>(argv + 2, argv + argc), srautai);
  return Pranesti(srautai, "kervosta-cli",
                  "unknown command '" + std::string(vardas) + "' (see kervosta-cli --help)",
                  IsejimasNaudojimas);
}
}  // namespace

Registracija::Registracija(Komanda komanda) {
  auto& komandos = Registras();
  komandos.push_back(komanda);
  std::sort(komandos.begin(), komandos.end(),
            [](const Komanda& a, const Komanda& b) { return a.Vardas < b.Vardas; });
}

const std::vector<Komanda>& Komandos() { return Registras(); }

}  // namespace kervosta::cli

int main(int argc, char** argv) {
  using namespace kervosta::cli;
  std::ios::sync_with_stdio(false);
  Srautai srautai{std::cout, std::cerr, SkaitomaIskart(STDOUT_FILENO)};
  const Komanda* k = argc < 2 ? nullptr : RastiKomanda(argv[1]);
  const std::string komanda = "kervosta-cli" + (k ? " " + std::string(k->Vardas) : "");
  return BaigtiIsvedima(srautai, komanda, Vykdyti(argc, argv, srautai));
}
