// navconv_core.cpp -- navconv builds the simulator's navigation files "apt_dat", "nav_dat" and "fix_dat" from
// the OurAirports open-data CSV files (airports.csv, runways.csv, navaids.csv,
// airport-frequencies.csv), freshly downloaded or kept beside the sources.
//
//   navconv --in <folder with the CSV files> --out <"additional nav data" folder>
//
// The records are written by the simulator's own writers (dump_apt_line, dump_nav_line),
// so the files always match what the reader expects.
//
// Airports. An airport is written when it is not closed, its ident has one to four
// characters (shorter idents are blank padded to the four the record needs) and it has at
// least one usable runway: not closed, not on water, and either both ends' coordinates or
// one end's coordinates with that end's heading and the length. At most 15000 airports fit
// the simulator's table; when more qualify, large airports are kept first, then medium,
// small, seaplane bases, heliports and the rest, each group longest runway first. Per
// airport the three longest runways are kept, longest first. A runway is stored at its
// centre; its number and side letter are those of its lower-numbered end ('C' and no
// letter both become 'x'; an end without a usable number takes it from its heading) and
// its heading is that end's true heading (from the file, else from the end coordinates).
// Lengths and widths in feet (a missing width is taken as 75 ft), elevation from the
// airport, else the mean of the runway ends, else 0. The tower flag comes from a "TWR"
// entry in airport-frequencies.csv.
//
// Surface and lighting code (apt_lite), SGRAgra: millions digit S the surface (1 concrete,
// 2 asphalt or another hard surface, 3 grass or turf, 4 dirt, sand, clay or unknown,
// 5 gravel, coral or rock); then per runway end, first end (GRA) and opposite end (gra),
// glide-slope lights G (1 none, 2 two-bar, 3 four-light), runway edge lights R (1 to 5,
// brighter and fuller with the number) and approach lights A (1 none to 6 the longest):
//   - unlit runway (OurAirports "lighted" 0): G 1, R 1, A 1 at both ends;
//   - lit runway of a small airport, seaplane base, heliport or other: G 1, R 2, A 1;
//   - lit runway of a large or medium airport, by length L in feet:
//       G = 2 below 6000 ft, else 3;
//       R = 2 below 4000, 3 below 6000, 4 below 8000, else 5;
//       A = 1 + (L - 2000) / 2000, limited to 1..6 (large airports) or 1..4 (medium).
//
// Navaids. VOR, VOR-DME and VORTAC become VORs (type 3, frequency MHz and hundredths),
// NDB and NDB-DME become NDBs (type 2, kHz); DME-only and TACAN-only stations are left
// out, as are stations without a frequency or with an ident longer than four characters.
// A missing elevation is taken from the associated airport, else 0.
//
// Instrument landing systems (OurAirports has none) are derived from the written runways:
// every end of a hard-surfaced (concrete or asphalt) runway of at least 5000 ft at an
// airport with a tower gets a localizer (type 4) 1000 ft beyond the far end on the centre
// line with that end's true heading as course, a glide slope (type 6) 1000 ft past the
// threshold and 400 ft to the right of the centre line, and outer, middle and inner
// markers (types 7, 8, 9, 75 MHz) on the extended centre line 4.5 nm, 3500 ft and 1000 ft
// before the threshold. Localizer and glide slope share a frequency from the 40 ILS
// channels 108.10 to 111.95 MHz (odd tenths and their .x5 neighbours), distinct among the
// airport's ILSes; identifiers are "I" plus three letters; names tell airport and runway
// end ("KSFO 28R ILS"). The navaid table holds NAV_READ_MAX records, fewer than every such end
// would need: after the VORs and NDBs, airports get their whole ILS sets in the order
// large, medium, small..., longest runway first, as long as the sets fit.
//
// Fixes: no open source is at hand; "fix_dat" holds only its terminator.

#include "navconv_core.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "2-QZutils/qz_file.h"
#include "world/nav_db.h"

