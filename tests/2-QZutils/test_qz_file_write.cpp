// The file layer's writer, paths, folder listing and picker.
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_mnw.h"
#include "qz_file_test_util.h"
#include "support/test_support.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

int count_tmp(const std::string& folder)
{
    int n = 0;
    for (auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".tmp") n++;
    return n;
}

}  // namespace

TEST(QzFile_Write, TextHeadAndRoundTrip)
{
    std::string d = orv_test::temp_dir("qzfile_w");
    std::string p = d + "/prefs.prf";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_SITUATION, 462), 1);
    ouf << 17 << "\n" << 2.5f << " wind\n";
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(orv_test::read_file(p), "I\n462 version\n17\n2.5 wind\n");
    EXPECT_EQ(count_tmp(d), 0);

    ASSERT_EQ(inf_open(p.c_str(), FILE_SITUATION, 462, 0), 1);
    EXPECT_EQ(intscan("a"), 17);
    EXPECT_FLOAT_EQ(fltscan("b"), 2.5f);
    inf_close();
}

TEST(QzFile_Write, BinaryHeadAndRoundTrip)
{
    std::string d = orv_test::temp_dir("qzfile_w");
    std::string p = d + "/data.bin";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_BINARY, 0x01020304), 1);
    int v = -5;
    ouf.write((const char*)&v, 4);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(orv_test::read_file(p), std::string("i\x04\x03\x02\x01\xfb\xff\xff\xff", 9));
    ASSERT_EQ(inf_open(p.c_str(), FILE_BINARY, 0x01020304, 0), 1);
    EXPECT_EQ(intscan("v"), -5);
    inf_close();
}

// Until the file is complete the old one stays where it was; a failed write keeps it.
TEST(QzFile_Write, ReplacementIsAtomic)
{
    std::string d = orv_test::temp_dir("qzfile_w");
    std::string p = orv_test::write_file(d + "/keep.sit", "old contents");
    ASSERT_EQ(ouf_open(p.c_str(), FILE_SITUATION, 462), 1);
    ouf << "new contents\n";
    ouf.flush();
    EXPECT_EQ(orv_test::read_file(p), "old contents");
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(orv_test::read_file(p), "I\n462 version\nnew contents\n");

    // The disk fails part way: the user is told and the old file is untouched.
    int alerts = mnw_alert_count();
    ASSERT_EQ(ouf_open(p.c_str(), FILE_SITUATION, 462), 1);
    ouf << "half";
    ouf.setstate(std::ios::badbit);
    EXPECT_EQ(ouf_close(), 0);
    EXPECT_EQ(orv_test::read_file(p), "I\n462 version\nnew contents\n");
    EXPECT_EQ(count_tmp(d), 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(1), p.c_str());

    EXPECT_EQ(ouf_close(), 0);   // nothing open
}

TEST(QzFile_Write, FolderVanishesWhileWriting)
{
    std::string d = orv_test::temp_dir("qzfile_w");
    std::string sub = d + "/sub";
    fs::create_directory(sub);
    std::string p = sub + "/x.sit";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_SITUATION, 462), 1);
    ouf << "data\n";
    fs::remove_all(sub);
    int alerts = mnw_alert_count();
    EXPECT_EQ(ouf_close(), 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_FALSE(fs::exists(sub));
}

TEST(QzFile_Write, OpenFailuresShowTheSaveAlert)
{
    std::string d = orv_test::temp_dir("qzfile_w");
    std::string missing = d + "/no such folder/x.sit";
    int alerts = mnw_alert_count();
    EXPECT_EQ(ouf_open(missing.c_str(), FILE_SITUATION, 462), 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0),
                 "I could not save the file! Could the directory that the file sits in be missing?");
    EXPECT_STREQ(mnw_last_alert_line(1), missing.c_str());
    EXPECT_STREQ(mnw_last_alert_line(2),
                 "Could the file be flagged as read-only? This happens in Linux if you copy it from a CD!");
    EXPECT_STREQ(mnw_last_alert_line(3),
                 "Try putting this app in the background and then flag the file as NOT read-only, or "
                 "creating the folder listed in the path above.");

    // A read-only file is not replaced behind the user's back.
    std::string ro = orv_test::write_file(d + "/ro.sit", "locked");
    chmod(ro.c_str(), 0444);
    EXPECT_EQ(ouf_open(ro.c_str(), FILE_SITUATION, 462), 0);
    EXPECT_EQ(orv_test::read_file(ro), "locked");
    EXPECT_EQ(ouf_open(d.c_str(), FILE_BINARY, 1), 0);   // a folder is no file
    EXPECT_EQ(ouf_open(nullptr, FILE_BINARY, 1), 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 4);
    EXPECT_EQ(count_tmp(d), 0);
}

