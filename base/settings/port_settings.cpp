#include "settings/port_settings.h"

namespace ports {

const std::vector<PortRow> &port_rows()
{
    static const std::vector<PortRow> rows = {
        {"T_RTSP_Port", "rtsp_port_Edit", "20554", "554", Member::Text},
        {"T_Visca_Port", "visca_port_Edit", "21259", "1259", Member::Int},
        {"T_UDP_Port", "udp_port_Edit", "26791", "6791", Member::Int},
        {"T_TCP_Port", "tcp_port_Edit", "26793", "6793", Member::Int},
        {"T_Backup_Port", "backup_port_Edit", "25555", "5555", Member::None},
        {"S_RTSP_Port", "student_rtsp_port_Edit", "10554", "554", Member::Text},
        {"S_Visca_Port", "student_visca_port_Edit", "11259", "1259", Member::Int},
        {"S_UDP_Port", "student_udp_port_Edit", "16791", "6791", Member::Int},
        {"S_TCP_Port", "student_tcp_port_Edit", "16793", "6793", Member::Int},
        {"S_Backup_Port", "student_backup_port_Edit", "15555", "5555", Member::None},
        {"Mcast_Port", "upgrade_port_Edit", "8005", "8005", Member::None},
    };
    return rows;
}

const std::vector<RecorderRow> &recorder_rows()
{
    // The addresses of a typical installation: the recording host and the two camera machines
    // behind it, as the form shows them.
    static const std::vector<RecorderRow> rows = {
        {"Recorder_Username", "recorder_username_Edit", "username"},
        {"Recorder_Password", "recorder_password_Edit", "wobentri"},
        {"Recorder_Host_IP", "recorder_host_ip_Edit", "192.168.1.200"},
        {"Recorder_Teacher_IP", "recorder_teacher_ip_Edit", "192.168.1.201"},
        {"Recorder_Student_IP", "recorder_student_ip_Edit", "192.168.1.202"},
    };
    return rows;
}

const std::vector<const char *> &port_save_order()
{
    static const std::vector<const char *> order = {
        "T_RTSP_Port",       "T_Visca_Port",      "T_UDP_Port",          "T_TCP_Port",
        "T_Backup_Port",     "S_RTSP_Port",       "S_Visca_Port",        "S_UDP_Port",
        "S_TCP_Port",        "S_Backup_Port",     "Recorder_Username",   "Recorder_Password",
        "Recorder_Host_IP",  "Recorder_Teacher_IP", "Recorder_Student_IP", "Recorder_Port_Map_Enabled",
        "Mcast_Port",
    };
    return order;
}

PortDecision decide_port(const PortRow &row, const QString &stored, bool mapping)
{
    PortDecision d;
    bool number = false;
    const int port = stored.toInt(&number);
    d.replaced = !stored.isEmpty() && (!number || port < 1 || port > 65535);
    d.field_text = stored.isEmpty() || d.replaced ? QString::fromLatin1(row.mapped_default) : stored;
    if (mapping)
        d.member_text = d.field_text;
    else
        d.member_text = QString::fromLatin1(row.own_port);
    return d;
}

QString mapped_or_own(bool mapping, const QString &field_text, const QString &own_port)
{
    return mapping && !field_text.isEmpty() ? field_text : own_port;
}

QString recorder_field_text(const RecorderRow &row, const QString &stored)
{
    return stored.isEmpty() ? QString::fromLatin1(row.default_text) : stored;
}

} // namespace ports
