#include "settings/camera_ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace camera_ini {
namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString port_text(const QString &field, const QString &own) { return field.isEmpty() ? own : field; }
QString port_text(const QString &field, int own) { return port_text(field, QString::number(own)); }

} // namespace

QList<QPair<QString, QString>> recorder_entries(const portforward::Fields &f)
{
    const portforward::CameraPorts own = portforward::own_ports();
    return {
        {QStringLiteral("User"), f.username},
        {QStringLiteral("Password"), f.password},
        {QStringLiteral("Host"), f.host_ip},
        {QStringLiteral("StudentIP"), f.student_ip},
        {QStringLiteral("StudentRtsp"), port_text(f.student_rtsp, own.rtsp)},
        {QStringLiteral("StudentVisca"), port_text(f.student_visca, own.visca)},
        {QStringLiteral("StudentUdp"), port_text(f.student_udp, own.udp)},
        {QStringLiteral("StudentTcp"), port_text(f.student_tcp, own.tcp)},
        {QStringLiteral("StudentBackup"), port_text(f.student_backup, own.backup)},
        {QStringLiteral("TeacherIP"), f.teacher_ip},
        {QStringLiteral("TeacherRtsp"), port_text(f.teacher_rtsp, own.rtsp)},
        {QStringLiteral("TeacherVisca"), port_text(f.teacher_visca, own.visca)},
        {QStringLiteral("TeacherUdp"), port_text(f.teacher_udp, own.udp)},
        {QStringLiteral("TeacherTcp"), port_text(f.teacher_tcp, own.tcp)},
        {QStringLiteral("TeacherBackup"), port_text(f.teacher_backup, own.backup)},
    };
}

bool write(const QString &path, const portforward::Fields &fields, QString *error)
{
    const QFileInfo info(path);
    if (!info.dir().exists()) {
        if (error)
            *error = QStringLiteral("no folder %1").arg(info.absolutePath());
        return false;
    }
    // The file holds the recorder's password: it is its owner's only before the password
    // reaches it. The settings class keeps a file's permissions when it replaces it.
    QFile file(path);
    const bool created = !file.exists() && file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    file.close();
    if (!file.setPermissions(kOwnerOnly)) {
        if (created)
            file.remove();
        if (error)
            *error = QStringLiteral("cannot make %1 readable by its owner only").arg(path);
        return false;
    }
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        // An existing file that cannot be read would be replaced without its other keys.
        if (error)
            *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    settings.beginGroup(QStringLiteral("RECORDER"));
    for (const auto &entry : recorder_entries(fields))
        settings.setValue(entry.first, entry.second);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError || !QFileInfo::exists(path)) {
        if (created)
            file.remove();
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace camera_ini
