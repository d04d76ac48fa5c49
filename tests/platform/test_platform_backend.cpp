// The headless back end's scripted queue and the path helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/stat.h>

#include "platform/plat_backend.h"
#include "platform/plat_gl_window.h"
#include "platform/plat_paths.h"

using namespace orv;

static plat_event ev_at(double t, int type, int code)
{
    plat_event e = {};
    e.time = t;
    e.type = type;
    e.code = code;
    return e;
}

TEST(Platform_Headless, HandsOutDueEventsInTimeOrder)
{
    const plat_backend* b = plat_headless_backend();
    ASSERT_EQ(b->headless, 1);
    plat_script_clear();
    plat_script_push(ev_at(2.0, PLAT_EV_MENU, 1));
    plat_script_push(ev_at(1.0, PLAT_EV_MENU, 2));
    plat_script_push(ev_at(2.0, PLAT_EV_MENU, 3));   // same time as the first: keeps its order
    plat_script_push(ev_at(0.5, PLAT_EV_KEY, 4));
    EXPECT_EQ(plat_script_pending(), 4);
    plat_event out;
    EXPECT_EQ(b->pump(0.4, &out), 0);
    ASSERT_EQ(b->pump(1.0, &out), 1);
    EXPECT_EQ(out.code, 4);
    ASSERT_EQ(b->pump(1.0, &out), 1);
    EXPECT_EQ(out.code, 2);
    EXPECT_EQ(b->pump(1.9, &out), 0);
    ASSERT_EQ(b->pump(5.0, &out), 1);
    EXPECT_EQ(out.code, 1);
    ASSERT_EQ(b->pump(5.0, &out), 1);
    EXPECT_EQ(out.code, 3);
    EXPECT_EQ(b->pump(5.0, &out), 0);
    EXPECT_EQ(plat_script_pending(), 0);
}

TEST(Platform_Headless, AMouseDownEndsItsBatch)
{
    const plat_backend* b = plat_headless_backend();
    plat_script_clear();
    plat_script_push(ev_at(0, PLAT_EV_MOUSE_DOWN, 0));
    plat_script_push(ev_at(0, PLAT_EV_MOUSE_UP, 0));
    plat_event out;
    ASSERT_EQ(b->pump(0, &out), 1);
    EXPECT_EQ(out.type, PLAT_EV_MOUSE_DOWN);
    EXPECT_EQ(b->pump(0, &out), 0);               // the frame sees the button held
    ASSERT_EQ(b->pump(0, &out), 1);
    EXPECT_EQ(out.type, PLAT_EV_MOUSE_UP);
}

TEST(Platform_Headless, ClearingForgetsAPendingMouseDown)
{
    const plat_backend* b = plat_headless_backend();
    plat_script_clear();
    plat_script_push(ev_at(0, PLAT_EV_MOUSE_DOWN, 0));
    plat_event out;
    ASSERT_EQ(b->pump(0, &out), 1);
    plat_script_clear();                          // a new script before the next pass
    plat_script_push(ev_at(0, PLAT_EV_KEY, 7));
    ASSERT_EQ(b->pump(0, &out), 1);               // its first event is not held back
    EXPECT_EQ(out.code, 7);
}

TEST(Platform_Headless, QueueRefusesBeyondItsCapacity)
{
    plat_script_clear();
    int stored = 0;
    for (int i = 0; i < PLAT_SCRIPT_MAX + 5; i++) stored += plat_script_push(ev_at(1.0, PLAT_EV_KEY, i));
    EXPECT_EQ(stored, PLAT_SCRIPT_MAX);
    plat_script_clear();
    EXPECT_EQ(plat_script_pending(), 0);
}

TEST(Platform_Headless, InstallAndRestore)
{
    static const plat_backend other = {"other", 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       0, nullptr, nullptr, nullptr, nullptr, nullptr};
    plat_backend_install(&other);
    EXPECT_EQ(plat_backend_get(), &other);
    plat_backend_install(nullptr);
    EXPECT_EQ(plat_backend_get(), plat_headless_backend());
}

