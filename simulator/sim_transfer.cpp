#include "sim_transfer.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using simtransfer::Layout;

namespace {
constexpr qint32 kOversizedLength = 0x7FFFFFFF;
constexpr qint32 kOverBlockLength = 4096;
constexpr qint32 kQueryStep = 10; // the Query button's; an upgrade's own version check is step 9

QByteArray md5Hex(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex(); }

QByteArray textOf(const QByteArray &block)
{
    const int zero = block.indexOf('\0');
    return zero < 0 ? block : block.left(zero);
}
} // namespace

SimTransferService::SimTransferService(const QString &address, QObject *parent)
    : QObject(parent)
    , m_address(address)
{
    for (int i = 0; i < 5000; ++i)
        m_fullArchive.append(char((i * 7 + i / 13) & 0xff));
    for (int i = 0; i < 4500; ++i)
        m_roleArchive.append(char((i * 31 + 5) & 0xff));
}

SimTransferService::~SimTransferService() { stop(); }

void SimTransferService::setPorts(quint16 backupPort, quint16 parameterPort)
{
    m_backupPort = backupPort;
    m_parameterPort = parameterPort;
}

void SimTransferService::setVersion(const QByteArray &text, const QByteArray &listing)
{
    m_versionText = text;
    m_listing = listing;
}

void SimTransferService::setRoleArchive(const QByteArray &name, const QByteArray &bytes)
{
    m_roleName = name;
    m_roleArchive = bytes;
}

bool SimTransferService::start()
{
    const QHostAddress address(m_address);
    if (!address.isInSubnet(QHostAddress(QStringLiteral("127.0.0.0")), 8)) {
        m_lastError = QStringLiteral("%1 is no loopback address").arg(m_address);
        return false;
    }
    m_running = true;
    if (!listen()) {
        stop();
        return false;
    }
    return true;
}

bool SimTransferService::listen()
{
    if (!m_running || m_fault == SimTransferFault::Refuse || m_backupServer)
        return true;
    m_backupServer = new QTcpServer(this);
    m_parameterServer = new QTcpServer(this);
    for (auto [server, port] : {std::pair{m_backupServer, m_backupPort}, std::pair{m_parameterServer, m_parameterPort}}) {
        if (!server->listen(QHostAddress(m_address), port)) {
            m_lastError = QStringLiteral("port %1: %2").arg(port).arg(server->errorString());
            return false;
        }
        connect(server, &QTcpServer::newConnection, this, [this, server = server, port = port] { onNewConnection(server, port); });
    }
    return true;
}

void SimTransferService::stop()
{
    delete m_backupServer;
    delete m_parameterServer;
    m_backupServer = nullptr;
    m_parameterServer = nullptr;
    const auto sockets = m_links.keys();
    m_links.clear();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_running = false;
}

void SimTransferService::setFault(SimTransferFault fault)
{
    m_fault = fault;
    if (fault == SimTransferFault::Refuse) {
        delete m_backupServer;
        delete m_parameterServer;
        m_backupServer = nullptr;
        m_parameterServer = nullptr;
    } else if (!listen()) {
        stop();
    }
}

Layout SimTransferService::layoutFor(quint16 port) const { return port == m_parameterPort ? Layout::Long : m_layout; }

void SimTransferService::onNewConnection(QTcpServer *server, quint16 port)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        ++m_connectionCount;
        socket->setParent(this);
        Link link;
        link.port = port;
        m_links.insert(socket, link);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_links.remove(socket);
            socket->deleteLater();
        });
    }
}

void SimTransferService::onReadyRead(QTcpSocket *socket)
{
    auto it = m_links.find(socket);
    if (it == m_links.end())
        return;
    it->buffer.append(socket->readAll());
    if (it->silent) {
        it->buffer.clear();
        return;
    }
    while (m_links.contains(socket)) {
        Link &link = m_links[socket];
        if (link.receiving >= 0) {
            takeFileBytes(socket, link);
            if (!m_links.contains(socket) || m_links[socket].receiving >= 0)
                return;
            continue;
        }
        const int size = simtransfer::packetBytes(layoutFor(link.port));
        if (link.buffer.size() < size)
            return;
        const simtransfer::Packet request = simtransfer::read(link.buffer.left(size), layoutFor(link.port));
        link.buffer.remove(0, size);
        handleRequest(socket, link, request);
    }
}

