// The transfer sessions against the simulated camera over loopback TCP (ports 5555 and 10791 in
// the test's own namespace): version query, upgrade, backup, restore, export and import byte for
// byte, and every fault of the camera (a silent one included) ending in a failure the window can
// show, the previous good file intact and the session ready for the next transfer; what stands
// at an archive's name in the working folder; a camera that sends without end.
#include "core/log_handler.h"
#include "core/time_scale.h"
#include "core/turn_share.h"
#include "transfer/archive_session.h"
#include "transfer/firmware_session.h"
#include "transfer/packet_reader.h"

#include "folder_faults.h"
#include "sim_transfer.h"
#include "test_env.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtTest>

using namespace transfer;

namespace {
constexpr int kWaitMs = 10000;
const QString kCamera = QStringLiteral("127.0.0.2");

constexpr double kTimeFactor = 0.01;
QByteArray md5(const QByteArray &b) { return QCryptographicHash::hash(b, QCryptographicHash::Md5).toHex(); }

// A row whose camera falls silent waits out the transfer links' silence bound at a smaller
// scale: 180 ms.
double time_factor(SimTransferFault fault) { return fault == SimTransferFault::SilentMidTransfer ? 0.001 : kTimeFactor; }

// What a session reported, in order.
struct Seen {
    QStringList backup_status; // label_83
    QStringList connection;    // label_66
    QStringList status;        // label_67
    QStringList notices;
    QVector<bool> finished;
    QStringList painting;
    QVector<bool> controls;
    QString log;

    explicit Seen(ArchiveSession &s)
    {
        QObject::connect(&s, &ArchiveSession::backup_status_text, [this](const QString &t) { backup_status << t; });
        QObject::connect(&s, &ArchiveSession::notice, [this](const Notice &n) { notices << n.text; });
        QObject::connect(&s, &ArchiveSession::finished, [this](ArchiveSession::Operation, bool ok) { finished << ok; });
        QObject::connect(&s, &ArchiveSession::region_painting_paused, [this](Role r) { painting << QStringLiteral("off%1").arg(int(r)); });
        QObject::connect(&s, &ArchiveSession::region_painting_resumed, [this](Role r) { painting << QStringLiteral("on%1").arg(int(r)); });
    }
    explicit Seen(FirmwareSession &s)
    {
        QObject::connect(&s, &FirmwareSession::backup_status_text, [this](const QString &t) { backup_status << t; });
        QObject::connect(&s, &FirmwareSession::connection_text, [this](const QString &t) { connection << t; });
        QObject::connect(&s, &FirmwareSession::status_text, [this](const QString &t) { status << t; });
        QObject::connect(&s, &FirmwareSession::notice, [this](const Notice &n) { notices << n.text; });
        QObject::connect(&s, &FirmwareSession::finished, [this](bool ok) { finished << ok; });
        QObject::connect(&s, &FirmwareSession::controls_enabled, [this](bool on) { controls << on; });
        QObject::connect(&s, &FirmwareSession::log_text, [this](const QString &t) { log = t; });
    }
};

// Whatever is in the working folder, and what the tests put beside it ("../outside*").
QStringList entry_paths()
{
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden;
    QStringList paths = QDir::current().entryList(filters);
    for (const QString &name : QDir(QStringLiteral("..")).entryList({QStringLiteral("outside*")}, filters))
        paths << QStringLiteral("../") + name;
    return paths;
}

void clear_entries()
{
    for (const QString &path : entry_paths()) {
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

// One entry of the working folder as folder_entries writes it.
bool make_entry(const QString &entry, std::vector<std::unique_ptr<FifoInPlace>> &fifos)
{
    if (entry.contains(QLatin1String("->")))
        return QFile::link(entry.section(QLatin1String("->"), 1), entry.section(QLatin1String("->"), 0, 0));
    if (entry.endsWith(QLatin1Char('/')))
        return QDir().mkdir(entry);
    if (entry.endsWith(QLatin1Char('|'))) {
        fifos.push_back(std::make_unique<FifoInPlace>(entry.chopped(1)));
        return fifos.back()->ok();
    }
    return testenv::writeFile(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1).toLatin1());
}

// The entries as make_entry writes them.
QStringList entries(const QByteArray &archive)
{
    QStringList shown;
    for (const QString &path : entry_paths()) {
        const QFileInfo info(path);
        if (info.isSymLink()) {
            shown << path + QStringLiteral("->") + QDir::current().relativeFilePath(info.symLinkTarget());
        } else if (info.isDir()) {
            shown << path + QLatin1Char('/');
        } else if (!info.isFile()) {
            shown << path + QLatin1Char('|');
        } else {
            const QByteArray content = testenv::readFile(path);
            shown << path + QLatin1Char('=') + (content == archive ? QStringLiteral("NEW") : QString::fromLatin1(content));
        }
    }
    shown.sort();
    return shown;
}
} // namespace

Q_DECLARE_METATYPE(SimTransferFault)

class tst_TransferSessions : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimTransferService> sim;

