// app_script.h -- the simulator's name for the timed-input parser, which lives beside the
// back-end script queue it fills (platform/plat_script.h) so the design tool shares it.
#pragma once

#include "platform/plat_script.h"
