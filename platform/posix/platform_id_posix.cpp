#include "platform/platform_id.h"

namespace platform {

int systemPlatformId() { return kPlatformOther; }

}  // namespace platform
