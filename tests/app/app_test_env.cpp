#include "app_test_env.h"

#include <unistd.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "platform/plat_backend.h"
#include "platform/plat_clock.h"
#include "support/test_support.h"

namespace app_test {

long clock_ms;
int  exit_calls;
int  exit_status;

static long test_clock() { return clock_ms; }
static void test_exit(int status)
{
    exit_calls++;
    exit_status = status;
}

env fresh(const char* tag, bool init)
{
    env e;
    e.work = orv_test::temp_dir(std::string("app_") + tag);
    e.config = e.work + "/config";
    e.data = e.work + "/data";
    orv_test::write_file(e.data + "/.keep", "");
    if (chdir(e.work.c_str()) != 0) e.work.clear();
    clock_ms = 0;
    exit_calls = 0;
    exit_status = -1;
    orv::plat_set_clock(test_clock);
    orv::mnw_set_exit_hook(test_exit);
    orv::plat_backend_install(nullptr);
    orv::plat_script_clear();
    orv::picker_clear_answers();
    orv::clear_records();
    orv::register_app_callbacks();
    orv::mnw_set_dirs(e.data.c_str(), e.config.c_str());
    orv::app_set_fixed_step(0);
    orv::app_set_run_limits(0, 0);
    orv::app_set_event_hooks(nullptr, nullptr);
    orv::app_set_flight_step(nullptr);
    orv::frame_timing_reset();
    orv::app_run_reset();
    orv::init_trig_tables();
    if (init) {
        orv::MACIBM_init();
        orv::set_constants();
    }
    return e;
}

}  // namespace app_test
