// The stock fleet: every description compiles, matches the published figures of its type,
// and loads without an alert with a sensible build-up (wing aspect ratio and efficiency,
// radii of gyration, downwash and propwash marking the tail).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "acf_text.h"
#include "aircraft/acf_io.h"
#include "aircraft/initpln.h"
#include "support/test_support.h"

namespace {

using orv::planestruct;

// Published figures of the type each description is modelled on (feet, square feet,
// pounds), as cited in the descriptions' comments.
struct FleetType {
    const char* id;
    const char* folder;   // folder and file name under "Aircraft"
    double span, wing_area, length, m_max;
    bool heli;
};

const FleetType kFleet[] = {
    {"trainer", "Trainer 172", 36.08, 174.0, 27.17, 2550, false},
    {"twin", "Twin Baron 55", 37.83, 199.2, 28.0, 5100, false},
    {"turboprop", "Turboprop C90GTi", 50.25, 294.0, 35.5, 10100, false},
    {"bizjet", "Bizjet CJ3", 53.33, 294.0, 51.17, 13870, false},
    // span: main rotor diameter; length: cabin and tail boom, rotors not included
    {"helicopter", "Helicopter R22", 25.17, 0.0, 20.7, 1370, true},
    {"floatplane", "Floatplane Beaver", 48.0, 250.0, 30.25, 5090, false},
    {"carrierjet", "Carrier Jet F18", 37.42, 400.0, 56.0, 51900, false},
};

std::string desc_path(const FleetType& t) {
    return std::string(ORV_SOURCE_DIR) + "/data/aircraft/" + t.id + "/" + t.id + ".txt";
}

std::string joined(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& e : v) s += e + "\n";
    return s;
}

std::unique_ptr<planestruct> compile(const FleetType& t) {
    auto rec = std::make_unique<planestruct>();
    std::vector<std::string> errors;
    EXPECT_TRUE(orv::acfc_compile_file(desc_path(t), *rec, errors)) << t.id << "\n" << joined(errors);
    return rec;
}

bool file_exists(const std::string& p) { return std::ifstream(p).good(); }

// Tip of a surface in the design frame (feet).
double tip_x(const planestruct& p, int part) {
    const double d2r = 3.14159265358979 / 180.0;
    double side = (part % 2 == 0 && part <= 10) ? -1.0 : 1.0;
    return p.Xarm[part] + side * std::cos(p.dihed[part] * d2r) * std::cos(p.sweep1[part] * d2r) * p.semilen[part];
}

TEST(Fleet_Describe, EveryDescriptionCompilesAndNamesItsFolder) {
    for (const FleetType& t : kFleet) {
        auto rec = compile(t);
        std::ifstream f(desc_path(t));
        std::string first;
        std::getline(f, first);
        EXPECT_EQ(first, std::string("# folder: ") + t.folder) << t.id;
        EXPECT_TRUE(rec->asi_units == 1 || rec->asi_units == 2) << t.id;
        EXPECT_GE(rec->numen, 1) << t.id;
        EXPECT_LE(rec->numen, 4) << t.id;
    }
}

TEST(Fleet_Describe, PublishedGeometryAndMasses) {
    for (const FleetType& t : kFleet) {
        SCOPED_TRACE(t.id);
        auto rec = compile(t);
        const planestruct& p = *rec;
        EXPECT_GT(p.m_empty, 0.4 * p.m_max);
        EXPECT_LE(p.m_empty + p.m_fuel, p.m_max);
        EXPECT_NEAR(p.m_max, t.m_max, 0.01 * t.m_max);
        // Bodies, floats and wing tips meet the ground through the skid spring; wheels
        // through their own.
        EXPECT_GT(p.skidcon, 0);
        EXPECT_GT(p.skiddmp, 0);
        if (p.gear_type >= 3) {
            EXPECT_GT(p.mgearcon, 0);
            EXPECT_GT(p.ngearcon, 0);
            EXPECT_GT(p.wheelrad, 0);
            EXPECT_EQ(p.gear_stat[0] + p.gear_stat[1] + p.gear_stat[2], 3);
            EXPECT_LT(p.ngearZ, p.cgZ);  // nose wheel ahead of the centre of gravity,
            EXPECT_GT(p.mgearZ, p.cgZ);  // main wheels behind it
        }

        // Centre of gravity inside the fuselage's stations and outline.
        float zmin = 1e9f, zmax = -1e9f, ymin = 1e9f, ymax = -1e9f;
        for (int s = 0; s < 11; ++s)
            for (int k = 0; k < 16; ++k) {
                zmin = std::fmin(zmin, p.body_Z[18][s][k]);
                zmax = std::fmax(zmax, p.body_Z[18][s][k]);
                ymin = std::fmin(ymin, p.body_Y[18][s][k]);
                ymax = std::fmax(ymax, p.body_Y[18][s][k]);
            }
        EXPECT_GT(p.cgZ, zmin + 0.2 * (zmax - zmin));
        EXPECT_LT(p.cgZ, zmin + 0.7 * (zmax - zmin));
        EXPECT_GT(p.cgY, ymin);
        EXPECT_LT(p.cgY, ymax);
        // Stations in order along the body, as the loader's area sums expect.
        for (int s = 1; s < 11; ++s) EXPECT_GT(p.body_Z[18][s][0], p.body_Z[18][s - 1][0]) << "station " << s;
        EXPECT_NEAR(zmax - zmin, t.length, 0.12 * t.length);

        if (t.heli) {
            EXPECT_EQ(p.is_heli, 1);
            EXPECT_NEAR(2 * p.semilen[0], t.span, 0.02 * t.span);  // main rotor diameter
            EXPECT_GT(p.Vne, 0);
            continue;
        }
        double span = 0, area = 0;
        for (int part = 4; part <= 9; ++part) {
            if (p.semilen[part] <= 0.16f) continue;
            span = std::fmax(span, 2 * std::fabs(tip_x(p, part)));
            // planform: the span line projected on the horizontal plane
            const double d2r = 3.14159265358979 / 180.0;
            area += p.semilen[part] * std::cos(p.sweep1[part] * d2r) * std::cos(p.dihed[part] * d2r) *
                    (p.Croot[part] + p.Ctip[part]) / 2;
        }
        EXPECT_NEAR(span, t.span, 0.03 * t.span);
        EXPECT_NEAR(area, t.wing_area, 0.05 * t.wing_area);
        EXPECT_LT(p.Vso, p.Vs);
        EXPECT_LT(p.Vs, p.Vfe);
        EXPECT_LT(p.Vfe, p.Vno);
        EXPECT_LT(p.Vno, p.Vne);
        EXPECT_GT(p.Vso, 0);
    }
}

