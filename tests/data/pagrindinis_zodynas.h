// The shipped dictionary as the build compiled it, read once for all the data tests.
#pragma once

#include <string>
#include <vector>

#include "lexicon/zodyno_irasas.h"

namespace kervosta::duomenys {

// The path of bin/main.zod in the build tree.
std::string PagrindinioZodynoKelias();

// Every record of bin/main.zod in file order.
const std::vector<ZodynoIrasas>& PagrindiniaiIrasai();

// A short UTF-8 name of an entry for failure messages: part of speech, headword, Lithuanian word.
std::string Pavadinimas(const ZodynoIrasas& irasas);

}  // namespace kervosta::duomenys
