#pragma once

#include <QHostAddress>
#include <QtGlobal>

// The discovery's multicast receive socket on POSIX sockets: an IPv4 datagram socket with
// address reuse, bound to any address on the search port, joined to the group on one interface,
// multicast time-to-live 10 and loop-back off. A Qt socket adopts it afterwards. Failures are
// logged with the texts the installer's support knows ("bind error", "Set IP_MULTICAST_TTL
// failed", ...).
namespace mcast {

// Hops a search may cross: enough for the routed school networks the cameras sit in.
constexpr int kMulticastTtl = 10;

// The bound socket, or -1 (logged; nothing left open).
int init_search_socket(quint16 port);

// Membership of group on the interface with address `interface_address`, then TTL, loop-back
// and the outgoing interface. On the first failure the socket is closed and the steps after it
// are not run.
bool join_search_multicast(int fd, const QHostAddress &group, const QHostAddress &interface_address);

void close_search_socket(int fd);

} // namespace mcast
