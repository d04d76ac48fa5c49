// panel_laws.h -- what each instrument shows, as functions of the flight state: needle angles,
// lags, gyro spin-down, compass errors, radio and GPS read-outs. No drawing and no records;
// the frame update (p_update) feeds them from the records and keeps their lagged values.
//
// Angles are degrees clockwise from straight up unless a function says otherwise.
#pragma once

namespace orv {

// ---- airspeed
constexpr int ASI_SWEEP_DEG = 330;
// Speed on the dial's units: statute miles per hour when asi_units is 2.
float asi_dial_speed(float vind_kt, int asi_units, float nm_to_sm);
// The needle's angle, held within 0..max_deg: the airspeed needle's sweep, or further for the
// maximum-allowable-speed needle.
constexpr int ASI_MAX_NEEDLE_DEG = 350;
int   asi_needle_angle(float v, float ASpwr, float Vmin, float indtoASI, int max_deg = ASI_SWEEP_DEG);

// ---- turn and slip (one frame of lag each)
float turn_needle_step(float shown, float yaw_rate_dps, float prd);
float slip_ball_step(float shown, float side_force, float normal_force, float prd);

// ---- vertical speed
float vvi_step(float shown, float msctoVVI, float vY, float prd);
// Needle angle about 9 o'clock: limited to +-160 degrees (conventional) or +-90 (glass).
int   vvi_needle_angle(float shown, int glass);

// ---- gyros on the vacuum system
constexpr float GYRO_SPIN_DOWN_S = 180.0f;
constexpr float GYRO_STARTUP_S = 4.0f;
struct gyro_inputs {
    float the, phi, magpsi;        // aircraft attitude and magnetic heading
    int   vacuum, ahz_ok, dgy_ok;  // vacuum system, attitude gyro, directional gyro working
    int   starting;                // piston aircraft on the ground in its first seconds
    float init_time;               // since the flight was set up (the start-up wobble)
    // the spin-down runs for fail_clock - vac_death_time seconds, both on the clock the
    // failure was recorded on
    float fail_clock, vac_death_time, the_fail_err, phi_fail_err;
};
// Moves the shown pitch, roll and heading one frame.
void gyro_step(float* the180, float* phi180, float* psimag, const gyro_inputs& in);

// ---- magnetic compass
float compass_error(float psi, float aX, float phi, int lat_sou);
float compass_step(float compass, float magpsi, float error, float prd);

// ---- HSI geometry (x, y is the instrument centre)
struct pt { float x, y; };
int  hsi_course_angle(float psimag, float obs);        // c of the card-relative course
int  hsi_bug_angle(float psimag, float mvar, int hdsel);
pt   hsi_arrow_tip(float x, float y, int c);
// Deviation bar: 30 px either side of the centre along the course, moved sideways by a px.
void hsi_deviation_bar(float x, float y, int c, float a, pt* from, pt* to);

// ---- DME: the shown distance lags the slant distance; speed from its change
struct dme_state { float dist_nm, speed_kt, last_time; int primed; };
void dme_step(dme_state* s, float slant_nm, float elap_time);
int  minutes_to_go(float dist_nm, float speed_kt);     // 999 when not moving

// ---- GPS
struct gps_readout { int bar_x, course, dist_nm, speed_kt, minutes; };
gps_readout gps_readouts(float hdef0, float mvar, float gps_crs, float gps_dis_m, float v_ms,
                         int osrad, float mtrstonm, float msctokts);

// ---- radar altimeter
constexpr float RADALT_BREAK_FT = 500.0f;
constexpr float RADALT_MAX_FT = 2500.0f;
float radalt_height_ft(float mgearY, double Y, float localh, float mtrstoft);
float radalt_angle(float h_ft);
// The minimums tone: answers 1 on the frame the height first drops below the bug; it
// sounds again only after the height has been above the bug.
int   radalt_tone(int* armed, float h_ft, float bug_ft);

// ---- altimeter
int   altimeter_needle_angle(float h_ft);              // hundreds hand
int   baro_window_value(float baro, int us_units, int glass);

// ---- variometer and ADF
float total_energy(float g, double Y, float av);
int   vari_needle_angle(float rate, float g, float msctofpm);
float adf_needle_step(float shown, float bearing, float prd);
float adf_relative_bearing(float adfX, float adfZ, double X, double Z, float psi);
int   rmi_bearing(float vorX, float vorZ, double X, double Z, float mvar);
// A lightning strike on the stormscope: its offset (pixels, y up) from the dial's centre for a
// strike at (sx, sz) seen from (X, Z) on heading psi, the range `range_m` at `radius_px`.
// Answers 0 when the strike lies beyond the range.
int   stormscope_dot(float sx, float sz, double X, double Z, float psi, float range_m, float radius_px,
                     pt* offset);

// ---- read-outs of the status bar
int   control_feel_percent(float ptch, float roll, float hdng);   // 50..100
int   ease_mode(float damp);                                      // 0..4
int   status_slot(float elap_time);                               // 0..5
int   oat_value(float T_kelvin, int us_units);                    // limited -50..90
// Marker lamps on the 10-step counter: which = 0 outer, 1 middle, 2 inner.
int   marker_lit(int which, int cntr10);
int   fuel_needle(float m_fuel, float capacity);

}  // namespace orv
