#include "flight/flt_init.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/autopilot.h"
#include "flight/failures.h"
#include "flight/flt_hooks.h"
#include "flight/fltcalc.h"
#include "flight/funct.h"
#include "flight/integ.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"
#include "world/scene_tables.h"
#include "world/terrain_grid.h"

namespace orv {

namespace {

constexpr float kDeg = 3.14159265358979f / 180.0f;
constexpr float FAR = 9.9e9f;
constexpr float ENGINE_REST_BELOW = 0.1f;      // initpower below this leaves the engines at rest
constexpr int   VIEW_FORWARD = 500;

// The region loader sets the region's extent; without it no scenery is loaded.
bool any_terrain() { return env.dz > 0.0f; }

// Placing behind a point at distance d on heading h (north is -Z, east is +X).
void place_behind(double x, double z, float h, float d)
{
    flt.X = x - std::sin(h * kDeg) * d;
    flt.Z = z + std::cos(h * kDeg) * d;
}

void alert(const char* a, const char* b, const char* c)
{
    MACIBM_alert(a, b, c, "", ALERT_NOTE);
}

// Nearest cell centre (mean of corners (i, j) and (i+1, j+1)) flagged in `flags`.
bool nearest_cell(int (*flags)[TER_J], float* x, float* y, float* z)
{
    float best = FAR;
    bool found = false;
    for (int i = 0; i < TER_I - 1; i++)
        for (int j = 0; j < TER_J - 1; j++) {
            if (!flags[i][j]) continue;
            const float cx = 0.5f * (planexyz[i][j][0] + planexyz[i + 1][j + 1][0]);
            const float cy = 0.5f * (planexyz[i][j][1] + planexyz[i + 1][j + 1][1]);
            const float cz = 0.5f * (planexyz[i][j][2] + planexyz[i + 1][j + 1][2]);
            const float d = pythag(cx - (float)flt.X, cz - (float)flt.Z);
            if (d < best) {
                best = d;
                *x = cx;
                *y = cy;
                *z = cz;
                found = true;
            }
        }
    return found;
}

void runway_start()
{
    if (msc.typestart == 7 && pln.gear_type == 1) msc.typestart = 8;
    const int a = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    const bool recip = msc.rway_sel % 2 != 0;
    int r = intlim(msc.rway_sel / 2, 0, APT_RWYS - 1);
    if (apt_len[a][r] < 1) r = 0;
    const float h = (float)apt_hdng[a][r];
    const float d = (apt_len[a][r] - 20) * 0.5f;
    const float ox = recip ? std::sin(h * kDeg) * d : -std::sin(h * kDeg) * d;
    const float oz = recip ? -std::cos(h * kDeg) * d : std::cos(h * kDeg) * d;
    const float lat = apt_lat[a][r], lon = apt_lon[a][r];
    flt.X = X_with_latlon(lat, lon) + ox;
    flt.Z = Z_with_lat(lat) + oz;
    flt.Y = apt_h[a];
    flt.psi = fltwrap(h + (recip ? 180.0f : 0.0f), 0.0f, 360.0f);
    msc.runwayview_X = (float)flt.X + 2;
    msc.runwayview_Y = (float)flt.Y + 2;
    msc.runwayview_Z = (float)flt.Z + 2;
    if (msc.typestart == 7) {
        flt.Y += pln.h_eqlbm;
        flt.the = pln.the_eqlbm;
        flt.v = 0.1f;
        initpower(0.02f);
        setgear(1);
    } else {
        const float dist = (msc.typestart == 9 ? 9.0f : 1.5f) * con.nmtomtrs;
        place_behind(flt.X, flt.Z, flt.psi, dist);
        flt.Y += std::sin(3.0f * kDeg) * dist;
        flt.the = 0;
        flt.v = 1.2f * msc.est_Vs;
        initpower(0.5f);
        setgear(0);
    }
}

bool strip_start(int type_start)
{
    const int want = type_start - 8;   // 11 grass 3, 12 dirt 4, 13 gravel 5
    float best = FAR;
    int ba = -1, br = 0;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++)
        for (int r = 0; r < APT_RWYS; r++) {
            if (apt_len[a][r] <= 0 || apt_lite[a][r] / 1000000 != want) continue;
            const float d = pythag(apt_lat[a][r] - flt.lat, apt_lon[a][r] - flt.lon);
            if (d < best) { best = d; ba = a; br = r; }
        }
    if (ba < 0) return false;
    msc.loc_apt_wrl = ba;
    msc.rway_sel = br;
    env.lat_sou = round(apt_lat[ba][br] - 1.0f);
    env.lon_wes = round(apt_lon[ba][br] - 1.5f);
    load_region();
    if (!any_terrain()) set_flat_region_frame(apt_h[ba]);
    msc.rway_sel *= 2;
    msc.typestart = 8;
    return true;
}

void common_reset()
{
    set_latlon_from_xz();   // the start put the aircraft by X and Z; the frame has not run yet
    env.localh_cg = find_local_h((float)flt.X, (float)flt.Z, &env.i_viewpoint, &env.j_viewpoint, 0);
    if (env.localh_cg + pln.h_eqlbm > flt.Y) flt.Y = env.localh_cg + pln.h_eqlbm;
    scn.zoom = 1;
    set.view_type = VIEW_FORWARD;
    set.view_is_fullscreen = 0;
    flt.over_vfe = flt.over_vne = 0;
    flt.vind = 0;
    const int ps = round(flt.psi);
    flt.vX = isin(ps) * flt.v;
    flt.vZ = -icos(ps) * flt.v;
    flt.vY = 0;
    flt.phi = 0;
    msc.cntr = msc.cntr10 = 0;
    flt.wired = 0;
    ins.chute_on = 0;
    env.over_carr = env.over_frig = env.over_obs = 0;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0;
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0;
    flt.L = flt.M = flt.N = 0;
    flt.P = flt.Q = flt.R = flt.Prad = flt.Qrad = flt.Rrad = 0;
    flt.Pdot = flt.Qdot = flt.Rdot = 0;
    flt.Alpha = flt.Beta = flt.vpath = flt.av = flt.vaxial = flt.Qstatic = flt.Qratio = 0;
    flt.hpath = flt.psi;
    flt.sinthe = std::sin(flt.the * kDeg);
    flt.costhe = std::cos(flt.the * kDeg);
    flt.sinpsi = std::sin(flt.psi * kDeg);
    flt.cospsi = std::cos(flt.psi * kDeg);
    flt.sinphi = 0;
    flt.cosphi = 1;
    flt.sinalph = flt.sinbeta = 0;
    flt.cosalph = flt.cosbeta = 1;
    flt.sinphi_path = 0;
    flt.cosphi_path = 1;
    flt.ahpath = flt.psi;
    flt.sinahpath = flt.sinpsi;
    flt.cosahpath = flt.cospsi;
    flt.sinavpath = 0;
    flt.cosavpath = 1;
    con.sinPLANthe = flt.sinthe;
    con.cosPLANthe = flt.costhe;
    con.sinPLANpsi = flt.sinpsi;
    con.cosPLANpsi = flt.cospsi;
    con.sinPLANphi = 0;
    con.cosPLANphi = 1;

    flt.slat = 0;
    flt.sbrk = 0;
    flt.swee = flt.sweerequest = pln.autosweepEQ ? 1.0f : 0.0f;
    flt.flap = flt.flaprequest = 0;
    if (pln.vectEQ) {
        flt.vectrequest = 0;
        for (int e = 0; e < NUM_ENGINES; e++) pln.vertcant[e] = 0;
    }
    for (int e = 0; e < NUM_ENGINES; e++) {
        flt.vertcant[e] = pln.vertcant[e];
        flt.sidecant[e] = pln.sidecant[e];
    }
    std::memset(flt.downwash, 0, sizeof flt.downwash);
    std::memset(flt.gear_touch, 0, sizeof flt.gear_touch);
    flt.propomegadot = 0;
    flt.lailndef = flt.railndef = flt.lsplrdef = flt.rsplrdef = flt.lhstbdef = flt.rhstbdef = 0;
    flt.ldruddef = flt.rdruddef = flt.ruddef = 0;

    ins.flap = 127;
    ins.heat = 52;
    ins.sbrk = 113;
    ins.swee = 112;
    ins.vect = 126;
    if (pln.collectEQ) ins.thro[0] = round(interp(pln.maxpitch[0], 4, pln.minpitch[0], 52, flt.proppitch[0]));
    else
        for (int e = 0; e < NUM_ENGINES; e++)
            ins.thro[e] = round(pln.revthrustEQ ? interp(-0.33f, 4, 1, 52, flt.throrequest[e])
                                                : interp(0, 4, 1, 52, flt.throrequest[e]));
    for (int e = 0; e < NUM_ENGINES; e++) ins.prop[e] = ins.mixt[e] = 39;

    flt.elv_trim = flt.ail_trim = flt.rud_trim = 0;
    rel_repair_all();   // every system working, the ram-air turbine stowed, the gyros true

    scn.dist = pln.is_heli ? 4.0f * (pln.body_Z[18][10][0] - pln.body_Z[18][0][0])
                           : 4.0f * fltmax2(pln.semilen[4], pln.semilen[6]);
    if (flt_hooks.joy_effect) flt_hooks.joy_effect(JOY_STOP_ALL, 0, 0, 0);
    con.VIEW_xyz[0] = (float)flt.X;
    con.VIEW_xyz[1] = (float)flt.Y;
    con.VIEW_xyz[2] = (float)flt.Z;
    ins.EFIS_wxr = ins.EFIS_tcas = 1;
    ins.ecam_mode = 3;
    ins.lock_GPS = 1;
    ap_new_flight();
    gps_home();   // a waypoint of another region is no use for the flight ahead
    pat.inited[intlim(pat.cntr_record, 0, PATH_SAMPLES - 1)] = 0;
    flt.jatoleft = pln.jatodur;
    ins.jato_on = ins.hook_down = ins.antiice_on = 0;
    msc.frame_ice = 0;
    for (int e = 0; e < NUM_ENGINES; e++) msc.carb_ice[e] = 0;
    set.ah_bar_adjust = 0;
    msc.init_time = 0;
    if (flt_hooks.restart_sounds) flt_hooks.restart_sounds();

    // Fresh start state the flight model relies on.
    if (atm.g <= 0.0f) atm.g = con.g;
    if (flt.m_fuel <= 0.01f) flt.m_fuel = pln.m_fuel;
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison;
    flt.onground = 0;
    flight_contact_reach_reset();
}

}  // namespace

