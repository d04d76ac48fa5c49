#include "app/app_log.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "windows/data_groups.h"
#include "windows/windows.h"

namespace orv {

static std::FILE* log_file;
static double     next_row;
static int        rows;

struct extra_column { const char* name; double (*value)(); };
static extra_column extra[32];
static int          extra_count;

static int group_columns[DATA_GROUPS];
static int group_column_count;

void flight_log_set_groups(const int* groups, int n)
{
    group_column_count = 0;
    for (int k = 0; k < n && group_column_count < DATA_GROUPS; k++)
        if (groups[k] >= 0 && groups[k] < DATA_GROUPS) group_columns[group_column_count++] = groups[k];
}

// "g30_NTRQ_ftlb_2": the group, the field's name and unit with every other character run
// made one '_', and the value's place when the field's text repeats within the group.
static void group_column_name(int g, int k, char* out, int size)
{
    const char* label = data_group_label(g);
    auto field_of = [label](int j, char* f) {
        std::snprintf(f, 11, "%.10s", label + 10 * j);
        for (int e = (int)std::strlen(f) - 1; e >= 0 && f[e] == ' '; e--) f[e] = 0;
    };
    char field[11], other[11];
    field_of(k, field);
    int repeats = 0;
    for (int j = 0; j < data_group_count(g); j++) {
        field_of(j, other);
        repeats += !std::strcmp(other, field);
    }
    int used = std::snprintf(out, size, "g%d", g);
    int gap = 1;
    for (const char* c = field; *c && used < size - 2; c++) {
        if (std::isalnum((unsigned char)*c)) {
            if (gap) out[used++] = '_';
            out[used++] = *c;
            gap = 0;
        } else {
            gap = 1;
        }
    }
    out[used] = 0;
    if (repeats > 1) std::snprintf(out + used, size - used, "_%d", k + 1);
}

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
    for (int i = 0; i < group_column_count; i++)
        for (int k = 0; k < data_group_count(group_columns[i]); k++) {
            char name[40];
            group_column_name(group_columns[i], k, name, sizeof name);
            std::fprintf(log_file, ",%s", name);
        }
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
    for (int i = 0; i < group_column_count; i++) {
        float v[GROUP_VALUES];
        const int n = data_group_values(group_columns[i], v);
        for (int k = 0; k < n; k++) std::fprintf(log_file, ",%.7g", v[k]);
    }
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
