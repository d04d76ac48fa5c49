// p_update.h -- one frame of the live panel: the gyros and compass, the status bar, lamps,
// read-outs, every instrument's needle and the engine gauges, in the order they are drawn.
//
// update_panel keeps what each instrument shows in panel_shown_values(), so a failed
// instrument holds its last value and the drawing only copies these numbers onto the panel.
#pragma once

#include "panel/panel_laws.h"

namespace orv {

enum gear_light { GEAR_LIGHT_OFF = 0, GEAR_LIGHT_DOWN = 1, GEAR_LIGHT_TRANSIT = 2, GEAR_LIGHT_UP = 3 };

struct panel_shown {
    // lagged values kept between frames
    float compass;                 // magnetic compass card, degrees
    float turn, slip;              // turn needle and ball
    float vvi;                     // vertical-speed needle, degrees from 9 o'clock
    float adf_needle;              // relative bearing the ADF needle points to
    float energy;                  // variometer's last specific total energy
    int   energy_primed;
    dme_state dme;
    int   radalt_armed;
    float last_init_time;          // a smaller init_time means the flight was set up again
    // what the instruments show this frame
    const char* feel;              // "controls: 100%" ...
    const char* mode;              // "mode: realistic" ...
    const char* status;            // a status message or the aircraft's name
    int   status_warning;          // 1: the status message is a warning
    int   paused_caption;
    int   oat;
    char  oat_unit;                // 'F' or 'C'
    int   stall_lamp;
    int   ap_alt_ft, ap_vvi_fpm, ap_spd_kt;
    int   marker[3];
    int   fuel_needle;             // -1 without fuel
    int   brakes_lamp;
    int   gear_light[3];
    int   ecam_lamp;               // page lamp lit, 0 for none
    int   xpdr[4];
    int   asi_angle, asi_max_angle;    // max_angle -1 when not shown
    float asi_kt;                      // the speed the indicator shows (the glass tape's)
    int   alt_angle;
    float alt_ft;
    int   baro_window;
    int   vvi_angle;
    int   hsi_card, hsi_course, hsi_bug;
    float hsi_dev_px, hsi_gs_px;
    float hsi_dme_nm;                  // slant distance to receiver 2's station (glass HSI)
    int   hsi_dme_good;                // 0: no usable signal or beyond 99 nm
    int   vor2_card, vor2_course;
    float vor2_dev_px, vor2_gs_px;
    float radalt_ft, radalt_angle;
    int   vari_angle;
    int   rmi_card, rmi_bearing;
    int   gps_shown;               // 1 GPS read-out, 0 DME read-out
    gps_readout gps;
    int   dme_good;
    int   efis_map_shown, moving_map_shown, wx_radar_shown, stormscope_shown;
    float egt_bar[4];              // exhaust temperature bar position 0..1
    int   gauge[3][4];             // dial values per gauge row and engine
    int   rotor_gauge;             // a helicopter's rotor tachometer, degrees from the dial's zero
    int   afterburner[4];
};

const panel_shown& panel_shown_values();

// Clears the lagged values; update_panel calls it itself when the flight is set up again.
void panel_reset();

// One frame of the panel (reads the records, writes ins's gyro values and the shown state).
void update_panel();

constexpr int RADALT_TONE_SLOT = 15;       // sound slot of the radar altimeter's minimums tone

}  // namespace orv
