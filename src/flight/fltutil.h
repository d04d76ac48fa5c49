// fltutil.h -- airfoil coefficients and element forces of the lifting parts (wings, tails,
// pylons, propeller blades), control-surface increments, and the ground and water contact
// of single points. The force build-up calls these once per element or point per step.
#pragma once

namespace orv {

// Control-surface kinds of set_con_eff (others behave as a plain flap).
constexpr int CON_PLAIN = 12;
constexpr int CON_SPOILER = 13;
constexpr int CON_SPEEDBRAKE = 14;
constexpr int CON_DRAGRUDDER = 15;

// Index into the angle tables of an angle a >= 0 (degrees): 0.1-degree steps to 20
// degrees, 1-degree steps to 90, limited to 269.99.
float afl_index(float a);

// Coefficients of one airfoil (part EN, root/tip RT, Reynolds slot Re) at angle `alpha`
// (degrees) for element el; sets flt.stalled[EN].
void anyfoil(float alpha, float* cl, float* cd, float* cm, int EN, int RT, int Re, int el);
// Final coefficients of element el of part en at its flt.alpha, with the control
// increments modcl/modcd/modcm added.
void Fco_subsonic(float modcl, float modcd, float modcm, float* cl, float* cd, float* cm, int en, int el);
void Fco_supersonic(float modcl, float modcd, float modcm, float* cl, float* cd, float* cm, int en, int el);
// Adds one flat panel's share (weight foil_rat) to cl and cd.
void supersonic_flatplate(float alpha, float* cl, float* cd, float machno, float foil_rat);
// Lift (N, across the flight path), drag (N, along it) and pitching moment (N m) of
// element el of part en. Answers the element's lift coefficient in local-flow axes.
float F_el_force(float modcl, float modcd, float modcm, float* lift, float* drag, float* momt, int en, int el);
// Coefficient changes of a control surface of chord ratio rat deflected def degrees
// (trailing edge up positive) on part en; str names it in the dump.
void set_con_eff(int en, int con_type, float rat, float def, float* cl, float* cd, float* cm, const char* str);
// Running totals into the one-cycle dump.
void aeroforcerep();
void propforcerep();

// Contact point w (0 nose/tail wheel, 1 and 2 the mains, 3..6 skid ends, 7 body points,
// 8 wing tips) at the arms X, Y, Z from the centre of gravity. Answers 1 when it carries load.
int handle_contact_point(int w, float Xarm, float Yarm, float Zarm);
// Undulation (m) of rough surface type surf (75..78) at ground point (xg, zg); 0 elsewhere.
float surface_roughness(int surf, float xg, float zg);
// Hull point (part en, station s, ring r) at arms x, y, z over water of height water_h.
// Answers 1 when the point is in the water.
int handle_float_point(int en, int s, int r, float x, float y, float z, float water_h);

}  // namespace orv
