// funct.h -- flight support: the force and moment accumulators every force source feeds,
// the gear spring-damper, induced angle of attack, the tail downwash chart, the random
// wind layers, failure draws, fuel flow, gauge scales, the phonetic alphabet, the
// latitude/longitude <-> region X/Z conversions, GPS course and distance, and radio tuning.
//
// Free functions on the global records; none allocates, and every table index is bounded.
#pragma once

namespace orv {

// ---- force and moment accumulators (body axes; lever arms in metres from the centre of
// gravity, X right, Y up, Z aft). Each adds its force to its sum and its moments to
// flt.L, flt.M, flt.N.
void addFaprop(float faxil, float X, float Y);
void addFsprop(float fside, float Y, float Z);
void addFnprop(float fnrml, float X, float Z);
void addFagear(float faxil, float X, float Y);
void addFsgear(float fside, float Y, float Z);
void addFngear(float fnrml, float X, float Z);
// Aerodynamic force given in flight-path axes: summed unchanged into flt.f*aero, and
// rotated to body axes (through sideslip, then angle of attack) for the moments.
void addFaero(float faxil_path, float fside_path, float fnrml_path, float X, float Y, float Z);

// Spring-damper contact force: 0 for negative penetration p; never pulls; limited to
// 5 times the maximum weight.
float dampedforce(float p, float v, float k, float gamma);
// Induced angle of attack (degrees) of surface EN (0..27) at modified lift coefficient clmod.
float induce_alpha(float clmod, int EN);
// 0..1 pulse with a period of pi seconds, for flashing lights.
float pulse(float offset);
// Area of the triangle p1 p2 p3.
float findarea(float x1, float y1, float z1, float x2, float y2, float z2,
               float x3, float y3, float z3);
// Interpolation in a 3 by 3 chart, zij at (xi, yj); x ascending, y descending; extrapolates.
float interp9(float x1, float x2, float x3, float y1, float y2, float y3,
              float z11, float z21, float z31, float z12, float z22, float z32,
              float z13, float z23, float z33, float xval, float yval);
// Tail downwash per unit wing lift coefficient: tail height above and distance behind the
// wing in wing semispans, wing aspect ratio and taper ratio.
float findspecwash(float hDs, float xDs, float AR, float TR);
// One step of at most deltamax from nowval towards termval on the circular scale lo..hi.
float closer_linear(float nowval, float termval, float deltamax, float lo, float hi);

// Wind layer (0..8) of height h in metres.
int  wind_index(float h);
// Move the nine wind layers towards fresh random values; newpart (0..1) is the new share.
void assign_wind_tbl(float newpart);
// 1 if failure w (0..31) happens on this draw (one draw per second).
int  failme(int w);
// Fuel flow (kg/s) at power (W, propeller engines) or thrust (N, jets).
float burnin_fuel(float pow_thr);

// ---- gauge scales
int  gage_me(float data);                    // full-scale value one step above data
void set_mod(int data, int* tickmod, int* numbmod, int* labelrat);
int  tac_max();                              // tachometer full scale, rpm
int  n1__max();
float mpr_max();                             // manifold pressure full scale, inHg
int  trq_max();
int  ff__max();                              // fuel-flow full scale, pounds per hour

// Spoken word for a digit or capital letter ("niner", "x ray"); "" for anything else.
// `out` must hold at least PHONETIC_LEN characters.
constexpr int PHONETIC_LEN = 9;
void get_phonetic(char ch, char* out);

// ---- latitude/longitude (degrees) <-> X east / Z south (metres) of the loaded region
double X_with_latlon(float lat, float lon);
double Z_with_lat(float lat);
float  lat_with_z(double z);
// Exact inverse of X_with_latlon wherever one quadrant alone holds the point (outside the
// region the nearest quadrant is extended), wrapped into -180..180.
float  lon_with_xz(double x, double z);
// True bearing (degrees, 0..360) from the aircraft to frame point (x, z): the frame's north
// is true north only on the reference meridian.
float  true_bearing_to(double x, double z);

// Course (degrees true, 0..360) and distance (m) from the aircraft to nav.gps_lat/gps_lon.
void get_gps_data(float* crs, float* dis);
// 1 if navaid n is on frequency f12, within max_usable_range and nearer than *minrange
// (which is then lowered to this navaid's distance); distances in degrees of lat/lon.
int  check_nav(int n, int f12, float* minrange, float max_usable_range);
// Tune radio w: 0 and 1 the navigation receivers, 4 the ADF, 5 the GPS.
void setnav(int w);

// ---- the GPS waypoint: nav.gps_index in the table of nav.gps_index_mode (GPS_MODE_*),
// nav.gps_id its identifier as character codes (code_to_char)
constexpr int GPS_MODE_APT = 1, GPS_MODE_VOR = 2, GPS_MODE_NDB = 3;
// 1 if the panel carries a GPS: every supplementary instrument but the second VOR and the
// RMI leaves it room, and it then drives navigation receiver 0's needle.
int  plane_has_gps();
// 1 if idx is an entry of the mode's table (an airport, a VOR, an NDB).
int  gps_is_entry(int mode, int idx);
// nav.gps_id from the waypoint's own identifier.
void gps_sync_id();
// Makes the entry whose identifier is nav.gps_id the waypoint, preferring one inside the
// loaded region; 0 (waypoint unchanged) when no entry of the mode carries it.
int  gps_find_id();
// Steps the waypoint to the next (dir > 0) or previous entry of the mode's table inside the
// loaded region (anywhere when none is), wrapping round the table; syncs the identifier.
void gps_step(int dir);
// Switches the table, keeping each table's own waypoint (gps_apt/vor/ndb_index).
void gps_select_mode(int mode);
// Flight set-up: a waypoint that is no entry of its table, or lies outside the loaded
// region, becomes the nearest entry of its table to the aircraft; syncs the identifier and
// tunes the GPS (taking a pending lock).
void gps_home();

}  // namespace orv
