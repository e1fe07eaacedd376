#include "camera_slot_setup.h"

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include <QHostAddress>
#include <QLineEdit>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

namespace camslot {

namespace {
struct Members
{
    QLineEdit *field;
    bool *connected;
    QHostAddress **destination;
    bool *tcp;       // null for the board slots
    QTimer *keepalive;
    bool *partnerTcp; // the TCP flag of the other camera of the side
    QHostAddress **partnerDestination;
    QTimer *partnerKeepalive;
    QTcpSocket *link;
    int tcpPort;
};

Members members(MainWindow &w, Slot slot)
{
    Ui::MainWindow *ui = w.ui;
    switch (slot) {
    case Slot::TeacherFeature:
        return {ui->teacher_feature_IP_Edit, &w.udp_teacher_feature_flag, &w.teacher_feature_destination,
                &w.teacher_feature_tcp_flag, w.teacher_feature_keepalive_timer, &w.teacher_pano_tcp_flag,
                &w.teacher_pano_destination, w.teacher_pano_keepalive_timer, w.control_link->side_socket(1), w.teacher_tcp_port};
    case Slot::TeacherPano:
        return {ui->teacher_pano_IP_Edit, &w.udp_teacher_pano_flag, &w.teacher_pano_destination,
                &w.teacher_pano_tcp_flag, w.teacher_pano_keepalive_timer, &w.teacher_feature_tcp_flag,
                &w.teacher_feature_destination, w.teacher_feature_keepalive_timer, w.control_link->side_socket(1),
                w.teacher_tcp_port};
    case Slot::StudentFeature:
        return {ui->student_feature_IP_Edit, &w.udp_student_feature_flag, &w.student_feature_destination,
                &w.student_feature_tcp_flag, w.student_feature_keepalive_timer, &w.student_pano_tcp_flag,
                &w.student_pano_destination, w.student_pano_keepalive_timer, w.control_link->side_socket(2), w.student_tcp_port};
    case Slot::StudentPano:
        return {ui->student_pano_IP_Edit, &w.udp_student_pano_flag, &w.student_pano_destination,
                &w.student_pano_tcp_flag, w.student_pano_keepalive_timer, &w.student_feature_tcp_flag,
                &w.student_feature_destination, w.student_feature_keepalive_timer, w.control_link->side_socket(2),
                w.student_tcp_port};
    case Slot::BoardFeature:
        return {ui->board_feature_IP_Edit, &w.udp_board_feature_flag, &w.board_feature_destination, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, 0};
    case Slot::BoardPano:
        return {ui->board_pano_IP_Edit, &w.udp_board_pano_flag, &w.board_pano_destination, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, 0};
    }
    return {};
}
} // namespace

bool attach(MainWindow &window, Slot slot, const QString &address, bool tcp, int timeoutMs)
{
    const Members m = members(window, slot);
    m.field->setText(address);
    delete *m.destination;
    *m.destination = new QHostAddress(address);
    *m.connected = true;
    if (!tcp || !m.link)
        return !tcp;

    *m.tcp = false;
    if (*m.partnerTcp && !(*m.partnerDestination && (*m.partnerDestination)->isEqual(QHostAddress(address)))) {
        *m.partnerTcp = false;
        m.partnerKeepalive->stop();
    }
    m.link->abort();
    m.link->connectToHost(QHostAddress(address), quint16(m.tcpPort));
    if (!QTest::qWaitFor([&] { return m.link->state() == QAbstractSocket::ConnectedState; }, timeoutMs)) {
        m.link->abort();
        return false;
    }
    *m.tcp = true;
    m.keepalive->stop();
    m.keepalive->start();
    return true;
}

void detach(MainWindow &window, Slot slot)
{
    const Members m = members(window, slot);
    *m.connected = false;
    if (m.tcp) {
        *m.tcp = false;
        if (!*m.partnerTcp)
            m.link->abort();
        m.keepalive->stop();
    }
    delete *m.destination;
    *m.destination = nullptr;
}

void detachAll(MainWindow &window)
{
    for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano,
                      Slot::BoardFeature, Slot::BoardPano})
        detach(window, slot);
}

QHostAddress *destination(MainWindow &window, Slot slot) { return *members(window, slot).destination; }

} // namespace camslot
