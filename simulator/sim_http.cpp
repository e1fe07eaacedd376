#include "sim_http.h"

#include "sim_deflate.h"
#include "sim_message.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

constexpr int kMaxHeaderBytes = 16 * 1024;
constexpr int kMaxBodyBytes = 1024 * 1024;
constexpr int kMaxWaitMs = 60000;
constexpr int kWaitRoundMs = 50;
const QByteArray kCgiPath = "/cgi-bin/param.cgi";
const QByteArray kTrackConf = "/data/track.conf";

// The settings of a new camera, in the order of its track.conf.
const char *const kDefaultValues[][2] = {
    {"common.track_mode", "1"},
    {"common.track", "1"},
    {"common.debug_mode", "0"},
    {"common.osd_mode", "0"},
    {"tracking.return_preset_time", "6"},
    {"tracking.preset", "-1"},
    {"tracking.body", "1"},
    {"tracking.body_mode", "1"},
    {"tracking.body_thresh", "141"},
    {"tracking.auto_zoom", "1"},
    {"tracking.auto_tilt", "0"},
    {"tracking.stop_direction", "0"},
    {"tracking.area.enable", "0"},
    {"tracking.area.left_up_x", "0"},
    {"tracking.area.left_up_y", "0"},
    {"tracking.area.right_down_x", "1920"},
    {"tracking.area.right_down_y", "1080"},
    {"autoframe.zoom_thresh", "50"},
    {"region.preset", "1"},
    {"tracking.server_enable", "0"},
    {"tracking.server_addr", "192.168.1.200"},
    {"tracking.server_port", "9999"},
    {"tracking.times", "120"},
};

// The director server settings travel only in get_path's JSON answer.
bool isServerKey(const QString &key)
{
    return key.startsWith(QLatin1String("tracking.server_")) || key == QLatin1String("tracking.times");
}

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 411: return "Length Required";
    case 413: return "Payload Too Large";
    case 431: return "Request Header Fields Too Large";
    default: return "Error";
    }
}

// A form value: "+" is a blank, then %XX sequences are bytes of UTF-8 text.
QString formDecode(const QByteArray &part)
{
    QByteArray bytes = part;
    bytes.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

} // namespace

QString SimHttpRequest::describe() const
{
    return QStringLiteral("%1 %2 login=%3 body=%4 -> %5")
        .arg(QString::fromLatin1(method), QString::fromLatin1(target),
             hasLogin ? user + (authorized ? QStringLiteral(" (ok)") : QStringLiteral(" (refused)")) : QStringLiteral("none"),
             QString::fromUtf8(body.left(200)), status ? QString::number(status) : QStringLiteral("no answer"));
}

SimHttpService::SimHttpService(const QString &address, quint16 port, QObject *parent)
    : QObject(parent)
    , m_address(address)
    , m_port(port)
{
    resetValues();
}

SimHttpService::~SimHttpService() { stop(); }

bool SimHttpService::start()
{
    if (m_server)
        return true;
    const QHostAddress host(m_address);
    if (host.protocol() != QAbstractSocket::IPv4Protocol || !host.isLoopback()) {
        m_lastError = QStringLiteral("not a loopback address (127.0.0.0/8): %1").arg(m_address);
        return false;
    }
    m_server = new QTcpServer(this);
    if (!m_server->listen(host, m_port)) {
        m_lastError = QStringLiteral("HTTP %1:%2: %3").arg(m_address).arg(m_port).arg(m_server->errorString());
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QTcpServer::newConnection, this, &SimHttpService::onNewConnection);
    return true;
}

void SimHttpService::stop()
{
    const auto sockets = m_buffers.keys();
    m_buffers.clear();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    delete m_server;
    m_server = nullptr;
}

bool SimHttpService::isRunning() const { return m_server && m_server->isListening(); }

quint16 SimHttpService::port() const { return m_server ? m_server->serverPort() : m_port; }

void SimHttpService::setLogin(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
}

QString SimHttpService::value(const QString &key) const
{
    for (const auto &pair : m_values) {
        if (pair.first == key)
            return pair.second;
    }
    return QString();
}

void SimHttpService::setValue(const QString &key, const QString &value)
{
    for (auto &pair : m_values) {
        if (pair.first == key) {
            pair.second = value;
            return;
        }
    }
    m_values.append({key, value});
}

void SimHttpService::resetValues()
{
    m_values.clear();
    for (const auto &row : kDefaultValues)
        m_values.append({QString::fromLatin1(row[0]), QString::fromLatin1(row[1])});
}

