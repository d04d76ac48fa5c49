// The weather windows: space, atmosphere, ground and water.
#include <cstdio>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/records.h"
#include "windows/win_common.h"
#include "windows/windows.h"
#include "world/nav_db.h"

namespace orv {

// ---- 11 "Set Weather Space": how often a shooting star crosses the night sky
void manage_spa()
{
    if (win_frame()) return;
    win_caption(12, 46, "Meteorites:");
    in4textbtn(12, 26, "rare (10 min)", "some (5 min)", "many (2.5 min)", "shower (30 s)", 160, &atm.meteorite_code);
}

// ---- 13 "Set Weather Ground"
void manage_gnd()
{
    if (win_frame()) return;
    win_caption(12, 110, "Runway condition:");
    in3textbtn(12, 84, "dry", "wet", "snow or ice", 160, &atm.rway_fric_code);
    win_text(WC_UNIT, 12, 50, "Wet and icy runways brake");
    win_text(WC_UNIT, 12, 40, "and steer less well.");
}

// ---- 14 "Set Weather Water"
void manage_wat()
{
    if (win_frame()) return;
    win_caption(12, 230, "Waves on open water");
    win_wheel_row(12, 200, 70, "Height:", &atm.wave_amp, con.mtrstoft, 2, 0, 0, 40, "ft");
    win_wheel_row(12, 170, 70, "Length:", &atm.wave_length, con.mtrstoft, 3, 0, 10, 900, "ft");
    win_wheel_row(12, 140, 70, "Speed:", &atm.wave_speed, con.msctokts, 2, 0, 0, 40, "kt");
    win_int_wheel_row(12, 110, 70, "From:", &atm.wave_dir, 3, 0, 359, "deg");
}

// ---- 12 "Set Weather Atmosphere"
static const char* const wind_layer_names[9] = {"   0- 1000", " 1000- 2000", " 2000- 3000", " 3000- 4000", " 4000- 5000",
                                                 " 5000-10000", "10000-20000", "20000-30000", "above 30000"};
constexpr float VIS_NM_MIN = 0.1f, VIS_NM_MAX = 20.0f;
constexpr float CLOUD_FT_MAX = 99999.0f;

// The cloud base above the start airport follows its height above sea level, and back.
static float start_field_m() { return (msc.loc_apt_wrl >= 0 && msc.loc_apt_wrl < APT_CAP) ? apt_h[msc.loc_apt_wrl] : 0.0f; }

static void clouds_column(int x)
{
    static const char* const kinds[3] = {"clear", "overcast", "scattered"};
    win_choice_row(x, 470, 60, "Clouds:", kinds, 3, 100, &atm.cld_type);
    const float ft = con.mtrstoft;
    // Only the pilot's click carries one base into the other, not a wheel holding its range.
    if (win_wheel_row(x, 444, 160, "Base above sea level:", &atm.baseMSL, ft, 5, 0, 0, CLOUD_FT_MAX, "ft") && mnw.mouse_clicked)
        atm.baseAGL = atm.baseMSL - start_field_m();
    if (win_wheel_row(x, 418, 160, "Base above the field:", &atm.baseAGL, ft, 5, 0, 0, CLOUD_FT_MAX, "ft") && mnw.mouse_clicked)
        atm.baseMSL = atm.baseAGL + start_field_m();
    win_wheel_row(x, 392, 160, "Tops above sea level:", &atm.topsMSL, ft, 5, 0, 0, CLOUD_FT_MAX, "ft");
    win_wheel_row(x, 366, 160, "Visibility:", &atm.vis_rep, con.mtrstonm, 3, 1, VIS_NM_MIN, VIS_NM_MAX, "nm");
    win_wheel_row(x, 340, 160, "Rain and storms:", &atm.rain_tstm, 1, 2, 1, 1, 5, "1 none..5 severe");
    win_wheel_row(x, 314, 160, "Wind severity:", &atm.wind_tbl, 1, 2, 1, 1, 5, "1 calm..5");
    win_wheel_row(x, 288, 160, "Temperature at sea level:", &atm.temp_SL, 1, 3, 0, -60, 130, "F");
    win_wheel_row(x, 262, 160, "Pressure at sea level:", &atm.baro, 1, 4, 2, 28, 31, "inHg");
    win_wheel_row(x, 236, 160, "Ground with thermals:", &atm.thermal_part, 100, 3, 0, 0, 100, "%");
    win_wheel_row(x, 210, 160, "Thermal lift:", &atm.thermal_vvi, con.msctofpm, 4, 0, 0, 2000, "ft/min");
    win_wheel_row(x, 184, 160, "Microbursts:", &atm.burst_prob, 1, 2, 1, 1, 5, "1 none..5 many");
    static const char* const rates[8] = {"worsening fast", "worsening", "worsening slowly", "steady",
                                         "improving slowly", "improving", "improving fast", "at random"};
    win_caption(x, 152, "Weather change:");
    int rate = (int)atm.rate_change;
    if (intextbtn(x + 100, 152, rates, 8, 110, &rate)) atm.rate_change = (float)rate;
    win_caption(x, 126, "Let these change:");
    win_check_row(x, 106, "clouds", &atm.change_clouds);
    win_check_row(x + 90, 106, "visibility", &atm.change_vis);
    win_check_row(x + 200, 106, "rain", &atm.change_precip);
    win_check_row(x, 86, "turbulence", &atm.change_turb);
    win_check_row(x + 90, 86, "microbursts", &atm.change_micro);
}

static void wind_columns(int x)
{
    win_caption(x, 490, "Winds by height (ft)");
    static const int col[5] = {76, 114, 150, 190, 228};
    static const char* const head[5] = {"from", "speed", "shear", "gusts", "turb"};
    static const char* const unit[5] = {"deg", "kt", "deg", "kt", "0-9"};
    for (int c = 0; c < 5; c++) {
        win_text(WC_CAPTION, x + col[c], 474, head[c]);
        win_text(WC_UNIT, x + col[c], 462, unit[c]);
    }
    for (int l = 0; l < 9; l++) {
        const int y = 440 - 26 * l;
        win_text(WC_CAPTION, x, y, wind_layer_names[l]);
        win_wheel_row(x + col[0], y, 0, "", &atm.wnddir[l], 1, 3, 0, 0, 359, "");
        win_wheel_row(x + col[1], y, 0, "", &atm.wndspd[l], con.msctokts, 2, 0, 0, 99, "");
        win_wheel_row(x + col[2], y, 0, "", &atm.shrdir[l], 1, 3, 0, 0, 180, "");
        win_wheel_row(x + col[3], y, 0, "", &atm.shrspd[l], con.msctokts, 2, 0, 0, 99, "");
        win_wheel_row(x + col[4], y, 0, "", &atm.tbl[l], 1, 1, 0, 0, 9, "");
    }
}

void manage_atm()
{
    if (win_frame()) return;
    clouds_column(12);
    wind_columns(340);
    win_text(WC_UNIT, 12, 40, "Click above a digit to raise it, below it to lower it.");
    win_text(WC_UNIT, 12, 26, "Thermals are laid out over the ground when the window closes.");
}

}  // namespace orv
