// ship_models.h -- the outlines of the aircraft carrier, the frigate and the oil rig, and the
// carrier's deck lights. Metres from the ship's centre at the waterline: x to starboard, y up,
// z aft. Each outline station holds two points, [0] low and [1] high; the drawing joins
// neighbouring stations into quads (hull sides, or the legs and decks of the rig).
#pragma once

namespace orv {

constexpr int CARR_STATIONS = 52, FRIG_STATIONS = 41, OILR_STATIONS = 16, CARR_LIGHTS = 75;

extern float carr_pxyz[CARR_STATIONS][2][3];
extern float frig_pxyz[FRIG_STATIONS][2][3];
extern float oilr_pxyz[OILR_STATIONS][2][3];
extern float carr_lxyz[CARR_LIGHTS][3];

void load_geo(float x, float y, float z, float* point);   // point[0..2] = x, y, z
void load_ship_models();

// Overall sizes, for the contact and placement code: length (z), beam (x), deck height (y).
// The decks stand where the ground contact puts them (21 and 7 m above the waterline).
constexpr float CARR_LENGTH = 332.0f, CARR_BEAM = 76.0f, CARR_DECK_H = 21.0f;
constexpr float FRIG_LENGTH = 135.0f, FRIG_BEAM = 14.0f, FRIG_DECK_H = 7.0f;
constexpr float OILR_SIZE = 60.0f, OILR_DECK_H = 30.0f;
constexpr float OILR_BOX_DEPTH = 6.0f;                       // the deck box's top stands this high
// The helideck, cantilevered off the deck box's western side: 20 m square, top 9 m above the deck.
constexpr float OILR_HELIDECK_HALF = 10.0f, OILR_HELIDECK_X = -(OILR_SIZE / 2 + 6.0f);
constexpr float OILR_HELIDECK_BOTTOM = OILR_DECK_H + 8.0f, OILR_HELIDECK_TOP = OILR_DECK_H + 9.0f;

}  // namespace orv
