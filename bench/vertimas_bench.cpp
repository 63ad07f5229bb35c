// The translation driver over long English texts, line by line as the desktop program runs it,
// with the shipped dictionary.
//
// Automatic translation should reach a million words a second on one core with the shipped
// dictionary, and a dictionary padded to 100,000 entries should cost at most 1.5 times as much
// a word.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/paruosimas.h"
#include "bench/sintetinis_zodynas.h"
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

void BM_VerstiEilutes(benchmark::State& state) {
  Aplinka aplinka;
  ParuostiAplinka(aplinka);
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

// The everyday English of the repository (the development text and the coverage samples),
// repeated in the same order to at least 100,000 words.
std::vector<std::string> KasdienisTekstas() {
  const std::filesystem::path duomenys = KERVOSTA_SOURCE_DIR "/data";
  std::vector<std::filesystem::path> failai = {duomenys / "dev" / "everyday-en.txt"};
  for (const auto& irasas : std::filesystem::directory_iterator(duomenys))
    if (irasas.path().filename().string().starts_with("coverage-sample-"))
      failai.push_back(irasas.path());
  std::sort(failai.begin() + 1, failai.end());
  std::vector<std::string> kartojamos;
  for (const auto& failas : failai) {
    const std::vector<std::string> eilutes = TekstoEilutes(failas);
    kartojamos.insert(kartojamos.end(), eilutes.begin(), eilutes.end());
  }
  std::vector<std::string> tekstas;
  const std::int64_t kartai = 1 + 100'000 / std::max<std::int64_t>(ZodziuSk(kartojamos), 1);
  for (std::int64_t k = 0; k < kartai; ++k)
    tekstas.insert(tekstas.end(), kartojamos.begin(), kartojamos.end());
  return tekstas;
}

// Automatic translation of everyday text. Argument 0: the shipped dictionary; otherwise the
// shipped dictionary padded with synthetic entries to that many.
void BM_AutomatinisVertimas(benchmark::State& state) {
  Aplinka aplinka;
  if (!ParuostiAplinka(aplinka)) {
    state.SkipWithError("bin/main.zod has not been built");
    return;
  }
  ZodynoSarasas& pagrindinis = aplinka.Zodynai.PagrindinisZodynas;
  const int irasu = static_cast<int>(state.range(0));
  if (irasu > pagrindinis.Kiekis()) PridetiSintetinius(pagrindinis, irasu - pagrindinis.Kiekis());
  const EiluciuSarasas anglu(KasdienisTekstas());
  VerstiTeksta(aplinka, "A word.");  // whatever the first lookup prepares is not timed
  for (auto _ : state) {
    EiluciuKaupiklis lietuviu;
    VerstiEilutes(aplinka, anglu, lietuviu);
    benchmark::DoNotOptimize(lietuviu.Eilutes.data());
  }
  state.counters["words_per_second"] = benchmark::Counter(
      static_cast<double>(ZodziuSk(anglu.Eilutes)), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["dictionary_entries"] = pagrindinis.Kiekis();
}
BENCHMARK(BM_AutomatinisVertimas)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervosta
