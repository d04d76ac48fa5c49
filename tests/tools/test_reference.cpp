// The table of published figures the flying aircraft are validated against: every stock
// aircraft must carry the figures the validation uses, in units it can convert.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

struct ref_row {
    std::string id, type, figure, value, unit, conditions, source;
    int line;
};

// Splits one CSV line; fields hold no commas (the table keeps to that so it stays
// readable in any editor), so a stray comma shows up as a wrong field count.
std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> out;
    std::string f;
    std::istringstream is(line);
    while (std::getline(is, f, ',')) out.push_back(f);
    if (!line.empty() && line.back() == ',') out.push_back("");
    return out;
}

std::vector<ref_row> load(std::string& problems)
{
    std::vector<ref_row> rows;
    std::string text = orv_test::read_file(std::string(ORV_SOURCE_DIR) + "/tests/data/aircraft_reference.csv");
    std::istringstream is(text);
    std::string line;
    int n = 0;
    while (std::getline(is, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        auto f = split(line);
        if (n == 1) {
            if (line != "aircraft_id,real_type,figure,value,unit,conditions,source") problems += "bad header; ";
            continue;
        }
        if (f.size() != 7) {
            problems += "line " + std::to_string(n) + " has " + std::to_string(f.size()) + " fields; ";
            continue;
        }
        rows.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], n});
    }
    return rows;
}

bool number(const std::string& s, double* v)
{
    char* end = nullptr;
    *v = std::strtod(s.c_str(), &end);
    return !s.empty() && *end == '\0';
}

TEST(Reference_Table, EveryStockAircraftHasTheValidatedFigures)
{
    std::string problems;
    std::vector<ref_row> rows = load(problems);
    ASSERT_EQ(problems, "");
    ASSERT_FALSE(rows.empty());

    const std::set<std::string> fleet = {"trainer", "twin", "turboprop", "bizjet", "helicopter", "floatplane", "carrierjet"};
    // figure group -> accepted units and plausible range
    struct rule { std::set<std::string> units; double lo, hi; };
    const std::set<std::string> speed_units = {"KCAS", "KIAS", "KTAS", "kt"};
    const std::map<std::string, rule> groups = {
        {"stall", {speed_units, 30, 160}},
        {"cruise", {speed_units, 60, 700}},
        {"climb", {{"ft/min"}, 300, 60000}},
        {"takeoff", {{"ft"}, 0, 6000}},
        {"empty_weight", {{"lb"}, 500, 40000}},
        {"max_weight", {{"lb"}, 900, 70000}},
    };
    auto group_of = [](const std::string& fig) -> std::string {
        if (fig.rfind("stall_", 0) == 0) return "stall";
        if (fig == "takeoff_roll" || fig == "takeoff_distance") return "takeoff";
        if (fig == "cruise" || fig == "climb" || fig == "empty_weight" || fig == "max_weight") return fig;
        return "";
    };

    std::map<std::string, std::set<std::string>> have;
    std::map<std::string, std::map<std::string, double>> weight;
    std::set<std::string> seen_figure;
    for (const ref_row& r : rows) {
        SCOPED_TRACE("line " + std::to_string(r.line));
        EXPECT_TRUE(fleet.count(r.id)) << r.id;
        EXPECT_FALSE(r.type.empty());
        EXPECT_FALSE(r.conditions.empty());
        EXPECT_FALSE(r.source.empty());
        EXPECT_TRUE(seen_figure.insert(r.id + "/" + r.figure).second) << "repeated " << r.figure;
        std::string g = group_of(r.figure);
        if (g.empty()) continue;
        const rule& ru = groups.at(g);
        EXPECT_TRUE(ru.units.count(r.unit)) << r.figure << " in " << r.unit;
        double v;
        if (r.value == "n/a") {
            // Only a stall speed may be missing: a rotorcraft's, or one no primary source gives
            // (the conditions then say so).
            EXPECT_EQ(g, "stall");
            EXPECT_TRUE(r.id == "helicopter" || r.conditions.rfind("no ", 0) == 0) << r.id << " " << r.figure;
        } else {
            ASSERT_TRUE(number(r.value, &v)) << r.value;
            EXPECT_GE(v, ru.lo) << r.figure;
            EXPECT_LE(v, ru.hi) << r.figure;
            if (g == "takeoff" && v == 0.0) {
                EXPECT_EQ(r.id, "helicopter");
            }
            if (g == "empty_weight" || g == "max_weight") weight[r.id][g] = v;
        }
        have[r.id].insert(g);
    }
    for (const std::string& id : fleet) {
        SCOPED_TRACE(id);
        for (const auto& [g, ru] : groups) EXPECT_TRUE(have[id].count(g)) << "missing " << g;
        EXPECT_LT(weight[id]["empty_weight"], weight[id]["max_weight"]);
    }
}

TEST(Reference_Table, TrainerFiguresMatchTheHandbook)
{
    // The trainer is validated within 5 %: its figures must be the handbook's exactly.
    std::string problems;
    std::map<std::string, std::string> t;
    for (const ref_row& r : load(problems))
        if (r.id == "trainer") t[r.figure] = r.value + " " + r.unit;
    EXPECT_EQ(t["stall_clean"], "53 KCAS");
    EXPECT_EQ(t["stall_landing"], "48 KCAS");
    EXPECT_EQ(t["climb"], "730 ft/min");
    EXPECT_EQ(t["cruise"], "124 KTAS");
    EXPECT_EQ(t["takeoff_roll"], "960 ft");
    EXPECT_EQ(t["max_weight"], "2550 lb");
}

}  // namespace
