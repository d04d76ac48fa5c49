// Layout of the aircraft record against the file's byte offsets, and the field table.
#include <gtest/gtest.h>

#include <cstring>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/rec_plane.h"

using namespace orv;

namespace {

struct known_offset { const char* name; std::size_t file_offset; std::size_t bytes; };

// Every field of the published file layout, in file order: name, file offset (record offset
// + 5) and size in bytes.
const known_offset kOffsets[] = {
    {"C_file", 5, 400},
    {"C_name", 405, 400},
    {"C_path", 805, 400},
    {"is_heli", 1205, 4},
    {"us_alt", 1209, 4},
    {"tailnum", 1213, 400},
    {"asi_units", 1613, 4},
    {"Vso", 1617, 4},
    {"Vs", 1621, 4},
    {"Vfe", 1625, 4},
    {"Vno", 1629, 4},
    {"Vne", 1633, 4},
    {"Mmo", 1637, 4},
    {"peX", 1641, 4},
    {"peY", 1645, 4},
    {"peZ", 1649, 4},
    {"paneltype", 1653, 4},
    {"radiotype", 1657, 4},
    {"AStype", 1661, 4},
    {"supptype", 1665, 4},
    {"HUDtype", 1669, 4},
    {"VVItype", 1673, 4},
    {"ecam", 1677, 4},
    {"tape", 1681, 4},
    {"cp", 1685, 4},
    {"ASpwr", 1689, 4},
    {"Vmin", 1693, 4},
    {"Vmax", 1697, 4},
    {"gsx1", 1701, 4},
    {"gsx2", 1705, 4},
    {"gsw", 1709, 4},
    {"gsy1", 1713, 4},
    {"gsyc", 1717, 4},
    {"gsy2", 1721, 4},
    {"ah_dim_int", 1725, 4},
    {"ah_semidim_int", 1729, 4},
    {"ah_semidim_flt", 1733, 4},
    {"ah_top_prim", 1737, 4},
    {"ah_top_roll", 1741, 4},
    {"ah_bot_prim", 1745, 4},
    {"ah_bot_roll", 1749, 4},
    {"ahx1_prim", 1753, 472},
    {"ahx1_roll", 2225, 472},
    {"ahx2_prim", 2697, 472},
    {"ahx2_roll", 3169, 472},
    {"has_ins", 3641, 36},
    {"ins_of_loc", 3677, 36},
    {"ff_hydraulic", 3713, 4},
    {"ff_stickshaker", 3717, 4},
    {"entype", 3721, 4},
    {"revthrustEQ", 3725, 4},
    {"numen", 3729, 4},
    {"sfc", 3733, 4},
    {"pmax", 3737, 4},
    {"gearrat", 3741, 4},
    {"critalt", 3745, 4},
    {"mpmax", 3749, 4},
    {"omegamin", 3753, 4},
    {"omegamax", 3757, 4},
    {"omegamingreen", 3761, 4},
    {"omegamaxgreen", 3765, 4},
    {"tmax", 3769, 4},
    {"burnerinc", 3773, 4},
    {"facejet", 3777, 4},
    {"spooltime", 3781, 4},
    {"vectEQ", 3785, 4},
    {"varpitchEQ", 3789, 4},
    {"vectarm", 3793, 4},
    {"pylondx", 3797, 4},
    {"pylondz", 3801, 4},
    {"trotor_rat", 3805, 4},
    {"propdir", 3809, 16},
    {"numblades", 3825, 16},
    {"minpitch", 3841, 16},
    {"maxpitch", 3857, 16},
    {"sidecant", 3873, 16},
    {"vertcant", 3889, 16},
    {"miprop", 3905, 16},
    {"discarea", 3921, 16},
    {"ringarea", 3937, 128},
    {"des_adv", 4065, 16},
    {"des_rpm", 4081, 16},
    {"des_vel", 4097, 16},
    {"Rafl0", 4113, 11200},
    {"Rafl1", 15313, 11200},
    {"Tafl0", 26513, 11200},
    {"Tafl1", 37713, 11200},
    {"els", 48913, 112},
    {"Xarm", 49025, 112},
    {"Yarm", 49137, 112},
    {"Zarm", 49249, 112},
    {"Croot", 49361, 112},
    {"Ctip", 49473, 112},
    {"semilen", 49585, 112},
    {"sweep1", 49697, 112},
    {"sweep2", 49809, 112},
    {"sweepnow", 49921, 112},
    {"varsweepEQ", 50033, 112},
    {"dihed", 50145, 112},
    {"anginc", 50257, 896},
    {"in_downwash", 51153, 25088},
    {"in_propwash", 76241, 3584},
    {"spec_wash", 79825, 112},
    {"lo_washdir", 79937, 448},
    {"hi_washdir", 80385, 448},
    {"max_washdir", 80833, 448},
    {"s", 81281, 896},
    {"mac", 82177, 896},
    {"AR", 83073, 112},
    {"e", 83185, 112},
    {"delta_fac", 83297, 112},
    {"al_D_al0", 83409, 112},
    {"cl_D_cl0", 83521, 112},
    {"cm_D_cm0", 83633, 112},
    {"alpha_max", 83745, 112},
    {"slat_effect", 83857, 112},
    {"ailn", 83969, 896},
    {"ailnEQ", 84865, 4},
    {"splr", 84869, 896},
    {"splrEQ", 85765, 4},
    {"flap", 85769, 896},
    {"flapEQ", 86665, 4},
    {"slat", 86669, 896},
    {"slatEQ", 87565, 4},
    {"sbrk", 87569, 896},
    {"sbrkEQ", 88465, 4},
    {"drud", 88469, 896},
    {"drudEQ", 89365, 4},
    {"elev", 89369, 896},
    {"elevEQ", 90265, 4},
    {"rudd", 90269, 896},
    {"ruddEQ", 91165, 4},
    {"slat_inc", 91169, 4},
    {"hstbtrimmax", 91173, 4},
    {"con_smooth", 91177, 4},
    {"hstabtype", 91181, 4},
    {"flap_str", 91185, 400},
    {"clflap", 91585, 204},
    {"cdflap", 91789, 204},
    {"cmflap", 91993, 204},
    {"puffEQ", 92197, 4},
    {"fbrkEQ", 92201, 4},
    {"chuteEQ", 92205, 4},
    {"jatoEQ", 92209, 4},
    {"collectEQ", 92213, 4},
    {"jettisonEQ", 92217, 4},
    {"ailn_crat", 92221, 4},
    {"ailn_up", 92225, 4},
    {"ailn_dn", 92229, 4},
    {"elev_crat", 92233, 4},
    {"elev_up", 92237, 4},
    {"elev_dn", 92241, 4},
    {"rudd_crat", 92245, 4},
    {"rudd_def", 92249, 4},
    {"splr_crat", 92253, 4},
    {"splr_def", 92257, 4},
    {"drud_crat", 92261, 4},
    {"drud_def", 92265, 4},
    {"sbrk_crat", 92269, 4},
    {"sbrk_def", 92273, 4},
    {"fusewash", 92277, 4},
    {"fuse_cd", 92281, 4},
    {"fuseYcent", 92285, 4},
    {"fuseZcent", 92289, 4},
    {"fuse_s_frn", 92293, 4},
    {"fuse_s_sid", 92297, 4},
    {"fuse_s_top", 92301, 4},
    {"nace_eq", 92305, 4},
    {"nace_s", 92309, 4},
    {"misc_eq", 92313, 4},
    {"misc_s", 92317, 4},
    {"misc_X", 92321, 4},
    {"misc_Y", 92325, 4},
    {"misc_Z", 92329, 4},
    {"fair_eq", 92333, 4},
    {"fair_s", 92337, 4},
    {"body_r", 92341, 112},
    {"body_X", 92453, 32256},
    {"body_Y", 124709, 32256},
    {"body_Z", 156965, 32256},
    {"cgZ", 189221, 4},
    {"cgY", 189225, 4},
    {"Jxx_unitmass", 189229, 4},
    {"Jyy_unitmass", 189233, 4},
    {"Jzz_unitmass", 189237, 4},
    {"m_empty", 189241, 4},
    {"m_max", 189245, 4},
    {"m_fuel", 189249, 4},
    {"m_jettison", 189253, 4},
    {"gear_type", 189257, 4},
    {"gear_retract", 189261, 4},
    {"nwsteer", 189265, 4},
    {"h_eqlbm", 189269, 4},
    {"the_eqlbm", 189273, 4},
    {"skidX", 189277, 4},
    {"skidY", 189281, 4},
    {"skidZ", 189285, 4},
    {"skidl", 189289, 4},
    {"ngearZ", 189293, 4},
    {"ngearY", 189297, 4},
    {"mgearZ", 189301, 4},
    {"mgearX", 189305, 4},
    {"mgearY", 189309, 4},
    {"ngearZ_att", 189313, 4},
    {"ngearY_att", 189317, 4},
    {"mgearZ_att", 189321, 4},
    {"mgearX_att", 189325, 4},
    {"mgearY_att", 189329, 4},
    {"ngearcon", 189333, 4},
    {"ngeardmp", 189337, 4},
    {"mgearcon", 189341, 4},
    {"mgeardmp", 189345, 4},
    {"skidcon", 189349, 4},
    {"skiddmp", 189353, 4},
    {"wheelrad", 189357, 4},
    {"geardef", 189361, 36},
    {"gear_stat", 189397, 12},
    {"jatoZ", 189409, 4},
    {"jatoY", 189413, 4},
    {"jatotheta", 189417, 4},
    {"jatothrust", 189421, 4},
    {"jatodur", 189425, 4},
    {"stabroll", 189429, 4},
    {"stabhdng", 189433, 4},
    {"ailpitch", 189437, 4},
    {"ailflaps", 189441, 4},
    {"antiiceEQ", 189445, 4},
    {"arrestingEQ", 189449, 4},
    {"bitchinbettyEQ", 189453, 4},
    {"autosbrkEQ", 189457, 4},
    {"autofbrkEQ", 189461, 4},
    {"autosweepEQ", 189465, 4},
    {"brake_area", 189469, 4},
    {"chute_area", 189473, 4},
    {"elevcyclic", 189477, 4},
    {"ailncyclic", 189481, 4},
    {"puffL", 189485, 4},
    {"puffM", 189489, 4},
    {"puffN", 189493, 4},
    {"AShiV", 189497, 4},
    {"ASloV", 189501, 4},
    {"ASmaxp1", 189505, 4},
    {"ASp1", 189509, 4},
    {"ASmaxp2", 189513, 4},
    {"ASp2", 189517, 4},
    {"ASmaxh1", 189521, 4},
    {"ASh1", 189525, 4},
    {"ASmaxh2", 189529, 4},
    {"ASh2", 189533, 4},
    {"ASmaxr1", 189537, 4},
    {"ASr1", 189541, 4},
    {"ASmaxr2", 189545, 4},
    {"ASr2", 189549, 4},
};

}  // namespace

