// records.h -- the simulator's global state records.
//
// Every record is a plain struct with exactly one instance that lives for the whole
// run. Each module owns the fields of its area; fields are added by the area that
// needs them. Nothing here allocates, and every table has a fixed size.
//
// All project code lives in namespace orv: the C library already has a `round`, and
// the system's own `round` (halves away from zero) must win inside our code.
#pragma once

#include <cstdint>

#include "2-QZutils/rec_plane.h"

namespace orv {

// ---- constants: unit conversions, set once by set_constants(); attitude sines per step
struct constantstruct {
    float fttomtrs, mtrstoft;      // feet <-> metres
    float nmtomtrs, mtrstonm;      // nautical miles <-> metres
    float nm_to_sm;                // nautical -> statute miles
    float ktstomsc, msctokts;      // knots <-> metres per second
    float msctofpm;                // metres per second -> feet per minute
    float kgstolbs, lbstokgs;      // kilograms <-> pounds
    float rsctorpm, rpmtorsc;      // radians per second <-> rpm
    float hptowat;                 // horsepower -> watts
    float lbstonew;                // pounds-force -> newtons
    float ftlbstonm;               // foot-pounds -> newton-metres
    float ft2tom2;                 // square feet -> square metres
    float dgrtorad, radtodgr;      // degrees <-> radians
    float dgrtodgk;                // Fahrenheit degrees -> kelvin degrees (size of a degree)
    float endtomed;                // slugs per cubic foot -> kilograms per cubic metre
    float inhgtopa;                // inches of mercury -> pascals
    float mtrtonrt, nrttomtr;      // metres <-> degrees of latitude (60 nm to the degree)
    float mtrtoplt;                // metres -> map plot units
    float g;                       // gravity, m/s^2
    float rhoSL;                   // sea-level density, kg/m^3
    float rho_h20;                 // water density, kg/m^3
    float muair;                   // air viscosity, kg/(m s)
    float muearth;                 // earth's gravitational parameter
    float rearth;                  // earth radius, m
    float cntrx, cntry;            // screen centre
    float cosPLANpsi, sinPLANpsi, cosPLANthe, sinPLANthe, cosPLANphi, sinPLANphi;
    float PLAN_loc_X, PLAN_loc_Y, PLAN_loc_Z;
    float cosBOATpsi, sinBOATpsi, cosBOATthe, sinBOATthe, cosBOATphi, sinBOATphi;
    float BOAT_loc_X, BOAT_loc_Y, BOAT_loc_Z;
    float VIEW_xyz[3];
    float HUD_lft, HUD_rgt, HUD_bot, HUD_top;
};

// ---- flight state (position in the region frame, attitude in degrees)
struct flightstruct {
    double X, Y, Z;                // metres east, up, south of the region's south-west corner
    float vX, vY, vZ;              // m/s in the same frame
    float v;                       // true speed, m/s
    float the, psi, phi;           // pitch, true heading, roll (degrees)
    float lat, lon;                // degrees, derived from X and Z
    float vind;                    // indicated airspeed, knots
    int   onground;                // a wheel, skid or float touches the ground or water
    // force and moment sums fed by the accumulators (N, N m), cleared per force pass
    float faxilprop, fsideprop, fnrmlprop;   // propulsion, body axes
    float faxilgear, fsidegear, fnrmlgear;   // gear and water contact, body axes
    float faxilaero, fsideaero, fnrmlaero;   // aerodynamic, flight-path axes
    float L, M, N;                           // roll, pitch, yaw moments
    float sinalph, cosalph, sinbeta, cosbeta;
    float machno;
    int   over_vne;                // 1 while over the never-exceed speed
    // read by the instrument panel (filled by the flight model)
    float aX, aY, aZ;              // inertial acceleration, m/s^2
    float P, Q, R;                 // body rates, degrees per second
    float av;                      // speed relative to the air, m/s
    float magpsi;                  // magnetic heading, degrees
    float hind;                    // indicated altitude, m
    float Alpha, Beta;             // angle of attack and sideslip, degrees
    float alpha[28][8];            // local angle of attack per part and element, degrees
    float m_fuel, m_jettison;      // kg
    float thro[4], throrequest[4], prop[4], mixt[4];
    float mixt_temp_rat[4], egt[4];
    float tac[4], n1_[4], mpr[4], trq[4], ff_[4];  // rad/s, %, inHg, N m, kg/s
    int   after_burning[4];
    float flaprequest, sbrk, sweerequest, vectrequest;
    float elv_trim, ail_trim, rud_trim;
    int   cat_stage;
};

// ---- atmosphere and weather
struct atmospherestruct {
    float hr[22][2];               // standard atmosphere: height (m), density (kg/m^3)
    float temp_SL;                 // sea-level temperature, F
    float baro;                    // sea-level pressure, inHg
    float rain_tstm, wind_tbl, burst_prob;
    int   change_clouds, change_vis, change_precip, change_turb, change_micro;
    int   cld_type;
    float topsMSL, baseMSL;        // m
    float vis_rep, vis_mult;       // reported visibility (m) and its multiplier
    float wnddir[9], wndspd[9], shrdir[9], shrspd[9], tbl[9];
    float wave_amp, wave_length, wave_speed;
    int   wave_dir;
    float thermal_part, thermal_vvi;
    int   meteorite_code;
    int   rway_fric_code;
    float rate_change;             // weather rate of change
    // read by the instrument panel
    float T, a, crtsig;            // temperature (K), speed of sound (m/s), density ratio
    int   inshear;
    float lightXYZ[3];             // last lightning strike, region frame
    float strike_stop_time;
};

// ---- environment: region origin, local terrain and table sizes
struct environmentstruct {
    int   lat_sou, lon_wes;        // south-west corner of the loaded region (degrees)
    float lox, loz, hix, hiz;      // region bounds in the local frame, m
    float dx, dz;                  // region extent in X and Z, m
    float lonwes_ref[3][2];        // reference longitude of each one-degree cell [lon][lat]
    float planex_ref[3][2];        // X of that reference longitude, m
    int   aptmax, navmax, fixmax;  // index of the last record read into each table
    int   apt_list_max, vor_list_max, ndb_list_max;
    int   over_carr, over_frig, over_obs;
    float obj_height;
    int   i_viewpoint, j_viewpoint;  // terrain cell of the aircraft
    int   nrst_apt_max, nrst_vor_max, nrst_ndb_max;  // nearest-station list sizes, -999 unset
    // read by the instrument panel
    float mvar;                    // magnetic variation, degrees
    float localh_cg;               // ground height under the centre of gravity, m
};

// ---- scene and eye
struct scenerystruct {
    float rb_cycle;                // rotating-beacon phase, 0..2 pi
    float zoom;
};

// ---- radios and navigation
struct navstruct {
    int   nf[2];                   // NAV 1/2, 10 kHz units
    int   cf[2];                   // COM 1/2, 10 kHz units
    float obs[2];
    int   adff;                    // ADF, kHz
    int   dmesel;
    int   radout;
    int   tran1, tran2, tran3, tran4;  // navigation transfer selectors
    int   gps_index_mode, gps_index, gps_apt_index, gps_vor_index, gps_ndb_index;
    int   gps_id[4];
    int   goodnav[6];              // receiver has a station: 0/1 NAV, 4 ADF, 5 GPS
    float vorX[2], vorY[2], vorZ[2];   // tuned VOR or localizer, region frame (m)
    float gsX[2], gsY[2], gsZ[2];      // tuned glide slope transmitter
    float ilscrs[2];               // localizer course, degrees true
    float ilsgs[2];                // 0 localizer, 3 glide-slope angle, 9 VOR
    float adfX, adfZ;              // tuned NDB
    char  nav_id[6][5];            // identifiers of the tuned stations, per radio
    float gps_lat, gps_lon;        // GPS target, degrees
    float gps_crs, gps_dis;        // course (deg true) and distance (m) to it
    float gps_lock_crs;            // course locked by the GPS lock button
    // panel radio state
    float hdef[2], vdef[2];        // course and glide-slope deviations, dots
    int   ntf[2];                  // 0 no flag, 1 to, 2 from
    int   hdsel;                   // heading bug, degrees
    int   gps_scroll_mode;         // 0 name, 1..4 identifier character being edited
};

// ---- instruments
struct inststruct {
    float baro;                    // altimeter setting, inHg
    int   HUD_on, HOOP_on;
    int   map_mode, arg_mode;
    float map_range, arg_range, rad_range;
    float hud_brt;
    int   lock_GPS;                // GPS lock button pressed, cleared when locked
    // layout of the loaded aircraft
    int   v_tape_col[5][90];       // vertical digit drum
    int   h_tape_col0[200][12];    // two-digit horizontal tape
    int   h_tape_col1[360][12], h_tape_col2[360][12];  // heading tapes, increasing and decreasing
    int   nav_pic[4][10][10];      // navaid icons: 1 VOR, 2 NDB, 3 airport
    float indtoASI, msctoVVI, tactoINS, n1_toINS, mprtoINS, trqtoINS, ff_toINS;
    int   avail[11];
    int   x_loc[11], y_loc[11];    // instrument centres, window pixels
    // shown state
    int   flap, sbrk, swee, vect, collect;   // lever positions, panel pixels
    int   thro[4], prop[4], mixt[4];
    int   heat;
    float reply_time1, reply_time2;
    int   chute_on, jato_on, hook_down, antiice_on;
    int   EFIS_wxr, EFIS_tcas;
    int   ecam_mode;
    float radalt_ft;
    int   adf_card;
    float the180, phi180, psimag;  // what the gyro instruments show, degrees
    float r_rat, g_rat, b_rat;
};

// ---- recorded flight path for replay
constexpr int PATH_SAMPLES = 6000;
struct pathstruct {
    float time_play;                       // replay clock, s
    float xyztppt[PATH_SAMPLES][7];        // x, y, z (m), the, psi, phi (deg), time (s)
    int   inited[PATH_SAMPLES];            // non-zero where a sample is valid
    int   cntr_record;
};

// ---- graph ring buffer
struct graphstruct {
    int cntr;
};

// ---- autopilot
struct ottostruct {
    int   HDSLCT;                  // heading select
    int   NAV[2];                  // track NAV 1 / NAV 2
    int   ALHOLD, VVHOLD, GS2;     // vertical modes
    int   ASHOLD;                  // airspeed hold
    float al_hold, vv_hold, as_hold;   // m, m/s, knots
};

// ---- user settings
struct settingstruct {
    int   replay_mode;             // 0 off, 1 rewind fast, 2 held, 3 play, 4 forward fast
    int   Bdsk[60], Brlt[60], Bgrf[60];
    int   serout;
    float damp;
    float joy_rat_ptch, joy_rat_hdng, joy_rat_roll;
    int   eq_ped, eq_avi, eq_thr, eq_col;
    float NZptch, NZroll;
    int   joy_response[22];
    float cus_X, cus_Z, cus_psi, cus_Y, cus_v;   // custom start
    int   view_type;
    // panel controls
    float parkbrake;               // 0..1
    int   gear_handle;             // 1 down
    float gear_time[3];            // elapsed time at which each leg reaches the handle
    int   ah_bar_adjust;           // attitude-indicator bar, pixels
    int   thro_pot;                // a hardware throttle axis drives the levers
    int   grfout, dskout;          // graph and disk output on
};

// ---- miscellany: frame period, counters, clocks, start options
struct miscstruct {
    float prd;                     // simulated time step of one frame, s
    float rtrat;                   // measured real/simulated time ratio
    int   cntr;                    // frame counter 0..30000
    int   cntr10;                  // event tick counter 0..9
    float init_time;               // simulated time since the flight was (re)initialised
    float elap_time, locl_time, zulu_time, aifr_time, nigt_time, timr_time;
    int   paused;
    int   timer_running;
    int   typestart;
    int   loc_apt_wrl, loc_apt_reg;
    int   rway_sel;
    char  apt_id_req[8];
    float cus_start_h, cus_start_v;   // custom start height (m) and speed (m/s)
    int   sound_avail, speech_avail, sound_on;
    int   warn_frame, warn_overspeed, warn_flaps, warn_bb;
    int   logtime;
    int   show_path;
    float est_Vs;
    // read by the instrument panel
    float frame_ice;
    float carb_ice[4];
    int   mouse_is_joy;
};

// ---- reliability: 1 working, 0 failed
struct relstruct {
    float total_fail_entry;
    float ins_fail_rat, eq1_fail_rat, eq2_fail_rat;
    int   fail_type[32];
    float fail_time_max[32];       // mean hours between failures, per failure
    int   radios;                  // navigation radios working
    // instruments (1 working)
    int   vacuum, ss_asi, ss_ahz, ss_alt, ss_tsi, ss_dgy, ss_vvi, efis_1, efis_2;
    float vac_death_time;          // msc.init_time at the vacuum failure
    float the_fail_err, phi_fail_err;  // where the dying gyro drifts to, degrees
    int   esystem;
    int   oilpmp[4];
    int   lagear[3];
};

// ---- ATC and flight plan
struct atcstruct {
    int voice_out, text_out;
};

struct flightplanstruct {
    int   IFR, VFR, DVFR;
    float cruise_alt;
    int   mr, mrs;
};

// ---- window layer state
struct menuwindowstruct {
    int  topwin;                   // window that owns the screen
    int  menu_up;                  // open pull-down menu, -1 for none
    int  x, y, dx, dy;             // current window
    int  mx, my;                   // mouse, relative to x, y, y up
    int  mouse_clicked, mouse_lifted, now_dragging, delay_dragging;
    char menu_name[330][41];
    char item_name[330][100][41];
    int  menu_prnt[330];
    int  menux1[330], menux2[330], menuy1[330], menuy2[330];               // title boxes
    int  itemx1[330][100], itemx2[330][100], itemy1[330][100], itemy2[330][100];  // item boxes
};

extern planestruct       pln;
extern airfoilstruct     afl;
extern constantstruct    con;
extern flightstruct      flt;
extern atmospherestruct  atm;
extern environmentstruct env;
extern scenerystruct     scn;
extern navstruct         nav;
extern inststruct        ins;
extern pathstruct        pat;
extern graphstruct       grf;
extern ottostruct        ott;
extern settingstruct     set;
extern miscstruct        msc;
extern relstruct         rel;
extern atcstruct         atc;
extern flightplanstruct  fpl;
extern menuwindowstruct  mnw;

// Process-wide flags of the application shell.
extern int gdone, done_initing, ogl_ready, is_3dfx, up_handled, got_event;
extern int ogl_res, ogl_trees;

// Fill `con` with the unit conversions (called once at start-up, and by tests).
void set_constants();

}  // namespace orv
