#include <gtest/gtest.h>

#include "platform/process_control.h"

namespace {

// Values read give back the state they were read in, so a session can restore it exactly.
TEST(SystemProcessControl, PrioritiesReadGiveBackTheStateTheyWereReadIn) {
  platform::ProcessControl& control = platform::systemProcessControl();
  std::uint32_t priorityClass = 0;
  std::int32_t threadPriority = 0;
  ASSERT_EQ(control.getPriorityClass(priorityClass), platform::kSuccess);
  ASSERT_EQ(control.getThreadPriority(threadPriority), platform::kSuccess);
  EXPECT_EQ(control.setPriorityClass(priorityClass), platform::kSuccess);
  EXPECT_EQ(control.setThreadPriority(threadPriority), platform::kSuccess);

  std::uint32_t again = 1234;
  std::int32_t threadAgain = 1234;
  ASSERT_EQ(control.getPriorityClass(again), platform::kSuccess);
  ASSERT_EQ(control.getThreadPriority(threadAgain), platform::kSuccess);
  EXPECT_EQ(again, priorityClass);
  EXPECT_EQ(threadAgain, threadPriority);
  EXPECT_NE(control.realtimePriorityClass(), priorityClass);
}

}  // namespace