void set_flat_region_frame(float height)
{
    const float nm60 = 60.0f * con.nmtomtrs;
    env.lox = 0;
    env.loz = 0;
    env.hiz = 2.0f * nm60;
    env.hix = 3.0f * nm60 * std::cos((env.lat_sou + 1.0f) * kDeg);
    env.dx = env.hix - env.lox;
    env.dz = env.hiz - env.loz;
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 2; j++) {
            env.lonwes_ref[i][j] = (float)(env.lon_wes + i);
            env.planex_ref[i][j] = i * nm60 * std::cos((env.lat_sou + 1.0f) * kDeg);
        }
    imaxindex = TER_I - 1;
    jmaxindex = TER_J - 1;
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            planexyz[i][j][0] = env.lox + env.dx * i / (TER_I - 1);
            planexyz[i][j][1] = height;
            planexyz[i][j][2] = env.hiz - env.dz * j / (TER_J - 1);
            on_water[i][j] = 0;
        }
}

void frame_region_on_airport()
{
    const int a = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    const int r = intlim(msc.rway_sel / 2, 0, APT_RWYS - 1);
    const float lat = apt_lat[a][r], lon = apt_lon[a][r];
    const bool inside = lat >= env.lat_sou && lat < env.lat_sou + 2 && lon >= env.lon_wes && lon < env.lon_wes + 3;
    if (inside && any_terrain()) return;
    env.lat_sou = round(lat - 1.0f);
    env.lon_wes = round(lon - 1.5f);
    load_region();
    if (!any_terrain()) set_flat_region_frame(apt_h[a]);
}

void initpower(float pwr)
{
    const int n = intlim(pln.numen, 0, NUM_ENGINES);
    for (int e = 0; e < n; e++) {
        flt.throrequest[e] = flt.thro[e] = pwr;
        flt.prop[e] = pln.omegamax;
        flt.mixt[e] = 1;
        flt.after_burning[e] = 0;
        flt.tac[e] = pln.is_heli ? pln.omegamax : pln.omegamin + (pln.omegamax - pln.omegamin) * std::sqrt(pwr);
        flt.mpr[e] = 10 + (pln.mpmax - 10) * pwr;
        flt.n1_[e] = 40 + 60 * pwr;
        flt.ff_[e] = 0;
        flt.parteqlbmthrust[e] = pwr;
        if (pwr < ENGINE_REST_BELOW) {
            flt.tac[e] = 1;
            flt.n1_[e] = 0;
            flt.parteqlbmthrust[e] = 0;
        }
        flt.proppitch[e] = interp(0, pln.minpitch[e], 1, pln.maxpitch[e], flt.thro[e]);
        flt.thrust[e] = flt.DVinc[e] = flt.trq[e] = 0;
        for (int k = 0; k < MAX_ELS; k++) flt.ringDVinc[e][k] = 10;
        // A new flight starts with its engines switched on; fuel and failures stop them later.
        flt.eng_running[e] = 1;
        flt.mixt_powr_rat[e] = 1;
    }
    if (pln.is_heli) flt.tac[1] = flt.tac[0] * pln.trotor_rat;
}

