#include "world/env_write.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <unistd.h>

#include "world/region.h"

namespace orv {

namespace {

struct byte_out {
    unsigned char buf[QUAD_PTS_LAT * QUAD_PTS_LON * 16 + 64];
    int n;
    std::FILE* f;
    void flush()
    {
        if (n && f) std::fwrite(buf, 1, (size_t)n, f);
        n = 0;
    }
    void raw(const void* p, int len)
    {
        if (n + len > (int)sizeof buf) flush();
        std::memcpy(buf + n, p, (size_t)len);
        n += len;
    }
    // Little-endian whatever the machine, so the same tile is the same bytes everywhere.
    void u32(std::uint32_t v)
    {
        const unsigned char b[4] = {(unsigned char)v, (unsigned char)(v >> 8),
                                    (unsigned char)(v >> 16), (unsigned char)(v >> 24)};
        raw(b, 4);
    }
    void i32(int v) { u32((std::uint32_t)v); }
    void f32(float v)
    {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        u32(u);
    }
};

byte_out out;

}  // namespace

int write_env_file(const char* native_path, int lat, int lon, const float* elev, const int* flags,
                   const env_object* objs, int nobj)
{
    static std::mutex one_at_a_time;   // the byte buffer is shared (the cache also writes ahead)
    std::lock_guard<std::mutex> hold(one_at_a_time);
    char tmp[512];
    if (std::snprintf(tmp, sizeof tmp, "%s.%d.tmp", native_path, (int)getpid()) >= (int)sizeof tmp) return 0;
    out.f = std::fopen(tmp, "wb");
    if (!out.f) return 0;
    out.n = 0;
    const char mark = 'i';
    out.raw(&mark, 1);
    out.i32(ENV_VERSION);
    for (int j = 0; j < QUAD_PTS_LAT; j++) {
        for (int i = 0; i < QUAD_PTS_LON; i++) {
            out.f32((float)((double)lat + (double)j / QUAD_DJ));
            out.f32((float)((double)lon + (double)i / QUAD_DI));
            out.f32(elev[j * QUAD_PTS_LON + i]);
            out.i32(flags[j * QUAD_PTS_LON + i]);
        }
    }
    for (int k = 0; k < nobj; k++) {
        out.i32(objs[k].type);
        out.f32(objs[k].lat);
        out.f32(objs[k].lon);
        out.f32(objs[k].value);
        if (objs[k].type == 8) {
            char name[40] = {};
            std::strncpy(name, objs[k].name, sizeof name - 1);
            out.raw(name, sizeof name);
        } else {
            out.i32(0);
            out.i32(0);
        }
    }
    out.i32(ENV_OBJ_END);
    out.flush();
    const int ok = std::ferror(out.f) == 0;
    if (std::fclose(out.f) != 0 || !ok || std::rename(tmp, native_path) != 0) {
        std::remove(tmp);
        out.f = nullptr;
        return 0;
    }
    out.f = nullptr;
    return 1;
}

}  // namespace orv
