#include "platform/plat_joy.h"

namespace orv {

namespace {

// Drivers are there (the count answers) but nothing is plugged in.
int  none_count() { return 0; }
int  none_read(int, plat_joy_state*) { return 0; }
const char* none_name(int) { return ""; }
void none_close() {}

const plat_joy_ops none_ops = {"none", none_count, nullptr, none_read, none_name, none_close,
                               nullptr, nullptr, nullptr, nullptr};
const plat_joy_ops* current = &none_ops;

}  // namespace

const plat_joy_ops* plat_joy_get() { return current; }
void plat_joy_install(const plat_joy_ops* ops) { current = ops ? ops : &none_ops; }
const plat_joy_ops* plat_joy_none() { return &none_ops; }

}  // namespace orv