TEST(QzFile_Paths, AppPathAndApDir)
{
    qzfile_test::PathGuard guard;
    set_app_path("/home/u/vantorel");
    EXPECT_STREQ(app_path, "\\home\\u\\vantorel\\");
    EXPECT_STREQ(wrk_path, app_path);
    set_app_path("/home/u/vantorel/");
    EXPECT_STREQ(app_path, "\\home\\u\\vantorel\\");

    char name[PATH_LEN] = "NACA 2412.afl";
    ap_dir("airfoils", name);
    EXPECT_STREQ(name, "\\home\\u\\vantorel\\airfoils\\NACA 2412.afl");
    EXPECT_STREQ(native_path(name), "/home/u/vantorel/airfoils/NACA 2412.afl");
    char top[PATH_LEN] = "WORLD.RWX";
    ap_dir("", top);
    EXPECT_STREQ(top, "\\home\\u\\vantorel\\WORLD.RWX");

    // A name that cannot fit is cut, never written past the buffer.
    char big[PATH_LEN];
    std::memset(big, 'n', sizeof big - 1);
    big[PATH_LEN - 1] = 0;
    ap_dir("airfoils", big);
    EXPECT_EQ(std::strlen(big), (size_t)PATH_LEN - 1);

    // A folder too long to hold whole is refused; the old one stays.
    std::string huge(PATH_LEN, 'x');
    set_app_path(huge.c_str());
    EXPECT_STREQ(app_path, "\\home\\u\\vantorel\\");

    EXPECT_TRUE(find_app_path());
    EXPECT_EQ(app_path[0], '\\');
    EXPECT_EQ(app_path[std::strlen(app_path) - 1], '\\');
}

// Files are opened through their system-form path.
TEST(QzFile_Paths, OpenThroughSystemForm)
{
    qzfile_test::PathGuard guard;
    std::string d = orv_test::temp_dir("qzfile_p");
    fs::create_directory(d + "/airfoils");
    orv_test::write_file(d + "/airfoils/a.afl", "I\n363 version\n42\n");
    set_app_path(d.c_str());
    char name[PATH_LEN] = "a.afl";
    ap_dir("airfoils", name);
    ASSERT_EQ(inf_open(name, FILE_AIRFOIL, 363, 0), 1);
    EXPECT_EQ(intscan("x"), 42);
    inf_close();
}

TEST(QzFile_Dir, Takeit)
{
    EXPECT_EQ(takeit("wing.afl", FILE_AIRFOIL, 0), 1);
    EXPECT_EQ(takeit("WING.AFL", FILE_AIRFOIL, 0), 1);
    EXPECT_EQ(takeit("wing.Afl", FILE_AIRFOIL, 0), 0);
    EXPECT_EQ(takeit("wing.afl", FILE_FLAP, 0), 0);
    EXPECT_EQ(takeit("f.flp", FILE_FLAP, 0), 1);
    EXPECT_EQ(takeit("s.SIT", FILE_SITUATION, 0), 1);
    EXPECT_EQ(takeit("plane.acf", FILE_AIRCRAFT, 0), 1);
    EXPECT_EQ(takeit("planeacf", FILE_AIRCRAFT, 0), 0);
    EXPECT_EQ(takeit("acf", FILE_AIRCRAFT, 0), 0);
    EXPECT_EQ(takeit("x.bin", FILE_BINARY, 0), 0);
    EXPECT_EQ(takeit("anything", FILE_ANY, 0), 1);
    EXPECT_EQ(takeit("Folder", FILE_AIRFOIL, 1), 1);
    for (int t : {FILE_AIRFOIL, FILE_AIRCRAFT, FILE_ANY}) {
        EXPECT_EQ(takeit(".", t, 1), 0);
        EXPECT_EQ(takeit("..", t, 1), 0);
    }
    EXPECT_EQ(takeit("", FILE_ANY, 0), 0);
    EXPECT_EQ(takeit(nullptr, FILE_ANY, 0), 0);
}

