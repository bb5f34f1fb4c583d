#pragma once

// Everything the simulator offers: registers, busy and silent ports, the demo set.
#include "sim/demo_set.h"
#include "sim/idle_ports.h"
#include "sim/register_config.h"
#include "sim/simulated_register.h"
