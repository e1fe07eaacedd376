#include "core/port_forward_script.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace portforward_script {
namespace {

QString gFolder;
Starter gStarter;

bool start_detached(const Launch &l, qint64 *pid)
{
    return QProcess::startDetached(l.program, l.arguments, l.working_directory, pid);
}

} // namespace

QString folder()
{
    if (!gFolder.isEmpty())
        return gFolder;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/portforward");
}

void setFolder(const QString &path) { gFolder = path; }

QString camera_ini_path() { return folder() + QStringLiteral("/camera.ini"); }
QString script_path() { return folder() + QStringLiteral("/start_config.sh"); }

Launch launch()
{
    // The script is named relative to its folder, as the tool expects to run from there; the
    // "./" keeps a shell from looking for it along PATH.
    return {QStringLiteral("/bin/sh"), {QStringLiteral("./start_config.sh")}, folder()};
}

void setStarter(Starter starter) { gStarter = std::move(starter); }

bool has_script() { return QFileInfo(script_path()).isFile(); }

Outcome start(qint64 *pid)
{
    if (!has_script())
        return Outcome::Missing;
    const Launch l = launch();
    const bool started = gStarter ? gStarter(l, pid) : start_detached(l, pid);
    return started ? Outcome::Started : Outcome::Failed;
}

} // namespace portforward_script
