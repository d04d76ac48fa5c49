// Fuzz target: an aircraft image held in memory is loaded and then flown for a few hundred
// integration half-steps from an airborne start over flat land, so that whatever a damaged
// file leaves in the record meets the flight model. ORV_FUZZ_AIRFOILS names a folder of
// airfoil files to fly on; without it every part flies on the loader's stand-in section.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "aircraft/initpln.h"
#include "app/app_start.h"
#include "flight/flt_init.h"
#include "flight/integ.h"
#include "fuzz_support.h"

namespace {

constexpr int FRAMES = 150;              // two half-steps each
constexpr float START_HEIGHT_M = 1500.0f;
constexpr float START_SPEED_MS = 60.0f;
constexpr float FRAME_S = 0.05f;

void set_up_once()
{
    static bool done;
    if (done) return;
    done = true;
    const std::string& folder = orv_fuzz::program_folder(nullptr);
    if (const char* foils = std::getenv("ORV_FUZZ_AIRFOILS")) {
        std::error_code ec;
        std::filesystem::create_directory_symlink(std::filesystem::absolute(foils), folder + "/airfoils", ec);
    }
    orv::initgen();
    if (orv::trk.is_open()) orv::trk.close();   // no build-up report for every input
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    set_up_once();
    if (!orv::load_plane_image(data, size, "fuzz.acf")) return 0;
    std::memset(&orv::flt, 0, sizeof orv::flt);
    orv::set_flat_region_frame(0.0f);
    orv::set.cus_X = orv::set.cus_Z = 0.0f;
    orv::set.cus_Y = START_HEIGHT_M;
    orv::set.cus_v = START_SPEED_MS;
    orv::set.cus_psi = 90.0f;
    orv::msc.prd = FRAME_S;
    orv::set_fltvars(10);
    for (int f = 0; f < FRAMES; f++) orv::update_flight();
    return 0;
}
