// Any bytes as a web page: read in any declared charset and translated, the result is UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "translation/puslapio_koduote.h"
#include "translation/puslapio_vertimas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* duomenys, std::size_t dydis) {
  using namespace kervosta;
  const std::string_view baitai(reinterpret_cast<const char*>(duomenys), dydis);
  const std::string utf8 = PuslapisUtf8(baitai, DeklaruotaKoduote(baitai.substr(0, 64), baitai));
  if (!TinkamasUtf8(utf8)) std::abort();
  const std::string isverstas =
      VerstiPuslapi(utf8, [](std::string_view tekstas) { return std::string(tekstas); });
  if (!TinkamasUtf8(isverstas)) std::abort();
  return 0;
}
