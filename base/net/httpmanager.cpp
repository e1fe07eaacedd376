#include "net/httpmanager.h"

#include "core/time_scale.h"
#include "protocol/lectern_reply.h"
#include "protocol/lectern_request.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// A camera that takes the connection and never answers would otherwise hold the request (and
// one of the few connections per host) for good; cameras answer within a second.
constexpr int kTransferTimeoutMs = 10000;

// The reply's error text with every spelling of its URL replaced by the URL without password:
// Qt names the URL in some error texts.
QString error_text(const QNetworkReply *reply)
{
    QString text = reply->errorString();
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

QNetworkRequest HttpManager::request_for(const QUrl &url) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(timescale::scaled(kTransferTimeoutMs));
    return request;
}

void HttpManager::sendGetRequest(const QUrl &url)
{
    qDebug() << "Sending GET request to:" << lectern_request::loggable(url);
    manager->get(request_for(url));
}

void HttpManager::sendPostRequest(const QUrl &url, const QString &data)
{
    QNetworkRequest request = request_for(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    qDebug() << "Sending POST request to:" << lectern_request::loggable(url) << "with data:" << data;
    manager->post(request, data.toUtf8());
}

void HttpManager::sendJsonPostRequest(const QUrl &url, const QJsonObject &json)
{
    QNetworkRequest request = request_for(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    qDebug() << "Sending JSON POST request to:" << lectern_request::loggable(url) << "with data:" << json;
    manager->post(request, lectern_request::json_body(json));
}

void HttpManager::onReplyFinished(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError) {
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
