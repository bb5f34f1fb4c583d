#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

namespace sim {

// Ways a simulated register misbehaves, on demand.
enum class Fault {
  None,
  Silent,              // answers nothing
  Nak,                 // answers NAK alone
  BadChecksum,         // a well-formed answer whose BCC is off by one
  ErrorCode,           // answers `errorCode` instead of doing the command
  SynBeforeAnswer,     // SYN every `synPeriod` for `synDuration`, then the answer
  GarbageBeforeFrame,  // a few stray bytes, then the answer
  SlowAnswer,          // the answer after `slowDelay`
  VanishMidAnswer,     // half an answer, then the port disappears
};

// One register: its speed, what it says about itself and how it behaves.
struct RegisterConfig {
  int speed = 9600;  // answers only while the line is at this speed
  // The eleven answer fields of 80h, model first (texts in code page 1251).
  std::array<std::string, 11> identity = defaultIdentity();
  // Fields 1..6 of the 28h answer (field 0 is the speed); 27h replaces them.
  std::array<int, 6> params = {1, 0x1A, 2, 0, 0x10, 5};
  std::array<std::uint8_t, 6> status = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  std::string password = "538164";

  Fault fault = Fault::None;
  int faultCommand = -1;  // the command the fault applies to; -1 for every command
  std::string errorCode = "0000";
  std::chrono::milliseconds answerDelay{5};  // the register's thinking time
  std::chrono::milliseconds synPeriod{500};
  std::chrono::milliseconds synDuration{1500};
  std::chrono::milliseconds slowDelay{700};
  // Paces requests and answers at the line's byte rate, as a real line would.
  bool lineTiming = true;

  static std::array<std::string, 11> defaultIdentity();
};

}  // namespace sim
