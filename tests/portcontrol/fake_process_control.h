#pragma once

#include <map>

#include "platform/process_control.h"

// Process priority and memory lock as plain state, with a failure to inject per call.
class FakeProcessControl : public platform::ProcessControl {
 public:
  enum class Call { GetClass, SetClass, GetThread, SetThread, Lock, Unlock };

  std::uint32_t priorityClass = 32;
  std::int32_t threadPriority = 0;
  const void* locked = nullptr;  // start of the region locked, if any
  std::size_t lockedSize = 0;
  std::map<Call, platform::SysError> failures;

  static constexpr std::uint32_t kRealtime = 0x100;
  static constexpr std::int32_t kTimeCritical = 15;

  platform::SysError getPriorityClass(std::uint32_t& value) override {
    if (const platform::SysError error = fail(Call::GetClass)) return error;
    value = priorityClass;
    return platform::kSuccess;
  }
  platform::SysError setPriorityClass(std::uint32_t value) override {
    if (const platform::SysError error = fail(Call::SetClass)) return error;
    priorityClass = value;
    return platform::kSuccess;
  }
  platform::SysError getThreadPriority(std::int32_t& value) override {
    if (const platform::SysError error = fail(Call::GetThread)) return error;
    value = threadPriority;
    return platform::kSuccess;
  }
  platform::SysError setThreadPriority(std::int32_t value) override {
    if (const platform::SysError error = fail(Call::SetThread)) return error;
    threadPriority = value;
    return platform::kSuccess;
  }
  platform::SysError lockMemory(const void* address, std::size_t size) override {
    if (const platform::SysError error = fail(Call::Lock)) return error;
    locked = address;
    lockedSize = size;
    return platform::kSuccess;
  }
  platform::SysError unlockMemory(const void* address, std::size_t size) override {
    if (const platform::SysError error = fail(Call::Unlock)) return error;
    if (address == locked && size == lockedSize) locked = nullptr;
    return platform::kSuccess;
  }
  std::uint32_t realtimePriorityClass() const override { return kRealtime; }
  std::int32_t timeCriticalThreadPriority() const override { return kTimeCritical; }

 private:
  platform::SysError fail(Call call) const {
    const auto found = failures.find(call);
    return found == failures.end() ? platform::kSuccess : found->second;
  }
};
