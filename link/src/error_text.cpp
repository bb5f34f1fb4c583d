#include "link/error_text.h"

#include <span>

#include "platform/cp1251.h"

namespace reglink {
namespace {

using namespace platform::cp1251::literals;

constexpr const char* kUnknown = "Unknown error!";

constexpr const char* kEquipmentDetails[] = {
    kUnknown,       "Printer error!", "RAM error!",        "CRC error!",
    "Flash memory error!", "Display error!", "Clock error!", "Power down error!",
};
constexpr const char* kFiscalMemoryDetails[] = {
    "No free space for writing error!",
    "Writing error in fiscal memory!",
    "Serial number is not set!",
    "The date of current record of Fiscal Memory older \n  than previous record!",
    "Disable to change date!",
    "Fiscal memory data are invalid!",
    "Read only!",
    "Fiscal printer has not fiscalized!",
};
constexpr const char* kModeDetails[] = {
    "Command can't be executed in current fiscal printer mode!",
    "Command can't be executed when day is opened/unopened!",
};
constexpr const char* kGoodsDetails[] = {
    "No free space for command execution!",
    "Record length more than maximum!",
    "There is no such item code!",
    "Index is outside the limits of database!",
    "Item with this code already exists!",
    "Disabled tax group!",
};
constexpr const char* kSellingDetails[] = {
    "Invalid receipt state!",
    "There are no enough memory for command execution!",
    "Unknown selling type record!",
    "Cancelation can't begin this operation!",
    "There is no this operation in the receipt!",
    "Series of operation was not complete!",
    "There are no data for cancelation!",
    "Receipt copy is not available!",
    "There are no enough cash for executing operation!",
    "This type of payment disabled for receipt!",
    "Change is impossible for this type of payment!",
    "Discount is outside the valid limits !",
    "This tax is not tax collection!",
    "Arithmetic overflow in the receipt!",
    "Arithmetic overflow in payments!",
};
constexpr const char* kBufferDetails[] = {
    "Invalid buffer header!",
    "Data are not compatible with previous records!",
};

// The message of one error class: the header, then either the detail as a decimal number and
// `numberSuffix`, or the detail's text (`otherDetails` past the end of the table).
struct ClassMessage {
  const char* header = "";
  std::span<const char* const> details = {};
  const char* otherDetails = "";
  const char* numberSuffix = nullptr;
};

const ClassMessage kClassMessages[] = {
    /* 0 */ {},
    /* 1 */ {"Equipment error!\n ", kEquipmentDetails, kUnknown},
    /* 2 */ {"Invalid command code!\n "},
    /* 3 */ {"Invalid format field num. ", {}, "", "!"},
    /* 4 */ {"Value of field number ", {}, "", " outside the scope!"},
    /* 5 */ {"Ошибка фискальной памяти!\n "_cp1251, kFiscalMemoryDetails, kUnknown},
    /* 6 */ {"Invalid password!"},
    /* 7 */ {"", kModeDetails},
    /* 8 */ {"Arithmetic overflow during command execution!"},
    /* 9 */ {"Is not clear!"},
    /* 10 */ {"Goods database operation error!\n ", kGoodsDetails, kUnknown},
    /* 11 */ {"Selling errors!\n ", kSellingDetails, kUnknown},
    /* 12 */ {"Temporary buffer error!\n", kBufferDetails, kUnknown},
};

// Only '0'-'9' and upper-case 'A'-'F' are digits here.
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Two hexadecimal digits, most significant first; -1 when either is not a digit.
int HexByte(const char* pair) {
  const int high = HexDigit(pair[0]);
  const int low = high < 0 ? -1 : HexDigit(pair[1]);
  return low < 0 ? -1 : high * 16 + low;
}

}  // namespace

bool ComposeErrorText(std::string& text, const TCommandResult& result) {
  if (result.Flags & CR_NO_ANSWER) {
    text = "Device timeout! Error!";
    return false;
  }
  const int detail = HexByte(result.ErrorCode);
  const int errorClass = detail < 0 ? -1 : HexByte(result.ErrorCode + 2);
  if (errorClass < 0) {
    // A code that is not four hexadecimal digits (lower case, blanks, too short) is a failure.
    text = "Invalid answer code!";
    return false;
  }
  text.clear();
  if (errorClass == 0 && detail == 0) return true;
  if (static_cast<std::size_t>(errorClass) >= std::size(kClassMessages)) return false;

  const ClassMessage& message = kClassMessages[errorClass];
  text = message.header;
  if (message.numberSuffix != nullptr) {
    text += std::to_string(detail);
    text += message.numberSuffix;
  } else if (static_cast<std::size_t>(detail) < message.details.size()) {
    text += message.details[static_cast<std::size_t>(detail)];
  } else {
    text += message.otherDetails;
  }
  return false;
}

}  // namespace reglink
