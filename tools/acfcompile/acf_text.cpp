// acf_text.cpp -- compiler of aircraft descriptions into aircraft records.
//
// The description language, one statement per line:
//
//   # a comment runs to the end of the line (outside quotes)
//   field = value                  a scalar field
//   field[i] = value               one element of an array field
//   field[i][j] = v1 v2 v3 ...     from element [i][j] on, consecutive elements of the
//                                  last dimension (they may not run past its end)
//   field[i] = v1 v2 ... vn        with fewer indices than dimensions the rest are whole:
//                                  one value for all of them, exactly one per element, or
//                                  at most as many values as the last dimension holds, to fill
//                                  the start of every selected row (anginc[4..5] = 2 1 0)
//   field[*] = value               every element of that dimension
//   field[a..b] = value            elements a to b inclusive (also with several values,
//                                  one per selected element in row-major order)
//   name = "text"                  text fields take one quoted string ("\"" and "\\"
//                                  escape a quote and a backslash); the text must fit
//                                  its area with the terminating NUL
//   let NAME = expression          a named number for later expressions and indices
//   let NAME = "text"              a named text, usable wherever a quoted string is
//   include "common/file.inc"      read another description here (path relative to the
//                                  including file's folder)
//   section[part][station] = z yc half_width above below
//                                  one body cross-section: 16 points (8 for the wheel
//                                  fairings 25..27) on an ellipse round (0, yc), point 0
//                                  on top, clockwise seen from behind (point 4 of 16 is
//                                  the right side, point 8 the bottom), all at station z;
//                                  `above` and `below` are the half heights over and
//                                  under yc. It only fills body_X, body_Y and body_Z.
//
// A value is a number or an expression: 64/12, (36 + 1/12) / 2, DATUM + 40/12, -SPAN/2,
// atan(PITCH/(2*pi*R)). Values are separated by blanks; an operator with blanks on both
// sides joins its neighbours ("a - b" is one value, "a -b" two). Operators + - * /,
// parentheses, the constant pi, the functions sqrt, sin, cos, tan, atan, atan2 (angles in
// degrees), names made with let, and scalar numeric fields already set (cgY, ngearZ).
// Part indices have names: PROP1..PROP4, MAIN_ROTOR, TAIL_ROTOR, LEFT_WING1, RIGHT_WING1,
// LEFT_WING2, RIGHT_WING2, LEFT_WING3, RIGHT_WING3, LEFT_HSTAB, RIGHT_HSTAB, VSTAB1,
// VSTAB2, PYLON1..PYLON4, FUSELAGE, NACELLE1..NACELLE4, MISC1, MISC2, FAIR_NOSE,
// FAIR_LEFT, FAIR_RIGHT. A line ending in a backslash continues on the next line.
//
// Values are in the units the file stores (feet, pounds, horsepower, pounds-force,
// degrees, rpm). Fields not set stay zero; a later statement overrides an earlier one,
// so an included block can be adjusted after the include. Every problem is reported as
// "file:line: message"; one problem anywhere means no record is produced.

#include "acf_text.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <sstream>

#include "2-QZutils/acf_fields.h"
#include "aircraft/acf_io.h"

namespace orv {

namespace {


constexpr int kMaxIncludeDepth = 16;
constexpr std::size_t kMaxErrors = 50;
constexpr double kPi = 3.14159265358979323846;

struct Compiler {
    planestruct* rec = nullptr;
    std::vector<std::string>* errors = nullptr;
    std::map<std::string, double> names;
    std::map<std::string, std::string> texts;  // let NAME = "text"
    std::vector<std::string> open_files;  // include chain, to refuse a file including itself

