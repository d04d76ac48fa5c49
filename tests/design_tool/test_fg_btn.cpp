// The design tool's own widgets: what a click changes, and that drawing alone changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"
#include "design_tool/fg_btn.h"
#include "support/test_support.h"

namespace orv {
namespace {

void click(int x, int y)
{
    mnw.mouse_clicked = 1;
    mnw.mx = x;
    mnw.my = y;
}

TEST(DesignWidgets, WheelsChangeOnlyWhatIsClickedAndKeepWhatTheyDoNotShow)
{
    std::memset(&mnw, 0, sizeof mnw);
    char tail[16] = "N12";
    int v = 12;   // outside the wheel's 0..8
    EXPECT_EQ(in6charbtn(0, 100, 50, tail, sizeof tail), 0);   // drawn, not clicked
    EXPECT_EQ(inintbtn(0, 200, 50, &v, 1, 0, 8), 0);
    EXPECT_STREQ(tail, "N12");
    EXPECT_EQ(v, 12);
    click(100 + 5, 50 + 8);                                      // first column, upper half
    EXPECT_EQ(in6charbtn(0, 100, 50, tail, sizeof tail), 1);
    EXPECT_STREQ(tail, "O12");                                   // no padding stored
    std::snprintf(tail, sizeof tail, "N123ABXY");
    click(100 + 5 * BTN_DIGIT_W + 5, 50);                        // sixth column, lower half
    EXPECT_EQ(in6charbtn(0, 100, 50, tail, sizeof tail), 1);
    EXPECT_STREQ(tail, "N123AAXY");
    click(205, 50);                                              // down a unit
    EXPECT_EQ(inintbtn(0, 200, 50, &v, 1, 0, 8), 1);
    EXPECT_EQ(v, 11);
}

TEST(DesignWidgets, FileNameStepsThroughTheFolderInNameOrder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(fs::path(ORV_BINARY_DIR) / "airfoils", ec))
        if (e.path().extension() == ".afl") names.push_back(e.path().filename().string());
    ORV_NEED_DATA(names.size() >= 2, "airfoil files");
    std::sort(names.begin(), names.end());
    std::snprintf(app_path, sizeof app_path, "%s/", ORV_BINARY_DIR);
    std::memset(&mnw, 0, sizeof mnw);

    char name[ACF_STR];
    std::snprintf(name, sizeof name, "%s", names.back().c_str());
    const int dx = 200;
    click(100 + dx + 5, 50 + 10);   // up: past the last comes the first
    EXPECT_EQ(instringbtn(100, 50, name, sizeof name, "airfoils", ".afl", dx), 1);
    EXPECT_EQ(names.front(), name);
    click(100 + dx + 5, 50 - 10);   // down from the first: the last
    EXPECT_EQ(instringbtn(100, 50, name, sizeof name, "airfoils", ".afl", dx), 1);
    EXPECT_EQ(names.back(), name);
    std::snprintf(name, sizeof name, "gone.afl");   // a name not in the folder steps into it
    EXPECT_EQ(instringbtn(100, 50, name, sizeof name, "airfoils", ".afl", dx), 1);
    EXPECT_EQ(names.back(), name);
}

}  // namespace
}  // namespace orv
