#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>
#include <QVariant>

// Parses one received discovery datagram on a short-lived thread of its own and hands the
// record back by a queued signal. It works on its own copies and shares nothing.
class MyThread : public QThread
{
    Q_OBJECT

public:
    MyThread(const QByteArray &datagram, const QString &client_id);
    ~MyThread() override;

signals:
    // The record (a Dev_info) and the kind of the datagram (discovery::ReplyKind).
    void Result(const QVariant &record, qint8 kind);

protected:
    void run() override;

private:
    QString m_text;
    QString m_client_id;
};
