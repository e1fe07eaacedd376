#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// HTTP client of the lectern mode: GET, form POST and JSON POST to a camera's HTTP parameter
// interface. Every answer comes back as one signal, with no link to the request that caused
// it: a JSON answer as requestJsonFinished, any other body as requestStringFinished, and a
// network or HTTP failure (a refused login among them) as requestError. The login travels in
// the URL's user and password; no log line and no error text carries the password. A request
// that has no whole answer within 10 s, or whose answer grows beyond 64 KiB, ends as
// requestError. Answers are asked for uncompressed; one compressed all the same ends as
// requestError too.
class HttpManager : public QObject
{
    Q_OBJECT
public:
    explicit HttpManager(QObject *parent = nullptr);

    void sendGetRequest(const QUrl &url);
    // data as a form body ("application/x-www-form-urlencoded"), sent as UTF-8.
    void sendPostRequest(const QUrl &url, const QString &data);
    // The object as an indented JSON document ("application/json").
    void sendJsonPostRequest(const QUrl &url, const QJsonObject &json);

signals:
    void requestStringFinished(QString text);
    void requestJsonFinished(QJsonObject json);
    void requestError(QString error);

public slots:
    void onReplyFinished(QNetworkReply *reply);

private:
    // Holds the reply to the request's time and size limits.
    void bound(QNetworkReply *reply);

    QNetworkAccessManager *manager = nullptr;
};
