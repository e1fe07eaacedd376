#include "sim_camera.h"

#include "sim_text_service.h"
#include "sim_uot_frame.h"
#include "sim_visca.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <vector>

namespace {

constexpr int kMaxWaitMs = 60000;  // no test has reason to wait longer for a camera
constexpr int kWaitRoundMs = 20;   // a wait looks at the record at least this often
constexpr quint32 kDefaultGarbageSeed = 0x5EED;
constexpr int kMinGarbage = 8;     // garbage answers are 8 to 40 bytes long
constexpr int kGarbageSpread = 33;

// A simulated camera answers on loopback only: nothing it sends can leave the machine.
bool isLoopbackIpv4(const QString &address)
{
    const QHostAddress host(address);
    return host.protocol() == QAbstractSocket::IPv4Protocol && host.isLoopback();
}

} // namespace

SimCamera::SimCamera(const QString &address, const QString &model, QObject *parent)
    : QObject(parent)
    , m_state(SimCameraState::initial(simvisca::isValidModel(model) ? model : QStringLiteral("J57")))
    , m_address(address)
    , m_garbage(kDefaultGarbageSeed)
{
    qRegisterMetaType<SimMessage>();
}

SimCamera::~SimCamera()
{
    if (m_running.load())
        stopHere();
}

template <typename F>
bool SimCamera::inOwnThread(F f)
{
    QThread *own = thread();
    if (QThread::currentThread() == own) {
        f();
        return true;
    }
    if (!own || !own->isRunning())
        return false;
    QMetaObject::invokeMethod(this, f, Qt::BlockingQueuedConnection);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Life

bool SimCamera::start()
{
    bool started = false;
    if (!inOwnThread([this, &started] { started = startHere(); })) {
        QMutexLocker lock(&m_mutex);
        m_lastError = QStringLiteral("the camera's thread does not run");
    }
    return started;
}

void SimCamera::stop()
{
    inOwnThread([this] { stopHere(); });
}

void SimCamera::dropTcpLinks()
{
    inOwnThread([this] { dropLinksHere(); });
}

QString SimCamera::lastError() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastError;
}

bool SimCamera::startHere()
{
    if (m_running.load())
        return true;
    QString address;
    SimPorts ports;
    {
        QMutexLocker lock(&m_mutex);
        address = m_address;
        ports = m_ports;
        m_lastError.clear();
    }
    const QHostAddress host(address);
    auto fail = [&](const char *what, quint16 port, const QString &reason) {
        {
            QMutexLocker lock(&m_mutex);
            m_lastError = QStringLiteral("%1 %2:%3: %4").arg(QLatin1String(what), address).arg(port).arg(reason);
        }
        stopHere();
        return false;
    };
    if (!isLoopbackIpv4(address))
        return fail("address", 0, QStringLiteral("not an IPv4 loopback address (127.0.0.0/8)"));

    // Exclusive binds: a second camera on the same address must fail rather than share the port.
    m_textSocket = new QUdpSocket(this);
    m_textSocket->setProxy(QNetworkProxy::NoProxy);
    if (!m_textSocket->bind(host, ports.text, QAbstractSocket::DontShareAddress))
        return fail("text port", ports.text, m_textSocket->errorString());
    m_viscaSocket = new QUdpSocket(this);
    m_viscaSocket->setProxy(QNetworkProxy::NoProxy);
    if (!m_viscaSocket->bind(host, ports.visca, QAbstractSocket::DontShareAddress))
        return fail("VISCA port", ports.visca, m_viscaSocket->errorString());
    m_tcpServer = new QTcpServer(this);
    m_tcpServer->setProxy(QNetworkProxy::NoProxy);
    if (!m_tcpServer->listen(host, ports.tcp))
        return fail("TCP port", ports.tcp, m_tcpServer->errorString());

    connect(m_textSocket, &QUdpSocket::readyRead, this, &SimCamera::onTextReadyRead);
    connect(m_viscaSocket, &QUdpSocket::readyRead, this, &SimCamera::onViscaReadyRead);
    connect(m_tcpServer, &QTcpServer::newConnection, this, &SimCamera::onNewConnection);
    m_running.store(true);
    return true;
}