    // Runs one archive transfer to its end; false when it never ended.
    template <typename Start>
    bool run(Seen &seen, Start start)
    {
        const int before = seen.finished.size();
        start();
        (void)QTest::qWaitFor([&] { return seen.finished.size() > before; }, kWaitMs);
        return seen.finished.size() == before + 1;
    }

private slots:
    void initTestCase() { timescale::setFactor(kTimeFactor); }

    void init()
    {
        for (const QString &name : QDir::current().entryList(QDir::Files | QDir::Hidden))
            QFile::remove(name);
        sim = std::make_unique<SimTransferService>(kCamera);
        QVERIFY2(sim->start(), qPrintable(sim->lastError()));
    }

    void cleanup()
    {
        // However it ended, no transfer leaves its connection open.
        if (sim)
            QTRY_COMPARE_WITH_TIMEOUT(sim->openLinks(), 0, kWaitMs);
        sim.reset();
    }

    void query_data()
    {
        QTest::addColumn<int>("work_type");
        QTest::addColumn<bool>("silent"); // a query before to which the camera says nothing
        QTest::newRow("work type 1") << 1 << false;
        QTest::newRow("work type 2") << 2 << false;
        QTest::newRow("after a query the camera left unanswered") << 1 << true;
    }

    void query()
    {
        QFETCH(int, work_type);
        QFETCH(bool, silent);
        sim->setLayout(work_type == 2 ? simtransfer::Layout::Short : simtransfer::Layout::Long);
        FirmwareSession session;
        session.set_work_type(work_type);
        session.set_upgrade_mode(QStringLiteral("Full"));
        Seen seen(session);
        if (silent) {
            // It ends as a failing socket ends it, and leaves the way free for the next one.
            sim->setFault(SimTransferFault::SilentMidTransfer);
            const testenv::TimeFactor factor(time_factor(SimTransferFault::SilentMidTransfer));
            session.query(kCamera, {});
            QTRY_COMPARE_WITH_TIMEOUT(seen.finished, QVector<bool>{false}, kWaitMs);
            QCOMPARE(seen.connection.last(), QStringLiteral("disconnect"));
            QCOMPARE(seen.status.last(), QStringLiteral("disconnect"));
            QCOMPARE(seen.controls.last(), true);
            sim->setFault(SimTransferFault::None);
            sim->clearRecords();
            seen.finished.clear();
        }
        QSignalSpy types(&session, &FirmwareSession::type_list_changed);
        session.query(kCamera, {});
        QTRY_COMPARE_WITH_TIMEOUT(seen.finished, QVector<bool>{true}, kWaitMs);
        QVERIFY(seen.log.startsWith(QStringLiteral("VERSION INFO\nSOC: v3.1.0\n")));
        QVERIFY(seen.log.endsWith(QStringLiteral("mtd2: 00c00000 00010000 \"rootfs\"\n")));
        QCOMPARE(types.last().first().value<upgrade::TypeList>().items.mid(4),
                 (QStringList{"mtd0:\"boot\"", "mtd1:\"kernel\"", "mtd2:\"rootfs\""}));
        QCOMPARE(sim->records().size(), 1);
        QCOMPARE(sim->records().first().step, 10);
        QCOMPARE(seen.connection.last(), QStringLiteral("disconnect"));
    }

