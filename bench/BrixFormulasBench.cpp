#include "calculators/BrixFormulas.h"

#include <benchmark/benchmark.h>

namespace {

namespace bf = BrixFormulas;

// What one edit in the refractometer window costs: the six routines in the
// window's order, every argument read from the module values.
void BM_BrixFormulasFullRecompute(benchmark::State& state)
{
    for (void (*init)() : bf::kInitialisers)
        init();
    bf::OB = 12.0;
    bf::FB = 6.0;
    for (auto _ : state) {
        bf::RecalculateAll();
        benchmark::DoNotOptimize(bf::RE);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BrixFormulasFullRecompute);

} // namespace
