// The design windows: each draws for stock aircraft of both modes without changing them, every
// field a designer sets is in one, and a clicked field changes the drawing and the saved file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/drplane.h"
#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "aircraft/acf_io.h"
#include "design_tool/fg_baseplane.h"
#include "design_tool/fg_design.h"
#include "design_tool/fg_windows.h"
#include "platform/plat_backend.h"
#include "support/gl_record.h"
#include "support/test_support.h"

namespace orv {
namespace {

const int kCodes[] = {200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211,
                      212, 213, 214, 215, 216, 217, 218, 300, 301, 302, 303};

planestruct before;   // too big for the stack

class DesignWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_constants();
        init_trig_tables();
        std::snprintf(app_path, sizeof app_path, "%s/", ORV_BINARY_DIR);
        std::memset(&mnw, 0, sizeof mnw);
        std::memset(&msc, 0, sizeof msc);
        std::memset(&afl, 0, sizeof afl);
    }
    // A stock aircraft as the design tool holds it: the file's record, stored units.
    bool open_stock(const char* folder)
    {
        const std::string path = std::string(ORV_BINARY_DIR) + "/Aircraft/" + folder + "/" + folder + ".acf";
        return read_acf(path.c_str(), pln) == ACF_READ_OK;
    }
};

// The twin turboprop with a second pair of engines outboard of the first.
void make_four_engined()
{
    for (int e = 0; e < 2; ++e) {
        copy_foil(e, e + 2);
        pln.Xarm[e + 2] = 2.0f * pln.Xarm[e];
        pln.numblades[e + 2] = pln.numblades[e];
        pln.propdir[e + 2] = pln.propdir[e];
        copy_body(19 + e, 21 + e);
    }
    pln.numen = 4;
}

TEST_F(DesignWindows, EveryWindowDrawsForEmptyDefaultStockHelicopterAndFourEnginesAndOpeningChangesNothing)
{
    for (const char* folder : {"", "default", "Trainer 172", "Helicopter R22", "Turboprop C90GTi"}) {
        if (!folder[0]) std::memset(&pln, 0, sizeof pln);   // a cleared record: no parts, no names
        else if (std::strcmp(folder, "default") == 0) setup_baseplane("Untitled.acf", "Untitled.acf");
        else ORV_NEED_DATA(open_stock(folder), folder);
        msc.planemod = 0;
        if (std::strcmp(folder, "Turboprop C90GTi") == 0) make_four_engined();
        pln.mgeardmp = 3.0e7f;   // past what the wheel holds: shown, never clamped by drawing
        int windows = 0;
        for (int code : kCodes) {
            fg_window_fn fn = fg_window_routine(code);
            if (!fn) continue;
            ++windows;
            for (int part = 0; part < NUM_PARTS; ++part) {
                if (part > 0 && !fg_choose_part(code, part)) continue;   // each part a window covers
                SCOPED_TRACE(std::string(folder) + " / " + fg_window_title(code) + " / part " + std::to_string(part));
                std::memcpy(&before, &pln, sizeof pln);
                mnw.topwin = code;
                orv_test::gl_record_start();
                fn();
                EXPECT_EQ(orv_test::gl_record_stop(), 0);
                EXPECT_GT(orv_test::glrec.vertices[GL_POINTS] + orv_test::glrec.vertices[GL_QUADS], 40);
                EXPECT_EQ(std::memcmp(&before, &pln, sizeof pln), 0);
                EXPECT_EQ(msc.planemod, 0);
                EXPECT_EQ(mnw.topwin, code);
            }
        }
        EXPECT_EQ(windows, pln.is_heli ? 16 : 23) << folder;
    }
    // The two modes share command numbers.
    pln.is_heli = 1;
    EXPECT_STREQ(fg_window_title(204), "Main Rotor");
    EXPECT_EQ(fg_window_routine(301), nullptr);
    pln.is_heli = 0;
    EXPECT_STREQ(fg_window_title(204), "Props");
}

