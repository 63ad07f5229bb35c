// Any text as a dictionary's text form: it is read or refused with a message, never more; every
// record read goes to text and back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lexicon/zodyno_tekstas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* duomenys, std::size_t dydis) {
  using namespace kervosta;
  ZodynoSarasas sarasas;
  try {
    SkaitytiZodynoTeksta(std::string_view(reinterpret_cast<const char*>(duomenys), dydis), sarasas);
  } catch (const ZodynoTekstoKlaida&) {
  }
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas)
    if (IrasasIsTeksto(IrasasITeksta(m->Duomenys)) != m->Duomenys) std::abort();
  return 0;
}
