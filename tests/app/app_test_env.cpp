#include "app_test_env.h"

#include <cstring>

#include <unistd.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "platform/plat_backend.h"
#include "platform/plat_clock.h"
#include "support/test_support.h"

namespace app_test {

long clock_ms;
int  exit_calls;
int  exit_status;

static long test_clock() { return clock_ms; }
static void test_exit(int status)
{
    exit_calls++;
    exit_status = status;
}

env fresh(const char* tag, bool init)
{
    env e;
    e.work = orv_test::temp_dir(std::string("app_") + tag);
    e.config = e.work + "/config";
    e.data = e.work + "/data";
    orv_test::write_file(e.data + "/.keep", "");
    if (chdir(e.work.c_str()) != 0) e.work.clear();
    clock_ms = 0;
    exit_calls = 0;
    exit_status = -1;
    orv::plat_set_clock(test_clock);
    orv::mnw_set_exit_hook(test_exit);
    orv::plat_backend_install(nullptr);
    orv::plat_script_clear();
    orv::picker_clear_answers();
    orv::clear_records();
    orv::register_app_callbacks();
    orv::mnw_set_dirs(e.data.c_str(), e.config.c_str());
    orv::app_set_fixed_step(0);
    orv::app_set_run_limits(0, 0);
    orv::app_set_event_hooks(nullptr, nullptr);
    orv::app_set_flight_step(nullptr);
    orv::frame_timing_reset();
    orv::app_run_reset();
    orv::init_trig_tables();
    if (init) {
        orv::MACIBM_init();
        orv::set_constants();
    }
    return e;
}

std::string prefs_file(const env& e) { return e.config + "/Vantorel 4.prf"; }

void fill_unusual()
{
    using namespace orv;
    std::strcpy(pln.C_file, "Racer 2.acf");
    std::strcpy(pln.C_path, "\\home\\u\\planes\\Racer 2.acf");
    msc.loc_apt_wrl = 1234;
    msc.rway_sel = 3;
    msc.locl_time = 43210.5f;
    atm.temp_SL = 71.5f;
    ins.baro = 30.12f;
    atm.baro = 29.5f;
    atm.rain_tstm = 2.5f;
    atm.wind_tbl = 3;
    atm.burst_prob = 4;
    atm.change_clouds = 0; atm.change_vis = 7; atm.change_precip = 0; atm.change_turb = 1; atm.change_micro = 0;
    atm.cld_type = 0;
    atm.topsMSL = 3048.25f;
    atm.baseMSL = 1234.5f;
    atm.vis_rep = 10000;
    atm.vis_mult = 0.5f;
    for (int i = 0; i < 9; i++) {
        atm.wnddir[i] = 10.5f * i; atm.wndspd[i] = 2.0f + i; atm.shrdir[i] = 3.0f * i;
        atm.shrspd[i] = 0.25f * i; atm.tbl[i] = 0.5f * i;
    }
    atm.wave_amp = 1.5f; atm.wave_length = 12; atm.wave_speed = 3.25f; atm.wave_dir = 270;
    atm.thermal_part = 0.4f; atm.thermal_vvi = 3;
    atm.meteorite_code = 4; atm.rway_fric_code = 2;
    msc.sound_on = 0; atc.voice_out = 0; atc.text_out = 1;
    msc.warn_frame = 0; msc.warn_overspeed = 0; msc.warn_flaps = 1; msc.warn_bb = 0;
    fpl.mr = 0; fpl.mrs = 1;
    for (int g = 0; g < 60; g++) { set.Bdsk[g] = g % 2; set.Brlt[g] = (g % 3 == 0) ? 5 : 0; set.Bgrf[g] = g % 5 == 0; }
    set.serout = 2; set.damp = 1;
    set.joy_rat_ptch = 0.75f; set.joy_rat_hdng = 0.5f; set.joy_rat_roll = 0.25f;
    set.eq_ped = 1; set.eq_avi = 0; set.eq_thr = 1; set.eq_col = 0;
    set.NZptch = 0.05f; set.NZroll = 0.02f;
    for (int b = 0; b < 22; b++) set.joy_response[b] = 30 - b;
    nav.nf[0] = 10930; nav.nf[1] = 11480; nav.cf[0] = 11890; nav.cf[1] = 13200;
    nav.obs[0] = 123.5f; nav.obs[1] = 271;
    nav.adff = 338; nav.dmesel = 1;
    nav.gps_index_mode = 2; nav.gps_index = 17; nav.gps_apt_index = 18; nav.gps_vor_index = 19; nav.gps_ndb_index = 20;
    for (int i = 0; i < 4; i++) nav.gps_id[i] = 3 + i;
    msc.prd = 0.0375f;
    msc.logtime = 1;
    rel.total_fail_entry = 2.5f;
    ogl_res = 3; ogl_trees = 1;
}

}  // namespace app_test
