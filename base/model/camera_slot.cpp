#include "model/camera_slot.h"

#include <QStringList>

namespace camera_slot {

Side side(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature:
    case Slot::TeacherPano:
        return Side::Teacher;
    case Slot::StudentFeature:
    case Slot::StudentPano:
        return Side::Student;
    case Slot::BoardFeature:
    case Slot::BoardPano:
        break;
    }
    return Side::Board;
}

bool is_side_pano(Slot slot)
{
    return slot == Slot::TeacherPano || slot == Slot::StudentPano;
}

int role_number(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature: return 2;
    case Slot::TeacherPano: return 5;
    case Slot::StudentFeature: return 0;
    case Slot::StudentPano: return 4;
    case Slot::BoardFeature: return 1;
    case Slot::BoardPano: break;
    }
    return -1;
}

QString name(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature: return QStringLiteral("teacher_feature");
    case Slot::TeacherPano: return QStringLiteral("teacher_pano");
    case Slot::StudentFeature: return QStringLiteral("student_feature");
    case Slot::StudentPano: return QStringLiteral("student_pano");
    case Slot::BoardFeature: return QStringLiteral("board_feature");
    case Slot::BoardPano: break;
    }
    return QStringLiteral("board_pano");
}

QString log_label(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature: return QStringLiteral("Teacher Feature CameraIp: ");
    case Slot::TeacherPano: return QStringLiteral("Teacher Pano CameraIp: ");
    case Slot::StudentFeature: return QStringLiteral("Student Feature CameraIp: ");
    case Slot::StudentPano: return QStringLiteral("Student Pano CameraIp: ");
    case Slot::BoardFeature: return QStringLiteral("Board Feature CameraIp: ");
    case Slot::BoardPano: break;
    }
    return QStringLiteral("Board Pano CameraIp: ");
}

AddressField parse_address_field(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    AddressField field;
    field.address = parts.value(0);
    field.is_path = parts.size() > 1 && !parts.at(1).isEmpty();
    return field;
}

QString rtsp_url(Slot slot, const QString &field_text, const QString &rtsp_port)
{
    const AddressField field = parse_address_field(field_text);
    const bool board = side(slot) == Side::Board;
    if (field.is_path)
        return QStringLiteral("rtsp://") + field_text + (board ? QStringLiteral("/1") : QString());
    const QString suffix = is_side_pano(slot) ? QStringLiteral("/2") : QStringLiteral("/1");
    return QStringLiteral("rtsp://") + field.address + QLatin1Char(':') + rtsp_port + suffix;
}

QString preview_rtsp_url(const QString &address, const QString &port)
{
    return QStringLiteral("rtsp://") + address + QLatin1Char(':') + port + QStringLiteral("/1");
}

DisconnectWaits disconnect_waits(Slot slot)
{
    switch (slot) {
    case Slot::TeacherFeature: return {500, 100, false};
    case Slot::TeacherPano: return {0, 0, true};
    case Slot::StudentFeature:
    case Slot::StudentPano: return {600, 100, false};
    case Slot::BoardFeature:
    case Slot::BoardPano: break;
    }
    return {500, 0, false};
}

} // namespace camera_slot
