#pragma once

#include "sim_camera_state.h"
#include "sim_control_frame.h"
#include "sim_fault.h"
#include "sim_message.h"

#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QVector>

#include <atomic>
#include <functional>
#include <map>
#include <optional>

class QTcpServer;
class QTcpSocket;
class QUdpSocket;

// The ports a camera serves, and the port of the tool it answers text to.
struct SimPorts {
    quint16 text = 6791;  // UDP: parameter blocks
    quint16 visca = 1259; // UDP: VISCA bytes, answered to the sending socket
    quint16 tcp = 6793;   // TCP: control frames in, UOT frames out
    quint16 reply = 7791; // text answers to UDP requests go to the sender's address at this port
};

// One simulated camera on one loopback address: the text port, the VISCA port and the TCP
// control port, a parameter store per section, a head that answers VISCA inquiries as the
// chosen model, a record of everything it received and sent, and faults switched on at run time.
//
// The camera lives in the thread it was created in (or moved to): its sockets are created there
// by start() and its answers are sent from that thread's event loop. Every public function may be
// called from any thread; start() and stop() then run in the camera's thread and return when done
// (that thread must be running its event loop).
class SimCamera : public QObject
{
    Q_OBJECT

public:
    using Predicate = std::function<bool(const SimMessage &)>;

    // A model code the model reply cannot carry (see simvisca::isValidModel) gives a "J57".
    explicit SimCamera(const QString &address = QStringLiteral("127.0.0.2"),
                       const QString &model = QStringLiteral("J57"), QObject *parent = nullptr);
    ~SimCamera() override;

    // Life. start() binds the three ports on the address (a 127.0.0.x address; nothing else is
    // served) and returns false (see lastError()) when one of them cannot be bound, leaving
    // nothing bound. stop() drops the TCP links, closes
    // the ports and forgets answers still waiting (a slow fault); the stores, the head and the
    // record are kept, so a camera can vanish and come back with what it held.
    bool start();
    void stop();
    bool isRunning() const { return m_running.load(); }
    QString lastError() const;
    // Drops every TCP link now while the ports stay open (a camera that loses its links).
    void dropTcpLinks();
    int tcpLinkCount() const { return m_linkCount.load(); }

    // Where it listens: may change only while stopped (false otherwise, or for an address
    // outside 127.0.0.0/8).
    QString address() const;
    bool setAddress(const QString &address);
    SimPorts ports() const;
    bool setPorts(const SimPorts &ports);

    // What it is. setModel refuses codes the model reply cannot carry (see simvisca::isValidModel).
    QString model() const;
    bool setModel(const QString &code);
    void setFault(SimFault fault, int delayMs = 0);
    SimFault fault() const;
    int faultDelayMs() const;
    // The garbage sent by the garbage faults is the same for the same seed.
    void setGarbageSeed(quint32 seed);

    // What it holds. section() is a copy of one section's store ("teacher_parameter",
    // "student_parameter", "board_parameter", "director_parameter").
    SimParameterStore section(const QString &name) const;
    QString value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    // "start", "stop" or "error" for the status answer of a section; "start" or "stop" for the
    // crop status of "teacher_parameter" and "student_parameter".
    void setTrackingStatus(const QString &section, const QString &status);
    QString trackingStatus(const QString &section) const;
    void setCropStatus(const QString &section, const QString &status);
    // The value the camera reports after "begin_autocalibrate" ("success" by default).
    void setAutocalibrateResult(const QString &result);
    // The head: address 0x81's state (0x8A's with crop true).
    SimPtzState ptz(bool crop = false) const;
    void setZoom(int position, bool crop = false);
    void setDigitalZoom(int value, bool crop = false);
    void setPanTilt(int pan, int tilt, bool crop = false);
    void setFocusManual(bool manual, bool crop = false);
    // A copy of the whole state, and a way to change any of it under the camera's lock.
    SimCameraState state() const;
    void updateState(const std::function<void(SimCameraState &)> &change);
    // Back to the stores and head of a new camera of the current model.
    void resetState();

