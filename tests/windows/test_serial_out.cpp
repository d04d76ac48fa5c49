// Serial output through the recording back end: the port following the mode, the records and
// their rates, the failures told once, the NMEA fields at the edges of the globe and the day,
// and window 8's typed fields.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_script.h"
#include "app/app_start.h"
#include "flight/flight_sim.h"
#include "support/serial_recorder.h"
#include "support/test_support.h"
#include "windows/serial_out.h"

using namespace orv;

namespace {

class SerialOut : public ::testing::Test {
protected:
    orv_test::serial_log* log = nullptr;
    void SetUp() override
    {
        set_constants();
        serial_close();
        log = &orv_test::serial_recorder_install();
        std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "/dev/ttyTEST");
        ser_cfg.udp_target[0] = 0;
        set.serout = 0;
        msc.init_time = 1;
        msc.locl_time = 100;   // early in the day: the float clock steps finely
        serial_output();   // mode 0 seen
    }
    void TearDown() override
    {
        serial_close();
        plat_serial_install(nullptr);
        std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "%s", SERIAL_DEFAULT_DEVICE);
        ser_cfg.udp_target[0] = 0;
    }
    void frames(int n, float prd = 0.05f)
    {
        for (int i = 0; i < n; i++) {
            msc.prd = prd;
            msc.locl_time += prd;
            serial_output();
        }
    }
    float record_float(int record_bytes, int record, int index) const
    {
        float v;
        std::memcpy(&v, log->port_bytes.data() + record * record_bytes + 4 * index, 4);
        return v;
    }
};

TEST_F(SerialOut, ModeTwoToFourReopensAt38400AndEachRecordComesTenTimesASecond)
{
    set.serout = 2;
    frames(20);                                           // one second
    EXPECT_EQ(log->port_bytes.size(), 10u * 9 * 4);
    flt.X = 1000;                                         // metres, sent in feet
    msc.elap_time = 12.5f;
    set.serout = 4;
    frames(20);
    const std::vector<std::string> want = {"open /dev/ttyTEST", "baud 38400", "flow", "close",
                                           "open /dev/ttyTEST", "baud 38400", "flow"};
    EXPECT_EQ(log->calls, want);
    ASSERT_EQ(log->port_bytes.size(), 10u * 36 + 10u * 40);
    log->port_bytes.erase(0, 360);
    EXPECT_EQ(record_float(40, 0, 0), SERIAL_RECORD_MARK);
    EXPECT_FLOAT_EQ(record_float(40, 0, 1), 12.5f);
    EXPECT_NEAR(record_float(40, 0, 7), 3280.84f, 0.01f);

    // A frame period that does not divide a tenth still gives ten a second.
    log->port_bytes.clear();
    frames(100, 0.03f);
    EXPECT_NEAR(log->port_bytes.size() / 40.0, 30, 1);
}

TEST_F(SerialOut, MotionSeatBytesStopAtThirtyDegreesAndGoOneByOne)
{
    flt.phi = -45;
    flt.the = 15;
    set.serout = 3;
    frames(1);
    EXPECT_EQ(log->calls[1], "baud 2400");
    ASSERT_EQ(log->port_bytes.size(), 3u);
    EXPECT_EQ(log->port_bytes, std::string("P\x00\xBE", 3));   // roll full left, pitch half up
    EXPECT_EQ(log->write_sizes, std::vector<int>({1, 1, 1}));
}

TEST_F(SerialOut, FailuresAreToldOnceAndTheFlightGoesOn)
{
    log->open_answer = PLAT_SERIAL_ALREADY_OPEN;
    const int alerts = mnw_alert_count();
    set.serout = 1;
    frames(40);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Serial port error:");
    EXPECT_STREQ(mnw_last_alert_line(1), "Already open");
    EXPECT_TRUE(log->port_bytes.empty());

    log->open_answer = 0;
    log->baud_answer = PLAT_SERIAL_BAD_BAUD;
    set.serout = 5;
    frames(2);
    EXPECT_STREQ(mnw_last_alert_line(0), "Baud-rate error:");
    EXPECT_STREQ(mnw_last_alert_line(1), "Unsupported baud rate");
    EXPECT_EQ(log->calls.back(), "close");               // a port at the wrong rate is not used
    EXPECT_TRUE(log->port_bytes.empty());

    log->baud_answer = 0;
    log->write_keeps = 2;                                 // the receiver takes two bytes a record
    set.serout = 2;
    frames(40);
    EXPECT_EQ(mnw_alert_count(), alerts + 3);
    EXPECT_STREQ(mnw_last_alert_line(0), "Could not output serial port data!");
    log->write_keeps = -1;
    frames(2);
    log->write_keeps = 0;
    frames(2);
    EXPECT_EQ(mnw_alert_count(), alerts + 4);             // told again after a good write
}

