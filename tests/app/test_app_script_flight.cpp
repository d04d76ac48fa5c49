// Script commands for the aircraft's systems: parsing of the word commands, and what each
// command does to the records, refusing values it cannot use.
#include <gtest/gtest.h>

#include <cstring>

#include "2-QZutils/records.h"
#include "platform/plat_script.h"
#include "app/app_script_flight.h"
#include "flight/failures.h"
#include "platform/plat_backend.h"

namespace orv {
namespace {

class App_ScriptFlight : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_constants();
        ott = ottostruct{};
        nav = navstruct{};
        flt = flightstruct{};
        std::memset(&atm, 0, sizeof atm);
        rel_repair_all();
        register_flight_script_commands();
        plat_script_clear();
    }
    void TearDown() override { plat_script_clear(); }
    int parse(const char* line)
    {
        char err[300];
        int ok = script_parse_line(line, 3, err, sizeof err);
        last_err = ok ? "" : err;
        return ok;
    }
    std::string last_err;
};

TEST_F(App_ScriptFlight, WordCommandsTakeTheirWordsAndNumbers)
{
    EXPECT_EQ(parse("at 1 ap nav2"), 1);
    EXPECT_EQ(parse("at 1 ap-set alt 5000"), 1);
    EXPECT_EQ(parse("at 2 weather vis 3"), 1);
    EXPECT_EQ(plat_script_pending(), 3);
    EXPECT_EQ(parse("at 1 ap sideways"), 0);
    EXPECT_NE(last_err.find("'ap' takes one of hdg|nav1|nav2|gps|alt|vs|gs|spd|off"), std::string::npos)
        << last_err;
    EXPECT_EQ(parse("at 1 ap-set alt"), 0);
    EXPECT_NE(last_err.find("and 1 number"), std::string::npos) << last_err;
    EXPECT_EQ(parse("at 1 weather fog 3"), 0);
    EXPECT_EQ(parse("at 1 ap-set vs fast"), 0);
    EXPECT_NE(last_err.find("'fast' is not a number"), std::string::npos) << last_err;
    // finite as a double, infinite as the float a command takes
    EXPECT_EQ(parse("at 1 ap-set hdg 1e39"), 0);
    EXPECT_NE(last_err.find("line 3: 'ap-set': '1e39' is too large"), std::string::npos) << last_err;
    EXPECT_EQ(parse("at 1 time -1e39"), 0);
    EXPECT_NE(last_err.find("line 3: 'time': '-1e39' is too large"), std::string::npos) << last_err;
    EXPECT_EQ(plat_script_pending(), 3);
}

TEST_F(App_ScriptFlight, AutopilotCommandsKeepTheModeExclusions)
{
    const float hdg[] = {0};
    script_ap(hdg, 1);
    const float alt[] = {0, 5049};
    script_ap_set(alt, 2);
    EXPECT_NEAR(ott.al_hold * con.mtrstoft, 5000, 0.05f);   // the knob's rounding
    const float vs_target[] = {1, 700};
    script_ap_set(vs_target, 2);
    const float vs[] = {5};
    script_ap(vs, 1);                         // the target set first is kept
    EXPECT_NEAR(ott.vv_hold * con.msctofpm, 700, 0.05f);
    const float gps[] = {3};
    script_ap(gps, 1);
    EXPECT_EQ(ott.NAV[0], 1);
    EXPECT_EQ(ott.HDSLCT, 0);
    EXPECT_EQ(ott.VVHOLD, 1);
    const float off[] = {8};
    script_ap(off, 1);
    EXPECT_EQ(ott.NAV[0] + ott.VVHOLD, 0);
}

TEST_F(App_ScriptFlight, RadioFailureWeatherAndTimeCommands)
{
    const float nav2[] = {2, 110.9f};
    script_nav(nav2, 2);
    EXPECT_EQ(nav.nf[1], 11090);
    const float bad_nav[] = {2, 135.0f};      // a COM frequency: refused, nothing changes
    script_nav(bad_nav, 2);
    EXPECT_EQ(nav.nf[1], 11090);
    const float obs[] = {1, -90};
    script_obs(obs, 2);
    EXPECT_FLOAT_EQ(nav.obs[0], 270);
    const float fail_half[] = {3.5f};
    script_fail(fail_half, 1);
    EXPECT_EQ(rel.ss_alt, 1);
    const float fail_elec[] = {20};
    script_fail(fail_elec, 1);
    EXPECT_EQ(rel.esystem, 0);
    const float wind[] = {8, 900};            // wndspd 900 kt: the window's 99 kt
    script_weather(wind, 2);
    EXPECT_NEAR(atm.wndspd[8], 99 * con.ktstomsc, 1e-3f);
    const float time[] = {25.5f};
    script_time(time, 1);
    EXPECT_FLOAT_EQ(msc.locl_time, 1.5f * 3600);
}

}  // namespace
}  // namespace orv
