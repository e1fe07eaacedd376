#include "video/vlc_record.h"

#include "video/vlc_core_library.h"

#include <QDebug>

#include <cstring>

namespace vlc_record {
namespace {
// The player's input object (held), or null. libVLC 3 builds its media player as a core object
// whose children include the input thread while it plays.
vlc_object_t *holdInput(const VlcCoreLibrary &vlc, libvlc_media_player_t *player)
{
    auto *object = reinterpret_cast<vlc_object_t *>(player);
    vlc_list_t *children = vlc.vlc_list_children(object);
    if (!children)
        return nullptr;
    vlc_object_t *input = nullptr;
    for (int i = 0; i < children->i_count && !input; ++i) {
        auto *child = static_cast<vlc_object_t *>(children->p_values[i].p_address);
        if (child && child->obj.object_type && std::strcmp(child->obj.object_type, "input") == 0)
            input = static_cast<vlc_object_t *>(vlc.vlc_object_hold(child));
    }
    vlc.vlc_list_release(children);
    return input;
}
} // namespace

bool setRecording(libvlc_media_player_t *player, const QString &folder, bool on)
{
    const VlcLibrary *loaded = vlc_library::loaded();
    if (!player || !loaded)
        return false;
    const VlcCoreLibrary *vlc = loaded->core;
    vlc_object_t *input = holdInput(*vlc, player);
    if (!input)
        return false;
    // What var_SetString, var_GetBool and var_SetBool do, through the loaded functions.
    vlc_value_t value;
    if (!folder.isEmpty()) {
        const QByteArray path = folder.toUtf8();
        vlc->var_Create(input, "input-record-path", VLC_VAR_STRING);
        value.psz_string = const_cast<char *>(path.constData());
        vlc->var_SetChecked(input, "input-record-path", VLC_VAR_STRING, value);
    }
    value.b_bool = false;
    const bool recording = vlc->var_GetChecked(input, "record", VLC_VAR_BOOL, &value) == VLC_SUCCESS && value.b_bool;
    bool done = true;
    if (recording != on) {
        value.b_bool = on;
        done = vlc->var_SetChecked(input, "record", VLC_VAR_BOOL, value) == VLC_SUCCESS;
    }
    vlc->vlc_object_release(input);
    if (!done)
        qWarning().noquote() << "vlc_record: libVLC refused to switch recording" << (on ? "on" : "off");
    return done;
}
} // namespace vlc_record