TEST(Acf_Layout, RecordAndFileSizes)
{
    EXPECT_EQ(sizeof(planestruct), 189548u);
    EXPECT_EQ(ACF_FILE_BYTES, 189553);
}

TEST(Acf_Layout, EveryFieldAtItsFileOffset)
{
    const int n = (int)(sizeof kOffsets / sizeof kOffsets[0]);
    ASSERT_EQ(acf_num_fields, n);
    for (int i = 0; i < n; ++i) {
        const known_offset& k = kOffsets[i];
        const acf_field* f = acf_find_field(k.name);
        ASSERT_NE(f, nullptr) << k.name;
        EXPECT_EQ(f, &acf_fields[i]) << k.name << " out of file order";
        EXPECT_EQ(f->offset + ACF_HEADER_BYTES, k.file_offset) << k.name;
        EXPECT_EQ(f->bytes, k.bytes) << k.name;
    }
    EXPECT_STREQ(acf_fields[0].name, "C_file");
    EXPECT_STREQ(acf_fields[acf_num_fields - 1].name, "ASr2");
}

TEST(Acf_Layout, TableCoversTheRecordWithoutGaps)
{
    std::size_t at = 0;
    for (int i = 0; i < acf_num_fields; ++i) {
        EXPECT_EQ(acf_fields[i].offset, at) << acf_fields[i].name;
        at = acf_fields[i].offset + acf_fields[i].bytes;
    }
    EXPECT_EQ(at, sizeof(planestruct));
}