void setgear(int setting)
{
    set.gear_handle = pln.gear_retract ? setting : 1;
    for (int i = 0; i < 3; i++) pln.gear_stat[i] = set.gear_handle;
    set.parkbrake = setting ? 1.0f : 0.0f;
}

void set_fltvars(int type_start)
{
    for (int i = 0; i < TRAFFIC_CAP; i++) make_a_plane(i, 1);
    if (type_start >= 11 && type_start <= 13) {
        if (!strip_start(type_start)) return;
        type_start = 8;
    }
    if (type_start == 8) runway_start();
    else if (type_start == 9 || type_start == 10) {
        flt.X = set.cus_X;
        flt.Z = set.cus_Z;
        flt.Y = set.cus_Y;
        flt.psi = set.cus_psi;
        flt.v = set.cus_v;
        flt.the = 0;
        const bool flying = type_start == 10 || set.cus_v > msc.est_Vs;
        initpower(flying ? 0.5f : 0.02f);
        setgear(type_start == 10 ? 0 : (set.cus_v < msc.est_Vs ? 1 : 0));
    } else if (type_start == 14) {
        float best = FAR;
        int found = -1;
        for (int i = 0; i < OBJ_CAP; i++) {
            if (obj_type[i] < 94 || obj_type[i] > 96) continue;
            const float d = pythag(obj_xyz[i][0][0][0] - (float)flt.X, obj_xyz[i][0][0][2] - (float)flt.Z);
            if (d < best) { best = d; found = i; }
        }
        if (found < 0) {
            alert("I can't find any buildings with helipads in the area!",
                  "Try going to New York, Chicago, Los Angeles or some other major city.",
                  "There are likely to be building-top helipads there.");
            return;
        }
        const float ox = obj_xyz[found][0][0][0], oz = obj_xyz[found][0][0][2];
        int oi, oj;
        const float top = find_local_h(ox, oz, &oi, &oj, 0) + obj_height[found];
        flt.X = ox;
        flt.Z = oz + con.nmtomtrs;
        flt.Y = top + 0.05f * con.nmtomtrs;
        flt.psi = flt.the = 0;
        flt.v = 1.2f * msc.est_Vs;
        initpower(0.2f);
        setgear(0);
    }
    if (type_start >= 15) flt.cat_stage = 5;
    if (type_start == 15 || type_start == 16 || type_start == 17 || type_start == 20) {
        float x = 0, y = 0, z = 0;
        const bool found = nearest_cell(type_start == 16 ? oilr_on_poly : type_start == 17 ? frig_on_poly : carr_on_poly,
                                        &x, &y, &z);
        if (!found) {
            alert("I can't find any ships in the area!", "", "");
            return;
        }
        if (type_start == 20) {
            flt.X = x - 12.5f;
            flt.Z = z - 54.0f;
            flt.Y = y + pln.h_eqlbm + 21.0f;
            flt.psi = 2;
            flt.the = 0;
            flt.v = 0.01f;
            initpower(0.5f);
            setgear(1);
            flt.cat_stage = 3;
        } else {
            const float D = pln.is_heli ? con.nmtomtrs : 60.0f * msc.est_Vs;
            const int hdg = type_start == 15 ? 352 : 355;
            const float deck = type_start == 15 ? 21.0f : type_start == 16 ? 62.0f : 7.0f;
            place_behind(x, z, (float)hdg, D);
            flt.Y = y + std::sin(3.5f * kDeg) * D + deck;
            flt.psi = (float)hdg;
            flt.the = 0;
            flt.v = 1.2f * msc.est_Vs;
            initpower(0.2f);
            setgear(0);
        }
    } else if (type_start == 19) {
        int fire = 0;
        while (fire < 9 && !scn.fire_on[fire]) fire++;
        const float* f = scn.firexyz[fire];
        const bool inside = scn.fire_on[fire] && f[0] >= planexyz[0][0][0] && f[0] <= planexyz[TER_I - 1][TER_J - 1][0] &&
                            f[2] <= planexyz[0][0][2] && f[2] >= planexyz[TER_I - 1][TER_J - 1][2] && any_terrain();
        if (!inside) {
            alert("I can't find any forest fires in the area!",
                  "Try moving to a mountainous area, where fires are more likely!", "");
            return;
        }
        const float D = (pln.is_heli ? 1.0f : 3.0f) * con.nmtomtrs;
        const float a1 = fltwrap(atm.wnddir[0] + 120.0f, 0, 360), a2 = fltwrap(atm.wnddir[0] + 270.0f, 0, 360);
        flt.X = f[0] + std::sin(a1 * kDeg) * D;
        flt.Z = f[2] - std::cos(a1 * kDeg) * D;
        flt.Y = f[1] + std::sin(7.0f * kDeg) * D;
        flt.psi = a2;
        flt.the = 0;
        flt.v = 2.0f * msc.est_Vs;
        initpower(0.75f);
        setgear(0);
    } else if (type_start == 18) {
        float best = FAR;
        int t = -1;
        for (int i = 0; i < TRAFFIC_CAP; i++) {
            const float d = pythag(traf_xyz[i][0] - (float)flt.X, traf_xyz[i][2] - (float)flt.Z);
            if (d < best) { best = d; t = i; }
        }
        if (t >= 0) {
            const float h = (float)intwrap(traf_h[t] - 10, 0, 359);
            place_behind(traf_xyz[t][0], traf_xyz[t][2], h, 0.2f * con.nmtomtrs);
            flt.Y = traf_xyz[t][1];
            flt.psi = (float)traf_h[t];
            flt.the = 0;
            flt.v = traf_v[t];
            initpower(0.6f);
            setgear(0);
        }
    } else if (type_start == 21) {
        bool found = false;
        for (int i = 40; i <= 137; i++)
            for (int j = 40; j <= 118; j++) {
                bool all = true;
                for (int a = i - 2; a <= i + 2 && all; a++)
                    for (int b = j - 2; b <= j + 2 && all; b++) all = on_water[a][b] != 0;
                if (!all) continue;
                found = true;
                flt.X = planexyz[i][j][0];
                flt.Z = planexyz[i][j][2];
            }
        if (!found) {
            alert("I can't find any signifigant amount of water in this area!",
                  "Try going to a coastal region to guarantee that I can find some water to put your plane in.", "");
            return;
        }
        flt.Y = 0;
        flt.psi = flt.the = 0;
        flt.v = 0.1f;
        initpower(0.02f);
        setgear(0);
    }
    // A restart never leaves the aircraft hooked to a catapult it no longer stands on.
    if (type_start != 20) flt.cat_stage = 5;
    common_reset();
}

}  // namespace orv
