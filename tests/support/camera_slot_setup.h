#pragma once

#include <QString>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QHostAddress;
class QWidget;
class WindowFeatures;

// Camera slots set up for a test as a connect leaves them, without the connect itself (no ping,
// no picture, no inquiries): the address field, the control address, the connected flag and,
// where the slot has one, the side's TCP link.
namespace camslot {

enum class Slot { TeacherFeature, TeacherPano, StudentFeature, StudentPano, BoardFeature, BoardPano };

// The slots, their link and ports, and the form whose address fields they read.
struct Cameras {
    QWidget *form;
    CameraSlots &records;
    ControlLink &link;
    const CameraPorts &ports;
};
Cameras of(WindowFeatures &features, QWidget *form);

// The address field holds address, the slot's destination is made and the slot is connected.
// With tcp (teacher and student slots only) the side's TCP link is opened to address at the
// side's TCP port as a connect opens it: the other camera of the side loses the link (its TCP
// flag is cleared) unless it names the same address, this slot's TCP flag is set and its
// keep-alive timer started. False when the link did not connect within timeoutMs; the slot is
// then connected over UDP.
bool attach(const Cameras &cameras, Slot slot, const QString &address, bool tcp = false, int timeoutMs = 2000);

// As a disconnect leaves the slot: not connected, no destination, no TCP flag, its keep-alive
// stopped; the side's link is shut when the other camera of the side does not hold it.
void detach(const Cameras &cameras, Slot slot);

QHostAddress *destination(const Cameras &cameras, Slot slot);

} // namespace camslot
