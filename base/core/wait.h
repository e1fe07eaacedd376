#pragma once

#include <functional>

// Waits at least ms milliseconds (scaled by timescale) while the GUI thread keeps handling its
// events: timers, socket replies and button presses that arrive meanwhile run inside the wait.
void wait_ms(int ms);

// As wait_ms(ms), then on until done() holds or boundMs (scaled too) have passed since the start:
// for an answer that usually comes within ms but that a loaded machine delays.
void wait_ms_until(int ms, int boundMs, const std::function<bool()> &done);

// Runs work on a thread of its own and returns once it has ended, the GUI thread handling its
// events meanwhile as in wait_ms. Nothing cuts the wait short (no quit of an event loop), so
// nothing the work uses goes away under it; a caller whose run was ended during the wait finds
// that out afterwards.
void run_beside_gui(std::function<void()> work);
