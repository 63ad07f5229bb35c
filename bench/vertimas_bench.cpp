// The translation driver over a long English text, line by line as the desktop program runs it.
// The shipped dictionary (bin/main.zod of the same build) is used when it has been built.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "lexicon/zodyno_failai.h"
#include "translation/eiluciu_sarasai.h"
#include "translation/vertimas.h"

namespace kervosta {
namespace {

constexpr std::array<const char*, 8> Pavyzdziai = {
    "I see a big house. She has two children.",
    "We did not go to school yesterday.",
    "The boy did not see the book. Do you know the way to the station?",
    "My brother works in a small shop, and he likes his work.",
    "It costs 3.5 dollars, but I'm sure it isn't worth it: nobody buys",
    "it. They haven't read the letter (the long one) that we're writing.",
    "Will you come to Vilnius next week? He's been there before!",
    "",
};

std::vector<std::string> IlgasTekstas(int eiluciuSk) {
  std::vector<std::string> eilutes;
  for (int i = 0; i < eiluciuSk; ++i) eilutes.emplace_back(Pavyzdziai[i % Pavyzdziai.size()]);
  return eilutes;
}

Aplinka ParuostaAplinka() {
  Aplinka aplinka;
  aplinka.AutomatinisVertimas = 1;
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  std::error_code klaida;
  const auto programa = std::filesystem::read_symlink("/proc/self/exe", klaida);
  const auto zodynas = programa.parent_path().parent_path() / "bin" / PagrindinioZodynoFailas;
  if (!klaida && std::filesystem::exists(zodynas, klaida))
    IkeltiZodyna(zodynas, aplinka.Zodynai.PagrindinisZodynas);
  return aplinka;
}

void BM_VerstiEilutes(benchmark::State& state) {
  Aplinka aplinka = ParuostaAplinka();
  const EiluciuSarasas anglu(IlgasTekstas(static_cast<int>(state.range(0))));
  std::size_t baitu = 0;
  for (const std::string& eilute : anglu.Eilutes) baitu += eilute.size() + 1;
  for (auto _ : state) {
    EiluciuKaupiklis lietuviu;
    VerstiEilutes(aplinka, anglu, lietuviu);
    benchmark::DoNotOptimize(lietuviu.Eilutes.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(baitu));
  state.counters["dictionary_entries"] = aplinka.Zodynai.PagrindinisZodynas.Kiekis();
}
BENCHMARK(BM_VerstiEilutes)->RangeMultiplier(8)->Range(64, 4096)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervosta
