#include "cli/argumentai.h"

#include <algorithm>
#include <ostream>

#include "cli/isvedimas.h"

namespace kervosta::cli {

bool Argumentai::Yra(std::string_view jungiklis) const {
  return std::find(Jungikliai.begin(), Jungikliai.end(), jungiklis) != Jungikliai.end();
}

Argumentai SkaitytiArgumentus(const std::vector<std::string>& argumentai,
                              std::span<const std::string_view> jungikliai, bool tekstasPoPirmo) {
  Argumentai rezultatas;
  try {
    for (std::size_t i = 0; i < argumentai.size(); ++i) {
      const std::string& a = argumentai[i];
      if (tekstasPoPirmo && !rezultatas.Kiti.empty()) {
        rezultatas.Kiti.push_back(a);
      } else if (a == "-h" || a == "--help") {
        rezultatas.Pagalba = true;
      } else if (std::find(jungikliai.begin(), jungikliai.end(), a) != jungikliai.end()) {
        rezultatas.Jungikliai.push_back(a);
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
                                  Argumentai& a, std::span<const std::string_view> jungikliai,
                                  bool tekstasPoPirmo) {
  try {
    a = SkaitytiArgumentus(argumentai, jungikliai, tekstasPoPirmo);
  } catch (const NaudojimoKlaida& klaida) {
    return Naudojimas(srautai, komanda, klaida.what());
  }
  if (!a.Pagalba) return std::nullopt;
  pagalba(srautai.out);
  return IsejimasGerai;
}

int Naudojimas(Srautai& srautai, std::string_view komanda, std::string_view priezastis) {
  return Pranesti(srautai, komanda,
                  std::string(priezastis) + " (see " + std::string(komanda) + " --help)",
                  IsejimasNaudojimas);
}

bool IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai, Srautai& srautai,
                   std::string_view komanda) {
  try {
    IkeltiZodynus(parinktys, zodynai);
    return true;
  } catch (const ZodynoSkaitymoKlaida& klaida) {
    Pranesti(srautai, komanda, klaida.what(), IsejimasFailas);
    return false;
  }
}

}  // namespace kervosta::cli
