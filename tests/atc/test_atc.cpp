// The controller's words at hand-worked cases, the menu's list limit, the runway the wind
// picks, and the landing signal officer's calls down a carrier approach.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/rec_plane.h"
#include "2-QZutils/records.h"
#include "2-QZutils/records_reset.h"
#include "atc/atc_menu.h"
#include "atc/atc_phrases.h"
#include "atc/do_atc.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

class Atc : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_records();
        set_constants();
        atc_phrases_reset();
        do_atc_reset();
        atc.text_out = 1;
    }
};

std::string wind(int dir, int spd, int gust, int shear)
{
    char t[ATC_TEXT] = "";
    app_wind_string(t, dir, spd, gust, shear);
    return t;
}

}  // namespace

TEST_F(Atc, HeadingsWindsAndAltimeter)
{
    char t[ATC_TEXT] = "";
    app_heading_string(t, 0, 10);
    EXPECT_STREQ(t, "3 6 0");
    t[0] = 0;
    app_heading_string(t, 358, 5);   // rounds up past north
    EXPECT_STREQ(t, "3 6 0");
    t[0] = 0;
    flt.magpsi = 10;
    app_turn_string(t, 350, 5);      // the short way is left
    EXPECT_STREQ(t, "turn left heading 3 5 0");

    EXPECT_EQ(wind(270, 4, 4, 0), "Wind light and variable");
    EXPECT_EQ(wind(270, 0, 0, 0), "Wind calm");
    EXPECT_EQ(wind(274, 10, 15, 0), "Wind 2 7 0 at 10");   // 5 kt of gust is neither shown nor alarming
    EXPECT_EQ(wind(270, 10, 16, 0), "Wind shear alert. Wind 2 7 0 at 10 gust 16");
    EXPECT_EQ(wind(270, 10, 10, 20), "Wind shear alert. Wind 2 7 0 at 10 variable 2 5 0 to 2 9 0");

    pln.us_alt = 1;
    t[0] = 0;
    app_altimeter_string(t, 29.92f);
    EXPECT_STREQ(t, "altimeter 29.92");
    t[0] = 0;
    app_altimeter_string(t, 30.05f);
    EXPECT_STREQ(t, "altimeter 30.05");
    pln.us_alt = 0;
    t[0] = 0;
    app_altimeter_string(t, 29.92f);
    EXPECT_STREQ(t, "area QNH 1013.");
}

// A heading within 5 degrees of the last one given is not given again; the altitude is said
// again only while it is not being flown.
TEST_F(Atc, VectorsAreNotRepeatedWithinFiveDegrees)
{
    flt.magpsi = 90;
    flt.Y = 5100 * con.fttomtrs;                        // within 200 ft of the altitude
    char t[ATC_TEXT] = "";
    EXPECT_EQ(vector_me(180, 5, 5000, 100, 0, t), 1);
    EXPECT_STREQ(t, "turn right heading 1 8 0 descend and maintain 5000 feet");
    t[0] = 0;
    EXPECT_EQ(vector_me(184, 5, 5000, 100, 0, t), 0);   // 185 is 5 degrees on: not a new vector
    EXPECT_STREQ(t, "");
    EXPECT_EQ(vector_me(190, 5, 5000, 100, 0, t), 1);
    EXPECT_STREQ(t, "turn right heading 1 9 0");
    t[0] = 0;
    flt.Y = 3000 * con.fttomtrs;                        // far below and not climbing
    EXPECT_EQ(vector_me(190, 5, 5000, 100, 0, t), 1);
    EXPECT_STREQ(t, "climb and maintain 5000 feet");
    t[0] = 0;
    env.localh_cg = 4000 * con.fttomtrs;                // never below 1500 ft above the ground
    EXPECT_EQ(vector_me(190, 5, 3000, 100, 1, t), 1);
    EXPECT_NE(std::string(t).find("climb and maintain 5500 feet"), std::string::npos) << t;
}

TEST_F(Atc, SixtiethListEntryRaisesTheAlert)
{
    env.aptmax = 80;
    for (int a = 0; a <= env.aptmax; a++) {
        apt_inreg[a] = 1;
        apt_twr[a] = a < 59;       // 59 towered fields fit
        std::snprintf(apt_id[a], sizeof apt_id[a], "K%03d", a % 1000);
    }
    flt.onground = 1;
    const int alerts = mnw_alert_count();
    atc_pick(2);                   // "Get ATIS...": the towered airports
    EXPECT_EQ(atc.menu_level, ATC_LEVEL_ATIS);
    EXPECT_EQ(atc_list_count(), 59);
    EXPECT_EQ(mnw_alert_count(), alerts);
    atc.menu_up = 0;
    atc_pick(11);                  // vectors are offered in the air only: the row is hidden
    EXPECT_EQ(atc.menu_up, 0);
    flt.onground = 0;
    atc_pick(11);                  // every airport: the 60th raises the alert
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Too many ATC selections!");
    EXPECT_EQ(atc_list_count(), ATC_LIST_MAX - 1);
    // The mouse picks column (x - 17) / 150 and row (547 - y) / 10: entry 15 + 2.
    EXPECT_EQ(atc_click(17 + 150 + 5, 547 - 25), 1);
    EXPECT_NE(std::string(atc.response).find("vectors K017"), std::string::npos) << atc.response;
    EXPECT_EQ(atc.menu_up, 0);
}