TEST(QzFile_Dir, ListingKeepsFortyNineSortedEntries)
{
    qzfile_test::PathGuard guard;
    std::string d = orv_test::temp_dir("qzfile_dir");
    for (int i = 0; i < 60; i++) {
        char n[32];
        std::snprintf(n, sizeof n, "/w%02d.afl", i);
        orv_test::write_file(d + n, "");
    }
    fs::create_directory(d + "/a folder");
    fs::create_directory(d + "/zz.afl");   // a folder, whatever its name
    orv_test::write_file(d + "/other.txt", "");
    orv_test::write_file(d + "/W99.AFL", "");
    set_app_path(d.c_str());

    EXPECT_EQ(GetDirItems(FILE_AIRFOIL), 49);
    EXPECT_EQ(number_items, 49);
    EXPECT_STREQ(g_name[0], "W99.AFL");   // byte order: upper case first
    EXPECT_STREQ(g_name[1], "a folder");
    EXPECT_EQ(g_folder[1], 1);
    EXPECT_STREQ(g_name[2], "w00.afl");
    EXPECT_EQ(g_folder[2], 0);
    EXPECT_STREQ(g_name[48], "w46.afl");
    EXPECT_EQ(std::string(g_path[2]), std::string(wrk_path) + "w00.afl");
    for (int i = 0; i < number_items; i++) {
        EXPECT_STRNE(g_name[i], "other.txt");
        EXPECT_STRNE(g_name[i], ".");
        EXPECT_STRNE(g_name[i], "..");
    }

    fs::remove_all(d + "/w00.afl");
    for (int i = 1; i < 60; i++) {
        char n[32];
        std::snprintf(n, sizeof n, "/w%02d.afl", i);
        fs::remove(d + n);
    }
    EXPECT_EQ(GetDirItems(FILE_ANY), 4);
    EXPECT_STREQ(g_name[2], "other.txt");
    EXPECT_STREQ(g_name[3], "zz.afl");
    EXPECT_EQ(g_folder[3], 1);
    EXPECT_EQ(GetDirItems(FILE_BINARY), 2);   // folders only

    set_app_path((d + "/gone").c_str());
    EXPECT_EQ(GetDirItems(FILE_ANY), 0);
}

TEST(QzFile_Picker, UpFolder)
{
    qzfile_test::PathGuard guard;
    std::strcpy(wrk_path, "\\home\\u\\v\\");
    EXPECT_EQ(picker_up_folder(), 1);
    EXPECT_STREQ(wrk_path, "\\home\\u\\");
    EXPECT_EQ(picker_click(10, 544, nullptr), PICK_FOLDER);
    EXPECT_STREQ(wrk_path, "\\home\\");
    EXPECT_EQ(picker_click(311, 550, nullptr), PICK_NONE);   // beside the strip

    std::strcpy(wrk_path, "C:\\games\\");
    EXPECT_EQ(picker_up_folder(), 1);
    EXPECT_STREQ(wrk_path, "C:\\");
    for (const char* p : {"C:\\", "\\a\\", "ab", "\\", ""}) {
        std::strcpy(wrk_path, p);
        EXPECT_EQ(picker_up_folder(), 0) << p;
        EXPECT_STREQ(wrk_path, p);
    }
}

TEST(QzFile_Picker, ListClicks)
{
    qzfile_test::PathGuard guard;
    std::string d = orv_test::temp_dir("qzfile_pick");
    fs::create_directory(d + "/b sub");
    orv_test::write_file(d + "/a.afl", "");
    orv_test::write_file(d + "/c.afl", "");
    set_app_path(d.c_str());
    ASSERT_EQ(GetDirItems(FILE_AIRFOIL), 3);

    EXPECT_EQ(picker_row_at(10, 534), 0);
    EXPECT_EQ(picker_row_at(310, 523), 0);
    EXPECT_EQ(picker_row_at(100, 522), 1);
    EXPECT_EQ(picker_row_at(100, 503), 2);
    EXPECT_EQ(picker_row_at(100, 502), -1);   // below the last entry
    EXPECT_EQ(picker_row_at(9, 524), -1);
    EXPECT_EQ(picker_row_at(100, 535), -1);
    EXPECT_EQ(picker_row_at(100, 33), -1);

    int row = -1;
    EXPECT_EQ(picker_click(100, 524, &row), PICK_FILE);
    EXPECT_EQ(row, 0);
    std::string before = wrk_path;
    EXPECT_EQ(picker_click(100, 514, &row), PICK_FOLDER);
    EXPECT_EQ(std::string(wrk_path), before + "b sub\\");
    EXPECT_EQ(picker_enter_folder(0), 0);    // a file is not entered
    EXPECT_EQ(picker_enter_folder(-1), 0);
    EXPECT_EQ(picker_enter_folder(49), 0);
    EXPECT_EQ(GetDirItems(FILE_AIRFOIL), 0);
    EXPECT_EQ(picker_click(100, 514, &row), PICK_NONE);
    EXPECT_EQ(picker_up_folder(), 1);
    EXPECT_EQ(std::string(wrk_path), before);
}

