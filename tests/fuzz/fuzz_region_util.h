// Shared set-up of the scenery fuzz targets: a program folder with the given subfolders and
// a region at (33, -118) with no navigation data and no generated scenery.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/region.h"

inline std::string fuzz_region_folder(const char* tag, const char* subfolders)
{
    std::string tmpl = std::string("/tmp/orv_fuzz_") + tag + "_XXXXXX";
    const char* d = mkdtemp(tmpl.data());
    if (!d) std::abort();
    const std::string folder = d;
    std::string mk = "cd '" + folder + "' && mkdir -p " + subfolders;
    if (std::system(mk.c_str()) != 0) std::abort();
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s\\", folder.c_str());
    orv::set_constants();
    orv::init_trig_tables();
    orv::region_set_generation(0);
    orv::env.aptmax = -1;
    orv::env.navmax = -1;
    orv::env.lat_sou = 33;
    orv::env.lon_wes = -118;
    return folder;
}
