#pragma once

#include "discovery/dev_info.h"
#include "discovery/network_config.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The discovery's datagrams: the search, network configuration and reboot messages the tool
// sends to the group, and the reading of what cameras (and other tools) send back.
namespace discovery {

constexpr quint16 kDefaultSearchPort = 8005;
constexpr const char *kGroupAddress = "239.255.255.251";
// Longer datagrams are cut to this many bytes before they are read: a camera's answer is a few
// hundred bytes, and a read of the search port never takes more than this.
constexpr int kMaxDatagramBytes = 4096;
// Longest value kept of an answer's variable fields (addresses, version, model): the longest
// real one is about 30 characters.
constexpr int kMaxFieldChars = 64;

// The kind of a datagram: the index of the first of the five prefixes its first 9 characters
// equal; anything else (shorter ones too) is a search.
enum class ReplyKind : qint8 {
    Search = 0,    // "SEARCH * "
    Reply = 1,     // "REPLY OK ": a camera answers a search
    ConfigNet = 2, // "CONFIGNET"
    Succeed = 3,   // "SUCCEED *": a camera took a network configuration
    Failed = 4,    // "FAILED * "
};

// The datagram as text: UTF-8 up to its first zero byte.
QString datagram_text(const QByteArray &datagram);
ReplyKind reply_kind(const QString &text);

// The fields of an answer (all of them for Reply, the two IDs for Succeed, none otherwise).
// A missing key leaves its field empty, a value ends at its line's end and is cut to its
// length; each of these is logged.
Dev_info parse_reply(const QString &text, ReplyKind kind);

// "hh:mm:ss", or with a day or more the days, the translated "Day", a blank and "hh:mm:ss".
QString uptime_text(qint32 days, qint32 hours, qint32 minutes, qint32 seconds);

// A new Client ID: 32 lower-case hexadecimal digits of a random UUID.
QString make_search_client_id();

// The messages, in the local 8-bit encoding, without terminator.
QByteArray search_message(const QString &client_id);
QByteArray config_message(const netconfig::NetworkConfig &config, const QString &device_id,
                          const QString &client_id);
QByteArray reboot_message(const QString &device_id, const QString &client_id);

} // namespace discovery
