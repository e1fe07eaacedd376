#include "model/camera_slots.h"

#include "core/time_scale.h"

#include <QHostAddress>
#include <QTimer>

using camera_slot::Slot;

namespace {
constexpr int kKeepAliveMs = 900000; // cameras drop a control link idle for longer
constexpr int kResponseTipMs = 10000; // a pano answers its status request well within this

QTimer *single_shot(QObject *parent, int ms)
{
    auto *timer = new QTimer(parent);
    timer->setInterval(timescale::scaled(ms));
    timer->setSingleShot(true);
    return timer;
}
} // namespace

CameraSlots::CameraSlots(QObject *parent)
    : QObject(parent)
{
    for (Slot slot : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano})
        (*this)[slot].keepalive_timer = single_shot(this, kKeepAliveMs);
    for (Slot slot : {Slot::TeacherPano, Slot::StudentPano})
        (*this)[slot].response_timer = single_shot(this, kResponseTipMs);
}

CameraSlots::~CameraSlots()
{
    for (CameraSlotRecord &record : m_records)
        delete record.destination;
}

QHostAddress *CameraSlots::set_destination(Slot slot, const QString &address)
{
    CameraSlotRecord &record = (*this)[slot];
    delete record.destination;
    record.destination = new QHostAddress(address);
    return record.destination;
}

void CameraSlots::clear_destination(Slot slot)
{
    CameraSlotRecord &record = (*this)[slot];
    delete record.destination;
    record.destination = nullptr;
}

bool CameraSlots::any_connected_except(Slot slot) const
{
    for (int i = 0; i < camera_slot::kSlotCount; ++i) {
        if (i != int(slot) && m_records[i].udp_flag)
            return true;
    }
    return false;
}
