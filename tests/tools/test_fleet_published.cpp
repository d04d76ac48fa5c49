// The stock fleet against the published figures of the one real type each aircraft is
// modelled on: overall height, engines, rotor speed, the tail's arrangement, and the
// reference table that later validates the flying aircraft naming that same type.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "2-QZutils/records.h"
#include "acf_text.h"
#include "afoilgen_core.h"
#include "support/test_support.h"

namespace {

using orv::planestruct;

struct Published {
    const char* id;
    const char* type_key;  // names the type in the description's header and in the table
    double height;         // ft, ground to the highest point; 0 where no figure is cited
    double power;          // per engine: hp (propellers, rotors) or dry lbf (jets)
    int numen;
};

// Heights: 172S handbook 8 ft 11 in; B55 9 ft 7 in; C90GTi 14 ft 3 in; CJ3 15 ft 2 in;
// R22 8 ft 11 in (to the top of the rotor hub); F/A-18C 15 ft 3.5 in.
const Published kTypes[] = {
    {"trainer", "Cessna 172S", 8.92, 180, 1},
    {"twin", "Baron B55", 9.58, 260, 2},
    {"turboprop", "King Air C90GTi", 14.25, 550, 2},
    {"bizjet", "Citation CJ3", 15.17, 2820, 2},
    {"helicopter", "R22", 8.92, 124, 1},
    {"floatplane", "Beaver", 0.0, 450, 1},
    {"carrierjet", "F/A-18C", 15.29, 11000, 2},
};

std::string desc_path(const char* id) {
    return std::string(ORV_SOURCE_DIR) + "/data/aircraft/" + id + "/" + id + ".txt";
}

std::unique_ptr<planestruct> compile(const char* id) {
    auto rec = std::make_unique<planestruct>();
    std::vector<std::string> errors;
    const bool ok = orv::acfc_compile_file(desc_path(id), *rec, errors);
    std::string all;
    for (const auto& e : errors) all += e + "\n";
    EXPECT_TRUE(ok) << id << "\n" << all;
    return rec;
}

const double kD2r = 3.14159265358979 / 180.0;

// Height of a surface's tip above its root (design frame, feet).
double tip_rise(const planestruct& p, int part) {
    return std::sin(p.dihed[part] * kD2r) * std::cos(p.sweep1[part] * kD2r) * p.semilen[part];
}

// Highest point of the airframe: fuselage outline, lifting surfaces and rotor hub.
double top_of(const planestruct& p) {
    double top = -1e9;
    for (int s = 0; s < 18; ++s)
        for (int k = 0; k < 16; ++k)
            if (p.body_Z[18][s][k] != 0 || p.body_Y[18][s][k] != 0) top = std::fmax(top, p.body_Y[18][s][k]);
    for (int part = 4; part <= 17; ++part) {
        if (p.semilen[part] <= 0.16f) continue;
        top = std::fmax(top, p.Yarm[part]);
        top = std::fmax(top, p.Yarm[part] + tip_rise(p, part));
    }
    if (p.is_heli) top = std::fmax(top, p.Yarm[0]);
    return top;
}

// The ground line under the aircraft at rest: tyres, skids or float keels.
double ground_of(const planestruct& p) {
    if (p.gear_type >= 3) return std::fmin(p.ngearY, p.mgearY) - p.wheelrad;
    if (p.gear_type == 2) return p.skidY;
    double g = 1e9;
    for (int part = 23; part <= 24; ++part)
        for (int s = 0; s < 18; ++s)
            for (int k = 0; k < 16; ++k)
                if (p.body_Y[part][s][k] != 0 || p.body_Z[part][s][k] != 0)
                    g = std::fmin(g, p.misc_Y + p.body_Y[part][s][k]);
    return g;
}

TEST(Fleet_Published, HeightEnginesAndRotorOfTheType) {
    for (const Published& t : kTypes) {
        SCOPED_TRACE(t.id);
        auto rec = compile(t.id);
        const planestruct& p = *rec;
        const double height = top_of(p) - ground_of(p);
        std::printf("%-11s height %5.2f ft (published %5.2f)\n", t.id, height, t.height);
        if (t.height > 0) {
            EXPECT_NEAR(height, t.height, 0.08 * t.height);
        }
        // a height that cannot stand: the airframe below its own ground line
        EXPECT_GT(height, 4.0);

        EXPECT_EQ(p.numen, t.numen);
        if (p.entype >= 1 && p.entype <= 3) {
            EXPECT_NEAR(p.pmax, t.power, 0.01 * t.power);
            EXPECT_GT(p.omegamax, p.omegamin);
            EXPECT_GE(p.omegamaxgreen, p.omegamingreen);
            EXPECT_LE(p.omegamaxgreen, p.omegamax);
            EXPECT_GT(p.gearrat, 0.0f);
            for (int e = 0; e < p.numen; ++e) {
                EXPECT_GE(p.numblades[e], 2.0f);
                EXPECT_GE(p.maxpitch[e], p.minpitch[e]);
                EXPECT_GT(p.miprop[e], 0.0f);
            }
            if (p.entype <= 2) {
                EXPECT_GT(p.mpmax, 0.0f);  // the loader refuses a piston without it
            }
        } else {
            EXPECT_NEAR(p.tmax, t.power, 0.01 * t.power);
            EXPECT_GT(p.spooltime, 0.0f);
            EXPECT_GT(p.facejet, 0.0f);
        }
    }
}

TEST(Fleet_Published, TypeCharacterTheFlightModelNeeds) {
    // R22: 530 rotor rpm at 104 %, the tail rotor about 6.4 times faster.
    auto he = compile("helicopter");
    EXPECT_NEAR(he->omegamax / he->gearrat, 530.0, 10.0);
    EXPECT_NEAR(he->trotor_rat, 6.4, 0.2);
    EXPECT_EQ(he->collectEQ, 1);
    EXPECT_GT(he->maxpitch[0], he->minpitch[0]);  // collective range
    EXPECT_GT(he->elevcyclic, 0.0f);
    EXPECT_GT(he->ailncyclic, 0.0f);
    EXPECT_NEAR(he->vertcant[0], 90.0f, 0.01f);      // main rotor thrust straight up
    EXPECT_NEAR(std::fabs(he->sidecant[1]), 90.0f, 0.01f);  // tail rotor thrust sideways

    // CJ3: a T-tail, the stabiliser on top of the fin.
    auto bj = compile("bizjet");
    const double fin_tip = bj->Yarm[12] + tip_rise(*bj, 12);
    EXPECT_NEAR(bj->Yarm[10], fin_tip, 0.5);
    EXPECT_NEAR(bj->Yarm[11], fin_tip, 0.5);

    // F/A-18C: afterburner near 17,700 lbf in all, stabilators, hook, roll travel symmetric.
    auto cj = compile("carrierjet");
    EXPECT_NEAR(cj->tmax + cj->burnerinc, 17700.0, 200.0);
    EXPECT_EQ(cj->hstabtype, 1);
    EXPECT_EQ(cj->hstbtrimmax, 0.0f);
    EXPECT_EQ(cj->arrestingEQ, 1);
    EXPECT_EQ(cj->ailn_up, cj->ailn_dn);
    int elev = 0;
    for (int part = 10; part <= 11; ++part)
        for (int k = 0; k < 8; ++k) elev += cj->elev[part][k];
    EXPECT_EQ(elev, 0);  // a stabilator carries no elevator

    // C90GTi: PT6A-135A flat rated to 550 shp and holding it to about 20,000 ft (the earlier
    // C90's PT6A-21 lost it above a few thousand feet), four-blade propellers, Vmo 226 KIAS,
    // Mmo 0.46, Vso 77 KIAS at 10,100 lb.
    auto tp = compile("turboprop");
    EXPECT_NEAR(tp->critalt, 20000.0, 1000.0);
    EXPECT_EQ(tp->numblades[0], 4.0f);
    EXPECT_EQ(tp->numblades[1], 4.0f);
    EXPECT_EQ(tp->Vne, 226.0f);
    EXPECT_NEAR(tp->Mmo, 0.46, 0.005);
    EXPECT_EQ(tp->Vso, 77.0f);
    EXPECT_EQ(tp->m_max, 10100.0f);
    EXPECT_NEAR(tp->m_fuel, 2573.0, 5.0);  // 384 US gal usable
    // The governor's coarse stop must reach the blade angle of the 272 kt cruise at FL290
    // at 1900 rpm, else the propeller overspeeds or the cruise is out of reach.
    {
        const double v = 272 * 1.68781, n = 1900.0 / 60.0, r = tp->semilen[0];
        const double advance = std::atan(v / (2 * 3.14159265358979 * r * n)) / kD2r;
        EXPECT_GT(tp->maxpitch[0], advance + 2.0);
        EXPECT_LT(tp->minpitch[0], 12.0f);  // and its fine stop lets it spin up on the ground
    }

    // Beaver: two floats resting the aircraft on the water, no wheels.
    auto fp = compile("floatplane");
    EXPECT_LT(fp->gear_type, 2);
    EXPECT_LT(fp->misc_Y, 0.0f);
    EXPECT_NEAR(fp->h_eqlbm / 0.3048, fp->cgY - ground_of(*fp), 0.3);
}

// At rest at maximum weight each wheel carries its share of the weight by the lever of the
// wheel positions about the centre of gravity; springs that do not match those shares squat
// the aircraft nose-down or tail-down on the ground (a propeller nearer the runway, a
// take-off run at the wrong attitude).
TEST(Fleet_Published, GearRestsLevelOnItsSprings) {
    for (const Published& t : kTypes) {
        auto rec = compile(t.id);
        const planestruct& p = *rec;
        if (p.gear_type < 3) continue;
        SCOPED_TRACE(t.id);
        const double w = p.m_max * 0.4536 * 9.81;
        const double nose_share = (p.mgearZ - p.cgZ) / (p.mgearZ - p.ngearZ);
        ASSERT_GT(nose_share, 0.03);  // enough weight on the nose wheel to steer
        ASSERT_LT(nose_share, 0.5);
        const double nose_def = nose_share * w / p.ngearcon;
        const double main_def = (1.0 - nose_share) / 2.0 * w / p.mgearcon;
        EXPECT_NEAR(nose_def, main_def, 0.01) << "nose " << nose_def << " m, mains " << main_def << " m";
        EXPECT_GT(main_def, 0.02);  // a strut that gives
        EXPECT_LT(main_def, 0.40);
        // dampers between a third and the whole of the critical damping of their leg
        const double crit_n = 2.0 * std::sqrt(p.ngearcon * nose_share * w / 9.81);
        const double crit_m = 2.0 * std::sqrt(p.mgearcon * (1.0 - nose_share) / 2.0 * w / 9.81);
        EXPECT_GT(p.ngeardmp, 0.3 * crit_n);
        EXPECT_LT(p.ngeardmp, 1.0 * crit_n);
        EXPECT_GT(p.mgeardmp, 0.3 * crit_m);
        EXPECT_LT(p.mgeardmp, 1.0 * crit_m);
    }
}

// The flight model's full flap setting is the flap file's last deflection: it must be the
// type's own full flap, or full flaps give the lift of a deflection the type never reaches.
TEST(Fleet_Published, FullFlapIsTheTypesFullDeflection) {
    struct { const char* id; double full; } flaps[] = {
        {"trainer", 30.0},  // 172S handbook: flaps 0 to 30 degrees
        {"bizjet", 35.0},   // CJ3 flight manual: 15 degrees take-off, 35 landing
    };
    for (const auto& t : flaps) {
        SCOPED_TRACE(t.id);
        auto rec = compile(t.id);
        std::string flp = rec->flap_str;
        ASSERT_GT(flp.size(), 4u);
        ASSERT_EQ(flp.substr(flp.size() - 4), ".flp");
        orv::afg_flap f;
        std::string err;
        ASSERT_TRUE(orv::afg_read_flap(std::string(ORV_SOURCE_DIR) + "/data/flaps/" + flp.substr(0, flp.size() - 4) +
                                           ".fsec",
                                       f, err))
            << err;
        EXPECT_NEAR(f.max_def, t.full, 0.01);
    }
}

// One CSV line split on commas (the table keeps commas out of its fields).
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::string f;
    std::istringstream is(line);
    while (std::getline(is, f, ',')) out.push_back(f);
    return out;
}