TEST_F(DesignWindows, EveryDesignedFieldIsInAWindowOfOneMode)
{
    std::memset(&pln, 0, sizeof pln);
    for (int p = 0; p < NUM_PARTS; ++p) pln.els[p] = MAX_ELS;   // every element shown
    for (int i = 0; i < acf_num_fields; ++i) {
        const acf_field* f = &acf_fields[i];
        if (!acf_is_designed(f) || std::strcmp(f->name, "is_heli") == 0) continue;   // the mode is a menu's
        bool shown = false;
        for (int heli = 0; heli < 2; ++heli) {
            pln.is_heli = heli;
            for (int code : kCodes)
                for (int part = 0; part < NUM_PARTS; ++part) {
                    int x = 0, y = 0;
                    if ((part > 0 && !fg_choose_part(code, part)) || !fg_widget_at(code, f->name, -1, &x, &y)) continue;
                    shown = true;
                    EXPECT_TRUE(x >= 0 && x + BTN_DIGIT_W <= 800 && y >= 14 && y < FG_PANEL_H - 20)
                        << f->name << " in " << fg_window_title(code) << " at " << x << ", " << y;
                }
        }
        EXPECT_TRUE(shown) << f->name;
    }
}

float right_wing_reach()
{
    float reach = 0.0f;
    for (int s = 0; s < plane_sections(5); ++s)
        for (int k = 0; k < plane_points(5); ++k) reach = std::max(reach, std::fabs(a_xyz[5][s][k][0]));
    return reach;
}

// A click as the window layer hands it over: screen pixels from the top, through the script queue.
void scripted_click(int x, int y_up)
{
    plat_event ev{};
    ev.type = PLAT_EV_MOUSE_DOWN;
    ev.x = x;
    ev.y = 600 - y_up;
    ASSERT_EQ(plat_script_push(ev), 1);
    MACIBM_event_proc();
}

TEST_F(DesignWindows, ScriptedClickOnTheSemiSpanChangesBothWingsTheDrawingAndTheSavedFile)
{
    ORV_NEED_DATA(open_stock("Trainer 172"), "Trainer 172");
    mnw_app_callbacks cb{};
    cb.update = [] {
        if (fg_window_fn fn = fg_window_routine(mnw.topwin)) fn();
    };
    mnw_register_app(cb);
    up_handled = 1;
    mnw.menu_up = -1;   // no menu open to take the click
    load_plane_geo(0, 0);
    const float span = pln.semilen[4], reach = right_wing_reach();
    int x = 0, y = 0;
    ASSERT_TRUE(fg_widget_at(205, "semilen", 4, &x, &y));
    MACIBM_startwind(205);
    // Five digits, two of them decimals: the third column is whole feet; its upper half adds.
    scripted_click(x + 2 * BTN_DIGIT_W + 5, y + 8);
    EXPECT_NEAR(pln.semilen[4], span + 1.0f, 1e-3f);
    EXPECT_FLOAT_EQ(pln.semilen[5], pln.semilen[4]);
    EXPECT_EQ(msc.planemod, 1);
    EXPECT_GT(right_wing_reach(), reach + 0.5f);

    const std::string file = orv_test::temp_dir("fg_span") + "/Wider.acf";
    ASSERT_EQ(save_acf(file.c_str(), pln), 1);   // the program's Save
    std::memset(&before, 0, sizeof before);
    ASSERT_EQ(read_acf(file.c_str(), before), ACF_READ_OK);
    EXPECT_FLOAT_EQ(before.semilen[4], span + 1.0f);
    EXPECT_FLOAT_EQ(before.semilen[5], span + 1.0f);

    // The close box at the panel's top right returns to the view.
    scripted_click(800 - 16, FG_PANEL_H - 12);
    EXPECT_EQ(mnw.topwin, 0);
    mnw_register_app(mnw_app_callbacks{});
}

}  // namespace
}  // namespace orv
