// The translation driver over long English texts, line by line as the desktop program runs it.
// The shipped dictionary (bin/main.zod of the same build) is used when it has been built.
//
// Automatic translation should reach a million words a second on one core with the shipped
// dictionary, and a dictionary padded to 100,000 entries should cost at most 1.5 times as much
// a word.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "bench/sintetinis_zodynas.h"
#include "core/cp1257.h"
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

// The everyday English of the repository (the development text and the coverage samples),
// repeated in the same order to at least 100,000 words.
struct KasdienisTekstas {
  std::vector<std::string> Eilutes;
  std::int64_t Zodziai = 0;
};

KasdienisTekstas SkaitytiKasdieniTeksta() {
  const std::filesystem::path duomenys = KERVOSTA_SOURCE_DIR "/data";
  std::vector<std::filesystem::path> failai = {duomenys / "dev" / "everyday-en.txt"};
  for (const auto& irasas : std::filesystem::directory_iterator(duomenys))
    if (irasas.path().filename().string().starts_with("coverage-sample-"))
      failai.push_back(irasas.path());
  std::sort(failai.begin() + 1, failai.end());
  std::string utf8;
  for (const auto& failas : failai) {
    std::ifstream in(failas, std::ios::binary);
    utf8.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> kartojamos;
  std::istringstream eilutes(IsUtf8(utf8).Tekstas);
  for (std::string eilute; std::getline(eilutes, eilute);) kartojamos.push_back(eilute);
  KasdienisTekstas tekstas;
  while (tekstas.Zodziai < 100'000 && !kartojamos.empty()) {
    for (const std::string& eilute : kartojamos) {
      tekstas.Eilutes.push_back(eilute);
      std::istringstream zodziai(eilute);
      tekstas.Zodziai += std::distance(std::istream_iterator<std::string>(zodziai),
                                       std::istream_iterator<std::string>());
    }
  }
  return tekstas;
}

// Automatic translation of everyday text. Argument 0: the shipped dictionary; otherwise the
// shipped dictionary padded with synthetic entries to that many.
void BM_AutomatinisVertimas(benchmark::State& state) {
  Aplinka aplinka = ParuostaAplinka();
  ZodynoSarasas& pagrindinis = aplinka.Zodynai.PagrindinisZodynas;
  if (pagrindinis.Tuscias()) {
    state.SkipWithError("bin/main.zod has not been built");
    return;
  }
  const int irasu = static_cast<int>(state.range(0));
  if (irasu > pagrindinis.Kiekis()) PridetiSintetinius(pagrindinis, irasu - pagrindinis.Kiekis());
  const KasdienisTekstas tekstas = SkaitytiKasdieniTeksta();
  const EiluciuSarasas anglu(tekstas.Eilutes);
  VerstiTeksta(aplinka, "A word.");  // whatever the first lookup prepares is not timed
  for (auto _ : state) {
    EiluciuKaupiklis lietuviu;
    VerstiEilutes(aplinka, anglu, lietuviu);
    benchmark::DoNotOptimize(lietuviu.Eilutes.data());
  }
  state.counters["words_per_second"] = benchmark::Counter(
      static_cast<double>(tekstas.Zodziai), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["dictionary_entries"] = pagrindinis.Kiekis();
}
BENCHMARK(BM_AutomatinisVertimas)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervosta
