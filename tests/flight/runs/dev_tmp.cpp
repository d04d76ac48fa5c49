#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>
#include <unistd.h>
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "app/app_flight.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
using namespace orv; using namespace orv_test;
static void tr(){ std::printf("t %6.1f Y %7.0f ias %5.1f the %5.1f phi %5.1f psi %5.1f vs %6.0f a %5.1f b %5.1f Q %5.1f MKp %5.2f FCp %5.2f thr %4.2f pow %6.1f rpm %5.0f gnd %d T %5.0f T1 %5.0f tas %5.1f pp %5.1f\n",
  sim_time(), flt.Y*con.mtrstoft, flt.vind, flt.the, flt.phi, flt.psi, flt.vY*con.msctofpm, flt.Alpha, flt.Beta, flt.Q, set.MK_ptch, set.FC_ptch, flt.thro[0], flt.power[0]/con.hptowat, flt.tac[0]*con.rsctorpm, flt.onground, flt.thrust[0]/con.lbstonew, flt.thrust[1]/con.lbstonew, flt.av*con.msctokts, flt.proppitch[0]);}
static float vy;
TEST(Dev, Climb){
  const char* id = getenv("ID") ? getenv("ID") : "trainer";
  vy = getenv("VY") ? atof(getenv("VY")) : 74;
  ASSERT_EQ(sim_start(id), 1);
  sim_air_start(getenv("ALT")?atof(getenv("ALT")):1000, vy*1.05f, 270); if(getenv("THR")) { sim_power(atof(getenv("THR"))); }
  sim_set_weight_lb(reference_figure(id,"max_weight"));
  if(!getenv("THR")) sim_power(1);
  for (int s=0;s<90;s++){ sim_fly(1.0f, []{ pilot_hold_speed(vy);} ); if (s%3==0) tr(); }
  set.cycoutwaiting = 1; sim_frame(); char b[512]; std::printf("cwd %s\n", getcwd(b, sizeof b)); std::system("cp Vantorel.out /tmp/dev/dump.txt");
}
TEST(Dev, Stall){
  const char* id = getenv("ID") ? getenv("ID") : "trainer";
  const double published = reference_figure(id, getenv("FIG") ? getenv("FIG") : "stall_clean");
  ASSERT_EQ(sim_start(id), 1);
  sim_air_start(5000.0f, (float)published * 1.5f, flt.psi);
  sim_set_weight_lb(reference_figure(id,"max_weight"));
  if (getenv("FIG")) { setgear(1); flt.flap = flt.flaprequest = 50; }
  sim_power(0.0f);
  sim_fly(10.0f, [] { pilot_hold_height(5000); });
  pilot_set_alpha_limit(90.0f);
  float target = flt.vind;
  for (int i = 0; i < 1600; i++) { target -= msc.prd; pilot_hold_speed(target); sim_frame(); if (i%20==0) { tr(); std::printf("   cas %.1f av %.1f kt mach %.4f cosal %.3f rho %.3f T %.1f Y %.0f\n", calibrated_airspeed_kt(), flt.av*con.msctokts, flt.machno, flt.cosalph, atm.rho, atm.T, flt.Y); }
    if (i == (getenv("DUMPI") ? atoi(getenv("DUMPI")) : 99999)) { set.cycoutwaiting = 1; sim_frame(); std::system("cp Vantorel.out /tmp/dev/dump.txt"); std::printf("mass %.0f kg\n", flt.m_total);} }
}
TEST(Dev, Static){
  const char* id = getenv("ID") ? getenv("ID") : "trainer";
  ASSERT_EQ(sim_start(id), 1);
  set.parkbrake = 1; sim_power(1);
  for (int s=0;s<25;s++){ sim_fly(1.0f, nullptr); if (s==20) { set.cycoutwaiting = 1; sim_frame(); std::system("cp Vantorel.out /tmp/dev/dump.txt"); } if (s%5==4) { tr(); std::printf("   pitch %.1f min %.1f max %.1f rpm %.0f mpr %.1f P %.0f hp thrust %.0f\n", flt.proppitch[0], pln.minpitch[0], pln.maxpitch[0], flt.tac[0]*con.rsctorpm, flt.mpr[0], flt.power[0]/con.hptowat, flt.thrust[0]/con.lbstonew);} }
}
#include "world/terrain_grid.h"
TEST(Dev, Water){
  ASSERT_EQ(sim_start("floatplane"), 1);
  int bi = -1, bj = -1; double best = 1e30;
  for (int i = 1; i < TER_I - 1; i++) for (int j = 1; j < TER_J - 1; j++) { bool open = true;
    for (int di = -1; di <= 1; di++) for (int dj = -1; dj <= 1; dj++) open = open && on_water[i + di][j + dj];
    const double d = std::hypot(planexyz[i][j][0] - flt.X, planexyz[i][j][2] - flt.Z); if (open && d < best) { best = d; bi = i; bj = j; } }
  set.cus_X = planexyz[bi][bj][0]; set.cus_Z = planexyz[bi][bj][2]; set.cus_Y = planexyz[bi][bj][1] + 3.0f; set.cus_psi = flt.psi; set.cus_v = 0.0f;
  set_fltvars(9); sim_power(0.0f); sim_fly(30.0f, nullptr);
  float water = planexyz[bi][bj][1];
  sim_power(1.0f);
  float pt = getenv("PT") ? atof(getenv("PT")) : 4.0f;
  if (getenv("FLAP")) flt.flap = flt.flaprequest = atoi(getenv("FLAP"));
  for (int i = 0; i < 1800; i++) { pilot_hold_pitch(flt.vind > 60.0f ? 8.0f : pt); sim_frame(); if (i == 1200) { set.cycoutwaiting = 1; sim_frame(); std::system("cp Vantorel.out /tmp/dev/dump.txt"); } if (i%40==0) { tr(); std::printf("   h %.2f ax %.0f nrml %.0f gear ax %.0f\n", flt.Y - water, flt.faxilprop, flt.fnrmlgear, flt.faxilgear);} }
}
static double hx, hz; static float hh, hpsi, coll = 0.5f, ci = 0;
static void hover() {
  const float prd = msc.prd;
  const float agl = (float)flt.Y - env.localh_cg;
  // collective on height
  const float vs = flt.vY;
  const float herr = hh - agl;
  ci += herr * prd;
  coll = fltlim(coll + (0.02f * herr - 0.05f * vs) * prd * 5, 0, 1);
  flt.proppitch[0] = interp(0, pln.minpitch[0], 1, pln.maxpitch[0], coll);
  const float s = std::sin(flt.psi * 0.0174533f), c = std::cos(flt.psi * 0.0174533f);
  const double dx = hx - flt.X, dz = hz - flt.Z;
  const float ef = dx * s - dz * c, er = dx * c + dz * s;
  const float vf = flt.vX * s - flt.vZ * c, vr = flt.vX * c + flt.vZ * s;
  const float kp = getenv("KP") ? atof(getenv("KP")) : 0.5f, kd = getenv("KD") ? atof(getenv("KD")) : 1.0f;
  const float want_pitch = fltlim(-(kp * ef - kd * vf), -10, 10);
  const float want_roll = fltlim(kp * er - kd * vr, -10, 10);
  const float ka = getenv("KA") ? atof(getenv("KA")) : 0.05f, kq = getenv("KQ") ? atof(getenv("KQ")) : 0.02f;
  auto lin = [](float c) { c = fltlim(c, -1, 1); return fltsgn(c) * std::pow(std::fabs(c), 2.0f / 3.0f); };
  set.MK_ptch = lin(ka * (want_pitch - flt.the) - kq * flt.Q);
  set.MK_roll = lin(ka * (want_roll - flt.phi) - kq * flt.P);
  const float kh = getenv("KH") ? atof(getenv("KH")) : 0.05f;
  set.MK_hdng = lin(kh * fltwrap(hpsi - flt.psi, -180, 180) - 0.5f * kh * flt.R);
}
TEST(Dev, Hover){
  ASSERT_EQ(sim_start("helicopter"), 1);
  sim_set_weight_lb(getenv("W") ? atof(getenv("W")) : 1370);
  hx = flt.X; hz = flt.Z; hh = getenv("HH") ? atof(getenv("HH")) : 1.5f; hpsi = flt.psi; coll = 0.3f;
  std::printf("minp %.1f maxp %.1f omega %.0f\n", pln.minpitch[0], pln.maxpitch[0], flt.tac[0]*con.rsctorpm);
  if (getenv("AIR")) {
    set.cus_X = flt.X; set.cus_Z = flt.Z; set.cus_Y = env.localh_cg + hh + 0.8f; set.cus_psi = flt.psi; set.cus_v = 0; set_fltvars(9);
    flt.tac[0] = pln.omegamax; flt.tac[1] = flt.tac[0] * pln.trotor_rat; flt.throrequest[0] = flt.thro[0] = 0.7f; coll = 0.6f; hx = flt.X; hz = flt.Z;
  } else
  for (int i = 0; i < 2000 && flt.tac[0] < 0.97f * pln.omegamax; i++) { flt.proppitch[0] = pln.minpitch[0]; sim_frame(); }
  std::printf("spun up at %.1f s rpm %.0f\n", sim_time(), flt.tac[0]*con.rsctorpm); if (!getenv("AIR")) coll = 0.3f;
  for (int i = 0; i < 1200; i++) { hover(); sim_frame(); if (i % (getenv("EVERY") ? atoi(getenv("EVERY")) : 40) == 0) std::printf("h t %5.1f the %6.1f phi %6.1f psi %6.1f P %6.1f Q %6.1f R %6.1f MKp %5.2f MKr %5.2f MKh %5.2f coll %.2f agl %.2f dist %.2f vf %.2f rrpm %.0f pow %.0f gnd %d\n", sim_time(), flt.the, flt.phi, flt.psi, flt.P, flt.Q, flt.R, set.MK_ptch, set.MK_roll, set.MK_hdng, coll, flt.Y - env.localh_cg, std::hypot(flt.X-hx, flt.Z-hz), flt.vX, flt.tac[0]*con.rsctorpm, flt.power[0]/con.hptowat, flt.onground); }
}
TEST(Dev, Takeoff){
  const char* id = getenv("ID") ? getenv("ID") : "trainer";
  ASSERT_EQ(sim_start(id), 1);
  flt.flaprequest = getenv("FLAP") ? atoi(getenv("FLAP")) : 17; if (getenv("W")) sim_set_weight_lb(atof(getenv("W"))); set.parkbrake = 1; sim_power(1);
  sim_fly(5.0f, nullptr);
  set.parkbrake = 0;
  const float hdg = flt.psi; const double x0 = flt.X, z0 = flt.Z;
  const float vr = getenv("VR") ? atof(getenv("VR")) : 55;
  for (int s=0;s<1200;s++){ pilot_hold_pitch(flt.vind > vr ? 8.0f : flt.the); if (flt.vind <= vr) set.MK_ptch = 0;
   set.MK_hdng += 0.05f * fltwrap(hdg - flt.psi, -180, 180); sim_frame();
   if (getenv("MAXP")) set.MK_ptch = fminf(set.MK_ptch, atof(getenv("MAXP")));
   if (getenv("DUMPV") && flt.vind > atof(getenv("DUMPV")) && !getenv("DONE")) { setenv("DONE","1",1); set.cycoutwaiting = 1; sim_frame(); std::system("cp Vantorel.out /tmp/dev/dump.txt"); }
   if (s%20==0) std::printf("to t %5.1f ias %5.1f the %5.1f a %5.1f MKp %5.2f FCp %5.2f gnd %d dist %.0f ft T %.0f\n", sim_time(), flt.vind, flt.the, flt.Alpha, set.MK_ptch, set.FC_ptch, flt.onground, std::hypot(flt.X-x0, flt.Z-z0)*3.28, (flt.thrust[0]+flt.thrust[1])/4.448); }
}
