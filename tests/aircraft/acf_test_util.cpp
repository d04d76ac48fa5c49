#include "acf_test_util.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "aircraft/acf_io.h"
#include "aircraft/initpln.h"
#include "support/test_support.h"

namespace acf_test {

std::string fresh_app_dir(const std::string& tag)
{
    const std::string d = orv_test::temp_dir(tag);
    std::filesystem::create_directories(d + "/airfoils");
    std::filesystem::create_directories(d + "/flaps");
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s/", d.c_str());
    return d;
}

static float angle_of(int i) { return i <= 200 ? i / 10.0f : 20.0f + (i - 200); }

void write_airfoil(const std::string& app_dir, const std::string& name, const foil_opts& o)
{
    std::ostringstream s;
    s << "I\n363 version\n" << o.check << "\n";
    s << "testfoil " << o.trat << " " << o.Re << " 0 " << o.stall << " extra words\n";
    s << "angle cl cd\n";
    auto cl_at = [&](float a) { return std::fmax(-1.4f, std::fmin(1.4f, o.clM * a + o.clB)); };
    auto cd_at = [&](float a) { return o.negative_drag && a > 30.0f ? -0.01f : 0.008f + 0.0002f * a * a / 10.0f; };
    for (int i = 270; i >= 100; --i) s << -angle_of(i) << " " << cl_at(-angle_of(i)) << " " << cd_at(angle_of(i)) << "\n";
    for (int i = 99; i >= 0; --i) s << -angle_of(i) << " " << cd_at(angle_of(i)) << "\n";
    s << o.clM << "\n" << o.clB << "\n-0.05\n0\n-0.1\n-0.1\n-0.1\n-0.1\n";
    s << "positive side\n";
    for (int i = 0; i <= 99; ++i) s << angle_of(i) << " " << cd_at(angle_of(i)) << "\n";
    for (int i = 100; i <= 270; ++i) s << angle_of(i) << " " << cl_at(angle_of(i)) << " " << cd_at(angle_of(i)) << "\n";
    std::string text = s.str();
    if (o.cut_after_lines >= 0) {
        std::size_t at = 0;
        for (int n = 0; n < o.cut_after_lines && at != std::string::npos; ++n) at = text.find('\n', at + 1);
        if (at != std::string::npos) text.resize(at + 1);
    }
    orv_test::write_file(app_dir + "/airfoils/" + name, text);
}

void write_flap(const std::string& app_dir, const std::string& name, int check, int rows)
{
    std::ostringstream s;
    s << "I\n363 version\n" << check << "\nflap table\nsetting cl cd cm\n";
    for (int f = 0; f < rows; ++f) s << f << " " << 0.02f * f << " " << 0.001f * f << " " << -0.004f * f << "\n";
    orv_test::write_file(app_dir + "/flaps/" + name, s.str());
}

void make_trainer(orv::planestruct& p)
{
    std::memset(&p, 0, sizeof p);
    std::strcpy(p.tailnum, "N172T");
    p.asi_units = 1;
    p.Vso = 45; p.Vs = 50; p.Vfe = 85; p.Vno = 125; p.Vne = 160; p.Mmo = 0.3f;
    p.peY = 4.0f; p.peZ = 0.5f;
    p.paneltype = 1;
    p.entype = 1; p.numen = 1; p.pmax = 160; p.gearrat = 1; p.mpmax = 29.9f; p.critalt = 0;
    p.omegamin = 600; p.omegamax = 2700; p.sfc = 0.45f;
    p.propdir[0] = 1; p.numblades[0] = 2; p.minpitch[0] = 10; p.maxpitch[0] = 30;
    auto surface = [&](int part, float semilen, float croot, float ctip, float x, float y, float z,
                       float dihed, int els) {
        p.semilen[part] = semilen; p.Croot[part] = croot; p.Ctip[part] = ctip;
        p.Xarm[part] = x; p.Yarm[part] = y; p.Zarm[part] = z; p.dihed[part] = dihed; p.els[part] = els;
        std::strcpy(p.Rafl0[part], "t.afl"); std::strcpy(p.Rafl1[part], "t.afl");
        std::strcpy(p.Tafl0[part], "t.afl"); std::strcpy(p.Tafl1[part], "t.afl");
    };
    surface(0, 3.1f, 0.5f, 0.3f, 0.0f, 0.0f, -7.0f, 0.0f, 8);
    surface(4, 16.0f, 5.3f, 5.3f, -1.5f, 3.0f, 0.0f, 1.5f, 6);
    surface(5, 16.0f, 5.3f, 5.3f, 1.5f, 3.0f, 0.0f, 1.5f, 6);
    surface(10, 5.5f, 3.5f, 3.0f, -0.5f, 0.5f, 15.0f, 0.0f, 4);
    surface(11, 5.5f, 3.5f, 3.0f, 0.5f, 0.5f, 15.0f, 0.0f, 4);
    surface(12, 5.0f, 4.0f, 2.5f, 0.0f, 1.0f, 14.0f, 90.0f, 4);
    for (int k = 0; k < 3; ++k) { p.flap[4][k] = p.flap[5][k] = 1; }
    for (int k = 4; k < 6; ++k) { p.ailn[4][k] = p.ailn[5][k] = 1; }
    for (int k = 0; k < 4; ++k) { p.elev[10][k] = p.elev[11][k] = 1; p.rudd[12][k] = 1; }
    std::strcpy(p.flap_str, "t.flp");
    // fuselage: 11 stations, right half from the top (point 0) to the bottom (point 8)
    for (int s = 0; s < 11; ++s) {
        const float z = -7.0f + 2.6f * s;
        const float r = s < 3 ? 1.2f + 0.6f * s : 2.4f - 0.2f * (s - 3);
        for (int k = 0; k < 16; ++k) {
            const float th = 3.14159265f * (k < 8 ? k : 8) / 8.0f;
            p.body_X[18][s][k] = r * std::sin(th);
            p.body_Y[18][s][k] = 0.5f + r * std::cos(th);
            p.body_Z[18][s][k] = z;
        }
    }
    p.cgY = 0.0f; p.cgZ = 3.0f;
    p.m_empty = 1650; p.m_max = 2450; p.m_fuel = 300;
    p.gear_type = 3; p.gear_stat[0] = p.gear_stat[1] = p.gear_stat[2] = 1;
    p.ngearZ = -5; p.ngearY = -3.5f; p.mgearZ = 4.5f; p.mgearX = 4; p.mgearY = -3.5f; p.wheelrad = 0.6f;
    p.ngearcon = 5000; p.mgearcon = 8000; p.nwsteer = 10;
    p.fuse_cd = 0.1f;
}

std::string save_acf(const std::string& app_dir, const std::string& name, const orv::planestruct& p, bool big)
{
    const std::string path = app_dir + "/" + name;
    orv::write_acf(path.c_str(), p, big ? 1 : 0);
    return path;
}

void TrainerFixture::start(const std::string& tag)
{
    orv::set_constants();
    std::memset(&orv::flt, 0, sizeof orv::flt);
    dir = fresh_app_dir(tag);
    write_airfoil(dir, "t.afl");
    write_flap(dir, "t.flp");
    make_trainer(design());
}

int TrainerFixture::load(const std::string& name)
{
    const std::string path = save_acf(dir, name, design());
    const int before = orv::mnw_alert_count();
    EXPECT_EQ(orv::load_plane_file(path.c_str()), 1);
    return orv::mnw_alert_count() - before;
}

}  // namespace acf_test
