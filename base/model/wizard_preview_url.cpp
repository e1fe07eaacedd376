#include "model/wizard_preview_url.h"

#include "model/camera_slot.h"

namespace wizard_preview_url {

QString url(const QString &field, const QString &rtsp_port, const QString &path, Form form, int layout)
{
    const bool as_typed = form == Form::BoardCamera
                          || (camera_slot::parse_address_field(field).is_path && (form == Form::Plain || layout != 0));
    if (as_typed)
        return QStringLiteral("rtsp://") + field;
    return QStringLiteral("rtsp://") + field + QLatin1Char(':') + rtsp_port + path;
}

} // namespace wizard_preview_url
