// Cost of one measurement tick: on the pure core with fields in memory, and
// through the real Form1 widgets offscreen. Reports allocations per tick.
//
//   build/bench/bench-tick

#include <benchmark/benchmark.h>

#include <QApplication>
#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>

#include "acquisition/orphy.h"
#include "acquisition/scripted_source.h"
#include "acquisition/stored_settings.h"
#include "measure/tick.h"
#include "tests/measure/memory_fields.h"
#include "window/form1.h"
#include "window/program.h"

namespace {

std::atomic<long long> allocations{0};

// Readings that change every tick, so that every display is rewritten.
class Alternating : public acquisition::Source {
 public:
  platform::Variant raw_reading() override { return std::int32_t{(++raw_ % 2) ? 28416 : 32768}; }
  platform::Variant measured_voltage() override { return (++volts_ % 4) < 2 ? 2.16796875 : 2.5; }

 private:
  int raw_ = 0;
  int volts_ = 0;
};

platform::ClassRegistry alternating_registry() {
  platform::ClassRegistry registry;
  acquisition::register_orphy(
      registry, [](const platform::PropertyBag&) { return std::make_unique<Alternating>(); });
  return registry;
}

template <typename Tick>
void run_ticks(benchmark::State& state, Tick tick) {
  tick();  // fields reach their steady size
  const long long before = allocations.load();
  for (auto _ : state) tick();
  state.counters["allocs/tick"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}

void BM_TickCore(benchmark::State& state) {
  const auto registry = alternating_registry();
  auto orphy1 = registry.create("ORPHYS.orphy", acquisition::orphy1_settings());
  measure::MemoryFields fields;
  fields.check = 1;
  measure::Measurement measurement(fields, *orphy1);
  run_ticks(state, [&] { measurement.tick(); });
}
BENCHMARK(BM_TickCore);

void BM_TickForm1(benchmark::State& state) {
  window::install_font_substitutes();
  const auto registry = alternating_registry();
  window::Form1 form(registry);
  form.Timer1().stop();
  form.show();
  QCoreApplication::processEvents();
  measure::Measurement measurement(form.fields(), form.orphy1());
  run_ticks(state, [&] { measurement.tick(); });
}
BENCHMARK(BM_TickForm1);

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
