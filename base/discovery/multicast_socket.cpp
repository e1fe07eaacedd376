#include "discovery/multicast_socket.h"

#include <QDebug>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mcast {
namespace {
in_addr ipv4(const QHostAddress &address)
{
    in_addr a{};
    a.s_addr = htonl(address.toIPv4Address());
    return a;
}
} // namespace

// The platform socket library of the design needs a start-up call; POSIX sockets need none.
int init_search_socket(quint16 port)
{
    const int reuse = 1;
    sockaddr_in bind_address{};
    bind_address.sin_family = AF_INET;
    bind_address.sin_addr.s_addr = htonl(INADDR_ANY);
    bind_address.sin_port = htons(port);

    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        qDebug() << "socket created failed";
        return -1;
    }
    if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) < 0) {
        qDebug() << "setsockopt:SO_REUSEADDR error";
        ::close(fd);
        return -1;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&bind_address), sizeof bind_address) != 0) {
        qDebug() << "bind error";
        ::close(fd);
        return -1;
    }
    return fd;
}

bool join_search_multicast(int fd, const QHostAddress &group, const QHostAddress &interface_address)
{
    ip_mreq membership{};
    membership.imr_multiaddr = ipv4(group);
    membership.imr_interface = ipv4(interface_address);
    const unsigned char ttl = kMulticastTtl;
    const unsigned char loop = 0;
    const in_addr outgoing = ipv4(interface_address);

    const char *failure = nullptr;
    if (::setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) < 0)
        failure = "setsocketopt: IP_ADD_MEMBERSHIP error";
    else if (::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) < 0)
        failure = "Set IP_MULTICAST_TTL failed";
    else if (::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop) < 0)
        failure = "Set IP_MULTICAST_LOOP failed";
    else if (::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &outgoing, sizeof outgoing) < 0)
        failure = "Set IP_MULTICAST_IF failed";
    if (failure) {
        qDebug() << failure;
        ::close(fd);
        return false;
    }
    return true;
}

void close_search_socket(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

} // namespace mcast