TEST(Fleet_Describe, FilesTheAircraftNeedAreInTheDataTree) {
    const std::string tree = ORV_BINARY_DIR;
    ORV_NEED_DATA(file_exists(tree + "/airfoils/NACA 2412 (popular).afl"), "airfoils");
    for (const FleetType& t : kFleet) {
        SCOPED_TRACE(t.id);
        auto rec = compile(t);
        const planestruct& p = *rec;
        for (int part = 0; part < 18; ++part) {
            if (p.semilen[part] <= 0.16f || p.els[part] == 0) continue;
            for (const auto* names : {&p.Rafl0, &p.Rafl1, &p.Tafl0, &p.Tafl1}) {
                std::string n = (*names)[part];
                EXPECT_FALSE(n.empty()) << "part " << part;
                EXPECT_TRUE(file_exists(tree + "/airfoils/" + n)) << n;
            }
        }
        if (p.flap_str[0]) {
            EXPECT_TRUE(file_exists(tree + "/flaps/" + std::string(p.flap_str))) << p.flap_str;
        }
        // The build's file is this description compiled, not a stale one.
        std::string built = tree + "/Aircraft/" + t.folder + "/" + t.folder + ".acf";
        std::string fresh = orv_test::temp_dir("fleet_files") + "/" + t.id + ".acf";
        ASSERT_EQ(orv::write_acf(fresh.c_str(), p, 0), 1);
        EXPECT_TRUE(orv_test::read_file(built) == orv_test::read_file(fresh)) << built;
    }
}

TEST(Fleet_Describe, EachTypeHasItsCharacter) {
    auto get = [](const char* id) {
        for (const FleetType& t : kFleet)
            if (std::strcmp(t.id, id) == 0) return compile(t);
        return std::make_unique<planestruct>();
    };
    auto tr = get("trainer");
    EXPECT_EQ(tr->numen, 1);
    EXPECT_EQ(tr->gear_retract, 0);
    EXPECT_EQ(tr->gear_type, 3);
    EXPECT_GT(tr->Yarm[4], 0);  // high wing
    auto tw = get("twin");
    EXPECT_EQ(tw->numen, 2);
    EXPECT_EQ(tw->gear_retract, 1);
    EXPECT_EQ(tw->varpitchEQ, 1);
    EXPECT_EQ(tw->nace_eq, 1);
    auto tp = get("turboprop");
    EXPECT_EQ(tp->entype, 3);
    EXPECT_EQ(tp->revthrustEQ, 1);
    auto bj = get("bizjet");
    EXPECT_EQ(bj->entype, 5);
    EXPECT_EQ(bj->numen, 2);
    EXPECT_GT(bj->Mmo, 0.6);
    auto he = get("helicopter");
    EXPECT_EQ(he->gear_type, 2);
    EXPECT_EQ(he->collectEQ, 1);
    EXPECT_GT(he->trotor_rat, 1);
    auto fp = get("floatplane");
    EXPECT_EQ(fp->misc_eq, 1);
    EXPECT_GT(fp->misc_X, 0.01);  // two floats
    auto cj = get("carrierjet");
    EXPECT_EQ(cj->entype, 4);
    EXPECT_EQ(cj->arrestingEQ, 1);
    EXPECT_GT(cj->burnerinc, 0);
    EXPECT_EQ(cj->hstabtype, 1);
}