std::optional<SimHttpRequest> SimHttpService::waitForRequest(const Predicate &predicate, int timeoutMs, int from)
{
    const QDeadlineTimer deadline(qBound(0, timeoutMs, kMaxWaitMs));
    for (;;) {
        for (int i = qMax(0, from); i < m_requests.size(); ++i) {
            if (predicate(m_requests.at(i)))
                return m_requests.at(i);
        }
        if (deadline.hasExpired())
            return std::nullopt;
        QEventLoop round;
        QTimer wake;
        wake.setSingleShot(true);
        connect(&wake, &QTimer::timeout, &round, &QEventLoop::quit);
        connect(this, &SimHttpService::requestHandled, &round, &QEventLoop::quit);
        wake.start(int(qMin<qint64>(kWaitRoundMs, qMax<qint64>(1, deadline.remainingTime()))));
        round.exec();
    }
}

void SimHttpService::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void SimHttpService::onReadyRead(QTcpSocket *socket)
{
    auto it = m_buffers.find(socket);
    if (it == m_buffers.end())
        return;
    it.value() += socket->readAll();
    SimHttpRequest request;
    if (!takeRequest(it.value(), request))
        return;
    // One request per connection: whatever follows it is not read.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    if (request.status == 0 && m_fault == SimHttpFault::Silent) {
        record(request);
        return;
    }
    Answer answer;
    if (request.status != 0) {
        answer.status = request.status;
        answer.body = reason(request.status);
    } else {
        answer = answerFor(request);
        if (m_fault != SimHttpFault::None && answer.status == 200) {
            respondWithFault(socket, request, answer);
            return;
        }
    }
    respond(socket, request, answer);
}

bool SimHttpService::takeRequest(QByteArray &buffer, SimHttpRequest &request) const
{
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (buffer.size() > kMaxHeaderBytes) {
            request.status = 431;
            return true;
        }
        return false;
    }
    if (headerEnd > kMaxHeaderBytes) {
        request.status = 431;
        return true;
    }
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine.at(2).startsWith("HTTP/1.")) {
        request.status = 400;
        return true;
    }
    request.method = requestLine.at(0);
    request.target = requestLine.at(1);
    const int query = request.target.indexOf('?');
    request.path = query < 0 ? request.target : request.target.left(query);
    request.action = query < 0 ? QByteArray() : request.target.mid(query + 1);
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon <= 0) {
            request.status = 400;
            return true;
        }
        request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }

    int length = 0;
    if (request.headers.contains("content-length")) {
        bool ok = false;
        length = request.headers.value("content-length").toInt(&ok);
        if (!ok || length < 0) {
            request.status = 400;
            return true;
        }
        if (length > kMaxBodyBytes) {
            request.status = 413;
            return true;
        }
    } else if (request.method == "POST") {
        request.status = 411;
        return true;
    }
    const int bodyStart = headerEnd + 4;
    if (buffer.size() - bodyStart < length)
        return false;
    request.body = buffer.mid(bodyStart, length);
    buffer.remove(0, bodyStart + length);

    const QByteArray authorization = request.headers.value("authorization");
    if (authorization.startsWith("Basic ")) {
        const QByteArray login = QByteArray::fromBase64(authorization.mid(6).trimmed());
        const int colon = login.indexOf(':');
        if (colon >= 0) {
            request.hasLogin = true;
            request.user = QString::fromUtf8(login.left(colon));
            request.password = QString::fromUtf8(login.mid(colon + 1));
        }
    }
    return true;
}

SimHttpService::Answer SimHttpService::answerFor(SimHttpRequest &request)
{
    request.authorized = request.hasLogin && request.user == m_user && request.password == m_password;
    if (!request.authorized)
        return {401, "text/plain", "Unauthorized"};
    if (request.path != kCgiPath)
        return {404, "text/plain", "Not Found"};

    struct Route {
        const char *action;
        const char *method;
    };
    static const Route kRoutes[] = {{"getfulltrack", "GET"},  {"get_path", "POST"},       {"postfulltrack", "POST"},
                                    {"postfulltrack2", "POST"}, {"effect_area", "POST"}};
    const Route *route = nullptr;
    for (const Route &r : kRoutes) {
        if (request.action == r.action)
            route = &r;
    }
    if (!route)
        return {404, "text/plain", "Not Found"};
    if (request.method != route->method)
        return {405, "text/plain", "Method Not Allowed"};

    const QByteArray contentType = request.header("content-type").split(';').first().trimmed().toLower();
    if (request.action == "getfulltrack")
        return getFullTrack();
    if (request.action == "get_path" || request.action == "effect_area") {
        if (contentType != "application/json")
            return {400, "text/plain", "Bad Request"};
        return request.action == "get_path" ? getPath(request) : storeJson(request);
    }
    if (contentType != "application/x-www-form-urlencoded")
        return {400, "text/plain", "Bad Request"};
    return storeForm(request);
}

