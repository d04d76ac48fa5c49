// Reading and writing aircraft files: byte orders, version mark, damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "acf_test_util.h"
#include "aircraft/acf_io.h"
#include "support/test_support.h"

using namespace orv;

namespace {

planestruct& sample()
{
    static planestruct p;
    acf_test::make_trainer(p);
    std::strcpy(p.C_name, "text survives");
    p.ASr2 = 0.75f;              // last field: a read that drops bytes would lose it
    p.in_propwash[27][3][7] = -5;
    return p;
}

}  // namespace

TEST(Acf_Io, BigEndianTwinReadsLikeLittleEndian)
{
    const std::string dir = orv_test::temp_dir("acf_io");
    const planestruct& p = sample();
    const std::string le = acf_test::save_acf(dir, "le.acf", p, false);
    const std::string be = acf_test::save_acf(dir, "be.acf", p, true);
    const std::string le_bytes = orv_test::read_file(le), be_bytes = orv_test::read_file(be);
    ASSERT_EQ(le_bytes.size(), 189553u);
    ASSERT_EQ(be_bytes.size(), 189553u);
    EXPECT_EQ(le_bytes[0], 'i');
    EXPECT_EQ(be_bytes[0], 'a');
    EXPECT_EQ(be_bytes[4], 46);                       // version, big-endian
    EXPECT_NE(le_bytes, be_bytes);

    static planestruct a, b;
    const int alerts = mnw_alert_count();
    ASSERT_EQ(read_acf(le.c_str(), a), ACF_READ_OK);
    ASSERT_EQ(read_acf(be.c_str(), b), ACF_READ_OK);
    EXPECT_EQ(mnw_alert_count(), alerts);
    EXPECT_EQ(std::memcmp(&a, &p, sizeof a), 0);
    EXPECT_EQ(std::memcmp(&b, &p, sizeof b), 0);
    EXPECT_STREQ(b.C_name, "text survives");
    EXPECT_EQ(b.ASr2, 0.75f);
}

TEST(Acf_Io, WrongMarkGivesVersionAlertThenLoads)
{
    const std::string dir = orv_test::temp_dir("acf_io");
    const planestruct& p = sample();
    const std::string path = acf_test::save_acf(dir, "mark.acf", p, false);
    std::string bytes = orv_test::read_file(path);
    bytes[0] = 'a';                                    // version now reads as 771751936
    orv_test::write_file(path, bytes);
    static planestruct a;
    const int alerts = mnw_alert_count();
    ASSERT_EQ(read_acf(path.c_str(), a), ACF_READ_OK);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "The following file is the wrong version for this version of Vantorel:");
    EXPECT_EQ(std::memcmp(&a, &p, sizeof a), 0);
}

TEST(Acf_Io, DamagedFilesAreRefusedAndLeaveTheRecord)
{
    const std::string dir = orv_test::temp_dir("acf_io");
    const std::string path = acf_test::save_acf(dir, "cut.acf", sample(), false);
    const std::string bytes = orv_test::read_file(path);
    static planestruct a;
    std::memset(&a, 0x5a, sizeof a);

    orv_test::write_file(path, bytes.substr(0, 100000));
    int alerts = mnw_alert_count();
    EXPECT_EQ(read_acf(path.c_str(), a), ACF_READ_SHORT);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    orv_test::write_file(path, bytes.substr(0, 189552));   // one byte short
    EXPECT_EQ(read_acf(path.c_str(), a), ACF_READ_SHORT);
    for (std::size_t i = 0; i < sizeof a; ++i) ASSERT_EQ(reinterpret_cast<unsigned char*>(&a)[i], 0x5a);

    alerts = mnw_alert_count();
    orv_test::write_file(path, "i\x2e");
    EXPECT_EQ(read_acf(path.c_str(), a), ACF_READ_NOT_ACF);
    orv_test::write_file(path, "x" + bytes.substr(1));
    EXPECT_EQ(read_acf(path.c_str(), a), ACF_READ_NOT_ACF);
    EXPECT_EQ(read_acf((dir + "/absent.acf").c_str(), a), ACF_READ_NOT_ACF);
    EXPECT_EQ(mnw_alert_count(), alerts);              // "not an aircraft" is the caller's to say
}
