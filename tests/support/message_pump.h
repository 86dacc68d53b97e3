#pragma once
// Runs the thread's queued messages (paints, posted keys) for UI tests, a few rounds with short
// pauses between them so that what a message posts in turn is run too.
namespace ruzi::testing {

void PumpMessages();

}  // namespace ruzi::testing
