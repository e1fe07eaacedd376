#include "camera_slot_setup.h"

#include "mainwindow/window_features.h"

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
CameraSlotRecord &partnerOf(const Cameras &c, Slot slot) { return c.records[camera_slot::Slot(int(slot) ^ 1)]; }
QTcpSocket *linkOf(const Cameras &c, Slot slot) { return c.link.side_socket(int(slot) / 2 + 1); }
} // namespace

Cameras of(WindowFeatures &features, QWidget *form)
{
    return {form, features.slot_records(), features.link(), features.ports()};
}

bool attach(const Cameras &c, Slot slot, const QString &address, bool tcp, int timeoutMs)
{
    c.form->findChild<QLineEdit *>(camera_slot::name(slotOf(slot)) + QStringLiteral("_IP_Edit"))->setText(address);
    c.records.set_destination(slotOf(slot), address);
    CameraSlotRecord &record = c.records[slotOf(slot)];
    record.udp_flag = true;
    if (!tcp || !hasLink(slot))
        return !tcp;

    record.tcp_flag = false;
    CameraSlotRecord &partner = partnerOf(c, slot);
    if (partner.tcp_flag && !(partner.destination && partner.destination->isEqual(QHostAddress(address)))) {
        partner.tcp_flag = false;
        partner.keepalive_timer->stop();
    }
    QTcpSocket *link = linkOf(c, slot);
    link->abort();
    link->connectToHost(QHostAddress(address), quint16(c.ports.tcp_port(camera_slot::side(slotOf(slot)))));
    if (!QTest::qWaitFor([&] { return link->state() == QAbstractSocket::ConnectedState; }, timeoutMs)) {
        link->abort();
        return false;
    }
    record.tcp_flag = true;
    record.keepalive_timer->stop();
    record.keepalive_timer->start();
    return true;
}

void detach(const Cameras &c, Slot slot)
{
    CameraSlotRecord &record = c.records[slotOf(slot)];
    record.udp_flag = false;
    if (hasLink(slot)) {
        record.tcp_flag = false;
        if (!partnerOf(c, slot).tcp_flag)
            linkOf(c, slot)->abort();
        record.keepalive_timer->stop();
    }
    c.records.clear_destination(slotOf(slot));
}

QHostAddress *destination(const Cameras &c, Slot slot) { return c.records[slotOf(slot)].destination; }

} // namespace camslot