TEST(Acf_Fields, ShapesAndElementAccess)
{
    const acf_field* dw = acf_find_field("in_downwash");
    ASSERT_NE(dw, nullptr);
    EXPECT_EQ(dw->type, ACF_INT);
    EXPECT_EQ(dw->rank, 3);
    EXPECT_EQ(dw->dims[0], 28);
    EXPECT_EQ(dw->dims[1], 28);
    EXPECT_EQ(dw->dims[2], 8);

    const acf_field* rafl = acf_find_field("Rafl1");
    ASSERT_NE(rafl, nullptr);
    EXPECT_EQ(rafl->type, ACF_CHAR);
    EXPECT_EQ(rafl->count, 28u);
    EXPECT_EQ(rafl->elem_size, 400u);

    static planestruct p;
    std::memset(&p, 0, sizeof p);
    const acf_field* bx = acf_find_field("body_X");
    long idx = acf_flat_index(bx, 18, 3, 5);
    ASSERT_GE(idx, 0);
    *static_cast<float*>(acf_elem_ptr(p, bx, static_cast<std::size_t>(idx))) = 2.5f;
    EXPECT_EQ(p.body_X[18][3][5], 2.5f);
    std::strcpy(static_cast<char*>(acf_elem_ptr(p, rafl, 7)), "naca.afl");
    EXPECT_STREQ(p.Rafl1[7], "naca.afl");

    EXPECT_EQ(acf_flat_index(bx, 28, 0, 0), -1);
    EXPECT_EQ(acf_flat_index(bx, 0, -1, 0), -1);
    EXPECT_EQ(acf_elem_ptr(p, bx, bx->count), nullptr);
    EXPECT_EQ(acf_find_field("no_such_field"), nullptr);
}

TEST(Acf_Fields, ByteReversalKeepsTextAndIsItsOwnInverse)
{
    static planestruct p, orig;
    std::memset(&p, 0, sizeof p);
    std::strcpy(p.C_file, "abcd.acf");
    std::strcpy(p.tailnum, "N1234");
    p.asi_units = 1;
    p.Vne = 180.0f;
    p.body_Z[27][17][15] = -3.25f;
    p.ASr2 = 0.5f;
    orig = p;
    rev_pln_bytes(p);
    EXPECT_EQ(p.asi_units, 16777216);
    EXPECT_STREQ(p.C_file, "abcd.acf");
    EXPECT_STREQ(p.tailnum, "N1234");
    EXPECT_NE(p.Vne, 180.0f);
    rev_pln_bytes(p);
    EXPECT_EQ(std::memcmp(&p, &orig, sizeof p), 0);
}
