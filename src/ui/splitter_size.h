#pragma once
// The arithmetic of a splitter drag, apart from any window. Pure: any thread.
#include "ui/align.h"

namespace ruzi {

// The neighbour's new width (height) after the mouse moved `delta` pixels along the axis from
// where the drag began: a left (top) neighbour grows with the mouse, a right (bottom) one
// shrinks; the result stays within [min_size, max_size], or is min_size when the two cross.
int SplitterNewSize(TAlign align, int start_size, int delta, int min_size, int max_size);

}  // namespace ruzi
