#include "protocol/wizard_commands.h"

#include "protocol/preset_commands.h"
#include "protocol/ptz_commands.h"
#include "protocol/teacher_region_keys.h"
#include "protocol/tracking_command.h"

#include <QDebug>

namespace wizard_commands {

using camera_slot::Side;

namespace {
QString section(Side side)
{
    return side == Side::Student ? QStringLiteral("student_parameter") : QStringLiteral("teacher_parameter");
}

QString verb(const char *word, bool set)
{
    return (set ? QStringLiteral("set") : QStringLiteral("call")) + QLatin1String(word);
}

bool direction_of(PadKey key, ptz_commands::Direction *direction)
{
    using D = ptz_commands::Direction;
    switch (key) {
    case PadKey::LeftUp: *direction = D::LeftUp; return true;
    case PadKey::Up: *direction = D::Up; return true;
    case PadKey::RightUp: *direction = D::RightUp; return true;
    case PadKey::Left: *direction = D::Left; return true;
    case PadKey::Right: *direction = D::Right; return true;
    case PadKey::LeftDown: *direction = D::LeftDown; return true;
    case PadKey::Down: *direction = D::Down; return true;
    case PadKey::RightDown: *direction = D::RightDown; return true;
    case PadKey::Home:
    case PadKey::ZoomIn:
    case PadKey::ZoomOut: break;
    }
    return false;
}
} // namespace

QString preset_word(Preset preset, bool set)
{
    switch (preset) {
    case Preset::Pano: return verb("pano", set);
    case Preset::Platform: return verb("platform", set);
    case Preset::Preset2: return verb("preset2", set);
    case Preset::Preset3: return verb("preset3", set);
    case Preset::Board: return verb("board", set);
    case Preset::SecondPano: break;
    }
    return verb("secondpano", set);
}

QString preset_block(Side side, Preset preset, bool set)
{
    return tracking_command::command_text(section(side), preset_word(preset, set));
}

QString board_word(BoardButton button, int camera_choice, bool set)
{
    const bool first = camera_choice == 1;
    switch (button) {
    case BoardButton::Left: return verb("pano", set);
    case BoardButton::Right: return verb(first ? "platform" : "board1platform", set);
    case BoardButton::Pano: break;
    }
    return verb(first ? "preset2" : "board1preset2", set);
}

QString board_block(BoardButton button, int camera_choice, bool set)
{
    return preset_commands::board_preset_command(board_word(button, camera_choice, set));
}

int speed_level(int slider_value) { return slider_value == 0 ? 10 : slider_value; }

QString pad_press(PadKey key, int pan_level, int tilt_level)
{
    ptz_commands::Direction direction;
    if (direction_of(key, &direction)) {
        qDebug() << "GuideConfig::ptzspeed level hindex=" << pan_level << ",vindex = " << tilt_level;
        return ptz_commands::drive(direction, false, pan_level, tilt_level);
    }
    if (key == PadKey::Home)
        return ptz_commands::home(false);
    return key == PadKey::ZoomIn ? ptz_commands::zoom_in(false) : ptz_commands::zoom_out(false);
}

QString pad_release(PadKey key)
{
    ptz_commands::Direction direction;
    if (direction_of(key, &direction))
        return ptz_commands::stop(false);
    return key == PadKey::Home ? QString() : ptz_commands::zoom_stop(false);
}

QString calibration(Side side, bool set)
{
    return tracking_command::command_text(section(side), set ? QStringLiteral("setcalibrate")
                                                             : QStringLiteral("cancelcalibrate"));
}

QString tracking(Side side, bool start)
{
    return tracking_command::command_text(section(side), QLatin1String(start ? tracking_command::kStart
                                                                             : tracking_command::kStop));
}

camera_slot::Slot tracking_camera(Side side)
{
    return side == Side::Student ? camera_slot::Slot::StudentPano : camera_slot::Slot::TeacherPano;
}

QString forget(Forget what)
{
    switch (what) {
    case Forget::BoardPano: return preset_commands::cancel_board_pano();
    case Forget::Platform: return preset_commands::cancel_platform();
    case Forget::TrackingArea: break;
    }
    return tracking_command::command_text(section(Side::Teacher), QLatin1String(tracking_command::kCancelTrackingArea));
}

QString crop(bool editing) { return teacher_region_keys::region_display_visca(editing); }

QString crop_status_request(Side side) { return tracking_command::crop_status_request(section(side)); }

QString tracking_status_request(Side side) { return tracking_command::tracking_status_request(section(side)); }

} // namespace wizard_commands
