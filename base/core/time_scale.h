#pragma once

// One factor for the whole process by which waits and timer intervals are scaled. It is 1 in
// the program; tests lower it so that a 10-second wait runs in milliseconds with the same order
// of events. CORVANE_TIME_SCALE in the environment sets the start value.
namespace timescale {
double factor();
void setFactor(double factor);
// ms scaled by the factor; a positive interval never becomes 0.
int scaled(int ms);
} // namespace timescale
