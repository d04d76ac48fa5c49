// records_reset.h -- the fourteen records the entry point clears, in order, cleared again.
// Start-up calls it once; tests call it to start from the state a fresh program has.
#pragma once

namespace orv {

void clear_records();

}  // namespace orv
