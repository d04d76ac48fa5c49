// app_test_env.h -- a fresh headless simulator state for the application tests: a temporary
// working folder (where "Error.out" and "Vantorel.out" land), a temporary settings folder,
// the fatal-alert exit intercepted, and the process clock replaced by a test clock.
#pragma once

#include <string>

namespace app_test {

extern long clock_ms;          // the test clock (milliseconds)
extern int  exit_calls;        // fatal exits intercepted
extern int  exit_status;

struct env {
    std::string work, config, data;
};

// Clears the records, installs the hooks, chdirs into a new working folder, points the window
// layer at new settings and data folders, and runs MACIBM_init when `init` is set.
env fresh(const char* tag, bool init = true);

// The preferences file of that environment.
std::string prefs_file(const env& e);

// Every field of the preferences record set to something other than its default.
void fill_unusual();

}  // namespace app_test
