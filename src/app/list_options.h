#pragma once
// The options that decide how lists write priority and completion, as they stand now.
#include "views/priority_completion.h"

/// dv_opt_b_priority_as_percents and dv_opt_b_completed_as_percents from the options file.
DvListOptions DvCurrentListOptions();
