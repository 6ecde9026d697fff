// The tool windows' hot paths, headless: one keystroke in the refractometer
// window, from the field's edit to the last of the seven fields it rewrites,
// and building each window through its implicit instance.
#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

void BM_RefractometerKeystroke(benchmark::State& state)
{
    for (auto init : BrixFormulas::kInitialisers)
        init();
    fw::Ref<fw::Window> window = W_BRIX::ImplicitInstance();
    auto* input = fw::native_cast<fw::TextField>(window->findControl("TF_OB"));
    auto* last = fw::native_cast<fw::TextField>(window->findControl("TF_ABV"));
    // Two readings in turn, so that every keystroke changes the text.
    constexpr std::string_view kReadings[] = { "12", "13" };
    std::size_t next = 0;
    for (auto _ : state) {
        input->userEdited(kReadings[next]);
        next ^= 1;
        benchmark::DoNotOptimize(last->text().data());
    }
    window->Close();
}
BENCHMARK(BM_RefractometerKeystroke);

template <class W> void BM_BuildWindow(benchmark::State& state)
{
    for (auto _ : state) {
        fw::Ref<fw::Window> window = W::ImplicitInstance();
        benchmark::DoNotOptimize(window.get());
        window->Close();
    }
}
BENCHMARK(BM_BuildWindow<W_BRIX>)->Name("BM_BuildWindow/W_BRIX");
BENCHMARK(BM_BuildWindow<W_Bottle>)->Name("BM_BuildWindow/W_Bottle");
BENCHMARK(BM_BuildWindow<W_BoilCalc>)->Name("BM_BuildWindow/W_BoilCalc");

} // namespace
