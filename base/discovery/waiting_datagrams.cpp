#include "discovery/waiting_datagrams.h"

#include <QDebug>

WaitingDatagrams::~WaitingDatagrams() { note_dropped(); }

bool WaitingDatagrams::push(const QByteArray &datagram)
{
    if (m_waiting.size() >= kMaxWaiting) {
        if (m_dropped++ == 0)
            qDebug() << "DeviceDiscovery:" << kMaxWaiting
                     << "datagrams wait to be parsed; those beyond are dropped and counted";
        return false;
    }
    m_waiting.enqueue(datagram);
    return true;
}

QByteArray WaitingDatagrams::take()
{
    const QByteArray datagram = m_waiting.dequeue();
    if (m_waiting.isEmpty())
        note_dropped();
    return datagram;
}

void WaitingDatagrams::clear()
{
    if (!m_waiting.isEmpty())
        qDebug() << "DeviceDiscovery: a new search leaves" << m_waiting.size()
                 << "datagrams of the one before unparsed";
    m_waiting.clear();
    note_dropped();
}

void WaitingDatagrams::note_dropped()
{
    if (m_dropped == 0)
        return;
    qDebug() << "DeviceDiscovery: dropped" << m_dropped << "datagrams while" << kMaxWaiting << "waited to be parsed";
    m_dropped = 0;
}
