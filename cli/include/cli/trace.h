#pragma once

#include <chrono>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

// Bytes as upper-case hexadecimal pairs separated by spaces: "01 2B 21".
std::string hexBytes(std::string_view bytes);

// One trace line: UTC time of day with milliseconds, the port, the direction ("->" request,
// "<-" answer) and the bytes in hexadecimal, e.g. "04:41:58.123 pts/3 -> 01 2B 21 80 ...".
std::string traceLine(std::chrono::system_clock::time_point at, std::string_view port,
                      std::string_view direction, std::string_view bytes);

// Writes trace lines from any number of scanning threads; a line is never split by another.
class TraceWriter {
 public:
  explicit TraceWriter(std::ostream& out) : out_(out) {}
  void exchange(std::string_view port, std::chrono::system_clock::time_point sentAt,
                std::string_view request, std::chrono::system_clock::time_point answeredAt,
                std::string_view answer);

 private:
  std::mutex mutex_;
  std::ostream& out_;
};

}  // namespace cli
