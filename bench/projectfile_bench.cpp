// Writing and reading project files of growing carton lists.

#include <benchmark/benchmark.h>

#include "model/fillscheme.h"

namespace {

FillScheme projectOf(int cartons) {
  FillScheme p;
  for (int i = 0; i < cartons; ++i) {
    Carton& c = p.addCarton();
    c.length = 600 + i;
    c.width = 400;
    c.height = 300;
    c.weight = 12.5;
  }
  return p;
}

void saveToStream(benchmark::State& state) {
  const FillScheme p = projectOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(p.saveToStream());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(saveToStream)->Arg(10)->Arg(1000);

void loadFromStream(benchmark::State& state) {
  const auto bytes = *projectOf(static_cast<int>(state.range(0))).saveToStream();
  for (auto _ : state) {
    FillScheme p;
    benchmark::DoNotOptimize(p.loadFromStream(bytes));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(loadFromStream)->Arg(10)->Arg(1000);

}  // namespace
