// do_atc.cpp -- the controller's answers, ILS vectors, the flight plan's phases, random
// traffic calls and the landing signal officer.
#include "atc/do_atc.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/rec_plane.h"
#include "2-QZutils/records.h"
#include "atc/atc_phrases.h"
#include "flight/funct.h"
#include "world/nav_db.h"

namespace orv {

namespace {

constexpr float kVectorGapMin = 15, kVectorGapMax = 30;     // s between ILS vectors
constexpr float kPlanCheckMin = 15, kPlanCheckMax = 30;     // s between the en-route checks
constexpr float kCentreDelayMin = 20, kCentreDelayMax = 40; // s from radar contact to the centre
constexpr float kInterceptOffDeg = 8, kInterceptHdgDeg = 45;
constexpr float kInterceptNearNm = 5, kInterceptFarNm = 20;
constexpr float kGateNm = 9;
constexpr float kDepartureAgl = 200;                        // m: the tower hands over above this
constexpr float kTowerNm = 10;
constexpr float kTaxiSpeed = 10;                            // m/s: the landing roll is over below it
constexpr float kAltitudeSlackFt = 200, kSettledRate = 2;   // ft, m/s
constexpr float kSpeedLimitKt = 250, kSpeedLimitFt = 10000;
constexpr float kRandomVectorCeilingFt = 20000;
constexpr float kToPilotChance = 0.1f, kResetSquawkChance = 0.3f;
constexpr float kDeckCourse = 352;                          // the carrier's landing course
constexpr float kLsoRangeNm = 5, kLsoOffDeg = 10, kLsoCloseNm = 0.5f;
constexpr float kGlideHigh = 5, kGlideLow = 1;              // degrees above the deck
constexpr float kAlphaLow = 6, kAlphaHigh = 12;             // degrees: the approach attitude
constexpr float kLineupDeg = 3;

struct plan_state {
    float next_vector;             // elapsed time of the next ILS vector
    float next_check;              // of the next en-route check
    float centre_time;             // of the departure's hand-off to the centre, 0 none
    int   vectored_around;         // a traffic vector was given en route
    int   lso_in_approach;
};
plan_state st;

const char* trimmed_id(const char* id, char* out)
{
    std::snprintf(out, 5, "%.4s", id);
    for (int k = 3; k >= 0 && (out[k] == ' ' || out[k] == 0); k--) out[k] = 0;
    return out;
}

bool airborne() { return !flt.onground; }

float height_agl_ft() { return ((float)flt.Y - env.localh_cg) * con.mtrstoft; }

int start_airport() { return intlim(msc.loc_apt_wrl, 0, APT_CAP - 1); }

// The words after "request <kind> ": the identifier (the ILS request's kind is three words).
const char* request_id(const char* req)
{
    const char* p = req + std::strlen("request ");
    if (!std::strncmp(p, "I L S ", 6)) return p + 6;
    while (*p && *p != ' ') p++;
    while (*p == ' ') p++;
    return p;
}

void say(const char* text) { speakstring(text); }

// "<call sign> <words>" for the pilot, with the words built by the caller.
void begin(char* text) { text[0] = 0; start_command_string(text, 1); }

void wind_phrase_for(char* text, int apt)
{
    float dir = 0, spd = 0, gust = 0;
    atc_airport_wind(apt, &dir, &spd, &gust);
    app_wind_string(text, (int)dir, (int)spd, (int)gust, 0);
}

void vectors_to_airport(char* text, int apt, const char* joint)
{
    char id[5];
    app_turn_string(text, atc_bearing(apt_lat[apt][0], apt_lon[apt][0]) + (float)env.mvar, 5);
    atc_appendf(text, "vectors %s%s about %d miles from your current position.", trimmed_id(apt_id[apt], id),
                joint, (int)atc_distance_nm(apt_lat[apt][0], apt_lon[apt][0]));
}

const char* approach_name(int nav) { return nav_type[nav] == NAV_LOC ? "I L S approach" : "localizer approach"; }

void ils_vectors(const char* request, int nav)
{
    const float c = (float)nav_hdng[nav];
    const double lx = X_with_latlon(nav_lat[nav], nav_lon[nav]), lz = Z_with_lat(nav_lat[nav]);
    const float dis_nm = atc_distance_nm(nav_lat[nav], nav_lon[nav]);
    const float off = fltwrap(atc_bearing(nav_lat[nav], nav_lon[nav]) - c, -180, 180);
    const float hdg_off = fltwrap(flt.psi - c, -180, 180);
    char text[ATC_TEXT];
    begin(text);
    if (std::fabs(off) < kInterceptOffDeg && std::fabs(hdg_off) < kInterceptHdgDeg && dis_nm > kInterceptNearNm &&
        dis_nm < kInterceptFarNm) {
        atc_append(text, "intercept localizer");
        app_altimeter_string(text, atm.baro);
        atc_appendf(text, "cleared %s contact tower.", approach_name(nav));
        say(text);
        atc.ils_vec_in_progress = 0;
        if (atc.plan_phase >= PLAN_TOWER) return;   // already with the tower: the plan goes on
        atc.waiting_new_frq = 1;
        atc.plan_phase = PLAN_TOWER;
        const int near = atc_nearest_airport();
        if (near >= 0) atc.plan_index = near;
        return;
    }
    const int first = !atc.ils_vec_in_progress;
    if (!first && msc.elap_time < st.next_vector) return;
    st.next_vector = msc.elap_time + fltrand(kVectorGapMin, kVectorGapMax);

    // The gate 9 nm out on the extended course, and an aim point beside it a turn's width
    // away on the aircraft's side: the aircraft joins the circle round the aim point on its
    // tangent and turns round it (right of the course clockwise, left of it anticlockwise),
    // which brings it past the gate on the course.
    const float m = con.nmtomtrs;
    const float sc = std::sin(c * DEG_TO_RAD_F), cc = std::cos(c * DEG_TO_RAD_F);
    const double gx = lx - kGateNm * m * sc, gz = lz + kGateNm * m * cc;
    const float r_nm = fltlim(interp(100, 2, 200, 4, flt.vind), 1, 8);
    const float side = ((flt.X - gx) * cc + (flt.Z - gz) * sc) > 0 ? 1.0f : -1.0f;   // right of the course: +1
    const double ax = gx + side * 1.1f * r_nm * m * cc, az = gz + side * 1.1f * r_nm * m * sc;
    const float d_nm = pythag((float)(ax - flt.X), (float)(az - flt.Z)) * con.mtrstonm;
    float hdg = true_bearing_to(ax, az);
    const float corr = d_nm > r_nm ? std::asin(r_nm / d_nm) * RAD_TO_DEG_F : interp(0, 180, r_nm, 90, d_nm);
    hdg -= side * corr;

    const float elev_ft = nav_h[nav] * con.mtrstoft;
    float alt = elev_ft + (dis_nm < 15 ? 3000 : dis_nm < 30 ? 5000 : 10000);
    if (fpl.cruise_alt > 0) alt = std::fmin(alt, fpl.cruise_alt);
    const float ground_ft = env.localh_cg * con.mtrstoft;
    if (alt < ground_ft + 1000) alt = ground_ft + 3000;
    const int said = vector_me(hdg + (float)env.mvar, 5, alt, 100, first, text);
    if (first) {
        atc.ils_vec_in_progress = 1;
        std::snprintf(atc.ils_command, sizeof atc.ils_command, "%s", request);
        atc_appendf(text, "vectors %s, if you would like another approach instead just tell me", approach_name(nav));
    }
    if (said || first) say(text);
    else make_random_call(0, 0);
}

void emergency()
{
    char text[ATC_TEXT];
    begin(text);
    atc_append(text, "squawk 7 7 0 0");
    const int apt = atc_nearest_airport();
    if (apt >= 0) vectors_to_airport(text, apt, ", they are");
    say(text);
    atc.plan_phase = PLAN_PICKED_UP;
    fpl.activated = 0;
}

void clearance()
{
    const int apt = start_airport();
    const float field_ft = apt_h[apt] * con.mtrstoft;
    fpl.cruise_alt = (float)(round(fpl.cruise_alt / 1000) * 1000);
    fpl.init_alt = round((field_ft + 2000) / 500) * 500;
    if (fpl.init_alt > fpl.cruise_alt - 500) fpl.init_alt = (int)fpl.cruise_alt - 500;
    const int cruise = (int)fpl.cruise_alt;
    char text[ATC_TEXT];
    begin(text);
    if (!airborne() && apt_twr[apt]) {
        if (fpl.IFR)
            atc_appendf(text, "cleared as filed maintain at or below %d expect %d 10 minutes after departure.",
                        fpl.init_alt, cruise);
        else
            atc_appendf(text, "you are cleared as filed maintain at or below %d initially, expect higher after that.",
                        fpl.init_alt);
        atc_append(text, "Departure will be on");
        app_random_freq(text);
        atc_append(text, "squawk");
        app_squawk(text);
        atc_append(text, "advise when ready to taxi.");
        atc.plan_phase = PLAN_CLEARED;
    } else if (!airborne()) {
        if (fpl.IFR) {
            atc_appendf(text, "cleared as filed maintain at or below %d expect %d 10 minutes after that. Contact center on",
                        fpl.init_alt, cruise);
            app_random_freq(text);
            atc_append(text, "when airborne, squawk");
            app_squawk(text);
            int h = 0, mi = 0, vh = 0, vm = 0;
            sec_to_hrs_min(msc.zulu_time, &h, &mi);
            sec_to_hrs_min(fltwrap(msc.zulu_time + 600, 0, 86400), &vh, &vm);
            atc_appendf(text, "time now %02d%02d Z, clearance void if not off by %02d%02d Z.", h, mi, vh, vm);
        } else {
            atc_append(text, "cleared as filed. Contact center on");
            app_random_freq(text);
            atc_append(text, "when airborne. Squawk");
            app_squawk(text);
        }
        atc.plan_phase = PLAN_ENROUTE;
        atc.waiting_new_frq = 1;
    } else {
        atc_append(text, "cleared as filed contact center");
        app_random_freq(text);
        atc.plan_phase = PLAN_ENROUTE;
        atc.waiting_new_frq = 1;
    }
    say(text);
}

void hand_off(char* text, int phase)
{
    say(text);
    atc.plan_phase = phase;
    atc.waiting_new_frq = 1;
}

// The en-route checks, every 15 to 30 s.
void enroute_check()
{
    const int dest = atc.plan_index;
    const float h_ft = (float)flt.Y * con.mtrstoft;
    const float dis_nm = atc_distance_nm(apt_lat[dest][0], apt_lon[dest][0]);
    const float cruise = fpl.cruise_alt;
    char text[ATC_TEXT];
    begin(text);
    if (dis_nm < interp(0, 20, 30000, 120, h_ft)) {
        atc_appendf(text, "contact %s approach on", apt_name[dest]);
        app_random_freq(text);
        return hand_off(text, PLAN_APPROACH);
    }
    const bool high = h_ft > cruise + kAltitudeSlackFt && flt.vY > -kSettledRate;
    const bool low = h_ft < cruise - kAltitudeSlackFt && flt.vY < kSettledRate;
    if (high || low) {
        atc_appendf(text, "your flight plan calls for %d feet while enroute, %s. I will need you to %s and maintain that "
                          "altitude. You may amend your plan if you want a different altitude.",
                    (int)cruise, fpl.mrs ? "Madam" : "Sir", low ? "climb" : "descend");
        return say(text);
    }
    if (flt.vind > kSpeedLimitKt && h_ft < kSpeedLimitFt) {
        atc_append(text, "I will need you to stay below 2 5 0 knots while below ten thousand feet.");
        return say(text);
    }
    if (st.vectored_around) {
        st.vectored_around = 0;
        atc_appendf(text, "proceed back on course to %s", apt_name[dest]);
        return say(text);
    }
    make_random_call(1, 1);
}

void approach_checkin()
{
    const int dest = atc.plan_index;
    int rway = 0, dir = 1, found = 0, nav = 0;
    get_active_rway(dest, &rway, &dir, &found, &nav);
    char req[ATC_TEXT];
    if (found) {
        char id[5];
        std::snprintf(req, sizeof req, "request %s %s", nav_type[nav] == NAV_LOC ? "I L S" : "localizer",
                      trimmed_id(nav_id[nav], id));
        return controller_respond(req);
    }
    char text[ATC_TEXT];
    begin(text);
    atc_append(text, "cleared full approach of your choice.");
    say(text);
}

}  // namespace

int atc_nearest_airport()
{
    int best = -1;
    float best_nm = 1e9f;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++) {
        if (!apt_inreg[a]) continue;
        const float d = atc_distance_nm(apt_lat[a][0], apt_lon[a][0]);
        if (d < best_nm) {
            best_nm = d;
            best = a;
        }
    }
    return best;
}

