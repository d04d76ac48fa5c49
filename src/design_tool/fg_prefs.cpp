#include "design_tool/fg_prefs.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "design_tool/fg_plot.h"

namespace orv {

namespace {

constexpr const char* PREFS_NAME = "Flexgauge.prf";
constexpr int PREFS_VERSION = 1;

char path_buf[PATH_LEN];

}  // namespace

const char* fg_prefs_path()
{
    // The simulator's preferences name the folder; ours sits beside them.
    copy_str(path_buf, PATH_LEN, prefs_path);
    char* sep = std::strrchr(path_buf, '\\');
    const size_t folder = sep ? (size_t)(sep - path_buf) + 1 : 0;
    path_buf[folder] = 0;
    if (folder + std::strlen(PREFS_NAME) < sizeof path_buf) std::strcat(path_buf, PREFS_NAME);
    return path_buf;
}

void fg_read_prefs()
{
    if (!inf_open(fg_prefs_path(), FILE_ANY, PREFS_VERSION, 0)) {
        inf_close();
        return;
    }
    const int wire = intscan("wire frame");
    const int sky = intscan("sky background");
    const float zoom = fltscan("zoom");
    const float the = fltscan("view pitch"), psi = fltscan("view heading"), phi = fltscan("view roll");
    char folder[PATH_LEN];
    strscan(folder, "picker folder", PATH_LEN);
    const int good = inf_good();
    inf_close();
    if (!good || !std::isfinite(zoom) || !std::isfinite(the) || !std::isfinite(psi) || !std::isfinite(phi)) return;
    mnw.draw_wire = wire ? 1 : 0;
    msc.bluesky = sky ? 1 : 0;
    msc.zoom = fltlim(zoom, FG_ZOOM_MIN, FG_ZOOM_MAX);
    msc.the = fltwrap(the, -180.0f, 180.0f);
    msc.psi = fltwrap(psi, 0.0f, 360.0f);
    msc.phi = fltwrap(phi, -180.0f, 180.0f);
    if (folder[0] == '\\') copy_str(wrk_path, PATH_LEN, folder);
}

int fg_write_prefs()
{
    if (!ouf_open(fg_prefs_path(), FILE_ANY, PREFS_VERSION)) return 0;
    ouf << mnw.draw_wire << " wire frame\n" << msc.bluesky << " sky background\n" << msc.zoom << " zoom\n"
        << msc.the << " view pitch\n" << msc.psi << " view heading\n" << msc.phi << " view roll\n"
        << wrk_path << "\n";
    return ouf_close();
}

}  // namespace orv
