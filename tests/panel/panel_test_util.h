// Shared set-up of the panel tests: a small aircraft with the standard six on a conventional
// panel, laid out, and every instrument working.
#pragma once

namespace panel_test {

// Clears the records the panel reads; single engine of type `entype`; the top row holds
// airspeed, attitude, altimeter and `top4`, the bottom row turn-slip, HSI, VSI and `bottom4`.
void conventional_aircraft(int entype, int top4, int bottom4);

// Every instrument, the vacuum, radios, electrics, screens and oil pumps working.
void all_working();

}  // namespace panel_test
