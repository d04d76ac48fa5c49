// driver_pin.h -- keeps the GL driver's libraries mapped until the process ends, in builds
// with the address sanitizer.
//
// A GL driver is loaded when the first context is made and unloaded again by eglTerminate
// or by closing the window's display. Blocks the driver still holds are then referenced only
// from its unmapped data, and the leak check at exit reports them as ours, with stacks it
// cannot name. Pinning every shared object loaded so far (the driver and what it pulled in)
// leaves their data where the check can see it. Elsewhere this does nothing.
#pragma once

namespace orv {

// Call once a context exists. Answers how many objects were pinned (0 without the sanitizer).
int pin_loaded_libraries();

}  // namespace orv
