#pragma once

#include <QString>

#include <atomic>
#include <thread>

// Folders in which writing fails, so that a test can watch a save go wrong. Both undo
// themselves when the object goes. Root gets them from mounts in a mount namespace of the test
// process's own (they never reach the machine's mounts); another user gets ReadOnlyFolder from
// the folder's permissions and no TinyFolder.

// The folder as it is, but read-only.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool ok() const { return m_ok; }
    QString why() const { return m_why; }

private:
    QString m_path;
    bool m_ok = false;
    bool m_mounted = false;
    QString m_why;
};

// An empty file system of the given size (whole pages of 4 KiB) mounted over the folder, which
// is empty inside: a file larger than the room left cannot be written (a full disk).
class TinyFolder
{
public:
    TinyFolder(const QString &path, int kibibytes);
    ~TinyFolder();
    TinyFolder(const TinyFolder &) = delete;
    TinyFolder &operator=(const TinyFolder &) = delete;

    bool ok() const { return m_ok; }
    QString why() const { return m_why; }
    // Writes a filler file until no room is left (a full disk; at most 4 MiB).
    void fillUp();

private:
    QString m_path;
    bool m_ok = false;
    QString m_why;
};

// A FIFO made in place of a file. Whoever opens it to read waits for a writer, which never
// comes: a watcher thread opens it for writing whenever a reader waits and closes it at once,
// so the read comes back empty within a few milliseconds rather than never, and counts how
// often that happened. The FIFO is removed when the object goes, unless it was moved.
class FifoInPlace
{
public:
    explicit FifoInPlace(const QString &path);
    ~FifoInPlace();
    FifoInPlace(const FifoInPlace &) = delete;
    FifoInPlace &operator=(const FifoInPlace &) = delete;

    bool ok() const { return m_ok; }
    QString why() const { return m_why; }
    // How often a reader opened it.
    int reads() const { return m_reads; }

private:
    QString m_path;
    bool m_ok = false;
    QString m_why;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_reads{0};
    std::thread m_watcher;
};

// From now on this process cannot change a file's permissions, as on a file system that keeps
// none (vfat, SMB): the calls fail with EPERM. It cannot be undone: for a forked child.
bool deny_permission_changes();
