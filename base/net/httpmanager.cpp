#include "net/httpmanager.h"

#include "core/time_scale.h"
#include "protocol/lectern_reply.h"
#include "protocol/lectern_request.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// Cameras answer within a second. The limit holds for the whole request, not per byte: a
// camera that never answers, or trickles its answer, would otherwise hold the request (and one
// of the few connections per host) for good.
constexpr int kRequestTimeoutMs = 10000;
// Lectern answers are a few hundred bytes; anything far larger is no answer of a camera and
// is not kept in memory.
constexpr qint64 kMaxAnswerBytes = 64 * 1024;
// Why the program itself ended a reply; Qt then reports it only as cancelled.
const char *const kEndedBecause = "corvane_ended_because";

QString too_large() { return QStringLiteral("answer larger than %1 bytes").arg(kMaxAnswerBytes); }

// A request that asks for the answer as it is. Left to itself Qt asks for gzip and deflate and
// inflates in its network thread, out of sight of the size limit: a few hundred KiB on the wire
// would take hundreds of MiB before the first byte could be counted.
QNetworkRequest plain_request(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept-Encoding", "identity");
    return request;
}

// The reply's error text with every spelling of its URL replaced by the URL without password:
// Qt names the URL in some error texts.
QString error_text(const QNetworkReply *reply)
{
    const QVariant ended = reply->property(kEndedBecause);
    QString text = ended.isValid() ? ended.toString() : reply->errorString();
    const QUrl url = reply->request().url();
    if (!url.password().isEmpty()) {
        const QString safe = lectern_request::loggable(url);
        for (const QString &spelling : {url.toString(), url.toString(QUrl::FullyEncoded), url.toDisplayString()})
            text.replace(spelling, safe);
    }
    return text;
}

} // namespace

HttpManager::HttpManager(QObject *parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
{
    // The cameras are on the local network: a proxy of the environment is never asked.
    manager->setProxy(QNetworkProxy::NoProxy);
    connect(manager, &QNetworkAccessManager::finished, this, &HttpManager::onReplyFinished);
}

void HttpManager::bound(QNetworkReply *reply)
{
    const auto end = [reply](const QString &why) {
        if (reply->isFinished())
            return;
        reply->setProperty(kEndedBecause, why);
        reply->abort(); // finished, and with it onReplyFinished, comes at once
    };
    // Beyond the limit nothing more is buffered: the read stops there, and the check below ends it.
    reply->setReadBufferSize(kMaxAnswerBytes + 1);
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, end] {
        // Sent compressed although not asked to: the bytes could not be read as an answer.
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed();
        if (!encoding.isEmpty() && encoding.compare("identity", Qt::CaseInsensitive) != 0)
            end(QStringLiteral("answer in an encoding not asked for: %1").arg(QString::fromLatin1(encoding.left(64))));
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxAnswerBytes)
            end(too_large());
    });
    connect(reply, &QIODevice::readyRead, reply, [reply, end] {
        if (reply->bytesAvailable() > kMaxAnswerBytes)
            end(too_large());
    });
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    const int timeoutMs = timescale::scaled(kRequestTimeoutMs);
    connect(deadline, &QTimer::timeout, reply,
            [end, timeoutMs] { end(QStringLiteral("no whole answer within %1 ms").arg(timeoutMs)); });
    deadline->start(timeoutMs);
}

void HttpManager::sendGetRequest(const QUrl &url)
{
    qDebug() << "Sending GET request to:" << lectern_request::loggable(url);
    bound(manager->get(plain_request(url)));
}

void HttpManager::sendPostRequest(const QUrl &url, const QString &data)
{
    QNetworkRequest request = plain_request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    qDebug() << "Sending POST request to:" << lectern_request::loggable(url) << "with data:" << data;
    bound(manager->post(request, data.toUtf8()));
}

void HttpManager::sendJsonPostRequest(const QUrl &url, const QJsonObject &json)
{
    QNetworkRequest request = plain_request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    qDebug() << "Sending JSON POST request to:" << lectern_request::loggable(url) << "with data:" << json;
    bound(manager->post(request, lectern_request::json_body(json)));
}

void HttpManager::onReplyFinished(QNetworkReply *reply)
{
    if (reply->error() == QNetworkReply::NoError && reply->bytesAvailable() > kMaxAnswerBytes) {
        // Finished before its reads were seen: still too large to take.
        reply->setProperty(kEndedBecause, too_large());
    }
    if (reply->error() != QNetworkReply::NoError || reply->property(kEndedBecause).isValid()) {
        const QString error = error_text(reply);
        qDebug() << "Request error:" << error;
        emit requestError(error);
    } else {
        const QByteArray body = reply->readAll();
        qDebug() << "Request finished with response:" << body;
        const lectern_reply::Body answer = lectern_reply::classify(body);
        if (answer.json)
            emit requestJsonFinished(answer.object);
        else
            emit requestStringFinished(answer.text);
    }
    reply->deleteLater();
}
