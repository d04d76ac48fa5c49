#pragma once

namespace orv {

// Parses the command line, runs start-up, the main loop and finish-up. Returns the exit status.
int app_main(int argc, char** argv);

}  // namespace orv
