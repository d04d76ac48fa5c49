// The axis settings file and the terminal walk-through that writes it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "2-QZutils/qz_joy_cfg.h"
#include "input/fake_joy.h"
#include "input/joy_setup.h"
#include "support/test_support.h"

namespace orv {
namespace {

TEST(JoystickSettings, BadLinesAreNamedAndSkippedTheRestIsRead)
{
    const std::string dir = orv_test::temp_dir("joycfg");
    const std::string path = dir + "/joy.cfg";
    orv_test::write_file(path, "# mine\nroll.axis = 3\nroll.invert = 1\npitch.deadzone = 0.9\n"
                               "yaw.axis = -1\nthrottle.axis=5\nthrottle.deadzone = 0.1\n");
    joy_config c = joy_default_config(0);
    char err[120];
    ASSERT_EQ(joy_config_read(path.c_str(), &c, err, sizeof err), 1);
    EXPECT_STREQ(err, "line 4: deadzone must be 0..0.5");
    EXPECT_EQ(c.ctl[JOY_CTL_ROLL].axis, 3);
    EXPECT_EQ(c.ctl[JOY_CTL_ROLL].invert, 1);
    EXPECT_EQ(c.ctl[JOY_CTL_PITCH].deadzone, 0.0f);   // the bad value left the default
    EXPECT_EQ(c.ctl[JOY_CTL_YAW].axis, -1);
    EXPECT_EQ(c.ctl[JOY_CTL_THROTTLE].axis, 5);

    ASSERT_EQ(joy_config_write(path.c_str(), c), 1);
    joy_config back = joy_default_config(1);
    ASSERT_EQ(joy_config_read(path.c_str(), &back, err, sizeof err), 1);
    EXPECT_STREQ(err, "");
    for (int i = 0; i < JOY_CTL_COUNT; i++) {
        EXPECT_EQ(back.ctl[i].axis, c.ctl[i].axis);
        EXPECT_EQ(back.ctl[i].invert, c.ctl[i].invert);
        EXPECT_FLOAT_EQ(back.ctl[i].deadzone, c.ctl[i].deadzone);
    }
    EXPECT_EQ(joy_config_read((dir + "/none.cfg").c_str(), &back, err, sizeof err), 0);
}

TEST(JoystickSettings, DeadZoneStretchesTheRestAndInversionFlips)
{
    joy_axis_cfg a = {0, 0, 0.1f};
    EXPECT_EQ(joy_axis_value(JOY_CTL_PITCH, 32767 + 3000, a), 0.0f);
    EXPECT_NEAR(joy_axis_value(JOY_CTL_PITCH, (int)(32767 * 1.55f), a), 0.5f, 1e-4f);
    EXPECT_NEAR(joy_axis_value(JOY_CTL_PITCH, 65534, a), 1.0f, 1e-6f);
    a.invert = 1;
    EXPECT_NEAR(joy_axis_value(JOY_CTL_PITCH, 65534, a), -1.0f, 1e-4f);
    joy_axis_cfg t = {2, 0, 0.05f};
    EXPECT_EQ(joy_axis_value(JOY_CTL_THROTTLE, 58437, t), 0.0f);   // 0.03 from idle: idle
    EXPECT_EQ(joy_axis_value(JOY_CTL_THROTTLE, 7100, t), 1.0f);    // 0.97: full
    EXPECT_NEAR(joy_axis_value(JOY_CTL_THROTTLE, 32768, t), 1.1f - 1.2f * 32768 / 65537.0f, 1e-6f);
}

// The pilot's moves, one per Enter: rest, pitch back on axis 2, rest, roll right on axis 0
// (which reads lower: reversed), rest, no rudder, rest, throttle idle then full on axis 1.
struct scripted_pilot {
    orv_test::fake_joy* dev;
    int step = 0;
};

int next_move(void* ctx)
{
    auto* p = static_cast<scripted_pilot*>(ctx);
    auto& d = *p->dev;
    for (int a = 0; a < 4; a++) d.axis(0, a, orv::PLAT_JOY_AXIS_CENTRE);
    d.axis(0, 1, 20000);              // the throttle sits where it was left
    switch (p->step++) {
    case 1: d.axis(0, 2, 65535); break;
    case 3: d.axis(0, 0, 0); break;
    case 7: d.axis(0, 1, 65535); break;   // idle
    case 8: d.axis(0, 1, 0); break;       // full power
    default: break;
    }
    return 1;
}

TEST(JoystickSetup, WalkThroughFindsAxesSensesAndSaves)
{
    const std::string dir = orv_test::temp_dir("joysetup");
    orv_test::fake_joy_installed f;
    f.dev.plug(0);
    scripted_pilot pilot{&f.dev};
    std::FILE* out = std::tmpfile();
    joy_setup_io io = {out, next_move, &pilot, nullptr};
    const std::string path = dir + "/joy.cfg";
    ASSERT_EQ(joy_setup_run(io, path.c_str()), 0);
    std::fclose(out);
    joy_config c = joy_default_config(0);
    char err[120];
    ASSERT_EQ(joy_config_read(path.c_str(), &c, err, sizeof err), 1);
    EXPECT_EQ(c.ctl[JOY_CTL_PITCH].axis, 2);
    EXPECT_EQ(c.ctl[JOY_CTL_PITCH].invert, 0);
    EXPECT_EQ(c.ctl[JOY_CTL_ROLL].axis, 0);
    EXPECT_EQ(c.ctl[JOY_CTL_ROLL].invert, 1);
    EXPECT_EQ(c.ctl[JOY_CTL_YAW].axis, -1);
    EXPECT_EQ(c.ctl[JOY_CTL_THROTTLE].axis, 1);
    EXPECT_EQ(c.ctl[JOY_CTL_THROTTLE].invert, 0);

    f.dev.unplug(0);                  // nothing plugged in: told, and nothing written
    std::remove(path.c_str());
    out = std::tmpfile();
    io.out = out;
    EXPECT_EQ(joy_setup_run(io, path.c_str()), 1);
    std::fclose(out);
    EXPECT_EQ(std::fopen(path.c_str(), "r"), nullptr);
}

}  // namespace
}  // namespace orv
