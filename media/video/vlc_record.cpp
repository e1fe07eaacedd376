#include "video/vlc_record.h"

#include <QDebug>

#include <vlc/vlc.h>
#include <vlc_common.h>
#include <vlc_variables.h>

#include <cstring>

namespace vlc_record {
namespace {
// The player's input object (held), or null. libVLC 3 builds its media player as a core object
// whose children include the input thread while it plays.
vlc_object_t *holdInput(libvlc_media_player_t *player)
{
    auto *object = reinterpret_cast<vlc_object_t *>(player);
    vlc_list_t *children = vlc_list_children(object);
    if (!children)
        return nullptr;
    vlc_object_t *input = nullptr;
    for (int i = 0; i < children->i_count && !input; ++i) {
        auto *child = static_cast<vlc_object_t *>(children->p_values[i].p_address);
        if (child && child->obj.object_type && std::strcmp(child->obj.object_type, "input") == 0)
            input = static_cast<vlc_object_t *>(vlc_object_hold(child));
    }
    vlc_list_release(children);
    return input;
}
} // namespace

bool setRecording(libvlc_media_player_t *player, const QString &folder, bool on)
{
    if (!player)
        return false;
    vlc_object_t *input = holdInput(player);
    if (!input)
        return false;
    if (!folder.isEmpty()) {
        var_Create(input, "input-record-path", VLC_VAR_STRING);
        var_SetString(input, "input-record-path", folder.toUtf8().constData());
    }
    bool done = true;
    if (var_GetBool(input, "record") != on)
        done = var_SetBool(input, "record", on) == VLC_SUCCESS;
    vlc_object_release(input);
    if (!done)
        qWarning().noquote() << "vlc_record: libVLC refused to switch recording" << (on ? "on" : "off");
    return done;
}
} // namespace vlc_record
