#include "transfer/transfer_files.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace transfer {

namespace {
constexpr qint64 kCopyChunkBytes = 64 * 1024;
} // namespace

QString role_archive_name(Role role, bool zr72_student)
{
    switch (role) {
    case Role::Teacher:
        return QStringLiteral("teacher_conf.tar.gz");
    case Role::Student:
        return zr72_student ? QStringLiteral("zr72_student_conf.tar.gz") : QStringLiteral("student_conf.tar.gz");
    case Role::Board:
        return QStringLiteral("board_conf.tar.gz");
    case Role::None:
        break;
    }
    return QString();
}

QString saved_copy_name(const QString &path) { return path + QStringLiteral("_bak"); }

Entry folder_entry(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return Entry::Other;
    if (!info.exists())
        return Entry::Missing;
    return info.isFile() ? Entry::Regular : Entry::Other;
}

bool keep_saved_copy(const QString &path)
{
    switch (folder_entry(path)) {
    case Entry::Missing:
        qDebug() << "file not exists";
        return true;
    case Entry::Other:
        qDebug().noquote() << path << "is a link or no regular file: no copy is kept of it";
        return false;
    case Entry::Regular:
        break;
    }
    qDebug() << "file exists start backup file";
    const QString copy = saved_copy_name(path);
    const Entry old_copy = folder_entry(copy);
    if (old_copy != Entry::Missing && QFileInfo(path).fileName() == QLatin1String(kFullArchiveName)) {
        qDebug().noquote() << copy << "exists: it is kept as it is";
        return true;
    }
    if (old_copy == Entry::Other) {
        qDebug().noquote() << copy << "is a link or no regular file: nothing is written through it";
        return false;
    }
    // Written beside it and renamed over it: a copy cut short never takes the older one's place.
    QFile source(path);
    QSaveFile target(copy);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) {
        qDebug().noquote() << "open file error!" << path << source.errorString() << target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kCopyChunkBytes);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            qDebug().noquote() << "the copy of" << path << "failed:" << source.errorString() << target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        qDebug().noquote() << "the copy of" << path << "failed:" << target.errorString();
        return false;
    }
    return true;
}

QByteArray file_md5(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        qDebug() << "open file error!" << path;
        return QByteArray();
    }
    return hash.result().toHex();
}

QString plain_file_name(const QByteArray &camera_name)
{
    QString name = QString::fromUtf8(camera_name);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QString();
    }
    return name;
}

bool chosen_file_readable(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        qDebug().noquote() << "the chosen" << path << "is no file: nothing is read from it";
    return info.isFile();
}

ImportCheck check_import_file(Role role, const QString &path, bool zr72_student)
{
    if (path.isEmpty())
        return ImportCheck::NoFile;
    if (!chosen_file_readable(path))
        return ImportCheck::Missing;
    const QString zr72 = role_archive_name(Role::Student, true);
    if (role == Role::Student && !zr72_student) {
        if (path.contains(zr72))
            return ImportCheck::WrongName;
        qDebug() << "Loading student_conf.tar.gz";
    }
    const QString name = role_archive_name(role, zr72_student);
    return !name.isEmpty() && path.contains(name) ? ImportCheck::Ok : ImportCheck::WrongName;
}

const char *import_check_message(ImportCheck check)
{
    switch (check) {
    case ImportCheck::NoFile:
        return QT_TRANSLATE_NOOP("MainWindow", "Please select backup file");
    case ImportCheck::Missing:
        return QT_TRANSLATE_NOOP("MainWindow", "Not exist backup files");
    case ImportCheck::WrongName:
        return QT_TRANSLATE_NOOP("MainWindow", "File type does not match");
    case ImportCheck::Ok:
        break;
    }
    return "";
}

Endpoint set_upgrade_backup_port(const QString &address, const PortMapping &mapping)
{
    Endpoint endpoint{address, kBackupPort};
    if (mapping.enabled && address == mapping.teacher_ip)
        endpoint = {mapping.host_ip, quint16(mapping.teacher_backup_port)};
    else if (mapping.enabled && address == mapping.student_ip)
        endpoint = {mapping.host_ip, quint16(mapping.student_backup_port)};
    qDebug().nospace() << "set_upgrade_backup_port: tmp_ip=" << address
                       << ",recorder_port_map_enabled=" << (mapping.enabled ? "true" : "false")
                       << ",UPGRADE_TCPPORT:" << endpoint.port;
    return endpoint;
}

Endpoint parameter_endpoint(const QString &address_field)
{
    return {address_field.section(QLatin1Char('/'), 0, 0), kParameterPort};
}

Md5Job::~Md5Job()
{
    if (m_thread) {
        m_thread->disconnect(this);
        m_thread->wait();
        delete m_thread;
    }
}

void Md5Job::start(const QString &path)
{
    if (m_thread) {
        m_thread->disconnect(this);
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    m_result.clear();
    m_thread = QThread::create([this, path] { m_result = file_md5(path); });
    connect(m_thread, &QThread::finished, this, &Md5Job::finish, Qt::QueuedConnection);
    m_thread->start();
}

void Md5Job::finish()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    emit done(m_result);
}

} // namespace transfer