void SimCamera::stopHere()
{
    ++m_generation;
    dropLinksHere();
    if (m_tcpServer) {
        m_tcpServer->close();
        m_tcpServer->deleteLater();
        m_tcpServer = nullptr;
    }
    for (QUdpSocket **socket : {&m_textSocket, &m_viscaSocket}) {
        if (*socket) {
            (*socket)->close();
            (*socket)->deleteLater();
            *socket = nullptr;
        }
    }
    m_running.store(false);
}

void SimCamera::dropLinksHere()
{
    // abort() reports the disconnection at once, which takes the link out of m_links.
    std::vector<QPointer<QTcpSocket>> sockets;
    for (const auto &link : m_links)
        sockets.emplace_back(link.first);
    for (const QPointer<QTcpSocket> &socket : sockets) {
        if (socket)
            socket->abort();
    }
    for (const QPointer<QTcpSocket> &socket : sockets) {
        if (socket && m_links.count(socket.data()))
            onLinkClosed(socket.data());
    }
}

// ---------------------------------------------------------------------------------------------
// Configuration and state

QString SimCamera::address() const
{
    QMutexLocker lock(&m_mutex);
    return m_address;
}

bool SimCamera::setAddress(const QString &address)
{
    if (m_running.load() || !isLoopbackIpv4(address))
        return false;
    QMutexLocker lock(&m_mutex);
    m_address = address;
    return true;
}

SimPorts SimCamera::ports() const
{
    QMutexLocker lock(&m_mutex);
    return m_ports;
}

bool SimCamera::setPorts(const SimPorts &ports)
{
    if (m_running.load())
        return false;
    QMutexLocker lock(&m_mutex);
    m_ports = ports;
    return true;
}

QString SimCamera::model() const
{
    QMutexLocker lock(&m_mutex);
    return m_state.model;
}

bool SimCamera::setModel(const QString &code)
{
    if (!simvisca::isValidModel(code))
        return false;
    QMutexLocker lock(&m_mutex);
    m_state.model = code;
    return true;
}

void SimCamera::setFault(SimFault fault, int delayMs)
{
    QMutexLocker lock(&m_mutex);
    m_fault = fault;
    m_faultDelayMs = qMax(0, delayMs);
}

SimFault SimCamera::fault() const
{
    QMutexLocker lock(&m_mutex);
    return m_fault;
}

int SimCamera::faultDelayMs() const
{
    QMutexLocker lock(&m_mutex);
    return m_faultDelayMs;
}

void SimCamera::setGarbageSeed(quint32 seed)
{
    QMutexLocker lock(&m_mutex);
    m_garbage.seed(seed);
}

SimParameterStore SimCamera::section(const QString &name) const
{
    QMutexLocker lock(&m_mutex);
    return m_state.sections.value(name);
}

QString SimCamera::value(const QString &section, const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_state.sections.value(section).value(key);
}

void SimCamera::setValue(const QString &section, const QString &key, const QString &value)
{
    QMutexLocker lock(&m_mutex);
    m_state.sections[section].setValue(key, value);
}

void SimCamera::setTrackingStatus(const QString &section, const QString &status)
{
    QMutexLocker lock(&m_mutex);
    m_state.trackingStatus[section] = status;
}

QString SimCamera::trackingStatus(const QString &section) const
{
    QMutexLocker lock(&m_mutex);
    return m_state.trackingStatus.value(section);
}

void SimCamera::setCropStatus(const QString &section, const QString &status)
{
    QMutexLocker lock(&m_mutex);
    m_state.cropStatus[section] = status;
}

void SimCamera::setAutocalibrateResult(const QString &result)
{
    QMutexLocker lock(&m_mutex);
    m_state.autocalibrateResult = result;
}

SimPtzState SimCamera::ptz(bool crop) const
{
    QMutexLocker lock(&m_mutex);
    return crop ? m_state.crop : m_state.ptz;
}

