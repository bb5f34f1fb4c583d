// A scan of silent ports, in parallel and one after the other. A silent port costs six
// one-second waits, so one port takes about 6 s; the parallel scan of eight should cost little
// more than that.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/port_scan.h"
#include "platform/serial_device.h"
#include "sim/sim.h"

namespace {

void scanSilentPorts(benchmark::State& state, bool parallel) {
  const auto portCount = static_cast<std::size_t>(state.range(0));
  std::vector<std::unique_ptr<sim::SilentPort>> silent;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < portCount; ++i) {
    names.push_back(silent.emplace_back(std::make_unique<sim::SilentPort>())->portName());
  }
  for (auto _ : state) {
    const auto reports = cli::scanPorts(platform::systemSerialPorts(), names, {}, parallel);
    for (const auto& report : reports) {
      if (report.outcome != cli::Outcome::Silent) state.SkipWithError("a port was not silent");
    }
  }
  state.counters["ports"] = static_cast<double>(portCount);
}

void BM_ScanSilentPortsParallel(benchmark::State& state) { scanSilentPorts(state, true); }
void BM_ScanSilentPortsSequential(benchmark::State& state) { scanSilentPorts(state, false); }

// One iteration each: a run is seconds of real waiting, not a hot loop.
BENCHMARK(BM_ScanSilentPortsParallel)
    ->Arg(1)
    ->Arg(8)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanSilentPortsSequential)
    ->Arg(8)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
