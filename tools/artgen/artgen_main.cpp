// artgen: paints the program's textures and bitmaps as 24-bit BMP files into the data tree,
// and on request a contact sheet of the whole set as one PNG.
//
//   artgen --out <data tree> [--sheet sheet.png]
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_mnw_draw.h"
#include "art_set.h"
#include "platform/plat_paths.h"

namespace {

constexpr int CELL = 128, LABEL_H = 14, GAP = 6, COLUMNS = 12;

// Every asset shrunk (never enlarged) into a 128 by 128 cell, its name below it.
art::canvas contact_sheet(const std::vector<art::asset>& all)
{
    const int rows = ((int)all.size() + COLUMNS - 1) / COLUMNS;
    const int cw = CELL + GAP, ch = CELL + LABEL_H + GAP;
    art::canvas sheet(COLUMNS * cw + GAP, rows * ch + GAP, {60, 60, 64});
    for (size_t k = 0; k < all.size(); k++) {
        const art::canvas& img = all[k].image;
        int col = (int)k % COLUMNS, row = rows - 1 - (int)k / COLUMNS;
        int x0 = GAP + col * cw, y0 = GAP + row * ch + LABEL_H;
        float s = std::max(1.0f, std::max(img.w / (float)CELL, img.h / (float)CELL));
        int tw = (int)(img.w / s), th = (int)(img.h / s);
        for (int y = 0; y < th; y++)
            for (int x = 0; x < tw; x++) sheet.set(x0 + x, y0 + y, img.get((int)(x * s), (int)(y * s)));
        sheet.text(x0, y0 - LABEL_H + 3, all[k].name.substr(0, 21), 1, {235, 235, 235});
    }
    return sheet;
}

// The loader's and the window layer's names are all painted: a name missing here is a bug.
int check_coverage(const std::vector<art::asset>& all)
{
    std::set<std::string> have;
    for (const auto& a : all) have.insert(a.name);
    int missing = 0, count = 0;
    const orv::texture_file* files = orv::texture_files(&count);
    for (int k = 0; k < count; k++)
        if (!have.count(files[k].file)) { std::fprintf(stderr, "artgen: no painter for texture %s\n", files[k].file); missing++; }
    for (int w = 0; w <= 25; w++) {
        const char* n = orv::mnw_window_background(w);
        if (n[0] && !have.count(n)) { std::fprintf(stderr, "artgen: no painter for window background %s\n", n); missing++; }
    }
    return missing;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string out, sheet;
    for (int i = 1; i < argc; i++) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!std::strcmp(argv[i], "--sheet") && i + 1 < argc) sheet = argv[++i];
        else {
            std::fprintf(stderr, "usage: artgen --out <data tree> [--sheet sheet.png]\n");
            return 2;
        }
    }
    if (out.empty() && sheet.empty()) {
        std::fprintf(stderr, "usage: artgen --out <data tree> [--sheet sheet.png]\n");
        return 2;
    }
    std::vector<art::asset> all = art::make_all();
    if (check_coverage(all)) return 1;
    if (!out.empty()) {
        for (const auto& a : all) {
            std::string folder = out + "/" + a.folder;
            if (!orv::plat_make_dirs(folder.c_str())) {
                std::fprintf(stderr, "artgen: cannot make the folder %s\n", folder.c_str());
                return 1;
            }
            std::string path = folder + "/" + a.name + ".BMP";
            if (!art::write_bmp(path, a.image)) {
                std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        std::printf("artgen: %zu pictures written under %s\n", all.size(), out.c_str());
    }
    if (!sheet.empty()) {
        if (!art::write_png(sheet, contact_sheet(all))) {
            std::fprintf(stderr, "artgen: cannot write %s\n", sheet.c_str());
            return 1;
        }
        std::printf("artgen: contact sheet of %zu pictures in %s\n", all.size(), sheet.c_str());
    }
    return 0;
}
