// The shipped airfoil files read through the simulator's own reader: no alert, and the
// tables land in the right slots with the values the generator computed.
#include "afoilgen_core.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "aircraft/afl_io.h"
#include "aircraft/initpln.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

struct shipped { const char* file; const char* sec; int slot; };

const shipped kFiles[] = {
    {"NACA 2412 (popular).afl", "NACA 2412 (popular).sec", 0},
    {"NACA 2412 (popular) high Re.afl", "NACA 2412 (popular).sec", 1},
    {"NACA 0009 (symmetrical).afl", "NACA 0009 (symmetrical).sec", 0},
    {"Clark-Y (good propeller).afl", "Clark-Y (good propeller).sec", 0},
    {"NACA 0012 (helicopter rotor).afl", "NACA 0012 (helicopter rotor).sec", 0},
    {"NACA 64-212 (laminar jet wing) high Re.afl", "NACA 64-212 (laminar jet wing).sec", 1},
    {"NACA 64A204 (thin supersonic).afl", "NACA 64A204 (thin supersonic).sec", 0},
};

TEST(AfoilGen_Grabafoil, ShippedAirfoilsLoadWithoutAnAlert)
{
    ORV_NEED_DATA(fs::exists(std::string(ORV_BINARY_DIR) + "/airfoils/NACA 2412 (popular).afl"), "airfoils");
    char saved[orv::PATH_LEN];
    std::snprintf(saved, sizeof saved, "%s", orv::app_path);
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s\\", ORV_BINARY_DIR);

    int part = 4;
    for (const shipped& s : kFiles) {
        SCOPED_TRACE(s.file);
        orv::afg_section sec;
        std::string err;
        ASSERT_TRUE(orv::afg_read_section(std::string(ORV_SOURCE_DIR) + "/data/airfoils/" + s.sec, sec, err)) << err;
        orv::afg_tables t;
        orv::afg_build_tables(sec.re[s.slot], t);

        // Different part, root/tip and Reynolds slot each time: nothing may spill over.
        int rt = part & 1, re = (part >> 1) & 1;
        float alpha = -1;
        int alerts = orv::mnw_alert_count();
        ASSERT_EQ(orv::grabafoil(s.file, part, rt, re, &alpha), 1);
        EXPECT_EQ(orv::mnw_alert_count(), alerts) << orv::mnw_last_alert_line(0);
        EXPECT_NEAR(alpha, sec.re[s.slot].stall, 1e-3);
        EXPECT_NEAR(orv::afl.Re[part][rt][re], sec.re[s.slot].re, 1e-3);
        EXPECT_NEAR(orv::afl.trat[part][rt][re], sec.trat, 1e-4);
        EXPECT_NEAR(orv::afl.clM[part][rt][re], t.clM, 1e-5);
        EXPECT_NEAR(orv::afl.clB[part][rt][re], t.clB, 1e-5);
        EXPECT_NEAR(orv::afl.al_zl[part][rt][re], -t.clB / t.clM, 1e-3);
        EXPECT_NEAR(orv::afl.cmal2[part][rt][re], t.cmal2, 1e-4);
        EXPECT_NEAR(orv::afl.cmal3[part][rt][re], t.cmal3, 1e-4);
        EXPECT_NEAR(orv::afl.cm1[part][rt][re], t.cm1, 1e-4);
        EXPECT_NEAR(orv::afl.cm4[part][rt][re], t.cm4, 1e-4);
        for (int i = 0; i < orv::AFG_NCD; ++i) {
            ASSERT_NEAR(orv::afl.cdpos[part][rt][re][i], t.cdpos[i], 1e-5) << i;
            ASSERT_NEAR(orv::afl.cdneg[part][rt][re][i], t.cdneg[i], 1e-5) << i;
        }
        for (int i = 0; i < orv::AFG_NCL; ++i) {
            ASSERT_NEAR(orv::afl.clpos[part][rt][re][i], t.clpos[i], 1e-5) << i;
            ASSERT_NEAR(orv::afl.clneg[part][rt][re][i], t.clneg[i], 1e-5) << i;
        }
        ++part;
    }
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s", saved);
}

TEST(AfoilGen_Grabafoil, ShippedFlapsLoadThroughTheLoader)
{
    ORV_NEED_DATA(fs::exists(std::string(ORV_BINARY_DIR) + "/flaps/plain flap.flp"), "flaps");
    char saved[orv::PATH_LEN];
    std::snprintf(saved, sizeof saved, "%s", orv::app_path);
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s\\", ORV_BINARY_DIR);
    orv::set_constants();
    for (const char* name : {"plain flap", "split flap", "slotted flap"}) {
        SCOPED_TRACE(name);
        orv::afg_flap flp;
        std::string err;
        ASSERT_TRUE(orv::afg_read_flap(std::string(ORV_SOURCE_DIR) + "/data/flaps/" + name + ".fsec", flp, err)) << err;
        // A bare aircraft with flaps: the design checks complain, the flap table must load.
        std::memset(&orv::pln, 0, sizeof orv::pln);
        orv::pln.flapEQ = 1;
        std::snprintf(orv::pln.flap_str, sizeof orv::pln.flap_str, "%s.flp", name);
        orv::finishplane(3);
        for (int f = 0; f < orv::AFG_FLAP_SETTINGS; ++f) {
            double cl, cd, cm;
            orv::afg_flap_at(flp, f, &cl, &cd, &cm);
            ASSERT_NEAR(orv::pln.clflap[f], cl, 1e-5) << f;
            ASSERT_NEAR(orv::pln.cdflap[f], cd, 1e-5) << f;
            ASSERT_NEAR(orv::pln.cmflap[f], cm, 1e-5) << f;
        }
        EXPECT_GT(orv::pln.clflap[50], 0.5f);
    }
    std::memset(&orv::pln, 0, sizeof orv::pln);
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s", saved);
}

}  // namespace
