// The file layer's reader: file heads of every type, the scanners on every line end and
// what each leaves for the next, limits, and the edges of the picker's click areas.
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_pick.h"
#include "qz_file_test_util.h"
#include "support/test_support.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

std::string dir()
{
    static std::string d = orv_test::temp_dir("qzfile_read");
    return d;
}

// `text` written with its "\n" line ends replaced by `eol`.
std::string write_eol(const std::string& name, const std::string& text, const std::string& eol)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += eol;
        else out += c;
    }
    return orv_test::write_file(dir() + "/" + name, out);
}

std::string le4(int v)
{
    std::string s(4, 0);
    for (int i = 0; i < 4; i++) s[i] = (char)((unsigned)v >> (8 * i));
    return s;
}

std::string be4(int v)
{
    std::string s = le4(v);
    return std::string(s.rbegin(), s.rend());
}

std::string lef(float f)
{
    int v;
    std::memcpy(&v, &f, 4);
    return le4(v);
}

std::string bef(float f)
{
    int v;
    std::memcpy(&v, &f, 4);
    return be4(v);
}

struct QzFile_LineEnds : ::testing::TestWithParam<std::string> {
    void SetUp() override { inf_use = 1; }
};

}  // namespace

// Every scanner reads the same values whatever line end the file uses.
TEST_P(QzFile_LineEnds, EveryScannerReadsAlike)
{
    const std::string eol = GetParam();
    std::string p = write_eol("scan.txt",
                              "I\n46 version\n"
                              "12 rest of line\n"
                              "-7 3.5e2 +4\n"
                              "  2.25 junk\n"
                              "word1\tword2  w3\n"
                              "a long line of text here\n"
                              "1\n"
                              "0 1\n"
                              "\n"
                              "\t99 trailing\n"
                              "last line",
                              eol);
    int alerts = mnw_alert_count();
    ASSERT_EQ(inf_open(p.c_str(), FILE_AIRFOIL, 46, 0), 1);
    EXPECT_EQ(x_eln, eol[0]);
    EXPECT_EQ(extra_char_eoln, eol == "\r\n" ? 1 : 0);
    EXPECT_EQ(inf_is_bin, 0);

    EXPECT_EQ(intscan("a"), 12);
    EXPECT_EQ(intscanNOSN("b"), -7);
    EXPECT_FLOAT_EQ(fltscanNOSN("c"), 350.0f);
    EXPECT_EQ(intscanNOSN("d"), 4);
    rln("e");
    EXPECT_FLOAT_EQ(fltscan("f"), 2.25f);

    char w[32];
    wrdscan(w, "g", 32);
    EXPECT_STREQ(w, "word1");
    wrdscan(w, "h", 32);
    EXPECT_STREQ(w, "word2");
    wrdscan(w, "i", 32);   // ends at the line end and takes it
    EXPECT_STREQ(w, "w3");

    char line[64];
    strscan(line, "j", 64);
    EXPECT_STREQ(line, "a long line of text here");
    EXPECT_EQ(bolscan("k"), 1);
    EXPECT_EQ(bolscanNOSN("l"), 0);
    EXPECT_EQ(bolscanNOSN("m"), 1);
    rln("n");
    strscan(line, "o", 64);
    EXPECT_STREQ(line, "");
    wrdscan(w, "p", 32);
    EXPECT_STREQ(w, "99");
    wrdscan(w, "q", 32);
    EXPECT_STREQ(w, "trailing");
    strscan(line, "r", 64);   // the last line has no line end
    EXPECT_STREQ(line, "last line");
    EXPECT_TRUE(inf_eof());
    EXPECT_TRUE(inf_good());
    EXPECT_EQ(mnw_alert_count(), alerts);

    // Reading past the end fails, answers 0 and tells the user once.
    EXPECT_EQ(intscan("past the end"), 0);
    EXPECT_FALSE(inf_good());
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "File-scanning error!");
    EXPECT_STREQ(mnw_last_alert_line(1), "");
    EXPECT_STREQ(mnw_last_alert_line(2), "file:");
    EXPECT_STREQ(mnw_last_alert_line(3), "past the end");
    inf_close();
}

// rln skips exactly one line whatever the line end; blank lines count as lines.
TEST_P(QzFile_LineEnds, RlnSkipsOneLine)
{
    std::string p = write_eol("rln.txt", "I\n1 version\none\n\nthree 3\n4\n", GetParam());
    ASSERT_EQ(inf_open(p.c_str(), FILE_ANY, 1, 0), 1);
    rln("1");
    rln("2");
    char w[8];
    wrdscan(w, "3", 8);
    EXPECT_STREQ(w, "three");
    rln("rest of 3");
    EXPECT_EQ(intscan("4"), 4);
    inf_close();
}