void SimCamera::setZoom(int position, bool crop)
{
    QMutexLocker lock(&m_mutex);
    (crop ? m_state.crop : m_state.ptz).zoom = position;
    lock.unlock();
    emit headMoved();
}

void SimCamera::setDigitalZoom(int value, bool crop)
{
    QMutexLocker lock(&m_mutex);
    (crop ? m_state.crop : m_state.ptz).digitalZoom = value;
}

void SimCamera::setPanTilt(int pan, int tilt, bool crop)
{
    QMutexLocker lock(&m_mutex);
    SimPtzState &head = crop ? m_state.crop : m_state.ptz;
    head.pan = pan;
    head.tilt = tilt;
    lock.unlock();
    emit headMoved();
}

void SimCamera::setFocusManual(bool manual, bool crop)
{
    QMutexLocker lock(&m_mutex);
    (crop ? m_state.crop : m_state.ptz).focusManual = manual;
}

SimCameraState SimCamera::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

void SimCamera::updateState(const std::function<void(SimCameraState &)> &change)
{
    QMutexLocker lock(&m_mutex);
    change(m_state);
    lock.unlock();
    emit headMoved();
}

void SimCamera::resetState()
{
    QMutexLocker lock(&m_mutex);
    m_state = SimCameraState::initial(m_state.model);
    lock.unlock();
    emit headMoved();
}

// ---------------------------------------------------------------------------------------------
// Receiving

void SimCamera::onTextReadyRead()
{
    while (m_textSocket && m_textSocket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_textSocket->receiveDatagram();
        SimMessage message;
        message.channel = SimChannel::Text;
        message.localAddress = m_textSocket->localAddress();
        message.localPort = m_textSocket->localPort();
        message.peerAddress = datagram.senderAddress();
        message.peerPort = quint16(datagram.senderPort());
        message.payload = datagram.data();
        record(message);

        QByteArray answer;
        quint16 replyPort;
        {
            QMutexLocker lock(&m_mutex);
            answer = simtext::answer(m_state, message.payload);
            replyPort = m_ports.reply;
        }
        Route route;
        route.udp = m_textSocket;
        route.peer = message.peerAddress;
        route.peerPort = replyPort; // text answers go to the tool's reply port, not the sender's
        respond(route, message, answer.isEmpty() ? QVector<QByteArray>() : QVector<QByteArray>{answer});
    }
}

void SimCamera::onViscaReadyRead()
{
    while (m_viscaSocket && m_viscaSocket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_viscaSocket->receiveDatagram();
        SimMessage message;
        message.channel = SimChannel::Visca;
        message.localAddress = m_viscaSocket->localAddress();
        message.localPort = m_viscaSocket->localPort();
        message.peerAddress = datagram.senderAddress();
        message.peerPort = quint16(datagram.senderPort());
        message.payload = datagram.data();
        record(message);

        QVector<QByteArray> answers;
        {
            QMutexLocker lock(&m_mutex);
            answers = simvisca::answer(m_state, message.payload);
        }
        emit headMoved();
        Route route;
        route.udp = m_viscaSocket;
        route.peer = message.peerAddress;
        route.peerPort = message.peerPort;
        respond(route, message, answers);
    }
}

void SimCamera::onNewConnection()
{
    while (m_tcpServer && m_tcpServer->hasPendingConnections()) {
        QTcpSocket *socket = m_tcpServer->nextPendingConnection();
        socket->setParent(this);
        Link link;
        link.peer = socket->peerAddress();
        link.peerPort = socket->peerPort();
        m_links.emplace(socket, link);
        ++m_linkCount;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onLinkReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { onLinkClosed(socket); });

        SimMessage message;
        message.event = SimEvent::TcpConnected;
        message.transport = SimTransport::Tcp;
        message.localAddress = socket->localAddress();
        message.localPort = socket->localPort();
        message.peerAddress = link.peer;
        message.peerPort = link.peerPort;
        record(message);
        if (socket->bytesAvailable() > 0)
            onLinkReadyRead(socket);
    }
}

