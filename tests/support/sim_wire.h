#pragma once

#include <QStringList>

class SimCamera;

// What simulated cameras received, as the tests compare it.
namespace simwire {

// The VISCA and text messages the camera received since its records were last cleared, up to a
// marker sent to its VISCA and text ports: a loopback datagram is queued at its receiver as it is
// sent and each port is read in order, so nothing sent before the markers arrives after them.
// Clears the records; "(markers lost)" ends the list when the markers did not come in time.
// A VISCA payload comes in upper-case hex ("81 01 06 04 FF"), a text block as it is.
QStringList receivedUpToMarkers(SimCamera &camera, int timeoutMs = 3000);

// The text blocks, or the VISCA payloads in upper-case hex, the camera received from its record
// number from on (receivedCount() before the action), in the order they came.
enum class Kind { Text, Visca };
QStringList receivedSince(const SimCamera &camera, int from, Kind kind);

} // namespace simwire
