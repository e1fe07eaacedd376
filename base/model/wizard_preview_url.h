#pragma once

#include <QString>

// The RTSP address a wizard step preview opens from its address field.
namespace wizard_preview_url {

enum class Form {
    Plain,      // an address followed by "/" and a path opens as typed, else the port form
    Pano,       // a pano preview: the path form only when the layout has more than two cameras
    BoardCamera // a blackboard camera chosen on the preset or tracking-test step: as typed
};

// "rtsp://" + field, or "rtsp://" + field + ":" + port + path ("/1" for close-up, "/2" for pano).
QString url(const QString &field, const QString &rtsp_port, const QString &path, Form form, int layout);

} // namespace wizard_preview_url