    void error(const std::string& where, int line, const std::string& msg) {
        if (errors->size() < kMaxErrors)
            errors->push_back(where + ":" + std::to_string(line) + ": " + msg);
        else if (errors->size() == kMaxErrors)
            errors->push_back("too many errors; giving up");
    }
};

void predefine_parts(std::map<std::string, double>& n) {
    const char* props[] = {"PROP1", "PROP2", "PROP3", "PROP4"};
    for (int i = 0; i < 4; ++i) n[props[i]] = i;
    n["MAIN_ROTOR"] = 0;
    n["TAIL_ROTOR"] = 1;
    n["LEFT_WING1"] = 4;
    n["RIGHT_WING1"] = 5;
    n["LEFT_WING2"] = 6;
    n["RIGHT_WING2"] = 7;
    n["LEFT_WING3"] = 8;
    n["RIGHT_WING3"] = 9;
    n["LEFT_HSTAB"] = 10;
    n["RIGHT_HSTAB"] = 11;
    n["VSTAB1"] = 12;
    n["VSTAB2"] = 13;
    for (int i = 0; i < 4; ++i) n["PYLON" + std::to_string(i + 1)] = 14 + i;
    n["FUSELAGE"] = 18;
    for (int i = 0; i < 4; ++i) n["NACELLE" + std::to_string(i + 1)] = 19 + i;
    n["MISC1"] = 23;
    n["MISC2"] = 24;
    n["FAIR_NOSE"] = 25;
    n["FAIR_LEFT"] = 26;
    n["FAIR_RIGHT"] = 27;
    n["pi"] = kPi;
}

std::string trim(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

bool is_ident_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool is_ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// ---- expressions ---------------------------------------------------------------------

struct Expr {
    const std::string& s;
    const std::map<std::string, double>& names;
    const planestruct* rec;  // scalar fields already set may be read by name
    std::size_t pos = 0;
    std::string err;

    void skip() {
        while (pos < s.size() && std::isspace(static_cast<unsigned char>(s[pos]))) ++pos;
    }
    bool fail(const std::string& m) {
        if (err.empty()) err = m;
        return false;
    }

    bool parse_all(double& v) {
        if (!parse_sum(v)) return false;
        skip();
        if (pos != s.size()) return fail("unexpected '" + s.substr(pos) + "' in \"" + s + "\"");
        return true;
    }
    bool parse_sum(double& v) {
        if (!parse_product(v)) return false;
        for (;;) {
            skip();
            if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
                char op = s[pos++];
                double r;
                if (!parse_product(r)) return false;
                v = op == '+' ? v + r : v - r;
            } else {
                return true;
            }
        }
    }
    bool parse_product(double& v) {
        if (!parse_unary(v)) return false;
        for (;;) {
            skip();
            if (pos < s.size() && (s[pos] == '*' || s[pos] == '/')) {
                char op = s[pos++];
                double r;
                if (!parse_unary(r)) return false;
                if (op == '/') {
                    if (r == 0.0) return fail("division by zero in \"" + s + "\"");
                    v /= r;
                } else {
                    v *= r;
                }
            } else {
                return true;
            }
        }
    }
    bool parse_unary(double& v) {
        skip();
        if (pos < s.size() && (s[pos] == '-' || s[pos] == '+')) {
            char op = s[pos++];
            if (!parse_unary(v)) return false;
            if (op == '-') v = -v;
            return true;
        }
        return parse_primary(v);
    }
    bool parse_primary(double& v) {
        skip();
        if (pos >= s.size()) return fail("a value is missing in \"" + s + "\"");
        char c = s[pos];
        if (c == '(') {
            ++pos;
            if (!parse_sum(v)) return false;
            skip();
            if (pos >= s.size() || s[pos] != ')') return fail("missing ')' in \"" + s + "\"");
            ++pos;
            return true;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            const char* start = s.c_str() + pos;
            char* end = nullptr;
            errno = 0;
            v = std::strtod(start, &end);
            if (end == start || errno == ERANGE || !std::isfinite(v))
                return fail("bad number in \"" + s + "\"");
            pos += static_cast<std::size_t>(end - start);
            return true;
        }
        if (is_ident_start(c)) {
            std::size_t a = pos;
            while (pos < s.size() && is_ident_char(s[pos])) ++pos;
            std::string id = s.substr(a, pos - a);
            skip();
            if (pos < s.size() && s[pos] == '(') return parse_call(id, v);
            auto it = names.find(id);
            if (it != names.end()) {
                v = it->second;
                return true;
            }
            const acf_field* f = rec ? acf_find_field(id.c_str()) : nullptr;
            if (f && f->type != ACF_CHAR && f->rank == 0) {
                const void* p = acf_elem_ptr(*rec, f, 0);
                if (f->type == ACF_INT) {
                    int iv;
                    std::memcpy(&iv, p, 4);
                    v = iv;
                } else {
                    float fv;
                    std::memcpy(&fv, p, 4);
                    v = fv;
                }
                return true;
            }
            return fail("unknown name '" + id + "'");
        }
        return fail("unexpected '" + std::string(1, c) + "' in \"" + s + "\"");
    }
    bool parse_call(const std::string& fn, double& v) {
        ++pos;  // '('
        std::vector<double> args;
        skip();
        if (pos < s.size() && s[pos] == ')') {
            ++pos;
        } else {
            for (;;) {
                double a;
                if (!parse_sum(a)) return false;
                args.push_back(a);
                skip();
                if (pos < s.size() && s[pos] == ',') { ++pos; continue; }
                if (pos < s.size() && s[pos] == ')') { ++pos; break; }
                return fail("missing ')' after the arguments of " + fn);
            }
        }
        const double d2r = kPi / 180.0;
        auto want = [&](std::size_t n) {
            if (args.size() != n)
                return fail(fn + " takes " + std::to_string(n) + " argument" + (n == 1 ? "" : "s"));
            return true;
        };
        if (fn == "sqrt") {
            if (!want(1)) return false;
            if (args[0] < 0) return fail("sqrt of a negative number");
            v = std::sqrt(args[0]);
        } else if (fn == "sin") {
            if (!want(1)) return false;
            v = std::sin(args[0] * d2r);
        } else if (fn == "cos") {
            if (!want(1)) return false;
            v = std::cos(args[0] * d2r);
        } else if (fn == "tan") {
            if (!want(1)) return false;
            v = std::tan(args[0] * d2r);
        } else if (fn == "atan") {
            if (!want(1)) return false;
            v = std::atan(args[0]) / d2r;
        } else if (fn == "atan2") {
            if (!want(2)) return false;
            v = std::atan2(args[0], args[1]) / d2r;
        } else {
            return fail("unknown function '" + fn + "'");
        }
        return true;
    }
};

bool eval(const std::string& text, const std::map<std::string, double>& names, double& v,
          std::string& err, const planestruct* rec = nullptr) {
    Expr e{text, names, rec, 0, {}};
    if (!e.parse_all(v)) {
        err = e.err;
        return false;
    }
    // An overflow part way (1e308*10, or inf - inf) would otherwise reach the record as an
    // infinity or a NaN that every later sum in the loader carries along.
    if (!std::isfinite(v)) {
        err = "\"" + text + "\" is not a finite number";
        return false;
    }
    return true;
}

// ---- lines and values ------------------------------------------------------------------

// Removes a comment that starts outside quotes; reports an unterminated string.
std::string strip_comment(const std::string& line, bool& unterminated) {
    bool inq = false;
    unterminated = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (inq) {
            if (c == '\\' && i + 1 < line.size()) ++i;
            else if (c == '"') inq = false;
        } else if (c == '"') {
            inq = true;
        } else if (c == '#') {
            return line.substr(0, i);
        }
    }
    unterminated = inq;
    return line;
}

struct Value {
    bool is_text = false;
    std::string text;  // the expression, or the string's content
};

// Splits the right-hand side into values: quoted strings and blank-free expressions
// (blanks are allowed inside parentheses).
bool split_values(const std::string& rhs, std::vector<Value>& out, std::string& err) {
    std::size_t i = 0;
    while (i < rhs.size()) {
        if (std::isspace(static_cast<unsigned char>(rhs[i]))) { ++i; continue; }
        Value v;
        if (rhs[i] == '"') {
            v.is_text = true;
            ++i;
            bool closed = false;
            while (i < rhs.size()) {
                char c = rhs[i++];
                if (c == '\\' && i < rhs.size()) {
                    v.text += rhs[i++];
                } else if (c == '"') {
                    closed = true;
                    break;
                } else {
                    v.text += c;
                }
            }
            if (!closed) {
                err = "unterminated string";
                return false;
            }
            if (i < rhs.size() && !std::isspace(static_cast<unsigned char>(rhs[i]))) {
                err = "text right after a closing quote";
                return false;
            }
        } else {
            int depth = 0;
            std::size_t a = i;
            while (i < rhs.size()) {
                char c = rhs[i];
                if (c == '(') ++depth;
                else if (c == ')') --depth;
                else if (c == '"') {
                    err = "a quote inside the value \"" + rhs.substr(a, i - a) + "\"";
                    return false;
                } else if (depth <= 0 && std::isspace(static_cast<unsigned char>(c))) {
                    // "a + b" is one value, "a -b" two: a blank ends the value unless an
                    // operator stands alone between blanks or ends the value so far.
                    std::size_t j = i;
                    while (j < rhs.size() && std::isspace(static_cast<unsigned char>(rhs[j]))) ++j;
                    char last = i > a ? rhs[i - 1] : ' ';
                    bool ends_op = std::strchr("+-*/,", last) != nullptr;
                    bool lone_op = j + 1 < rhs.size() && std::strchr("+-*/", rhs[j]) &&
                                   std::isspace(static_cast<unsigned char>(rhs[j + 1]));
                    if (j >= rhs.size() || (!ends_op && !lone_op)) break;
                    i = j;
                    continue;
                }
                ++i;
            }
            if (depth > 0) {
                err = "missing ')' in \"" + rhs.substr(a, i - a) + "\"";
                return false;
            }
            v.text = trim(rhs.substr(a, i - a));
        }
        out.push_back(v);
    }
    return true;
}

struct IndexRange {
    int lo = 0, hi = 0;  // inclusive
    bool single = true;
};

// Parses "name[...][...]" into the name and the raw bracket contents.
bool split_target(const std::string& lhs, std::string& name, std::vector<std::string>& idx,
                  std::string& err) {
    std::size_t i = 0;
    while (i < lhs.size() && is_ident_char(lhs[i])) ++i;
    name = lhs.substr(0, i);
    if (name.empty() || !is_ident_start(name[0])) {
        err = "expected a field name before '=', found \"" + lhs + "\"";
        return false;
    }
    while (i < lhs.size()) {
        if (std::isspace(static_cast<unsigned char>(lhs[i]))) { ++i; continue; }
        if (lhs[i] != '[') {
            err = "unexpected '" + lhs.substr(i) + "' after " + name;
            return false;
        }
        std::size_t close = lhs.find(']', i);
        if (close == std::string::npos) {
            err = "missing ']' in \"" + lhs + "\"";
            return false;
        }
        idx.push_back(trim(lhs.substr(i + 1, close - i - 1)));
        i = close + 1;
    }
    return true;
}

bool eval_int(const std::string& text, const std::map<std::string, double>& names, int& out,
              std::string& err) {
    double v;
    if (!eval(text, names, v, err)) return false;
    if (v != std::floor(v) || std::fabs(v) > 1e9) {
        err = "index \"" + text + "\" is not a whole number";
        return false;
    }
    out = static_cast<int>(v);
    return true;
}

bool parse_index(const std::string& text, int extent, const std::map<std::string, double>& names,
                 IndexRange& range, std::string& err) {
    if (text == "*") {
        range.lo = 0;
        range.hi = extent - 1;
        range.single = false;
        return true;
    }
    if (text.empty()) {
        err = "empty index []";
        return false;
    }
    std::size_t dots = text.find("..");
    if (dots != std::string::npos) {
        if (!eval_int(trim(text.substr(0, dots)), names, range.lo, err)) return false;
        if (!eval_int(trim(text.substr(dots + 2)), names, range.hi, err)) return false;
        range.single = false;
        if (range.lo > range.hi) {
            err = "empty range [" + text + "]";
            return false;
        }
    } else {
        if (!eval_int(text, names, range.lo, err)) return false;
        range.hi = range.lo;
    }
    if (range.lo < 0 || range.hi >= extent) {
        err = "index [" + text + "] out of range 0.." + std::to_string(extent - 1);
        return false;
    }
    return true;
}

// ---- statements --------------------------------------------------------------------------

bool compile_stream(Compiler& c, std::istream& in, const std::string& name, int depth);

std::string folder_of(const std::string& path) {
    std::size_t s = path.find_last_of('/');
    return s == std::string::npos ? std::string() : path.substr(0, s + 1);
}

void do_include(Compiler& c, const std::string& where, int line, const std::string& rest, int depth) {
    std::vector<Value> vals;
    std::string err;
    if (!split_values(rest, vals, err)) return c.error(where, line, err);
    if (vals.size() != 1 || !vals[0].is_text)
        return c.error(where, line, "include takes one quoted file name");
    std::string path = vals[0].text;
    if (path.empty() || path[0] != '/') path = folder_of(where) + path;
    if (depth >= kMaxIncludeDepth)
        return c.error(where, line, "includes nested too deeply at \"" + path + "\"");
    for (const std::string& f : c.open_files)
        if (f == path) return c.error(where, line, "\"" + path + "\" includes itself");
    std::ifstream f(path, std::ios::binary);
    if (!f) return c.error(where, line, "cannot open included file \"" + path + "\"");
    compile_stream(c, f, path, depth + 1);
    if (f.bad()) c.error(where, line, "cannot read included file \"" + path + "\"");
}

void do_let(Compiler& c, const std::string& where, int line, const std::string& rest) {
    std::size_t eq = rest.find('=');
    if (eq == std::string::npos) return c.error(where, line, "let needs 'NAME = value'");
    std::string nm = trim(rest.substr(0, eq));
    if (nm.empty() || !is_ident_start(nm[0]))
        return c.error(where, line, "bad name \"" + nm + "\" after let");
    for (char ch : nm)
        if (!is_ident_char(ch)) return c.error(where, line, "bad name \"" + nm + "\" after let");
    if (acf_find_field(nm.c_str()))
        return c.error(where, line, "\"" + nm + "\" is a field name; choose another name");
    std::string rhs = trim(rest.substr(eq + 1));
    std::string err;
    if (!rhs.empty() && rhs[0] == '"') {
        std::vector<Value> vals;
        if (!split_values(rhs, vals, err)) return c.error(where, line, err);
        if (vals.size() != 1 || !vals[0].is_text) return c.error(where, line, "let takes one value");
        c.names.erase(nm);
        c.texts[nm] = vals[0].text;
        return;
    }
    double v;
    if (!eval(rhs, c.names, v, err, c.rec)) return c.error(where, line, err);
    c.texts.erase(nm);
    c.names[nm] = v;
}

// One body cross-section from its ellipse.
void do_section(Compiler& c, const std::string& where, int line, const std::vector<std::string>& idx,
                const std::vector<Value>& vals) {
    if (idx.size() != 2) return c.error(where, line, "section needs [part][station]");
    // Ranges are allowed (section[NACELLE1..NACELLE2][0] = ...): the same ellipse for each.
    const acf_field* fx = acf_find_field("body_X");
    const acf_field* fy = acf_find_field("body_Y");
    const acf_field* fz = acf_find_field("body_Z");
    IndexRange ps, ss;
    std::string err;
    if (!parse_index(idx[0], fx->dims[0], c.names, ps, err) ||
        !parse_index(idx[1], fx->dims[1], c.names, ss, err))
        return c.error(where, line, "section" + std::string(err.empty() ? "" : ": ") + err);
    if (ps.lo < 18) return c.error(where, line, "section is for the bodies, parts 18..27");
    if (vals.size() != 5)
        return c.error(where, line, "section takes 5 values (z yc half_width above below), got " +
                                        std::to_string(vals.size()));
    double v[5];
    for (int i = 0; i < 5; ++i) {
        if (vals[i].is_text) return c.error(where, line, "section takes numbers, not text");
        if (!eval(vals[i].text, c.names, v[i], err, c.rec)) return c.error(where, line, err);
    }
    for (int part = ps.lo; part <= ps.hi; ++part) {
        const int npts = part >= 25 ? 8 : 16;
        for (int st = ss.lo; st <= ss.hi; ++st) {
            for (int k = 0; k < npts; ++k) {
                double a = 2.0 * kPi * k / npts;
                double ca = std::cos(a), sa = std::sin(a);
                if (std::fabs(ca) < 1e-12) ca = 0.0;
                if (std::fabs(sa) < 1e-12) sa = 0.0;
                long at = acf_flat_index(fx, part, st, k);
                float x = static_cast<float>(v[2] * sa);
                float y = static_cast<float>(v[1] + (ca >= 0 ? v[3] : v[4]) * ca);
                float z = static_cast<float>(v[0]);
                std::memcpy(acf_elem_ptr(*c.rec, fx, at), &x, 4);
                std::memcpy(acf_elem_ptr(*c.rec, fy, at), &y, 4);
                std::memcpy(acf_elem_ptr(*c.rec, fz, at), &z, 4);
            }
        }
    }
}

void do_assign(Compiler& c, const std::string& where, int line, const std::string& lhs,
               const std::string& rhs) {
    std::string name, err;
    std::vector<std::string> idx;
    if (!split_target(lhs, name, idx, err)) return c.error(where, line, err);
    std::vector<Value> vals;
    if (!split_values(rhs, vals, err)) return c.error(where, line, err);
    if (vals.empty()) return c.error(where, line, "no value after '='");
    for (Value& v : vals) {
        auto t = v.is_text ? c.texts.end() : c.texts.find(v.text);
        if (t != c.texts.end()) {
            v.is_text = true;
            v.text = t->second;
        }
    }

    if (name == "section") return do_section(c, where, line, idx, vals);

    const acf_field* f = acf_find_field(name.c_str());
    if (!f) return c.error(where, line, "unknown field '" + name + "'");
    if (static_cast<int>(idx.size()) > f->rank)
        return c.error(where, line, name + " has " + std::to_string(f->rank) + " index" +
                                        (f->rank == 1 ? "" : "es") + ", got " + std::to_string(idx.size()));

    IndexRange range[3];
    bool all_single = true;
    for (int d = 0; d < f->rank; ++d) {
        if (d < static_cast<int>(idx.size())) {
            if (!parse_index(idx[d], f->dims[d], c.names, range[d], err))
                return c.error(where, line, name + ": " + err);
        } else {
            range[d].lo = 0;
            range[d].hi = f->dims[d] - 1;
            range[d].single = false;
        }
        all_single = all_single && range[d].single;
    }

    // The selected elements, row-major.
    std::vector<std::size_t> sel;
    int i0 = range[0].lo, i1 = range[1].lo, i2 = range[2].lo;
    if (f->rank == 0) {
        sel.push_back(0);
    } else {
        for (i0 = range[0].lo; i0 <= range[0].hi; ++i0) {
            if (f->rank == 1) { sel.push_back(static_cast<std::size_t>(acf_flat_index(f, i0))); continue; }
            for (i1 = range[1].lo; i1 <= range[1].hi; ++i1) {
                if (f->rank == 2) { sel.push_back(static_cast<std::size_t>(acf_flat_index(f, i0, i1))); continue; }
                for (i2 = range[2].lo; i2 <= range[2].hi; ++i2)
                    sel.push_back(static_cast<std::size_t>(acf_flat_index(f, i0, i1, i2)));
            }
        }
    }

    if (f->type == ACF_CHAR) {
        if (vals.size() != 1 || !vals[0].is_text)
            return c.error(where, line, name + " is a text field: give one quoted string");
        if (vals[0].text.size() + 1 > f->elem_size)
            return c.error(where, line, name + ": text longer than " + std::to_string(f->elem_size - 1) +
                                            " characters");
        for (std::size_t at : sel) {
            char* p = static_cast<char*>(acf_elem_ptr(*c.rec, f, at));
            std::memset(p, 0, f->elem_size);
            std::memcpy(p, vals[0].text.data(), vals[0].text.size());
        }
        return;
    }

    std::vector<double> nums;
    for (const Value& v : vals) {
        if (v.is_text) return c.error(where, line, name + " is a numeric field, not text");
        double d;
        if (!eval(v.text, c.names, d, err, c.rec)) return c.error(where, line, name + ": " + err);
        if (f->type == ACF_INT) {
            if (d != std::floor(d))
                return c.error(where, line, name + " holds whole numbers; " + v.text + " is not one");
            if (d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max())
                return c.error(where, line, name + ": " + v.text + " is too large for an int");
        } else if (std::fabs(d) > std::numeric_limits<float>::max()) {
            return c.error(where, line, name + ": " + v.text + " is too large for a float");
        }
        nums.push_back(d);
    }

    std::vector<std::size_t> targets;
    if (nums.size() == 1) {
        targets = sel;
    } else if (all_single && f->rank > 0) {
        // Consecutive elements of the last dimension from the one named.
        int last = range[f->rank - 1].lo;
        int extent = f->dims[f->rank - 1];
        if (last + static_cast<int>(nums.size()) > extent)
            return c.error(where, line, name + ": " + std::to_string(nums.size()) + " values from index " +
                                            std::to_string(last) + " run past the end (" +
                                            std::to_string(extent) + " elements)");
        for (std::size_t k = 0; k < nums.size(); ++k) targets.push_back(sel[0] + k);
    } else if (nums.size() == sel.size()) {
        targets = sel;
    } else if (f->rank > 0 && !range[f->rank - 1].single && range[f->rank - 1].lo == 0 &&
               range[f->rank - 1].hi == f->dims[f->rank - 1] - 1 &&
               static_cast<int>(nums.size()) <= f->dims[f->rank - 1]) {
        // A row of values for every selected row, from its first element.
        std::size_t extent = static_cast<std::size_t>(f->dims[f->rank - 1]);
        for (std::size_t r = 0; r < sel.size(); r += extent)
            for (std::size_t k = 0; k < nums.size(); ++k) targets.push_back(sel[r] + k);
        std::vector<double> rep;
        for (std::size_t r = 0; r < sel.size(); r += extent) rep.insert(rep.end(), nums.begin(), nums.end());
        nums = rep;
    } else {
        return c.error(where, line, name + " takes 1 value or " + std::to_string(sel.size()) +
                                        " values here, got " + std::to_string(nums.size()));
    }
    for (std::size_t k = 0; k < targets.size(); ++k) {
        double d = nums.size() == 1 ? nums[0] : nums[k];  // one value, or one per target
        void* p = acf_elem_ptr(*c.rec, f, targets[k]);
        if (f->type == ACF_INT) {
            int iv = static_cast<int>(d);
            std::memcpy(p, &iv, 4);
        } else {
            float fv = static_cast<float>(d);
            std::memcpy(p, &fv, 4);
        }
    }
}

void do_statement(Compiler& c, const std::string& where, int line, const std::string& stmt, int depth) {
    std::size_t i = 0;
    while (i < stmt.size() && is_ident_char(stmt[i])) ++i;
    std::string head = stmt.substr(0, i);
    bool blank_after = i < stmt.size() && std::isspace(static_cast<unsigned char>(stmt[i]));
    if (head == "include" && blank_after) return do_include(c, where, line, stmt.substr(i), depth);
    if (head == "let" && blank_after) return do_let(c, where, line, stmt.substr(i));
    // The '=' that separates target and values is the first one outside quotes.
    std::size_t eq = std::string::npos;
    bool inq = false;
    for (std::size_t k = 0; k < stmt.size(); ++k) {
        if (stmt[k] == '"') inq = !inq;
        if (!inq && stmt[k] == '=') { eq = k; break; }
    }
    if (eq == std::string::npos) return c.error(where, line, "expected 'field = value', found \"" + stmt + "\"");
    do_assign(c, where, line, trim(stmt.substr(0, eq)), trim(stmt.substr(eq + 1)));
}

bool compile_stream(Compiler& c, std::istream& in, const std::string& name, int depth) {
    c.open_files.push_back(name);
    std::string raw, stmt;
    int lineno = 0, stmt_line = 0;
    while (std::getline(in, raw)) {
        ++lineno;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        bool unterminated = false;
        std::string text = strip_comment(raw, unterminated);
        if (stmt.empty()) stmt_line = lineno;
        if (unterminated) {
            c.error(name, lineno, "unterminated string");
            stmt.clear();
            continue;
        }
        std::string t = trim(text);
        bool more = !t.empty() && t.back() == '\\';
        if (more) t.pop_back();
        stmt += (stmt.empty() ? "" : " ") + t;
        if (more) continue;
        std::string s = trim(stmt);
        stmt.clear();
        if (!s.empty()) do_statement(c, name, stmt_line, s, depth);
    }
    if (!trim(stmt).empty()) do_statement(c, name, stmt_line, trim(stmt), depth);
    c.open_files.pop_back();
    return true;
}

bool compile_common(std::istream& in, const std::string& name, planestruct& out,
                    std::vector<std::string>& errors) {
    std::memset(static_cast<void*>(&out), 0, sizeof(planestruct));
    Compiler c;
    c.rec = &out;
    c.errors = &errors;
    predefine_parts(c.names);
    std::size_t before = errors.size();
    compile_stream(c, in, name, 0);
    return errors.size() == before;
}

}  // namespace

