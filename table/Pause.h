// The table's waits: a local event loop that keeps the table painting and
// the timers running while the user's input waits its turn.
#pragma once

namespace kalvo {

enum class TEntreesPause : bool {
  Retenues,   // the input stays queued (the auction replay)
  Laissees,   // after the wait, pending input is handled (a card's pause)
};

// Waits ms milliseconds (none for 0 or less). With Laissees, the events
// pending at the end, the user's clicks and keys included, are then handled.
void Pause(int ms, TEntreesPause entrees);

}  // namespace kalvo
