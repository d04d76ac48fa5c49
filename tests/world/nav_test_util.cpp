#include "nav_test_util.h"

#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"
#include "world/nav_db.h"

using namespace orv;

namespace nav_test {

void dump_tables(const std::string& dir, const std::vector<int>& airports, const std::vector<int>& navaids)
{
    std::string p = dir + "/apt_dat";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_ANY, 354), 1);
    ouf << airports.size() << "\n";
    for (int a : airports) {
        int len[3], wid[3];
        for (int r = 0; r < 3; r++) {
            // The smallest whole number of feet that reads back to the same metres.
            len[r] = (int)std::ceil(apt_len[a][r] / 0.3048 - 1e-6);
            wid[r] = (int)std::ceil(apt_width[a][r] / 0.3048 - 1e-6);
        }
        ouf << "1 ";
        dump_apt_line(apt_lat[a], apt_lon[a], apt_num[a], apt_lr[a], apt_hdng[a], len, wid, apt_lite[a],
                      std::round(apt_h[a] / 0.3048f), apt_twr[a], apt_id[a], apt_name[a]);
    }
    ouf << "99\n";
    ASSERT_EQ(ouf_close(), 1);
    p = dir + "/nav_dat";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_ANY, 354), 1);
    ouf << navaids.size() << "\n";
    for (int n : navaids)
        dump_nav_line(nav_type[n], nav_lat[n], nav_lon[n], std::round(nav_h[n] / 0.3048f * 10) / 10,
                      nav_f12[n], nav_hdng[n], nav_id[n], nav_name[n]);
    ouf << "99\n";
    ASSERT_EQ(ouf_close(), 1);
}

std::vector<int> all_airports()
{
    std::vector<int> v;
    for (int a = 0; a <= env.aptmax; a++) v.push_back(a);
    return v;
}

std::vector<int> all_navaids()
{
    std::vector<int> v;
    for (int n = 0; n < nav_end_entry(); n++) v.push_back(n);
    return v;
}

}  // namespace nav_test
