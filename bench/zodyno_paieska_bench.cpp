// Dictionary lookup, loading and indexing with large synthetic dictionaries: the cost of one
// lookup should hardly grow with the number of entries; loading 100,000 entries should stay
// under a tenth of a second (the index is built at the first lookup, not at loading).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "lexicon/zodyno_failai.h"

namespace kervosta {
namespace {

// Nouns "w0".."wN" with plurals, verbs among them, so that lookups hit and miss.
void Uzpildyti(ZodynoSarasas& sarasas, int irasu) {
  for (int i = 0; i < irasu; ++i) {
    ZodynoIrasas irasas;
    const std::string angl = "w" + std::to_string(i);
    irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, i % 7 == 0 ? 3 : 1);
    irasas.NustatytiTeksta(TekstoLaukas::Angl1, angl);
    irasas.NustatytiTeksta(TekstoLaukas::Angl2, angl);
    irasas.NustatytiTeksta(TekstoLaukas::Angl3, angl + "s");
    irasas.NustatytiTeksta(TekstoLaukas::Kamienas, "nam");
    sarasas.Prideti(irasas);
  }
}

void BM_IeskotiZodyne(benchmark::State& state) {
  ZodynuRinkinys zodynai;
  const int irasu = static_cast<int>(state.range(0));
  Uzpildyti(zodynai.PagrindinisZodynas, irasu);
  std::vector<std::string> zodziai;
  for (int i = 0; i < 1000; ++i)
    zodziai.push_back("w" + std::to_string((i * 7919) % (2 * irasu)) + (i % 3 == 0 ? "s" : ""));
  TZodziuList kandidatai;
  std::size_t i = 0;
  for (auto _ : state) {
    kandidatai.Isvalyti();
    IeskotiZodyne(zodynai, zodziai[i++ % zodziai.size()], kandidatai);
    benchmark::DoNotOptimize(kandidatai.Kiekis());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IeskotiZodyne)->Arg(2600)->Arg(10000)->Arg(100000);

void BM_IkeltiZodyna(benchmark::State& state) {
  const auto failas = std::filesystem::temp_directory_path() /
                      ("kervosta-bench-" + std::to_string(::getpid()) + ".zod");
  {
    ZodynoSarasas sarasas;
    Uzpildyti(sarasas, static_cast<int>(state.range(0)));
    IssaugotiZodyna(failas, sarasas);
  }
  for (auto _ : state) {
    ZodynoSarasas sarasas;
    IkeltiZodyna(failas, sarasas);
    benchmark::DoNotOptimize(sarasas.Galva());
  }
  std::filesystem::remove(failas);
}
BENCHMARK(BM_IkeltiZodyna)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Indeksuoti(benchmark::State& state) {
  ZodynoSarasas sarasas;
  Uzpildyti(sarasas, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    sarasas.Pakeista();
    benchmark::DoNotOptimize(sarasas.SuForma("w1").size());
  }
}
BENCHMARK(BM_Indeksuoti)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervosta
