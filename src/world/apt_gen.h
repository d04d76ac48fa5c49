// apt_gen.h -- airports generated from their database records: runway outlines, the six
// pavement quads per runway, windsocks, light lists and a few buildings.
//
// Pavement layers of a runway, in widths across (right of the centre line positive) and
// fractions of the length along (-0.5 first end .. 0.5 far end):
//   0 runway -0.5..0.5 | 1 taxiway 2.0..2.5 | 2, 3, 4 connectors 0.5..2.0 at the far end,
//   mid-length and first end | 5 apron 2.5..4.5 from 0.1 to 0.4 of the length.
#pragma once

namespace orv {

constexpr int RWY_LAYERS = 6;
constexpr int RWY_LGT_CAP = 900;            // lights of one runway
constexpr float RWY_CLEAR_MARGIN = 25.0f;   // buildings keep this far from any runway

// Light kinds of the runway light lists.
enum {
    LGT_EDGE = 1, LGT_EDGE_AMBER = 2, LGT_CENTRE = 3, LGT_CENTRE_RED = 4, LGT_TDZ = 5,
    LGT_THRESHOLD = 6,   // green seen from the approach to `end`, red from the runway
    LGT_REIL = 7,        // runway-end identifier flasher
    LGT_APPROACH = 8,    // steady white approach light
    LGT_APPROACH_RED = 9,
    LGT_FLASHER = 10,    // sequenced flasher; arg = its place in the sequence, 0 outermost
    LGT_GLIDE = 11       // glide-slope indicator light; arg = tenths of a degree: white above
};

extern float rwy_lgt_xyz[90][3][RWY_LGT_CAP][3];
extern int   rwy_lgt_kind[90][3][RWY_LGT_CAP];
extern int   rwy_lgt_end[90][3][RWY_LGT_CAP];   // runway end (0 first, 1 far) the light serves
extern int   rwy_lgt_arg[90][3][RWY_LGT_CAP];
extern int   rwy_lgt_n[90][3];

// Generates database airport apt_wrl as region-list entry apt_reg (0..89).
void build_apt(int apt_reg, int apt_wrl);
// Region list entry apt_reg holds no airport any more: its runways, their lights, outlines and
// socks go (the buildings are the region's to clear).
void clear_apt(int apt_reg);
void setuprunway(int apt_reg, int r, float X, float Z, float Y, float l, float w, float hdng,
                 int litecode);
// Takes layer m of runway `blockee` off where it lies on runway `blocker`.
void clear_region(int apt_reg, int blockee, int blocker, int m);
// 1 when runway r of region airport apt_reg was built: a slot of length 1 or less is empty and
// is drawn, lit and stood on nowhere.
int  runway_built(int apt_reg, int r);
int  first_runway(int apt_reg);             // the first built runway, or -1
// 1 when (x, z) lies on runway r (any runway of the airport when r < 0), 25 m margin included.
int  in_runway(int apt_reg, float x, float z, int r);

}  // namespace orv
