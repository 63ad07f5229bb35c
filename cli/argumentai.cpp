#include "cli/argumentai.h"

#include <ostream>

namespace kervosta::cli {

Argumentai SkaitytiArgumentus(const std::vector<std::string>& argumentai, bool tekstasPoPirmo) {
  Argumentai rezultatas;
  try {
    for (std::size_t i = 0; i < argumentai.size(); ++i) {
      const std::string& a = argumentai[i];
      if (tekstasPoPirmo && !rezultatas.Kiti.empty()) {
        rezultatas.Kiti.push_back(a);
      } else if (a == "-h" || a == "--help") {
        rezultatas.Pagalba = true;
      } else if (!ImtiZodynoParinkti(argumentai, i, rezultatas.Zodynai)) {
        if (a.size() > 1 && a[0] == '-') throw NaudojimoKlaida("unknown option '" + a + "'");
        rezultatas.Kiti.push_back(a);
      }
    }
  } catch (const ZodynoParinktiesKlaida& klaida) {
    throw NaudojimoKlaida(klaida.what());
  }
  return rezultatas;
}

std::optional<int> PradetiKomanda(const std::vector<std::string>& argumentai, Srautai& srautai,
                                  std::string_view komanda, void (*pagalba)(std::ostream&),
                                  Argumentai& a, bool tekstasPoPirmo) {
  try {
    a = SkaitytiArgumentus(argumentai, tekstasPoPirmo);
  } catch (const NaudojimoKlaida& klaida) {
    return Naudojimas(srautai, komanda, klaida.what());
  }
  if (!a.Pagalba) return std::nullopt;
  pagalba(srautai.out);
  return IsejimasGerai;
}

int Naudojimas(Srautai& srautai, std::string_view komanda, std::string_view priezastis) {
  srautai.err << komanda << ": " << priezastis << " (see " << komanda << " --help)\n";
  return IsejimasNaudojimas;
}

bool IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai, Srautai& srautai,
                   std::string_view komanda) {
  try {
    IkeltiZodynus(parinktys, zodynai);
    return true;
  } catch (const ZodynoSkaitymoKlaida& klaida) {
    srautai.err << komanda << ": " << klaida.what() << '\n';
    return false;
  }
}

}  // namespace kervosta::cli