    void upgrade_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("reply_delay");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("box");
        const QByteArray dflt;
        const auto none = SimTransferFault::None;
        QTest::newRow("SOC, byte for byte") << "SOC" << "cam_SOC_v3.pkg" << none << dflt << 0 << true << "disconnect"
                                            << "Upgrade Success";
        QTest::newRow("MTD checked against the model") << "MTD" << "ZR40_K38.T20_v1.img" << none << dflt << 0 << true
                                                       << "disconnect" << "Upgrade Success";
        QTest::newRow("MTD, the version reply comes late") << "MTD" << "ZR40_K38.T20_v1.img" << none << dflt << 400 << true
                                                           << "disconnect" << "Upgrade Success";
        QTest::newRow("MTD for another model") << "MTD" << "ZR40_K38.T20_v1.img" << none
                                               << QByteArray("SOC: v3\nMODEL: K27.S\nUPGRADE") << 0 << false << "disconnect"
                                               << "Upgrade file type does not match";
        QTest::newRow("connection refused") << "SOC" << "cam_SOC_v3.pkg" << SimTransferFault::Refuse << dflt << 0 << false
                                            << "" << "";
        QTest::newRow("camera stops mid-file") << "SOC" << "cam_SOC_v3.pkg" << SimTransferFault::StopMidTransfer << dflt << 0
                                               << false << "disconnect" << "";
        QTest::newRow("camera finds the file damaged") << "SOC" << "cam_SOC_v3.pkg" << SimTransferFault::WrongMd5 << dflt << 0
                                                       << false << "file verify fail reboot..." << "";
        QTest::newRow("camera falls silent mid-file") << "SOC" << "cam_SOC_v3.pkg" << SimTransferFault::SilentMidTransfer << dflt
                                                      << 0 << false << "disconnect" << "";
    }

    void upgrade()
    {
        QFETCH(QString, type);
        QFETCH(QString, file);
        QFETCH(SimTransferFault, fault);
        QFETCH(QByteArray, version);
        QFETCH(int, reply_delay);
        QFETCH(bool, ok);
        QFETCH(QString, status);
        QFETCH(QString, box);
        const QByteArray firmware = testenv::patternBytes(50000, 3);
        QVERIFY(testenv::writeFile(file, firmware));
        if (!version.isEmpty())
            sim->setVersion(version, "mtd0: 1 2 \"boot\"\n");
        sim->setReplyDelayMs(reply_delay);
        sim->setFault(fault);
        FirmwareSession session;
        Seen seen(session);
        QSignalSpy uploaded(&session, &FirmwareSession::upload_finished);
        const testenv::TimeFactor factor(time_factor(fault));
        session.upgrade(kCamera, {}, QDir::current().filePath(file), type);
        QTRY_COMPARE_WITH_TIMEOUT(seen.finished.size(), 1, kWaitMs);
        // The file went out whole once, and only when the camera asked for it.
        if (ok || fault == SimTransferFault::WrongMd5 || fault == SimTransferFault::SilentMidTransfer)
            QCOMPARE(uploaded.count(), 1);
        else if (fault != SimTransferFault::StopMidTransfer)
            QCOMPARE(uploaded.count(), 0);
        QCOMPARE(seen.finished.first(), ok);
        QCOMPARE(seen.status.isEmpty() ? QString() : seen.status.last(), status);
        QCOMPARE(seen.notices.join(QLatin1Char('|')), box);
        QCOMPARE(seen.controls.last(), true);
        QVERIFY(!session.running());
        const auto upgrades = [&] {
            QVector<SimTransferRecord> u;
            for (const auto &r : sim->records())
                if (r.letter == 'U')
                    u << r;
            return u;
        }();
        if (ok) {
            QCOMPARE(upgrades.size(), 1);
            QCOMPARE(upgrades.first().text, file.toLatin1());
            QCOMPARE(upgrades.first().md5, md5(firmware));
            QCOMPARE(upgrades.first().file, firmware);
            QCOMPARE(upgrades.first().parameter, type == QLatin1String("MTD") ? 4 : 1);
        } else if (fault == SimTransferFault::None || fault == SimTransferFault::Refuse) {
            QVERIFY(upgrades.isEmpty());
        }
        // Ready for the next transfer.
        sim->setFault(SimTransferFault::None);
        session.query(kCamera, {});
        QTRY_COMPARE_WITH_TIMEOUT(seen.finished.size(), 2, kWaitMs);
        QCOMPARE(seen.finished.last(), true);
    }

    void upgrade_file_shrinks()
    {
        const QByteArray firmware = testenv::patternBytes(50000, 5);
        QVERIFY(testenv::writeFile(QStringLiteral("cam_SOC_v3.pkg"), firmware));
        sim->setScript('U', {}); // the camera asks for the file only when the test says so
        FirmwareSession session;
        Seen seen(session);
        session.upgrade(kCamera, {}, QDir::current().filePath(QStringLiteral("cam_SOC_v3.pkg")), QStringLiteral("SOC"));
        QTRY_VERIFY_WITH_TIMEOUT(!sim->records().isEmpty() && sim->records().last().letter == 'U', kWaitMs);
        QVERIFY(testenv::writeFile(QStringLiteral("cam_SOC_v3.pkg"), firmware.left(10000)));
        sim->pushToLinks(simtransfer::packet('U', 0, 0));
        QTRY_COMPARE_WITH_TIMEOUT(seen.finished, QVector<bool>{false}, kWaitMs);
        QCOMPARE(seen.controls.last(), true);
    }

    // A file the installer chose that is no file: nothing reads it (a FIFO's read would wait for
    // a writer for good) and nothing of it goes to the camera.
    void chosen_file_not_a_file_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("box");
        for (const bool fifo : {true, false}) {
            const char *kind = fifo ? "FIFO" : "folder";
            QTest::addRow("upgrade, %s", kind) << "upgrade" << fifo << "Open file failed";
            QTest::addRow("restore, %s", kind) << "restore" << fifo << "Not exist backup files";
            QTest::addRow("import, %s", kind) << "import" << fifo << "Not exist backup files";
        }
    }

    void chosen_file_not_a_file()
    {
        QFETCH(QString, operation);
        QFETCH(bool, fifo);
        QFETCH(QString, box);
        const QString path = QDir::current().filePath(operation == QLatin1String("upgrade") ? QStringLiteral("cam_SOC_v3.pkg")
                                                                                           : QStringLiteral("board_conf.tar.gz"));
        std::unique_ptr<FifoInPlace> pipe;
        if (fifo) {
            pipe = std::make_unique<FifoInPlace>(path);
            QVERIFY2(pipe->ok(), qPrintable(pipe->why()));
        } else {
            QVERIFY(QDir().mkdir(path));
        }
        const auto tidy = qScopeGuard([&] { QDir(path).removeRecursively(); });
        QStringList notices;
        if (operation == QLatin1String("upgrade")) {
            FirmwareSession session;
            Seen seen(session);
            session.upgrade(kCamera, {}, path, QStringLiteral("SOC"));
            QTRY_COMPARE_WITH_TIMEOUT(seen.finished, QVector<bool>{false}, kWaitMs);
            notices = seen.notices;
        } else {
            ArchiveSession session;
            Seen seen(session);
            if (operation == QLatin1String("restore"))
                session.restore(kCamera, {}, path, 1);
            else
                session.import_role(Role::Board, kCamera, path, false);
            notices = seen.notices;
        }
        QCOMPARE(notices, QStringList{box});
        if (pipe)
            QCOMPARE(pipe->reads(), 0);
        for (const SimTransferRecord &r : sim->records())
            QVERIFY2(r.letter != 'U' && r.letter != 'R', "nothing of the chosen file goes out");
    }

    // What stands in the working folder where an archive comes in (the camera's name for one it
    // sends in answer to a query, the role archive for an export) or goes out unasked by the
    // installer (the full archive a camera asks for): a regular file is replaced and kept as its
    // saved copy, or sent; a link, a FIFO or a folder is left as it is, nothing is read or written
    // outside the folder, and the transfer fails as the installer sees it. Entries: "name=text" a
    // file, "name->target" a link, "name/" a folder, "name|" a FIFO; "NEW" is the archive that came.
    void folder_entries_data()
    {
        QTest::addColumn<QString>("via"); // "query", "export", or "asked" (the camera asks for the full archive)
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("good_md5");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("ok");
        const auto row = [](const char *tag, const char *via, const QByteArray &name, const QStringList &before,
                            const QStringList &after, bool ok, bool good_md5 = true) {
            QTest::newRow(tag) << QString::fromLatin1(via) << name << good_md5 << before << after << ok;
        };
        const QString tc = QStringLiteral("teacher_conf.tar.gz"), outside = QStringLiteral("../outside.tar.gz=outside");
        const QString link = tc + QStringLiteral("->../outside.tar.gz"), fullLink = QStringLiteral("data.tar.gz->../outside.tar.gz");
        const QByteArray teacher = tc.toLatin1(), full = "data.tar.gz";
        row("a name outside the folder", "query", "../escape.tar.gz", {}, {"escape.tar.gz=NEW"}, true);
        row("a name that is no file", "query", "..", {}, {}, false);
        row("an archive of the name", "query", teacher, {tc + "=old"}, {tc + "=NEW", tc + "_bak=old"}, true);
        row("an archive of the name and its copy", "query", teacher, {tc + "=old", tc + "_bak=older"},
            {tc + "=NEW", tc + "_bak=old"}, true);
        row("the full archive's copy stays", "query", full, {"data.tar.gz=old", "data.tar.gz_bak=older"},
            {"data.tar.gz=NEW", "data.tar.gz_bak=older"}, true);
        row("the full archive, the MD5 differs", "query", full, {"data.tar.gz=old"}, {"data.tar.gz=old", "data.tar.gz_bak=old"},
            false, false);
        row("a link out of the folder", "query", teacher, {link, outside}, {link, outside}, false);
        row("a link to nothing", "query", teacher, {link}, {link}, false);
        row("a FIFO", "query", teacher, {tc + "|"}, {tc + "|"}, false);
        row("a folder", "query", teacher, {tc + "/"}, {tc + "/"}, false);
        row("its copy's name a link out of the folder", "query", teacher, {tc + "=old", tc + "_bak->../outside.tar.gz", outside},
            {tc + "=old", tc + "_bak->../outside.tar.gz", outside}, false);
        row("the full archive a link out of the folder", "query", "other.tar.gz", {fullLink, outside},
            {fullLink, "other.tar.gz=NEW", outside}, true);
        row("export over an archive and its copy", "export", teacher, {tc + "=old", tc + "_bak=older"},
            {tc + "=NEW", tc + "_bak=old"}, true);
        row("export into a link out of the folder", "export", teacher, {link, outside}, {link, outside}, false);
        row("the full archive asked for", "asked", full, {"data.tar.gz=old"}, {"data.tar.gz=old"}, true);
        row("the full archive asked for, a link out of the folder", "asked", full, {fullLink, outside}, {fullLink, outside}, false);
        row("the full archive asked for, a FIFO", "asked", full, {"data.tar.gz|"}, {"data.tar.gz|"}, false);
    }

    void folder_entries()
    {
        QFETCH(QString, via);
        QFETCH(QByteArray, name);
        QFETCH(bool, good_md5);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, ok);
        const QByteArray archive = testenv::patternBytes(3000, 11);
        clear_entries();
        std::vector<std::unique_ptr<FifoInPlace>> fifos;
        for (const QString &entry : before)
            QVERIFY2(make_entry(entry, fifos), qPrintable(entry));
        const auto beside = [] {
            return QDir(QStringLiteral("..")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
        };
        const QStringList besideBefore = beside();
        if (via == QLatin1String("export")) {
            sim->setRoleArchive(name, archive);
            ArchiveSession session;
            Seen seen(session);
            QVERIFY(run(seen, [&] { session.export_role(Role::Teacher, kCamera, false); }));
            QCOMPARE(seen.notices, QStringList{ok ? QStringLiteral("Export success") : QStringLiteral("Export failure")});
        } else if (via == QLatin1String("asked")) {
            // The camera asks for the file and then says nothing more, until the silence ends it.
            sim->setScript('Q', {simtransfer::packet('R', 0, 3)});
            const testenv::TimeFactor factor(time_factor(SimTransferFault::SilentMidTransfer));
            FirmwareSession session;
            Seen seen(session);
            session.query(kCamera, {});
            QTRY_COMPARE_WITH_TIMEOUT(seen.finished.size(), 1, kWaitMs);
            QCOMPARE(seen.backup_status.contains(QStringLiteral("Restore failed reboot...")), !ok);
        } else {
            sim->setScript('Q', {simtransfer::packet('B', archive.size(), 1, name, good_md5 ? md5(archive) : md5("other")),
                                 simtransfer::packet('B', 2048, 2, {}, archive.left(2048)),
                                 simtransfer::packet('B', archive.size() - 2048, 2, {}, archive.mid(2048))});
            FirmwareSession session;
            Seen seen(session);
            session.query(kCamera, {});
            QTRY_COMPARE_WITH_TIMEOUT(seen.finished.size(), 1, kWaitMs);
            QCOMPARE(seen.backup_status.last(), ok ? QStringLiteral("Backup Success") : QStringLiteral("backup failed"));
            QCOMPARE(seen.notices, ok ? QStringList{QStringLiteral("Backup Success")} : QStringList());
        }
        after.sort();
        QCOMPARE(entries(archive), after);
        QCOMPARE(beside(), besideBefore);
        for (const auto &fifo : fifos)
            QCOMPARE(fifo->reads(), 0);
        fifos.clear();
        clear_entries();
    }

    // A camera that answers a query with packets without end, written from a thread of its own
    // as fast as the link takes them: the link hands on a share of them in each turn of the
    // event loop, and the work type chosen meanwhile (the installer's next click) runs in the
    // next turn and ends it.
    void endless_stream()
    {
        constexpr int kPackets = 20000; // 46 MB
        constexpr int kCancelAt = 4000;
        sim.reset();
        QThread cameraThread;
        auto *camera = new SimTransferService(QStringLiteral("127.0.0.3"));
        camera->moveToThread(&cameraThread);
        connect(&cameraThread, &QThread::finished, camera, &QObject::deleteLater);
        cameraThread.start();
        const auto inCamera = [&](const std::function<void()> &work) {
            QMetaObject::invokeMethod(camera, work, Qt::BlockingQueuedConnection);
        };
        bool listening = false;
        inCamera([&] {
            listening = camera->start();
            camera->setFault(SimTransferFault::PacketsTogether);
            camera->setScript('Q', {simtransfer::packet('U', 0, 3).repeated(kPackets)});
        });
        QVERIFY(listening);
        FirmwareSession session;
        Seen seen(session);
        int handled = 0, lastTurn = 0, mostInATurn = 0, asked = -1, cancelledAt = -1;
        qint64 longestGap = 0, cancelWait = 0;
        QElapsedTimer clock, sinceAsked;
        connect(&session, &FirmwareSession::progress, [&] {
            if (++handled != kCancelAt)
                return;
            asked = handled;
            sinceAsked.start();
            QTimer::singleShot(0, &session, [&] {
                cancelWait = sinceAsked.elapsed();
                cancelledAt = handled;
                session.set_work_type(1);
            });
        });
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            mostInATurn = qMax(mostInATurn, handled - lastTurn);
            lastTurn = handled;
            longestGap = qMax(longestGap, clock.restart());
        });
        // The program's own log, with every line it writes.
        const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
        installLogHandler(QStringLiteral("Corvane.log"));
        session.query(QStringLiteral("127.0.0.3"), {});
        clock.start();
        ticker.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(cancelledAt >= 0, kWaitMs);
        QTest::qWait(50);
        ticker.stop();
        uninstallLogHandler();
        qInstallMessageHandler(testLog);
        cameraThread.quit();
        QVERIFY(cameraThread.wait(kWaitMs));
        qInfo("at most %d packets in one turn of the event loop, turns at most %lld ms apart; the work type ran "
              "%lld ms and %d packets after its click; log %lld bytes",
              mostInATurn, longestGap, cancelWait, cancelledAt - asked, QFileInfo(QStringLiteral("Corvane.log")).size());
        QCOMPARE(handled, cancelledAt);
        QCOMPARE(seen.finished, QVector<bool>{false});
        QVERIFY(!session.running());
        QVERIFY2(mostInATurn <= 2 * TurnShare::kItems, qPrintable(QString::number(mostInATurn)));
        QVERIFY2(cancelledAt - asked <= 2 * TurnShare::kItems, qPrintable(QString::number(cancelledAt - asked)));
    }

    void backup_data()
    {
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<int>("work_type");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("size"); // of the archive that meets the fault
        const int kSmall = 6100;
        QTest::newRow("byte for byte") << SimTransferFault::None << 1 << true << "Backup Success" << kSmall;
        QTest::newRow("work type 2") << SimTransferFault::None << 2 << true << "Backup Success" << kSmall;
        QTest::newRow("packets together") << SimTransferFault::PacketsTogether << 1 << true << "Backup Success" << kSmall;
        // More packets than the link hands on in a turn, and more bytes than its socket takes in
        // ahead, all there before the camera closes: every one is read before the end is judged.
        QTest::newRow("packets together, many turns' worth") << SimTransferFault::PacketsTogether << 1 << true
                                                             << "Backup Success" << 600000;
        QTest::newRow("connection refused") << SimTransferFault::Refuse << 1 << false << "timed out" << kSmall;
        QTest::newRow("closes before the first packet") << SimTransferFault::CloseBeforeFirstPacket << 1 << false << "backup failed" << kSmall;
        QTest::newRow("stops mid-transfer") << SimTransferFault::StopMidTransfer << 1 << false << "backup failed" << kSmall;
        QTest::newRow("wrong MD5") << SimTransferFault::WrongMd5 << 1 << false << "backup failed" << kSmall;
        QTest::newRow("oversized length") << SimTransferFault::OversizedLength << 1 << false << "backup failed" << kSmall;
        QTest::newRow("data length over the block") << SimTransferFault::DataLengthOverBlock << 1 << false << "backup failed" << kSmall;
        QTest::newRow("falls silent mid-transfer") << SimTransferFault::SilentMidTransfer << 1 << false << "backup failed" << kSmall;
    }

    void backup()
    {
        QFETCH(SimTransferFault, fault);
        QFETCH(int, work_type);
        QFETCH(bool, ok);
        QFETCH(QString, status);
        QFETCH(int, size);
        const QString target = QDir::current().filePath(QStringLiteral("classroom.tar.gz"));
        const QByteArray first = testenv::patternBytes(5000, 7);
        const QByteArray second = testenv::patternBytes(size, 9);
        ArchiveSession session;
        Seen seen(session);
        // The previous good backup, whose MD5 the camera announced last.
        sim->setFullArchive(first);
        QVERIFY(run(seen, [&] { session.backup(kCamera, {}, target, 1); }));
        QCOMPARE(testenv::readFile(target), first);

        sim->setFullArchive(second);
        sim->setFault(fault);
        sim->setLayout(work_type == 2 ? simtransfer::Layout::Short : simtransfer::Layout::Long);
        const testenv::TimeFactor factor(time_factor(fault));
        QVERIFY(run(seen, [&] { session.backup(kCamera, {}, target, work_type); }));
        QCOMPARE(seen.finished.last(), ok);
        QCOMPARE(seen.backup_status.last(), status);
        QCOMPARE(testenv::readFile(target), ok ? second : first);
        QCOMPARE(seen.notices.count(QStringLiteral("Backup Success")), ok ? 2 : 1);

        sim->setFault(SimTransferFault::None);
        QVERIFY(run(seen, [&] { session.backup(kCamera, {}, target, work_type); }));
        QCOMPARE(testenv::readFile(target), second);
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("classroom.tar.gz")});
    }

    void backup_after_an_upgrade()
    {
        // Both sessions live side by side, as in the window.
        ArchiveSession archives;
        Seen seen(archives);
        QVERIFY(testenv::writeFile(QStringLiteral("cam_SOC_v3.pkg"), testenv::patternBytes(3000, 3)));
        FirmwareSession firmware;
        Seen upgraded(firmware);
        firmware.upgrade(kCamera, {}, QDir::current().filePath(QStringLiteral("cam_SOC_v3.pkg")), QStringLiteral("SOC"));
        QTRY_COMPARE_WITH_TIMEOUT(upgraded.finished, QVector<bool>{true}, kWaitMs);
        sim->setFault(SimTransferFault::WrongMd5);
        QVERIFY(run(seen, [&] { archives.backup(kCamera, {}, QDir::current().filePath(QStringLiteral("b.tar.gz")), 1); }));
        QCOMPARE(seen.backup_status.last(), QStringLiteral("backup failed"));
    }

    void restore_data()
    {
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("status");
        QTest::newRow("byte for byte") << SimTransferFault::None << true << "Restore Success";
        QTest::newRow("connection refused") << SimTransferFault::Refuse << false << "timed out";
        QTest::newRow("closes before the first packet") << SimTransferFault::CloseBeforeFirstPacket << false << "disconnect";
        QTest::newRow("cut off mid-file") << SimTransferFault::StopMidTransfer << false << "disconnect";
        QTest::newRow("camera finds it damaged") << SimTransferFault::WrongMd5 << false << "Restore failed reboot...";
        QTest::newRow("falls silent mid-file") << SimTransferFault::SilentMidTransfer << false << "disconnect";
    }

    void restore()
    {
        QFETCH(SimTransferFault, fault);
        QFETCH(bool, ok);
        QFETCH(QString, status);
        const QByteArray archive = testenv::patternBytes(9000, 13);
        QVERIFY(testenv::writeFile(QStringLiteral("chosen/data.tar.gz"), archive));
        sim->setFault(fault);
        ArchiveSession session;
        Seen seen(session);
        const testenv::TimeFactor factor(time_factor(fault));
        QVERIFY(run(seen, [&] { session.restore(kCamera, {}, QDir::current().filePath(QStringLiteral("chosen/data.tar.gz")), 1); }));
        QCOMPARE(seen.finished.last(), ok);
        QCOMPARE(seen.backup_status.last(), status);
        QCOMPARE(seen.notices, ok ? QStringList{QStringLiteral("Restore Success")} : QStringList());
        if (ok) {
            const SimTransferRecord r = sim->records().last();
            QCOMPARE(r.text, QByteArray("data.tar.gz"));
            QCOMPARE(r.md5, md5(archive));
            QCOMPARE(r.file, archive);
        }
        sim->setFault(SimTransferFault::None);
        QVERIFY(run(seen, [&] { session.restore(kCamera, {}, QDir::current().filePath(QStringLiteral("chosen/data.tar.gz")), 1); }));
        QCOMPARE(seen.finished.last(), true);
    }

    void export_role_data()
    {
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<bool>("previous"); // a good archive from an export before
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("box");
        QTest::newRow("byte for byte") << SimTransferFault::None << true << true << "Export success";
        QTest::newRow("packets together") << SimTransferFault::PacketsTogether << true << true << "Export success";
        QTest::newRow("connection refused") << SimTransferFault::Refuse << true << false << "Connection timeout";
        QTest::newRow("cut off") << SimTransferFault::StopMidTransfer << true << false << "Export failure";
        QTest::newRow("closes before the first packet") << SimTransferFault::CloseBeforeFirstPacket << true << false << "Export failure";
        QTest::newRow("wrong MD5") << SimTransferFault::WrongMd5 << true << false << "Export failure";
        QTest::newRow("wrong MD5, first export") << SimTransferFault::WrongMd5 << false << false << "Export failure";
        QTest::newRow("data length over the block") << SimTransferFault::DataLengthOverBlock << true << false << "Export failure";
        QTest::newRow("oversized length") << SimTransferFault::OversizedLength << true << false << "Export failure";
        QTest::newRow("falls silent mid-transfer") << SimTransferFault::SilentMidTransfer << true << false << "Export failure";
    }

    void export_role()
    {
        QFETCH(SimTransferFault, fault);
        QFETCH(bool, previous);
        QFETCH(bool, ok);
        QFETCH(QString, box);
        const QByteArray first = testenv::patternBytes(4500, 17);
        const QByteArray second = testenv::patternBytes(2048 * 2 + 10, 19);
        ArchiveSession session;
        Seen seen(session);
        if (previous) {
            sim->setRoleArchive("teacher_conf.tar.gz", first);
            QVERIFY(run(seen, [&] { session.export_role(Role::Teacher, kCamera + QStringLiteral("/x"), false); }));
            QCOMPARE(testenv::readFile(QStringLiteral("teacher_conf.tar.gz")), first);
            seen.notices.clear();
            seen.painting.clear();
        }
        sim->setRoleArchive("teacher_conf.tar.gz", second);
        sim->setFault(fault);
        {
            const testenv::TimeFactor factor(time_factor(fault));
            QVERIFY(run(seen, [&] { session.export_role(Role::Teacher, kCamera, false); }));
        }
        QCOMPARE(seen.finished.last(), ok);
        QCOMPARE(seen.notices, QStringList{box});
        QCOMPARE(seen.painting, fault == SimTransferFault::Refuse ? QStringList() : (QStringList{"off1", "on1"}));
        QCOMPARE(testenv::readFile(QStringLiteral("teacher_conf.tar.gz")), ok ? second : previous ? first : QByteArray("(none)"));

        sim->setFault(SimTransferFault::None);
        QVERIFY(run(seen, [&] { session.export_role(Role::Teacher, kCamera, false); }));
        QCOMPARE(testenv::readFile(QStringLiteral("teacher_conf.tar.gz")), second);
    }

    void import_role_data()
    {
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("box");
        QTest::newRow("byte for byte") << SimTransferFault::None << true << "Import success";
        QTest::newRow("connection refused") << SimTransferFault::Refuse << false << "Connection timeout";
        QTest::newRow("cut off") << SimTransferFault::StopMidTransfer << false << "Import failure";
        QTest::newRow("closes before the first packet") << SimTransferFault::CloseBeforeFirstPacket << false << "Import failure";
        QTest::newRow("camera finds it damaged") << SimTransferFault::WrongMd5 << false << "Import failure";
        QTest::newRow("falls silent mid-file") << SimTransferFault::SilentMidTransfer << false << "Import failure";
    }

    void import_role()
    {
        QFETCH(SimTransferFault, fault);
        QFETCH(bool, ok);
        QFETCH(QString, box);
        const QByteArray archive = testenv::patternBytes(7000, 23);
        const QString path = QDir::current().filePath(QStringLiteral("saved/board_conf.tar.gz"));
        QVERIFY(testenv::writeFile(path, archive));
        sim->setFault(fault);
        ArchiveSession session;
        Seen seen(session);
        {
            const testenv::TimeFactor factor(time_factor(fault));
            QVERIFY(run(seen, [&] { session.import_role(Role::Board, kCamera, path, false); }));
        }
        QCOMPARE(seen.finished.last(), ok);
        QCOMPARE(seen.notices, QStringList{box});
        QCOMPARE(seen.painting, fault == SimTransferFault::Refuse ? QStringList() : (QStringList{"off3", "on3"}));
        if (ok) {
            const SimTransferRecord r = sim->records().last();
            QCOMPARE(r.port, quint16(10791));
            QCOMPARE(r.text, QByteArray("board_conf.tar.gz"));
            QCOMPARE(r.file, archive);
        }
        sim->setFault(SimTransferFault::None);
        QVERIFY(run(seen, [&] { session.import_role(Role::Board, kCamera, path, false); }));
        QCOMPARE(seen.finished.last(), true);
        QCOMPARE(testenv::readFile(path), archive);
    }
};

QTEST_GUILESS_MAIN(tst_TransferSessions)
#include "tst_transfer_sessions.moc"