INSTANTIATE_TEST_SUITE_P(Eol, QzFile_LineEnds, ::testing::Values("\n", "\r", "\r\n"),
                         [](const auto& info) {
                             return info.param == "\n" ? std::string("LF")
                                    : info.param == "\r" ? std::string("CR")
                                                         : std::string("CRLF");
                         });

TEST(QzFile_Scanners, NumberFormsAsTheCLibraryReadsThem)
{
    std::string p = write_eol("forms.txt",
                              "I\n1 version\n"
                              "  \t+15 -3 007 99999999999 -99999999999\n"
                              "-0.5 .5 1. 1e3 -2.5E-2 0x10 12abc\n",
                              "\n");
    ASSERT_EQ(inf_open(p.c_str(), FILE_SITUATION, 1, 0), 1);
    EXPECT_EQ(intscanNOSN("a"), 15);
    EXPECT_EQ(intscanNOSN("b"), -3);
    EXPECT_EQ(intscanNOSN("c"), 7);
    EXPECT_EQ(intscanNOSN("d"), 2147483647);
    EXPECT_EQ(intscanNOSN("e"), -2147483647 - 1);
    EXPECT_FLOAT_EQ(fltscanNOSN("f"), -0.5f);
    EXPECT_FLOAT_EQ(fltscanNOSN("g"), 0.5f);
    EXPECT_FLOAT_EQ(fltscanNOSN("h"), 1.0f);
    EXPECT_FLOAT_EQ(fltscanNOSN("i"), 1000.0f);
    EXPECT_FLOAT_EQ(fltscanNOSN("j"), -0.025f);
    EXPECT_FLOAT_EQ(fltscanNOSN("k"), 16.0f);
    EXPECT_FLOAT_EQ(fltscanNOSN("l"), 12.0f);   // stops where the number stops
    char w[8];
    wrdscan(w, "m", 8);
    EXPECT_STREQ(w, "abc");
    EXPECT_TRUE(inf_good());
    inf_close();
}

TEST(QzFile_Scanners, FailedScanAnswersZeroAndAlertsOnce)
{
    std::string p = write_eol("bad.txt", "I\n1 version\nabc 5\n-x\n", "\n");
    ASSERT_EQ(inf_open(p.c_str(), FILE_AIRFOIL, 1, 0), 1);
    int alerts = mnw_alert_count();
    EXPECT_EQ(intscan("chord"), 0);
    EXPECT_FALSE(inf_good());
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(3), "chord");
    // The stream stays failed; further items answer 0 without another message.
    EXPECT_EQ(intscan("span"), 0);
    EXPECT_FLOAT_EQ(fltscan("area"), 0.0f);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);

    // A sign with no digits is no number either.
    ASSERT_EQ(inf_open(p.c_str(), FILE_AIRFOIL, 1, 0), 1);
    rln("skip");
    EXPECT_FLOAT_EQ(fltscan("sign only"), 0.0f);
    EXPECT_EQ(mnw_alert_count(), alerts + 2);
    inf_close();

    // Scanning with no file open is a scan failure, not a crash.
    char buf[8] = "xx";
    wrdscan(buf, "closed", 8);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(mnw_alert_count(), alerts + 3);
}

TEST(QzFile_Scanners, WordAndLineLimits)
{
    std::string p = write_eol("limits.txt",
                              "I\n1 version\n"
                              "abcdefg next\n"
                              "x y\n"
                              "abcdefgh\nxyz\n"
                              "one\ntwo\nthree\n",
                              "\n");
    ASSERT_EQ(inf_open(p.c_str(), FILE_AIRFOIL, 1, 0), 1);
    char b[16];
    wrdscan(b, "a", 4);   // at most len-1 characters; the rest of the word is passed over
    EXPECT_STREQ(b, "abc");
    wrdscan(b, "b", 16);
    EXPECT_STREQ(b, "next");
    wrdscan(b, "c", 1);
    EXPECT_STREQ(b, "");
    std::memset(b, '#', sizeof b);
    wrdscan(b, "d", 0);   // no room at all: nothing is written
    EXPECT_EQ(b[0], '#');

    strscan(b, "e", 5);
    EXPECT_STREQ(b, "abcd");
    strscan(b, "f", 16);   // the cut line was still read to its end
    EXPECT_STREQ(b, "xyz");
    strscan(b, "g", 1);
    EXPECT_STREQ(b, "");
    std::memset(b, '#', sizeof b);
    strscan(b, "h", 0);
    EXPECT_EQ(b[0], '#');
    strscan(b, "i", 16);
    EXPECT_STREQ(b, "three");
    EXPECT_TRUE(inf_good());
    inf_close();
}