void SimCamera::onLinkReadyRead(QTcpSocket *socket)
{
    auto it = m_links.find(socket);
    if (it == m_links.end())
        return;
    it->second.reader.append(socket->readAll());
    for (;;) {
        // Handling a frame may end the link (a fault, or stop() from a receiver of our signals).
        it = m_links.find(socket);
        if (it == m_links.end())
            return;
        SimControlFrame frame;
        const SimControlFrameReader::Status status = it->second.reader.next(&frame);
        if (status == SimControlFrameReader::Status::NeedMore)
            return;
        if (status == SimControlFrameReader::Status::Oversized) {
            SimMessage message;
            message.event = SimEvent::BadFrame;
            message.transport = SimTransport::Tcp;
            message.localAddress = socket->localAddress();
            message.localPort = socket->localPort();
            message.peerAddress = it->second.peer;
            message.peerPort = it->second.peerPort;
            message.framePort = frame.port;
            message.payload = frame.payload;
            record(message);
            // Nothing after such a header can be trusted; a camera drops the link.
            socket->abort();
            if (m_links.count(socket))
                onLinkClosed(socket);
            return;
        }
        handleFrame(socket, frame);
    }
}

void SimCamera::handleFrame(QTcpSocket *socket, const SimControlFrame &frame)
{
    const auto it = m_links.find(socket);
    SimPorts ports;
    SimFault fault;
    {
        QMutexLocker lock(&m_mutex);
        ports = m_ports;
        fault = m_fault;
    }
    SimMessage message;
    message.transport = SimTransport::Tcp;
    message.localAddress = socket->localAddress();
    message.localPort = socket->localPort();
    message.peerAddress = it->second.peer;
    message.peerPort = it->second.peerPort;
    message.framePort = frame.port;
    message.payload = frame.payload;
    // The header names the camera's own port even when the tool reaches it through mapped ports.
    if (frame.payload.isEmpty())
        message.channel = SimChannel::KeepAlive;
    else if (frame.port == simuot::kTextPort || frame.port == ports.text)
        message.channel = SimChannel::Text;
    else if (frame.port == simuot::kViscaPort || frame.port == ports.visca)
        message.channel = SimChannel::Visca;
    record(message);
    if (!m_links.count(socket))
        return;

    if (fault == SimFault::CloseTcp) {
        socket->disconnectFromHost();
        return;
    }
    QVector<QByteArray> answers;
    {
        QMutexLocker lock(&m_mutex);
        if (message.channel == SimChannel::Text) {
            const QByteArray answer = simtext::answer(m_state, frame.payload);
            if (!answer.isEmpty())
                answers << answer;
        } else if (message.channel == SimChannel::Visca) {
            answers = simvisca::answer(m_state, frame.payload);
        }
    }
    if (message.channel == SimChannel::Visca)
        emit headMoved();
    Route route;
    route.transport = SimTransport::Tcp;
    route.tcp = socket;
    route.peer = message.peerAddress;
    route.peerPort = message.peerPort;
    respond(route, message, answers);
}

void SimCamera::onLinkClosed(QTcpSocket *socket)
{
    const auto it = m_links.find(socket);
    if (it == m_links.end())
        return;
    SimMessage message;
    message.event = SimEvent::TcpClosed;
    message.transport = SimTransport::Tcp;
    message.localAddress = socket->localAddress();
    message.localPort = socket->localPort();
    message.peerAddress = it->second.peer;
    message.peerPort = it->second.peerPort;
    m_links.erase(it);
    --m_linkCount;
    socket->deleteLater();
    record(message);
}

// ---------------------------------------------------------------------------------------------
// Answering

