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
    // ---- controls, surfaces and systems (control input, autopilot, periodic events)
    float P, Q, R;                 // body rates, deg/s (roll, pitch, yaw)
    float Pdot;                    // roll acceleration, deg/s^2
    float aY;                      // vertical acceleration, m/s^2
    float hind;                    // indicated altitude, m
    float Alpha, Beta;             // aircraft angle of attack and sideslip, degrees
    float alpha[28][8];            // local angle of attack per part and element, degrees
    int   stalled[28];             // part is stalled
    float Qratio;                  // dynamic pressure over its value at the never-exceed speed
    int   flap, flaprequest;       // flap detent 0..50 and the lever's request
    float slat;                    // slat deployment 0..1
    int   sbrk;                    // speed-brake setting; -1 armed
    float swee, sweerequest;       // wing sweep 0..1 and its request
    float vectrequest;             // thrust-vector request, degrees
    float elv_trim, ail_trim, rud_trim;      // -1..1
    float lailndef, railndef, lsplrdef, rsplrdef, ldruddef, rdruddef;
    float lhstbdef, rhstbdef, ruddef;        // surface deflections, degrees
    float proppitch[4];            // blade pitch, degrees (1: a helicopter's tail rotor)
    float vertcant[4], sidecant[4];          // present thrust-line cant, degrees
    float thro[4], throrequest[4]; // throttle 0..1 and the lever's request
    float tac[4];                  // propeller or rotor speed, rad/s
    float n1_[4];                  // jet N1, percent
    float mixt_powr_rat[4];        // mixture power factor
    int   eng_running[4];
    float ff_[4];                  // fuel flow, kg/s
    float m_fuel;                  // fuel aboard, kg
    int   over_vfe;                // 1 after flaps were lowered above Vfe
    // ---- read by the instrument panel
    float aX, aZ;                  // inertial acceleration east and south, m/s^2
    float av;                      // speed relative to the air, m/s
    float magpsi;                  // magnetic heading, degrees
    float m_jettison;              // kg
    float prop[4], mixt[4];        // propeller and mixture lever requests
    float mixt_temp_rat[4], egt[4];   // exhaust temperature ratio and its shown value
    float mpr[4], trq[4];          // manifold pressure (inHg) and torque (N m)
    int   after_burning[4];
    int   cat_stage;               // catapult: 3 hooked, 4 launching, 5 none
    // ---- flight model: integration, force build-up, propulsion and contact
    float Qdot, Rdot;              // pitch and yaw accelerations, deg/s^2
    float Prad, Qrad, Rrad;        // body rates in rad/s
    float thedot, psidot, phidot;  // Euler-angle rates, deg/s
    float vaxial;                  // air speed along the body axis, m/s
    float Qstatic;                 // dynamic pressure, Pa
    float dist;                    // distance flown along the body axis, m
    float hpath, vpath;            // inertial track and flight-path angle
    float ahpath, avpath;          // the same relative to the air
    float sinthe, costhe, sinpsi, cospsi, sinphi, cosphi;
    float sinhpath, coshpath, sinvpath, cosvpath;
    float sinahpath, cosahpath, sinavpath, cosavpath;
    float sinphi_path, cosphi_path;   // roll that orients lift along the flight path
    float CDIgrndeffect[28], CL_grndeffect[28];
    float m_fixed, m_total;        // payload and all-up mass, kg
    int   wired;                   // caught by an arresting wire
    float trap_accel;              // deceleration the wire applies, m/s^2
    float v_el[28][8], deldir[28][8], downwash[28][8];   // local flow of the elements
    float Dtq[4], thrust[4], power[4];   // propeller drag torque (N m), thrust (N), power (W)
    int   revving_thrust[4];
    float parteqlbmthrust[4];      // jet spool state 0..1
    float DVinc[4], ringDVinc[4][8];     // propwash increment far behind the disc, m/s
    float propomegadot;            // smoothed propeller acceleration shared by the engines
    float gearf[3];                // normal force on the nose and main wheels, N
    int   gear_touch[9];           // contact points touching in the previous step
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
    // generated weather of the region: 210 intervals a degree, [east][north], values 0..1
    float wxr[631][421];
    // ---- gusts, shear, storms and lightning (periodic events)
    float wind_X, wind_Y, wind_Z;  // wind at the aircraft, m/s in the region frame
    float level;                   // storm level at the aircraft
    int   inshear;                 // 1 while a wind shear blows
    float g;                       // local gravity, m/s^2
    float baseAGL;                 // cloud base above the start airport, m
    float lightXYZ[4][20][3];      // lightning bolt: four branches of 20 points, m
    float strike_stop_time;        // elapsed time at which the flash ends, s
    int   therm_on_poly[178][159]; // thermal over terrain cell
    // ---- read by the instrument panel
    float T, a, crtsig;            // temperature (K), speed of sound (m/s), density ratio
    // ---- scene
    float vis_eff;                 // visibility the scene draws with, m
    float rho;                     // air density at the aircraft, kg/m^3
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
    // scenery region: mesh height range and the generated airports of the region list
    float min_h, max_h;            // lowest and highest mesh height, m
    int   rwaymax[90];             // last runway (0..2) of region airport a with a length
    int   rwy_typ[90][3];          // surface code: 75 grass, 76 dirt, 77 gravel, else paved
    int   tway[90][3];             // 1: the runway has a parallel taxiway
    int   lgt_gls[90][3][2];       // glide-slope indicator per end: 1 none, 2 two-bar, 3 four-light
    int   lgt_rwy[90][3][2];       // runway light set per end (code_to_lgts)
    int   lgt_app[90][3][2];       // approach light set per end (code_to_lgts)
    // ---- local environment read by the periodic events
    int   mvar;                    // magnetic variation, whole degrees (westerly positive)
    float localh_cg;               // ground height under the centre of gravity, m
    // ---- surface under the aircraft and ship motion (scene drawing)
    int   surf_type;               // 78 open ground; 73 carrier deck; runway surface codes
    float carr_the, carr_phi, frig_the, frig_phi;              // ship pitch and roll, degrees
    float carr_the_dot, carr_phi_dot, frig_the_dot, frig_phi_dot;
};

