#include "core/time_scale.h"

#include <QtGlobal>
#include <atomic>
#include <cmath>
#include <cstdlib>

namespace timescale {
namespace {
double startFactor()
{
    const char *env = std::getenv("CORVANE_TIME_SCALE");
    if (!env)
        return 1.0;
    const double f = std::atof(env);
    return f > 0 ? f : 1.0;
}
std::atomic<double> gFactor{startFactor()};
} // namespace

double factor() { return gFactor.load(); }
void setFactor(double f) { gFactor.store(f > 0 ? f : 1.0); }

int scaled(int ms)
{
    if (ms <= 0)
        return ms;
    const double f = gFactor.load();
    if (f == 1.0)
        return ms;
    return qMax(1, int(std::lround(ms * f)));
}
} // namespace timescale
