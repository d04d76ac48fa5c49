// do_atc.h -- the controller: answers to the pilot's requests, ILS and localizer vectors,
// the filed flight plan phase by phase with its hand-offs, random traffic calls, and the
// landing signal officer at the carrier.
#pragma once

namespace orv {

// Plan phases (atc.plan_phase).
enum {
    PLAN_PICKED_UP = 1, PLAN_CLEARED = 4, PLAN_DEPARTURE = 5, PLAN_ENROUTE = 6, PLAN_APPROACH = 7,
    PLAN_TOWER = 8, PLAN_LANDING = 9, PLAN_GROUND = 10
};

// A request text ("request taxi KSBD", "request I L S ISBD", "wind check", ...).
void controller_respond(const char* request);
// Advances the filed plan: pick 1 when the pilot calls in (the menu), 0 each second.
void handle_plan(int pick);
// A call on the frequency; 1 when it was addressed to the pilot.
int  make_random_call(int can_be_us, int can_change_frq);
void LSO_respond();
// The one-second step: the plan while filed and active, the ILS vectors while given.
void atc_second();

// Airport nearest the aircraft among those inside the region (-1 none).
int  atc_nearest_airport();
// The airport or navaid (type 4 or 5) whose identifier begins with id, one inside the region
// first (-1 none).
int  atc_find_airport(const char* id);
int  atc_find_navaid(const char* id, int type);

void do_atc_reset();

}  // namespace orv
