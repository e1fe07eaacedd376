#pragma once

#include <functional>

// Waits at least ms milliseconds (scaled by timescale) while the GUI thread keeps handling its
// events: timers, socket replies and button presses that arrive meanwhile run inside the wait.
void wait_ms(int ms);

// Runs work on a thread of its own and returns once it has ended, the GUI thread handling its
// events meanwhile as in wait_ms. Nothing cuts the wait short (no quit of an event loop), so
// nothing the work uses goes away under it; a caller whose run was ended during the wait finds
// that out afterwards.
void run_beside_gui(std::function<void()> work);
