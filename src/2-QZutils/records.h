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
    // ---- flight model state (integrated by update_flight, forces by set_a)
    float aX, aY, aZ;              // inertial acceleration, m/s^2
    float P, Q, R;                 // body roll, pitch, yaw rates, deg/s
    float Pdot, Qdot, Rdot;        // body angular accelerations, deg/s^2
    float Prad, Qrad, Rrad;        // the rates in rad/s
    float thedot, psidot, phidot;  // Euler-angle rates, deg/s
    float av;                      // speed through the air, m/s
    float vaxial;                  // air speed along the body axis, m/s
    float Qstatic;                 // dynamic pressure, Pa
    float Qratio;                  // (vind / Vne)^2
    float dist;                    // distance flown along the body axis, m
    float magpsi;                  // magnetic heading
    float hind;                    // indicated altitude, m
    float hpath, vpath;            // inertial track and flight-path angle
    float ahpath, avpath;          // the same relative to the air
    float Alpha, Beta;             // angle of attack and sideslip
    float sinthe, costhe, sinpsi, cospsi, sinphi, cosphi;
    float sinhpath, coshpath, sinvpath, cosvpath;
    float sinahpath, cosahpath, sinavpath, cosavpath;
    float sinphi_path, cosphi_path;   // roll that orients lift along the flight path
    float CDIgrndeffect[28], CL_grndeffect[28];
    float m_fixed, m_fuel, m_jettison, m_total;   // kg
    int   cat_stage;               // 3 hooked to the catapult, 4 launching, 5 none
    int   wired;                   // caught by an arresting wire
    float trap_accel;              // deceleration the wire applies, m/s^2
    int   over_vfe;
    // per-element local flow of the lifting parts
    float alpha[28][8], v_el[28][8], deldir[28][8], downwash[28][8];
    int   stalled[28];
    // engines
    float thro[4], throrequest[4];
    float mixt[4], mixt_powr_rat[4], mixt_temp_rat[4];
    float ff_[4];                  // fuel flow, kg/s
    float tac[4], trq[4], Dtq[4];  // propeller speed (rad/s), engine and drag torque (N m)
    float thrust[4], power[4];     // N, W
    float proppitch[4], prop[4];   // blade pitch (deg), requested propeller speed (rad/s)
    float mpr[4];                  // manifold pressure, inHg
    int   eng_running[4], revving_thrust[4], after_burning[4];
    float parteqlbmthrust[4], n1_[4];   // jet spool state 0..1, N1 percent
    float DVinc[4], ringDVinc[4][8];    // propwash increment far behind the disc, m/s
    float vertcant[4], sidecant[4];     // current thrust-line cant, deg
    float propomegadot;            // smoothed propeller acceleration shared by the engines
    float gearf[3];                // normal force on the nose and main wheels, N
    int   gear_touch[9];           // contact points touching in the previous step
    // control surfaces and devices, as the controls leave them (deg; sbrk and flap settings)
    float lailndef, railndef, lsplrdef, rsplrdef, lhstbdef, rhstbdef;
    float ldruddef, rdruddef, ruddef, elv_trim, ail_trim, rud_trim;
    int   sbrk, flap, sbrkrqst, flaprqst;
    float slat, sweep, sweeprqst, vectrqst;
    float jatoleft;                // rocket time left, s
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
    float rho, crtsig;             // density (kg/m^3) and its ratio to sea level
    float T, a;                    // temperature (K) and speed of sound (m/s)
    float g;                       // gravity, m/s^2
    float wind_X, wind_Y, wind_Z;  // wind at the aircraft, m/s
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
    float localh_cg;               // ground height under the centre of gravity, m
    float mvar;                    // magnetic variation at the aircraft, deg
    int   surf_type;               // surface under the aircraft: 75..78 rough, others paved
    float frig_the, frig_the_dot, frig_phi, frig_phi_dot;   // frigate deck motion, deg, deg/s
    float carr_the, carr_the_dot, carr_phi, carr_phi_dot;   // carrier deck motion
};

// ---- scene and eye
struct scenerystruct {
    float rb_cycle;                // rotating-beacon phase, 0..2 pi
    float zoom;
    float dist;                    // external view distance, m
    float firexyz[3];              // forest fire, region frame
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
};

// ---- instruments
struct inststruct {
    float baro;                    // altimeter setting, inHg
    int   HUD_on, HOOP_on;
    int   map_mode, arg_mode;
    float map_range, arg_range, rad_range;
    float hud_brt;
    int   lock_GPS;                // GPS lock button pressed, cleared when locked
    float heat;                    // carburettor heat lever (28 and above: on)
    int   jato_on, chute_on, hook_on, anti_ice_on;
    int   wxr_on, tcas_on, ecam_mode;
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
    int dummy_;
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
    int   cycout, cycoutwaiting;   // one-cycle dump: writing now / requested
    int   grfout;                  // graph output on
    float parkbrake;               // 0..1
    int   eq_toebrakes;
    float toe_brake[2];            // left, right, 0..1
    float YK_hdng, YK_roll, YK_ptch;   // pilot's yaw, roll, pitch inputs, -1..1
    float FC_hdng, FC_roll, FC_ptch;   // control deflections used by the flight model, -1..1
    int   gear_handle;             // 1 down
    int   view_is_fullscreen;
    float ah_bar_adjust;
    float trim_ptch, trim_roll, trim_hdng;   // trims, -1..1
    int   flap_lever, heat_lever, sbrk_lever, sweep_lever, vect_lever;
    int   thro_lever[4], prop_lever[4], mixt_lever[4];
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
    float frame_ice;               // airframe ice amount
    float carb_ice[4];             // carburettor ice per engine
    float runwayview_X, runwayview_Y, runwayview_Z;
};

// ---- reliability: 1 working, 0 failed
struct relstruct {
    float total_fail_entry;
    float ins_fail_rat, eq1_fail_rat, eq2_fail_rat;
    int   fail_type[32];
    float fail_time_max[32];       // mean hours between failures, per failure
    int   radios;                  // navigation radios working
    // working flags of the systems the flight model reads (1 working)
    int   vacuum, fc_thr, symflp, trim, elec, hydr, stab_aug, anti_ice, lights, autopilot;
    int   tail_rotor, gear[3], engines[4], thrgov[4], oilpmp[4], rev_lock[4];
    int   instr[6], efis[2], fc[6];
    float oil_rat;                 // oil-pressure ratio left with a failed oil pump
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
