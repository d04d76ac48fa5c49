// The picture scaled into a window of any size, the mouse mapped back, and the US key map.
#include <gtest/gtest.h>

#include "platform/plat_backend.h"
#include "platform/plat_keymap.h"
#include "platform/plat_view.h"

using namespace orv;

TEST(Platform_View, PictureKeepsItsShapeAndIsCentred)
{
    plat_view_rect wide = plat_fit_picture(1600, 600, 800, 600);     // bars left and right
    EXPECT_EQ(wide.x, 400);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.w, 800);
    EXPECT_EQ(wide.h, 600);
    plat_view_rect tall = plat_fit_picture(400, 900, 800, 600);      // bars above and below
    EXPECT_EQ(tall.w, 400);
    EXPECT_EQ(tall.h, 300);
    EXPECT_EQ(tall.y, 300);
    plat_view_rect same = plat_fit_picture(800, 600, 800, 600);
    EXPECT_EQ(same.x, 0);
    EXPECT_EQ(same.w, 800);
}

TEST(Platform_View, MousePositionsMapBackIntoThePicture)
{
    plat_view_rect v = plat_fit_picture(1600, 1200, 800, 600);       // twice the size
    int px, py;
    plat_window_to_picture(v, 800, 600, 0, 0, &px, &py);
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 0);
    plat_window_to_picture(v, 800, 600, 1599, 1199, &px, &py);
    EXPECT_EQ(px, 799);
    EXPECT_EQ(py, 599);
    plat_window_to_picture(v, 800, 600, 801, 400, &px, &py);
    EXPECT_EQ(px, 400);
    EXPECT_EQ(py, 200);

    plat_view_rect bars = plat_fit_picture(1000, 600, 800, 600);     // 100-pixel bars at the sides
    plat_window_to_picture(bars, 800, 600, 50, 300, &px, &py);       // on a bar: the nearest edge
    EXPECT_EQ(px, 0);
    plat_window_to_picture(bars, 800, 600, 950, 300, &px, &py);
    EXPECT_EQ(px, 799);

    // Every picture pixel sent to its window position comes back as itself, scaled or not.
    for (plat_view_rect r : {v, bars, plat_fit_picture(1920, 1080, 800, 600)})
        for (int x = 0; x < 800; x += 7)
            for (int y = 0; y < 600; y += 11) {
                int wx, wy, bx, by;
                plat_picture_to_window(r, 800, 600, x, y, &wx, &wy);
                plat_window_to_picture(r, 800, 600, wx, wy, &bx, &by);
                ASSERT_EQ(bx, x) << r.w << " " << y;
                ASSERT_EQ(by, y) << r.h << " " << x;
            }
}

TEST(Platform_Keymap, UsLayoutWithShift)
{
    EXPECT_EQ(plat_us_key(4, 0), 'a');           // usage 4 is the A key
    EXPECT_EQ(plat_us_key(29, 1), 'Z');
    EXPECT_EQ(plat_us_key(30, 0), '1');
    EXPECT_EQ(plat_us_key(30, 1), '!');
    EXPECT_EQ(plat_us_key(39, 1), ')');
    EXPECT_EQ(plat_us_key(49, 0), '\\');
    EXPECT_EQ(plat_us_key(52, 1), '"');
    EXPECT_EQ(plat_us_key(56, 1), '?');
    EXPECT_EQ(plat_us_key(40, 0), 13);
    EXPECT_EQ(plat_us_key(42, 0), 8);
    EXPECT_EQ(plat_us_key(44, 1), ' ');
    EXPECT_EQ(plat_us_key(82, 0), PLAT_KEY_UP);
    EXPECT_EQ(plat_us_key(69, 0), PLAT_KEY_F1 + 11);
    EXPECT_EQ(plat_us_key(98, 0), PLAT_KEY_KP0);
    EXPECT_EQ(plat_us_key(89, 0), PLAT_KEY_KP0 + 1);
    EXPECT_EQ(plat_us_key(225, 0), 0);           // Shift itself types nothing
}
