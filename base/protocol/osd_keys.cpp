#include "protocol/osd_keys.h"

#include "protocol/ptz_commands.h"

namespace osd_keys {

QString command_for_key(int key)
{
    switch (key) {
    case Ok: return QStringLiteral("81 01 06 06 05 FF");
    case Up: return QStringLiteral("81 01 06 01 10 10 03 01 FF");
    case Down: return QStringLiteral("81 01 06 01 10 10 03 02 FF");
    case Left: return QStringLiteral("81 01 06 01 10 10 01 03 FF");
    case Right: return QStringLiteral("81 01 06 01 10 10 02 03 FF");
    case Back: return QStringLiteral("81 01 06 06 04 FF");
    case Menu: return QStringLiteral("81 01 06 06 10 FF");
    case MenuClosed: return QStringLiteral("81 01 06 06 06 FF");
    case Released: return QStringLiteral("81 01 06 01 03 03 03 03 FF");
    default: break;
    }
    return QString();
}

Target target(const Route &route)
{
    switch (route.page) {
    case Page::Teacher:
        if (route.teacher_menu_object == 0)
            return route.teacher_feature ? Target::TeacherFeature : Target::None;
        if (route.teacher_menu_object == 1)
            return route.teacher_pano ? Target::TeacherPano : Target::None;
        break;
    case Page::Student:
        if (route.student_menu_object == 0)
            return route.student_feature ? Target::StudentFeature : Target::None;
        if (route.student_menu_object == 1)
            return route.student_pano ? Target::StudentPano : Target::None;
        break;
    case Page::Board:
        return route.board_feature ? Target::BoardFeature : Target::None;
    case Page::UpgradePreview:
        return route.preview ? Target::Preview : Target::None;
    case Page::Other:
        break;
    }
    return Target::None;
}

int menu_key(PreviewButton button)
{
    switch (button) {
    case PreviewButton::Menu: return Menu;
    case PreviewButton::Back: return Back;
    case PreviewButton::Ok: return Ok;
    case PreviewButton::Up: return Up;
    case PreviewButton::Down: return Down;
    case PreviewButton::Left: return Left;
    case PreviewButton::Right: break;
    }
    return Right;
}

QString ptz_pressed(PreviewButton button, int pan_speed, int tilt_speed)
{
    using ptz_commands::Direction;
    switch (button) {
    case PreviewButton::Menu: return ptz_commands::zoom_out(false);
    case PreviewButton::Back: return ptz_commands::zoom_in(false);
    case PreviewButton::Ok: return ptz_commands::home(false);
    case PreviewButton::Up: return ptz_commands::drive(Direction::Up, false, pan_speed, tilt_speed);
    case PreviewButton::Down: return ptz_commands::drive(Direction::Down, false, pan_speed, tilt_speed);
    case PreviewButton::Left: return ptz_commands::drive(Direction::Left, false, pan_speed, tilt_speed);
    case PreviewButton::Right: break;
    }
    return ptz_commands::drive(Direction::Right, false, pan_speed, tilt_speed);
}

QString ptz_released(PreviewButton button)
{
    switch (button) {
    case PreviewButton::Menu:
    case PreviewButton::Back: return ptz_commands::zoom_stop(false);
    case PreviewButton::Ok: return QString();
    default: break;
    }
    return ptz_commands::stop(false);
}

} // namespace osd_keys
