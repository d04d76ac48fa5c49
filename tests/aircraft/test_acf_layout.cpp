// Layout of the aircraft record against the file's byte offsets, and the field table.
#include <gtest/gtest.h>

#include <cstring>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/rec_plane.h"

using namespace orv;

namespace {

struct known_offset { const char* name; std::size_t file_offset; std::size_t bytes; };

// File offsets of the published layout (record offset + 5).
const known_offset kOffsets[] = {
    {"C_file", 5, 400},          {"is_heli", 1205, 4},        {"tailnum", 1213, 400},
    {"asi_units", 1613, 4},      {"Vno", 1629, 4},            {"ahx1_prim", 1753, 472},
    {"has_ins", 3641, 36},       {"numen", 3729, 4},          {"ringarea", 3937, 128},
    {"Rafl0", 4113, 11200},      {"Tafl1", 37713, 11200},     {"els", 48913, 112},
    {"anginc", 50257, 896},      {"in_downwash", 51153, 25088}, {"in_propwash", 76241, 3584},
    {"spec_wash", 79825, 112},   {"mac", 82177, 896},         {"ailnEQ", 84865, 4},
    {"flap_str", 91185, 400},    {"clflap", 91585, 204},      {"body_X", 92453, 32256},
    {"body_Z", 156965, 32256},   {"cgZ", 189221, 4},          {"m_empty", 189241, 4},
    {"gear_stat", 189397, 12},   {"ASr2", 189549, 4},
};

}  // namespace

TEST(Acf_Layout, RecordAndFileSizes)
{
    EXPECT_EQ(sizeof(planestruct), 189548u);
    EXPECT_EQ(ACF_FILE_BYTES, 189553);
}

TEST(Acf_Layout, FirstLastAndSampleFieldOffsets)
{
    for (const auto& k : kOffsets) {
        const acf_field* f = acf_find_field(k.name);
        ASSERT_NE(f, nullptr) << k.name;
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
