#pragma once

#include "discovery/dev_info.h"
#include "discovery/network_config.h"
#include "discovery/waiting_datagrams.h"

#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVector>

#include <vector>

class MyThread;
class QUdpSocket;

// The device search: finds the cameras on the chosen local network by a multicast search,
// keeps the list of those that answered, and sends the network configuration and reboot
// messages. It owns the sockets; the window fills its tree from device_list() whenever
// device_list_changed() comes, and shows what search() returns and set_success().
//
// Sockets: search_socket (adopts the POSIX multicast socket: any address, the search port,
// joined to the group on the chosen interface) takes the cameras' multicast answers;
// search_unicast_socket and search_send_socket are bound to the chosen address and the search
// port, and search_send_socket sends every message. Linux gives every unicast datagram for two
// sockets bound to one address and port to the one bound last (search_send_socket), so the
// answers a camera sends straight back are read from both.
class DeviceDiscovery : public QObject
{
    Q_OBJECT

public:
    struct LocalAddress {
        QString label;   // interface name, ":" and the address, as "Host net" lists it
        QString address;
    };
    enum class SearchOutcome {
        Sent,
        InitFailed, // "Initializes the multicast failure"
        JoinFailed, // "Join the multicast group fail"
    };

    // The local addresses "Host net" offers: a host with more is unusual, and the list stays
    // short enough to choose from.
    static constexpr int kMaxLocalAddresses = 32;
    // Parse threads at once (a flood on the search port must not start a thread per datagram);
    // the datagrams that come meanwhile wait for one (WaitingDatagrams).
    static constexpr int kMaxParsesInFlight = 64;
    // Cameras listed at once: a site has a few hundred, and the window rebuilds a tree of 1000
    // in about 5 ms (of 10,000 in over 100). The answers of more are counted (left_out()).
    static constexpr int kMaxListedDevices = 1000;
    // Datagrams one turn of the event loop reads; the rest waits for the next turn.
    static constexpr int kMaxDatagramsPerTurn = 256;
    // Each receiving socket's buffer, asked of the system: a site's cameras answer a search
    // within milliseconds, and the default (208 KiB) holds only about 165 answers until the
    // window reads them. Linux grants twice this, room for about 1600 (a system that allows
    // less says so in the log).
    static constexpr int kReceiveBufferBytes = 1024 * 1024;

    explicit DeviceDiscovery(QObject *parent = nullptr);
    ~DeviceDiscovery() override;

    // The IPv4 addresses of the host but 127.0.0.1, at most kMaxLocalAddresses; read once at
    // construction (again only when called).
    void read_local_ip_list();
    const QVector<LocalAddress> &local_ip_list() const { return m_local_ip_list; }

    const QString &client_id() const { return search_client_id; }
    // The search port; a change is used for sending at once, the receiving sockets keep theirs
    // until the chosen address changes.
    void set_mcast_port(int port) { mcast_port = port; }
    int port() const { return mcast_port; }
    int bound_index() const { return bound_interface_index; }

    // The Search button: sets the sockets up for the chosen entry of local_ip_list() when it
    // changed, then clears the list and sends the search.
    SearchOutcome search(int interface_index);
    // The network configuration for the listed camera device_id (the message carries the
    // form's values as typed; check them with netconfig::check first), and the reboot. False
    // when nothing was sent (logged). A "SUCCEED *" answer of that camera to this tool leads to
    // set_success() and a new search.
    bool send_network_config(int interface_index, const netconfig::NetworkConfig &config, const QString &device_id);
    bool send_reboot(int interface_index, const QString &device_id);

    // The cameras that answered the last search, sorted by the text of their address; at most
    // kMaxListedDevices, the first that answered.
    const std::vector<Dev_info> &device_list() const { return m_device_list; }
    // Answers of cameras not listed, as the list was full, since the last search.
    int left_out() const { return m_left_out; }

    int parses_in_flight() const { return m_parses.size(); }
    int datagrams_waiting() const { return m_waiting.size(); }
    // Datagrams parsed since construction.
    qint64 datagrams_parsed() const { return m_parsed; }
    // The most parse threads that were running at once.
    int peak_parses_in_flight() const { return m_peak_parses; }

signals:
    // The list, or the count of answers left out of it, changed.
    void device_list_changed();
    // The camera configured last confirmed its new network settings ("Set Success"); a new
    // search follows.
    void set_success();

private:
    enum MessageKind { Search = 0, ConfigNet = 1, Reboot = 2 };

    bool init_search_socket();
    bool join_search_multicast(int interface_index);
    bool send_discovery_message(MessageKind kind, int interface_index, const QByteArray &message);
    void receive();
    void receive_unicast(QUdpSocket *socket);
    void read_datagrams(QUdpSocket *socket);
    static void widen_receive_buffer(QUdpSocket *socket);
    void start_parse(const QByteArray &datagram);
    void parse_finished(MyThread *thread);
    void ReceiveThread(const QVariant &record, qint8 kind);
    void insert_device_record(const Dev_info &record);
    QHostAddress local_address(int interface_index) const;

    QString search_client_id;
    int mcast_port = 8005;
    QVector<LocalAddress> m_local_ip_list;
    int bound_interface_index = -1;
    int search_native_socket = -1; // between its bind and its adoption by search_socket
    QUdpSocket *search_socket = nullptr;
    QUdpSocket *search_unicast_socket = nullptr;
    QUdpSocket *search_send_socket = nullptr;
    QHostAddress search_group_address;
    std::vector<Dev_info> m_device_list;
    QString m_configured_device_id; // the camera the last network configuration went to
    QSet<MyThread *> m_parses;
    int m_peak_parses = 0;
    qint64 m_parsed = 0;
    WaitingDatagrams m_waiting;
    int m_left_out = 0;
    QSet<QUdpSocket *> m_read_scheduled;
};
