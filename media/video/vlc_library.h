#pragma once

#include "video/library_loader.h"

#include <vlc/vlc.h>

// The libVLC functions the player calls. The program does not link libVLC, which brings D-Bus,
// systemd, gcrypt and more with it: the first player's start loads it, on the player's thread,
// rather than the program's start.
#define CORVANE_LIBVLC_FUNCTIONS(X) \
    X(libvlc_audio_get_mute) \
    X(libvlc_audio_get_track) \
    X(libvlc_audio_get_track_count) \
    X(libvlc_audio_get_volume) \
    X(libvlc_audio_set_mute) \
    X(libvlc_audio_set_track) \
    X(libvlc_audio_set_volume) \
    X(libvlc_event_attach) \
    X(libvlc_event_detach) \
    X(libvlc_get_version) \
    X(libvlc_media_add_option) \
    X(libvlc_media_new_location) \
    X(libvlc_media_new_path) \
    X(libvlc_media_player_event_manager) \
    X(libvlc_media_player_get_length) \
    X(libvlc_media_player_get_rate) \
    X(libvlc_media_player_get_state) \
    X(libvlc_media_player_get_time) \
    X(libvlc_media_player_is_playing) \
    X(libvlc_media_player_new_from_media) \
    X(libvlc_media_player_pause) \
    X(libvlc_media_player_play) \
    X(libvlc_media_player_release) \
    X(libvlc_media_player_set_rate) \
    X(libvlc_media_player_set_time) \
    X(libvlc_media_player_set_xwindow) \
    X(libvlc_media_release) \
    X(libvlc_media_tracks_get) \
    X(libvlc_media_tracks_release) \
    X(libvlc_new) \
    X(libvlc_release) \
    X(libvlc_video_set_aspect_ratio) \
    X(libvlc_video_set_callbacks) \
    X(libvlc_video_set_format) \
    X(libvlc_video_set_key_input) \
    X(libvlc_video_set_mouse_input) \
    X(libvlc_video_take_snapshot)

struct VlcCoreLibrary;

// Each function with the type its header declares.
struct VlcLibrary {
    CORVANE_LIBVLC_FUNCTIONS(CORVANE_LIBRARY_MEMBER)
    // libvlccore's functions, which the player's recording reaches (video/vlc_core_library.h).
    const VlcCoreLibrary *core = nullptr;
};

namespace vlc_library {

// libVLC's libraries, in the order they are loaded.
QStringList defaultNames();

// Loads the libraries and resolves every function on the first call, once per process; later
// calls give the first call's result. Null when a library cannot be loaded or lacks a function,
// with the reason in error; the first failure is also logged.
const VlcLibrary *load(QString *error = nullptr);

// The functions once a load has succeeded, without loading anything: null before the first
// load has ended, and after one that failed.
const VlcLibrary *loaded();

// Library names (file names or paths) that the first load uses instead of defaultNames(); for a
// test of what a missing libVLC does. No effect once load has run.
void useNames(const QStringList &names);

// Loads the given libraries and resolves the functions, without keeping the result; the work of
// load, for a test of its failures. functions->core is set to core.
bool resolve(const QStringList &names, VlcLibrary *functions, VlcCoreLibrary *core, QString *error);

} // namespace vlc_library