static int id_matches(const char* table_id, const char* id)
{
    char want[5];
    std::snprintf(want, sizeof want, "%-4.4s", id);
    for (char* c = want; *c; c++)
        if (*c == 0) *c = ' ';
    return !std::strncmp(table_id, want, 4);
}

int atc_find_airport(const char* id)
{
    int found = -1;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++)
        if (id_matches(apt_id[a], id)) {
            if (apt_inreg[a]) return a;
            if (found < 0) found = a;
        }
    return found;
}

int atc_find_navaid(const char* id, int type)
{
    int found = -1;
    for (int n = 0; n < NAV_CAP; n++)
        if (nav_type[n] == type && id_matches(nav_id[n], id)) {
            if (nav_inreg[n]) return n;
            if (found < 0) found = n;
        }
    return found;
}

void controller_respond(const char* request)
{
    char text[ATC_TEXT];
    begin(text);
    if (!std::strncmp(request, "win", 3)) {
        wind_phrase_for(text, start_airport());
        return say(text);
    }
    if (!std::strncmp(request, "dec", 3)) return emergency();
    const bool req = !std::strncmp(request, "request ", 8);
    const char* kind = request + 8;
    const char* id = req ? request_id(request) : "";
    if (req && (!std::strncmp(kind, "I L", 3) || !std::strncmp(kind, "loc", 3))) {
        const int nav = atc_find_navaid(id, kind[0] == 'I' ? NAV_LOC : NAV_LOC_ONLY);
        if (nav >= 0) return ils_vectors(request, nav);
    }
    const int apt = req ? atc_find_airport(id) : -1;
    if (apt >= 0 && !std::strncmp(kind, "tax", 3)) {
        atc_append(text, "taxi");
        app_current_rway_string(text, apt);
    } else if (apt >= 0 && !std::strncmp(kind, "tak", 3)) {
        atc_append(text, "fly runway heading cleared for take off");
        app_current_rway_string(text, apt);
    } else if (apt >= 0 && !std::strncmp(kind, "vec", 3)) {
        vectors_to_airport(text, apt, ". They are");
    } else if (apt >= 0 && !std::strncmp(kind, "lan", 3)) {
        wind_phrase_for(text, apt);
        atc_append(text, ", cleared to land");
        app_current_rway_string(text, apt);
    } else {
        atc_append(text, "say again please");
    }
    say(text);
}

