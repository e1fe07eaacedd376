#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <memory>

class QSaveFile;

// One archive coming from a camera in data packets. It is written beside its target and takes
// the target's place only when the MD5 of what came equals the one the camera announced, so a
// failed or cut-off transfer leaves the previous archive as it was.
class ArchiveReceiver
{
public:
    enum class Append {
        More,      // the announced size is not reached yet
        Complete,  // it is
        BadLength, // a data length beyond the block or beyond what remains: the transfer failed
        Failed,    // the file could not be written
    };

    // Where the target is.
    enum class Place {
        Chosen,        // a file the installer chose in a dialog: a link there is written through
        WorkingFolder, // named by the tool or the camera: never written through a link or into
                       // anything but a regular file, and the file it replaces kept as its
                       // saved copy (keep_saved_copy)
    };

    ArchiveReceiver();
    ~ArchiveReceiver();

    // Starts receiving `size` bytes for target; false when the size is negative, the file
    // cannot be created ("open file error!") or, in the working folder, something other than
    // a regular file stands at its name.
    bool begin(const QString &target, qint64 size, const QByteArray &expected_md5, Place place = Place::Chosen);
    bool active() const { return m_file != nullptr; }
    // One data packet: its length field and its data block.
    Append append(qint32 length, const QByteArray &block);
    qint64 received() const { return m_received; }
    qint64 size() const { return m_size; }
    const QByteArray &expected_md5() const { return m_expected; }

    // Ends the receive: true and the target replaced when the MD5 matches (and, in the working
    // folder, the file it replaces was kept), else false and the target untouched. The MD5 of
    // what came goes to md5.
    bool finish(QByteArray *md5 = nullptr);
    // Drops what came; the target stays as it was.
    void cancel();

private:
    // The working folder's target is still a regular file or missing (logged when not).
    bool plain_target() const;

    std::unique_ptr<QSaveFile> m_file;
    QString m_target;
    Place m_place = Place::Chosen;
    QCryptographicHash m_hash{QCryptographicHash::Md5};
    QByteArray m_expected;
    qint64 m_size = 0;
    qint64 m_received = 0;
};