    // Answers under the test's control. A responder sees every datagram and frame the camera
    // takes (with the answers the camera would send) and returns the answers to send instead;
    // it runs in the camera's thread, before the fault is applied. An empty function removes it.
    using Responder = std::function<QVector<QByteArray>(const SimMessage &request, const QVector<QByteArray> &answers)>;
    void setResponder(const Responder &responder);
    // Unasked sends: bytes written as they are to every open TCP link; a UOT frame for port to
    // every open link; a datagram from the text port (or the VISCA port) to address:port. Each
    // returns how many links or datagrams it wrote, and is recorded as sent.
    int pushToLinks(const QByteArray &bytes);
    int pushFrameToLinks(quint32 port, const QByteArray &payload);
    bool pushDatagram(bool fromViscaPort, const QByteArray &payload, const QHostAddress &address, quint16 port);

    // What it saw. Records are kept until cleared; a wait handles the calling thread's events
    // (so a camera or a test socket of that thread goes on working) for at most timeoutMs
    // (bounded to one minute) and returns the first entry from index `from` on that matches.
    QVector<SimMessage> received() const;
    QVector<SimMessage> sent() const;
    int receivedCount() const;
    int sentCount() const;
    void clearRecords();
    std::optional<SimMessage> waitForMessage(const Predicate &predicate, int timeoutMs, int from = 0) const;
    std::optional<SimMessage> waitForSent(const Predicate &predicate, int timeoutMs, int from = 0) const;

signals:
    void messageReceived(const SimMessage &message);
    void messageSent(const SimMessage &message);
    // After every VISCA message it took and every change of the head made through the setters:
    // where the head stands may have changed (read it with ptz()).
    void headMoved();

private:
    struct Route {
        SimTransport transport = SimTransport::Udp;
        QPointer<QUdpSocket> udp;
        QPointer<QTcpSocket> tcp;
        QHostAddress peer;
        quint16 peerPort = 0;
    };

    // Runs f in the camera's thread and returns when it is done; false (f not run) when that
    // thread is another one that does not run.
    template <typename F>
    bool inOwnThread(F f);

    bool startHere();
    void stopHere();
    void dropLinksHere();
    void onTextReadyRead();
    void onViscaReadyRead();
    void onNewConnection();
    void onLinkReadyRead(QTcpSocket *socket);
    void onLinkClosed(QTcpSocket *socket);
    void handleFrame(QTcpSocket *socket, const SimControlFrame &frame);
    void respond(const Route &route, const SimMessage &request, QVector<QByteArray> answers);
    void transmit(const Route &route, SimChannel channel, const QVector<QByteArray> &answers, SimFault fault);
    // Writes bytes as one datagram or into the TCP stream; framePort is what the bytes' UOT
    // header names (0 when they carry none).
    void write(const Route &route, SimChannel channel, const QByteArray &bytes, quint32 framePort);
    QByteArray garbage();
    // Stamps the message with the time and keeps it.
    void record(SimMessage &message);
    std::optional<SimMessage> waitIn(const QVector<SimMessage> &log, const Predicate &predicate, int timeoutMs,
                                     int from) const;

    // Guards everything below up to the sockets.
    mutable QMutex m_mutex;
    SimCameraState m_state;
    QString m_address;
    SimPorts m_ports;
    SimFault m_fault = SimFault::None;
    Responder m_responder;
    int m_faultDelayMs = 0;
    QString m_lastError;
    QRandomGenerator m_garbage;

    mutable QMutex m_recordMutex;
    QVector<SimMessage> m_received;
    QVector<SimMessage> m_sent;

    // Camera thread only.
    QUdpSocket *m_textSocket = nullptr;
    QUdpSocket *m_viscaSocket = nullptr;
    QTcpServer *m_tcpServer = nullptr;
    struct Link {
        SimControlFrameReader reader;
        QHostAddress peer;
        quint16 peerPort = 0;
    };
    std::map<QTcpSocket *, Link> m_links;
    quint64 m_generation = 0; // bumped by stop(): answers of an earlier run are not sent
    std::atomic<bool> m_running{false};
    std::atomic<int> m_linkCount{0};
};