// A file marked with LF whose lines end in CR-LF (edited elsewhere) still reads cleanly.
TEST(QzFile_Scanners, CrLfLinesInAnLfFile)
{
    std::string p = orv_test::write_file(dir() + "/mixed.txt", "I\n5 version\r\nname here\r\nw1\r\n7\r\n");
    ASSERT_EQ(inf_open(p.c_str(), FILE_AIRFOIL, 5, 0), 1);
    char b[32];
    strscan(b, "a", 32);
    EXPECT_STREQ(b, "name here");
    wrdscan(b, "b", 32);
    EXPECT_STREQ(b, "w1");
    EXPECT_EQ(intscan("c"), 7);
    EXPECT_TRUE(inf_good());
    inf_close();
}

TEST(QzFile_Head, TextTypesAndMarks)
{
    for (int type : {FILE_AIRFOIL, FILE_FLAP, FILE_SITUATION, FILE_ANY}) {
        std::string p = write_eol("t.txt", "A\n363 version\n8\n", "\n");
        EXPECT_EQ(inf_open(p.c_str(), type, 363, 0), 1) << type;
        EXPECT_EQ(inf_is_bin, 0);
        EXPECT_EQ(intscan("v"), 8);
    }
    int alerts = mnw_alert_count();
    std::string bad = write_eol("badmark.txt", "X\n363 version\n", "\n");
    EXPECT_EQ(inf_open(bad.c_str(), FILE_AIRFOIL, 363, 1), 0);
    std::string bin = orv_test::write_file(dir() + "/bin_as_text", "i" + le4(363));
    EXPECT_EQ(inf_open(bin.c_str(), FILE_AIRFOIL, 363, 1), 0);
    EXPECT_EQ(inf_open((dir() + "/missing.afl").c_str(), FILE_AIRFOIL, 363, 1), 0);
    EXPECT_EQ(inf_open(nullptr, FILE_AIRFOIL, 363, 1), 0);
    EXPECT_EQ(inf_open(dir().c_str(), FILE_AIRFOIL, 363, 1), 0);   // a folder is no file
    std::string empty = orv_test::write_file(dir() + "/empty", "");
    EXPECT_EQ(inf_open(empty.c_str(), FILE_AIRFOIL, 363, 1), 0);
    EXPECT_EQ(inf_open(empty.c_str(), FILE_AIRCRAFT, 46, 1), 0);
    std::string mark_only = orv_test::write_file(dir() + "/mark_only", "I");
    EXPECT_EQ(inf_open(mark_only.c_str(), FILE_AIRFOIL, 363, 1), 0);
    EXPECT_EQ(mnw_alert_count(), alerts);   // opening failures are left to the caller to tell

    // A head cut before its version is a scan failure.
    std::string cut = orv_test::write_file(dir() + "/cut_text", "I\n");
    EXPECT_EQ(inf_open(cut.c_str(), FILE_AIRFOIL, 363, 1), 0);
    std::string cut_bin = orv_test::write_file(dir() + "/cut_bin", std::string("i\x2e\x00", 3));
    EXPECT_EQ(inf_open(cut_bin.c_str(), FILE_AIRCRAFT, 46, 1), 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 2);
    EXPECT_STREQ(mnw_last_alert_line(0), "File-scanning error!");
    inf_close();
}

TEST(QzFile_Head, WrongVersion)
{
    std::string p = write_eol("v.txt", "I\n362 version\n5\n", "\n");
    int alerts = mnw_alert_count();
    EXPECT_EQ(inf_open(p.c_str(), FILE_SITUATION, 462, 0), 0);
    EXPECT_EQ(mnw_alert_count(), alerts);

    // With the alert the user is told and the file is read all the same.
    EXPECT_EQ(inf_open(p.c_str(), FILE_SITUATION, 462, 1), 1);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0),
                 "The following file is the wrong version for this version of Vantorel:");
    EXPECT_STREQ(mnw_last_alert_line(1), p.c_str());
    EXPECT_STREQ(mnw_last_alert_line(2),
                 "Throw that file away. You should only use the files that came with the program.");
    EXPECT_STREQ(mnw_last_alert_line(3), "You may have to re-install Vantorel from the CD.");
    EXPECT_EQ(intscan("next"), 5);
    inf_close();
}