void handle_plan(int pick)
{
    if (!fpl.onfile) return;
    if (atc.waiting_new_frq && !pick) return;   // nothing moves on until the pilot calls in
    char text[ATC_TEXT];
    begin(text);
    switch (atc.plan_phase) {
    case PLAN_PICKED_UP: return clearance();
    case PLAN_CLEARED:
        if (height_agl_ft() * con.fttomtrs > kDepartureAgl) {
            atc_append(text, "contact departure.");
            hand_off(text, PLAN_DEPARTURE);
        }
        return;
    case PLAN_DEPARTURE:
        if (pick) {
            atc_appendf(text, "radar contact. Climb to %d approved, proceed on course to %s", (int)fpl.cruise_alt,
                        apt_name[atc.plan_index]);
            st.centre_time = msc.elap_time + fltrand(kCentreDelayMin, kCentreDelayMax);
            return say(text);
        }
        if (st.centre_time > 0 && msc.elap_time >= st.centre_time) {
            st.centre_time = 0;
            atc_append(text, "contact center");
            app_random_freq(text);
            hand_off(text, PLAN_ENROUTE);
        }
        return;
    case PLAN_ENROUTE:
        if (pick) {
            atc_appendf(text, "roger proceed on course to %s", apt_name[atc.plan_index]);
            app_altimeter_string(text, atm.baro);
            if (fltrand(0, 1) < kResetSquawkChance) {
                atc_append(text, "Reset transponder squawk");
                app_squawk(text);
            }
            st.next_check = msc.elap_time + fltrand(kPlanCheckMin, kPlanCheckMax);
            return say(text);
        }
        if (msc.elap_time >= st.next_check) {
            st.next_check = msc.elap_time + fltrand(kPlanCheckMin, kPlanCheckMax);
            enroute_check();
        }
        return;
    case PLAN_APPROACH: {
        if (pick) return approach_checkin();
        const int dest = atc.plan_index;
        if (apt_twr[dest] && atc_distance_nm(apt_lat[dest][0], apt_lon[dest][0]) < kTowerNm) {
            atc_appendf(text, "contact %s tower on", apt_name[dest]);
            app_random_freq(text);
            hand_off(text, PLAN_TOWER);
        }
        return;
    }
    case PLAN_TOWER:
        if (pick) {
            wind_phrase_for(text, atc.plan_index);
            atc_append(text, ", cleared to land");
            app_current_rway_string(text, atc.plan_index);
            say(text);
            atc.plan_phase = PLAN_LANDING;
        }
        return;
    case PLAN_LANDING: {
        const float speed = pythag3(flt.vX, flt.vY, flt.vZ);
        if (flt.onground && speed < kTaxiSpeed) {
            atc_append(text, "make next turn-off contact ground");
            app_random_freq(text);
            atc_append(text, "when clear.");
            atc.ils_vec_in_progress = 0;
            hand_off(text, PLAN_GROUND);
        }
        return;
    }
    case PLAN_GROUND:
        if (pick) {
            atc_append(text, "taxi to the ramp.");
            say(text);
            fpl.onfile = fpl.activated = 0;
            atc.plan_phase = 0;
        }
        return;
    default: return;
    }
}

