#pragma once

#include <QMetaType>
#include <QString>

// One discovered camera as its answer to a search describes it. A plain value: it crosses from
// the parse thread to the GUI thread inside a QVariant, registered under the name "Dev_info".
struct Dev_info {
    bool dhcp = false;       // the answer holds "DHCP=1"
    qint32 uptime_seconds = 0;
    QString uptime;          // for display: "01:02:05", "1Day 01:01:01"
    QString version;
    QString device_model;
    qint32 uptime_days = 0;
    qint32 uptime_hours = 0;
    qint32 uptime_minutes = 0;
    qint32 uptime_secs = 0;
    QString ip;
    QString client_id;       // the Client ID of the search it answers
    QString device_id;
    QString netmask;
    QString gateway;
    QString mac;             // "D4:E0:8E:01:02:03"
    QString fdns;            // first DNS server
};
Q_DECLARE_METATYPE(Dev_info)
