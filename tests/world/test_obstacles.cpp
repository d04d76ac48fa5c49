// Obstacles: buildings on the ground, custom objects from object files, damaged object files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "support/test_support.h"
#include "support/world_fixtures.h"
#include "world/obstacles.h"
#include "world/region.h"

using namespace orv;

namespace {

struct ObjFolder : orv_test::flat_region {
    std::string root, dir;
    ObjFolder()
    {
        root = orv_test::temp_dir("objects");
        dir = root + "/additional nav data/objects";
        std::filesystem::create_directories(dir);
        set_app_path(root.c_str());
        load(33, -119);
        current_tex_numb = 0;
    }
    void put(const char* name, const std::string& text) { orv_test::write_file(dir + "/" + name, text); }
};

}  // namespace

TEST(Obstacles, CustomObjectIsTurnedPlacedAndSharesItsTextures)
{
    ObjFolder f;
    f.put("hangar.OBJ", "I\n4 roof  trailing words\n0 0 0\n10 0 0\n10 5 0\n0 5 0\n"
                        "3 roof\n0 0 0\n0 0 10\n0 5 10\n"
                        "2 255 128 0\n0 0 0\n0 9 0\n"
                        "4 wall\n0 0 0\n1 0 0\n1 1 0\n0 1 0\n99\n");
    int oi, oj;
    make_an_obs(1000.0f, -2000.0f, 90.0f, "hangar", OBJ_CUSTOM, 500, &oi, &oj);
    ASSERT_EQ(obj_type[500], OBJ_CUSTOM_BASE + 4);
    // Turned by 90 degrees: x along the object goes to z, z to -x.
    EXPECT_NEAR(obj_xyz[500][0][1][0], 1000.0f, 1e-3f);
    EXPECT_NEAR(obj_xyz[500][0][1][2], -2000.0f + 10.0f, 1e-3f);
    EXPECT_NEAR(obj_xyz[500][1][1][0], 1000.0f - 10.0f, 1e-3f);
    EXPECT_EQ(obj_texrgb[500][0], 1000);
    EXPECT_EQ(obj_texrgb[500][1], 1000);    // "roof" again: the same texture
    EXPECT_EQ(obj_texrgb[500][2], 255 * 10000 + 128 * 100);
    EXPECT_EQ(obj_texrgb[500][3], 1001);
    EXPECT_EQ(current_tex_numb, 2);
    EXPECT_EQ(obj_poltyp[500][2], 2);
}

TEST(Obstacles, DamagedObjectFilesAreReportedAndLeaveTheirSlotEmpty)
{
    ObjFolder f;
    f.put("bad_mark.OBJ", "X\n4 roof\n");
    f.put("five.OBJ", "I\n5 roof\n0 0 0\n");
    f.put("huge.OBJ", "I\n4" + std::string(40, '9') + " 0\n10 0 0\n");   // a count no int holds
    f.put("short.OBJ", "I\n4 roof\n0 0 0\n1 0");
    std::string many = "I\n";
    for (int p = 0; p < 51; p++) many += "1 1 2 3\n0 0 0\n";
    f.put("many.OBJ", many + "99\n");
    const char* expect[] = {
        "Object files must start with an A or an I (Apple or IBM creator) and then a carriage return!",
        "Must have 1, 2, 3, or 4 vertices in each element of the object!",
        "Must have 1, 2, 3, or 4 vertices in each element of the object!",
        "A vertex of the custom object could not be read:",
        "Too many polys in the custom object!",
        "I could not open the custom object file:"};
    const char* names[] = {"bad_mark", "five", "huge", "short", "many", "absent"};
    for (int k = 0; k < 6; k++) {
        const int before = mnw_alert_count();
        int oi, oj;
        make_an_obs(0.0f, 0.0f, 0.0f, names[k], OBJ_CUSTOM, 600 + k, &oi, &oj);
        EXPECT_EQ(mnw_alert_count(), before + 1) << names[k];
        EXPECT_STREQ(mnw_last_alert_line(0), expect[k]);
        EXPECT_EQ(obj_type[600 + k], OBJ_NONE);
    }
}

TEST(Obstacles, BuildingsStandOnTheGroundUnderThem)
{
    ObjFolder f;
    int oi, oj;
    planexyz[10][10][1] = planexyz[11][10][1] = planexyz[10][11][1] = planexyz[11][11][1] = 50.0f;
    const float x = 0.5f * (planexyz[10][10][0] + planexyz[11][11][0]);
    const float z = 0.5f * (planexyz[10][10][2] + planexyz[11][11][2]);
    make_an_obs(x, z, 30.0f, "", OBJ_BLOCK, 700, &oi, &oj);
    EXPECT_EQ(oi, 10);
    EXPECT_EQ(oj, 10);
    EXPECT_EQ(obj_npoly[700], 5);
    EXPECT_FLOAT_EQ(obj_xyz[700][0][0][1], 50.0f);
    EXPECT_FLOAT_EQ(obj_xyz[700][4][0][1], 80.0f);
    EXPECT_GT(obj_nrml[700][4][1], 0.99f);   // the roof faces up
}
