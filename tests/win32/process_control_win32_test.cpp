#include <gtest/gtest.h>

#include "platform/process_control.h"

namespace {

// A transfer session raises the priorities and locks its code, and its end must give back
// exactly what was saved.
TEST(Win32ProcessControl, RaisedPrioritiesAndLockedCodeComeBackAsSaved) {
  platform::ProcessControl& control = platform::systemProcessControl();
  std::uint32_t savedClass = 0;
  std::int32_t savedThread = 0;
  ASSERT_EQ(control.getPriorityClass(savedClass), platform::kSuccess);
  ASSERT_EQ(control.getThreadPriority(savedThread), platform::kSuccess);

  ASSERT_EQ(control.setPriorityClass(control.realtimePriorityClass()), platform::kSuccess);
  ASSERT_EQ(control.setThreadPriority(control.timeCriticalThreadPriority()), platform::kSuccess);
  std::int32_t raised = 0;
  ASSERT_EQ(control.getThreadPriority(raised), platform::kSuccess);
  EXPECT_EQ(raised, control.timeCriticalThreadPriority());
  const void* code = reinterpret_cast<const void*>(&platform::systemProcessControl);
  EXPECT_EQ(control.lockMemory(code, 2000), platform::kSuccess);
  EXPECT_EQ(control.unlockMemory(code, 2000), platform::kSuccess);

  ASSERT_EQ(control.setPriorityClass(savedClass), platform::kSuccess);
  ASSERT_EQ(control.setThreadPriority(savedThread), platform::kSuccess);
  std::uint32_t restoredClass = 0;
  std::int32_t restoredThread = 0;
  ASSERT_EQ(control.getPriorityClass(restoredClass), platform::kSuccess);
  ASSERT_EQ(control.getThreadPriority(restoredThread), platform::kSuccess);
  EXPECT_EQ(restoredClass, savedClass);
  EXPECT_EQ(restoredThread, savedThread);
}

TEST(Win32ProcessControl, InvalidPriorityClassFailsWithTheSystemError) {
  EXPECT_NE(platform::systemProcessControl().setPriorityClass(0x12345), platform::kSuccess);
}

}  // namespace
