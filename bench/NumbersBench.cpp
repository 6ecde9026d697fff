#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

// Texts as the windows meet them: typed inputs and the results they wrote.
constexpr std::array<std::string_view, 6> kTexts = { "12", "1.040", "  -2.5e3", "1.178097", "23.56194", "abc" };

// The results the refractometer window shows after a typical edit.
constexpr std::array<double, 6> kResults
    = { 1.046441535, 1.009103846, 0.8039718946, 0.6586137760, 4.955287865, 3.969576923 };

constexpr std::array<std::string_view, 3> kMasks = { "0.000", "#0.0", "#0.0/%" };

void BM_runCDbl(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fw::runCDbl(kTexts[i]));
        i = (i + 1) % kTexts.size();
    }
}
BENCHMARK(BM_runCDbl);

void BM_StringFormat(benchmark::State& state)
{
    const std::string_view mask = kMasks[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(mask));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fw::StringFormat(kResults[i], mask, 1));
        i = (i + 1) % kResults.size();
    }
}
BENCHMARK(BM_StringFormat)->DenseRange(0, static_cast<int>(kMasks.size()) - 1);

void BM_StringStrDouble(benchmark::State& state)
{
    // A whole count, a seven-digit fraction, an exponent form.
    constexpr std::array<double, 3> kValues = { 53.0, 1.1780972450961724, 1.5e-7 };
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fw::StringStrDouble(kValues[i]));
        i = (i + 1) % kValues.size();
    }
}
BENCHMARK(BM_StringStrDouble);

} // namespace
