#pragma once

#include "video/vlc_library.h"

// libvlccore's objects and variables. Its headers define macros of common names (msleep, likely,
// container_of ...): this header is for the sources that use libvlccore, never for a header.
#include <vlc_common.h>

// The libvlccore functions the player's recording reaches (var_* are what vlc_variables.h's
// helpers call).
#define CORVANE_VLCCORE_FUNCTIONS(X) \
    X(var_Create) \
    X(var_GetChecked) \
    X(var_SetChecked) \
    X(vlc_list_children) \
    X(vlc_list_release) \
    X(vlc_object_hold) \
    X(vlc_object_release)

struct VlcCoreLibrary {
    CORVANE_VLCCORE_FUNCTIONS(CORVANE_LIBRARY_MEMBER)
};
