#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVector>

class QTimer;
class QUdpSocket;

// How a simulated camera answers a search.
enum class SimReplyRoute {
    Multicast, // to the group and the search port
    Unicast,   // straight back to the searching socket's address and port
};

// What a simulated camera tells about itself in its answers.
struct SimDeviceIdentity {
    QString version = QStringLiteral("V3.1.0");
    QString model = QStringLiteral("K38.T20");
    QString deviceId = QStringLiteral("0123456789abcdef0123456789abcdef");
    int uptimeSeconds = 3725;
    bool dhcp = false;
    QString ip;   // the address it is served on unless set
    QString netmask = QStringLiteral("255.255.255.0");
    QString gateway = QStringLiteral("10.250.0.254");
    QString mac = QStringLiteral("D4:E0:8E:01:02:03");
    QString fdns = QStringLiteral("10.250.0.253");
};

// One datagram the discovery service took.
struct SimDiscoveryMessage {
    QByteArray payload;
    QHostAddress from;
    quint16 fromPort = 0;
};

// The discovery service of one simulated camera: it joins the search group on the interface of
// its address, answers "SEARCH * " datagrams with a "REPLY OK " one (by multicast or straight
// back), takes a "CONFIGNET" message for its Device ID (records it, takes the new values into its
// answers and confirms with "SUCCEED *", or "FAILED * " when set to refuse) and records a
// "CAMERA_REBOOT" for it. Written apart from the tool's discovery code.
//
// It serves only the test networks' addresses (127.0.0.0/8 and 10.250.0.0/16: a test's own
// network namespaces), never a real network. It lives in the thread that created it, which must
// be the one whose network namespace holds the address; the records may be read from any thread.
class SimDiscoveryService : public QObject
{
    Q_OBJECT

public:
    explicit SimDiscoveryService(const QString &address, SimReplyRoute route = SimReplyRoute::Multicast,
                                 quint16 port = 8005, QObject *parent = nullptr);
    ~SimDiscoveryService() override;

    bool start();
    void stop();
    QString lastError() const { return m_lastError; }

    void setIdentity(const SimDeviceIdentity &identity);
    SimDeviceIdentity identity() const;
    void setRefuseConfig(bool refuse) { m_refuseConfig = refuse; }
    // Answers each search as count cameras, as a whole site on one network would: this one
    // first, then cameras told apart by their Device ID, address and MAC (fleetIdentity), at
    // most perSecond answers a second (0: all at once). Called in the service's thread.
    void setFleet(int count, int perSecond = 0);
    SimDeviceIdentity fleetIdentity(int index) const;
    // Answers of the fleet sent so far.
    int fleetAnswersSent() const;

    QVector<SimDiscoveryMessage> received() const;
    // The network configurations and reboots meant for this camera, as they came.
    QVector<QByteArray> configs() const;
    int reboots() const;

private:
    void onReadyRead();
    void handle(const SimDiscoveryMessage &message);
    void send(const QByteArray &payload, const QHostAddress &to, quint16 port);
    QByteArray answer(const QString &clientId, const SimDeviceIdentity &me) const;
    void sendFleetShare();

    QString m_address;
    SimReplyRoute m_route;
    quint16 m_port;
    QString m_lastError;
    bool m_refuseConfig = false;
    mutable QMutex m_mutex;
    SimDeviceIdentity m_identity;
    QVector<SimDiscoveryMessage> m_received;
    QVector<QByteArray> m_configs;
    int m_reboots = 0;
    QUdpSocket *m_socket = nullptr;
    // The fleet's answers to the last search: to whom, and the next camera to answer.
    int m_fleetCount = 1;
    int m_fleetPerSecond = 0;
    QTimer *m_fleetTimer = nullptr;
    QString m_fleetClientId;
    QHostAddress m_fleetTo;
    quint16 m_fleetPort = 0;
    int m_fleetNext = 0;
    int m_fleetSent = 0;
};
