#include "tests/data/pagrindinis_zodynas.h"

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_sarasas.h"

namespace kervosta::duomenys {

std::string PagrindinioZodynoKelias() { return KERVOSTA_BINARY_DIR "/bin/main.zod"; }

const std::vector<ZodynoIrasas>& PagrindiniaiIrasai() {
  static const std::vector<ZodynoIrasas> irasai = [] {
    ZodynoSarasas sarasas;
    IkeltiZodyna(PagrindinioZodynoKelias(), sarasas);
    std::vector<ZodynoIrasas> visi;
    for (const ZodynoMazgas* m = sarasas.Galva(); m != nullptr; m = m->Kitas)
      visi.push_back(m->Duomenys);
    return visi;
  }();
  return irasai;
}

std::string Pavadinimas(const ZodynoIrasas& irasas) {
  return "pos " + std::to_string(irasas.DaliesKodas()) + " '" + IUtf8(irasas.Angl1()) + "' -> '" +
         IUtf8(irasas.LietZodis()) + "'";
}

}  // namespace kervosta::duomenys
