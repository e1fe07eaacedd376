#include "protocol/auto_calibration.h"

#include "protocol/visca_text.h"

#include <QDebug>

#include <cmath>

namespace auto_calibration {

namespace {
constexpr double kPi = 3.1415926;
// Half the width of the 1920-pixel picture the offsets are measured in; the vertical offset is
// turned into an angle with the same focal length, as the pixels are square.
constexpr double kHalfWidth = 960.0;

float offset_angle(float offset, double tan_half)
{
    return float(std::atan(offset * tan_half / kHalfWidth) * 180.0 / kPi);
}
} // namespace

QString pan_tilt_inquiry() { return QStringLiteral("81 09 06 12 FF"); }

float camera_view_angle(bool student, const QString &model)
{
    if (!model.isEmpty())
        qDebug() << (student ? "YOLO::student_feature_device_model 2 =" : "YOLO::teacher_feature_device_model 1 =")
                 << model;
    if (model == QLatin1String("J22"))
        return 60.0f;
    if (model == QLatin1String("J4"))
        return 60.7f;
    if (model == QLatin1String("R6"))
        return student ? 44.0f : 21.2f;
    return 72.5f;
}

Position target_position(float fov, float x_out, float y_out, Position from)
{
    const float half = fov * 0.5f;
    qDebug() << "YOLO:: camera_angle = " << fov;
    qDebug() << "YOLO::camera_angle = " << half;
    qDebug() << "YOLO:: x_out = " << x_out << ",y_out =" << y_out;
    const double t = std::tan(half * kPi / 180.0);
    const float pan_angle = offset_angle(x_out, t);
    const float tilt_angle = offset_angle(y_out, t);
    Position to;
    to.pan = int(from.pan + pan_angle / visca_text::kDegreesPerStep);
    to.tilt = int(tilt_angle / visca_text::kDegreesPerStep + from.tilt);
    qDebug() << " YOLO::float pan_angle x=" << pan_angle << ",tilt_angle y=" << tilt_angle;
    qDebug() << " PT_PAN_VALUE = " << from.pan << ",PT_TILT_VALUE =" << from.tilt;
    qDebug() << " YOLO:: pan_angle/0.069444=" << to.pan << ",tilt_angle/0.069444=" << to.tilt;
    return to;
}

} // namespace auto_calibration
