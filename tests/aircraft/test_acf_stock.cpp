// The stock fleet built into the data tree: each aircraft loads without an alert and its
// build-up is sensible. Skipped when the data tree has not been built.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "aircraft/initpln.h"
#include "support/test_support.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> stock_aircraft()
{
    std::vector<std::string> out;
    std::error_code ec;
    const fs::path root = fs::path(ORV_BINARY_DIR) / "Aircraft";
    if (!fs::is_directory(root, ec)) return out;
    for (const auto& d : fs::recursive_directory_iterator(root, ec)) {
        const std::string ext = d.path().extension().string();
        if (d.is_regular_file() && (ext == ".acf" || ext == ".ACF")) out.push_back(d.path().string());
    }
    return out;
}

}  // namespace

TEST(Acf_Stock, EveryStockAircraftLoadsWithoutAlertAndIsSensible)
{
    const std::vector<std::string> fleet = stock_aircraft();
    ORV_NEED_DATA(!fleet.empty(), "stock aircraft");
    set_constants();
    std::snprintf(app_path, sizeof app_path, "%s/", ORV_BINARY_DIR);
    const std::string dir = orv_test::temp_dir("acf_stock");
    for (const std::string& path : fleet) {
        SCOPED_TRACE(path);
        std::memset(&flt, 0, sizeof flt);
        const std::string out = dir + "/Vantorel.out";
        trk.open(out);
        const int before = mnw_alert_count();
        ASSERT_EQ(load_plane_file(path.c_str()), 1);
        trk.close();
        EXPECT_EQ(mnw_alert_count(), before) << mnw_last_alert_line(0) << " / " << mnw_last_alert_line(1);
        if (std::getenv("ORV_SHOW_REPORT")) std::printf("%s", orv_test::read_file(out).c_str());

        // main wing
        const int w = have_this_part(4) ? 4 : (have_this_part(6) ? 6 : -1);
        if (!pln.is_heli) {
            ASSERT_GE(w, 0);
        }
        if (w >= 0) {
            EXPECT_GT(pln.AR[w], 2.0f);
            EXPECT_LT(pln.AR[w], 40.0f);
            EXPECT_GE(pln.e[w], 0.5f);
            EXPECT_LE(pln.e[w], 1.0f);
            EXPECT_GT(pln.alpha_max[w], 5.0f);
        }
        // radii of gyration
        float semispan = pln.semilen[0];
        for (int p = 4; p <= 9; ++p)
            if (have_this_part(p)) semispan = std::fmax(semispan, std::fabs(get_wing_Xarm(p, pln.semilen[p])));
        const float length = pln.body_Z[18][10][0] - pln.body_Z[18][0][0];
        EXPECT_GT(std::sqrt(pln.Jzz_unitmass) / semispan, 0.15f);
        EXPECT_LT(std::sqrt(pln.Jzz_unitmass) / semispan, 0.5f);
        EXPECT_GT(std::sqrt(pln.Jxx_unitmass) / length, 0.15f);
        EXPECT_LT(std::sqrt(pln.Jxx_unitmass) / length, 0.45f);
        EXPECT_GT(std::sqrt(pln.Jyy_unitmass) / length, 0.15f);
        EXPECT_LT(std::sqrt(pln.Jyy_unitmass) / length, 0.45f);
        // the tail sits in the wing's downwash
        if (w >= 0 && have_this_part(10)) {
            int marked = 0;
            for (int k = 0; k < pln.els[10]; ++k) marked += pln.in_downwash[10][w][k];
            EXPECT_GT(marked, 0);
            EXPECT_GT(pln.spec_wash[w], 0.0f);
        }
        // a tractor propeller washes the tail
        if (have_this_part(0) && pln.Zarm[0] < 0.0f && have_this_part(12)) {
            int marked = 0;
            for (int j = 10; j <= 12; ++j)
                for (int k = 0; k < pln.els[j]; ++k) marked += pln.in_propwash[j][0][k];
            EXPECT_GT(marked, 0);
        }
        EXPECT_GT(msc.est_Vs, 10.0f);
    }
}
