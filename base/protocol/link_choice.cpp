#include "protocol/link_choice.h"

namespace link_choice {

namespace {
bool matches(const QString &address, const Slot &slot)
{
    return slot.connected && slot.is_destination && slot.field_address == address;
}

Choice side_link(const Slot &slot, Link tcp, const char *name)
{
    return Choice{slot.tcp ? tcp : Link::Udp, QString::fromLatin1(name)};
}

bool board_camera(const QString &address, const Slot &slot)
{
    return slot.connected && slot.field_address == address;
}
} // namespace

Choice choose(const QString &address, const Slots &cameras)
{
    Choice choice{Link::Udp, QStringLiteral("unmatched")};
    // A destination object belongs to one slot only, so at most one of these matches.
    if (matches(address, cameras.teacher_feature))
        choice = side_link(cameras.teacher_feature, Link::TeacherTcp, "teacher feature");
    else if (matches(address, cameras.teacher_pano))
        choice = side_link(cameras.teacher_pano, Link::TeacherTcp, "teacher pano");
    else if (matches(address, cameras.student_feature))
        choice = side_link(cameras.student_feature, Link::StudentTcp, "student feature");
    else if (matches(address, cameras.student_pano))
        choice = side_link(cameras.student_pano, Link::StudentTcp, "student pano");

    // A board camera may share its address with a teacher or student slot; on the Board tab
    // its commands still go by UDP.
    if (cameras.board_tab_current
        && (board_camera(address, cameras.board_feature) || board_camera(address, cameras.board_pano)))
        choice = Choice{Link::Udp, QStringLiteral("board tab")};
    return choice;
}

Choice choose_manual_direct(const QString &address, const ManualDirect &console)
{
    if (address.isEmpty())
        return Choice{Link::Udp, QStringLiteral("unmatched")};
    if (address == console.teacher_ip)
        return Choice{console.teacher_tcp ? Link::TeacherTcp : Link::Udp, QStringLiteral("manual director teacher")};
    if (address == console.student_ip)
        return Choice{console.student_tcp ? Link::StudentTcp : Link::Udp, QStringLiteral("manual director student")};
    return Choice{Link::Udp, QStringLiteral("unmatched")};
}

} // namespace link_choice
