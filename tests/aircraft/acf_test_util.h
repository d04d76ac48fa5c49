// Builders shared by the aircraft tests: a small trainer aircraft in file units, airfoil
// and flap files in the text format, and a fresh program folder for them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "2-QZutils/rec_plane.h"

namespace acf_test {

struct foil_opts {
    float trat = 0.12f;
    float Re = 3.0f;          // millions
    float stall = 16.0f;      // degrees
    float clM = 0.1f;         // per degree
    float clB = 0.2f;
    int check = 1234;
    bool negative_drag = false;
    int cut_after_lines = -1; // keep only this many lines (a damaged file)
};

// Sets app_path to a new folder with "airfoils" and "flaps" and answers the folder.
std::string fresh_app_dir(const std::string& tag);

void write_airfoil(const std::string& app_dir, const std::string& name, const foil_opts& o = {});
void write_flap(const std::string& app_dir, const std::string& name, int check = 2345, int rows = 51);

// A high-wing single-engine trainer in file units (ft, lb, hp): propeller 0, wings 4/5,
// h-stab 10/11, fin 12, an 11-station fuselage; every airfoil "t.afl", flaps "t.flp".
void make_trainer(orv::planestruct& p);

// Writes `p` into app_dir as `name` (little-endian unless big) and answers the path.
std::string save_acf(const std::string& app_dir, const std::string& name, const orv::planestruct& p,
                     bool big = false);

// A fixture with the small trainer designed in a fresh program folder that has its airfoil
// and flap files; load() writes the design and loads it.
class TrainerFixture : public ::testing::Test {
protected:
    std::string dir;
    static orv::planestruct& design() { static orv::planestruct p; return p; }
    void SetUp() override { start("acf"); }
    void start(const std::string& tag);
    // Answers the number of alerts the load raised.
    int load(const std::string& name = "trainer.acf");
};

}  // namespace acf_test
