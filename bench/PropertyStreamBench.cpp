// Applying a property stream to a headless object, per record: the refractometer
// window's own stream to a window, and a text field's to a text field.
#include "calculators/W_BRIX.h"

#include <fw/PropertyStream.h>
#include <fw/TextField.h>
#include <fw/Window.h>

#include <benchmark/benchmark.h>

namespace {

template <class Design> std::size_t recordCount(const Design& design) { return design.entries().size(); }

void applyPerRecord(benchmark::State& state, fw::ClassRecord* cls, fw::String* stream, std::size_t records)
{
    fw::Ref<fw::Object> target = fw::RuntimeNewObject(cls);
    for (auto _ : state)
        fw::RuntimeMassPropertySetter(target.get(), stream);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records));
    state.counters["ns_per_record"] = benchmark::Counter(
        static_cast<double>(state.iterations() * records), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ApplyWindowStream(benchmark::State& state)
{
    applyPerRecord(
        state, fw::Window::Class(), calculators::StreamLiteral<W_BRIX::kWindow>(), recordCount(W_BRIX::kWindow));
}
BENCHMARK(BM_ApplyWindowStream);

// The original-Brix field's design: 37 records, one of them a text.
constexpr auto kTextField = std::get<2>(W_BRIX::kControls).design;

void BM_ApplyTextFieldStream(benchmark::State& state)
{
    applyPerRecord(state, fw::TextField::Class(), calculators::StreamLiteral<kTextField>(), recordCount(kTextField));
}
BENCHMARK(BM_ApplyTextFieldStream);

} // namespace
