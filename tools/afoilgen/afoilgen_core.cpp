// afoilgen_core.cpp -- section curves and the airfoil and flap file writers.
#include "afoilgen_core.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFlatPlateBy = 40.0;   // angle by which the flow is fully flat-plate

double smoothstep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// Per-side figures: magnitude of the lift along that side's angle b >= 0.
struct side_figs { double slope, offset, clmax, stall, drop, width; };

side_figs side_of(const afg_redata& d, int neg)
{
    // The line's magnitude on the negative side at angle -b is slope * (b + alpha0).
    if (neg) return {d.slope, d.alpha0, d.clmax_neg, d.stall_neg, d.drop_neg, d.drop_width};
    return {d.slope, -d.alpha0, d.clmax, d.stall, d.drop, d.drop_width};
}

double side_line(const side_figs& s, double b) { return s.slope * (b + s.offset); }

// Width of the parabola that leaves the line with the line's slope and levels off at clmax
// exactly at the stall angle.
double round_width(const side_figs& s) { return 2.0 * (side_line(s, s.stall) - s.clmax) / s.slope; }

// Attached-flow lift: the line, the rounding, then clmax held (drag polar uses this).
double side_attached(const side_figs& s, double b)
{
    double w = round_width(s);
    if (b <= s.stall - w) return side_line(s, b);
    if (b <= s.stall) {
        double x = (s.stall - b) / w;
        return s.clmax - (side_line(s, s.stall) - s.clmax) * x * x;
    }
    return s.clmax;
}

double side_lift(const side_figs& s, double cd90, double b)
{
    if (b <= s.stall) return side_attached(s, b);
    double a2 = s.stall + s.width;
    if (b <= a2) return s.clmax - s.drop * 0.5 * (1.0 - std::cos(kPi * (b - s.stall) / s.width));
    double a3 = std::max(kFlatPlateBy, a2 + 5.0);
    double r = b * kPi / 180.0;
    double fp = cd90 * std::sin(r) * std::cos(r);
    double t = smoothstep((b - a2) / (a3 - a2));
    return (1.0 - t) * (s.clmax - s.drop) + t * fp;
}

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

// key = value lines with '#' comments. Keys may repeat (flap points); order is kept.
int read_pairs(const std::string& path, std::vector<std::pair<std::string, std::string>>& kv,
               std::vector<int>& lines, std::string& err)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) { err = path + ": cannot be opened"; return 0; }
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        size_t h = line.find('#');
        if (h != std::string::npos) line.resize(h);
        line = trim(line);
        if (line.empty()) continue;
        size_t eq = line.find('=');
        if (eq == std::string::npos) {
            err = path + ":" + std::to_string(n) + ": expected key = value";
            return 0;
        }
        kv.emplace_back(trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
        lines.push_back(n);
    }
    return 1;
}

int parse_numbers(const std::string& text, std::vector<double>& out)
{
    std::istringstream is(text);
    std::string tok;
    while (is >> tok) {
        char* end = nullptr;
        double v = std::strtod(tok.c_str(), &end);
        if (end == tok.c_str() || *end != '\0' || !std::isfinite(v)) return 0;
        out.push_back(v);
    }
    return !out.empty();
}

int put_number(std::FILE* f, const char* fmt, double v)
{
    if (std::fabs(v) < 5e-7) v = 0.0;   // never "-0.00000"
    return std::fprintf(f, fmt, v) > 0;
}

// Writes through a temporary file so a failed run never leaves half a table behind.
struct tmp_writer {
    std::string path, tmp;
    std::FILE* f = nullptr;
    explicit tmp_writer(const std::string& p) : path(p), tmp(p + ".tmp") { f = std::fopen(tmp.c_str(), "wb"); }
    int finish(std::string& err)
    {
        if (!f) { err = path + ": cannot be written"; return 0; }
        bool ok = std::ferror(f) == 0;
        ok = (std::fclose(f) == 0) && ok;
        f = nullptr;
        if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
            std::remove(tmp.c_str());
            err = path + ": writing failed";
            return 0;
        }
        return 1;
    }
    ~tmp_writer() { if (f) { std::fclose(f); std::remove(tmp.c_str()); } }
};

}  // namespace

