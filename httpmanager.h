#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// HTTP client of the lectern mode.
class HttpManager : public QObject
{
    Q_OBJECT
public:
    explicit HttpManager(QObject *parent = nullptr);

signals:
    void requestStringFinished(QString text);
    void requestJsonFinished(QJsonObject json);
    void requestError(QString error);
};
