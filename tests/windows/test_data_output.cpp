// Data output: the groups' values in their labels' units, the choices' first ten and first
// four, the graph's ring of the last frames, the lines of the output file and the log's columns.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "app/app_log.h"
#include "app/app_main.h"
#include "flight/flight_sim.h"
#include "support/test_support.h"
#include "windows/data_groups.h"
#include "windows/data_output.h"

using namespace orv;

namespace {

float value(int g, int k)
{
    float v[GROUP_VALUES];
    data_group_values(g, v);
    return v[k];
}

// One group of each unit kind against the flight record, converted here with the textbook
// factors rather than the program's own.
TEST(DataGroups, EachUnitKindAgainstTheFlightRecordOfATwin)
{
    ORV_NEED_DATA(!orv_test::stock_aircraft("twin").empty(), "stock aircraft");
    ASSERT_EQ(orv_test::sim_start("twin"), 1);
    orv_test::sim_calm_isa();
    orv_test::sim_air_start(3000, 150, 90);
    orv_test::pilot_reset();
    orv_test::sim_fly(5, [] { orv_test::pilot_hold_height(3000); });

    EXPECT_NEAR(value(15, 0), flt.av / 0.514444f, 0.05f);                  // knots
    EXPECT_NEAR(value(16, 0), flt.vY * 196.850f, 0.5f);                    // feet a minute
    EXPECT_NEAR(value(26, 2), (float)flt.Y / 0.3048f, 0.5f);               // feet
    EXPECT_NEAR(value(19, 0), flt.Qstatic / 47.8803f, 0.01f);              // pounds a square foot
    EXPECT_NEAR(value(4, 0), atm.rho / 515.379f, 1e-6f);                   // slugs a cubic foot
    EXPECT_NEAR(value(29, 1), flt.thrust[1] / 4.44822f, 0.5f);             // the second engine's pounds
    EXPECT_GT(value(29, 1), 50.0f);
    EXPECT_NEAR(value(28, 1), flt.power[1] / 745.700f, 0.1f);              // horsepower
    EXPECT_NEAR(value(36, 1), flt.ff_[1] * 2.20462f * 3600, 0.5f);        // pounds an hour
    EXPECT_NEAR(value(31, 0), flt.tac[0] * 60 / 6.283185f, 0.5f);          // rpm
    EXPECT_NEAR(value(2, 0), msc.locl_time / 3600, 1e-4f);                 // hours
    EXPECT_NEAR(value(17, 1), 1.0f, 0.1f);                                 // level flight pulls one g
    EXPECT_NEAR(value(25, 0) / 6076.12f, value(25, 1), 1e-3f * value(25, 1) + 1e-3f);   // feet and miles agree
    float none[GROUP_VALUES];
    EXPECT_EQ(data_group_values(50, none), 0);
}

TEST(DataOutput, FirstTenOnTheScreenFirstFourOnTheGraphAndTheRingKeepsTheLastFrames)
{
    std::memset(set.Brlt, 0, sizeof set.Brlt);
    std::memset(set.Bgrf, 0, sizeof set.Bgrf);
    std::memset(set.Bdsk, 0, sizeof set.Bdsk);
    for (int g = 2; g < 50; g += 4) set.Brlt[g] = 1;                     // twelve groups
    for (int g : {1, 7, 13, 22, 30, 49}) set.Bgrf[g] = 1;                // six groups
    set_rlt_grf_choices();
    EXPECT_EQ(set.rltsel[0], 2);
    EXPECT_EQ(set.rltsel[9], 38);                                        // 42 and 46 are left out
    EXPECT_EQ(set.grfsel[3], 22);
    EXPECT_EQ(set.rltout + set.grfout + set.dskout, 2);

    const int extra = 37;
    for (int f = 0; f < GRAPH_SAMPLES + extra; f++) {
        msc.elap_time = (float)f;                                        // group 1: the time
        msc.prd = 0.05f;
        update_graph();
    }
    EXPECT_EQ(graph_samples(), GRAPH_SAMPLES);
    EXPECT_EQ(grf.graphstruct_full, 1);
    EXPECT_EQ(grf.data[0][0][grf.indexstart], (float)extra);             // the oldest frame kept
    EXPECT_EQ(grf.data[0][0][grf.cntr], (float)(GRAPH_SAMPLES + extra - 1));
    for (int n = 1; n < GRAPH_SAMPLES; n++)
        ASSERT_EQ(grf.data[0][0][graph_index(n)], grf.data[0][0][graph_index(n - 1)] + 1) << n;

    set_rlt_grf_choices();                                               // a new choice starts afresh
    EXPECT_EQ(graph_samples(), 0);
    EXPECT_EQ(grf.data[3][0][GRAPH_SAMPLES - 1], GRAPH_EMPTY);
}

TEST(DataOutput, DiskLinesAndLogColumnsCarryTheChosenGroups)
{
    ORV_NEED_DATA(!orv_test::stock_aircraft("trainer").empty(), "stock aircraft");
    ASSERT_EQ(orv_test::sim_start("trainer"), 1);
    std::memset(set.Bdsk, 0, sizeof set.Bdsk);
    set.Bdsk[26] = set.Bdsk[32] = 1;
    set_rlt_grf_choices();
    ASSERT_TRUE(trk.is_open());
    const long start = (long)trk.tellp();
    data_out(1);
    data_out(0);
    trk.flush();
    std::ifstream in("Vantorel.out");
    in.seekg(start);
    std::string labels, values;
    std::getline(in, labels);
    std::getline(in, values);
    EXPECT_EQ(labels.substr(0, 29), " LAT  deg  LON  deg  ALT   ft");
    EXPECT_NE(labels.find("PTCH  deg PTCH  deg"), std::string::npos);
    float lat, lon, alt;
    ASSERT_EQ(std::sscanf(values.c_str(), "%f %f %f", &lat, &lon, &alt), 3) << values;
    EXPECT_NEAR(lat, flt.lat, 1e-3f);
    EXPECT_NEAR(lon, flt.lon, 1e-3f);
    EXPECT_NEAR(alt, (float)flt.Y / 0.3048f, 1.0f);

    app_options o;
    char err[200], a0[] = "vantorel", a1[] = "--log-groups", good[] = "26,32,26", bad[] = "3,,50";
    char* bad_args[] = {a0, a1, bad};
    EXPECT_EQ(parse_command_line(3, bad_args, &o, err, sizeof err), 0);
    char* ok_args[] = {a0, a1, good};
    ASSERT_EQ(parse_command_line(3, ok_args, &o, err, sizeof err), 1) << err;
    EXPECT_EQ(o.log_group_count, 2);                                     // the repeated group once

    const std::string path = orv_test::temp_dir("log_groups") + "/run.csv";
    flight_log_set_groups(o.log_groups, o.log_group_count);
    ASSERT_EQ(flight_log_open(path.c_str()), 1);
    flight_log_close();
    flight_log_set_groups(nullptr, 0);
    std::istringstream csv(orv_test::read_file(path));
    std::string head, row;
    std::getline(csv, head);
    std::getline(csv, row);
    EXPECT_NE(head.find(",g26_LAT_deg,g26_LON_deg,g26_ALT_ft,g32_PTCH_deg_1,"), std::string::npos) << head;
    EXPECT_NE(head.find(",g32_PTCH_deg_4"), std::string::npos);
    int head_cols = 0, row_cols = 0;
    for (char c : head) head_cols += c == ',';
    for (char c : row) row_cols += c == ',';
    EXPECT_EQ(row_cols, head_cols);
}

}  // namespace
