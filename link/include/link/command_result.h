#pragma once

#include <cstdint>

namespace reglink {

// The outcome of one exchange. A link owns one and overwrites it with every exchange; the
// pointers point into the link's own buffers and stay valid until its next exchange.
struct TCommandResult {
  std::int32_t FieldCount;   // answer fields in Fields; 0 for an empty data text
  std::int32_t Command;      // command code of the exchange
  std::uint32_t Flags;       // CR_ flags below
  const char* Name;          // CommandName(Command)
  const char* SentText;      // parameter text as the caller passed it
  const char* AnswerText;    // first 128 characters of the data text, before corrections
  char ErrorCode[20];        // the answer's CODE; "0000" is success
  const char* Fields[20];    // answer fields in order; null from FieldCount on
  std::uint8_t Status[6];    // status bytes S0..S5, bit 7 cleared
  char RequestFrame[300];    // the request as written, zero-terminated
  char RawAnswer[300];       // every byte received except SYN, zero-terminated
  std::uint32_t RawAnswerLength;  // bytes in RawAnswer: an answer may carry a 00h byte
};

// Link outcome: exactly one of these, or none when status flags apply.
inline constexpr std::uint32_t CR_NO_ANSWER = 1u << 26;
inline constexpr std::uint32_t CR_REJECTED = 1u << 25;
inline constexpr std::uint32_t CR_BAD_CHECKSUM = 1u << 24;

// Status flags of a sound answer; the bit numbers are the protocol's, not the bytes' order.
inline constexpr std::uint32_t CR_S0_BIT0 = 1u << 0;
inline constexpr std::uint32_t CR_S0_BIT1 = 1u << 1;
inline constexpr std::uint32_t CR_S0_BIT2 = 1u << 2;
inline constexpr std::uint32_t CR_S0_BIT4 = 1u << 3;
inline constexpr std::uint32_t CR_S1_BIT0 = 1u << 4;
inline constexpr std::uint32_t CR_S1_BIT1 = 1u << 5;
inline constexpr std::uint32_t CR_S1_BIT2 = 1u << 6;
inline constexpr std::uint32_t CR_S1_BIT3 = 1u << 7;
inline constexpr std::uint32_t CR_S1_BIT4 = 1u << 8;
inline constexpr std::uint32_t CR_S2_BIT0 = 1u << 9;
inline constexpr std::uint32_t CR_S2_BIT3 = 1u << 10;
inline constexpr std::uint32_t CR_S2_BIT5 = 1u << 11;
inline constexpr std::uint32_t CR_S1_BIT5 = 1u << 12;
inline constexpr std::uint32_t CR_S4_BIT2 = 1u << 13;
inline constexpr std::uint32_t CR_S5_BIT5 = 1u << 14;
inline constexpr std::uint32_t CR_S4_BIT0 = 1u << 16;
inline constexpr std::uint32_t CR_S4_BIT4 = 1u << 17;
inline constexpr std::uint32_t CR_S5_BIT0 = 1u << 18;
inline constexpr std::uint32_t CR_S5_BIT2 = 1u << 19;
inline constexpr std::uint32_t CR_S4_BIT3 = 1u << 20;
inline constexpr std::uint32_t CR_S5_BIT1 = 1u << 21;
inline constexpr std::uint32_t CR_S5_BIT3 = 1u << 22;
inline constexpr std::uint32_t CR_S5_BIT4 = 1u << 23;
inline constexpr std::uint32_t CR_S0_BIT5 = 1u << 27;
inline constexpr std::uint32_t CR_S4_BIT5 = 1u << 28;

// Length of the request frame in RequestFrame (it may hold a 00h command byte), from its LEN.
inline std::uint32_t RequestFrameLength(const TCommandResult& result) {
  const auto len = static_cast<std::uint8_t>(result.RequestFrame[1]);
  return result.RequestFrame[0] == 0 || len < 0x24 ? 0u : len - 0x20u + 6u;
}

}  // namespace reglink
