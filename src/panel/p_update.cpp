#include "panel/p_update.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"
#include "panel/p_init.h"

namespace orv {

namespace {

panel_shown shown;

constexpr int STALL_WINGS[3] = {4, 6, 8};
constexpr float STALL_MARGIN_DEG = 3.0f;
constexpr float PRESENT_SPAN_M = 0.05f;

bool piston(int entype) { return entype == 1 || entype == 2; }
bool jet(int entype) { return entype == 4 || entype == 5; }

void gyros()
{
    gyro_inputs in;
    in.the = flt.the;
    in.phi = flt.phi;
    in.magpsi = flt.magpsi;
    in.vacuum = rel.vacuum;
    in.ahz_ok = rel.ss_ahz;
    in.dgy_ok = rel.ss_dgy;
    in.starting = flt.onground && piston(pln.entype) && msc.init_time < GYRO_STARTUP_S;
    in.init_time = msc.init_time;
    // A failed vacuum spins down from the elapsed time of its failure; a starting engine's
    // gyros spin up from the flight's set-up.
    in.fail_clock = rel.vacuum ? msc.init_time : msc.elap_time;
    in.vac_death_time = rel.vacuum ? 0.0f : rel.vac_death_time;
    in.the_fail_err = rel.vacuum ? 0.0f : rel.the_fail_err;
    in.phi_fail_err = rel.vacuum ? 0.0f : rel.phi_fail_err;
    gyro_step(&ins.the180, &ins.phi180, &ins.psimag, in);
}

void status_bar()
{
    static const char* const feel[] = {"controls: 100%", "controls:  90%", "controls:  80%",
                                       "controls:  70%", "controls:  60%", "controls:  50%"};
    static const char* const modes[] = {"mode: realistic", "mode: slightly easy", "mode: somewhat easy",
                                        "mode: quite easy", "mode: very easy"};
    shown.feel = feel[(100 - control_feel_percent(set.joy_rat_ptch, set.joy_rat_roll, set.joy_rat_hdng)) / 10];
    shown.mode = modes[ease_mode(set.damp)];

    bool carb = false, oil = false;
    for (int e = 0; e < intlim(pln.numen, 0, 4); ++e) {
        carb = carb || msc.carb_ice[e] > 0.01f;
        oil = oil || !rel.oilpmp[e];
    }
    struct slot { bool on; const char* text; int warning; };
    const slot slots[6] = {{set.grfout != 0, "graphics data saving", 0},
                           {set.dskout != 0, "disk outfile saving", 0},
                           {msc.frame_ice > 0.001f, "airframe ice visible!", 1},
                           {carb, "carb ice suspected!", 1},
                           {oil, "oil pressure gone!", 1},
                           {set.serout != 0, "outputting to serial port!", 0}};
    const slot& s = slots[status_slot(msc.elap_time)];
    shown.status = s.on ? s.text : pln.C_name;
    shown.status_warning = s.on ? s.warning : 0;
    shown.paused_caption = msc.paused;

    shown.oat = oat_value(atm.T, pln.us_alt);
    shown.oat_unit = pln.us_alt ? 'F' : 'C';

    shown.stall_lamp = 0;
    if (rel.esystem && flt.vind > 0.3f * msc.est_Vs * con.msctokts)
        for (int p : STALL_WINGS)
            if (pln.semilen[p] > PRESENT_SPAN_M && flt.alpha[p][0] > pln.alpha_max[p] - STALL_MARGIN_DEG)
                shown.stall_lamp = 1;

    shown.ap_alt_ft = round(ott.al_hold * con.mtrstoft);
    shown.ap_vvi_fpm = round(ott.vv_hold * con.msctofpm);
    shown.ap_spd_kt = round(ott.as_hold);
}

void lamps_and_radios()
{
    // a lamp flashes in its rhythm only while the aircraft is over that marker
    for (int m = 0; m < 3; ++m) shown.marker[m] = marker_flag(m) && marker_lit(m, msc.cntr10);
    shown.fuel_needle = pln.m_fuel > 0.0f ? fuel_needle(flt.m_fuel, pln.m_fuel) : -1;
    shown.brakes_lamp = set.parkbrake > 0.01f;
    for (int leg = 0; leg < 3; ++leg) {
        int light = GEAR_LIGHT_OFF;
        if (pln.gear_retract && rel.esystem) {
            const int down = pln.gear_stat[leg] != 0;
            if (down != (set.gear_handle != 0)) light = GEAR_LIGHT_TRANSIT;
            else light = down ? GEAR_LIGHT_DOWN : GEAR_LIGHT_UP;
        }
        shown.gear_light[leg] = light;
    }
    shown.ecam_lamp = (pln.ecam && ins.ecam_mode >= 3 && ins.ecam_mode <= 7) ? ins.ecam_mode : 0;
    shown.xpdr[0] = nav.tran1;
    shown.xpdr[1] = nav.tran2;
    shown.xpdr[2] = nav.tran3;
    shown.xpdr[3] = nav.tran4;
}

void update_airspeed()
{
    if (!rel.ss_asi) return;
    const float v = asi_dial_speed(flt.vind, pln.asi_units, con.nm_to_sm);
    shown.asi_angle = asi_needle_angle(v, pln.ASpwr, pln.Vmin, ins.indtoASI);
    shown.asi_kt = v;
    shown.asi_max_angle = -1;
    if (jet(pln.entype)) {
        const float mmo_kt = pln.Mmo * atm.a * atm.crtsig * con.msctokts;
        const float vmax = fltmin2(mmo_kt > 0.0f ? mmo_kt : pln.Vne, pln.Vne);
        shown.asi_max_angle = asi_needle_angle(vmax, pln.ASpwr, pln.Vmin, ins.indtoASI, ASI_MAX_NEEDLE_DEG);
    }
}

void update_alt()
{
    if (!rel.ss_alt) return;
    shown.alt_ft = flt.hind * con.mtrstoft;
    shown.alt_angle = altimeter_needle_angle(shown.alt_ft);
    shown.baro_window = baro_window_value(ins.baro, pln.us_alt, pln.paneltype == 2);
}

void update_turnslip()
{
    if (!rel.ss_tsi) return;
    shown.turn = turn_needle_step(shown.turn, flt.R, msc.prd);
    float normal = flt.fnrmlprop + flt.fnrmlaero + flt.fnrmlgear;
    shown.slip = slip_ball_step(shown.slip, flt.fsideprop + flt.fsideaero + flt.fsidegear, normal, msc.prd);
}

void update_HSI(float a, float b)
{
    if (rel.ss_dgy) shown.hsi_card = (int)ins.psimag;
    shown.hsi_course = hsi_course_angle(ins.psimag, nav.obs[1]);
    shown.hsi_bug = hsi_bug_angle(ins.psimag, env.mvar, nav.hdsel);
    shown.hsi_dev_px = a;
    shown.hsi_gs_px = b;
    const bool vor_only = nav.ilsgs[1] == 9.0f;
    const float sx = vor_only ? nav.vorX[1] : nav.gsX[1];
    const float sy = vor_only ? nav.vorY[1] : nav.gsY[1];
    const float sz = vor_only ? nav.vorZ[1] : nav.gsZ[1];
    shown.hsi_dme_nm = pythag3((float)(sx - flt.X), (float)(sy - flt.Y), (float)(sz - flt.Z)) * con.mtrstonm;
    shown.hsi_dme_good = nav.goodnav[1] && shown.hsi_dme_nm <= 99.0f;
}

void update_vvi()
{
    if (!rel.ss_vvi) return;
    shown.vvi = vvi_step(shown.vvi, ins.msctoVVI, flt.vY, msc.prd);
    shown.vvi_angle = vvi_needle_angle(shown.vvi, pln.paneltype == 2);
}

void update_ADF()
{
    if (!rel.radios) return;
    const float target = adf_relative_bearing(nav.adfX, nav.adfZ, flt.X, flt.Z, flt.psi);
    shown.adf_needle = adf_needle_step(shown.adf_needle, target, msc.prd);
}

void update_radalt()
{
    shown.radalt_ft = radalt_height_ft(pln.mgearY, flt.Y, env.localh_cg, con.mtrstoft);
    shown.radalt_angle = radalt_angle(shown.radalt_ft);
    // the bug still re-arms with the voice silenced, so turning it on mid-descent waits for the next pass
    const int crossed = radalt_tone(&shown.radalt_armed, shown.radalt_ft, ins.radalt_ft);
    if (crossed && voice_warnings()) fh_play(RADALT_TONE_SLOT, 0);
}

void update_vari()
{
    const float e = total_energy(con.g, flt.Y, flt.av);
    if (shown.energy_primed && msc.prd > 0.0f)
        shown.vari_angle = vari_needle_angle((e - shown.energy) / msc.prd, con.g, con.msctofpm);
    shown.energy = e;
    shown.energy_primed = 1;
}

void update_RMI()
{
    if (rel.ss_dgy) shown.rmi_card = (int)ins.psimag;
    shown.rmi_bearing = rmi_bearing(nav.vorX[0], nav.vorZ[0], flt.X, flt.Z, env.mvar);
}

void update_DME()
{
    const int r = intlim(nav.dmesel, 0, 1);
    const bool vor_only = nav.ilsgs[r] == 9.0f;
    const float sx = vor_only ? nav.vorX[r] : nav.gsX[r];
    const float sy = vor_only ? nav.vorY[r] : nav.gsY[r];
    const float sz = vor_only ? nav.vorZ[r] : nav.gsZ[r];
    const float slant = pythag3((float)(sx - flt.X), (float)(sy - flt.Y), (float)(sz - flt.Z)) * con.mtrstonm;
    dme_step(&shown.dme, slant, msc.elap_time);
    shown.dme_good = nav.goodnav[r];
}

void supplementary()
{
    if (!ins.avail[INS_SUPP]) return;
    switch (pln.supptype) {
    case SUPP_VOR2:
        if (rel.ss_dgy) shown.vor2_card = (int)ins.psimag;
        shown.vor2_course = (int)nav.obs[0];
        shown.vor2_dev_px = 4.0f * nav.hdef[0];
        shown.vor2_gs_px = -5.0f * nav.vdef[0];
        break;
    case SUPP_STORMSCOPE: shown.stormscope_shown = rel.esystem; break;
    case SUPP_RADALT: update_radalt(); break;
    case SUPP_VARIOMETER: update_vari(); break;
    case SUPP_MOVING_MAP: shown.moving_map_shown = rel.radios; break;
    case SUPP_WX_RADAR: shown.wx_radar_shown = rel.esystem; break;
    case SUPP_RMI: update_RMI(); break;
    default: break;
    }
}

void instruments()
{
    const bool glass = pln.paneltype == 2;
    const bool screen = !glass || rel.efis_1;
    if (screen) {
        if (ins.avail[INS_ASI]) update_airspeed();
        if (ins.avail[INS_ALT]) update_alt();
        if (ins.avail[INS_TSI] && !glass) update_turnslip();
        if (ins.avail[INS_HSI]) update_HSI(5.0f * nav.hdef[1], -5.0f * nav.vdef[1]);
        if (ins.avail[INS_VVI]) update_vvi();
    }
    if (ins.avail[INS_ADF]) update_ADF();
    shown.stormscope_shown = shown.moving_map_shown = shown.wx_radar_shown = 0;
    supplementary();
    // With failed radios a GPS panel falls back to the DME read-out, never to frozen figures.
    shown.gps_shown = plane_has_gps() && rel.radios;
    if (shown.gps_shown)
        shown.gps = gps_readouts(nav.hdef[0], env.mvar, nav.gps_crs, nav.gps_dis, flt.v, osrad,
                                 con.mtrstonm, con.msctokts);
    else
        update_DME();
    shown.efis_map_shown = glass && rel.efis_2;
}

void engine_gauges()
{
    std::memset(shown.gauge, 0, sizeof shown.gauge);
    shown.rotor_gauge = pln.is_heli ? round(flt.tac[0] * con.rsctorpm * rotor_tac_scale()) : 0;
    const int engines = pln.is_heli ? intlim(pln.numen, 0, 1) : intlim(pln.numen, 0, 4);
    const float torque_full = pln.omegamax > 0.0f ? pln.pmax / pln.omegamax : 0.0f;
    for (int e = 0; e < engines; ++e) {
        flt.egt[e] += (flt.mixt_temp_rat[e] - flt.egt[e]) * msc.prd;
        shown.egt_bar[e] = flt.egt[e];
        shown.afterburner[e] = flt.after_burning[e];
        if (jet(pln.entype)) {
            shown.gauge[1][e] = round(flt.n1_[e] * ins.n1_toINS);
            const float pph = fltlim(flt.ff_[e] * con.kgstolbs * 3600.0f, 0.0f, (float)ff__max());
            shown.gauge[2][e] = round(pph * ins.ff_toINS);
        } else {
            shown.gauge[1][e] = round(flt.tac[e] * pln.gearrat * con.rsctorpm * ins.tactoINS);
            if (pln.entype == 3 && torque_full > 0.0f)
                shown.gauge[2][e] = round(flt.trq[e] / torque_full * 100.0f * ins.trqtoINS);
            else if (piston(pln.entype) && pln.varpitchEQ)
                shown.gauge[2][e] = round(flt.mpr[e] * ins.mprtoINS);
        }
    }
}

}  // namespace

const panel_shown& panel_shown_values() { return shown; }

void panel_reset()
{
    std::memset(&shown, 0, sizeof shown);
    shown.compass = flt.magpsi;
    shown.vvi = ins.msctoVVI * flt.vY;
    shown.adf_needle = adf_relative_bearing(nav.adfX, nav.adfZ, flt.X, flt.Z, flt.psi);
    shown.status = pln.C_name;
    shown.feel = shown.mode = "";
    shown.asi_max_angle = -1;
    shown.last_init_time = msc.init_time;
    ins.the180 = flt.the;
    ins.phi180 = flt.phi;
    ins.psimag = flt.magpsi;
}

void update_panel()
{
    if (!shown.status || msc.init_time < shown.last_init_time) panel_reset();
    shown.last_init_time = msc.init_time;

    gyros();
    const float err = compass_error(flt.psi, flt.aX, flt.phi, env.lat_sou);
    shown.compass = compass_step(shown.compass, flt.magpsi, err, msc.prd);
    status_bar();
    lamps_and_radios();
    instruments();
    engine_gauges();
    // Levers are drawn from ins's lever positions, which the controls keep.
}

}  // namespace orv
