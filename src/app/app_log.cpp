#include "app/app_log.h"

#include <cstdio>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"

namespace orv {

static std::FILE* log_file;
static double     next_row;
static int        rows;

struct extra_column { const char* name; double (*value)(); };
static extra_column extra[32];
static int          extra_count;

int flight_log_add_column(const char* name, double (*value)())
{
    if (log_file || extra_count >= 32 || !name || !value) return 0;
    extra[extra_count++] = {name, value};
    return 1;
}

int flight_log_open(const char* path)
{
    flight_log_close();
    log_file = std::fopen(path, "w");
    if (!log_file) {
        MACIBM_alert("I could not open the flight log file:", path,
                     "Is the folder missing or write-protected?", "The flight goes on without a log.", ALERT_NOTE);
        return 0;
    }
    std::fputs("time_s,lat,lon,alt_ft,ias_kt,pitch_deg,roll_deg,hdg_deg,vs_fpm,on_ground", log_file);
    for (int i = 0; i < extra_count; i++) std::fprintf(log_file, ",%s", extra[i].name);
    std::fputc('\n', log_file);
    next_row = 0;
    rows = 0;
    flight_log_frame(0.0);   // the state the run starts from
    return 1;
}

void flight_log_frame(double t)
{
    if (!log_file || t + 1e-9 < next_row) return;
    std::fprintf(log_file, "%.3f,%.6f,%.6f,%.1f,%.1f,%.2f,%.2f,%.2f,%.1f,%d", t, flt.lat, flt.lon,
                 flt.Y * con.mtrstoft, flt.vind, flt.the, flt.phi, flt.psi, flt.vY * con.msctofpm,
                 flt.onground ? 1 : 0);
    for (int i = 0; i < extra_count; i++) std::fprintf(log_file, ",%.6g", extra[i].value());
    std::fputc('\n', log_file);
    rows++;
    // Rows fall on the 0.1 s grid; a long frame that spans several steps writes one row.
    while (next_row <= t + 1e-9) next_row += 0.1;
}

void flight_log_close()
{
    if (log_file) std::fclose(log_file);
    log_file = nullptr;
}

int flight_log_rows() { return rows; }

}  // namespace orv
