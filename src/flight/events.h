// events.h -- the periodic flight events: mod_evt about ten times a second (warnings,
// needles, markers, gusts, gear travel, ...) and mod_sec once a second (failures, weather
// evolution, fuel, icing, callouts, the real-weather file). The application's frame
// schedule calls them through its event hooks.
#pragma once

namespace orv {

void mod_evt();
void mod_sec();

}  // namespace orv
