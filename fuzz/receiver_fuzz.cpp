// Any bytes a register might send, through the receiver and the finishing step: no overrun, no
// undefined behaviour, and a result whose invariants hold. The first input byte picks the
// command, so the per-command corrections of the data text run too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "link/reglink.h"
#include "platform/fake/fake_serial_device.h"

namespace {

constexpr int kCommands[] = {0x80, 0x28, 0x27, 0x32, 0x35, 0x3E, 0x5A, 0x20};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckResult(const reglink::TCommandResult& result) {
  const std::uint32_t linkFlags = result.Flags & (reglink::CR_NO_ANSWER | reglink::CR_REJECTED | reglink::CR_BAD_CHECKSUM);
  Check(linkFlags == 0 || linkFlags == result.Flags);
  Check((linkFlags & (linkFlags - 1)) == 0);
  Check(result.FieldCount >= 0 && result.FieldCount <= 20);
  for (int i = 0; i < 20; ++i) {
    Check((i < result.FieldCount) == (result.Fields[i] != nullptr));
    if (result.Fields[i] != nullptr) Check(std::strlen(result.Fields[i]) < 300);
  }
  Check(std::strlen(result.ErrorCode) < sizeof result.ErrorCode);
  Check(std::strlen(result.AnswerText) <= 128);
  Check(result.RawAnswerLength < sizeof result.RawAnswer && result.RawAnswer[result.RawAnswerLength] == '\0');
  std::string text;
  reglink::ComposeErrorText(text, result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int command = kCommands[data[0] % std::size(kCommands)];
  const std::string_view answer(reinterpret_cast<const char*>(data + 1), size - 1);

  platform::fake::FakeSerialPorts ports;
  platform::fake::FakeSerialDevice& device = ports.add(std::string(platform::deviceNamePrefix()) + "ttyS0");
  reglink::RegisterLink link(ports);
  if (link.OpenLink("ttyS0", 9600) == -1) std::abort();
  // Twice, so the second exchange starts from whatever state the first one left.
  for (int exchange = 0; exchange < 2; ++exchange) {
    device.arrive(answer, std::chrono::milliseconds(1));
    CheckResult(*link.SendCommand(command, "538164;"));
  }
  return 0;
}