void SimCamera::respond(const Route &route, const SimMessage &request, QVector<QByteArray> answers)
{
    SimFault fault;
    int delayMs;
    Responder responder;
    {
        QMutexLocker lock(&m_mutex);
        fault = m_fault;
        delayMs = m_faultDelayMs;
        responder = m_responder;
    }
    if (responder)
        answers = responder(request, answers);
    answers.erase(std::remove_if(answers.begin(), answers.end(), [](const QByteArray &a) { return a.isEmpty(); }),
                  answers.end());
    if (answers.isEmpty())
        return;
    const SimChannel channel = request.channel;
    if (fault == SimFault::Silent)
        return;
    if (fault == SimFault::Slow) {
        const quint64 generation = m_generation;
        QTimer::singleShot(delayMs, this, [this, route, channel, answers, generation] {
            if (generation == m_generation && m_running.load())
                transmit(route, channel, answers, SimFault::None);
        });
        return;
    }
    transmit(route, channel, answers, fault);
}

void SimCamera::transmit(const Route &route, SimChannel channel, const QVector<QByteArray> &answers, SimFault fault)
{
    const bool tcp = route.transport == SimTransport::Tcp;
    const quint32 port = channel == SimChannel::Visca ? simuot::kViscaPort : simuot::kTextPort;
    auto proper = [&](const QByteArray &answer) {
        if (tcp)
            write(route, channel, simuot::frame(port, answer), port);
        else
            write(route, channel, answer, 0);
    };
    for (const QByteArray &answer : answers) {
        switch (fault) {
        case SimFault::Garbage:
            write(route, SimChannel::Other, garbage(), 0);
            break;
        case SimFault::GarbageBefore:
            write(route, SimChannel::Other, garbage(), 0);
            proper(answer);
            break;
        case SimFault::Truncated:
            // The first answer is cut and nothing follows it.
            if (tcp)
                write(route, channel, simuot::frame(port, answer).left(simuot::kHeaderSize + answer.size() / 2), port);
            else
                write(route, channel, answer.left(answer.size() / 2), 0);
            return;
        case SimFault::AbsurdLength:
            if (tcp)
                write(route, channel, simuot::header(port, simfault::kAbsurdFrameLength) + answer, port);
            else
                proper(answer);
            break;
        case SimFault::ForeignPort:
            if (tcp)
                write(route, channel, simuot::frame(simfault::kForeignPort, answer), simfault::kForeignPort);
            proper(answer);
            break;
        case SimFault::None:
        case SimFault::Silent:
        case SimFault::Slow:
        case SimFault::CloseTcp:
            proper(answer);
            break;
        }
    }
}

void SimCamera::write(const Route &route, SimChannel channel, const QByteArray &bytes, quint32 framePort)
{
    SimMessage message;
    message.direction = SimDirection::Sent;
    message.transport = route.transport;
    message.channel = channel;
    message.peerAddress = route.peer;
    message.peerPort = route.peerPort;
    message.payload = bytes;
    if (route.transport == SimTransport::Tcp) {
        if (!route.tcp || route.tcp->state() != QAbstractSocket::ConnectedState)
            return;
        message.localAddress = route.tcp->localAddress();
        message.localPort = route.tcp->localPort();
        message.framePort = framePort;
        route.tcp->write(bytes);
    } else {
        if (!route.udp)
            return;
        message.localAddress = route.udp->localAddress();
        message.localPort = route.udp->localPort();
        route.udp->writeDatagram(bytes, route.peer, route.peerPort);
    }
    record(message);
}

void SimCamera::setResponder(const Responder &responder)
{
    QMutexLocker lock(&m_mutex);
    m_responder = responder;
}

int SimCamera::pushToLinks(const QByteArray &bytes)
{
    int written = 0;
    inOwnThread([&] {
        for (const auto &link : m_links) {
            Route route;
            route.transport = SimTransport::Tcp;
            route.tcp = link.first;
            route.peer = link.second.peer;
            route.peerPort = link.second.peerPort;
            write(route, SimChannel::Other, bytes, 0);
            ++written;
        }
    });
    return written;
}

