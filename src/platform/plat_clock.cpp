#include "platform/plat_clock.h"

#include <chrono>

namespace orv {

static long real_clock_ms()
{
    using namespace std::chrono;
    return (long)duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

static plat_clock_fn clock_fn = real_clock_ms;

long plat_clock_ms() { return clock_fn(); }

void plat_set_clock(plat_clock_fn fn) { clock_fn = fn ? fn : real_clock_ms; }

}  // namespace orv
