#include "discovery/device_discovery.h"

#include "discovery/discovery_messages.h"
#include "discovery/multicast_socket.h"
#include "discovery/reply_thread.h"

#include <QDebug>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>

namespace {
constexpr QUdpSocket::BindMode kShared = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
}

DeviceDiscovery::DeviceDiscovery(QObject *parent)
    : QObject(parent)
    , search_client_id(discovery::make_search_client_id())
    , mcast_port(discovery::kDefaultSearchPort)
    , search_group_address(QString::fromLatin1(discovery::kGroupAddress))
{
    qRegisterMetaType<Dev_info>("Dev_info");
    read_local_ip_list();
    search_send_socket = new QUdpSocket(this);
    search_unicast_socket = new QUdpSocket(this);
    connect(search_unicast_socket, &QUdpSocket::readyRead, this, [this] { receive_unicast(search_unicast_socket); });
    connect(search_send_socket, &QUdpSocket::readyRead, this, [this] { receive_unicast(search_send_socket); });
    search_socket = new QUdpSocket(this);
    connect(search_socket, &QUdpSocket::readyRead, this, &DeviceDiscovery::receive);
}

DeviceDiscovery::~DeviceDiscovery()
{
    // A parse is a few microseconds of work; its thread is waited for, never left running.
    for (MyThread *thread : qAsConst(m_parses)) {
        thread->disconnect(this);
        thread->wait();
        delete thread;
    }
    mcast::close_search_socket(search_native_socket);
}

void DeviceDiscovery::read_local_ip_list()
{
    m_local_ip_list.clear();
    int skipped = 0;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isNull()
                || address == QHostAddress(QHostAddress::LocalHost))
                continue;
            if (m_local_ip_list.size() == kMaxLocalAddresses) {
                ++skipped;
                continue;
            }
            m_local_ip_list.append({interface.humanReadableName() + QLatin1Char(':') + address.toString(),
                                    address.toString()});
        }
    }
    if (skipped > 0)
        qDebug() << "DeviceDiscovery::read_local_ip_list: the first" << kMaxLocalAddresses << "of"
                 << kMaxLocalAddresses + skipped << "local addresses are listed";
}

QHostAddress DeviceDiscovery::local_address(int interface_index) const
{
    if (interface_index < 0 || interface_index >= m_local_ip_list.size())
        return QHostAddress();
    return QHostAddress(m_local_ip_list.at(interface_index).address);
}

DeviceDiscovery::SearchOutcome DeviceDiscovery::search(int interface_index)
{
    if (interface_index != bound_interface_index || search_socket->state() == QAbstractSocket::UnconnectedState) {
        if (local_address(interface_index).isNull()) {
            qDebug() << "DeviceDiscovery::search: no local address" << interface_index;
            return SearchOutcome::InitFailed;
        }
        if (!init_search_socket())
            return SearchOutcome::InitFailed;
        if (!join_search_multicast(interface_index))
            return SearchOutcome::JoinFailed;
        const QHostAddress address = local_address(interface_index);
        search_unicast_socket->close();
        search_unicast_socket->setProxy(QNetworkProxy::NoProxy);
        qDebug() << " enter bind:" << address.toString();
        search_unicast_socket->bind(address, quint16(mcast_port), kShared);
        qDebug() << " leave bind:" << address.toString();
        widen_receive_buffer(search_unicast_socket);
        // The send socket is bound again for this address as the search goes out.
        bound_interface_index = -1;
    }
    send_discovery_message(Search, interface_index, discovery::search_message(search_client_id));
    return SearchOutcome::Sent;
}

bool DeviceDiscovery::init_search_socket()
{
    search_socket->abort(); // closes the socket it adopted before
    search_native_socket = mcast::init_search_socket(quint16(mcast_port));
    return search_native_socket >= 0;
}

bool DeviceDiscovery::join_search_multicast(int interface_index)
{
    const int fd = search_native_socket;
    search_native_socket = -1; // closed by a failed join, else search_socket's from here on
    if (!mcast::join_search_multicast(fd, search_group_address, local_address(interface_index)))
        return false;
    if (!search_socket->setSocketDescriptor(fd, QUdpSocket::BoundState, QIODevice::ReadWrite)) {
        qDebug() << "DeviceDiscovery: the search socket does not take the multicast socket";
        mcast::close_search_socket(fd);
        return false;
    }
    widen_receive_buffer(search_socket);
    return true;
}

void DeviceDiscovery::widen_receive_buffer(QUdpSocket *socket)
{
    if (socket->state() != QAbstractSocket::BoundState)
        return;
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferBytes);
    const int granted = socket->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
    if (granted < kReceiveBufferBytes)
        qDebug() << "DeviceDiscovery: the system grants a receive buffer of" << granted << "bytes, not"
                 << kReceiveBufferBytes << "bytes: answers of many cameras at once may be lost";
}

bool DeviceDiscovery::send_network_config(int interface_index, const netconfig::NetworkConfig &config,
                                          const QString &device_id)
{
    if (device_id.isEmpty())
        return false;
    m_configured_device_id = device_id;
    return send_discovery_message(ConfigNet, interface_index,
                                  discovery::config_message(config, device_id, search_client_id));
}

bool DeviceDiscovery::send_reboot(int interface_index, const QString &device_id)
{
    if (device_id.isEmpty())
        return false;
    return send_discovery_message(Reboot, interface_index, discovery::reboot_message(device_id, search_client_id));
}