TEST_F(SerialOut, NmeaAcrossTheAntimeridianAndTheEquatorGoesToTheUdpTargetToo)
{
    std::snprintf(ser_cfg.udp_target, sizeof ser_cfg.udp_target, "[::1]:10110");
    flt.lat = -0.5f;
    flt.lon = 180.25f;                                     // a region east of the antimeridian
    env.mvar = -11;
    msc.zulu_time = 3723.456f;
    frames(21);                                            // mode 0: only the network
    ASSERT_EQ(log->datagrams.size(), 2u);
    EXPECT_EQ(log->calls[0], "udp ::1 10110");
    const std::string& s = log->datagrams[0];
    EXPECT_EQ(s.rfind("$GPRMC,010203.46,A,0030.0000,S,17945.0000,W,", 0), 0u) << s;
    EXPECT_NE(s.find(",11.0,E*"), std::string::npos) << s;
    EXPECT_NE(s.find("\r\n$GPGGA,010203.46,0030.0000,S,17945.0000,W,1,06,"), std::string::npos) << s;

    flt.lat = 33.99999999f;                                // minutes that round up to the next degree
    flt.lon = -117;
    char pair[400];
    nmea_sentences(pair, sizeof pair, 0);
    EXPECT_NE(std::strstr(pair, ",3400.0000,N,11700.0000,W,"), nullptr) << pair;
}

TEST(Nmea, DateIsTheDayNearestTheWallClockAndTargetsNeedAHostAndPort)
{
    const std::time_t dec31_2026_2359 = 1798761540;        // 2026-12-31 23:59:00 UTC
    char d[7];
    nmea_date(30, dec31_2026_2359, d);                     // 00:00:30 UTC: the next day, next year
    EXPECT_STREQ(d, "010127");
    nmea_date(86000, dec31_2026_2359 + 120, d);           // 23:53 UTC seen just after midnight
    EXPECT_STREQ(d, "311226");

    char err[200];
    for (const char* good : {"tablet.local:10110", "192.168.1.20:4352", "[fe80::1]:1"})
        EXPECT_EQ(serial_udp_target_valid(good, err, sizeof err), 1) << good;
    for (const char* bad : {"tablet.local", ":10110", "host:0", "host:65536", "host:12x", "fe80::1:10110", "[]:5"})
        EXPECT_EQ(serial_udp_target_valid(bad, err, sizeof err), 0) << bad;
}

// Window 8 in the program: the typed fields reach the output only when the typing ends.
TEST(SerialWindow, TypedPortAndUdpTargetAreTakenOnEnterAndABadTargetIsRefused)
{
    ORV_NEED_DATA(!orv_test::stock_aircraft("trainer").empty(), "stock aircraft");
    ASSERT_EQ(orv_test::sim_start("trainer"), 1);
    register_panel_commands();
    char err[200];
    ASSERT_EQ(script_parse_line("at 0 window 8", 1, err, sizeof err), 1) << err;
    MACIBM_event_proc();
    ASSERT_EQ(mnw.topwin, 8);
    std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "/dev/ttyUSB0");
    ser_cfg.udp_target[0] = 0;
    auto click = [&](int x, int y) {
        char t[60];
        std::snprintf(t, sizeof t, "at 0 click %d %d", mnw.x + x, mnw.y + y);
        ASSERT_EQ(script_parse_line(t, 1, err, sizeof err), 1) << err;
        MACIBM_event_proc();
    };
    auto type = [](const char* s) {
        for (; *s; s++) MACIBM_handlekey(*s);
        MACIBM_event_proc();
    };
    click(300, 25);                                        // the UDP field
    type("nohost");
    EXPECT_EQ(mnw.topwin, 8);                              // keys typed do not close the window
    MACIBM_handlekey(13);
    MACIBM_event_proc();
    EXPECT_STREQ(ser_cfg.udp_target, "");                  // refused: no port
    click(300, 25);
    for (int i = 0; i < 6; i++) MACIBM_handlekey(8);
    type("10.0.0.7:2000");
    click(300, 51);                                        // the port field takes the keyboard
    type("1");
    EXPECT_STREQ(ser_cfg.udp_target, "10.0.0.7:2000");
    EXPECT_STREQ(ser_cfg.device, "/dev/ttyUSB0");          // still being typed
    MACIBM_handlekey(13);
    MACIBM_event_proc();
    EXPECT_STREQ(ser_cfg.device, "/dev/ttyUSB01");
    ASSERT_EQ(script_parse_line("at 0 key x", 1, err, sizeof err), 1) << err;
    MACIBM_event_proc();
    EXPECT_EQ(mnw.topwin, 0);                              // the keyboard is the window's again
    std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "%s", SERIAL_DEFAULT_DEVICE);
    ser_cfg.udp_target[0] = 0;
}

}  // namespace
