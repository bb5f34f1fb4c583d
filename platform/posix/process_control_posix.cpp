#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

#include <cerrno>

#include "platform/memory_lock.h"
#include "platform/process_control.h"

namespace platform {

namespace {

// The process "class" is the nice value, kept as nice + 20 (0..39) so that a saved value gives
// back exactly the nice value it was read at; 0 is the highest.
constexpr int kNiceOffset = 20;
constexpr int kHighestNice = -20;

// The thread priority is the scheduling policy and its static priority, kept as
// policy * 1000 + priority so that it too round-trips exactly.
constexpr std::int32_t kPolicyScale = 1000;

class PosixProcessControl : public ProcessControl {
 public:
  SysError getPriorityClass(std::uint32_t& priorityClass) override {
    errno = 0;  // -1 is a valid nice value; only errno tells a failure
    const int nice = ::getpriority(PRIO_PROCESS, 0);
    if (nice == -1 && errno != 0) return static_cast<SysError>(errno);
    priorityClass = static_cast<std::uint32_t>(nice + kNiceOffset);
    return kSuccess;
  }

  SysError setPriorityClass(std::uint32_t priorityClass) override {
    const int nice = static_cast<int>(priorityClass) - kNiceOffset;
    return ::setpriority(PRIO_PROCESS, 0, nice) == 0 ? kSuccess : static_cast<SysError>(errno);
  }

  SysError getThreadPriority(std::int32_t& priority) override {
    int policy = 0;
    sched_param param{};
    if (const int error = ::pthread_getschedparam(::pthread_self(), &policy, &param); error != 0) {
      return static_cast<SysError>(error);
    }
    priority = policy * kPolicyScale + param.sched_priority;
    return kSuccess;
  }

  SysError setThreadPriority(std::int32_t priority) override {
    const int policy = priority / kPolicyScale;
    sched_param param{};
    param.sched_priority = priority % kPolicyScale;
    return static_cast<SysError>(::pthread_setschedparam(::pthread_self(), policy, &param));
  }

  SysError lockMemory(const void* address, std::size_t size) override {
    return platform::lockMemory(address, size);
  }

  SysError unlockMemory(const void* address, std::size_t size) override {
    return platform::unlockMemory(address, size);
  }

  std::uint32_t realtimePriorityClass() const override {
    return static_cast<std::uint32_t>(kHighestNice + kNiceOffset);
  }

  std::int32_t timeCriticalThreadPriority() const override {
    return SCHED_FIFO * kPolicyScale + ::sched_get_priority_max(SCHED_FIFO);
  }
};

}  // namespace

ProcessControl& systemProcessControl() {
  static PosixProcessControl control;
  return control;
}

}  // namespace platform
