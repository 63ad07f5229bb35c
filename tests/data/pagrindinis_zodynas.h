// The shipped dictionary as the build compiled it into bin/main.zod, read once for all the tests.
#pragma once

#include <string>
#include <vector>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_sarasas.h"

namespace kervosta::duomenys {

inline std::string PagrindinioZodynoKelias() { return KERVOSTA_BINARY_DIR "/bin/main.zod"; }

// Every record in file order.
inline const std::vector<ZodynoIrasas>& PagrindiniaiIrasai() {
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

// An entry named in UTF-8 for failure messages: part of speech, headword, Lithuanian word.
inline std::string Pavadinimas(const ZodynoIrasas& irasas) {
  return "pos " + std::to_string(irasas.DaliesKodas()) + " '" + IUtf8(irasas.Angl1()) + "' -> '" +
         IUtf8(irasas.LietZodis()) + "'";
}

}  // namespace kervosta::duomenys
