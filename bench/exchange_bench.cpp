// The time one exchange takes over a pseudo-terminal against the simulator, next to its inherent
// time, and the CPU time the link spends waiting through a second of silence.
//
// Inherent time: both frames' time on the line (10 bits a byte, paced by the simulator), the
// register's answer delay, and the one 100 ms silent read that shows the answer has ended.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "link/reglink.h"
#include "sim/sim.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr int kExchanges = 20;
constexpr auto kAnswerDelay = std::chrono::milliseconds(5);
constexpr double kSilentRead = 100.0;

double cpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void exchangeAt(int speed) {
  sim::RegisterConfig config;
  config.speed = speed;
  config.answerDelay = kAnswerDelay;
  sim::SimulatedRegister reg(config);
  reglink::RegisterLink link;
  if (link.OpenLink(reg.portName().c_str(), speed) == -1) {
    std::printf("| %d | port did not open |\n", speed);
    return;
  }
  int status = 0;
  std::vector<double> times;
  double inherent = 0;
  for (int i = 0; i < kExchanges; ++i) {
    const auto start = Clock::now();
    const auto* answer = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
    times.push_back(Ms(Clock::now() - start).count());
    const double bytes = reglink::RequestFrameLength(*answer) + answer->RawAnswerLength;
    inherent = bytes * 10.0 * 1000.0 / speed + Ms(kAnswerDelay).count() + kSilentRead;
  }
  link.CloseLink();
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::printf("| %d | %.1f ms | %.1f ms | %.1f ms | %+.2f ms | %+.2f ms |\n", speed, inherent, median,
              times.back(), median - inherent, times.back() - inherent);
}

void cpuThroughSilence() {
  sim::SilentPort silent;
  reglink::RegisterLink link;
  if (link.OpenLink(silent.portName().c_str(), 9600) == -1) return;
  int status = 0;
  const double cpuBefore = cpuMs();
  const auto start = Clock::now();
  link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  const double wall = Ms(Clock::now() - start).count();
  const double cpu = cpuMs() - cpuBefore;
  link.CloseLink();
  std::printf("\nOne exchange with no answer: %.0f ms wall, %.2f ms CPU (user + system)\n", wall, cpu);
}

}  // namespace

int main() {
  std::printf("| speed | inherent | median | worst of %d | median above inherent | worst above inherent |\n",
              kExchanges);
  std::printf("|---|---|---|---|---|---|\n");
  for (int speed : reglink::kSearchSpeeds) exchangeAt(speed);
  cpuThroughSilence();
  return 0;
}
