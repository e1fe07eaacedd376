#pragma once

// Waits at least ms milliseconds (scaled by timescale) while the GUI thread keeps handling its
// events: timers, socket replies and button presses that arrive meanwhile run inside the wait.
void wait_ms(int ms);