TEST(Fleet_Published, ReferenceTableNamesTheModelledType) {
    const std::string table = orv_test::read_file(std::string(ORV_SOURCE_DIR) + "/tests/data/aircraft_reference.csv");
    ASSERT_FALSE(table.empty());
    for (const Published& t : kTypes) {
        SCOPED_TRACE(t.id);
        // The description's header names the type.
        const std::string desc = orv_test::read_file(desc_path(t.id));
        const size_t m = desc.find("# Modelled on ");
        ASSERT_NE(m, std::string::npos);
        EXPECT_NE(desc.substr(m, desc.find('\n', m) - m).find(t.type_key), std::string::npos);

        auto rec = compile(t.id);
        std::istringstream is(table);
        std::string line;
        int rows = 0;
        double max_weight = 0, empty_weight = 0;
        while (std::getline(is, line)) {
            auto f = fields(line);
            if (f.size() < 4 || f[0] != t.id) continue;
            ++rows;
            // Every row of an aircraft is of the type it is modelled on (a variant is named
            // as such in the row's conditions).
            EXPECT_NE(f[1].find(t.type_key), std::string::npos) << line;
            if (f[2] == "max_weight") max_weight = std::atof(f[3].c_str());
            if (f[2] == "empty_weight") empty_weight = std::atof(f[3].c_str());
        }
        EXPECT_GT(rows, 0);
        EXPECT_NEAR(max_weight, rec->m_max, 0.05 * rec->m_max);
        // Every aircraft is validated against the table's figures, so it must weigh what the
        // table says it weighs.
        EXPECT_EQ(max_weight, rec->m_max);
        EXPECT_EQ(empty_weight, rec->m_empty);
    }
}

}  // namespace
