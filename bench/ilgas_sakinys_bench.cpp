// One sentence of a megabyte against everyday text of the same size, with the shipped dictionary
// (bin/main.zod of the same build). Lookup, grouping and role assignment should cost about the
// same a word however long the sentence is: a word of the long sentence should take at most
// twice the time of a word of everyday text. Compare the `per_word` counters.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "bench/paruosimas.h"
#include "translation/eiluciu_sarasai.h"
#include "translation/vertimas.h"

namespace kervosta {
namespace {

constexpr std::size_t Megabaitas = 1'000'000;

void Versti(benchmark::State& state, const std::vector<std::string>& eilutes) {
  Aplinka aplinka;
  if (!ParuostiAplinka(aplinka)) {
    state.SkipWithError("bin/main.zod has not been built");
    return;
  }
  const EiluciuSarasas anglu(eilutes);
  VerstiTeksta(aplinka, "A word.");  // whatever the first lookup prepares is not timed
  for (auto _ : state) {
    EiluciuKaupiklis lietuviu;
    VerstiEilutes(aplinka, anglu, lietuviu);
    benchmark::DoNotOptimize(lietuviu.Eilutes.data());
  }
  state.counters["per_word"] =
      benchmark::Counter(static_cast<double>(ZodziuSk(eilutes)),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The development text, line by line, repeated to a megabyte.
void BM_KasdienisTekstas(benchmark::State& state) {
  const std::vector<std::string> kartojamos =
      TekstoEilutes(KERVOSTA_SOURCE_DIR "/data/dev/everyday-en.txt");
  std::vector<std::string> eilutes;
  for (std::size_t baitu = 0; baitu < Megabaitas && !kartojamos.empty();)
    for (const std::string& eilute : kartojamos) {
      eilutes.push_back(eilute);
      baitu += eilute.size() + 1;
    }
  Versti(state, eilutes);
}
BENCHMARK(BM_KasdienisTekstas)->Unit(benchmark::kMillisecond);

// One line of a megabyte: the phrase over and over, and one full stop at the end.
void BM_IlgasSakinys(benchmark::State& state, std::string_view fraze) {
  std::string sakinys;
  while (sakinys.size() < Megabaitas) sakinys += fraze;
  sakinys.back() = '.';
  Versti(state, {sakinys});
}
BENCHMARK_CAPTURE(BM_IlgasSakinys, im, "I'm ")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IlgasSakinys, have_seen, "have seen ")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kervosta
