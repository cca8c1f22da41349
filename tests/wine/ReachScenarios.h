// Scenarios about where the clock stands: positions that survive a save at
// any DPI without rewriting the file, and stored places no one could reach.
#pragma once

#include "Scenario.h"

namespace wine_test {

// Odd positions, idle for 10 s: the file is written at most once.
void idleWrites(Context& c);
// Stored positions beyond every edge: the clock starts fully on the screen.
void lostPositions(Context& c);
// Display changes, a restarted shell and a resume, sent to the clock: it
// comes back into the work area and into the topmost band.
void displayChanges(Context& c);

}  // namespace wine_test
