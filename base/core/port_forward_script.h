#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The host-side forwarding tool lives in the folder "portforward" beside the executable: the
// program writes "camera.ini" there and starts the tool's script "start_config.sh" through
// /bin/sh, with that folder as its working directory. The script is not waited for and its
// result is not read. Tests choose the folder and may replace the start.
namespace portforward_script {

// applicationDirPath() + "/portforward", unless a test chose another folder.
QString folder();
// A test's folder; an empty path puts back the folder beside the executable.
void setFolder(const QString &path);

QString camera_ini_path();
QString script_path();
bool has_script();

// What is started: program, arguments and working directory.
struct Launch {
    QString program;
    QStringList arguments;
    QString working_directory;
};
Launch launch();

// Starts a launch detached; true and the process id on success.
using Starter = std::function<bool(const Launch &launch, qint64 *pid)>;
// A test's starter; an empty one puts back QProcess::startDetached.
void setStarter(Starter starter);

enum class Outcome {
    Started,
    Missing, // no script in the folder: nothing is started
    Failed,  // the shell could not be started
};
Outcome start(qint64 *pid);

} // namespace portforward_script
