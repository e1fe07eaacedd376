#include "discovery/reply_thread.h"

#include "discovery/discovery_messages.h"

MyThread::MyThread(const QByteArray &datagram, const QString &client_id)
    : m_text(discovery::datagram_text(datagram))
    , m_client_id(client_id)
{
    qRegisterMetaType<Dev_info>("Dev_info");
}

MyThread::~MyThread() = default;

void MyThread::run()
{
    const discovery::ReplyKind kind = discovery::reply_kind(m_text);
    const Dev_info info = discovery::parse_reply(m_text, kind);
    m_text.clear();
    emit Result(QVariant::fromValue(info), static_cast<qint8>(kind));
}