// Loading each aircraft the way the simulator does.
class Fleet_Load : public ::testing::Test {
protected:
    std::string dir;
    char saved_app[orv::PATH_LEN] = {}, saved_wrk[orv::PATH_LEN] = {};
    bool saved = false;
    void SetUp() override {
        ORV_NEED_DATA(file_exists(std::string(ORV_BINARY_DIR) + "/airfoils/NACA 2412 (popular).afl"), "airfoils");
        std::memcpy(saved_app, orv::app_path, sizeof saved_app);
        std::memcpy(saved_wrk, orv::wrk_path, sizeof saved_wrk);
        saved = true;
        orv::set_constants();
        std::memset(static_cast<void*>(&orv::flt), 0, sizeof orv::flt);
        orv::set_app_path(ORV_BINARY_DIR);
        dir = orv_test::temp_dir("fleet_load");
    }
    void TearDown() override {  // other suites of this program keep their own folders
        if (!saved) return;
        std::memcpy(orv::app_path, saved_app, sizeof saved_app);
        std::memcpy(orv::wrk_path, saved_wrk, sizeof saved_wrk);
    }
};

TEST_F(Fleet_Load, EveryAircraftLoadsWithoutAlertAndSensibleBuildUp) {
    using orv::pln;
    for (const FleetType& t : kFleet) {
        SCOPED_TRACE(t.id);
        auto rec = compile(t);
        std::string path = dir + "/" + t.id + ".acf";
        ASSERT_EQ(orv::write_acf(path.c_str(), *rec, 0), 1);
        const int before = orv::mnw_alert_count();
        ASSERT_EQ(orv::load_plane_file(path.c_str()), 1);
        EXPECT_EQ(orv::mnw_alert_count(), before) << orv::mnw_last_alert_line(0) << " / "
                                                  << orv::mnw_last_alert_line(1) << " / "
                                                  << orv::mnw_last_alert_line(2);
        // Radii of gyration against the aircraft's size: roll against the semi-span,
        // pitch against the length, yaw against the mean of span and length (on the
        // usual design-book scale, twice the radius over length, pitch and yaw come out
        // about 0.45 to 0.6 here: the loader spreads the empty mass evenly over the
        // wetted area, which puts more of it in the tail than a real aircraft carries).
        const double span = t.span * 0.3048, length = t.length * 0.3048;
        const double roll = std::sqrt(pln.Jzz_unitmass) / (span / 2);
        const double pitch = std::sqrt(pln.Jxx_unitmass) / length;
        // (a helicopter against its length alone: the rotor is not part of its mass)
        const double yaw = std::sqrt(pln.Jyy_unitmass) / (t.heli ? length : (span + length) / 2);
        EXPECT_GE(roll, 0.2);
        EXPECT_LE(roll, 0.4);
        EXPECT_GE(pitch, 0.2);
        EXPECT_LE(pitch, 0.4);
        EXPECT_GE(yaw, 0.2);
        EXPECT_LE(yaw, 0.4);
        std::printf("%-11s AR %5.2f e %4.2f  radii roll %4.2f pitch %4.2f yaw %4.2f  frontal %5.2f m2\n", t.id,
                    pln.AR[4], pln.e[4], roll, pitch, yaw, pln.fuse_s_frn);

        const int hstab = 10;
        if (t.heli) {
            // No stall: starts and traffic fly it at a slow forward speed, not a wing-area figure.
            EXPECT_NEAR(orv::msc.est_Vs / 0.514444, 40.0, 0.5);
        } else {
            // Weight and wing area agree with the published clean stall speed.
            const double est_kt = orv::msc.est_Vs / 0.514444;
            EXPECT_NEAR(est_kt, pln.Vs, 0.25 * pln.Vs);
            EXPECT_GT(pln.AR[4], 2.5);
            EXPECT_LT(pln.AR[4], 11.0);
            EXPECT_GE(pln.e[4], 0.5);
            EXPECT_LE(pln.e[4], 1.0);
            // The wing's downwash reaches the horizontal tail.
            int marked = 0;
            for (int cause = 4; cause <= 9; ++cause)
                for (int k = 0; k < pln.els[hstab]; ++k) marked += pln.in_downwash[hstab][cause][k];
            EXPECT_GT(marked, 0);
        }
        // Propeller or rotor wash reaches the tail of every propeller-driven type.
        if (pln.entype >= 1 && pln.entype <= 3) {
            int marked = 0;
            for (int part = 10; part <= 13; ++part)
                for (int e = 0; e < 4; ++e)
                    for (int k = 0; k < 8; ++k) marked += pln.in_propwash[part][e][k];
            EXPECT_GT(marked, 0);
        }
    }
}

}  // namespace
