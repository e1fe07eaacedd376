#include "sim_discovery.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTimer>
#include <QUdpSocket>

namespace {
const QHostAddress kGroup(QStringLiteral("239.255.255.251"));
constexpr int kFleetTickMs = 10; // a paced fleet answers in shares this often

// The value after "key" on its own line ("key" up to the line's end).
QString lineValue(const QString &text, const QString &key)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    }
    return QString();
}

bool servable(const QHostAddress &address)
{
    return address.isInSubnet(QHostAddress(QStringLiteral("127.0.0.0")), 8)
           || address.isInSubnet(QHostAddress(QStringLiteral("10.250.0.0")), 16);
}
} // namespace

SimDiscoveryService::SimDiscoveryService(const QString &address, SimReplyRoute route, quint16 port, QObject *parent)
    : QObject(parent)
    , m_address(address)
    , m_route(route)
    , m_port(port)
{
    m_identity.ip = address;
}

SimDiscoveryService::~SimDiscoveryService() { stop(); }

bool SimDiscoveryService::start()
{
    const QHostAddress address(m_address);
    if (!servable(address)) {
        m_lastError = QStringLiteral("%1 is no test network address").arg(m_address);
        return false;
    }
    QNetworkInterface interface;
    for (const QNetworkInterface &candidate : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry &entry : candidate.addressEntries()) {
            if (entry.ip() == address)
                interface = candidate;
        }
    }
    if (!interface.isValid()) {
        m_lastError = QStringLiteral("no interface holds %1").arg(m_address);
        return false;
    }
    m_socket = new QUdpSocket(this);
    if (!m_socket->bind(QHostAddress::AnyIPv4, m_port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)
        || !m_socket->joinMulticastGroup(kGroup, interface)) {
        m_lastError = m_socket->errorString();
        stop();
        return false;
    }
    m_socket->setMulticastInterface(interface);
    m_socket->setSocketOption(QAbstractSocket::MulticastLoopbackOption, 0);
    connect(m_socket, &QUdpSocket::readyRead, this, &SimDiscoveryService::onReadyRead);
    return true;
}

void SimDiscoveryService::stop()
{
    delete m_fleetTimer;
    m_fleetTimer = nullptr;
    delete m_socket;
    m_socket = nullptr;
}

void SimDiscoveryService::setFleet(int count, int perSecond)
{
    m_fleetCount = qMax(1, count);
    m_fleetPerSecond = qMax(0, perSecond);
}

SimDeviceIdentity SimDiscoveryService::fleetIdentity(int index) const
{
    SimDeviceIdentity me = identity();
    if (index == 0)
        return me;
    const QString hex = QStringLiteral("%1").arg(index, 6, 16, QLatin1Char('0'));
    me.deviceId = me.deviceId.left(me.deviceId.size() - hex.size()) + hex;
    me.ip = QStringLiteral("10.250.%1.%2").arg(1 + index / 250).arg(1 + index % 250);
    me.mac = QStringLiteral("D4:E0:8E:%1:%2:%3").arg(hex.mid(0, 2), hex.mid(2, 2), hex.mid(4, 2)).toUpper();
    return me;
}

int SimDiscoveryService::fleetAnswersSent() const
{
    QMutexLocker lock(&m_mutex);
    return m_fleetSent;
}

void SimDiscoveryService::sendFleetShare()
{
    const int share = m_fleetPerSecond > 0 ? qMax(1, m_fleetPerSecond * kFleetTickMs / 1000) : m_fleetCount;
    for (int i = 0; i < share && m_fleetNext < m_fleetCount; ++i, ++m_fleetNext) {
        send(answer(m_fleetClientId, fleetIdentity(m_fleetNext)), m_fleetTo, m_fleetPort);
        QMutexLocker lock(&m_mutex);
        ++m_fleetSent;
    }
    if (m_fleetNext >= m_fleetCount && m_fleetTimer)
        m_fleetTimer->stop();
}

void SimDiscoveryService::setIdentity(const SimDeviceIdentity &identity)
{
    QMutexLocker lock(&m_mutex);
    m_identity = identity;
}

SimDeviceIdentity SimDiscoveryService::identity() const
{
    QMutexLocker lock(&m_mutex);
    return m_identity;
}

QVector<SimDiscoveryMessage> SimDiscoveryService::received() const
{
    QMutexLocker lock(&m_mutex);
    return m_received;
}

QVector<QByteArray> SimDiscoveryService::configs() const
{
    QMutexLocker lock(&m_mutex);
    return m_configs;
}