// ---- scene and eye
struct scenerystruct {
    float rb_cycle;                // rotating-beacon phase, 0..2 pi
    float zoom;
    // generated airports of the region list [a][r]: outline, pavement quads, windsocks
    float rwayxyz[90][3][4][3];    // runway corners: left/right of the first end, then the far end
    float markxyz[90][3][6][4][3]; // pavement layers 0..5, four corners each
    float sockxyz[90][3][2][3];    // windsock per runway end
    int   sockinit[90][3][2];      // 1: that windsock stands
    int   fire_on[10];             // forest fires of the region
    float firexyz[10][3];
    int   abovetops;               // eye above the cloud tops
    // ---- eye and drawing bounds (scene update)
    float the, psi, phi;           // eye attitude, degrees
    float dist;                    // chase and free-view distance, m
    int   i1_plot_bound_ter, j1_plot_bound_ter, i2_plot_bound_ter, j2_plot_bound_ter;
    int   i1_plot_bound_cld, j1_plot_bound_cld, i2_plot_bound_cld, j2_plot_bound_cld;
    int   rway_lites_on, city_lites_on;
    int   belowbases;              // eye at or below the cloud base
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
    // ---- needles (periodic events) and the heading bug
    float hdsel;                   // heading bug, degrees true
    float hdef[2], vdef[2];        // course and glide-slope deflections, dots
    int   ntf[2];                  // to/from flag: 0 none, 1 to, 2 from
    int   gps_scroll_mode;         // GPS edit mark: 0 name, 1..4 identifier character
};

