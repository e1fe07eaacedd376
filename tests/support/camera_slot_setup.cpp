#include "camera_slot_setup.h"

#include "mainwindow/mainwindow.h"

#include <QHostAddress>
#include <QLineEdit>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

namespace camslot {

namespace {
camera_slot::Slot slotOf(Slot slot) { return camera_slot::Slot(int(slot)); }
// The teacher and student slots share their side's TCP link with the side's other camera.
bool hasLink(Slot slot) { return slot < Slot::BoardFeature; }
CameraSlotRecord &partnerOf(MainWindow &w, Slot slot) { return w.camera_slots[camera_slot::Slot(int(slot) ^ 1)]; }
QTcpSocket *linkOf(MainWindow &w, Slot slot) { return w.control_link->side_socket(int(slot) / 2 + 1); }
} // namespace

bool attach(MainWindow &window, Slot slot, const QString &address, bool tcp, int timeoutMs)
{
    window.findChild<QLineEdit *>(camera_slot::name(slotOf(slot)) + QStringLiteral("_IP_Edit"))->setText(address);
    window.camera_slots.set_destination(slotOf(slot), address);
    CameraSlotRecord &record = window.camera_slots[slotOf(slot)];
    record.udp_flag = true;
    if (!tcp || !hasLink(slot))
        return !tcp;

    record.tcp_flag = false;
    CameraSlotRecord &partner = partnerOf(window, slot);
    if (partner.tcp_flag && !(partner.destination && partner.destination->isEqual(QHostAddress(address)))) {
        partner.tcp_flag = false;
        partner.keepalive_timer->stop();
    }
    QTcpSocket *link = linkOf(window, slot);
    link->abort();
    link->connectToHost(QHostAddress(address),
                        quint16(slot < Slot::StudentFeature ? window.teacher_tcp_port : window.student_tcp_port));
    if (!QTest::qWaitFor([&] { return link->state() == QAbstractSocket::ConnectedState; }, timeoutMs)) {
        link->abort();
        return false;
    }
    record.tcp_flag = true;
    record.keepalive_timer->stop();
    record.keepalive_timer->start();
    return true;
}

void detach(MainWindow &window, Slot slot)
{
    CameraSlotRecord &record = window.camera_slots[slotOf(slot)];
    record.udp_flag = false;
    if (hasLink(slot)) {
        record.tcp_flag = false;
        if (!partnerOf(window, slot).tcp_flag)
            linkOf(window, slot)->abort();
        record.keepalive_timer->stop();
    }
    window.camera_slots.clear_destination(slotOf(slot));
}

void detachAll(MainWindow &window)
{
    for (int slot = 0; slot < camera_slot::kSlotCount; ++slot)
        detach(window, Slot(slot));
}

QHostAddress *destination(MainWindow &window, Slot slot) { return window.camera_slots[slotOf(slot)].destination; }

} // namespace camslot
