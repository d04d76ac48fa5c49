#include "flight/controls.h"

#include "2-QZutils/records.h"

namespace orv {

// The control laws land with the autopilot; until then the controls stay where the
// start type or the script put them.
void update_controls() {}

}  // namespace orv