double afg_index_angle(int i)
{
    return i <= 200 ? i * 0.1 : 20.0 + (i - 200);
}

int afg_read_section(const std::string& path, afg_section& sec, std::string& err)
{
    std::vector<std::pair<std::string, std::string>> kv;
    std::vector<int> lines;
    if (!read_pairs(path, kv, lines, err)) return 0;

    sec = afg_section{};
    for (auto& r : sec.re) {
        r.drop = r.drop_neg = 0.3;
        r.cm_pos_stall = r.cm_neg_stall = r.cm_20 = r.cm_m20 = NAN;
    }
    std::map<std::string, double afg_redata::*> per_re = {
        {"re", &afg_redata::re}, {"slope", &afg_redata::slope}, {"alpha0", &afg_redata::alpha0},
        {"clmax", &afg_redata::clmax}, {"stall", &afg_redata::stall}, {"drop", &afg_redata::drop},
        {"clmax_neg", &afg_redata::clmax_neg}, {"stall_neg", &afg_redata::stall_neg},
        {"drop_neg", &afg_redata::drop_neg}, {"drop_width", &afg_redata::drop_width},
        {"cd0", &afg_redata::cd0}, {"k", &afg_redata::k}, {"cl_mindrag", &afg_redata::cl_mindrag},
        {"cd90", &afg_redata::cd90}, {"cm0", &afg_redata::cm0}, {"cm_pos_stall", &afg_redata::cm_pos_stall},
        {"cm_neg_stall", &afg_redata::cm_neg_stall}, {"cm_20", &afg_redata::cm_20},
        {"cm_m20", &afg_redata::cm_m20}};
    const char* required[] = {"name", "thickness", "re", "slope", "alpha0", "clmax", "stall",
                              "clmax_neg", "stall_neg", "cd0", "k"};
    std::map<std::string, int> seen;

    for (size_t n = 0; n < kv.size(); ++n) {
        const std::string& key = kv[n].first;
        const std::string where = path + ":" + std::to_string(lines[n]) + ": ";
        seen[key]++;
        if (key == "name") {
            sec.name = kv[n].second;
            std::replace(sec.name.begin(), sec.name.end(), ' ', '_');
            std::replace(sec.name.begin(), sec.name.end(), '\t', '_');
            if (sec.name.empty()) { err = where + "empty name"; return 0; }
            continue;
        }
        std::vector<double> v;
        if (!parse_numbers(kv[n].second, v)) { err = where + "'" + key + "' needs numbers"; return 0; }
        if (key == "thickness") {
            if (v.size() != 1) { err = where + "'thickness' takes one number"; return 0; }
            sec.trat = v[0];
            continue;
        }
        auto it = per_re.find(key);
        if (it == per_re.end()) { err = where + "unknown key '" + key + "'"; return 0; }
        if (v.size() > 2) { err = where + "'" + key + "' takes one number or two (low and high Reynolds number)"; return 0; }
        sec.re[0].*(it->second) = v[0];
        sec.re[1].*(it->second) = v.size() == 2 ? v[1] : v[0];
    }
    for (const char* r : required)
        if (!seen.count(r)) { err = path + ": '" + std::string(r) + "' is missing"; return 0; }
    if (!(sec.trat > 0.0 && sec.trat < 0.5)) { err = path + ": thickness ratio out of 0..0.5"; return 0; }
    for (auto& r : sec.re) {
        // Moments default to a constant value through the attached range, nose-down past stall.
        if (std::isnan(r.cm_pos_stall)) r.cm_pos_stall = r.cm0;
        if (std::isnan(r.cm_neg_stall)) r.cm_neg_stall = r.cm0;
        if (std::isnan(r.cm_20)) r.cm_20 = r.cm_pos_stall - 0.08;
        if (std::isnan(r.cm_m20)) r.cm_m20 = r.cm_neg_stall + 0.08;
        std::string bad = afg_check(r);
        if (!bad.empty()) {
            err = path + ": at Reynolds number " + std::to_string(r.re) + " million: " + bad;
            return 0;
        }
    }
    return 1;
}