bool acfc_compile_file(const std::string& path, planestruct& out, std::vector<std::string>& errors) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        errors.push_back(path + ": cannot open the description");
        return false;
    }
    bool ok = compile_common(f, path, out, errors);
    if (f.bad()) {  // a folder, or a read error part way
        errors.push_back(path + ": cannot read the description");
        return false;
    }
    return ok;
}

bool acfc_compile_text(const std::string& text, const std::string& name, planestruct& out,
                       std::vector<std::string>& errors) {
    std::istringstream in(text);
    return compile_common(in, name, out, errors);
}

int acfc_run(const std::string& in_path, const std::string& out_path, bool big_endian,
             std::vector<std::string>& errors) {
    auto rec = std::make_unique<planestruct>();
    if (!acfc_compile_file(in_path, *rec, errors)) return 1;
    // The reader decides the record's byte order from this field alone: any other value
    // would make the aircraft load byte-reversed.
    if (rec->asi_units != 1 && rec->asi_units != 2) {
        errors.push_back(in_path + ": asi_units must be 1 (mph) or 2 (knots)");
        return 1;
    }
    // Write beside the target and rename, so a failed write never leaves half a file
    // where the loader would look.
    std::string tmp = out_path + ".part";
    if (!write_acf(tmp.c_str(), *rec, big_endian)) {
        std::remove(tmp.c_str());
        errors.push_back(out_path + ": cannot write the aircraft file");
        return 1;
    }
    if (std::rename(tmp.c_str(), out_path.c_str()) != 0) {
        std::remove(tmp.c_str());
        errors.push_back(out_path + ": cannot write the aircraft file");
        return 1;
    }
    return 0;
}

}  // namespace orv
