// fg_design.h -- the design tool's helpers on the aircraft record, which it holds in the
// file's stored units (feet, pounds, degrees, knots, inches).
#pragma once

namespace orv {

enum { DESIGN_FOR_ADVANCE = 0, DESIGN_FOR_SPEED = 1 };

// Sets the blade incidences of propeller `eng` (0..3) for its design point: mode
// DESIGN_FOR_ADVANCE from the advance per turn (des_adv) and works out the design speed,
// mode DESIGN_FOR_SPEED from the design speed (des_vel) and works out the advance. A
// variable-pitch propeller's incidences are taken relative to its tip, and an aeroplane's
// pitch range is set round it. Answers 0, changing nothing, when the propeller has no
// elements, no radius or no design rpm.
int design_prop(int eng, int mode);

// Copies surface `from` to its mirror part `to`: the lateral arm mirrored (pylon 1, part 14,
// keeps its own position), and on the right-hand wings and stabiliser their control flags.
void copy_foil(int from, int to);

// Copies every cross-section point of body part `from` to body part `to`.
void copy_body(int from, int to);

// The instrument chooser of panel slot `slot` (0..8): a column of the nine instrument kinds
// at x, y downwards; a click picks a kind for the slot and takes it out of every other slot.
// Answers 1 when the click changed the panel.
constexpr int INS_KINDS = 9, INS_KIND_PITCH = 10, PANEL_SLOT_COUNT = 9;
int fiddle_ins_loc(int slot, int x, int y);

// Reads the thickness ratio of airfoil file `name` (folder "airfoils") into the drawing's
// airfoil record for `part`, root (rt 0) or tip (rt 1). A file that is not an airfoil gets
// the alert "You didn't select a foil!" and the ratio 0. Answers 1 when read.
int assign_foil_thickness(const char* name, int part, int rt);

// The part drawn on the other side of `part` (left wing 1 and right wing 1, nacelles 1 and 2,
// ...), -1 for a part on the centre line.
int partner_part(int part);

}  // namespace orv
