// Any bytes as a dictionary file: every whole record is looked up, shown as text and read back,
// and its forms built. The text form must give back the very record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "analysis/zodzio_paieska.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"
#include "morphology/paradigmos_rodymas.h"
#include "morphology/zodzio_forma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* duomenys, std::size_t dydis) {
  using namespace kervosta;
  ZodynuRinkinys zodynai;
  UzpildytiVidiniusIrasus(zodynai);
  const std::span<const std::uint8_t> baitai(duomenys, dydis);
  for (std::size_t i = 0; i + ZodynoIrasas::Dydis <= dydis; i += ZodynoIrasas::Dydis) {
    const ZodynoIrasas irasas(baitai.subspan(i).first<ZodynoIrasas::Dydis>());
    if (IrasasIsTeksto(IrasasITeksta(irasas)) != irasas) std::abort();
    zodynai.PagrindinisZodynas.Prideti(irasas);
  }
  for (ZodynoMazgas* m = zodynai.PagrindinisZodynas.Galva(); m; m = m->Kitas) {
    for (TekstoLaukas laukas : {TekstoLaukas::Angl1, TekstoLaukas::Angl3}) {
      TZodziuList kandidatai;
      IeskotiZodyne(zodynai, m->Duomenys.Tekstas(laukas), kandidatai);
      for (int k = 0; k < kandidatai.Kiekis(); ++k) {
        std::vector<std::string> eilutes;
        RodytiParadigma(kandidatai[k], eilutes);
      }
    }
    (void)CitavimoForma(m->Duomenys);
  }
  return 0;
}
