// Second look at the file layer: what each scanner leaves behind for the next one, the
// head's state after an open, and the edges of the picker's click areas.
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_mnw.h"
#include "qz_file_test_util.h"
#include "support/test_support.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

std::string rdir()
{
    static std::string d = orv_test::temp_dir("qzfile_review");
    return d;
}

}  // namespace

// The character that ends a word is taken with it, whichever it is, so the next scanner
// starts on what follows.
TEST(QzFile_ReviewScanners, WordTerminatorIsConsumed)
{
    inf_use = 1;
    for (const char* eol : {"\n", "\r", "\r\n"}) {
        std::string text = std::string("I") + eol + "3 version" + eol + "ab cd" + eol +
                           "ef\tgh" + eol + "ij" + eol + "kl" + eol + "  mn  " + eol + "op";
        std::string p = orv_test::write_file(rdir() + "/words.txt", text);
        ASSERT_EQ(inf_open(p.c_str(), FILE_ANY, 3, 0), 1);
        char w[16], line[32];
        wrdscan(w, "w1", 16);
        EXPECT_STREQ(w, "ab");
        strscan(line, "l1", 32);   // the space went with the word
        EXPECT_STREQ(line, "cd");
        wrdscan(w, "w2", 16);
        EXPECT_STREQ(w, "ef");
        strscan(line, "l2", 32);   // so did the tab
        EXPECT_STREQ(line, "gh");
        wrdscan(w, "w3", 16);
        EXPECT_STREQ(w, "ij");
        strscan(line, "l3", 32);   // and the line end: the next line is read whole
        EXPECT_STREQ(line, "kl");
        wrdscan(w, "w4", 16);
        EXPECT_STREQ(w, "mn");
        strscan(line, "l4", 32);   // only one blank is taken after the word
        EXPECT_STREQ(line, " ");
        wrdscan(w, "w5", 16);   // the last word of the file needs no terminator
        EXPECT_STREQ(w, "op");
        EXPECT_TRUE(inf_good()) << (int)eol[0];
        inf_close();
    }
}

// An open sets up its own line end and clears what the previous file left.
TEST(QzFile_ReviewScanners, OpenResetsTheLineEndState)
{
    inf_use = 1;
    std::string crlf = orv_test::write_file(rdir() + "/crlf.txt", "I\r\n7 version\r\n1\r\n");
    std::string lf = orv_test::write_file(rdir() + "/lf.txt", "I\n7 version\n\n\n2\n");
    std::string big = orv_test::write_file(rdir() + "/big.acf", std::string("a\0\0\0\x07", 5));
    ASSERT_EQ(inf_open(big.c_str(), FILE_AIRCRAFT, 7, 0), 1);
    EXPECT_EQ(rev_inf_bin, 1);
    ASSERT_EQ(inf_open(crlf.c_str(), FILE_SITUATION, 7, 0), 1);
    EXPECT_EQ(x_eln, '\r');
    EXPECT_EQ(rev_inf_bin, 0);
    EXPECT_EQ(inf_is_bin, 0);
    ASSERT_EQ(inf_open(lf.c_str(), FILE_SITUATION, 7, 0), 1);
    EXPECT_EQ(x_eln, '\n');
    EXPECT_EQ(extra_char_eoln, 0);
    // Two empty lines are two lines: none is swallowed as an extra character.
    char line[8] = "x";
    strscan(line, "empty 1", 8);
    EXPECT_STREQ(line, "");
    strscan(line, "empty 2", 8);
    EXPECT_STREQ(line, "");
    EXPECT_EQ(intscan("value"), 2);
    EXPECT_TRUE(inf_good());
    inf_close();
}

// Edges of the up-folder strip (x 10..310, y 544..558) and of the list (x 10..310,
// y 34..534, row (532 - y) div 10) with a full list of 49 entries.
TEST(QzFile_ReviewPicker, ClickAreaEdges)
{
    qzfile_test::PathGuard keep;
    std::string d = rdir() + "/full";
    fs::create_directories(d);
    for (int i = 0; i < 55; i++) {
        char n[32];
        std::snprintf(n, sizeof n, "/f%02d.sit", i);
        orv_test::write_file(d + n, "");
    }
    set_app_path(d.c_str());
    ASSERT_EQ(GetDirItems(FILE_SITUATION), PICK_MAX);
    EXPECT_STREQ(g_name[PICK_MAX - 1], "f48.sit");

    EXPECT_EQ(picker_row_at(10, 534), 0);
    EXPECT_EQ(picker_row_at(310, 523), 0);
    EXPECT_EQ(picker_row_at(310, 522), 1);
    EXPECT_EQ(picker_row_at(200, 43), 48);
    EXPECT_EQ(picker_row_at(200, 42), -1);   // row 49 does not exist
    EXPECT_EQ(picker_row_at(200, 34), -1);
    EXPECT_EQ(picker_row_at(311, 300), -1);
    EXPECT_EQ(picker_row_at(9, 300), -1);

    int row = -1;
    EXPECT_EQ(picker_click(200, 43, &row), PICK_FILE);
    EXPECT_EQ(row, 48);

    const std::string here = wrk_path;
    EXPECT_EQ(picker_click(200, 543, &row), PICK_NONE);   // between list and strip
    EXPECT_EQ(picker_click(200, 559, &row), PICK_NONE);
    EXPECT_EQ(picker_click(9, 550, &row), PICK_NONE);
    EXPECT_EQ(std::string(wrk_path), here);
    EXPECT_EQ(picker_click(310, 558, &row), PICK_FOLDER);
    EXPECT_EQ(std::string(wrk_path) + "full\\", here);
}