std::string afg_check(const afg_redata& d)
{
    if (!(d.re > 0.0 && d.re < 1000.0)) return "Reynolds number (millions) out of range";
    if (!(d.slope > 0.02 && d.slope < 0.2)) return "lift slope per degree out of 0.02..0.2";
    if (!(std::fabs(d.alpha0) < 10.0)) return "zero-lift angle beyond 10 degrees";
    if (!(d.cd0 > 0.0 && d.cd0 < 0.2)) return "cd0 out of 0..0.2";
    if (!(d.k >= 0.0 && d.k < 1.0)) return "drag-polar factor out of 0..1";
    if (!(d.cd90 >= 1.0 && d.cd90 <= 2.2)) return "cd90 out of 1..2.2";
    if (!(d.drop_width > 0.5 && d.drop_width < 15.0)) return "drop_width out of 0.5..15 degrees";
    for (int neg = 0; neg < 2; ++neg) {
        side_figs s = side_of(d, neg);
        const char* side = neg ? "negative side: " : "positive side: ";
        if (!(s.clmax > 0.1 && s.clmax < 4.0)) return std::string(side) + "maximum lift out of 0.1..4";
        if (!(s.stall > 3.0 && s.stall < 30.0)) return std::string(side) + "stall angle out of 3..30 degrees";
        if (!(s.drop >= 0.0 && s.drop < s.clmax)) return std::string(side) + "drop must lie in 0..clmax";
        if (side_line(s, s.stall) <= s.clmax)
            return std::string(side) + "the lift line does not reach clmax by the stall angle";
        if (s.stall - round_width(s) <= std::max(0.0, -s.offset))
            return std::string(side) + "clmax too low for the slope: the rounding would start before zero lift";
        if (s.stall + s.width > kFlatPlateBy - 5.0) return std::string(side) + "stall plus drop_width beyond 35 degrees";
    }
    return "";
}

void afg_section_at(const afg_redata& d, double alpha, double* cl, double* cd)
{
    int neg = alpha < 0.0;
    double b = std::fabs(alpha);
    double sign = neg ? -1.0 : 1.0;
    side_figs s = side_of(d, neg);
    double lift = sign * side_lift(s, d.cd90, b);
    double att = sign * side_attached(s, b);
    double r = b * kPi / 180.0;
    double pre = d.cd0 + d.k * (att - d.cl_mindrag) * (att - d.cl_mindrag);
    double flat = d.cd0 + d.cd90 * std::sin(r) * std::sin(r);
    double sep = smoothstep((b - (s.stall - 2.0)) / 8.0);
    *cl = lift;
    *cd = (1.0 - sep) * pre + sep * flat;
}

void afg_build_tables(const afg_redata& d, afg_tables& t)
{
    double cl, cd;
    for (int i = 0; i < AFG_NCD; ++i) {
        double a = afg_index_angle(i);
        afg_section_at(d, a, &cl, &cd);
        t.cdpos[i] = (float)cd;
        if (i >= 100) t.clpos[i - 100] = (float)cl;
        afg_section_at(d, -a, &cl, &cd);
        t.cdneg[i] = (float)cd;
        if (i >= 100) t.clneg[i - 100] = (float)cl;
    }
    // The line must meet the tables at both ends of the range where it is used.
    double c10 = t.clpos[0], cm10 = t.clneg[0];
    t.clM = (float)((c10 - cm10) / 20.0);
    t.clB = (float)((c10 + cm10) / 2.0);
    // The moment lines are tested from the stall angles out to 20 degrees: keep them inside.
    t.cmal2 = (float)-std::min(d.stall_neg, 19.5);
    t.cmal3 = (float)std::min(d.stall, 19.5);
    t.cm1 = (float)d.cm_m20;
    t.cm2 = (float)d.cm_neg_stall;
    t.cm3 = (float)d.cm_pos_stall;
    t.cm4 = (float)d.cm_20;
    t.stall = (float)d.stall;
}

