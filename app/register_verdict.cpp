#include "register_verdict.h"

#include <iterator>

#include "link/reglink.h"

namespace app {

bool answeredWell(const reglink::TCommandResult& result) {
  constexpr auto kBroken = reglink::CR_NO_ANSWER | reglink::CR_REJECTED | reglink::CR_BAD_CHECKSUM;
  if ((result.Flags & kBroken) != 0) return false;
  std::string ignored;
  return reglink::ComposeErrorText(ignored, result);
}

std::string answerField(const reglink::TCommandResult& result, int index) {
  if (index < 0 || index >= result.FieldCount || index >= static_cast<int>(std::size(result.Fields))) return {};
  const char* field = result.Fields[index];
  return field != nullptr ? field : "";
}

}  // namespace app
