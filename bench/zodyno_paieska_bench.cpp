// Dictionary lookup, loading and indexing with large synthetic dictionaries: the cost of one
// lookup should hardly grow with the number of entries; loading 100,000 entries should stay
// under a tenth of a second (the index is built at the first lookup, not at loading).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "bench/sintetinis_zodynas.h"
#include "lexicon/zodyno_failai.h"

namespace kervosta {
namespace {

void BM_IeskotiZodyne(benchmark::State& state) {
  ZodynuRinkinys zodynai;
  const int irasu = static_cast<int>(state.range(0));
  PridetiSintetinius(zodynai.PagrindinisZodynas, irasu);
  std::vector<std::string> zodziai;
  for (int i = 0; i < 1000; ++i) {
    std::string zodis = std::to_string((i * 7919) % (2 * irasu));
    zodis.insert(zodis.begin(), 'w');
    if (i % 3 == 0) zodis += 's';
    zodziai.push_back(std::move(zodis));
  }
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
    PridetiSintetinius(sarasas, static_cast<int>(state.range(0)));
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
  PridetiSintetinius(sarasas, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    sarasas.Pakeista();
    benchmark::DoNotOptimize(sarasas.SuForma("w1").size());
  }
}
BENCHMARK(BM_Indeksuoti)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervosta
