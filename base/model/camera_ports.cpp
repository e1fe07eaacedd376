#include "model/camera_ports.h"

using camera_slot::Side;

int CameraPorts::visca_port(Side side) const
{
    return side == Side::Student ? m_values.student_visca_port : m_values.teacher_visca_port;
}

int CameraPorts::udp_port(Side side) const
{
    return side == Side::Student ? m_values.student_udp_port : m_values.teacher_udp_port;
}

int CameraPorts::tcp_port(Side side) const
{
    return side == Side::Student ? m_values.student_tcp_port : m_values.teacher_tcp_port;
}

QString CameraPorts::rtsp_port(Side side) const
{
    return side == Side::Student ? m_values.student_rtsp_port : m_values.teacher_rtsp_port;
}
