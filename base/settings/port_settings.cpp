#include "settings/port_settings.h"

namespace ports {

using F = portforward::Fields;

const std::vector<PortRow> &port_rows()
{
    static const std::vector<PortRow> rows = {
        {"T_RTSP_Port", &F::teacher_rtsp, "20554", "554", Member::Text},
        {"T_Visca_Port", &F::teacher_visca, "21259", "1259", Member::Int},
        {"T_UDP_Port", &F::teacher_udp, "26791", "6791", Member::Int},
        {"T_TCP_Port", &F::teacher_tcp, "26793", "6793", Member::Int},
        {"T_Backup_Port", &F::teacher_backup, "25555", "5555", Member::None},
        {"S_RTSP_Port", &F::student_rtsp, "10554", "554", Member::Text},
        {"S_Visca_Port", &F::student_visca, "11259", "1259", Member::Int},
        {"S_UDP_Port", &F::student_udp, "16791", "6791", Member::Int},
        {"S_TCP_Port", &F::student_tcp, "16793", "6793", Member::Int},
        {"S_Backup_Port", &F::student_backup, "15555", "5555", Member::None},
        {"Mcast_Port", &F::search_port, "8005", "8005", Member::None},
    };
    return rows;
}

const std::vector<RecorderRow> &recorder_rows()
{
    // The addresses of a typical installation: the recording host and the two camera machines
    // behind it, as the form shows them.
    static const std::vector<RecorderRow> rows = {
        {"Recorder_Username", &F::username, "username"},
        {"Recorder_Password", &F::password, "wobentri"},
        {"Recorder_Host_IP", &F::host_ip, "192.168.1.200"},
        {"Recorder_Teacher_IP", &F::teacher_ip, "192.168.1.201"},
        {"Recorder_Student_IP", &F::student_ip, "192.168.1.202"},
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