int SimCamera::pushFrameToLinks(quint32 port, const QByteArray &payload)
{
    int written = 0;
    const SimChannel channel = port == simuot::kViscaPort ? SimChannel::Visca
        : port == simuot::kTextPort                       ? SimChannel::Text
                                                          : SimChannel::Other;
    inOwnThread([&] {
        for (const auto &link : m_links) {
            Route route;
            route.transport = SimTransport::Tcp;
            route.tcp = link.first;
            route.peer = link.second.peer;
            route.peerPort = link.second.peerPort;
            write(route, channel, simuot::frame(port, payload), port);
            ++written;
        }
    });
    return written;
}

bool SimCamera::pushDatagram(bool fromViscaPort, const QByteArray &payload, const QHostAddress &address, quint16 port)
{
    bool written = false;
    inOwnThread([&] {
        Route route;
        route.udp = fromViscaPort ? m_viscaSocket : m_textSocket;
        route.peer = address;
        route.peerPort = port;
        if (!route.udp)
            return;
        write(route, fromViscaPort ? SimChannel::Visca : SimChannel::Text, payload, 0);
        written = true;
    });
    return written;
}

QByteArray SimCamera::garbage()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        QByteArray bytes(kMinGarbage + int(m_garbage.bounded(kGarbageSpread)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(m_garbage.bounded(256));
        // Nothing in it may look like the start of a frame.
        if (!bytes.contains(QByteArray("UOT", 3)))
            return bytes;
    }
}

// ---------------------------------------------------------------------------------------------
// Record

void SimCamera::record(SimMessage &message)
{
    message.timeMs = simClockMs();
    {
        QMutexLocker lock(&m_recordMutex);
        if (message.direction == SimDirection::Received)
            m_received.append(message);
        else
            m_sent.append(message);
    }
    if (message.direction == SimDirection::Received)
        emit messageReceived(message);
    else
        emit messageSent(message);
}

QVector<SimMessage> SimCamera::received() const
{
    QMutexLocker lock(&m_recordMutex);
    return m_received;
}

QVector<SimMessage> SimCamera::sent() const
{
    QMutexLocker lock(&m_recordMutex);
    return m_sent;
}

int SimCamera::receivedCount() const
{
    QMutexLocker lock(&m_recordMutex);
    return m_received.size();
}

int SimCamera::sentCount() const
{
    QMutexLocker lock(&m_recordMutex);
    return m_sent.size();
}

void SimCamera::clearRecords()
{
    QMutexLocker lock(&m_recordMutex);
    m_received.clear();
    m_sent.clear();
}

std::optional<SimMessage> SimCamera::waitForMessage(const Predicate &predicate, int timeoutMs, int from) const
{
    return waitIn(m_received, predicate, timeoutMs, from);
}

std::optional<SimMessage> SimCamera::waitForSent(const Predicate &predicate, int timeoutMs, int from) const
{
    return waitIn(m_sent, predicate, timeoutMs, from);
}

std::optional<SimMessage> SimCamera::waitIn(const QVector<SimMessage> &log, const Predicate &predicate, int timeoutMs,
                                            int from) const
{
    const QDeadlineTimer deadline(qBound(0, timeoutMs, kMaxWaitMs));
    auto *self = const_cast<SimCamera *>(this);
    for (;;) {
        {
            QMutexLocker lock(&m_recordMutex);
            for (int i = qMax(0, from); i < log.size(); ++i) {
                if (predicate(log.at(i)))
                    return log.at(i);
            }
        }
        if (deadline.hasExpired())
            return std::nullopt;
        // A new entry (from this thread or the camera's) ends the round early; otherwise the
        // round ends after kWaitRoundMs, blocking in the event dispatcher meanwhile.
        QEventLoop round;
        QTimer wake;
        wake.setSingleShot(true);
        connect(&wake, &QTimer::timeout, &round, &QEventLoop::quit);
        connect(self, &SimCamera::messageReceived, &round, &QEventLoop::quit);
        connect(self, &SimCamera::messageSent, &round, &QEventLoop::quit);
        wake.start(int(qMin<qint64>(kWaitRoundMs, qMax<qint64>(1, deadline.remainingTime()))));
        round.exec();
    }
}