// ---- instruments
struct inststruct {
    float baro;                    // altimeter setting, inHg
    int   HUD_on, HOOP_on;
    int   map_mode, arg_mode;
    float map_range, arg_range, rad_range;
    float hud_brt;
    int   lock_GPS;                // GPS lock button pressed, cleared when locked
    float r_rat, g_rat, b_rat;     // panel-lighting multipliers of the panel colours
    // ---- lever and light state read by the periodic events
    int   heat;                    // carburettor-heat lever, panel pixels (above 28: off)
    int   antiice_on;
    float reply_time1, reply_time2;  // transponder reply light, s
    int   ecam_mode;               // engine-display page (7: failures)
    // ---- panel layout of the loaded aircraft
    int   v_tape_col[5][90];       // vertical digit drum
    int   h_tape_col0[200][12];    // two-digit horizontal tape
    int   h_tape_col1[360][12], h_tape_col2[360][12];  // heading tapes, increasing and decreasing
    int   nav_pic[4][10][10];      // navaid icons: 1 VOR, 2 NDB, 3 airport
    float indtoASI, msctoVVI, tactoINS, n1_toINS, mprtoINS, trqtoINS, ff_toINS;
    int   avail[11];
    int   x_loc[11], y_loc[11];    // instrument centres, window pixels
    // ---- panel state
    int   flap, sbrk, swee, vect, collect;   // lever positions, panel pixels
    int   thro[4], prop[4], mixt[4];
    int   chute_on, jato_on, hook_down;
    int   EFIS_wxr, EFIS_tcas;
    float radalt_ft;               // radar-altimeter decision height, ft
    int   adf_card;
    float the180, phi180, psimag;  // what the gyro instruments show, degrees
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
    int   HDSLCT;                  // heading select: fly nav.hdsel
    int   NAV[2];                  // track the course of radio 1 or 2
    int   ALHOLD, VVHOLD, GS2;     // altitude, vertical speed, glide slope on radio 2
    int   ASHOLD;                  // airspeed hold (auto-throttle)
    float al_hold;                 // target altitude, m
    float vv_hold;                 // target vertical speed, m/s, positive up
    float as_hold;                 // target indicated airspeed, knots
};

// ---- user settings
struct settingstruct {
    int   replay_mode;             // 0 off, 1 rewind fast, 2 held, 3 play, 4 forward fast
    int   Bdsk[60], Brlt[60], Bgrf[60];
    int   rltsel[10], grfsel[4];   // the first groups chosen for the screen and the graph, -1 none
    int   rltout;                  // data to the screen
    int   serout;
    float damp;
    float joy_rat_ptch, joy_rat_hdng, joy_rat_roll;
    int   eq_ped, eq_avi, eq_thr, eq_col;
    float NZptch, NZroll;
    int   joy_response[22];
    float cus_X, cus_Z, cus_psi, cus_Y, cus_v;   // custom start
    int   view_type;
    int   view_is_fullscreen;      // the 3-D view fills the screen (no panel)
    // ---- control positions (control input and autopilot)
    float MK_ptch, MK_roll, MK_hdng;     // keyboard/mouse offsets, -1..1
    float YK_ptch, YK_roll, YK_hdng, YK_thro;   // yoke after rate limiting
    float FC_ptch, FC_roll, FC_hdng, FC_thro;   // final control positions
    int   thro_pot;                // a hardware throttle axis has been seen
    int   controls_type;           // -1 no joystick, 15 joystick 1, 16 joystick 2
    float parkbrake;               // 0..1
    int   gear_handle;             // 1 down
    float gear_time[3];            // elapsed time at which each leg arrives, s
    int   dskout;                  // data to disk
    // ---- panel controls
    int   ah_bar_adjust;           // attitude-indicator bar, pixels
    int   grfout;                  // graph output on
    int   cycout, cycoutwaiting;   // one-cycle dump: writing now / requested
    int   eq_toebrakes;            // toe brakes fitted
    float toe_brake[2];            // left, right, 0..1
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
    int   sound_avail, speech_avail, sound_on;
    int   warn_frame, warn_overspeed, warn_flaps, warn_bb;
    int   logtime;
    int   show_path;
    float est_Vs;
    int   map_type;                // chart of the map window: 402..404, 998 an approach chart
    int   plate_index;             // airport of the approach chart
    // ---- periodic events and controls
    int   mouse_is_joy;            // the mouse flies the aircraft
    float frame_ice;               // airframe ice
    float carb_ice[4];             // carburettor ice per engine, 0..1
    // ---- outside views (scene update)
    float runwayview_X, runwayview_Y, runwayview_Z;
    float spotview_X, spotview_Y, spotview_Z;
    float freeviewXZ, freeviewY;   // free-view azimuth 0..2 pi and elevation -pi/2..pi/2, rad
    // ---- keyboard
    char  key_pressed;             // the last character handled
    // ---- the design tool's view of the aircraft and its design state
    float zoom;                    // view scale, 1 shows the whole aircraft
    float the, psi, phi;           // view pitch, heading and roll, degrees
    float xos, yos;                // view offsets, in the aircraft's stored length units
    int   rotate_code;             // the turning view: 0 still, 1 quick, 2 long
    int   bluesky;                 // 1: sky background, 0 plain black
    int   planemod;                // the design has changes not yet saved
    int   planenamed;              // the design has a file name of its own (Save needs no picker)
};

