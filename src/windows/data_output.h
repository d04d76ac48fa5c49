// data_output.h -- which data groups go to the screen, the graph and the disc.
#pragma once

namespace orv {

// From the choices set.Bdsk, Brlt, Bgrf: the first ten screen groups (set.rltsel) and the
// first four graph groups (set.grfsel), -1 in a slot nothing fills; the three output flags;
// the graph starts afresh and the distance flown from zero.
void set_rlt_grf_choices();

}  // namespace orv
