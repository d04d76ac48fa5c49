#include "aircraft/acf_io.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"

namespace orv {

namespace {

bool host_is_little()
{
    const std::uint32_t one = 1;
    unsigned char b;
    std::memcpy(&b, &one, 1);
    return b == 1;
}

long file_size(const char* path)
{
    std::ifstream f(native_path(path), std::ios::binary | std::ios::ate);
    if (!f) return -1;
    const std::streamoff n = f.tellg();
    return n < 0 ? -1 : static_cast<long>(n);
}

// Room for one record plus a guard, so a scanner that terminates what it read cannot
// write past the record.
alignas(4) unsigned char g_raw[ACF_RECORD_BYTES + 8];

// The record of the aircraft file of `size` bytes now open in inf1 (`path` names it).
int read_opened(const char* path, long size, planestruct& out)
{
    if (size < ACF_FILE_BYTES) {
        inf_close();
        MACIBM_alert("The aircraft file is damaged: it ends before the aircraft is complete.", path,
                     "It was not loaded. Pick another aircraft, or save this one again in Flexgauge.",
                     "", ALERT_NOTE);
        return ACF_READ_SHORT;
    }
    std::memset(g_raw, 0, sizeof g_raw);
    strscan(reinterpret_cast<char*>(g_raw), "aircraft record", ACF_RECORD_BYTES);
    const int good = inf_good();
    inf_close();
    if (!good) return ACF_READ_SHORT;        // the scanner has already said so

    static planestruct rec;
    std::memcpy(&rec, g_raw, sizeof rec);
    // The mark is not trusted for the record: the units selector tells its byte order.
    if (rec.asi_units != 1 && rec.asi_units != 2) rev_pln_bytes(rec);
    std::memcpy(&out, &rec, sizeof out);
    return ACF_READ_OK;
}

}  // namespace

int read_acf(const char* path, planestruct& out)
{
    if (!path || !path[0]) return ACF_READ_NOT_ACF;
    const long size = file_size(path);
    if (size < ACF_HEADER_BYTES) return ACF_READ_NOT_ACF;
    if (!inf_open(path, FILE_AIRCRAFT, ACF_VERSION, 1)) {
        inf_close();
        return ACF_READ_NOT_ACF;
    }
    return read_opened(path, size, out);
}

int read_acf_image(const unsigned char* data, long size, const char* name, planestruct& out)
{
    if (!data || size < ACF_HEADER_BYTES) return ACF_READ_NOT_ACF;
    if (!inf_open_memory(data, size, name, FILE_AIRCRAFT, ACF_VERSION, 1)) {
        inf_close();
        return ACF_READ_NOT_ACF;
    }
    return read_opened(name, size, out);
}

int save_acf(const char* path, const planestruct& p)
{
    if (!ouf_open(path, FILE_AIRCRAFT, ACF_VERSION)) return 0;
    ouf.write(reinterpret_cast<const char*>(&p), sizeof p);
    return ouf_close();
}

int write_acf(const char* path, const planestruct& p, int big_endian)
{
    static planestruct rec;
    std::memcpy(&rec, &p, sizeof rec);
    const bool reverse = (big_endian != 0) == host_is_little();
    if (reverse) rev_pln_bytes(rec);

    unsigned char head[ACF_HEADER_BYTES];
    head[0] = big_endian ? 'a' : 'i';
    std::int32_t v = ACF_VERSION;
    std::memcpy(head + 1, &v, 4);
    if (reverse) rev_byte_order4(head + 1);

    std::ofstream f(native_path(path), std::ios::binary | std::ios::trunc);
    if (!f) return 0;
    f.write(reinterpret_cast<const char*>(head), sizeof head);
    f.write(reinterpret_cast<const char*>(&rec), sizeof rec);
    f.close();
    return f ? 1 : 0;
}

}  // namespace orv
