#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class QTcpServer;
class QTcpSocket;

// One request the HTTP interface took, with what it answered.
struct SimHttpRequest {
    QByteArray method;                   // "GET", "POST", ...
    QByteArray target;                   // as in the request line: "/cgi-bin/param.cgi?getfulltrack"
    QByteArray path;                     // the target before "?"
    QByteArray action;                   // the target after "?", as sent
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    bool hasLogin = false;               // a Basic "Authorization" header came
    QString user;                        // its user and password, decoded
    QString password;
    bool authorized = false;             // the login matched
    int status = 0;                      // the status answered; 0 when nothing was answered
    QByteArray answer;                   // the body answered
    qint64 timeMs = 0;                   // simClockMs() when recorded

    QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
    // One line for a console or a test's failure message.
    QString describe() const;
};

// What the HTTP interface does wrong on purpose.
enum class SimHttpFault {
    None,
    Silent,               // takes the connection and the request, answers nothing and keeps the connection
    Trickled,             // sends its header, then the body one byte at a time (setTrickleIntervalMs)
    Oversized,            // a 200 answer of oversizeBytes() bytes, announced by Content-Length
    OversizedUnannounced, // the same without Content-Length: the end of the connection ends it
    Gzipped,              // a 200 answer that inflates to oversizeBytes() bytes, sent as "Content-Encoding:
                          // gzip" whatever the request accepts (a few hundred KiB per 64 MiB)
    Deflated,             // the same as "Content-Encoding: deflate" (a zlib stream)
};

// The HTTP parameter interface of a lectern-mode camera: a small HTTP/1.1 server on one
// loopback address (port 80 on a camera) that answers "/cgi-bin/param.cgi?<action>" behind a
// Basic login. It holds the camera's lectern settings ("track.conf": key=value pairs in order)
// and records every request. Written apart from the tool's HTTP code.
//
// | action           | method, body                                  | answer                                  |
// |------------------|-----------------------------------------------|-----------------------------------------|
// | `getfulltrack`   | GET                                           | text, one key=value line per setting but the director server ones |
// | `get_path`       | POST JSON {"path": "/data/track.conf"}        | JSON {"data": {every setting as a string}}; another path 404 |
// | `postfulltrack`  | POST form (application/x-www-form-urlencoded) | "OK"; each pair is stored (percent-decoded, "+" a blank) |
// | `postfulltrack2` | POST form                                     | the same                                |
// | `effect_area`    | POST JSON object                              | "OK"; each member is stored as its text |
//
// No login or a wrong one: 401 with a Basic challenge. Another path or action: 404; a method
// the action does not take: 405; a body of the wrong content type, or one that does not read:
// 400; a POST without Content-Length: 411; a header block above 16 KiB or a body above 1 MiB:
// 431 or 413. Every answer closes its connection ("Connection: close"). The faults bend only
// answers to requests that read (an authorized one, or a refused login).
//
// The service lives in the thread that created it and answers while that thread handles events;
// use it from that thread only.
class SimHttpService : public QObject
{
    Q_OBJECT

public:
    using Predicate = std::function<bool(const SimHttpRequest &)>;

    // The factory login of the cameras.
    static constexpr const char *kDefaultLogin = "qetul";

    explicit SimHttpService(const QString &address = QStringLiteral("127.0.0.2"), quint16 port = 80,
                            QObject *parent = nullptr);
    ~SimHttpService() override;

    // Listens on the address (127.0.0.0/8 only) and port; false (see lastError()) when it cannot.
    // stop() closes the port and every connection; settings and records are kept.
    bool start();
    void stop();
    bool isRunning() const;
    QString lastError() const { return m_lastError; }
    QString address() const { return m_address; }
    // The port it listens on (the one the system chose when created with 0).
    quint16 port() const;

    void setLogin(const QString &user, const QString &password);
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    void setFault(SimHttpFault fault) { m_fault = fault; }
    SimHttpFault fault() const { return m_fault; }
    // The pause between two bytes of a trickled answer (5 s unless set).
    void setTrickleIntervalMs(int ms) { m_trickleIntervalMs = ms; }
    // The body size of an oversized answer, or the inflated size of a compressed one (1 MiB unless set).
    void setOversizeBytes(int bytes) { m_oversizeBytes = bytes; }
    int oversizeBytes() const { return m_oversizeBytes; }

    // The lectern settings.
    QString value(const QString &key) const;
    void setValue(const QString &key, const QString &value);
    QVector<QPair<QString, QString>> values() const { return m_values; }
    // Back to the settings of a new camera.
    void resetValues();

    // What it took. A wait handles this thread's events for at most timeoutMs (bounded to one
    // minute) and returns the first request from index `from` on that matches.
    QVector<SimHttpRequest> requests() const { return m_requests; }
    int requestCount() const { return m_requests.size(); }
    void clearRecords() { m_requests.clear(); }
    std::optional<SimHttpRequest> waitForRequest(const Predicate &predicate, int timeoutMs, int from = 0);

signals:
    void requestHandled(const SimHttpRequest &request);

private:
    struct Answer {
        int status = 200;
        QByteArray contentType = "text/plain";
        QByteArray body;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    // Reads one whole request out of the buffer; false while it is not complete. A request that
    // cannot be read sets its status (400, 411, 413, 431) without waiting for more.
    bool takeRequest(QByteArray &buffer, SimHttpRequest &request) const;
    Answer answerFor(SimHttpRequest &request);
    Answer getFullTrack() const;
    Answer getPath(const SimHttpRequest &request) const;
    Answer storeForm(const SimHttpRequest &request);
    Answer storeJson(const SimHttpRequest &request);
    void respond(QTcpSocket *socket, SimHttpRequest &request, const Answer &answer);
    // The answer as the fault sends it: a trickle over time, or an oversized or compressed body.
    void respondWithFault(QTcpSocket *socket, SimHttpRequest &request, const Answer &answer);
    static QByteArray headerBlock(const Answer &answer, bool withLength, const QByteArray &encoding = QByteArray());
    void record(SimHttpRequest &request);

    QString m_address;
    quint16 m_port;
    QString m_user = QString::fromLatin1(kDefaultLogin);
    QString m_password = QString::fromLatin1(kDefaultLogin);
    SimHttpFault m_fault = SimHttpFault::None;
    int m_trickleIntervalMs = 5000;
    int m_oversizeBytes = 1024 * 1024;
    QString m_lastError;
    QVector<QPair<QString, QString>> m_values;
    QVector<SimHttpRequest> m_requests;
    QTcpServer *m_server = nullptr;
    QMap<QTcpSocket *, QByteArray> m_buffers;
};