SimHttpService::Answer SimHttpService::getFullTrack() const
{
    QByteArray text;
    for (const auto &pair : m_values) {
        if (!isServerKey(pair.first))
            text += pair.first.toUtf8() + '=' + pair.second.toUtf8() + '\n';
    }
    return {200, "text/plain", text};
}

SimHttpService::Answer SimHttpService::getPath(const SimHttpRequest &request) const
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {400, "text/plain", "Bad Request"};
    if (document.object().value(QStringLiteral("path")).toString().toUtf8() != kTrackConf)
        return {404, "application/json", R"({"error": "no such file"})"};
    QJsonObject data;
    for (const auto &pair : m_values)
        data.insert(pair.first, pair.second);
    return {200, "application/json", QJsonDocument(QJsonObject{{QStringLiteral("data"), data}}).toJson()};
}

SimHttpService::Answer SimHttpService::storeForm(const SimHttpRequest &request)
{
    QVector<QPair<QString, QString>> pairs;
    for (const QByteArray &part : request.body.split('&')) {
        const int eq = part.indexOf('=');
        if (eq <= 0)
            return {400, "text/plain", "Bad Request"};
        pairs.append({formDecode(part.left(eq)), formDecode(part.mid(eq + 1))});
    }
    for (const auto &pair : pairs)
        setValue(pair.first, pair.second);
    return {200, "text/plain", "OK"};
}

SimHttpService::Answer SimHttpService::storeJson(const SimHttpRequest &request)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {400, "text/plain", "Bad Request"};
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue v = it.value();
        setValue(it.key(), v.isDouble() ? QString::number(v.toDouble(), 'g', 15) : v.toVariant().toString());
    }
    return {200, "text/plain", "OK"};
}

QByteArray SimHttpService::headerBlock(const Answer &answer, bool withLength, const QByteArray &encoding)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reason(answer.status) + "\r\n";
    if (answer.status == 401)
        bytes += "WWW-Authenticate: Basic realm=\"camera\"\r\n";
    bytes += "Content-Type: " + answer.contentType + "\r\n";
    if (!encoding.isEmpty())
        bytes += "Content-Encoding: " + encoding + "\r\n";
    if (withLength)
        bytes += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    bytes += "Connection: close\r\n\r\n";
    return bytes;
}

void SimHttpService::respond(QTcpSocket *socket, SimHttpRequest &request, const Answer &answer)
{
    request.status = answer.status;
    request.answer = answer.body;
    socket->write(headerBlock(answer, true) + answer.body);
    socket->disconnectFromHost();
    record(request);
}

void SimHttpService::respondWithFault(QTcpSocket *socket, SimHttpRequest &request, const Answer &answer)
{
    if (m_fault == SimHttpFault::Trickled) {
        request.status = answer.status;
        request.answer = answer.body;
        record(request);
        // The timer belongs to the socket: a client that leaves ends the trickle.
        auto *tick = new QTimer(socket);
        socket->write(headerBlock(answer, true));
        auto rest = std::make_shared<QByteArray>(answer.body);
        connect(tick, &QTimer::timeout, socket, [socket, tick, rest] {
            socket->write(rest->left(1));
            rest->remove(0, 1);
            if (rest->isEmpty()) {
                tick->stop();
                socket->disconnectFromHost();
            }
        });
        tick->start(m_trickleIntervalMs);
        return;
    }
    if (m_fault == SimHttpFault::Gzipped || m_fault == SimHttpFault::Deflated) {
        const bool gzip = m_fault == SimHttpFault::Gzipped;
        Answer packed = answer;
        packed.body = gzip ? simdeflate::gzipRun('x', m_oversizeBytes) : simdeflate::zlibRun('x', m_oversizeBytes);
        request.status = packed.status;
        request.answer = packed.body.left(200);
        socket->write(headerBlock(packed, true, gzip ? "gzip" : "deflate") + packed.body);
        socket->disconnectFromHost();
        record(request);
        return;
    }
    // A body of the given size, the lines of the real answer over and over.
    Answer large = answer;
    large.body.clear();
    large.body.reserve(m_oversizeBytes);
    while (large.body.size() < m_oversizeBytes)
        large.body += answer.body.isEmpty() ? QByteArray("x") : answer.body;
    large.body.truncate(m_oversizeBytes);
    request.status = large.status;
    request.answer = large.body.left(200);
    socket->write(headerBlock(large, m_fault == SimHttpFault::Oversized) + large.body);
    socket->disconnectFromHost();
    record(request);
}

void SimHttpService::record(SimHttpRequest &request)
{
    request.timeMs = simClockMs();
    m_requests.append(request);
    emit requestHandled(request);
}