TEST(Platform_Paths, ConfigFolderFollowsXdgThenHome)
{
    std::string old_xdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    std::string old_home = std::getenv("HOME") ? std::getenv("HOME") : "";
    char out[400];
    setenv("XDG_CONFIG_HOME", "/tmp/xdgtest", 1);
    plat_default_config_dir(out, sizeof out);
    EXPECT_STREQ(out, "/tmp/xdgtest/vantorel");
    setenv("XDG_CONFIG_HOME", "relative/not/allowed", 1);
    setenv("HOME", "/home/pilot", 1);
    plat_default_config_dir(out, sizeof out);
    EXPECT_STREQ(out, "/home/pilot/.config/vantorel");
    unsetenv("XDG_CONFIG_HOME");
    plat_default_config_dir(out, sizeof out);
    EXPECT_STREQ(out, "/home/pilot/.config/vantorel");
    if (!old_xdg.empty()) setenv("XDG_CONFIG_HOME", old_xdg.c_str(), 1);
    setenv("HOME", old_home.c_str(), 1);
}

TEST(Platform_Paths, MakeDirsCreatesParents)
{
    char tmpl[] = "/tmp/orv_plat_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::string deep = std::string(tmpl) + "/a/b/c";
    EXPECT_FALSE(plat_is_dir(deep.c_str()));
    EXPECT_EQ(plat_make_dirs(deep.c_str()), 1);
    EXPECT_TRUE(plat_is_dir(deep.c_str()));
    EXPECT_EQ(plat_make_dirs(deep.c_str()), 1);          // already there
    std::string file = std::string(tmpl) + "/f";
    FILE* f = fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_EQ(plat_make_dirs((file + "/x").c_str()), 0);  // a file in the way
    EXPECT_EQ(plat_make_dirs(""), 0);
    std::string cmd = std::string("rm -rf ") + tmpl;
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST(Platform_Paths, DisplayDetection)
{
    std::string d = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    std::string w = std::getenv("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_EQ(plat_display_available(), 0);
    setenv("DISPLAY", "", 1);
    EXPECT_EQ(plat_display_available(), 0);
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    EXPECT_EQ(plat_display_available(), 1);
    unsetenv("WAYLAND_DISPLAY");
    setenv("DISPLAY", ":0", 1);
    EXPECT_EQ(plat_display_available(), 1);
    if (d.empty()) unsetenv("DISPLAY"); else setenv("DISPLAY", d.c_str(), 1);
    if (!w.empty()) setenv("WAYLAND_DISPLAY", w.c_str(), 1);
}

TEST(Platform_Paths, ProgramFolderIsADirectory)
{
    char out[400];
    EXPECT_EQ(plat_program_dir(out, sizeof out), 1);
    EXPECT_TRUE(plat_is_dir(out));
}

// The window asks the display for a 24-bit depth buffer and takes 16 bits only when refused.
static int depth_asked[2], depth_asks, deepest_granted, refusal;
static int open_gl_window(int granted, int why)
{
    depth_asks = 0;
    deepest_granted = granted;
    refusal = why;
    int failure = 0;
    const plat_gl_window_steps steps = {[](int bits) { depth_asked[depth_asks++ % 2] = bits; },
                                        [] { return depth_asked[(depth_asks - 1) % 2] <= deepest_granted ? PLAT_INIT_OK : refusal; }};
    const int got = plat_open_gl_window(steps, &failure);
    return got ? got : -failure;
}

TEST(Platform_Backend, WindowAsksForTwentyFourDepthBitsThenSixteen)
{
    EXPECT_EQ(open_gl_window(24, PLAT_INIT_NO_FORMAT), 24);
    EXPECT_EQ(depth_asks, 1);
    EXPECT_EQ(open_gl_window(17, PLAT_INIT_NO_FORMAT), 16);                  // a display that refuses 24 bits
    EXPECT_EQ(depth_asks, 2);
    EXPECT_EQ(open_gl_window(8, PLAT_INIT_NO_CONTEXT), -PLAT_INIT_NO_CONTEXT);   // neither: the reason comes back
}
