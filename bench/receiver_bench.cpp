// The link's own cost per answer byte, on the fake device (no line, no waiting), and the number
// of allocations one exchange makes (operator new counted around SendCommand only).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "link/reglink.h"
#include "platform/fake/fake_serial_device.h"

namespace {

std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

}  // namespace

void* operator new(std::size_t size) {
  if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// A diagnostic answer with eleven fields, as a register sends it.
std::string DiagnosticAnswer(std::size_t dataLength) {
  std::string data;
  while (data.size() + 8 <= dataLength) data += "FIELD12;";
  data.resize(dataLength, 'x');
  std::string body;
  body.push_back(static_cast<char>(0x30 + data.size()));
  body += "\x21\x80";
  body += "0000;" + data + "\x04@@@@@@\x05";
  unsigned sum = 0;
  for (unsigned char c : body) sum += c;
  std::string frame = "\x01" + body;
  for (int shift = 12; shift >= 0; shift -= 4) frame.push_back(static_cast<char>('0' + ((sum >> shift) & 0xF)));
  frame.push_back('\x03');
  return frame;
}

void BM_ExchangeOnFakeDevice(benchmark::State& state) {
  const std::string answer = DiagnosticAnswer(static_cast<std::size_t>(state.range(0)));
  platform::fake::FakeSerialPorts ports;
  auto& device = ports.add(std::string(platform::deviceNamePrefix()) + "ttyS0");
  device.keepRecords(false);
  reglink::RegisterLink link(ports);
  link.OpenLink("ttyS0", 115200);
  // One exchange first, so that the fake's reusable buffers have their size before counting.
  device.arrive(answer, std::chrono::milliseconds(1));
  link.GetDiagnosticInfo(reglink::kRegisterPassword, nullptr);

  long exchanges = 0;
  long failures = 0;
  gAllocations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    device.arrive(answer, std::chrono::milliseconds(1));
    state.ResumeTiming();
    gCounting = true;
    const reglink::TCommandResult* result = link.GetDiagnosticInfo(reglink::kRegisterPassword, nullptr);
    gCounting = false;
    failures += result->Flags != 0 ? 1 : 0;
    ++exchanges;
    benchmark::DoNotOptimize(result);
  }
  const auto bytes = static_cast<double>(answer.size()) * static_cast<double>(exchanges);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["answer_bytes"] = static_cast<double>(answer.size());
  state.counters["ns_per_byte"] = benchmark::Counter(bytes, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["allocs_per_exchange"] = static_cast<double>(gAllocations.load()) / static_cast<double>(exchanges);
  state.counters["failed_exchanges"] = static_cast<double>(failures);
}
BENCHMARK(BM_ExchangeOnFakeDevice)->Arg(4)->Arg(100)->Arg(207);

}  // namespace

BENCHMARK_MAIN();