void SimTransferService::handleRequest(QTcpSocket *socket, Link &link, const simtransfer::Packet &request)
{
    SimTransferRecord record;
    record.port = link.port;
    record.letter = request.letter;
    record.step = request.step;
    record.length = request.length;
    record.parameter = request.parameter;
    record.text = request.text;
    record.md5 = textOf(request.block);
    m_records.append(record);

    if (m_fault == SimTransferFault::CloseBeforeFirstPacket) {
        socket->disconnectFromHost();
        return;
    }
    if (m_fault == SimTransferFault::SilentMidTransfer && request.letter == 'Q' && request.step == kQueryStep) {
        link.silent = true;
        return;
    }
    const auto script = m_scripts.constFind(request.letter);
    if (script != m_scripts.constEnd()) {
        queue(socket, *script);
        return;
    }
    const Layout layout = layoutFor(link.port);
    switch (request.letter) {
    case 'Q': {
        const QByteArray reply = simtransfer::packet('Q', 0, request.step, m_versionText, m_listing, layout);
        if (m_replyDelayMs > 0) {
            QPointer<QTcpSocket> guard(socket);
            QTimer::singleShot(m_replyDelayMs, this, [this, guard, reply] {
                if (guard && m_links.contains(guard))
                    queue(guard, {reply});
            });
        } else {
            queue(socket, {reply});
        }
        break;
    }
    case 'U':
        link.receiving = m_records.size() - 1;
        queue(socket, {simtransfer::packet('U', 0, 0, QByteArray(), QByteArray(), layout)});
        break;
    case 'R':
        link.receiving = m_records.size() - 1;
        queue(socket, {simtransfer::packet('R', 0, 3)});
        break;
    case 'B': {
        const bool role = link.port == m_parameterPort;
        queue(socket, archivePackets(role ? m_roleName : QByteArray("data.tar.gz"), role ? m_roleArchive : m_fullArchive, role),
              m_fault != SimTransferFault::SilentMidTransfer && (!role || m_fault == SimTransferFault::StopMidTransfer));
        break;
    }
    default:
        break;
    }
}

void SimTransferService::takeFileBytes(QTcpSocket *socket, Link &link)
{
    SimTransferRecord &record = m_records[link.receiving];
    const int want = int(qMax<qint64>(0, qint64(record.length) - record.file.size()));
    const QByteArray bytes = link.buffer.left(want);
    link.buffer.remove(0, bytes.size());
    record.file.append(bytes);
    if (m_fault == SimTransferFault::StopMidTransfer && record.file.size() >= record.length / 2 && record.length > 0) {
        link.receiving = -1;
        m_links.remove(socket);
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (m_fault == SimTransferFault::SilentMidTransfer && record.file.size() >= record.length / 2) {
        link.receiving = -1;
        link.silent = true;
        link.buffer.clear();
        return;
    }
    if (record.file.size() < record.length)
        return;
    link.receiving = -1;
    fileComplete(socket, link, record);
}

void SimTransferService::fileComplete(QTcpSocket *socket, Link &link, SimTransferRecord &record)
{
    record.complete = true;
    const bool good = m_fault != SimTransferFault::WrongMd5 && md5Hex(record.file) == record.md5;
    const Layout layout = layoutFor(link.port);
    if (record.letter == 'U') {
        if (good)
            queue(socket, {simtransfer::packet('U', 0, 3, {}, {}, layout), simtransfer::packet('U', 0, 5, {}, {}, layout),
                           simtransfer::packet('U', 0, m_finalStep, {}, {}, layout)});
        else
            queue(socket, {simtransfer::packet('U', 0, 6, {}, {}, layout)});
    } else {
        queue(socket, {simtransfer::packet('R', 0, 4), simtransfer::packet('R', 0, good ? 6 : 5)});
    }
}

QVector<QByteArray> SimTransferService::archivePackets(const QByteArray &name, const QByteArray &bytes, bool role) const
{
    QByteArray md5 = md5Hex(bytes);
    if (m_fault == SimTransferFault::WrongMd5)
        md5 = md5Hex(bytes + "damaged");
    const qint32 announced = m_fault == SimTransferFault::OversizedLength ? kOversizedLength : qint32(bytes.size());
    QVector<QByteArray> packets{simtransfer::packet('B', announced, 1, name, md5)};
    QVector<QByteArray> data;
    for (int at = 0; at < bytes.size(); at += simtransfer::kBlockBytes) {
        const QByteArray chunk = bytes.mid(at, simtransfer::kBlockBytes);
        const qint32 length = m_fault == SimTransferFault::DataLengthOverBlock && at == 0 ? kOverBlockLength : chunk.size();
        data.append(simtransfer::packet('B', length, 2, QByteArray(), chunk));
    }
    const bool cut = m_fault == SimTransferFault::StopMidTransfer || m_fault == SimTransferFault::SilentMidTransfer;
    if (cut)
        data.resize(data.size() / 2);
    packets += data;
    // The bad length's camera counts on the tool finishing by the announced size: no step 3.
    if (role && !cut && m_fault != SimTransferFault::DataLengthOverBlock)
        packets.append(simtransfer::packet('B', 0, 3));
    return packets;
}

void SimTransferService::queue(QTcpSocket *socket, const QVector<QByteArray> &packets, bool closeAfter)
{
    auto it = m_links.find(socket);
    if (it == m_links.end())
        return;
    if (m_fault == SimTransferFault::PacketsTogether) {
        QByteArray all;
        for (const QByteArray &p : packets)
            all += p;
        it->outgoing.append(all);
    } else {
        it->outgoing += packets;
    }
    it->closeAfterSending = it->closeAfterSending || closeAfter;
    if (!it->sending) {
        it->sending = true;
        sendNext(socket);
    }
}

void SimTransferService::sendNext(QTcpSocket *socket)
{
    auto it = m_links.find(socket);
    if (it == m_links.end())
        return;
    if (it->outgoing.isEmpty()) {
        it->sending = false;
        if (it->closeAfterSending)
            socket->disconnectFromHost();
        return;
    }
    socket->write(it->outgoing.takeFirst());
    socket->flush();
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(1, this, [this, guard] {
        if (guard)
            sendNext(guard);
    });
}

void SimTransferService::pushToLinks(const QByteArray &bytes)
{
    for (auto it = m_links.begin(); it != m_links.end(); ++it)
        it.key()->write(bytes);
}
