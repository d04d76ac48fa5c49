// Our own modest ship models. The carrier is a flat-top with an island on the starboard side
// and an angled landing deck overhanging to port; the frigate a slim hull with a raised
// superstructure; the rig four legs carrying a square deck, a derrick and a helideck.
#include "render/ship_models.h"

#include <cmath>

namespace orv {

float carr_pxyz[CARR_STATIONS][2][3];
float frig_pxyz[FRIG_STATIONS][2][3];
float oilr_pxyz[OILR_STATIONS][2][3];
float carr_lxyz[CARR_LIGHTS][3];

void load_geo(float x, float y, float z, float* point)
{
    point[0] = x;
    point[1] = y;
    point[2] = z;
}

// Half-width of a hull at fraction f of its length from the bow (0) to the stern (1): a fine
// bow widening over the first third, parallel body, a slightly narrowed square stern.
static float hull_half(float f, float beam)
{
    if (f < 0.33f) return beam * 0.5f * std::sqrt(f / 0.33f);
    if (f > 0.9f) return beam * 0.5f * (1.0f - 0.15f * (f - 0.9f) / 0.1f);
    return beam * 0.5f;
}

static void load_carrier()
{
    // 26 stations down the starboard side, bow to stern, then 26 back up the port side.
    const float L = CARR_LENGTH, hull_beam = 40.0f;
    for (int i = 0; i < 26; i++) {
        float f = i / 25.0f, z = -L / 2 + f * L;
        float low = hull_half(f, hull_beam);
        float deck = hull_half(f, 52.0f);
        load_geo(low, 0.0f, z, carr_pxyz[i][0]);
        load_geo(deck, CARR_DECK_H, z, carr_pxyz[i][1]);
    }
    for (int i = 0; i < 26; i++) {
        float f = 1.0f - i / 25.0f, z = -L / 2 + f * L;
        float low = hull_half(f, hull_beam);
        float deck = hull_half(f, 52.0f);
        // The angled deck overhangs to port over the after half of the ship.
        if (f > 0.35f && f < 0.95f) deck += (CARR_BEAM - 52.0f) * std::sin((f - 0.35f) / 0.6f * 3.14159265f);
        load_geo(-low, 0.0f, z, carr_pxyz[26 + i][0]);
        load_geo(-deck, CARR_DECK_H, z, carr_pxyz[26 + i][1]);
    }
    // Lights 1 cm above the deck: 2 x 25 edge lights along the angled deck (9 degrees to port
    // of the ship's axis, 230 m long, 25 m wide), 15 centreline lights and 10 drop lights down
    // the stern.
    const float y = CARR_DECK_H + 0.01f, a = 9.0f * 3.14159265f / 180.0f;
    const float land_len = 230.0f, land_half = 12.5f, z_end = L / 2 - 5.0f;
    int n = 0;
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 25; i++) {
            float s = land_len * i / 24.0f;               // distance forward along the landing deck
            float cx = -std::sin(a) * s - 8.0f, cz = z_end - std::cos(a) * s;
            load_geo(cx + side * land_half * std::cos(a), y, cz - side * land_half * std::sin(a), carr_lxyz[n++]);
        }
    for (int i = 0; i < 15; i++) {
        float s = land_len * i / 14.0f;
        load_geo(-std::sin(a) * s - 8.0f, y, z_end - std::cos(a) * s, carr_lxyz[n++]);
    }
    for (int i = 0; i < 10; i++) load_geo(-8.0f, CARR_DECK_H - 1.5f * i, L / 2, carr_lxyz[n++]);
}

static void load_frigate()
{
    // 20 stations down the starboard side, 20 up the port side, and the stem closing the bow.
    const float L = FRIG_LENGTH;
    for (int i = 0; i < 20; i++) {
        float f = 0.02f + 0.98f * i / 19.0f, z = -L / 2 + f * L;
        load_geo(hull_half(f, FRIG_BEAM * 0.85f), 0.0f, z, frig_pxyz[i][0]);
        load_geo(hull_half(f, FRIG_BEAM), FRIG_DECK_H + (f < 0.3f ? 1.5f * (0.3f - f) / 0.3f : 0.0f), z, frig_pxyz[i][1]);
    }
    for (int i = 0; i < 20; i++) {
        float f = 1.0f - 0.98f * i / 19.0f, z = -L / 2 + f * L;
        load_geo(-hull_half(f, FRIG_BEAM * 0.85f), 0.0f, z, frig_pxyz[20 + i][0]);
        load_geo(-hull_half(f, FRIG_BEAM), FRIG_DECK_H + (f < 0.3f ? 1.5f * (0.3f - f) / 0.3f : 0.0f), z, frig_pxyz[20 + i][1]);
    }
    load_geo(0.0f, 0.0f, -L / 2, frig_pxyz[40][0]);
    load_geo(0.0f, FRIG_DECK_H + 1.5f, -L / 2, frig_pxyz[40][1]);
}

static void load_oil_rig()
{
    const float h = OILR_SIZE / 2, leg = 22.0f, D = OILR_DECK_H;
    const float cx[4] = {-1, 1, 1, -1}, cz[4] = {-1, -1, 1, 1};
    int n = 0;
    for (int i = 0; i < 4; i++) {              // legs: sea floor seen from above the water to deck
        load_geo(cx[i] * leg, -5.0f, cz[i] * leg, oilr_pxyz[n][0]);
        load_geo(cx[i] * leg, D, cz[i] * leg, oilr_pxyz[n++][1]);
    }
    for (int i = 0; i < 4; i++) {              // deck box
        load_geo(cx[i] * h, D, cz[i] * h, oilr_pxyz[n][0]);
        load_geo(cx[i] * h, D + OILR_BOX_DEPTH, cz[i] * h, oilr_pxyz[n++][1]);
    }
    for (int i = 0; i < 4; i++) {              // derrick: 10 m base tapering to 2 m, 40 m high
        load_geo(cx[i] * 5.0f + 10.0f, D + 6.0f, cz[i] * 5.0f, oilr_pxyz[n][0]);
        load_geo(cx[i] * 1.0f + 10.0f, D + 46.0f, cz[i] * 1.0f, oilr_pxyz[n++][1]);
    }
    for (int i = 0; i < 4; i++) {              // helideck, 20 m square, cantilevered to the west
        const float x = cx[i] * OILR_HELIDECK_HALF + OILR_HELIDECK_X, z = cz[i] * OILR_HELIDECK_HALF;
        load_geo(x, OILR_HELIDECK_BOTTOM, z, oilr_pxyz[n][0]);
        load_geo(x, OILR_HELIDECK_TOP, z, oilr_pxyz[n++][1]);
    }
}

void load_ship_models()
{
    load_carrier();
    load_frigate();
    load_oil_rig();
}

}  // namespace orv
