// The real-weather file: a report sets the weather as decoded and the slow values approach
// it at 1 % a second; damaged files and absurd values give a message and stay in range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "flight/real_weather.h"
#include "flight/weather_evol.h"
#include "support/world_fixtures.h"
#include "world/nav_db.h"
#include "world/wxr_file.h"

namespace orv {
namespace {

constexpr float kField = 300;   // m

class RealWeather : public ::testing::Test {
protected:
    std::string dir;
    std::optional<orv_test::weather_reports> reports;
    void SetUp() override
    {
        std::memset(&atm, 0, sizeof atm);
        flt = flightstruct{};
        msc = miscstruct{};
        set_constants();
        seed_rand(3);
        std::memcpy(apt_id[0], "KSBD", 5);
        std::memcpy(apt_id[1], "KONT", 5);
        apt_inreg[0] = apt_inreg[1] = 1;
        apt_lat[0][0] = 34.09f;
        apt_lon[0][0] = -117.24f;
        apt_lat[1][0] = 34.05f;
        apt_lon[1][0] = -117.60f;
        apt_h[0] = apt_h[1] = kField;
        env.aptmax = 1;
        msc.loc_apt_wrl = 0;
        flt.lat = 34.1f;
        flt.lon = -117.3f;
        atm.vis_rep = 20000;
        atm.baseMSL = 3000;
        atm.topsMSL = 6000;
        atm.rain_tstm = 1;
        atm.temp_SL = 59;
        atm.baro = 29.92f;
        atm.rate_change = WX_RATE_RANDOM;
        dir = orv_test::temp_dir("rwx");
        real_weather_reset();
    }
    void TearDown() override { wxr_set_path(""); }
    void use(const std::string& text) { reports.emplace(dir, text); }
    void expect_in_window_ranges()
    {
        EXPECT_GE(atm.vis_rep, 185.2f);
        EXPECT_LE(atm.vis_rep, 37040);
        EXPECT_LE(atm.wndspd[0], 99 * con.ktstomsc + 1e-3f);
        EXPECT_GE(atm.temp_SL, WX_TEMP_MIN_F);
        EXPECT_LE(atm.temp_SL, WX_TEMP_MAX_F);
        EXPECT_GE(atm.baro, WX_BARO_MIN);
        EXPECT_LE(atm.baro, WX_BARO_MAX);
        EXPECT_TRUE(std::isfinite(atm.baseMSL) && std::isfinite(atm.topsMSL));
    }
};

TEST_F(RealWeather, ReportOfTheStartAirportSetsTheWeatherAndTheRestApproaches)
{
    use("KONT 1755 CLR 15 70/50/0905/001\n"
        "KSBD 1755 25 SCT 40 BKN 120 OVC 7 R- 132/58/52/2712G20/992\n");
    const int alerts = mnw_alert_count();
    real_weather_second();
    EXPECT_EQ(mnw_alert_count(), alerts + 1);          // the once-a-run notice
    EXPECT_STREQ(mnw_last_alert_line(0), "I have detected the file 'WORLD.RWX' in the Vantorel folder.");
    const real_weather_targets& rw = real_weather_state();
    ASSERT_TRUE(rw.in_use);
    EXPECT_STREQ(rw.station, "KSBD");
    EXPECT_EQ(atm.rate_change, WX_RATE_STEADY);
    EXPECT_EQ(atm.cld_type, 1);
    EXPECT_FLOAT_EQ(atm.temp_SL, 58);
    EXPECT_NEAR(atm.baro, 29.92f, 1e-4f);
    EXPECT_FLOAT_EQ(atm.wnddir[0], 270);
    EXPECT_NEAR(atm.wndspd[0], 12 * con.ktstomsc, 1e-4f);
    EXPECT_NEAR(rw.base, 4000 * con.fttomtrs + kField, 1e-2f);
    EXPECT_NEAR(rw.vis, 7 * con.nmtomtrs, 1e-2f);
    EXPECT_FLOAT_EQ(rw.rain, 2);                       // light rain
    // One second closes 1 % of each gap, the next another 1 % of what is left.
    EXPECT_NEAR(atm.vis_rep, 20000 + 0.01f * (rw.vis - 20000), 0.01f);
    const float gap = rw.base - atm.baseMSL;
    msc.elap_time = 1;
    real_weather_second();
    EXPECT_NEAR(rw.base - atm.baseMSL, 0.99f * gap, 0.01f);
    for (int s = 2; s < 600; s++) {
        msc.elap_time = (float)s;
        real_weather_second();
    }
    EXPECT_NEAR(atm.vis_rep, rw.vis, 0.01f * std::fabs(rw.vis - 20000));
    EXPECT_EQ(mnw_alert_count(), alerts + 1);          // re-read each minute, told once
}

TEST_F(RealWeather, NoFileIsSilentAndChangesNothing)
{
    wxr_set_path((dir + "/missing.rwx").c_str());
    const int alerts = mnw_alert_count();
    real_weather_second();
    EXPECT_EQ(mnw_alert_count(), alerts);
    EXPECT_FALSE(real_weather_state().in_use);
    EXPECT_EQ(atm.rate_change, WX_RATE_RANDOM);
    EXPECT_FLOAT_EQ(atm.vis_rep, 20000);
}

TEST_F(RealWeather, BinaryJunkGivesAMessageAndTheFlightGoesOn)
{
    std::string junk;
    for (int i = 0; i < 4096; i++) junk += (char)((i * 37 + 11) & 0xff);
    use(junk);
    const int alerts = mnw_alert_count();
    real_weather_second();
    EXPECT_EQ(mnw_alert_count(), alerts + 2);          // the notice, then the damage
    EXPECT_STREQ(mnw_last_alert_line(0), "The real-weather file 'WORLD.RWX' is damaged:");
    EXPECT_STREQ(mnw_last_alert_line(1), "it holds bytes that are not text.");
    msc.elap_time = 61;                               // read again: not told again
    real_weather_second();
    EXPECT_EQ(mnw_alert_count(), alerts + 2);
    expect_in_window_ranges();
}

TEST_F(RealWeather, OverlongLineIsToldAndTheReportsAfterItStillCount)
{
    use("KSBD " + std::string(10000, '9') + "\nKSBD 1200 CLR 10 60/40/1810/995\n");
    const int alerts = mnw_alert_count();
    real_weather_second();
    EXPECT_EQ(mnw_alert_count(), alerts + 2);
    EXPECT_STREQ(mnw_last_alert_line(1), "a line is longer than 399 characters.");
    ASSERT_TRUE(real_weather_state().in_use);
    EXPECT_NEAR(atm.baro, 29.95f, 1e-4f);   // from the good report, not the cut line
    expect_in_window_ranges();
}

TEST_F(RealWeather, AbsurdWindTemperatureVisibilityAndCloudsAreLimitedToTheWindowsRanges)
{
    use("KSBD 1200 999 OVC 900 999/40/27900/995\n");
    float dir_deg = 0;
    EXPECT_EQ(report_wind_kt("KSBD 1200 CLR 15 999/40/27900/995", &dir_deg), 900);
    EXPECT_FLOAT_EQ(dir_deg, 270);
    const int alerts = mnw_alert_count();
    real_weather_second();
    EXPECT_EQ(mnw_alert_count(), alerts + 2);
    EXPECT_STREQ(mnw_last_alert_line(2), "I have limited them to those ranges.");
    EXPECT_NEAR(atm.wndspd[0], 99 * con.ktstomsc, 1e-3f);
    EXPECT_FLOAT_EQ(atm.temp_SL, WX_TEMP_MAX_F);
    // 900 nm of visibility and an overcast at 99900 ft above the field: the window's tops
    const real_weather_targets& rw = real_weather_state();
    EXPECT_FLOAT_EQ(rw.vis, 37040);
    EXPECT_NEAR(rw.base, 98999 * con.fttomtrs, 0.01f);
    EXPECT_NEAR(rw.tops, 99999 * con.fttomtrs, 0.01f);
    expect_in_window_ranges();
}

TEST_F(RealWeather, LightRainEndsWhenBothFallBelowOneAndAHalf)
{
    use("KSBD 1200 CLR 15 60/40/1810/995\n");   // no weather: rain heads for 1
    atm.rain_tstm = 1.6f;
    real_weather_second();
    EXPECT_NEAR(atm.rain_tstm, 1.6f - 0.01f * 0.6f, 1e-5f);
    atm.rain_tstm = 1.505f;                 // one step takes it under 1.5: it snaps
    msc.elap_time = 1;
    real_weather_second();
    EXPECT_FLOAT_EQ(atm.rain_tstm, 1.0f);
}

TEST_F(RealWeather, AStationAboveTheLowestLayerGetsItsWindWhereItStands)
{
    // 1159 ft: the field lies in the second wind layer (1000 to 2000 ft)
    apt_h[0] = 1159 * con.fttomtrs;
    atm.wnddir[1] = 90;
    atm.wndspd[1] = atm.wndspd[2] = 3;
    use("KSBD 1200 CLR 15 60/40/2315/995\n");
    real_weather_second();
    ASSERT_TRUE(real_weather_state().in_use);
    const int l = wind_index(apt_h[0]);
    ASSERT_EQ(l, 1);
    EXPECT_FLOAT_EQ(atm.wnddir[l], 230);
    EXPECT_NEAR(atm.wndspd[l], 15 * con.ktstomsc, 1e-4f);
    EXPECT_NEAR(atm.wndspd[0], 15 * con.ktstomsc, 1e-4f);
    EXPECT_FLOAT_EQ(atm.wndspd[2], 3);   // the winds aloft are not the report's
}

}  // namespace
}  // namespace orv
