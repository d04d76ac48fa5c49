// data_output.h -- which data groups go to the screen, the graph and the disc, and the three
// outputs themselves: lines of "Vantorel.out", rows over the cockpit, the graph ring buffer.
#pragma once

namespace orv {

// From the choices set.Bdsk, Brlt, Bgrf: the first ten screen groups (set.rltsel) and the
// first four graph groups (set.grfsel), -1 in a slot nothing fills; the three output flags;
// the graph starts afresh and the distance flown from zero.
void set_rlt_grf_choices();

// Output kinds of out_label and out_dat; any other kind is a screen row.
enum { OUT_DISK = 5, OUT_GRAPH = 6, OUT_SCREEN = 0 };

// Group g's label (out_label) or values (out_dat) to an output: appended to the disk line
// being built, stored in graph slot `slot` at grf.cntr, or drawn as screen row `slot`.
void out_label(int type, int g, int slot);
void out_dat(int type, int g, int slot);

// One line of "Vantorel.out": the labels of every disk group (labels set) or their values.
// Nothing is written while the file is not open.
void data_out(int labels);

// The screen rows of set.rltsel over the cockpit, the first at the top.
void draw_data_rows();

// The graph buffer: every sample set to GRAPH_EMPTY, nothing written yet, not full.
constexpr float GRAPH_EMPTY = -999999.0f;
void clear_graph();
// One frame into the buffer (grf.cntr advances and wraps at GRAPH_SAMPLES).
void update_graph();
// Samples held and the index of sample n (0 the oldest) in the ring.
int graph_samples();
int graph_index(int n);

}  // namespace orv