TEST(QzFile_Picker, SaveNameTyping)
{
    g_cs1[0] = 0;
    return_hit = 0;
    for (char c : std::string("my flight")) picker_key(c);
    EXPECT_STREQ(g_cs1, "my flight");
    picker_key(8);
    picker_key(8);
    EXPECT_STREQ(g_cs1, "my flig");
    picker_key('\\');   // separators would lead into another folder
    picker_key('/');
    EXPECT_STREQ(g_cs1, "my flig");
    for (int i = 0; i < 40; i++) picker_key('x');
    picker_key('Z');   // full: the last character is replaced
    EXPECT_EQ(std::strlen(g_cs1), (size_t)NAME_LEN - 1);
    EXPECT_EQ(g_cs1[NAME_LEN - 2], 'Z');
    for (int i = 0; i < 40; i++) picker_key(8);
    EXPECT_STREQ(g_cs1, "");
    EXPECT_EQ(return_hit, 0);
    picker_key(13);
    EXPECT_EQ(return_hit, 1);
    return_hit = 0;
}

TEST(QzFile_Picker, HeadlessAnswers)
{
    qzfile_test::PathGuard guard;
    ASSERT_EQ(mnw_is_headless(), 1);
    std::string d = orv_test::temp_dir("qzfile_ans");
    std::string afl = orv_test::write_file(d + "/wing.afl", "I\n363 version\n");
    std::string acf = orv_test::write_file(d + "/plane.ACF", "i");
    picker_clear_answers();
    char name[NAME_LEN], path[PATH_LEN];

    EXPECT_EQ(MACIBM_open(FILE_AIRFOIL, name, path), 0);   // nothing queued: cancelled

    picker_queue_answer(afl.c_str());
    picker_queue_answer(acf.c_str());
    picker_queue_answer(acf.c_str());
    picker_queue_answer((d + "/missing.afl").c_str());
    ASSERT_EQ(MACIBM_open(FILE_AIRFOIL, name, path), 1);
    EXPECT_STREQ(name, "wing.afl");
    std::string sys = afl;
    for (char& c : sys)
        if (c == '/') c = '\\';
    EXPECT_EQ(std::string(path), sys);
    EXPECT_EQ(std::string(wrk_path) + "wing.afl", sys);
    EXPECT_EQ(g_file_type, FILE_AIRFOIL);
    EXPECT_EQ(MACIBM_open(FILE_AIRFOIL, name, path), 0);   // wrong type
    ASSERT_EQ(MACIBM_open(FILE_AIRCRAFT, name, path), 1);
    EXPECT_STREQ(name, "plane.ACF");
    EXPECT_EQ(MACIBM_open(FILE_AIRFOIL, name, path), 0);   // missing file
    EXPECT_EQ(MACIBM_open(FILE_AIRFOIL, name, path), 0);   // queue empty again

    picker_queue_answer((d + "/new.sit").c_str());
    picker_queue_answer(d.c_str());
    ASSERT_EQ(MACIBM_save(FILE_SITUATION, name, path), 1);
    EXPECT_STREQ(name, "new.sit");
    EXPECT_STREQ(g_cs1, "new.sit");
    EXPECT_STREQ(native_path(path), (d + "/new.sit").c_str());
    EXPECT_EQ(MACIBM_save(FILE_SITUATION, name, path), 0);   // a folder is no file name
    EXPECT_EQ(MACIBM_save(FILE_SITUATION, name, path), 0);

    // A long file name is cut to the name buffer, never past it; the path stays whole.
    std::string long_name = d + "/" + std::string(60, 'q') + ".afl";
    orv_test::write_file(long_name, "");
    picker_queue_answer(long_name.c_str());
    ASSERT_EQ(MACIBM_open(FILE_AIRFOIL, name, path), 1);
    EXPECT_EQ(std::strlen(name), (size_t)NAME_LEN - 1);
    EXPECT_STREQ(native_path(path), long_name.c_str());
}
