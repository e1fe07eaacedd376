#include "protocol/calibration_commands.h"

#include "protocol/visca_text.h"

namespace calibration_commands {

QString cross(bool on)
{
    return on ? QStringLiteral("8A 01 04 47 04 00 00 00 FF") : QStringLiteral("8A 01 04 47 00 00 00 00 FF");
}

bool draws_cross(camera_slot::Side side, const QString &pano_model)
{
    if (pano_model == QLatin1String("M5"))
        return true;
    return side == camera_slot::Side::Student && pano_model == QLatin1String("M19");
}

QString measuring_mode(bool on)
{
    return on ? QStringLiteral("81 03 06 07 02 FF") : QStringLiteral("81 03 06 07 01 FF");
}

// Tilt: up 5 degrees, then down to -10; pan: right 15 degrees, then left to -20.
QString first_approach(Axis axis)
{
    return axis == Axis::Tilt ? visca_text::visca_absolute_pan_tilt(0, 5) : visca_text::visca_absolute_pan_tilt(15, 0);
}

QString second_approach(Axis axis)
{
    return axis == Axis::Tilt ? visca_text::visca_absolute_pan_tilt(0, -10)
                              : visca_text::visca_absolute_pan_tilt(-20, 0);
}

QString step(Axis axis)
{
    return axis == Axis::Tilt ? QStringLiteral("81 03 06 05 03 01 01 FF FF")
                              : QStringLiteral("81 03 06 05 02 01 01 FF FF");
}

QString result_template(Axis axis)
{
    return axis == Axis::Tilt ? QStringLiteral("81 03 06 06 00 FF 02 VN FF") : QStringLiteral("81 03 06 06 01 VN 00 FF FF");
}

} // namespace calibration_commands
