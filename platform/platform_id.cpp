#include "platform/platform_id.h"

namespace platform {

namespace {
std::optional<int> overrideId;
}  // namespace

int platformId() { return overrideId.value_or(systemPlatformId()); }

void setPlatformId(std::optional<int> id) { overrideId = id; }

}  // namespace platform
