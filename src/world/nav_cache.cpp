#include "world/nav_cache.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "platform/plat_fs.h"
#include "platform/plat_paths.h"
#include "world/scenery_cache.h"

namespace orv {

namespace {

constexpr char     MAGIC[8] = {'O', 'R', 'V', 'N', 'A', 'V', '1', 0};
constexpr int      SOURCE_LEN = 1024;
constexpr int      PATH_CAP = 1200;
constexpr uint64_t FNV_OFFSET = 1469598103934665603ULL, FNV_PRIME = 1099511628211ULL;

struct header {
    char      magic[8];
    int32_t   ncols;
    int32_t   count;
    int64_t   source_size;
    int64_t   source_mtime_ns;
    uint64_t  layout;      // the columns' widths: a program whose tables differ reads the text
    uint64_t  checksum;    // of every column's bytes, in order
    char      source[SOURCE_LEN];
};

// FNV-1a taken a word at a time: a few megabytes cost a millisecond, not ten.
uint64_t fnv(uint64_t h, const void* p, long n)
{
    const unsigned char* b = (const unsigned char*)p;
    long i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, b + i, 8);
        h = (h ^ w) * FNV_PRIME;
        h ^= h >> 29;
    }
    for (; i < n; i++) h = (h ^ b[i]) * FNV_PRIME;
    return h;
}

uint64_t layout_of(const nav_cache_column* cols, int ncols)
{
    uint64_t h = FNV_OFFSET;
    for (int c = 0; c < ncols; c++) h = fnv(h, &cols[c].entry_bytes, sizeof cols[c].entry_bytes);
    return h;
}

uint64_t checksum_of(const nav_cache_column* cols, int ncols, int count)
{
    uint64_t h = FNV_OFFSET;
    for (int c = 0; c < ncols; c++) h = fnv(h, cols[c].data, cols[c].entry_bytes * count);
    return h;
}

// The header this program would write for `source` as it is on disk now; 0 when it is gone.
int expected_header(const char* source, const nav_cache_column* cols, int ncols, header* h)
{
    std::memset(h, 0, sizeof *h);
    long long size, mtime;
    if (std::strlen(source) >= (size_t)SOURCE_LEN || !plat_file_stamp(source, &size, &mtime)) return 0;
    std::memcpy(h->magic, MAGIC, sizeof MAGIC);
    h->ncols = ncols;
    h->source_size = size;
    h->source_mtime_ns = mtime;
    h->layout = layout_of(cols, ncols);
    std::strcpy(h->source, source);
    return 1;
}

void entry_path(const char* name, char* out, int len)
{
    cache_root_dir(out, len);
    const int used = (int)std::strlen(out);
    std::snprintf(out + used, (size_t)(len - used), "/nav/%s.bin", name);
}

}  // namespace

int nav_cache_load(const char* name, const char* source, const nav_cache_column* cols, int ncols,
                   int max_entries)
{
    header want, got;
    if (!expected_header(source, cols, ncols, &want)) return -1;
    char path[PATH_CAP];
    entry_path(name, path, sizeof path);
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return -1;
    int ok = std::fread(&got, sizeof got, 1, f) == 1 && !std::memcmp(got.magic, want.magic, sizeof MAGIC) &&
             got.ncols == want.ncols && got.source_size == want.source_size &&
             got.source_mtime_ns == want.source_mtime_ns && got.layout == want.layout &&
             !std::strncmp(got.source, want.source, SOURCE_LEN) && got.count >= 0 && got.count <= max_entries;
    int filled = 0;
    for (int c = 0; ok && c < ncols; c++) {
        const size_t bytes = (size_t)(cols[c].entry_bytes * got.count);
        ok = std::fread(cols[c].data, 1, bytes, f) == bytes;
        filled = c + 1;
    }
    ok = ok && std::fgetc(f) == EOF && checksum_of(cols, ncols, got.count) == got.checksum;
    std::fclose(f);
    if (ok) return got.count;
    for (int c = 0; c < filled; c++) std::memset(cols[c].data, 0, (size_t)(cols[c].entry_bytes * got.count));
    return -1;
}

void nav_cache_store(const char* name, const char* source, const nav_cache_column* cols, int ncols,
                     int count)
{
    header h;
    if (count < 0 || !expected_header(source, cols, ncols, &h)) return;
    h.count = count;
    h.checksum = checksum_of(cols, ncols, count);
    char path[PATH_CAP], folder[PATH_CAP], part[PATH_CAP + 32];
    entry_path(name, path, sizeof path);
    std::snprintf(folder, sizeof folder, "%s", path);
    *std::strrchr(folder, '/') = 0;
    if (!plat_make_dirs(folder)) return;
    // Written aside and renamed, so a reader (another instance, a test beside this one) sees
    // the old entry or the new one, never half of one.
    std::snprintf(part, sizeof part, "%s.%ld.part", path, (long)getpid());
    std::FILE* f = std::fopen(part, "wb");
    if (!f) return;
    int ok = std::fwrite(&h, sizeof h, 1, f) == 1;
    for (int c = 0; ok && c < ncols; c++) {
        const size_t bytes = (size_t)(cols[c].entry_bytes * count);
        ok = std::fwrite(cols[c].data, 1, bytes, f) == bytes;
    }
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(part, path) != 0) std::remove(part);
}

}  // namespace orv
