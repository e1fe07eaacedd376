#pragma once

#include "model/camera_slot.h"

#include <QString>

// The ports the program reaches the cameras on, and the recorder port mapping they come from.
// The Options tab (its Apply) and the settings file write them; every feature that talks to a
// camera reads them.
class CameraPorts
{
public:
    struct Values {
        // As the settings file stores them (or the Apply last took them from the fields).
        QString T_RTSP_Port = QStringLiteral("554");
        QString T_Visca_Port = QStringLiteral("1259");
        QString T_UDP_Port = QStringLiteral("6791");
        QString T_TCP_Port = QStringLiteral("6793");
        QString T_Backup_Port = QStringLiteral("5555");
        QString S_RTSP_Port = QStringLiteral("554");
        QString S_Visca_Port = QStringLiteral("1259");
        QString S_UDP_Port = QStringLiteral("6791");
        QString S_TCP_Port = QStringLiteral("6793");
        QString S_Backup_Port = QStringLiteral("5555");
        QString Mcast_Port = QStringLiteral("8005");
        // In use.
        QString teacher_rtsp_port = QStringLiteral("554");
        QString student_rtsp_port = QStringLiteral("554");
        int teacher_visca_port = 1259;
        int student_visca_port = 1259;
        int teacher_udp_port = 6791;
        int student_udp_port = 6791;
        int teacher_tcp_port = 6793;
        int student_tcp_port = 6793;
        int backup_port = 5555;
        int teacher_backup_port = 5555;
        int student_backup_port = 5555;
        int mcast_port = 8005;
        // The recording host's port mapping, as last applied.
        bool recorder_port_map_enabled = false;
        QString recorder_username;
        QString recorder_password;
        QString recorder_host_ip;
        QString recorder_teacher_ip;
        QString recorder_student_ip;
    };

    const Values &values() const { return m_values; }
    // For the writers: the Options tab's Apply and the settings file.
    Values &edit() { return m_values; }

    // The board cameras go by the teacher side's ports.
    int visca_port(camera_slot::Side side) const;
    int udp_port(camera_slot::Side side) const;
    int tcp_port(camera_slot::Side side) const;
    QString rtsp_port(camera_slot::Side side) const;
    bool port_map_enabled() const { return m_values.recorder_port_map_enabled; }

private:
    Values m_values;
};
