#include "cli/trace.h"

#include <cstdio>

namespace cli {

std::string hexBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!out.empty()) out += ' ';
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
  }
  return out;
}

std::string traceLine(std::chrono::system_clock::time_point at, std::string_view port,
                      std::string_view direction, std::string_view bytes) {
  using namespace std::chrono;
  const auto sinceMidnight = floor<milliseconds>(at) - floor<days>(at);
  const hh_mm_ss time{sinceMidnight};
  char stamp[24];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()),
                static_cast<int>(time.subseconds().count()));
  std::string line = stamp;
  line.append(" ").append(port).append(" ").append(direction);
  line.append(" ").append(bytes.empty() ? "(nothing)" : hexBytes(bytes));
  return line;
}

void TraceWriter::exchange(std::string_view port, std::chrono::system_clock::time_point sentAt,
                           std::string_view request,
                           std::chrono::system_clock::time_point answeredAt,
                           std::string_view answer) {
  const std::string lines = traceLine(sentAt, port, "->", request) + '\n' +
                            traceLine(answeredAt, port, "<-", answer) + '\n';
  const std::lock_guard lock(mutex_);
  out_ << lines << std::flush;
}

}  // namespace cli
