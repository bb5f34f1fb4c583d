#include "cli/trace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>

namespace cli {
namespace {

using namespace std::chrono;

const system_clock::time_point kAt =
    sys_days{year{2026} / 12 / 11} + hours{4} + minutes{41} + seconds{58} + milliseconds{7};

TEST(Trace, LinesCarryTimePortDirectionAndEveryByteInHex) {
  EXPECT_EQ(traceLine(kAt, "pts/3", "->", std::string("\x01\x24\x21\x80\x05\x30\x00\xFF", 8)),
            "04:41:58.007 pts/3 -> 01 24 21 80 05 30 00 FF");
  EXPECT_EQ(traceLine(kAt, "pts/3", "<-", ""), "04:41:58.007 pts/3 <- (nothing)");
}

TEST(Trace, WriterPutsRequestThenAnswer) {
  std::ostringstream out;
  TraceWriter writer(out);
  writer.exchange("ttyS1", kAt, "\x01\x03", kAt + milliseconds{1100}, "\x15");
  EXPECT_EQ(out.str(),
            "04:41:58.007 ttyS1 -> 01 03\n"
            "04:41:59.107 ttyS1 <- 15\n");
}

}  // namespace
}  // namespace cli
