// The engine alone: whole runs over an in-memory sheet, their floor, and the
// number conversions.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/engine/fake_sheet.h"

namespace {

// A sheet that never runs out: every required quantity 0, so all 5001
// attempts are made.
FakeSheet NoMaterialsSheet(bool show_log) {
  FakeSheet sheet;
  sheet.required = {"0", "0", "0", "0", "0"};
  sheet.show_log = show_log;
  return sheet;
}

void RunTrialsLoop(benchmark::State& state, bool show_log) {
  FakeSheet sheet = NoMaterialsSheet(show_log);
  engine::TRandomSource random([] { return 45296789u; });
  for (auto _ : state) {
    sheet.log.clear();
    engine::RunTrials(sheet, random);
    benchmark::DoNotOptimize(sheet.log.data());
  }
  state.counters["lines"] = static_cast<double>(sheet.log.size());
}

void BM_RunTrialsNoLog(benchmark::State& state) { RunTrialsLoop(state, false); }
void BM_RunTrialsShowLog(benchmark::State& state) { RunTrialsLoop(state, true); }

// The floor of a run: the same generator and the same five material checks,
// 5001 times, without a sheet, stock updates or lines.
void BM_BareDrawLoop(benchmark::State& state) {
  engine::TRandomSource random([] { return 45296789u; });
  std::array<std::int32_t, 5> required{}, stock{};
  for (auto _ : state) {
    random.Randomize();
    int successes = 0;
    for (int attempt = 0; attempt < engine::kMaxAttempts; ++attempt) {
      const std::uint32_t draw = random.Draw(1000);
      benchmark::DoNotOptimize(required);
      bool covered = true;
      for (int k = 0; k < 5; ++k) covered &= required[k] <= stock[k];
      if (!covered) break;
      successes += draw < 801.0;
    }
    benchmark::DoNotOptimize(successes);
  }
}

// Realistic field texts and the extremes the parser must walk through.
const std::vector<std::string> kRealTexts = {"80.1",
                                             "100",
                                             "0.1",
                                             " 12.5 ",
                                             "1e-4950",
                                             "1.5e-3",
                                             "99999.99",
                                             "1E+300",
                                             "-.",
                                             "0.000015",
                                             "1234567890123456789",
                                             "4.94065645841247E-324"};

void BM_ParseReal(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::ParseReal(kRealTexts[i]));
    if (++i == kRealTexts.size()) i = 0;
  }
}

const std::vector<long double> kRealValues = {1.5L,      0.0L,          2.0 / 3.0, 1000.0 / 18.0,
                                              0.3582L,   1e15L,         0.00001L,  1e-300L,
                                              1.79e308L, -322122547.2L, 250.0L,    1e4932L};

void BM_FormatReal(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::FormatReal(kRealValues[i]));
    if (++i == kRealValues.size()) i = 0;
  }
}

BENCHMARK(BM_RunTrialsNoLog);
BENCHMARK(BM_RunTrialsShowLog);
BENCHMARK(BM_BareDrawLoop);
BENCHMARK(BM_ParseReal);
BENCHMARK(BM_FormatReal);

}  // namespace