int make_random_call(int can_be_us, int can_change_frq)
{
    const int type = intrand(1, 8);
    const bool to_pilot = can_be_us && fltrand(0, 1) < kToPilotChance;
    char text[ATC_TEXT] = "";
    if ((type == 5 || type == 6) && (float)flt.Y * con.mtrstoft >= kRandomVectorCeilingFt) return 0;
    const bool us = ((type == 5 || type == 6) && to_pilot) || ((type == 7 || type == 8) && to_pilot && can_change_frq);
    start_command_string(text, us ? 1 : 0);
    switch (type) {
    case 1: atc_append(text, "squawk 1 2 0 0 good day."); break;
    case 2:
        atc_append(text, "reset transponder squawk");
        app_squawk(text);
        break;
    case 3:
        atc_append(text, "contact me on");
        app_random_freq(text);
        atc_append(text, "please.");
        break;
    case 4: {
        static const char* const clock[] = {"10 o-clock,", "11 o-clock,", "12 o-clock,", "1 o-clock,", "2 o-clock,"};
        atc_appendf(text, "you have traffic at your %s should be no factor.", clock[intrand(0, 4)]);
        break;
    }
    case 5:
    case 6: {
        const int turn = intrand(20, 45) * (intrand(0, 1) ? 1 : -1);
        const char* where = turn < 0 ? (turn > -33 ? "12 o-clock." : "1 o-clock.") : (turn < 33 ? "11 o-clock." : "10 o-clock.");
        app_turn_string(text, (us ? flt.magpsi : (float)intrand(0, 359)) + (float)turn, 5);
        atc_appendf(text, "vectors around a %s at your %s", app_rand_plane((float)flt.Y), where);
        if (us) st.vectored_around = 1;
        break;
    }
    default:
        atc_append(text, "contact center on");
        app_random_freq(text);
        if (us) atc.waiting_new_frq = 1;
        break;
    }
    say(text);
    return us ? 1 : 0;
}

