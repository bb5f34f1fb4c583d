#pragma once

// The register link in one include.
#include "link/command_names.h"
#include "link/command_result.h"
#include "link/error_text.h"
#include "link/register_link.h"
