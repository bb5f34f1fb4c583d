#include "sim/simulated_register.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

#include "frames.h"
#include "line_clock.h"
#include "platform/posix/termios_settings.h"
#include "pty_end.h"
#include "register_logic.h"

namespace sim {

namespace {

// Stray bytes a noisy line might carry; none of them starts, ends or rejects a frame.
constexpr std::string_view kGarbage = "\x7F\x20\xFF\x02\x41\x10";

// The speed the tool set on its end of the line; 0 when it cannot be read.
int lineSpeed(int master) {
  platform::LineSettings settings;
  return platform::posix::readLineSettings(master, settings) == platform::kSuccess
             ? static_cast<int>(settings.baudRate)
             : 0;
}

}  // namespace

SimulatedRegister::SimulatedRegister(RegisterConfig config)
    : config_(std::move(config)), speed_(config_.speed), pty_(std::make_unique<PtyEnd>()) {
  stopEvent_ = eventfd(0, EFD_CLOEXEC);
  if (stopEvent_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  thread_ = std::thread([this] { serve(); });
}

SimulatedRegister::~SimulatedRegister() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t n = ::write(stopEvent_, &one, sizeof one);
  thread_.join();
  ::close(stopEvent_);
}

const std::string& SimulatedRegister::portName() const { return pty_->name(); }

void SimulatedRegister::serve() {
  const StopWait wait(stopEvent_);
  const int master = pty_->master();
  std::string pending;
  Clock::time_point frameStart{};
  for (;;) {
    pollfd entries[2] = {{master, POLLIN, 0}, {stopEvent_, POLLIN, 0}};
    if (poll(entries, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (entries[1].revents != 0) return;
    // The register keeps the slave side open, so a hang-up here means the line is broken.
    if ((entries[0].revents & POLLIN) == 0) return;
    char buffer[512];
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    if (n <= 0) continue;
    // At another speed the register hears only noise, and noise gets no answer.
    if (lineSpeed(master) != speed_.load()) {
      pending.clear();
      continue;
    }
    if (pending.empty()) frameStart = Clock::now();
    pending.append(buffer, static_cast<std::size_t>(n));

    for (;;) {
      Request request;
      const std::size_t before = pending.size();
      const FrameCheck check = takeRequest(pending, request);
      if (check == FrameCheck::Incomplete) break;
      const int speed = speed_.load();
      const int pace = config_.lineTiming ? speed : 0;
      // The request has fully arrived only after its bytes' time on the line.
      Clock::time_point answerAt = frameStart + config_.answerDelay;
      if (pace > 0) answerAt += byteTime(speed) * static_cast<long>(before - pending.size());
      frameStart = Clock::now();
      if (!wait.until(answerAt)) return;
      if (check == FrameCheck::Bad) {
        if (!sendPaced(master, std::string_view(&kNak, 1), pace, wait)) return;
        continue;
      }

      const bool faulty = config_.faultCommand < 0 || config_.faultCommand == request.command;
      const Fault fault = faulty ? config_.fault : Fault::None;
      Reply reply = fault == Fault::ErrorCode ? Reply{config_.errorCode, {}, 0}
                                              : answerRequest(request, config_, speed);
      const std::string answer = buildAnswer(request.seq, request.command, reply.code, reply.data,
                                             config_.status, fault == Fault::BadChecksum);
      switch (fault) {
        case Fault::Silent: continue;
        case Fault::Nak:
          if (!sendPaced(master, std::string_view(&kNak, 1), pace, wait)) return;
          continue;
        case Fault::SynBeforeAnswer:
          for (const auto end = Clock::now() + config_.synDuration; Clock::now() < end;) {
            if (!sendPaced(master, std::string_view(&kSyn, 1), pace, wait)) return;
            if (!wait.until(std::min(end, Clock::now() + config_.synPeriod))) return;
          }
          break;
        case Fault::GarbageBeforeFrame:
          if (!sendPaced(master, kGarbage, pace, wait)) return;
          break;
        case Fault::SlowAnswer:
          if (!wait.until(Clock::now() + config_.slowDelay)) return;
          break;
        case Fault::VanishMidAnswer:
          sendPaced(master, std::string_view(answer).substr(0, answer.size() / 2), pace, wait);
          pty_->vanish();
          return;
        default: break;
      }
      if (!sendPaced(master, answer, pace, wait)) return;
      // The new speed holds from after the answer, which went out at the old one.
      if (reply.newSpeed != 0) speed_.store(reply.newSpeed);
    }
  }
}

}  // namespace sim
