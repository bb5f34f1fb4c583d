#include <cstring>

#include "bounded_copy.h"
#include "link/command_names.h"
#include "link/register_link.h"

namespace reglink {
namespace {

struct StatusFlag {
  std::uint8_t byte;  // S0..S5
  std::uint8_t mask;  // bit within that byte
  std::uint32_t flag;
};

// The protocol numbers the flags in its own order, not the bytes' order.
constexpr StatusFlag kStatusFlags[] = {
    {0, 0x01, CR_S0_BIT0}, {0, 0x02, CR_S0_BIT1}, {0, 0x04, CR_S0_BIT2}, {0, 0x10, CR_S0_BIT4},
    {0, 0x20, CR_S0_BIT5}, {1, 0x01, CR_S1_BIT0}, {1, 0x02, CR_S1_BIT1}, {1, 0x04, CR_S1_BIT2},
    {1, 0x08, CR_S1_BIT3}, {1, 0x10, CR_S1_BIT4}, {1, 0x20, CR_S1_BIT5}, {2, 0x01, CR_S2_BIT0},
    {2, 0x08, CR_S2_BIT3}, {2, 0x20, CR_S2_BIT5}, {4, 0x01, CR_S4_BIT0}, {4, 0x04, CR_S4_BIT2},
    {4, 0x08, CR_S4_BIT3}, {4, 0x10, CR_S4_BIT4}, {4, 0x20, CR_S4_BIT5}, {5, 0x01, CR_S5_BIT0},
    {5, 0x02, CR_S5_BIT1}, {5, 0x04, CR_S5_BIT2}, {5, 0x08, CR_S5_BIT3}, {5, 0x10, CR_S5_BIT4},
    {5, 0x20, CR_S5_BIT5},
};

std::uint32_t StatusFlags(const std::uint8_t (&status)[6]) {
  std::uint32_t flags = 0;
  for (const StatusFlag& f : kStatusFlags) {
    if (status[f.byte] & f.mask) flags |= f.flag;
  }
  return flags;
}

// Some answers carry a number whose decimal comma the register leaves out or sends as a blank.
void InsertCommaAfterFirst(char* text, std::size_t length) {
  std::memmove(text + 2, text + 1, length);  // the terminator moves too
  text[1] = ',';
}
void CommaAtNinth(char* text, std::size_t length) {
  if (length >= 9) text[8] = ',';
}
void CommasForBlanks(char* text, std::size_t length) {
  for (std::size_t i = 0; i < length && i < 20; ++i) {
    if (text[i] == ' ') text[i] = ',';
  }
}

struct Correction {
  int command;
  void (*apply)(char* text, std::size_t length);
};
constexpr Correction kCorrections[] = {
    {0x32, InsertCommaAfterFirst},
    {0x35, InsertCommaAfterFirst},
    {0x3E, CommaAtNinth},
    {0x5A, CommasForBlanks},
};

void CorrectAnswer(int command, char* text) {
  const std::size_t length = std::strlen(text);
  if (length <= 1) return;
  for (const Correction& c : kCorrections) {
    if (c.command == command) c.apply(text, length);
  }
}

// Cuts `text` in place at ';'. A trailing ';' ends the last field rather than opening an empty
// one; past the last slot the remaining separators stay inside the last field.
std::int32_t SplitFields(char* text, const char* (&fields)[20]) {
  for (const char*& field : fields) field = nullptr;
  std::size_t length = std::strlen(text);
  if (length == 0) return 0;
  constexpr std::int32_t kLastField = 20 - 1;

  fields[0] = text;
  if (text[length - 1] == ';') text[--length] = '\0';
  std::int32_t k = 0;
  for (std::size_t i = 0; i < length && k < kLastField; ++i) {
    if (text[i] != ';' || text[i + 1] == '\0') continue;
    text[i] = '\0';
    fields[++k] = text + i + 1;
    if (text[length - 1] == ';') text[--length] = '\0';
  }
  return k + 1;
}

}  // namespace

void RegisterLink::FinishExchange() {
  LinkState& s = state_;
  // An answer cut short by an early ETX never passes, even when the sums happen to agree
  // (a dropped frame restarts the sum at zero, so a stale checksum of zero would match).
  if (s.LinkReady && (s.RxChecksum != s.RxSum || (s.LinkError & LINK_ERROR_EARLY_ETX))) {
    s.LinkError |= LINK_ERROR_CHECKSUM;
  }

  for (std::size_t i = 0; i < sizeof s.RxStatus; ++i) {
    result_.Status[i] = static_cast<std::uint8_t>(s.RxStatus[i] & 0x7F);
  }

  std::uint32_t flags = 0;
  if (!s.LinkReady) {
    flags = CR_NO_ANSWER;
  } else if (s.LinkError & LINK_ERROR_NAK) {
    flags = CR_REJECTED;
  } else if (s.LinkError & LINK_ERROR_CHECKSUM) {
    flags = CR_BAD_CHECKSUM;
  } else {
    flags = StatusFlags(s.RxStatus);
  }

  CopyTruncated(answerCopy_, sizeof answerCopy_, s.RxData);
  CorrectAnswer(s.CurrentCommand, s.RxData);
  std::memcpy(result_.ErrorCode, s.RxCode, sizeof result_.ErrorCode);

  result_.Flags = flags;
  result_.Name = CommandName(s.CurrentCommand);
  result_.SentText = sentText_;
  result_.AnswerText = answerCopy_;
  result_.FieldCount = SplitFields(s.RxData, result_.Fields);
}

}  // namespace reglink