namespace {

using Row = std::vector<std::string>;

// ---------------------------------------------------------------- CSV
// RFC 4180 style: quoted fields may hold commas, line ends and doubled quotes; CRLF or LF.
struct Csv {
    std::vector<std::string> header;
    std::vector<Row> rows;
    int col(const char* name) const
    {
        for (size_t i = 0; i < header.size(); i++)
            if (header[i] == name) return (int)i;
        return -1;
    }
};

bool parse_csv(const std::string& text, Csv& out)
{
    size_t i = 0, n = text.size();
    if (n >= 3 && (unsigned char)text[0] == 0xEF && (unsigned char)text[1] == 0xBB &&
        (unsigned char)text[2] == 0xBF)
        i = 3;
    Row row;
    std::string field;
    bool have_any = false;
    auto end_field = [&] { row.push_back(field); field.clear(); };
    auto end_row = [&] {
        end_field();
        if (!(row.size() == 1 && row[0].empty())) {
            if (out.header.empty()) out.header = row;
            else out.rows.push_back(row);
        }
        row.clear();
    };
    while (i < n) {
        char c = text[i];
        have_any = true;
        if (c == '"' && field.empty()) {
            i++;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') { field += '"'; i += 2; continue; }
                    i++;
                    break;
                }
                field += text[i++];
            }
            continue;
        }
        if (c == ',') { end_field(); i++; continue; }
        if (c == '\r' || c == '\n') {
            end_row();
            have_any = false;
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n') i++;
            i++;
            continue;
        }
        field += c;
        i++;
    }
    if (have_any || !row.empty()) end_row();
    return !out.header.empty();
}

bool load_csv(const std::string& path, Csv& out)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::stringstream ss;
    ss << f.rdbuf();
    return parse_csv(ss.str(), out);
}

const std::string& cell(const Row& r, int c)
{
    static const std::string empty;
    return (c >= 0 && c < (int)r.size()) ? r[c] : empty;
}

bool to_num(const std::string& s, double* v)
{
    if (s.empty()) return false;
    char* end = nullptr;
    double d = std::strtod(s.c_str(), &end);
    while (end && (*end == ' ' || *end == '\t')) end++;
    if (!end || *end || !std::isfinite(d)) return false;
    *v = d;
    return true;
}

