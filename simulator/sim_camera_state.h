#pragma once

#include "sim_parameter_store.h"

#include <QMap>
#include <QSet>
#include <QString>

// Where a camera's head (or, for address 0x8A, its panorama crop picture) stands and moves.
struct SimPtzState {
    int pan = 0;         // position units, signed; the replies carry its low 16 bits
    int tilt = 0;
    int zoom = 0;        // 0 to 16384
    int digitalZoom = 0; // 0 to 1500 on cameras with a digital zoom
    bool focusManual = false;
    int panDirection = 3;  // of the last drive: 1 left, 2 right, 3 none
    int tiltDirection = 3; // 1 up, 2 down, 3 none
    int panSpeed = 0;
    int tiltSpeed = 0;
    int zoomDrive = 0;     // 0 stopped, 2 in (tele), 3 out (wide)
    int zoomSpeed = 0;
    QMap<int, QPair<QPair<int, int>, int>> presets; // number -> ((pan, tilt), zoom)
};

// Everything a simulated camera knows; the text and VISCA services read and change it.
struct SimCameraState {
    QString model;
    QMap<QString, SimParameterStore> sections; // by section line, all four present
    QSet<QString> boardRelayKeys;              // board keys reported through the teacher routing
    QMap<QString, QString> trackingStatus;     // by section line: "start", "stop" or "error"
    QMap<QString, QString> cropStatus;         // by section line: "start" or "stop"
    QString autocalibrateResult = QStringLiteral("success");
    QString manualDirectFlag;                  // last "manual_direct_flag=" value, empty before
    bool directorOpen = false;                 // "directoropen" came after the last "directorclose"
    QStringList storedPresets;                 // verbs of the set... commands received, in order
    int role = -1;                             // last role number of a role command
    int lastMenuKey = -1;                      // last byte of the last menu key command
    SimPtzState ptz;                           // address 0x81
    SimPtzState crop;                          // address 0x8A

    // A camera of this model as it comes out of the box.
    static SimCameraState initial(const QString &model);
    SimPtzState &ptzFor(quint8 address) { return address == 0x8A ? crop : ptz; }
};
