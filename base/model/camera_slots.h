#pragma once

#include "model/camera_slot.h"

#include <QObject>
#include <QString>

class QHostAddress;
class QTimer;

// What the program knows of one camera slot while it runs.
struct CameraSlotRecord {
    // The control address while the slot is connected, null otherwise. Senders pass this very
    // object: the link choice tells a slot's own commands from others by its identity.
    QHostAddress *destination = nullptr;
    bool udp_flag = false;  // connected: commands may go to the camera
    bool connected = false; // its picture runs (cleared once the picture has stopped)
    bool tcp_flag = false;  // the side's TCP link was opened to this camera
    QString device_model;   // of the camera's last model reply
    // The slot's address field as typed (an address, maybe a "/" and a path behind it).
    QString field_text;
    // Teacher and student cameras: re-arms the idle TCP link (none for the board cameras).
    QTimer *keepalive_timer = nullptr;
    // Teacher and student pano: waits for the answer to the tracking status request.
    QTimer *response_timer = nullptr;
};

// The six camera slots as one model: one record each, addressed by camera_slot::Slot.
class CameraSlots : public QObject
{
public:
    explicit CameraSlots(QObject *parent = nullptr);
    ~CameraSlots() override;

    CameraSlotRecord &operator[](camera_slot::Slot slot) { return m_records[int(slot)]; }
    const CameraSlotRecord &operator[](camera_slot::Slot slot) const { return m_records[int(slot)]; }

    // Sets the slot's destination to the address (the previous one deleted).
    QHostAddress *set_destination(camera_slot::Slot slot, const QString &address);
    void clear_destination(camera_slot::Slot slot);
    bool any_connected_except(camera_slot::Slot slot) const;

private:
    CameraSlotRecord m_records[camera_slot::kSlotCount];
};
