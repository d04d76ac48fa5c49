// Input scripts: malformed lines are named, a bad file queues nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/plat_script.h"
#include "platform/plat_backend.h"
#include "support/test_support.h"

using namespace orv;

TEST(App_Script, MalformedLinesNameTheirLine)
{
    struct { const char* line; const char* part; } bad[] = {
        {"key a", "expected 'at"},
        {"at soon key a", "time"},
        {"at -1 key a", "time"},
        {"at 1", "time"},
        {"at 1 key", "one character"},
        {"at 1 key ab", "one character"},
        {"at 1 click 10", "two whole numbers"},
        {"at 1 click 10 2.5", "two whole numbers"},
        {"at 1 click 900 10", "outside"},
        {"at 1 menu file", "item code"},
        {"at 1 fly 3", "unknown command 'fly'"},
    };
    char err[200];
    for (auto& b : bad) {
        plat_script_clear();
        EXPECT_EQ(script_parse_line(b.line, 7, err, sizeof err), 0) << b.line;
        EXPECT_EQ(std::strncmp(err, "line 7: ", 8), 0) << err;
        EXPECT_NE(std::strstr(err, b.part), nullptr) << b.line << " -> " << err;
        EXPECT_EQ(plat_script_pending(), 0) << b.line;
    }
}

TEST(App_Script, ABadFileQueuesNothing)
{
    std::string dir = orv_test::temp_dir("script");
    std::string path = orv_test::write_file(dir + "/s.txt", "# start\nat 1 key a\nat 2 menu 105\nat 3 jump\n");
    char err[200];
    plat_script_clear();
    EXPECT_EQ(script_load(path.c_str(), err, sizeof err), 0);
    EXPECT_STREQ(err, "line 4: unknown command 'jump'");
    EXPECT_EQ(plat_script_pending(), 0);
    orv_test::write_file(path, "at 1 key a\r\nat 2 key space\n");
    EXPECT_EQ(script_load(path.c_str(), err, sizeof err), 1) << err;
    EXPECT_EQ(plat_script_pending(), 2);
    plat_script_clear();
    EXPECT_EQ(script_load((dir + "/none.txt").c_str(), err, sizeof err), 0);
}
