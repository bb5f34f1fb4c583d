#include "link_fixture.h"

#include <cstdio>

namespace linktest {

std::string Bytes(std::string_view hex) {
  std::string out;
  for (std::size_t i = 0; i + 2 <= hex.size(); i += 3) {
    out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return out;
}

std::string Hex(std::string_view bytes) {
  std::string out;
  char digits[4];
  for (unsigned char c : bytes) {
    std::snprintf(digits, sizeof digits, out.empty() ? "%02X" : " %02X", c);
    out += digits;
  }
  return out;
}

std::string AnswerFrame(std::uint8_t command, std::string_view code, std::string_view data, Status status) {
  std::string body;
  body.push_back(static_cast<char>(0x30 + data.size()));
  body.push_back(0x21);
  body.push_back(static_cast<char>(command));
  body.append(code).append(";").append(data);
  body.push_back(0x04);
  for (std::uint8_t s : status) body.push_back(static_cast<char>(s));
  body.push_back(0x05);
  unsigned sum = 0;
  for (unsigned char c : body) sum += c;
  std::string frame = "\x01" + body;
  for (int shift = 12; shift >= 0; shift -= 4) frame.push_back(static_cast<char>('0' + ((sum >> shift) & 0xF)));
  frame.push_back(0x03);
  return frame;
}

std::vector<std::string> FieldsOf(const reglink::TCommandResult& result) {
  std::vector<std::string> fields;
  for (int i = 0; i < result.FieldCount; ++i) fields.emplace_back(result.Fields[i]);
  return fields;
}

std::string LinkTest::DeviceName(std::string_view port) {
  return std::string(platform::deviceNamePrefix()) + std::string(port);
}

reglink::TCommandResult& LinkTest::Exchange(int command, std::string_view answer, const char* text) {
  device.arrive(answer, std::chrono::milliseconds(1));
  return *link.SendCommand(command, text);
}

}  // namespace linktest
