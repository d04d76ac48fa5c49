#include "land_compile.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

namespace scenerygen {

namespace {

constexpr double FT_TO_M = 0.3048;

using json = nlohmann::json;

// Decodes every arc into absolute positions.
std::string decode_arcs(const json& topo, std::vector<std::vector<std::pair<double, double>>>* arcs)
{
    double sx = 1, sy = 1, tx = 0, ty = 0;
    const bool quantized = topo.contains("transform");
    if (quantized) {
        const json& t = topo["transform"];
        sx = t.at("scale").at(0).get<double>();
        sy = t.at("scale").at(1).get<double>();
        tx = t.at("translate").at(0).get<double>();
        ty = t.at("translate").at(1).get<double>();
    }
    if (!topo.contains("arcs") || !topo["arcs"].is_array()) return "no arcs";
    for (const json& arc : topo["arcs"]) {
        std::vector<std::pair<double, double>> pts;
        double x = 0, y = 0;
        for (const json& p : arc) {
            if (quantized) {
                x += p.at(0).get<double>();
                y += p.at(1).get<double>();
                pts.emplace_back(x * sx + tx, y * sy + ty);
            } else {
                pts.emplace_back(p.at(0).get<double>(), p.at(1).get<double>());
            }
        }
        arcs->push_back(std::move(pts));
    }
    return "";
}

void add_ring(const json& ring, const std::vector<std::vector<std::pair<double, double>>>& arcs,
              land_rings* out)
{
    std::vector<std::pair<double, double>> pts;
    for (const json& ref : ring) {
        const long i = ref.get<long>();
        const long k = i < 0 ? ~i : i;
        if (k < 0 || k >= (long)arcs.size()) continue;
        const auto& a = arcs[(size_t)k];
        const size_t skip = pts.empty() ? 0 : 1;   // arcs share their joining point
        if (i >= 0) {
            for (size_t n = skip; n < a.size(); n++) pts.push_back(a[n]);
        } else {
            for (size_t n = skip; n < a.size(); n++) pts.push_back(a[a.size() - 1 - n]);
        }
    }
    if (pts.size() < 3) return;
    for (const auto& p : pts) {
        out->lonlat.push_back((float)p.first);
        out->lonlat.push_back((float)p.second);
    }
    out->ring_start.push_back((std::uint32_t)(out->lonlat.size() / 2));
}

void add_geometry(const json& g, const std::vector<std::vector<std::pair<double, double>>>& arcs,
                  land_rings* out)
{
    const std::string type = g.value("type", "");
    if (type == "GeometryCollection") {
        for (const json& sub : g["geometries"]) add_geometry(sub, arcs, out);
    } else if (type == "Polygon") {
        for (const json& ring : g["arcs"]) add_ring(ring, arcs, out);
    } else if (type == "MultiPolygon") {
        for (const json& poly : g["arcs"])
            for (const json& ring : poly) add_ring(ring, arcs, out);
    }
}

}  // namespace

std::string read_topojson_rings(const std::string& path, land_rings* out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open " + path;
    json topo;
    try {
        topo = json::parse(in);
        if (topo.value("type", "") != "Topology") return path + " is not a TopoJSON topology";
        std::vector<std::vector<std::pair<double, double>>> arcs;
        const std::string err = decode_arcs(topo, &arcs);
        if (!err.empty()) return path + ": " + err;
        out->lonlat.clear();
        out->ring_start.assign(1, 0);
        for (const auto& obj : topo.at("objects").items()) add_geometry(obj.value(), arcs, out);
    } catch (const std::exception& e) {
        return path + ": " + e.what();
    }
    if (out->ring_start.size() < 2) return path + " holds no polygon";
    return "";
}

std::vector<std::string> split_csv(const std::string& line)
{
    std::vector<std::string> f(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); i++) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                f.back() += '"';
                i++;
            } else if (c == '"') {
                quoted = false;
            } else {
                f.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            f.emplace_back();
        } else if (c != '\r' && c != '\n') {
            f.back() += c;
        }
    }
    return f;
}

std::string read_airport_elevations(const std::string& path, std::vector<float>* out, int* skipped)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open " + path;
    std::string line;
    if (!std::getline(in, line)) return path + " is empty";
    const auto head = split_csv(line);
    int c_lat = -1, c_lon = -1, c_elev = -1;
    for (int i = 0; i < (int)head.size(); i++) {
        if (head[i] == "latitude_deg") c_lat = i;
        if (head[i] == "longitude_deg") c_lon = i;
        if (head[i] == "elevation_ft") c_elev = i;
    }
    if (c_lat < 0 || c_lon < 0 || c_elev < 0)
        return path + " lacks a latitude_deg, longitude_deg or elevation_ft column";
    *skipped = 0;
    out->clear();
    while (std::getline(in, line)) {
        const auto f = split_csv(line);
        const int need = std::max(c_lat, std::max(c_lon, c_elev));
        char* e1 = nullptr;
        char* e2 = nullptr;
        char* e3 = nullptr;
        if ((int)f.size() <= need || f[c_elev].empty()) {
            (*skipped)++;
            continue;
        }
        const double lat = std::strtod(f[c_lat].c_str(), &e1);
        const double lon = std::strtod(f[c_lon].c_str(), &e2);
        const double ft = std::strtod(f[c_elev].c_str(), &e3);
        if (*e1 || *e2 || *e3 || f[c_lat].empty() || f[c_lon].empty() || lat < -90 || lat > 90 ||
            lon < -180 || lon > 180 || ft < -2000 || ft > 30000) {
            (*skipped)++;
            continue;
        }
        out->push_back((float)lat);
        out->push_back((float)lon);
        out->push_back((float)(ft * FT_TO_M));
    }
    return "";
}

}  // namespace scenerygen

namespace scenerygen {

std::string read_obstacles(const std::string& path, std::vector<orv::env_object>* out, std::string* problems)
{
    std::ifstream in(path);
    if (!in) return "cannot read " + path;
    std::string line;
    for (int number = 1; std::getline(in, line); number++) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        orv::env_object o = {};
        std::string name;
        if (!(words >> o.type)) {
            if (line.find_first_not_of(" \t\r") != std::string::npos) *problems += "line " + std::to_string(number) + ": no type\n";
            continue;
        }
        const bool placed_type = o.type == 2 || (o.type >= 3 && o.type <= 6) || o.type == 8;
        const bool read = (bool)(words >> o.lat >> o.lon >> o.value);
        if (o.type == 8) words >> name;
        const char* why = !placed_type                              ? "the type is none of 2, 3, 4, 5, 6, 8"
                          : !read                                  ? "it needs type, latitude, longitude and height"
                          : !(o.lat >= -90 && o.lat < 90 && o.lon >= -180 && o.lon < 180) ? "the position is off the Earth"
                          : !(o.value >= 0 && o.value < 100000)    ? "the height (or heading) is out of range"
                          : o.type == 8 && (name.empty() || name.size() >= sizeof o.name) ? "a custom object needs its file's name"
                                                                   : nullptr;
        if (why) {
            *problems += "line " + std::to_string(number) + ": " + why + "\n";
            continue;
        }
        name.copy(o.name, sizeof o.name - 1);
        out->push_back(o);
    }
    return "";
}

}  // namespace scenerygen
