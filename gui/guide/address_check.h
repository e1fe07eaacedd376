#pragma once

#include <QString>

// The camera settings step's checks of an address, which the step flow (Next from the camera
// settings in the two-camera layout) and the step entry (the track mode step) ask.
class AddressCheck
{
public:
    virtual ~AddressCheck() = default;
    // The address part of the text is there, a dotted address and reachable; otherwise the
    // installer is told which (a box) and the result is false.
    virtual bool checkAddress(const QString &text) = 0;
    // Whether the address answers (the bounded reachability check: the window keeps handling its
    // events meanwhile).
    virtual bool verifyHostOnLine(const QString &address) = 0;
};
