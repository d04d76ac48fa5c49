#include "flight/flt_init.h"

#include "2-QZutils/records.h"

namespace orv {

// The start types land with the flight model.
void set_fltvars(int) {}

}  // namespace orv
