// SPDX-License-Identifier: MIT
// Benchmarks of CalcHyperfocal against a string-stream reference, with a count
// of the heap allocations each call makes.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "bench/counting_allocator.h"
#include "bench/reference_hyperfocal.h"
#include "calc/hyperfocal.h"

namespace {

struct Inputs {
  std::string_view focal;
  std::string_view aperture;
};

// Lenses and apertures as photographers use them.
constexpr std::array<Inputs, 8> kInputs{{
    {"50", "8"},
    {"35", "11"},
    {"200", "2.8"},
    {"24", "1.4"},
    {"85", "1.8"},
    {"16", "22"},
    {"105", "5.6"},
    {"400", "4"},
}};

template <typename Compute>
void Run(benchmark::State& state, Compute compute) {
  std::size_t i = 0;
  long before = quorvel::bench::AllocationCount();
  for (auto _ : state) {
    const Inputs& in = kInputs[i++ % kInputs.size()];
    auto caption = compute(in.focal, in.aperture);
    benchmark::DoNotOptimize(caption);
  }
  state.counters["allocs_per_call"] =
      static_cast<double>(quorvel::bench::AllocationCount() - before) /
      static_cast<double>(state.iterations());
}

void BM_CalcHyperfocal(benchmark::State& state) {
  Run(state, [](std::string_view f, std::string_view n) { return quorvel::CalcHyperfocal(f, n); });
}

void BM_ReferenceStreamsLocalePerCall(benchmark::State& state) {
  Run(state, [](std::string_view f, std::string_view n) {
    return quorvel::bench::ReferenceHyperfocal(f, n, quorvel::bench::LocaleUse::PerCall);
  });
}

void BM_ReferenceStreamsLocaleCached(benchmark::State& state) {
  Run(state, [](std::string_view f, std::string_view n) {
    return quorvel::bench::ReferenceHyperfocal(f, n, quorvel::bench::LocaleUse::Cached);
  });
}

BENCHMARK(BM_CalcHyperfocal)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReferenceStreamsLocalePerCall)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReferenceStreamsLocaleCached)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
