#include "settings/port_forward.h"

#include "settings/input_rules.h"

#include <QRegularExpression>

namespace portforward {
namespace {

constexpr int kMaxPort = 65535;

} // namespace

bool is_port(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[1-9][0-9]{0,4}\\z"));
    return pattern.match(text).hasMatch() && text.toInt() <= kMaxPort;
}

CameraPorts own_ports()
{
    CameraPorts own;
    own.rtsp = QStringLiteral("554");
    own.visca = 1259;
    own.udp = 6791;
    own.tcp = 6793;
    own.backup = 5555;
    return own;
}

Check check(const Fields &f)
{
    if (!f.mapping) {
        if (!is_port(f.search_port))
            return {Fault::Port, f.search_port};
        return {};
    }
    if (f.username.isEmpty() && f.password.isEmpty())
        return {Fault::Login, QString()};
    for (const QString *address : {&f.host_ip, &f.teacher_ip, &f.student_ip}) {
        if (!input::is_valid_ipv4(*address))
            return {Fault::Address, *address};
    }
    for (const QString *port : {&f.teacher_rtsp, &f.teacher_visca, &f.teacher_udp, &f.teacher_tcp,
                                &f.teacher_backup, &f.student_rtsp, &f.student_visca, &f.student_udp,
                                &f.student_tcp, &f.student_backup}) {
        if (!port->isEmpty() && !is_port(*port))
            return {Fault::Port, *port};
    }
    if (!is_port(f.search_port))
        return {Fault::Port, f.search_port};
    return {};
}

} // namespace portforward