int SimDiscoveryService::reboots() const
{
    QMutexLocker lock(&m_mutex);
    return m_reboots;
}

void SimDiscoveryService::onReadyRead()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(64 * 1024);
        SimDiscoveryMessage message{datagram.data(), datagram.senderAddress(), quint16(datagram.senderPort())};
        // Answers of other cameras on the group are no requests.
        if (message.payload.startsWith("REPLY OK") || message.payload.startsWith("SUCCEED") || message.payload.startsWith("FAILED"))
            continue;
        {
            QMutexLocker lock(&m_mutex);
            m_received.append(message);
        }
        handle(message);
    }
}

void SimDiscoveryService::handle(const SimDiscoveryMessage &message)
{
    const QString text = QString::fromLocal8Bit(message.payload).remove(QLatin1Char('\r'));
    const QString clientId = lineValue(text, QStringLiteral("Client ID:"));
    const SimDeviceIdentity me = identity();
    if (text.startsWith(QLatin1String("SEARCH * "))) {
        if (m_fleetCount == 1) {
            send(answer(clientId, me), message.from, message.fromPort);
            return;
        }
        m_fleetClientId = clientId;
        m_fleetTo = message.from;
        m_fleetPort = message.fromPort;
        m_fleetNext = 0;
        {
            QMutexLocker lock(&m_mutex);
            m_fleetSent = 0;
        }
        if (m_fleetPerSecond > 0 && !m_fleetTimer) {
            m_fleetTimer = new QTimer(this);
            m_fleetTimer->setTimerType(Qt::PreciseTimer);
            m_fleetTimer->setInterval(kFleetTickMs);
            connect(m_fleetTimer, &QTimer::timeout, this, &SimDiscoveryService::sendFleetShare);
        }
        sendFleetShare();
        if (m_fleetTimer && m_fleetNext < m_fleetCount)
            m_fleetTimer->start();
        return;
    }
    if (lineValue(text, QStringLiteral("Device ID:")) != me.deviceId)
        return;
    if (text.startsWith(QLatin1String("CONFIGNET"))) {
        {
            QMutexLocker lock(&m_mutex);
            m_configs.append(message.payload);
            if (!m_refuseConfig) {
                m_identity.dhcp = lineValue(text, QStringLiteral("dhcp=")) == QLatin1String("1");
                m_identity.ip = lineValue(text, QStringLiteral("ipaddr="));
                m_identity.netmask = lineValue(text, QStringLiteral("netmask="));
                m_identity.gateway = lineValue(text, QStringLiteral("gateway="));
                m_identity.fdns = lineValue(text, QStringLiteral("fdns="));
                m_identity.mac = lineValue(text, QStringLiteral("macaddr="));
            }
        }
        const QString word = m_refuseConfig ? QStringLiteral("FAILED * ") : QStringLiteral("SUCCEED *");
        send((word + QStringLiteral("\r\nClient ID:") + clientId + QStringLiteral("\r\nDevice ID:") + me.deviceId).toLatin1(),
             message.from, message.fromPort);
    } else if (text.startsWith(QLatin1String("CAMERA_REBOOT"))) {
        QMutexLocker lock(&m_mutex);
        ++m_reboots;
    }
}

QByteArray SimDiscoveryService::answer(const QString &clientId, const SimDeviceIdentity &me) const
{
    const QString text = QStringLiteral("REPLY OK SEARCH\r\nVERSION:") + me.version + QStringLiteral("\r\nDEVICE_MODEL:")
                         + me.model + QStringLiteral("\r\nClient ID:") + clientId + QStringLiteral("\r\nDevice ID:")
                         + me.deviceId + QStringLiteral("\r\nUptime=") + QString::number(me.uptimeSeconds)
                         + QStringLiteral("\r\nDHCP=") + (me.dhcp ? QStringLiteral("1") : QStringLiteral("0"))
                         + QStringLiteral("\r\nIP=") + me.ip + QStringLiteral("\r\nMASK=") + me.netmask
                         + QStringLiteral("\r\nGATEWAY=") + me.gateway + QStringLiteral("\r\nMAC=") + me.mac
                         + QStringLiteral("\r\nFDNS=") + me.fdns;
    return text.toLatin1();
}

void SimDiscoveryService::send(const QByteArray &payload, const QHostAddress &to, quint16 port)
{
    if (!m_socket)
        return;
    if (m_route == SimReplyRoute::Multicast)
        m_socket->writeDatagram(payload, kGroup, m_port);
    else
        m_socket->writeDatagram(payload, to, port);
}