TEST(QzFile_Head, BinaryBothByteOrders)
{
    std::string raw = "ABCD";
    std::string little = orv_test::write_file(dir() + "/le.acf",
                                              "i" + le4(46) + le4(-123456) + lef(2.5f) + raw + le4(1));
    std::string big = orv_test::write_file(dir() + "/be.acf",
                                           "a" + be4(46) + be4(-123456) + bef(2.5f) + raw + be4(1));
    for (const std::string& p : {little, big}) {
        for (int type : {FILE_AIRCRAFT, FILE_BINARY}) {
            ASSERT_EQ(inf_open(p.c_str(), type, 46, 0), 1) << p;
            EXPECT_EQ(inf_is_bin, 1);
            EXPECT_EQ(rev_inf_bin, p == big ? 1 : 0);
            EXPECT_EQ(intscanNOSN("i"), -123456);
            EXPECT_FLOAT_EQ(fltscan("f"), 2.5f);
            char b[4];
            strscan(b, "raw", 4);   // raw bytes are never reversed
            EXPECT_EQ(std::string(b, 4), raw);
            EXPECT_EQ(bolscan("flag"), 1);
            EXPECT_TRUE(inf_good());
            inf_close();
        }
    }
    // A text reading of a binary mark, and a text mark read as binary, are refused.
    std::string text = write_eol("text.acf", "I\n46 version\n", "\n");
    EXPECT_EQ(inf_open(text.c_str(), FILE_AIRCRAFT, 46, 0), 0);
}

// A little-endian file wrongly marked 'a' reads its version reversed: the user is warned and
// the file is still open for the reader to decide the record's order itself.
TEST(QzFile_Head, LittleEndianFileMarkedBig)
{
    std::string p = orv_test::write_file(dir() + "/wrongmark.acf", "a" + le4(46) + le4(1));
    int alerts = mnw_alert_count();
    EXPECT_EQ(inf_open(p.c_str(), FILE_AIRCRAFT, 46, 1), 1);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_EQ(rev_inf_bin, 1);
    EXPECT_EQ(intscan("asi_units"), 16777216);
    inf_close();
}

TEST(QzFile_Head, BinaryReadsPastTheEnd)
{
    std::string p = orv_test::write_file(dir() + "/short.acf", "i" + le4(46) + "xy");
    ASSERT_EQ(inf_open(p.c_str(), FILE_AIRCRAFT, 46, 0), 1);
    int alerts = mnw_alert_count();
    char b[6];
    std::memset(b, '#', sizeof b);
    strscan(b, "record", 6);   // what is there is copied, the rest cleared
    EXPECT_EQ(std::string(b, 6), std::string("xy\0\0\0\0", 6));
    EXPECT_EQ(intscan("more"), 0);
    EXPECT_FALSE(inf_good());
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    inf_close();
}

TEST(QzFile_Head, SecondStreamKeepsItsFile)
{
    std::string a = write_eol("first.txt", "I\n1 version\n111\n", "\n");
    std::string b = write_eol("second.txt", "I\n1 version\n222\n", "\n");
    ASSERT_EQ(inf_open(a.c_str(), FILE_ANY, 1, 0), 1);
    inf_move_to_second();
    inf_use = 2;
    ASSERT_EQ(inf_open(b.c_str(), FILE_ANY, 1, 0), 1);   // the head comes from inf1
    EXPECT_EQ(inf_use, 2);
    EXPECT_EQ(intscan("from second"), 111);
    inf_use = 1;
    EXPECT_EQ(intscan("from first"), 222);
    inf2_close();
    inf_use = 2;
    EXPECT_FALSE(inf_good());
    inf_use = 1;
    inf_close();
}

TEST(QzFile_Head, RevByteOrder)
{
    unsigned char b[4] = {1, 2, 3, 4};
    rev_byte_order4(b);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[1], 3);
    EXPECT_EQ(b[2], 2);
    EXPECT_EQ(b[3], 1);
}

namespace {

std::string rdir()
{
    static std::string d = orv_test::temp_dir("qzfile_review");
    return d;
}

}  // namespace

// The character that ends a word is taken with it, whichever it is, so the next scanner
// starts on what follows.
TEST(QzFile_Scanners, WordTerminatorIsConsumed)
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
TEST(QzFile_Scanners, OpenResetsTheLineEndState)
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
TEST(QzFile_Picker, ClickAreaEdges)
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
