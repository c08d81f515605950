// Headless timings of the load, the apply and one keystroke, by the number
// of accounts.

#include <benchmark/benchmark.h>

#include "Workload.h"

namespace {

void BM_Load(benchmark::State& state) {
  THarness h;
  PutWorkload(h.store, static_cast<int>(state.range(0)), 10);
  TForm1& f = h.Start();
  h.store.SetLogging(false);  // the program's time, not the test store's log
  for (auto _ : state) {
    f.Button3->UserClick();  // ReLoad: the same load as at start
  }
  state.SetComplexityN(state.range(0));
}

void BM_Apply(benchmark::State& state) {
  THarness h;
  PutWorkload(h.store, static_cast<int>(state.range(0)), 10);
  TForm1& f = h.Start();
  h.store.SetLogging(false);  // the program's time, not the test store's log
  for (auto _ : state) {
    f.Button1->UserClick();
  }
  state.SetComplexityN(state.range(0));
}

void BM_Keystroke(benchmark::State& state) {
  THarness h;
  PutWorkload(h.store, static_cast<int>(state.range(0)), 10);
  TForm1& f = h.Start();
  h.store.SetLogging(false);
  f.ComboBox1->UserSelect(static_cast<int>(state.range(0)) / 2 * 2 / 3);
  bool flip = false;
  for (auto _ : state) {
    f.Edit4->UserEdit(flip ? "smtp.a.example.jp" : "smtp.b.example.jp");
    flip = !flip;
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_Load)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_Apply)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_Keystroke)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kNanosecond)->Complexity();
BENCHMARK_MAIN();
