#pragma once

#include <QString>

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

// From now on this process cannot change a file's permissions, as on a file system that keeps
// none (vfat, SMB): the calls fail with EPERM. It cannot be undone: for a forked child.
bool deny_permission_changes();