int afg_read_flap(const std::string& path, afg_flap& flp, std::string& err)
{
    std::vector<std::pair<std::string, std::string>> kv;
    std::vector<int> lines;
    if (!read_pairs(path, kv, lines, err)) return 0;
    flp = afg_flap{};
    for (size_t n = 0; n < kv.size(); ++n) {
        const std::string& key = kv[n].first;
        const std::string where = path + ":" + std::to_string(lines[n]) + ": ";
        if (key == "name") { flp.name = kv[n].second; continue; }
        std::vector<double> v;
        if (!parse_numbers(kv[n].second, v)) { err = where + "'" + key + "' needs numbers"; return 0; }
        if (key == "max_deflection" && v.size() == 1) {
            flp.max_def = v[0];
        } else if (key == "point" && v.size() == 4) {
            if (!flp.points.empty() && v[0] <= flp.points.back().def) {
                err = where + "points must rise in deflection";
                return 0;
            }
            flp.points.push_back({v[0], v[1], v[2], v[3]});
        } else {
            err = where + "unknown key or wrong count of numbers: '" + key + "'";
            return 0;
        }
    }
    if (flp.name.empty()) { err = path + ": 'name' is missing"; return 0; }
    if (!(flp.max_def > 0.0 && flp.max_def <= 90.0)) { err = path + ": max_deflection out of 0..90"; return 0; }
    if (flp.points.empty() || flp.points.front().def <= 0.0) { err = path + ": points must start above 0 degrees"; return 0; }
    if (std::fabs(flp.points.back().def - flp.max_def) > 1e-9) {
        err = path + ": the last point must be at max_deflection";
        return 0;
    }
    return 1;
}

// Fritsch-Carlson monotone cubic through (x[i], y[i]): no overshoot between published points.
static double monotone_cubic(const std::vector<double>& x, const std::vector<double>& y, double at)
{
    size_t n = x.size();
    if (at <= x.front()) return y.front();
    if (at >= x.back()) return y.back();
    std::vector<double> delta(n - 1), m(n);
    for (size_t i = 0; i + 1 < n; ++i) delta[i] = (y[i + 1] - y[i]) / (x[i + 1] - x[i]);
    m[0] = delta[0];
    m[n - 1] = delta[n - 2];
    for (size_t i = 1; i + 1 < n; ++i)
        m[i] = (delta[i - 1] * delta[i] <= 0.0) ? 0.0 : (delta[i - 1] + delta[i]) / 2.0;
    for (size_t i = 0; i + 1 < n; ++i) {
        if (delta[i] == 0.0) { m[i] = m[i + 1] = 0.0; continue; }
        double a = m[i] / delta[i], b = m[i + 1] / delta[i];
        double h = a * a + b * b;
        if (h > 9.0) {
            double tau = 3.0 / std::sqrt(h);
            m[i] = tau * a * delta[i];
            m[i + 1] = tau * b * delta[i];
        }
    }
    size_t k = 0;
    while (at > x[k + 1]) ++k;
    double h = x[k + 1] - x[k], t = (at - x[k]) / h;
    double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * y[k] + (t3 - 2 * t2 + t) * h * m[k] +
           (-2 * t3 + 3 * t2) * y[k + 1] + (t3 - t2) * h * m[k + 1];
}

void afg_flap_at(const afg_flap& flp, int setting, double* dcl, double* dcd, double* dcm)
{
    std::vector<double> x{0.0}, ycl{0.0}, ycd{0.0}, ycm{0.0};
    for (const auto& p : flp.points) {
        x.push_back(p.def);
        ycl.push_back(p.dcl);
        ycd.push_back(p.dcd);
        ycm.push_back(p.dcm);
    }
    double def = std::clamp(setting, 0, AFG_FLAP_SETTINGS - 1) * flp.max_def / (AFG_FLAP_SETTINGS - 1);
    *dcl = monotone_cubic(x, ycl, def);
    *dcd = monotone_cubic(x, ycd, def);
    *dcm = monotone_cubic(x, ycm, def);
}

