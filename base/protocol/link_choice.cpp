#include "protocol/link_choice.h"

#include <algorithm>
#include <initializer_list>

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

Choice choose_wizard(const QString &address, const Slots &cameras, const WizardStep &step)
{
    const auto on_page = [&](std::initializer_list<int> pages) {
        return std::find(pages.begin(), pages.end(), step.page) != pages.end();
    };
    const bool twoCameras = step.layout == 0;
    // An empty address names no camera, also when a field is empty.
    const auto is = [&](const Slot &slot) { return !address.isEmpty() && slot.field_address == address; };

    Choice choice{Link::Udp, QStringLiteral("unmatched")};
    const Slot &tf = cameras.teacher_feature;
    const Slot &tp = cameras.teacher_pano;
    if (tf.connected && ((on_page({1, 4, 6}) && is(tf))
                         || (on_page({4, 6}) && (is(cameras.board_feature) || is(cameras.board_pano)))))
        choice = side_link(tf, Link::TeacherTcp, "teacher feature");
    else if (tp.connected && on_page({1, 2, 3, 4, 6, 12}) && (is(tp) || (twoCameras && is(tf))))
        choice = side_link(tp, Link::TeacherTcp, "teacher pano");

    const Slot &sf = cameras.student_feature;
    const Slot &sp = cameras.student_pano;
    if (sf.connected && is(sf))
        choice = side_link(sf, Link::StudentTcp, "student feature");
    else if (sp.connected && (is(sp) || (twoCameras && is(sf))))
        choice = side_link(sp, Link::StudentTcp, "student pano");
    return choice;
}

} // namespace link_choice
