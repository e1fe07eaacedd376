#include "protocol/ptz_commands.h"

#include <QDebug>

namespace ptz_commands {

namespace {
QString address(bool crop)
{
    return crop ? QStringLiteral("8A") : QStringLiteral("81");
}

QString twoHexDigits(int value)
{
    return QString::number(value & 0xFF, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

// Pan byte and tilt byte of each direction: pan 01 left, 02 right, 03 none; tilt 01 up,
// 02 down, 03 none.
const char *directionBytes(Direction direction)
{
    switch (direction) {
    case Direction::Up: return "03 01";
    case Direction::Down: return "03 02";
    case Direction::Left: return "01 03";
    case Direction::Right: return "02 03";
    case Direction::LeftUp: return "01 01";
    case Direction::LeftDown: return "01 02";
    case Direction::RightUp: return "02 01";
    case Direction::RightDown: break;
    }
    return "02 02";
}
} // namespace

QString ptzspeed(const QString &command_template, int hindex, int vindex)
{
    qDebug() << "MainWindow::ptzspeed level hindex=" << hindex << ",vindex = " << vindex;
    return fill_speed(command_template, hindex, vindex);
}

QString fill_speed(const QString &command_template, int hindex, int vindex)
{
    const QString h = twoHexDigits(hindex);
    const QString v = twoHexDigits(vindex);
    QString text = command_template;
    text.replace(QLatin1Char('H'), h.at(0));
    text.replace(QLatin1Char('K'), h.at(1));
    text.replace(QLatin1Char('V'), v.at(0));
    text.replace(QLatin1Char('N'), v.at(1));
    return text;
}

int speed_level(const QString &text)
{
    bool ok = false;
    const int level = text.toInt(&ok, 10);
    return ok && level != 0 ? level : 10;
}

QString direction_template(Direction direction, bool crop)
{
    return address(crop) + QStringLiteral(" 01 06 01 HK VN ") + QLatin1String(directionBytes(direction))
           + QStringLiteral(" FF");
}

QString drive(Direction direction, bool crop, int pan_speed, int tilt_speed)
{
    return fill_speed(direction_template(direction, crop), pan_speed, tilt_speed);
}

QString stop(bool crop)
{
    return address(crop) + QStringLiteral(" 01 06 01 03 03 03 03 FF");
}

QString home(bool crop)
{
    return address(crop) + QStringLiteral(" 01 06 04 FF");
}

QString zoom_in(bool crop)
{
    return crop ? QStringLiteral("8A 01 04 07 23 FF") : QStringLiteral("81 01 04 07 2P FF").replace(QLatin1Char('P'), QLatin1Char('6'));
}

QString zoom_out(bool crop)
{
    return crop ? QStringLiteral("8A 01 04 07 32 FF") : QStringLiteral("81 01 04 07 3P FF").replace(QLatin1Char('P'), QLatin1Char('6'));
}

QString zoom_stop(bool crop)
{
    return address(crop) + QStringLiteral(" 01 04 07 00 FF");
}

QString zoom_refresh(bool r6_or_j57, bool j22, bool optical_max)
{
    if (r6_or_j57)
        return zoom_position_inquiry();
    if (j22)
        return optical_max ? digital_zoom_inquiry() : zoom_position_inquiry();
    return QString();
}

PadRoute teacher_pad_route(bool ptz_to_pano, bool pano_prefix)
{
    return {ptz_to_pano, pano_prefix};
}

PadRoute student_pad_route(const QString &feature_model, int preset_index, bool pano_prefix)
{
    return {feature_model == QLatin1String("J57") && preset_index == 1, pano_prefix};
}

} // namespace ptz_commands
