// plat_cli.h -- command-line helpers both programs share: option values and the choice of
// the display back end for a run.
#pragma once

namespace orv {

struct plat_backend;

constexpr int PLAT_OPTION_LEN = 400;   // an option's text value, with its terminator

// Copies the value `v` of option `flag` into `dst` (PLAT_OPTION_LEN bytes). Answers 1, or 0
// with the reason in `err` when it is missing or too long.
int  plat_copy_option(char* dst, const char* v, const char* flag, char* err, int errlen);

// Installs the back end for a run: none with `headless`, the offscreen one when a
// screenshot is wanted, else the window when a display is there. What cannot be had is said
// on standard error and the run goes on without it.
void plat_choose_backend(int headless, int screenshot, const plat_backend* windowed,
                         const plat_backend* offscreen);

}  // namespace orv
