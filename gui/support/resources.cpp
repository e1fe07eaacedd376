#include "support/resources.h"

#include <QtGlobal>

void corvane_init_resources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    Q_UNUSED(done);
}