// ---- reliability: 1 working, 0 failed
struct relstruct {
    float total_fail_entry;
    float ins_fail_rat, eq1_fail_rat, eq2_fail_rat;
    int   fail_type[32];
    float fail_time_max[32];       // mean hours between failures, per failure
    int   radios;                  // navigation radios working
    // ---- serviceability of every failure item (1 working, 0 failed)
    int   vacuum, ss_asi, ss_ahz, ss_alt, ss_tsi, ss_dgy, ss_vvi, efis_1, efis_2;
    int   engine[4];
    int   fc_ail, fc_elv, fc_rud, fc_flp, fc_slt, fc_thr;
    int   lagear[3];
    int   esystem, hydsys;
    int   thrgov[4];
    int   stbaug, symflp, sttrim;
    int   revlok[4];
    int   antice;
    int   oilpmp[4];
    int   clights, otto, trotor;
    float vac_death_time;          // elapsed time of the vacuum failure, s
    float the_fail_err, phi_fail_err;   // gyro errors after it, degrees
    float hyd_fail_time, oil_fail_time; // elapsed time of those failures, s
    float hyd_rat, oil_rat;        // hydraulic and oil pressure ratios, 0..1
    int   RAT_on;                  // ram-air turbine deployed
};

// ---- ATC and flight plan
struct atcstruct {
    int voice_out, text_out;
    int plan_index;                // arrival airport of the filed plan
    int ils_vec_in_progress;
    char said[160];                // the controller's last words
};

struct flightplanstruct {
    int   IFR, VFR, DVFR;
    float cruise_alt;
    int   mr, mrs;
    char  dep_id_str[5], arr_id_str[5];   // departure and arrival identifiers, four characters
    int   onfile, activated;
};

// ---- window layer state

// Window codes of mnw.topwin: 0 the cockpit, the settings and map windows, the design tool's
// windows (numbered as the menu commands that open them; the menu bar stays live above them),
// the two alert sizes (no update runs under them) and the file dialog (its own update runs
// instead).
enum {
    WIN_COCKPIT = 0, WIN_SETTINGS_FIRST = 1, WIN_SETTINGS_LAST = 25,
    WIN_DESIGN_FIRST = 200, WIN_DESIGN_LAST = 399,
    WIN_ALERT = 996, WIN_ALERT_SMALL = 997, WIN_OPEN = 998, WIN_SAVE = 999
};
// Menus 0..MENU_COUNT-1; menu m holds the item codes 100 m .. 100 m + MENU_ITEMS - 1.
constexpr int MENU_COUNT = 330;
constexpr int MENU_ITEMS = 100;
constexpr int MENU_TEXT = 41;      // a menu or item name and its terminator

struct menuwindowstruct {
    int  topwin;                   // window that owns the screen
    int  menu_up;                  // open pull-down menu, -1 for none
    int  x, y, dx, dy;             // current window
    int  mx, my;                   // mouse, relative to x, y, y up
    int  mouse_clicked, mouse_lifted, now_dragging, delay_dragging;
    char menu_name[MENU_COUNT][MENU_TEXT];
    char item_name[MENU_COUNT][MENU_ITEMS][MENU_TEXT];
    int  menu_prnt[MENU_COUNT];
    int  menux1[MENU_COUNT], menux2[MENU_COUNT], menuy1[MENU_COUNT], menuy2[MENU_COUNT];   // title boxes
    int  itemx1[MENU_COUNT][MENU_ITEMS], itemx2[MENU_COUNT][MENU_ITEMS],                   // item boxes
         itemy1[MENU_COUNT][MENU_ITEMS], itemy2[MENU_COUNT][MENU_ITEMS];
    // ---- drawing options
    int  draw_wire;                // aircraft drawn as wire frame
    char chart_title[80];          // title of the approach-chart window
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
