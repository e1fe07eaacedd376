#include "folder_faults.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <vector>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString lastError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

// Entered once per process; mounts made afterwards are seen by this process only.
bool enterPrivateMountNamespace(QString *why)
{
    static int state = 0; // 0 not tried, 1 entered, -1 failed
    static QString failure;
    if (state == 0) {
        if (geteuid() != 0) {
            failure = QStringLiteral("not root");
            state = -1;
        } else if (unshare(CLONE_NEWNS) != 0) {
            failure = lastError("unshare");
            state = -1;
        } else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            failure = lastError("make / private");
            state = -1;
        } else {
            state = 1;
        }
    }
    if (state < 0)
        *why = failure;
    return state > 0;
}
} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &path)
    : m_path(path)
{
    const QByteArray native = QFile::encodeName(path);
    if (geteuid() != 0) {
        m_ok = chmod(native.constData(), 0555) == 0;
        if (!m_ok)
            m_why = lastError("chmod");
        return;
    }
    if (!enterPrivateMountNamespace(&m_why))
        return;
    if (mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0) {
        m_why = lastError("bind");
        return;
    }
    m_mounted = true;
    if (mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        m_why = lastError("remount read-only");
        return;
    }
    m_ok = true;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    const QByteArray native = QFile::encodeName(m_path);
    if (m_mounted)
        umount2(native.constData(), MNT_DETACH);
    else if (m_ok)
        chmod(native.constData(), 0755);
}

TinyFolder::TinyFolder(const QString &path, int kibibytes)
    : m_path(path)
{
    if (!enterPrivateMountNamespace(&m_why))
        return;
    const QByteArray native = QFile::encodeName(path);
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0755";
    if (mount("tmpfs", native.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_why = lastError("mount tmpfs");
        return;
    }
    m_ok = true;
}

TinyFolder::~TinyFolder()
{
    if (m_ok)
        umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}

void TinyFolder::fillUp()
{
    QFile filler(m_path + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(1024, 'x');
    for (int i = 0; i < 4096 && filler.write(block) == block.size() && filler.flush(); ++i) {
    }
}

FifoInPlace::FifoInPlace(const QString &path)
    : m_path(path)
{
    const QByteArray native = QFile::encodeName(path);
    if (mkfifo(native.constData(), 0600) != 0) {
        m_why = lastError("mkfifo");
        return;
    }
    m_ok = true;
    m_watcher = std::thread([this, native] {
        while (!m_stop) {
            // Opening the writing end without waiting succeeds only while a reader has it open.
            const int fd = open(native.constData(), O_WRONLY | O_NONBLOCK);
            struct stat st;
            if (fd >= 0) {
                if (fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode))
                    ++m_reads;
                close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
}

FifoInPlace::~FifoInPlace()
{
    m_stop = true;
    if (m_watcher.joinable())
        m_watcher.join();
    struct stat st;
    const QByteArray native = QFile::encodeName(m_path);
    if (m_ok && lstat(native.constData(), &st) == 0 && S_ISFIFO(st.st_mode))
        unlink(native.constData());
}

#ifndef __NR_chmod
#define __NR_chmod __NR_fchmodat // no call of its own on this machine
#endif

bool deny_permission_changes()
{
    std::vector<sock_filter> code{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    const std::vector<unsigned> calls{__NR_chmod, __NR_fchmod, __NR_fchmodat, 452 /* fchmodat2 */};
    for (size_t i = 0; i < calls.size(); ++i)
        code.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, calls[i], __u8(calls.size() - i), 0));
    code.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    code.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM));
    const sock_fprog program{static_cast<unsigned short>(code.size()), code.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}
