#include "transfer/archive_receiver.h"

#include "transfer/transfer_files.h"
#include "transfer/transfer_packet.h"

#include <QDebug>
#include <QSaveFile>

ArchiveReceiver::ArchiveReceiver() = default;
ArchiveReceiver::~ArchiveReceiver() { cancel(); }

bool ArchiveReceiver::begin(const QString &target, qint64 size, const QByteArray &expected_md5, Place place)
{
    cancel();
    if (size < 0) {
        qDebug() << "ArchiveReceiver: announced size" << size;
        return false;
    }
    m_target = target;
    m_place = place;
    if (!plain_target())
        return false;
    m_file = std::make_unique<QSaveFile>(target);
    // QSaveFile writes through a link it finds at its open: one made since the look above shows now.
    if (!m_file->open(QIODevice::WriteOnly) || !plain_target()) {
        qDebug() << "open file error!" << target;
        cancel();
        return false;
    }
    m_hash.reset();
    m_expected = expected_md5;
    m_size = size;
    m_received = 0;
    return true;
}

ArchiveReceiver::Append ArchiveReceiver::append(qint32 length, const QByteArray &block)
{
    if (!m_file)
        return Append::Failed;
    if (length < 0 || length > transfer::kDataBlockBytes || length > block.size() || length > m_size - m_received) {
        qDebug() << "ArchiveReceiver: data length" << length << "with" << m_size - m_received << "bytes to come";
        return Append::BadLength;
    }
    const QByteArray bytes = block.left(length);
    if (m_file->write(bytes) != bytes.size()) {
        qDebug() << "ArchiveReceiver: write failed" << m_file->errorString();
        return Append::Failed;
    }
    m_hash.addData(bytes);
    m_received += length;
    return m_received == m_size ? Append::Complete : Append::More;
}

bool ArchiveReceiver::finish(QByteArray *md5)
{
    if (!m_file)
        return false;
    const QByteArray computed = m_hash.result().toHex();
    if (md5)
        *md5 = computed;
    qDebug() << "src md5: " << m_expected;
    qDebug() << "new md5:  " << computed;
    const bool match = !m_expected.isEmpty() && computed == m_expected;
    if (match && m_place == Place::WorkingFolder && (!plain_target() || !transfer::keep_saved_copy(m_target))) {
        qDebug().noquote() << "the archive does not replace" << m_target;
        cancel();
        return false;
    }
    if (match && m_file->commit()) {
        m_file.reset();
        return true;
    }
    if (match)
        qDebug() << "ArchiveReceiver: the archive could not replace" << m_file->fileName() << m_file->errorString();
    cancel();
    return false;
}

bool ArchiveReceiver::plain_target() const
{
    if (m_place == Place::Chosen || transfer::folder_entry(m_target) != transfer::Entry::Other)
        return true;
    qDebug().noquote() << m_target << "is a link or no regular file: the archive is not written there";
    return false;
}

void ArchiveReceiver::cancel()
{
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset();
    }
}
