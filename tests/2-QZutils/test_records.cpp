#include <gtest/gtest.h>

#include "2-QZutils/records.h"

using namespace orv;

TEST(Constants, ConversionsAreConsistent)
{
    set_constants();
    EXPECT_FLOAT_EQ(con.fttomtrs * con.mtrstoft, 1.0f);
    EXPECT_NEAR(con.ktstomsc * 3600.0f, con.nmtomtrs, 1e-2f);
    EXPECT_NEAR(1.0f * con.msctofpm, 196.85f, 0.01f);
    EXPECT_NEAR(0.0023769f * con.endtomed, 1.225f, 0.001f);
    EXPECT_NEAR(con.rsctorpm * 2.0f * 3.14159265f, 60.0f, 1e-3f);
}