// Calm air keeps the longest runway's own end; a wind above 5 kt lands into it; an ILS near
// the field wins over the wind.
TEST_F(Atc, ActiveRunwayFollowsWindAndIls)
{
    const int a = 3;
    apt_len[a][0] = 1500, apt_hdng[a][0] = 60, apt_num[a][0] = 6, apt_lr[a][0] = 'L';
    apt_len[a][1] = 2500, apt_hdng[a][1] = 120, apt_num[a][1] = 12, apt_lr[a][1] = 'x';
    apt_lat[a][0] = 34, apt_lon[a][0] = -117;
    int rway = -1, dir = 0, found = 0, nav = -1;
    get_active_rway(a, &rway, &dir, &found, &nav);
    EXPECT_EQ(rway, 1);
    EXPECT_EQ(dir, 1);
    EXPECT_EQ(found, 0);
    for (int k = 0; k < 9; k++) atm.wnddir[k] = 250, atm.wndspd[k] = 10 * con.ktstomsc;
    get_active_rway(a, &rway, &dir, &found, &nav);
    EXPECT_EQ(rway, 0);                        // 240 of runway 6's reciprocal lies nearest 250
    EXPECT_EQ(dir, 2);
    char t[ATC_TEXT] = "";
    app_current_rway_string(t, a);
    EXPECT_STREQ(t, "runway 2 4 right");      // the left runway's far end is the right one
    nav_type[7] = NAV_LOC, nav_lat[7] = 34.01f, nav_lon[7] = -117, nav_hdng[7] = 120;
    get_active_rway(a, &rway, &dir, &found, &nav);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(nav, 7);
    EXPECT_EQ(rway, 1);
    EXPECT_EQ(dir, 1);
}

// Down the carrier's approach course: the first call, then too high and slow, then too low,
// then left of the line, then a wave-off too low in close; nothing off the approach.
TEST_F(Atc, LandingSignalOfficerCalls)
{
    flt.psi = 352;
    flt.Alpha = 9;
    const float m = con.nmtomtrs;
    auto at = [&](float nm, float glide_deg, float lateral_m) {
        // south-east of the deck along the 352 course, x east, z south
        atc.cardxyz[0] = -nm * m * std::sin(352 * 3.14159265f / 180) + lateral_m;
        atc.cardxyz[2] = nm * m * std::cos(352 * 3.14159265f / 180);
        atc.cardxyz[1] = nm * m * std::tan(glide_deg * 3.14159265f / 180);
        atc.response[0] = 0;
        LSO_respond();
        return std::string(atc.response);
    };
    EXPECT_EQ(at(6, 3, 0), "");                // beyond 5 nm
    EXPECT_EQ(at(3, 3, 0), "Call the ball.");
    flt.Alpha = 14;
    EXPECT_EQ(at(2, 7, 0), "Power On");
    flt.Alpha = 9;
    EXPECT_EQ(at(1.5f, 0.5f, 0), "Power");
    EXPECT_EQ(at(1.5f, 3, -300), "Right for lineup");   // 300 m west: the deck lies right of the course
    EXPECT_EQ(at(1, 3, 0), "");                // on the glide path, on the line
    EXPECT_EQ(at(0.3f, 0.5f, 0), "Wave Off!");
    flt.psi = 20;                              // turned away: the approach ends
    EXPECT_EQ(at(1, 3, 0), "");
    flt.psi = 352;
    EXPECT_EQ(at(1, 3, 0), "Call the ball.");
}

// A long phrase is cut at 399 characters and stays on the screen 0.1 s a character; with a
// speech engine said to be ready that cannot speak, the pilot is told.
TEST_F(Atc, PhraseIsCutTimedAndAlertsWhenSpeechFails)
{
    msc.elap_time = 100;
    const std::string words(500, 'a');
    speakstring(words.c_str());
    EXPECT_EQ(std::strlen(atc.response), 399u);
    EXPECT_FLOAT_EQ(atc.response_timeout, 100 + 39.9f);
    const int alerts = mnw_alert_count();
    atc.voice_out = 1;
    speakstring("wind check");   // no engine: text only, no alert
    EXPECT_EQ(mnw_alert_count(), alerts);
    msc.speech_avail = 1;        // the silent default engine answers 0
    speakstring("wind check");
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Can't speak ATC command!");
}
