#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// HTTP client of the lectern mode: GET, form POST and JSON POST to a camera's HTTP parameter
// interface. Every answer comes back as one signal, with no link to the request that caused
// it: a JSON answer as requestJsonFinished, any other body as requestStringFinished, and a
// network or HTTP failure (a refused login among them) as requestError. The login travels in
// the URL's user and password; no log line and no error text carries the password.
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
    QNetworkRequest request_for(const QUrl &url) const;

    QNetworkAccessManager *manager = nullptr;
};
