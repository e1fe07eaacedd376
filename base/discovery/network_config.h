#pragma once

#include "discovery/dev_info.h"

#include <QString>
#include <QStringList>

// The network settings the Config page sends to one camera, and the checks the Set button runs
// before the message goes out.
namespace netconfig {

struct NetworkConfig {
    int dhcp = 0; // entry of the mode list: 0 "Manual", 1 "DHCP"
    QString ip;
    QString netmask;
    QString gateway;
    QString fdns;
    QStringList mac; // the six two-digit parts, as typed
};

enum class Check {
    Ok,
    Incomplete, // "The network information is incomplete"
    Invalid,    // "Network information fill in error"
};

// The Set button's checks: a required field empty (address, mask, gateway, any MAC part; the
// DNS server is not required here), else check_network_fields.
Check check(const NetworkConfig &config);

// In "Manual" mode address, mask, gateway and DNS server must be valid and the gateway in the
// address's subnet; in both modes the upper-cased MAC parts must make a MAC address.
bool check_network_fields(const NetworkConfig &config);

// The source text of the warning a failed check shows; empty for Ok.
const char *check_message(Check check);

// The parts joined by ":" as typed.
QString mac_text(const QStringList &parts);

// The form filled from a listed camera: "Manual", its address, mask and gateway, its DNS server
// or else the gateway, and the six MAC parts at characters 0-1, 3-4, ... 15-16 (missing ones
// stay empty when the camera's MAC text is short).
NetworkConfig from_device(const Dev_info &device);

} // namespace netconfig
