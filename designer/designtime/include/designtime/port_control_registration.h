#pragma once

#include "designtime/design_registry.h"

namespace designtime {

// Tells a designer what it offers for TPortControl: the Port editor, the palette entry and
// the component editor, in that order.
void Register(TDesignRegistry& Designer);

}  // namespace designtime