std::string upper(std::string s)
{
    for (auto& c : s) c = (char)std::toupper((unsigned char)c);
    return s;
}

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// Names are plain ASCII in the simulator's font: accented Latin letters lose their accent,
// other characters become '?', control characters blanks; at most 39 characters.
std::string ascii_name(const std::string& in)
{
    static const char* lat1 =  // U+00C0..U+00FF
        "AAAAAAACEEEEIIII" "DNOOOOOxOUUUUYTs" "aaaaaaaceeeeiiii" "dnooooo/ouuuuyty";
    std::string out;
    for (size_t i = 0; i < in.size() && out.size() < 39;) {
        unsigned char c = (unsigned char)in[i];
        if (c < 0x80) {
            out += (c < 0x20 || c == 0x7F) ? ' ' : (char)c;
            i++;
            continue;
        }
        int len = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
        unsigned cp = 0;
        if (len == 2 && i + 1 < in.size()) cp = ((c & 0x1Fu) << 6) | ((unsigned char)in[i + 1] & 0x3Fu);
        if (cp >= 0xC0 && cp <= 0xFF) out += lat1[cp - 0xC0];
        else if (cp >= 0x100 && cp <= 0x17F) {
            // Latin Extended-A comes in case pairs; the base letters in order.
            static const char* ext = "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
            out += ext[cp - 0x100];
        } else out += '?';
        i += len;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// ---------------------------------------------------------------- geometry
constexpr double FT_PER_DEG = 6076.12 * 60.0;   // one degree of latitude is 60 nm
constexpr double PI = 3.14159265358979323846;

void move_ft(double lat, double lon, double hdg_deg, double dist_ft, double* olat, double* olon)
{
    double h = hdg_deg * PI / 180.0;
    double c = std::cos(lat * PI / 180.0);
    if (c < 0.01) c = 0.01;
    *olat = lat + dist_ft * std::cos(h) / FT_PER_DEG;
    *olon = lon + dist_ft * std::sin(h) / (FT_PER_DEG * c);
}

void bearing_dist(double lat1, double lon1, double lat2, double lon2, double* hdg, double* dist_ft)
{
    double c = std::cos(0.5 * (lat1 + lat2) * PI / 180.0);
    double dn = (lat2 - lat1) * FT_PER_DEG, de = (lon2 - lon1) * FT_PER_DEG * c;
    *dist_ft = std::sqrt(dn * dn + de * de);
    double h = std::atan2(de, dn) * 180.0 / PI;
    *hdg = h < 0 ? h + 360.0 : h;
}

int wrap360(double h)
{
    int i = (int)std::lround(h) % 360;
    return i < 0 ? i + 360 : i;
}

// ---------------------------------------------------------------- model
struct Runway {
    double lat = 0, lon = 0;   // centre
    int num = 0;
    char lr = 'x';
    double hdg = 0;            // first end, true
    double len_ft = 0, wid_ft = 0;
    int surface = 4;           // 1..5
    bool lit = false;
};

struct Airport {
    std::string ident, type, name;
    double lat = 0, lon = 0, elev_ft = 0;
    bool has_elev = false, closed = false, tower = false;
    double rwy_elev_sum = 0;
    int rwy_elev_n = 0;
    std::vector<Runway> rwys;
    int order = 0;             // position in airports.csv
};

int type_rank(const std::string& t)
{
    if (t == "large_airport") return 0;
    if (t == "medium_airport") return 1;
    if (t == "small_airport") return 2;
    if (t == "seaplane_base") return 3;
    if (t == "heliport") return 4;
    return 5;
}

// 0: water (left out); else 1..5 as in the header comment.
int surface_code(const std::string& raw)
{
    std::string s = upper(trim(raw));
    std::string w = s.substr(0, s.find_first_of(" -/(,"));
    auto any = [&](std::initializer_list<const char*> l) {
        for (auto p : l) if (w == p) return true;
        return false;
    };
    if (any({"WATER", "WAT", "W"})) return 0;
    if (any({"CON", "CONC", "CONCRETE", "C", "CEMENT"})) return 1;
    if (any({"ASP", "ASPH", "ASPHALT", "ASFALT", "ASFALTO", "BIT", "BITUMEN", "B", "PEM", "PAVED",
             "MAC", "TAR", "TARMAC", "COP", "COM", "HARD", "PSP", "MATS", "MET", "METAL", "STEEL",
             "PIERCED", "ALUMINUM", "ALUMINIUM", "ROOF", "ROOFTOP", "WOOD", "PAD", "TRTD", "TREATED",
             "SEALED", "PER", "BRICK", "BRI", "BITUM", "BITUMINOUS", "PAVER", "PAVERS"}))
        return 2;
    if (any({"TURF", "GRS", "GRASS", "GRE", "GRAS", "GRASSED", "SOD", "GRAM", "GRAMA", "GRAMADO"}))
        return 3;
    if (any({"GVL", "GRVL", "GRAVEL", "GRV", "G", "CORAL", "COR", "ROCK", "CRUSHED", "SHALE",
             "PIÇARRA", "CASCALHO", "CASC"}))
        return 5;
    return 4;   // dirt, earth, sand, clay, ground, snow, ice, unknown
}

// Runway end designation: 1..36 with 'L', 'R' or 'x'; 0 when the ident is not a number.
int parse_end(const std::string& raw, char* lr)
{
    std::string s = upper(trim(raw));
    size_t i = 0;
    int n = 0;
    while (i < s.size() && i < 2 && std::isdigit((unsigned char)s[i])) n = n * 10 + (s[i++] - '0');
    if (i == 0 || n < 1 || n > 36) return 0;
    *lr = 'x';
    if (i < s.size()) {
        if (s[i] == 'L' || s[i] == 'R') *lr = s[i];
        else if (s[i] != 'C' && s[i] != 'T' && s[i] != 'W') return 0;
        i++;
    }
    return i == s.size() ? n : 0;
}

int num_from_heading(double h)
{
    int n = (int)std::lround(h / 10.0) % 36;
    return n <= 0 ? n + 36 : n;
}

struct RunwayCols {
    int apt, len, wid, surf, lit, closed;
    int le_id, le_lat, le_lon, le_elev, le_hdg;
    int he_id, he_lat, he_lon, he_elev, he_hdg;
};

// Builds a runway from one row; false when it is unusable.
bool make_runway(const Row& r, const RunwayCols& c, Runway* out, double* elev_sum, int* elev_n)
{
    if (trim(cell(r, c.closed)) == "1") return false;
    int surf = surface_code(cell(r, c.surf));
    if (surf == 0) return false;
    double len = 0, wid = 0, la1, lo1, la2, lo2, h1, h2, e;
    bool has_len = to_num(cell(r, c.len), &len) && len > 0;
    bool has_wid = to_num(cell(r, c.wid), &wid) && wid > 0;
    bool p1 = to_num(cell(r, c.le_lat), &la1) && to_num(cell(r, c.le_lon), &lo1);
    bool p2 = to_num(cell(r, c.he_lat), &la2) && to_num(cell(r, c.he_lon), &lo2);
    bool hd1 = to_num(cell(r, c.le_hdg), &h1), hd2 = to_num(cell(r, c.he_hdg), &h2);
    if (p1 && (std::fabs(la1) > 90 || std::fabs(lo1) > 180)) p1 = false;
    if (p2 && (std::fabs(la2) > 90 || std::fabs(lo2) > 180)) p2 = false;

    // Everything in terms of the file's first (le) end: its threshold and heading.
    double lat1, lon1, hdg1;
    bool have_centre = false;
    double clat = 0, clon = 0;
    if (p1 && p2) {
        double brg, dist;
        bearing_dist(la1, lo1, la2, lo2, &brg, &dist);
        if (dist < 1.0) return false;
        if (!has_len) { len = dist; has_len = true; }
        // Both thresholds are surveyed: the centre lies half-way between them, whatever the
        // listed length says (the two disagree by hundreds of feet at some fields).
        move_ft(la1, lo1, brg, dist * 0.5, &clat, &clon);
        have_centre = true;
        lat1 = la1; lon1 = lo1;
        hdg1 = hd1 ? h1 : hd2 ? h2 + 180.0 : brg;
    } else if (p1 && hd1 && has_len) {
        lat1 = la1; lon1 = lo1; hdg1 = h1;
    } else if (p2 && hd2 && has_len) {
        move_ft(la2, lo2, h2, len, &lat1, &lon1);
        hdg1 = h2 + 180.0;
    } else {
        return false;
    }
    if (len < 4.0) return false;   // would read back as an empty slot
    hdg1 = std::fmod(std::fmod(hdg1, 360.0) + 360.0, 360.0);

    char lr1 = 'x', lr2 = 'x';
    int n1 = parse_end(cell(r, c.le_id), &lr1);
    int n2 = parse_end(cell(r, c.he_id), &lr2);
    if (!n1) { n1 = num_from_heading(hdg1); lr1 = 'x'; }
    if (!n2) { n2 = num_from_heading(hdg1 + 180.0); lr2 = lr1 == 'L' ? 'R' : lr1 == 'R' ? 'L' : 'x'; }

    Runway w;
    if (have_centre) { w.lat = clat; w.lon = clon; }
    else move_ft(lat1, lon1, hdg1, len * 0.5, &w.lat, &w.lon);
    if (n1 <= n2) { w.num = n1; w.lr = lr1; w.hdg = hdg1; }
    else          { w.num = n2; w.lr = lr2; w.hdg = std::fmod(hdg1 + 180.0, 360.0); }
    w.len_ft = len;
    w.wid_ft = has_wid ? wid : 75.0;
    w.surface = surf;
    w.lit = trim(cell(r, c.lit)) == "1";
    if (to_num(cell(r, c.le_elev), &e)) { *elev_sum += e; (*elev_n)++; }
    if (to_num(cell(r, c.he_elev), &e)) { *elev_sum += e; (*elev_n)++; }
    *out = w;
    return true;
}

int lite_code(const Runway& w, const std::string& apt_type)
{
    int g = 1, r = 1, a = 1;
    bool big = apt_type == "large_airport" || apt_type == "medium_airport";
    if (w.lit && !big) {
        r = 2;
    } else if (w.lit) {
        double L = w.len_ft;
        g = L < 6000 ? 2 : 3;
        r = L < 4000 ? 2 : L < 6000 ? 3 : L < 8000 ? 4 : 5;
        a = 1 + (int)((L - 2000) / 2000);
        a = std::clamp(a, 1, apt_type == "large_airport" ? 6 : 4);
    }
    int end = g * 100 + r * 10 + a;
    return w.surface * 1000000 + end * 1000 + end;
}

std::string designation(int num, char lr)
{
    char b[8];
    if (lr == 'L' || lr == 'R') std::snprintf(b, sizeof b, "%02d%c", num, lr);
    else std::snprintf(b, sizeof b, "%02d", num);
    return b;
}

struct NavOut {
    int type;
    double lat, lon, elev_ft;
    int f12, hdg;
    std::string id, name;
};

// The 40 ILS channels, 108.10 .. 111.95 MHz, in hundredths.
int ils_channel(int k)
{
    int tenth = k / 2;                           // 0..19: 108.1, 108.3, ... 111.9
    return 10810 + tenth * 20 + (k % 2) * 5;
}

std::string pad4(const std::string& s)
{
    std::string p = s.substr(0, 4);
    while (p.size() < 4) p += ' ';
    return p;
}

int fail(const std::string& msg)
{
    std::fprintf(stderr, "navconv: %s\n", msg.c_str());
    return 1;
}

}  // namespace

namespace orv {

int navconv_run(const std::string& in, const std::string& out)
{

    Csv ac, rc, nc, fc;
    if (!load_csv(in + "/airports.csv", ac)) return fail("cannot read " + in + "/airports.csv");
    if (!load_csv(in + "/runways.csv", rc)) return fail("cannot read " + in + "/runways.csv");
    if (!load_csv(in + "/navaids.csv", nc)) return fail("cannot read " + in + "/navaids.csv");
    bool have_freq = load_csv(in + "/airport-frequencies.csv", fc);
    if (!have_freq) std::fprintf(stderr, "navconv: no airport-frequencies.csv; no towers\n");

    // ---- airports
    int a_ident = ac.col("ident"), a_type = ac.col("type"), a_name = ac.col("name"),
        a_lat = ac.col("latitude_deg"), a_lon = ac.col("longitude_deg"), a_elev = ac.col("elevation_ft");
    if (a_ident < 0 || a_type < 0 || a_name < 0) return fail("airports.csv lacks ident/type/name");
    std::vector<Airport> apts;
    std::unordered_map<std::string, size_t> by_ident;
    for (const Row& r : ac.rows) {
        Airport a;
        a.ident = trim(cell(r, a_ident));
        if (a.ident.empty() || by_ident.count(a.ident)) continue;
        a.type = trim(cell(r, a_type));
        a.closed = a.type == "closed";
        a.name = cell(r, a_name);
        to_num(cell(r, a_lat), &a.lat);
        to_num(cell(r, a_lon), &a.lon);
        a.has_elev = to_num(cell(r, a_elev), &a.elev_ft);
        a.order = (int)apts.size();
        by_ident[a.ident] = apts.size();
        apts.push_back(a);
    }
    if (have_freq) {
        int f_apt = fc.col("airport_ident"), f_type = fc.col("type");
        for (const Row& r : fc.rows) {
            if (upper(trim(cell(r, f_type))) != "TWR") continue;
            auto it = by_ident.find(trim(cell(r, f_apt)));
            if (it != by_ident.end()) apts[it->second].tower = true;
        }
    }
    RunwayCols c{rc.col("airport_ident"), rc.col("length_ft"), rc.col("width_ft"), rc.col("surface"),
                 rc.col("lighted"), rc.col("closed"),
                 rc.col("le_ident"), rc.col("le_latitude_deg"), rc.col("le_longitude_deg"),
                 rc.col("le_elevation_ft"), rc.col("le_heading_degT"),
                 rc.col("he_ident"), rc.col("he_latitude_deg"), rc.col("he_longitude_deg"),
                 rc.col("he_elevation_ft"), rc.col("he_heading_degT")};
    if (c.apt < 0 || c.le_lat < 0) return fail("runways.csv lacks airport_ident/le_latitude_deg");
    for (const Row& r : rc.rows) {
        auto it = by_ident.find(trim(cell(r, c.apt)));
        if (it == by_ident.end()) continue;
        Airport& a = apts[it->second];
        Runway w;
        if (make_runway(r, c, &w, &a.rwy_elev_sum, &a.rwy_elev_n)) a.rwys.push_back(w);
    }

    std::vector<Airport*> keep;
    for (Airport& a : apts) {
        if (a.closed || a.rwys.empty() || a.ident.size() > 4) continue;
        bool printable = true;
        for (char ch : a.ident) if ((unsigned char)ch <= ' ' || (unsigned char)ch >= 0x7F) printable = false;
        if (!printable) continue;
        std::stable_sort(a.rwys.begin(), a.rwys.end(),
                         [](const Runway& x, const Runway& y) { return x.len_ft > y.len_ft; });
        if (a.rwys.size() > 3) a.rwys.resize(3);
        keep.push_back(&a);
    }
    auto priority = [](const Airport* x, const Airport* y) {
        int rx = type_rank(x->type), ry = type_rank(y->type);
        if (rx != ry) return rx < ry;
        if (x->rwys[0].len_ft != y->rwys[0].len_ft) return x->rwys[0].len_ft > y->rwys[0].len_ft;
        return x->order < y->order;
    };
    size_t qualified = keep.size();
    if (keep.size() > (size_t)orv::APT_READ_MAX) {
        std::sort(keep.begin(), keep.end(), priority);
        keep.resize(orv::APT_READ_MAX);
        std::sort(keep.begin(), keep.end(), [](const Airport* x, const Airport* y) { return x->order < y->order; });
    }

    // A fresh data tree has no "additional nav data" folder yet; a folder that cannot be
    // made shows up as the write error that follows.
    std::error_code made;
    std::filesystem::create_directories(out, made);
    char path[orv::PATH_LEN];
    std::snprintf(path, sizeof path, "%s/apt_dat", out.c_str());
    if (!orv::ouf_open(path, orv::FILE_ANY, 354)) return fail(std::string("cannot write ") + path);
    orv::ouf << keep.size() << " airports from OurAirports\n";
    for (const Airport* a : keep) {
        float lat[3] = {0, 0, 0}, lon[3] = {0, 0, 0};
        int num[3] = {0, 0, 0}, hdg[3] = {0, 0, 0}, len[3] = {0, 0, 0}, wid[3] = {0, 0, 0}, lite[3] = {0, 0, 0};
        char lr[3] = {'x', 'x', 'x'};
        for (size_t k = 0; k < a->rwys.size(); k++) {
            const Runway& w = a->rwys[k];
            lat[k] = (float)w.lat; lon[k] = (float)w.lon;
            num[k] = w.num; lr[k] = w.lr; hdg[k] = wrap360(w.hdg);
            len[k] = (int)std::lround(w.len_ft);
            wid[k] = (int)std::lround(w.wid_ft);
            lite[k] = lite_code(w, a->type);
        }
        double elev = a->has_elev ? a->elev_ft : a->rwy_elev_n ? a->rwy_elev_sum / a->rwy_elev_n : 0.0;
        orv::ouf << "1 ";
        orv::dump_apt_line(lat, lon, num, lr, hdg, len, wid, lite, (float)std::lround(elev),
                           a->tower ? 1 : 0, pad4(a->ident).c_str(), ascii_name(a->name).c_str());
    }
    orv::ouf << "99\n";
    if (!orv::ouf_close()) return fail(std::string("cannot complete ") + path);

    // ---- navaids
    int n_id = nc.col("ident"), n_name = nc.col("name"), n_type = nc.col("type"),
        n_freq = nc.col("frequency_khz"), n_lat = nc.col("latitude_deg"), n_lon = nc.col("longitude_deg"),
        n_elev = nc.col("elevation_ft"), n_apt = nc.col("associated_airport");
    if (n_id < 0 || n_type < 0 || n_freq < 0) return fail("navaids.csv lacks ident/type/frequency_khz");
    std::vector<NavOut> navs;
    int vors = 0, ndbs = 0;
    for (const Row& r : nc.rows) {
        std::string t = upper(trim(cell(r, n_type)));
        int type = (t == "VOR" || t == "VOR-DME" || t == "VORTAC") ? orv::NAV_VOR
                 : (t == "NDB" || t == "NDB-DME") ? orv::NAV_NDB : 0;
        if (!type) continue;
        NavOut v;
        double khz;
        v.id = trim(cell(r, n_id));
        if (v.id.empty() || v.id.size() > 4) continue;
        if (!to_num(cell(r, n_freq), &khz) || khz <= 0) continue;
        if (!to_num(cell(r, n_lat), &v.lat) || !to_num(cell(r, n_lon), &v.lon)) continue;
        v.type = type;
        v.f12 = type == orv::NAV_NDB ? (int)std::lround(khz) : (int)std::lround(khz / 10.0);
        if (!to_num(cell(r, n_elev), &v.elev_ft)) {
            auto it = by_ident.find(trim(cell(r, n_apt)));
            v.elev_ft = (it != by_ident.end() && apts[it->second].has_elev) ? apts[it->second].elev_ft : 0.0;
        }
        v.hdg = 0;
        v.name = ascii_name(cell(r, n_name));
        navs.push_back(v);
        (type == orv::NAV_VOR ? vors : ndbs)++;
    }
    if (navs.size() > (size_t)orv::NAV_READ_MAX) navs.resize(orv::NAV_READ_MAX);

    // ---- derived instrument landing systems
    std::vector<const Airport*> ils_order(keep.begin(), keep.end());
    std::sort(ils_order.begin(), ils_order.end(), priority);
    int ils_ends = 0, ils_skipped = 0;
    for (const Airport* a : ils_order) {
        if (!a->tower) continue;
        std::vector<NavOut> set;
        double elev = a->has_elev ? a->elev_ft : a->rwy_elev_n ? a->rwy_elev_sum / a->rwy_elev_n : 0.0;
        std::string base;
        for (char ch : a->ident)
            if (std::isalnum((unsigned char)ch))
                base += std::isdigit((unsigned char)ch) ? (char)('A' + (ch - '0')) : (char)std::toupper((unsigned char)ch);
        while (base.size() < 3) base = "X" + base;
        base = base.substr(base.size() - 3, 2);
        unsigned hash = 0;
        for (char ch : a->ident) hash = hash * 31 + (unsigned char)ch;
        int k = 0;
        for (const Runway& w : a->rwys) {
            if (w.surface > 2 || w.len_ft < 5000) continue;
            for (int end = 0; end < 2; end++) {
                double crs = std::fmod(w.hdg + (end ? 180.0 : 0.0), 360.0);
                int num = end ? (w.num + 17) % 36 + 1 : w.num;
                char lr = end ? (w.lr == 'L' ? 'R' : w.lr == 'R' ? 'L' : 'x') : w.lr;
                double tla, tlo, fla, flo, la, lo;
                move_ft(w.lat, w.lon, crs, -0.5 * w.len_ft, &tla, &tlo);   // threshold
                move_ft(w.lat, w.lon, crs, 0.5 * w.len_ft, &fla, &flo);    // far end
                int f12 = ils_channel((int)((hash + 7u * (unsigned)k) % 40u));
                std::string id = "I" + base + (char)('A' + k % 26);
                std::string what = a->ident + " " + designation(num, lr);
                int crs_i = wrap360(crs);
                move_ft(fla, flo, crs, 1000.0, &la, &lo);
                set.push_back({orv::NAV_LOC, la, lo, elev, f12, crs_i, id, what + " ILS"});
                move_ft(tla, tlo, crs, 1000.0, &la, &lo);
                move_ft(la, lo, crs + 90.0, 400.0, &la, &lo);
                set.push_back({orv::NAV_GS, la, lo, elev, f12, crs_i, id, what + " GS"});
                const double mk_ft[3] = {4.5 * 6076.12, 3500.0, 1000.0};
                const char* mk_name[3] = {" OM", " MM", " IM"};
                for (int m = 0; m < 3; m++) {
                    move_ft(tla, tlo, crs, -mk_ft[m], &la, &lo);
                    set.push_back({orv::NAV_OM + m, la, lo, elev, 7500, crs_i, id, what + mk_name[m]});
                }
                k++;
            }
        }
        if (set.empty()) continue;
        if (navs.size() + set.size() > (size_t)orv::NAV_READ_MAX) { ils_skipped += k; continue; }
        navs.insert(navs.end(), set.begin(), set.end());
        ils_ends += k;
    }

    std::snprintf(path, sizeof path, "%s/nav_dat", out.c_str());
    if (!orv::ouf_open(path, orv::FILE_ANY, 354)) return fail(std::string("cannot write ") + path);
    orv::ouf << navs.size() << " navaids from OurAirports and derived landing systems\n";
    for (const NavOut& v : navs)
        orv::dump_nav_line(v.type, (float)v.lat, (float)v.lon, (float)v.elev_ft, v.f12, v.hdg,
                           pad4(v.id).c_str(), v.name.c_str());
    orv::ouf << "99\n";
    if (!orv::ouf_close()) return fail(std::string("cannot complete ") + path);

    std::snprintf(path, sizeof path, "%s/fix_dat", out.c_str());
    if (!orv::ouf_open(path, orv::FILE_ANY, 354)) return fail(std::string("cannot write ") + path);
    orv::ouf << "0 fixes\n99\n";
    if (!orv::ouf_close()) return fail(std::string("cannot complete ") + path);

    std::printf("navconv: %zu airports written (%zu qualified), %d VORs, %d NDBs, "
                "%d ILS ends (%d left out for room)\n",
                keep.size(), qualified, vors, ndbs, ils_ends, ils_skipped);
    return 0;
}

}  // namespace orv
