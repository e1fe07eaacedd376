#pragma once

#include <QString>

struct libvlc_media_player_t;

// libVLC's own recording of what a player plays: the player's input writes the stream it reads,
// without decoding it again, into "vlc-record-<date>-<time>-<title>.<ext>" in a folder of our
// choice. libVLC 3 keeps this on the input object inside the media player and offers no call for
// it, so it is reached through libvlccore's object tree and variables.
namespace vlc_record {
// Sets the record folder (when not empty) and switches recording on or off. False when the
// player has no input yet (it gets one once it plays) or libVLC refused the change.
bool setRecording(libvlc_media_player_t *player, const QString &folder, bool on);
} // namespace vlc_record