void LSO_respond()
{
    float c[3] = {atc.cardxyz[0], atc.cardxyz[1], atc.cardxyz[2]};
    atc.cardxyz[2] = ATC_NO_CARRIER;   // a carrier near the aircraft writes it again each frame
    const float dist_m = pythag(c[0], c[2]);
    const float d_nm = dist_m * con.mtrstonm;
    // Bearing from the aircraft to the deck (frame: x east, z south).
    const float brg = fltwrap(std::atan2(-c[0], c[2]) * RAD_TO_DEG_F, 0, 360);
    const float lineup = fltwrap(brg - kDeckCourse, -180, 180);
    const float hdg_off = fltwrap(flt.psi - kDeckCourse, -180, 180);
    if (d_nm > kLsoRangeNm || std::fabs(lineup) >= kLsoOffDeg || std::fabs(hdg_off) >= kLsoOffDeg) {
        st.lso_in_approach = 0;
        return;
    }
    if (!st.lso_in_approach) {
        st.lso_in_approach = 1;
        return say("Call the ball.");
    }
    const float g = std::atan2(c[1], std::fmax(dist_m, 1.0f)) * RAD_TO_DEG_F;
    const float a = flt.Alpha;
    const bool high = g > kGlideHigh, low = g < kGlideLow, slow = a > kAlphaHigh, fast = a < kAlphaLow;
    const char* call = nullptr;
    if (d_nm < kLsoCloseNm) call = (high || low) ? "Wave Off!" : (fast || slow) ? "Attitude!" : nullptr;
    else if (high && fast) call = "Power Off";
    else if (high && slow) call = "Power On";
    else if (low && (fast || slow)) call = "Power";
    else if (high) call = "Power Off";
    else if (low) call = "Power";
    else if (fast) call = "Power Off";
    else if (slow) call = "Power";
    else if (lineup > kLineupDeg) call = "Right for lineup";
    else if (lineup < -kLineupDeg) call = "Come left";
    if (call) say(call);
}

void atc_second()
{
    if (fpl.onfile && fpl.activated) handle_plan(0);
    if (atc.ils_vec_in_progress) controller_respond(atc.ils_command);
}

void do_atc_reset()
{
    st = {};
    atc.cardxyz[2] = ATC_NO_CARRIER;
}

}  // namespace orv