int afg_write_afl(const std::string& path, const afg_section& sec, int re_slot,
                  const std::string& note, std::string& err)
{
    const afg_redata& d = sec.re[re_slot ? 1 : 0];
    // The reader skips exactly one line after the header: the note must stay on one.
    std::string one_line = note;
    std::replace(one_line.begin(), one_line.end(), '\n', ' ');
    std::replace(one_line.begin(), one_line.end(), '\r', ' ');
    afg_tables t;
    afg_build_tables(d, t);
    tmp_writer w(path);
    std::FILE* f = w.f;
    if (f) {
        std::fprintf(f, "I\n%d version\n%d\n", AFG_VERSION, AFG_AFL_CHECK);
        std::fprintf(f, "%s %.4f %.3f 0 %.2f   name, thickness ratio, Reynolds number (millions), unused, stall angle (degrees)\n",
                     sec.name.c_str(), sec.trat, d.re, t.stall);
        std::fprintf(f, "%s\n", one_line.empty() ? "negative angles: angle cl cd from -90 degrees, then angle cd" : one_line.c_str());
        for (int i = 270; i >= 100; --i) {
            put_number(f, "%.1f", -afg_index_angle(i));
            put_number(f, " %.5f", t.clneg[i - 100]);
            put_number(f, " %.5f\n", t.cdneg[i]);
        }
        for (int i = 99; i >= 0; --i) {
            put_number(f, "%.1f", -afg_index_angle(i));
            put_number(f, " %.5f\n", t.cdneg[i]);
        }
        put_number(f, "%.6f   lift slope per degree\n", t.clM);
        put_number(f, "%.6f   lift at zero angle\n", t.clB);
        put_number(f, "%.2f   negative stall angle of the moment line\n", t.cmal2);
        put_number(f, "%.2f   positive stall angle of the moment line\n", t.cmal3);
        put_number(f, "%.4f   moment at -20 degrees\n", t.cm1);
        put_number(f, "%.4f   moment at the negative stall\n", t.cm2);
        put_number(f, "%.4f   moment at the positive stall\n", t.cm3);
        put_number(f, "%.4f   moment at +20 degrees\n", t.cm4);
        std::fprintf(f, "positive angles: angle cd from 0 degrees, then angle cl cd to 90 degrees\n");
        for (int i = 0; i < 100; ++i) {
            put_number(f, "%.1f", afg_index_angle(i));
            put_number(f, " %.5f\n", t.cdpos[i]);
        }
        for (int i = 100; i <= 270; ++i) {
            put_number(f, "%.1f", afg_index_angle(i));
            put_number(f, " %.5f", t.clpos[i - 100]);
            put_number(f, " %.5f\n", t.cdpos[i]);
        }
    }
    return w.finish(err);
}

int afg_write_flp(const std::string& path, const afg_flap& flp, const std::string& note,
                  std::string& err)
{
    std::string one_line = note.empty() ? flp.name : note;
    std::replace(one_line.begin(), one_line.end(), '\n', ' ');
    std::replace(one_line.begin(), one_line.end(), '\r', ' ');
    tmp_writer w(path);
    std::FILE* f = w.f;
    if (f) {
        std::fprintf(f, "I\n%d version\n%d\n", AFG_VERSION, AFG_FLP_CHECK);
        std::fprintf(f, "%s, %.1f degrees at setting 50\n", one_line.c_str(), flp.max_def);
        std::fprintf(f, "setting cl-increment cd-increment cm-increment\n");
        for (int s = 0; s < AFG_FLAP_SETTINGS; ++s) {
            double dcl, dcd, dcm;
            afg_flap_at(flp, s, &dcl, &dcd, &dcm);
            std::fprintf(f, "%d", s);
            put_number(f, " %.5f", dcl);
            put_number(f, " %.5f", dcd);
            put_number(f, " %.5f\n", dcm);
        }
    }
    return w.finish(err);
}

}  // namespace orv
