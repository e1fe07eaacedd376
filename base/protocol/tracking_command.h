#pragma once

#include <QString>

// Texts that start, stop and switch the tracking of a teacher or student pano camera, and the
// VISCA texts of its focus mode.
namespace tracking_command {

constexpr char kStart[] = "start";
constexpr char kStop[] = "stop";
// The words that make the camera forget the snapshot region and the tracking region.
constexpr char kCancelSnapshotArea[] = "cancelsnapshotarea";
constexpr char kCancelTrackingArea[] = "canceltrackingarea";
constexpr char kGetCropStatus[] = "get_crop_status";
// The words that start and stop the student pano camera's own position calibration.
constexpr char kBeginAutocalibrate[] = "begin_autocalibrate";
constexpr char kEndAutocalibrate[] = "end_autocalibrate";

// The section line, "set_tracking_config_command" and "command=" + word, joined by "\n" with
// no line feed at the end.
QString command_text(const QString &section, const QString &word);

// The crop status request: the section line and "command=get_crop_status", joined by "\n".
QString crop_status_request(const QString &section);

// "switchtoconfig1" for entry 0 of a configuration list, "switchtoconfig2" for any other.
QString config_word(int index);

// The other entry of a two-entry configuration list: 0 for 1, 1 for anything else.
int other_config_index(int index);

// The focus mode command for a side's pano camera: on the pano crop address "8A" when the
// side's feature camera is an "M19" (compared whole and case-sensitive), else on "81".
QString pano_focus_text(const QString &featureModel, bool manual);

// The focus-mode inquiry to a pano camera: "81 09 04 38 FF" for a J57, "8A 09 04 38 FF" (its crop
// picture) for an M19, nothing for other models (compared whole and case-sensitive).
QString focus_inquiry(const QString &pano_model);

// The tracking status request a pano camera is asked after its connect and its crop status
// request: the section line and "get_tracking_status", joined by "\n".
QString tracking_status_request(const QString &section);

} // namespace tracking_command