bool DeviceDiscovery::send_discovery_message(MessageKind kind, int interface_index, const QByteArray &message)
{
    if (kind == Search) {
        qDebug().noquote() << QString::fromLocal8Bit(message);
        m_waiting.clear();
        if (m_left_out > 0)
            qDebug() << "DeviceDiscovery: the search before listed" << kMaxListedDevices << "cameras and left out"
                     << m_left_out << "answers";
        m_left_out = 0;
        m_device_list.clear();
        emit device_list_changed();
        qDebug() << "(clear display content)清空显示!!!";
    } else if (kind == Reboot) {
        qDebug() << "Reboot Camera";
    }
    if (interface_index != bound_interface_index) {
        const QHostAddress address = local_address(interface_index);
        if (address.isNull()) {
            qDebug() << "DeviceDiscovery: no local address" << interface_index << "to send from";
            return false;
        }
        search_send_socket->close();
        search_send_socket->setProxy(QNetworkProxy::NoProxy);
        search_send_socket->bind(address, quint16(mcast_port), kShared);
        widen_receive_buffer(search_send_socket);
        bound_interface_index = interface_index;
    }
    qDebug() << "data:" << message;
    qDebug() << "*destination:" << search_group_address.toString();
    if (search_send_socket->writeDatagram(message, search_group_address, quint16(mcast_port)) == -1) {
        qDebug() << "send fail!";
        return false;
    }
    qDebug() << "send success!";
    return true;
}

void DeviceDiscovery::receive() { read_datagrams(search_socket); }

void DeviceDiscovery::receive_unicast(QUdpSocket *socket)
{
    qDebug() << "receive_unicast recv mcast msg";
    read_datagrams(socket);
}

void DeviceDiscovery::read_datagrams(QUdpSocket *socket)
{
    m_read_scheduled.remove(socket);
    int taken = 0;
    // Each turn reads at least once, even when nothing is pending: a socket reported readable
    // with nothing left to read (the dispatcher can report it so on a busy machine) still
    // counts as unanswered until a read, and Qt then stops watching the socket at the next
    // datagram, for good. A read with nothing pending just returns -1.
    do {
        const qint64 pending = socket->pendingDatagramSize();
        QByteArray datagram(int(qBound<qint64>(0, pending, discovery::kMaxDatagramBytes)), Qt::Uninitialized);
        const qint64 got = socket->readDatagram(datagram.data(), datagram.size());
        ++taken;
        if (got < 0)
            break;
        datagram.truncate(int(got));
        if (pending > discovery::kMaxDatagramBytes)
            qDebug() << "DeviceDiscovery: a datagram of" << pending << "bytes is read as its first"
                     << discovery::kMaxDatagramBytes;
        // Those waiting go first: the answers are parsed in the order they came.
        if (m_parses.size() < kMaxParsesInFlight && m_waiting.isEmpty())
            start_parse(datagram);
        else
            m_waiting.push(datagram);
    } while (socket->hasPendingDatagrams() && taken < kMaxDatagramsPerTurn);
    if (socket->hasPendingDatagrams() && !m_read_scheduled.contains(socket)) {
        m_read_scheduled.insert(socket);
        QTimer::singleShot(0, this, [this, socket] {
            if (m_read_scheduled.contains(socket))
                read_datagrams(socket);
        });
    }
}

void DeviceDiscovery::start_parse(const QByteArray &datagram)
{
    auto *thread = new MyThread(datagram, search_client_id);
    connect(thread, &MyThread::Result, this, &DeviceDiscovery::ReceiveThread, Qt::QueuedConnection);
    connect(thread, &QThread::finished, this, [this, thread] { parse_finished(thread); }, Qt::QueuedConnection);
    m_parses.insert(thread);
    m_peak_parses = std::max(m_peak_parses, int(m_parses.size()));
    thread->start();
}

void DeviceDiscovery::parse_finished(MyThread *thread)
{
    if (!m_parses.remove(thread))
        return;
    thread->wait(); // it has emitted finished(); only its last instructions remain
    delete thread;
    ++m_parsed;
    if (!m_waiting.isEmpty())
        start_parse(m_waiting.take());
}

void DeviceDiscovery::ReceiveThread(const QVariant &record, qint8 kind)
{
    const Dev_info info = record.value<Dev_info>();
    switch (static_cast<discovery::ReplyKind>(kind)) {
    case discovery::ReplyKind::Reply:
        insert_device_record(info);
        break;
    case discovery::ReplyKind::Succeed:
        if (!m_configured_device_id.isEmpty() && info.client_id == search_client_id
            && info.device_id == m_configured_device_id) {
            m_configured_device_id.clear();
            emit set_success();
            if (bound_interface_index >= 0)
                send_discovery_message(Search, bound_interface_index, discovery::search_message(search_client_id));
        }
        break;
    default:
        break;
    }
}

void DeviceDiscovery::insert_device_record(const Dev_info &record)
{
    if (record.client_id != search_client_id)
        return;
    for (const Dev_info &listed : m_device_list) {
        if (listed.device_id == record.device_id) {
            qDebug() << "已收录过";
            return;
        }
    }
    if (m_device_list.size() >= size_t(kMaxListedDevices)) {
        if (m_left_out++ == 0)
            qDebug() << "DeviceDiscovery: the list holds" << kMaxListedDevices
                     << "cameras; the answers of more are counted, not listed";
        emit device_list_changed();
        return;
    }
    const auto at = std::find_if(m_device_list.begin(), m_device_list.end(),
                                 [&](const Dev_info &listed) { return listed.ip > record.ip; });
    m_device_list.insert(at, record);
    emit device_list_changed();
}
