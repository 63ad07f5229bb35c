// kervosta-cli: the translation engine on the command line, UTF-8 in and out.
#include <algorithm>
#include <iostream>

#include "cli/komandos.h"

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
}  // namespace

Registracija::Registracija(Komanda komanda) {
  auto& komandos = Registras();
  komandos.push_back(komanda);
  std::sort(komandos.begin(), komandos.end(),
            [](const Komanda& a, const Komanda& b) { return a.Vardas < b.Vardas; });
}

const std::vector<Komanda>& Komandos() { return Registras(); }

int BaigtiIsvedima(Srautai& srautai, std::string_view komanda) {
  srautai.out.flush();
  if (srautai.out) return IsejimasGerai;
  srautai.err << komanda << ": cannot write standard output\n";
  return IsejimasFailas;
}

}  // namespace kervosta::cli

int main(int argc, char** argv) {
  using namespace kervosta::cli;
  std::ios::sync_with_stdio(false);
  Srautai srautai{std::cin, std::cout, std::cerr};
  if (argc < 2) {
    RasytiPagalba(std::cerr);
    return IsejimasNaudojimas;
  }
  const std::string_view vardas = argv[1];
  if (vardas == "--help" || vardas == "-h" || vardas == "help") {
    RasytiPagalba(std::cout);
    return IsejimasGerai;
  }
  for (const Komanda& k : Komandos()) {
    if (k.Vardas == vardas) {
      const std::vector<std::string> argumentai(argv + 2, argv + argc);
      return k.Vykdyti(argumentai, srautai);
    }
  }
  std::cerr << "kervosta-cli: unknown command '" << vardas << "' (see kervosta-cli --help)\n";
  return IsejimasNaudojimas;
}
