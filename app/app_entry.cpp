#include "app_entry.h"

#include "core/log_handler.h"
#include "seams/message_box.h"
#include "support/resources.h"
#include "core/installed_catalogue.h"
#include "detection/yolo.h"
#include "mainwindow/mainwindow.h"
#include "settings/language_table.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStyleFactory>
#include <QSysInfo>
#include <QTextCodec>
#include <QTranslator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {
constexpr int kLockWaitMs = 100; // a second instance gives up almost at once

// QLockFile says only that the lock could not be made; the system's reason comes from doing
// what it does (create the file, write to it) once more.
QString lock_failure_reason(const QString &lockPath)
{
    QFile probe(lockPath);
    // A lock left by a copy that has ended, which Qt could not remove either.
    if (probe.exists() && !probe.remove())
        return probe.errorString();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return probe.errorString();
    const QByteArray bytes = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    const bool written = probe.write(bytes) == bytes.size() && probe.flush();
    const QString why = probe.errorString();
    probe.close();
    probe.remove();
    return written ? QStringLiteral("unknown error") : why;
}

// A lock file that names a process of this machine that no longer exists was left by a copy that
// has ended; one still being written, or naming a live process, belongs to a running copy.
bool held_by_running_copy(const QLockFile &lock)
{
#ifdef Q_OS_UNIX
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application) && pid > 0
        && (host.isEmpty() || host == QSysInfo::machineHostName()) && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
#else
    Q_UNUSED(lock)
#endif
    return true;
}

// The temporary folder as the system names it: a folder that does not exist has no path in
// Qt's eyes, and the lock would land in the working folder, where copies started from other
// folders never see it.
QString named_temp_folder()
{
#ifdef Q_OS_UNIX
    const QString named = qEnvironmentVariable("TMPDIR");
    return named.isEmpty() ? QStringLiteral("/tmp") : named;
#else
    return QDir::tempPath();
#endif
}

// What keeps the lock from being taken in the temporary folder before it is tried, or nothing:
// the folder is missing, or something that is no file has the lock's name (a folder would read
// as a lock held by a running copy; a FIFO would keep the lock's own read waiting for ever).
QString lock_obstacle(const QString &lockPath)
{
    const QString temp = QDir::tempPath();
    if (temp.isEmpty() || !QFileInfo(temp).isDir()) {
        const QString folder = temp.isEmpty() ? named_temp_folder() : temp;
        qDebug() << "The temporary folder" << folder << "does not exist: no lock file can be created";
        return QCoreApplication::translate("MainWindow",
                                           "The temporary folder %1 does not exist, so the lock file that keeps a "
                                           "second copy of the tool from starting cannot be created.\nCreate the "
                                           "folder, or set the temporary folder to one that exists.")
            .arg(QDir::toNativeSeparators(folder));
    }
    const QFileInfo lock(lockPath);
    if (lock.exists() && !lock.isFile()) {
        qDebug() << "The lock file" << lockPath << "cannot be created: something that is no file has its name";
        return QCoreApplication::translate("MainWindow",
                                           "The lock file %1 cannot be created: a folder or something else that is "
                                           "not a file has that name.\nRemove or rename it.")
            .arg(QDir::toNativeSeparators(lockPath));
    }
    return QString();
}

// Why the lock was not taken.
QString lock_failure_text(const QLockFile &lock, const QString &lockPath)
{
    if (lock.error() == QLockFile::LockFailedError && held_by_running_copy(lock))
        return QStringLiteral(
            "The application is already running.\nAllowed to run only one instance of the application.");
    // A read-only or full temporary folder (or a lock left there that cannot be removed):
    // no other copy runs, and the installer must be told what to mend.
    const QString why = lock_failure_reason(lockPath);
    qDebug() << "The lock file" << lockPath << "cannot be created:" << why;
    return QCoreApplication::translate("MainWindow",
                                       "The lock file %1 cannot be created: %2.\nThe temporary folder "
                                       "must exist, be writable and have free space.")
        .arg(QDir::toNativeSeparators(lockPath), why);
}

} // namespace

QTranslator *install_system_catalogue(QObject *owner)
{
    corvane_init_resources();
    const QLocale locale;
    auto *translator = new QTranslator(owner);
    qDebug() << "SystemLocal:" << locale.language();
    // A language not among the eight takes English, the tool's catalogue and Qt's alike.
    const int entry = language::index_for_locale(locale.language());
    // A catalogue that does not load leaves the source texts in force.
    translator->load(language::catalogue_for_index(entry));
    installed_catalogue::install(translator, language::locale_for_index(entry));
    return translator;
}

void set_application_attributes()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
}

int run_application(QApplication &app)
{
    corvane_init_resources();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("System"));
    // Lives as long as the application; the language switch uninstalls it.
    install_system_catalogue(&app);

    installLogHandler(QStringLiteral("Corvane.log"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    qDebug() << "main start!!!";
    // The detector reads its model beside the start: its state goes into the log once read.
    yolo_model.log_load_state();

    const QString lockPath = QDir::temp().absoluteFilePath(QStringLiteral("Corvane.lock"));
    qDebug() << "QString path=" << lockPath;
    int exitCode = 1;
    {
        QLockFile lock(lockPath);
        qDebug() << "bool isLock=" << lock.isLocked();
        QString refusal = lock_obstacle(lockPath);
        if (refusal.isEmpty() && lock.tryLock(kLockWaitMs)) {
            auto *window = new MainWindow;
            const QString startState = window->getStartState();
            qDebug() << "MainWindow::startState:" << startState;
            if (startState == QLatin1String("1"))
                window->show();
            exitCode = app.exec();
            delete window;
        } else {
            if (refusal.isEmpty())
                refusal = lock_failure_text(lock, lockPath);
            msgbox::Request request;
            request.icon = QMessageBox::Warning;
            request.text = refusal;
            msgbox::show(request);
            exitCode = 1;
        }
    }
    // The log path and mutex are static objects: no message may reach them once main returns,
    // the detector's read (still going on after a quick refusal) included.
    yolo_model.stop_load_log();
    uninstallLogHandler();
    return exitCode;
}
