// The Upgrade tab, the Recorder Map Config tab's buttons and the role tabs' Param Backup groups
// as the installer drives them, on the form with the window's features: two simulated cameras
// in a second network namespace answer the search (one by multicast, one straight back), take a
// network configuration and a reboot; a simulated camera on 127.0.0.2 serves the transfers, and
// each of its faults ends in a failure the installer sees, the previous good file intact and the
// page ready for the next transfer. The last case takes the screenshots on the real window.
#include "camera_slot_setup.h"
#include "core/time_scale.h"
#include "features_shell.h"
#include "form_host.h"
#include "maintenance/device_search.h"
#include "mainwindow/window_features.h"
#include "netns_peer.h"
#include "recording_desktop.h"
#include "recording_presenter.h"
#include "sim_discovery.h"
#include "sim_transfer.h"
#include "test_env.h"
#include "window_holder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QtTest>

#include <algorithm>

using camslot::Slot;

namespace {
constexpr int kWaitMs = 10000; // bounds a failure; the namespaces and loopback answer in milliseconds
const QString kTransferCamera = QStringLiteral("127.0.0.2");
const QString kMulticastCamera = QStringLiteral("10.250.0.2");
const QString kUnicastCamera = QStringLiteral("10.250.0.3");
const QString kIni = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"
                                    "[UPGRADE]\nmode=Simple\nverify=true\nmodel_type=true\ntype=AUTO\nipaddr=127.0.0.2\n");

constexpr double kTimeFactor = 0.01;

// A row whose camera falls silent waits out the transfer links' silence bound at a smaller
// scale: 180 ms.
double time_factor(SimTransferFault fault) { return fault == SimTransferFault::SilentMidTransfer ? 0.001 : kTimeFactor; }

// Choosing the local address the cameras' namespace is reached from, and searching.
void click_search(QWidget *window)
{
    auto *hostNet = window->findChild<QComboBox *>(QStringLiteral("local_ip_list_comboBox"));
    hostNet->setCurrentIndex(hostNet->findText(QLatin1Char(':') + QLatin1String(NetnsPeer::kLocalAddress),
                                               Qt::MatchEndsWith));
    window->findChild<QPushButton *>(QStringLiteral("search_Button"))->click();
}

// The same, until the two cameras are listed.
bool search(QWidget *window)
{
    click_search(window);
    auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("searchTreeWidget"));
    return QTest::qWaitFor([&] { return tree->topLevelItemCount() == 2; }, kWaitMs);
}
} // namespace

Q_DECLARE_METATYPE(SimTransferFault)

class tst_UpgradeTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<NetnsPeer> peer;
    QList<SimDiscoveryService *> searchCameras; // live in the peer's thread
    QList<SimDeviceIdentity> searchIdentities;   // theirs at the start of every case
    SimDiscoveryService *fleet = nullptr;        // a case's many cameras, in the peer's thread
    std::unique_ptr<SimTransferService> sim;
    RecordingPresenter boxes;
    std::unique_ptr<RecordingDesktop> desktop;
    std::unique_ptr<FormHost> host;
    FeaturesShell shell;
    std::unique_ptr<WindowFeatures> f;
    Ui::MainWindow *ui = nullptr;

    camslot::Cameras cams() const { return camslot::of(*f, &host->window); }
    QTreeWidgetItem *row(const QString &address) const
    {
        const auto found = ui->searchTreeWidget->findItems(address, Qt::MatchExactly, 1);
        return found.isEmpty() ? nullptr : found.first();
    }
    QAction *menuAction(const QString &text) const
    {
        for (QMenu *menu : host->window.findChildren<QMenu *>())
            for (QAction *action : menu->actions())
                if (action->text() == text)
                    return action;
        return nullptr;
    }
    // The upgrade page has ended what it did: its buttons are back.
    bool upgradePageReady() const
    {
        return QTest::qWaitFor([&] { return ui->upgrade_Button->isEnabled() && ui->query_Button->isEnabled()
                                            && ui->label_66->text() != QLatin1String("connecting...")
                                            && ui->label_66->text() != QLatin1String("connected"); },
                               kWaitMs);
    }

    // count more cameras answering each search, 4000 answers a second.
    bool startFleet(int count)
    {
        bool started = false;
        peer->run([&] {
            fleet = new SimDiscoveryService(kMulticastCamera);
            SimDeviceIdentity me;
            me.ip = QStringLiteral("10.250.0.9");
            fleet->setIdentity(me);
            fleet->setFleet(count, 4000);
            started = fleet->start();
        });
        return started;
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(kTimeFactor);
        peer = std::make_unique<NetnsPeer>(QStringList{kUnicastCamera});
        QVERIFY2(peer->error().isEmpty(), qPrintable(peer->error()));
        const struct {
            QString address;
            SimReplyRoute route;
            const char *id, *model, *mac;
            bool dhcp;
        } cameras[] = {{kUnicastCamera, SimReplyRoute::Unicast, "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb3", "K38.S20",
                        "D4:E0:8E:01:02:04", true},
                       {kMulticastCamera, SimReplyRoute::Multicast, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa2", "K38.T20",
                        "D4:E0:8E:01:02:03", false}};
        for (const auto &c : cameras) {
            bool started = false;
            peer->run([&] {
                auto *camera = new SimDiscoveryService(c.address, c.route);
                SimDeviceIdentity me;
                me.ip = c.address;
                me.deviceId = QLatin1String(c.id);
                me.dhcp = c.dhcp;
                me.model = QLatin1String(c.model);
                me.mac = QLatin1String(c.mac);
                camera->setIdentity(me);
                started = camera->start();
                searchCameras << camera;
                searchIdentities << me;
            });
            QVERIFY(started);
        }
    }

    void cleanupTestCase()
    {
        peer->run([this] { qDeleteAll(searchCameras); });
        peer.reset();
    }

    void init()
    {
        QString why;
        QVERIFY2(testenv::clearWorkingFolder(&why), qPrintable(why));
        sim = std::make_unique<SimTransferService>(kTransferCamera);
        QVERIFY2(sim->start(), qPrintable(sim->lastError()));
        desktop = std::make_unique<RecordingDesktop>();
        boxes.clear();
        testenv::writeConfigIni(kIni);
        // A case that ended early (a failed row) leaves no camera with its settings changed.
        peer->run([this] {
            for (int i = 0; i < searchCameras.size(); ++i)
                searchCameras[i]->setIdentity(searchIdentities[i]);
        });
        if (QTest::currentTestFunction() == QLatin1String("screenshots"))
            return;
        host = std::make_unique<FormHost>();
        ui = host->ui;
        shell.window = &host->window;
        f = std::make_unique<WindowFeatures>(ui, &host->window, shell);
        f->settings().load_config();
        host->window.show();
        QApplication::setActiveWindow(&host->window);
        QVERIFY(QTest::qWaitForWindowActive(&host->window));
    }

    void cleanup()
    {
        peer->run([this] { delete fleet; });
        fleet = nullptr;
        f.reset();
        host.reset();
        desktop.reset();
        sim.reset();
    }

    // ---- the Search page ----

    // Each camera has its row, whichever way it answered; the rows go by address.
    void search_fills_the_list_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("dhcp");
        QTest::newRow("answer to the group") << kMulticastCamera << "1" << "D4:E0:8E:01:02:03" << "false";
        QTest::newRow("answer straight back") << kUnicastCamera << "2" << "D4:E0:8E:01:02:04" << "true";
    }
    void search_fills_the_list()
    {
        QFETCH(QString, address);
        QFETCH(QString, number);
        QFETCH(QString, mac);
        QFETCH(QString, dhcp);
        QVERIFY(search(&host->window));
        QCOMPARE(ui->label_62->text(), QStringLiteral("Devices: 2"));
        const QTreeWidgetItem *item = row(address);
        QVERIFY(item);
        QCOMPARE(item->text(0), number);
        QCOMPARE(ui->searchTreeWidget->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(item)), number.toInt() - 1);
        QCOMPARE(item->text(4), QStringLiteral("01:02:05"));
        QCOMPARE(item->text(7), mac);
        QCOMPARE(item->text(8).right(1), address.right(1));
        QCOMPARE(item->text(10), dhcp);
        QVERIFY(boxes.shown.isEmpty());
    }

    // A site's worth of cameras and more answer at once: the tree follows the list in a few
    // rebuilds, not one per camera, a full list is built once (the answers beyond it change the
    // count only), and it ends as one rebuild of the list leaves it (a row per listed camera,
    // numbered by address text, sorted by the number's text), with the count of those beyond.
    void flood_of_answers()
    {
        const int cameras = DeviceDiscovery::kMaxListedDevices + 2000;
        QVERIFY(startFleet(cameras));
        QSignalSpy rebuilds(ui->searchTreeWidget->model(), &QAbstractItemModel::modelReset);
        int fullTreesRebuilt = 0;
        QObject counting; // the count goes with this test, before the tree's last reset at cleanup
        connect(ui->searchTreeWidget->model(), &QAbstractItemModel::modelAboutToBeReset, &counting, [&] {
            fullTreesRebuilt += ui->searchTreeWidget->topLevelItemCount() == DeviceDiscovery::kMaxListedDevices;
        });
        QElapsedTimer clock;
        clock.start();
        click_search(&host->window);
        const int listed = DeviceDiscovery::kMaxListedDevices;
        const QString count = QStringLiteral("Devices: %1 (%2 more answered, not listed)").arg(listed).arg(cameras + 2 - listed);
        QTRY_COMPARE_WITH_TIMEOUT(ui->label_62->text(), count, kWaitMs);
        // No two rebuilds come closer than the delay (a timer may fire up to a tick early).
        QVERIFY2(rebuilds.count() <= clock.elapsed() / (DeviceSearch::kRebuildDelayMs - 10) + 2,
                 qPrintable(QStringLiteral("%1 rebuilds in %2 ms").arg(rebuilds.count()).arg(clock.elapsed())));
        QCOMPARE(fullTreesRebuilt, 0);

        QCOMPARE(ui->searchTreeWidget->topLevelItemCount(), listed);
        QStringList numbers;
        QMap<int, QTreeWidgetItem *> byNumber;
        QSet<QString> ids;
        for (int i = 0; i < listed; ++i) {
            QTreeWidgetItem *item = ui->searchTreeWidget->topLevelItem(i);
            numbers << item->text(0);
            byNumber.insert(item->text(0).toInt(), item);
            ids.insert(item->text(8));
        }
        QStringList sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(numbers, sorted);
        QCOMPARE(byNumber.firstKey(), 1);
        QCOMPARE(byNumber.lastKey(), listed);
        QCOMPARE(ids.size(), listed);
        QString previous;
        for (QTreeWidgetItem *item : qAsConst(byNumber)) {
            QVERIFY2(previous <= item->text(1), qPrintable(previous + QLatin1Char(' ') + item->text(1)));
            previous = item->text(1);
        }
    }

    // A search port another program holds without sharing it: the installer is told.
    void search_port_taken()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, 8005, QUdpSocket::DontShareAddress));
        ui->search_Button->click();
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Initializes the multicast failure")});
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Warning"));
    }

    // What the installer does with a listed camera.
    void gestures_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("page");      // -1: the page stays
        QTest::addColumn<QString>("field"); // the field that takes the address
        QTest::newRow("Upgrade") << "Upgrade" << 1 << "upgrade_ip_lineEdit";
        QTest::newRow("double click") << "double click" << 1 << "upgrade_ip_lineEdit";
        QTest::newRow("Backup") << "Backup" << 3 << "backup_ip_lineEdit";
        QTest::newRow("Preview") << "Preview" << 4 << "txtUrl";
        QTest::newRow("Config") << "Config" << 2 << "ip_address_lineEdit";
        QTest::newRow("click on the address") << "click" << -1 << "";
        QTest::newRow("Copy key") << "copy" << -1 << "";
    }
    void gestures()
    {
        QFETCH(QString, gesture);
        QFETCH(int, page);
        QFETCH(QString, field);
        QVERIFY(search(&host->window));
        QTreeWidgetItem *item = row(kUnicastCamera);
        const int before = ui->upgrade_tabWidget->currentIndex();
        ui->searchTreeWidget->setCurrentItem(item, 0);
        ui->searchTreeWidget->setFocus();
        if (gesture == QLatin1String("double click")) {
            emit ui->searchTreeWidget->doubleClicked(ui->searchTreeWidget->currentIndex());
        } else if (gesture == QLatin1String("click")) {
            const QRect cell = ui->searchTreeWidget->visualItemRect(item);
            const int x = ui->searchTreeWidget->header()->sectionViewportPosition(1) + 5;
            QTest::mouseClick(ui->searchTreeWidget->viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
            QCOMPARE(desktop->urls, QStringList{QStringLiteral("http://") + kUnicastCamera});
        } else if (gesture == QLatin1String("copy")) {
            QApplication::clipboard()->clear();
            QTest::keySequence(ui->searchTreeWidget, QKeySequence::Copy);
            QCOMPARE(QApplication::clipboard()->text(), kUnicastCamera);
        } else {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, ui->searchTreeWidget->visualItemRect(item).center());
            QApplication::sendEvent(ui->searchTreeWidget->viewport(), &menuEvent);
            QAction *action = menuAction(gesture);
            QVERIFY(action);
            action->trigger();
        }
        QCOMPARE(ui->upgrade_tabWidget->currentIndex(), page < 0 ? before : page);
        if (!field.isEmpty())
            QCOMPARE(host->window.findChild<QLineEdit *>(field)->text(), kUnicastCamera);
        if (gesture == QLatin1String("Preview"))
            QCOMPARE(ui->txtPort->text(), QStringLiteral("554"));
        if (gesture == QLatin1String("Config")) {
            QCOMPARE(ui->netmask_lineEdit->text(), QStringLiteral("255.255.255.0"));
            QCOMPARE(ui->fdns_lineEdit->text(), QStringLiteral("10.250.0.253"));
            QCOMPARE(ui->mac6_lineEdit->text(), QStringLiteral("04"));
        }
    }

    // The Set button's checks, the camera's confirmation and the new search it leads to.
    void set_network_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("page");
        QTest::newRow("the camera takes its new mask") << true << QStringList{"netmask_lineEdit=255.255.0.0"}
                                                       << "Set Success" << 0;
        QTest::newRow("no camera chosen") << false << QStringList() << "Please select the need to configure the equipment"
                                          << 1;
        QTest::newRow("a field left empty") << true << QStringList{"gateway_lineEdit="}
                                            << "The network information is incomplete" << 2;
        QTest::newRow("gateway outside the subnet") << true << QStringList{"gateway_lineEdit=10.250.9.1"}
                                                    << "Network information fill in error" << 2;
    }
    void set_network()
    {
        QFETCH(bool, selected);
        QFETCH(QStringList, typed);
        QFETCH(QString, box);
        QFETCH(int, page);
        QVERIFY(search(&host->window));
        ui->searchTreeWidget->setCurrentItem(row(kMulticastCamera));
        menuAction(QStringLiteral("Config"))->trigger();
        for (const QString &change : typed)
            host->window.findChild<QLineEdit *>(change.section(QLatin1Char('='), 0, 0))->setText(change.section(QLatin1Char('='), 1));
        if (!selected)
            ui->searchTreeWidget->setCurrentItem(nullptr);
        SimDiscoveryService *camera = searchCameras.last();
        const int configs = camera->configs().size();
        ui->set_net_pushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{box}, kWaitMs);
        QCOMPARE(ui->upgrade_tabWidget->currentIndex(), page);
        QCOMPARE(camera->configs().size(), configs + int(page == 0));
        if (page != 0)
            return;
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Information"));
        QCOMPARE(ui->ip_address_lineEdit->text(), QString());
        QCOMPARE(ui->mac1_lineEdit->text(), QString());
        // The new search lists the camera with its new settings.
        QTRY_VERIFY_WITH_TIMEOUT(row(kMulticastCamera) && row(kMulticastCamera)->text(2) == QLatin1String("255.255.0.0"),
                                 kWaitMs);
    }

    void mac_fields_take_one_byte_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("kept");
        QTest::newRow("a third digit") << "D4E" << "D4";
        QTest::newRow("no hexadecimal digit") << "0g" << "0";
        QTest::newRow("either case") << "aF" << "aF";
    }
    void mac_fields_take_one_byte()
    {
        QFETCH(QString, keys);
        QFETCH(QString, kept);
        ui->mac3_lineEdit->setEnabled(true);
        ui->mac3_lineEdit->clear();
        QTest::keyClicks(ui->mac3_lineEdit, keys);
        QCOMPARE(ui->mac3_lineEdit->text(), kept);
    }

    void reboot_data()
    {
        QTest::addColumn<int>("answer"); // a QMessageBox::StandardButton
        QTest::addColumn<int>("reboots");
        QTest::newRow("Ok") << int(QMessageBox::Ok) << 1;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << 0;
    }
    void reboot()
    {
        QFETCH(int, answer);
        QFETCH(int, reboots);
        QVERIFY(search(&host->window));
        SimDiscoveryService *camera = searchCameras.first();
        const int before = camera->reboots();
        ui->searchTreeWidget->setCurrentItem(row(kUnicastCamera));
        boxes.answerNext(QMessageBox::StandardButton(answer));
        menuAction(QStringLiteral("Reboot"))->trigger();
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Do you really want reboot?")});
        QCOMPARE(boxes.shown.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        // A search after it reaches the camera after any reboot message.
        QVERIFY(search(&host->window));
        QCOMPARE(camera->reboots(), before + reboots);
    }

    // ---- the Recorder Map Config tab ----

    void recorder_map_page()
    {
        QVERIFY(ui->port_set_groupBox->isHidden());
        ui->recorder_show_param_pushButton->click();
        QVERIFY(!ui->port_set_groupBox->isHidden() && !ui->widget_username->isHidden() && !ui->widget_password->isHidden());
        QCOMPARE(ui->recorder_show_param_pushButton->text(), QStringLiteral("Hide More"));
        ui->recorder_show_param_pushButton->click();
        QVERIFY(ui->port_set_groupBox->isHidden() && ui->widget_username->isHidden() && ui->widget_password->isHidden());
        QCOMPARE(ui->recorder_show_param_pushButton->text(), QStringLiteral("Show More"));

        ui->apply_port_Button->setText(QStringLiteral("Apply"));
        for (QLineEdit *edit : {ui->rtsp_port_Edit, ui->student_backup_port_Edit, ui->upgrade_port_Edit,
                                ui->recorder_password_Edit, ui->recorder_student_ip_Edit})
            edit->setText(QStringLiteral("1"));
        ui->default_port_Button->click();
        const QStringList defaults{ui->rtsp_port_Edit->text(), ui->student_backup_port_Edit->text(),
                                   ui->upgrade_port_Edit->text(), ui->recorder_password_Edit->text(),
                                   ui->recorder_student_ip_Edit->text()};
        QCOMPARE(defaults, (QStringList{"20554", "15555", "8005", "wobentri", "192.168.1.202"}));
        QCOMPARE(ui->apply_port_Button->text(), QStringLiteral("Apply(*)"));
    }

    // ---- the Upgrade page ----

    void upgrade_data()
    {
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<bool>("typed");  // the file's path typed into the field after another was chosen
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("status"); // label_67 at the end
        const auto none = SimTransferFault::None;
        QTest::newRow("byte for byte") << none << false << "Upgrade Success" << "disconnect";
        QTest::newRow("a path typed into the field") << none << true << "Upgrade Success" << "disconnect";
        QTest::newRow("connection refused") << SimTransferFault::Refuse << false << "" << "disconnect";
        QTest::newRow("closes before the first packet") << SimTransferFault::CloseBeforeFirstPacket << false << ""
                                                        << "disconnect";
        QTest::newRow("camera stops mid-file") << SimTransferFault::StopMidTransfer << false << "" << "disconnect";
        QTest::newRow("camera finds the file damaged") << SimTransferFault::WrongMd5 << false << ""
                                                       << "file verify fail reboot...";
        QTest::newRow("camera falls silent mid-file") << SimTransferFault::SilentMidTransfer << false << "" << "disconnect";
    }
    void upgrade()
    {
        QFETCH(SimTransferFault, fault);
        QFETCH(bool, typed);
        QFETCH(QString, box);
        QFETCH(QString, status);
        const QByteArray firmware = testenv::patternBytes(30000, 3);
        QVERIFY(testenv::writeFile(QStringLiteral("cam_SOC_v3.pkg"), firmware));
        QVERIFY(testenv::writeFile(QStringLiteral("other_SOC_v1.pkg"), testenv::patternBytes(100, 5)));
        desktop->files << QDir::current().filePath(typed ? QStringLiteral("other_SOC_v1.pkg") : QStringLiteral("cam_SOC_v3.pkg"));
        ui->open_Button->click();
        QCOMPARE(desktop->requests.last().caption, QStringLiteral("select upgrade pack"));
        QCOMPARE(desktop->requests.last().filter, QStringLiteral("ALL Files Types"));
        if (typed)
            ui->upgrade_filename_lineEdit->setText(QDir::current().filePath(QStringLiteral("cam_SOC_v3.pkg")));
        sim->setFault(fault);
        const testenv::TimeFactor factor(time_factor(fault));
        QSignalSpy progress(ui->progressBar, &QProgressBar::valueChanged);
        ui->upgrade_Button->click();
        QVERIFY(!ui->upgrade_Button->isEnabled());
        if (box.isEmpty())
            QVERIFY(upgradePageReady());
        else
            QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{box}, kWaitMs);
        QCOMPARE(ui->label_67->text(), status);
        QVERIFY(ui->upgrade_Button->isEnabled());
        QCOMPARE(ui->label_66->text(), fault == SimTransferFault::Refuse ? QStringLiteral("timed out") : QStringLiteral("disconnect"));
        QList<int> seen;
        for (const auto &args : progress)
            seen << args.first().toInt();
        if (!box.isEmpty()) {
            QCOMPARE(seen.mid(seen.indexOf(70)), (QList<int>{70, 85, 98, 100, 0}));
            const SimTransferRecord r = sim->records().last();
            QCOMPARE(r.letter, 'U');
            QCOMPARE(r.text, QByteArray("cam_SOC_v3.pkg"));
            QCOMPARE(r.file, firmware);
        } else {
            QVERIFY(!seen.contains(98));
        }
        // Ready for the next: a query shows the camera's versions.
        sim->setFault(SimTransferFault::None);
        ui->query_Button->click();
        QTRY_VERIFY_WITH_TIMEOUT(ui->textEdit->toPlainText().startsWith(QLatin1String("VERSION INFO\nSOC: v3.1.0")), kWaitMs);
        QVERIFY(upgradePageReady());
        QCOMPARE(ui->textEdit->textCursor().position(), 0);
    }

    // The work type chooses the packets' layout, resets the page and goes into the settings.
    void work_type_choice()
    {
        ui->label_83->setText(QStringLiteral("Backup Success"));
        emit ui->worktype_comboBox->activated(1);
        QCOMPARE(f->settings().upgrade().work_type, 2);
        QVERIFY(!f->settings().upgrade().upgrade_model_type);
        QCOMPARE(ui->label_83->text(), QStringLiteral("disconnect"));
        sim->setLayout(simtransfer::Layout::Short);
        ui->query_Button->click();
        QTRY_VERIFY_WITH_TIMEOUT(ui->textEdit->toPlainText().startsWith(QLatin1String("VERSION INFO")), kWaitMs);
    }

    void dropped_file()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/firmware/cam_ARM_v2.bin"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&host->window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&host->window, &drop);
        QCOMPARE(ui->upgrade_filename_lineEdit->text(), QStringLiteral("/firmware/cam_ARM_v2.bin"));
        QCOMPARE(f->settings().upgrade().upgrade_file_path, QStringLiteral("/firmware/cam_ARM_v2.bin"));
    }

    // ---- archives: the Backup page and the role tabs ----

    // A good transfer first where the tool keeps what came (a backup, an export), then one that
    // meets the fault: the failure shows, the good file stays, and the next transfer goes through.
    void archive_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<SimTransferFault>("fault");
        QTest::addColumn<QString>("status"); // label_83 at the end
        QTest::addColumn<QString>("box");
        const auto none = SimTransferFault::None;
        QTest::newRow("backup") << "backup" << none << "Backup Success" << "Backup Success";
        QTest::newRow("restore") << "restore" << none << "Restore Success" << "Restore Success";
        QTest::newRow("export") << "export" << none << "" << "Export success";
        QTest::newRow("import") << "import" << none << "" << "Import success";
        const struct {
            SimTransferFault fault;
            const char *name;
            const char *backup, *restore; // label_83
            bool restores, imports;       // the fault applies to a file the tool sends
        } faults[] = {
            {SimTransferFault::Refuse, "refused", "timed out", "timed out", true, true},
            {SimTransferFault::CloseBeforeFirstPacket, "closes before the first packet", "backup failed", "disconnect", true, true},
            {SimTransferFault::StopMidTransfer, "stops mid-transfer", "backup failed", "disconnect", true, true},
            {SimTransferFault::WrongMd5, "wrong MD5", "backup failed", "Restore failed reboot...", true, true},
            {SimTransferFault::OversizedLength, "oversized length", "backup failed", "", false, false},
            {SimTransferFault::DataLengthOverBlock, "data length over the block", "backup failed", "", false, false},
            {SimTransferFault::SilentMidTransfer, "falls silent mid-transfer", "backup failed", "disconnect", true, true},
        };
        for (const auto &f : faults) {
            const bool refused = f.fault == SimTransferFault::Refuse;
            QTest::addRow("backup, %s", f.name) << "backup" << f.fault << f.backup << "";
            QTest::addRow("export, %s", f.name) << "export" << f.fault << "" << (refused ? "Connection timeout" : "Export failure");
            if (f.restores)
                QTest::addRow("restore, %s", f.name) << "restore" << f.fault << f.restore << "";
            if (f.imports)
                QTest::addRow("import, %s", f.name) << "import" << f.fault << "" << (refused ? "Connection timeout" : "Import failure");
        }
    }
    void archive()
    {
        QFETCH(QString, operation);
        QFETCH(SimTransferFault, fault);
        QFETCH(QString, status);
        QFETCH(QString, box);
        const QByteArray good = testenv::patternBytes(5000, 7), next = testenv::patternBytes(2048 * 2 + 10, 9);
        const QString chosen = QDir::current().filePath(operation == QLatin1String("import")
                                                            ? QStringLiteral("saved/board_conf.tar.gz")
                                                            : QStringLiteral("classroom.tar.gz"));
        const QString kept = operation == QLatin1String("export") ? QDir::current().filePath(QStringLiteral("teacher_conf.tar.gz")) : chosen;
        QPushButton *button = operation == QLatin1String("backup")    ? ui->backup_pushButton
                              : operation == QLatin1String("restore") ? ui->restore_pushButton
                              : operation == QLatin1String("export")  ? ui->teacher_param_export_pushButton
                                                                      : ui->board_param_import_pushButton;
        QVERIFY(camslot::attach(cams(), Slot::TeacherPano, kTransferCamera));
        QVERIFY(camslot::attach(cams(), Slot::BoardPano, kTransferCamera));
        ui->backup_ip_lineEdit->setText(kTransferCamera);
        sim->setFullArchive(good);
        sim->setRoleArchive("teacher_conf.tar.gz", good);
        const bool sends = operation == QLatin1String("restore") || operation == QLatin1String("import");
        if (sends) {
            QVERIFY(testenv::writeFile(chosen, good));
            desktop->files << chosen;
            (operation == QLatin1String("import") ? ui->board_open_file_pushButton : ui->restore_pushButton)->click();
            if (operation == QLatin1String("import"))
                QCOMPARE(ui->board_filepath_lineEdit->text(), chosen);
            else
                QTRY_VERIFY_WITH_TIMEOUT(ui->label_83->text() == QLatin1String("Restore Success"), kWaitMs);
        } else {
            desktop->files << chosen;
            button->click();
            QTRY_VERIFY_WITH_TIMEOUT(testenv::readFile(kept) == good && boxes.shown.size() == 1, kWaitMs);
        }
        boxes.clear();
        sim->clearRecords();

        sim->setFullArchive(next);
        sim->setRoleArchive("teacher_conf.tar.gz", next);
        sim->setFault(fault);
        const testenv::TimeFactor factor(time_factor(fault));
        desktop->files << chosen;
        button->click();
        const bool ok = fault == SimTransferFault::None;
        if (!box.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(boxes.texts(), QStringList{box}, kWaitMs);
        if (!status.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(ui->label_83->text(), status, kWaitMs);
        QTest::qWait(50); // nothing more comes of it
        QCOMPARE(boxes.texts(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(testenv::readFile(kept), ok && !sends ? next : good);
        if (ok && sends) {
            QCOMPARE(sim->records().last().file, good);
            QCOMPARE(sim->records().last().text, QByteArray(operation == QLatin1String("import") ? "board_conf.tar.gz" : "data.tar.gz"));
        }

        sim->setFault(SimTransferFault::None);
        boxes.clear();
        desktop->files << chosen;
        button->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.shown.isEmpty(), kWaitMs);
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Information"));
        QCOMPARE(testenv::readFile(kept), sends ? good : next);
    }

    // The checks before an archive travels: nothing is sent.
    void archive_refused_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("box");
        QTest::newRow("camera not connected") << false << "board_conf.tar.gz" << "Please connect the camera";
        QTest::newRow("no file chosen") << true << "" << "Please select backup file";
        QTest::newRow("no such file") << true << "gone/board_conf.tar.gz" << "Not exist backup files";
        QTest::newRow("another role's archive") << true << "teacher_conf.tar.gz" << "File type does not match";
    }
    void archive_refused()
    {
        QFETCH(bool, connected);
        QFETCH(QString, path);
        QFETCH(QString, box);
        QVERIFY(testenv::writeFile(QStringLiteral("board_conf.tar.gz"), "b"));
        QVERIFY(testenv::writeFile(QStringLiteral("teacher_conf.tar.gz"), "t"));
        if (connected)
            QVERIFY(camslot::attach(cams(), Slot::BoardPano, kTransferCamera));
        ui->board_filepath_lineEdit->setText(path);
        ui->board_param_import_pushButton->click();
        QCOMPARE(boxes.texts(), QStringList{box});
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Warning"));
        QTest::qWait(50);
        QCOMPARE(sim->connectionCount(), 0);
    }

    // The tab opens on its Search page; the camera menu keys drive the Preview page's camera only
    // while that page shows.
    void pages()
    {
        QCOMPARE(ui->upgrade_tabWidget->currentIndex(), 0);
        QVERIFY(!f->search().preview_page_open());
        ui->upgrade_tabWidget->setCurrentWidget(ui->tab_11);
        QVERIFY(f->search().preview_page_open());
        ui->upgrade_tabWidget->setCurrentWidget(ui->tab_8);
        QVERIFY(!f->search().preview_page_open());
    }

    // A camera group's controls go on and off with its camera; only that role's archive
    // controls follow, and a typed path is the section's.
    void archive_controls_data()
    {
        QTest::addColumn<int>("camera");
        QTest::newRow("teacher") << 0;
        QTest::newRow("student") << 1;
        QTest::newRow("board") << 2;
    }
    void archive_controls()
    {
        QFETCH(int, camera);
        const QList<QList<QWidget *>> groups{
            {ui->teacher_param_export_pushButton, ui->teacher_param_import_pushButton, ui->teacher_filepath_lineEdit,
             ui->teacher_open_file_pushButton},
            {ui->student_param_export_pushButton, ui->student_param_import_pushButton, ui->student_filepath_lineEdit,
             ui->student_open_file_pushButton},
            {ui->board_param_export_pushButton, ui->board_param_import_pushButton, ui->board_filepath_lineEdit,
             ui->board_open_file_pushButton}};
        for (bool enable : {true, false}) {
            for (int group = 0; group < groups.size(); ++group)
                for (QWidget *w : groups[group])
                    w->setEnabled(!enable);
            emit f->layout().widget_status_changed(camera, enable);
            for (int group = 0; group < groups.size(); ++group)
                for (QWidget *w : groups[group])
                    QCOMPARE(w->isEnabled(), group == camera ? enable : !enable);
        }
        ui->teacher_filepath_lineEdit->setText(QStringLiteral("C:/t"));
        ui->student_filepath_lineEdit->setText(QStringLiteral("C:/s"));
        QCOMPARE(f->teacher_section().param_save_path, QStringLiteral("C:/t"));
        QCOMPARE(f->student_section().param_save_path, QStringLiteral("C:/s"));
    }

    // The form's re-texting of a language switch puts its own texts back; the pages show again
    // what they showed.
    void language_switch_keeps_the_pages()
    {
        QVERIFY(search(&host->window));
        ui->query_Button->click();
        QTRY_VERIFY_WITH_TIMEOUT(ui->textEdit->toPlainText().startsWith(QLatin1String("VERSION INFO")), kWaitMs);
        QVERIFY(upgradePageReady());
        sim->setFault(SimTransferFault::Refuse);
        ui->query_Button->click();
        QTRY_COMPARE_WITH_TIMEOUT(ui->label_66->text(), QStringLiteral("timed out"), kWaitMs);
        ui->backup_ip_lineEdit->setText(kTransferCamera);
        desktop->files << QDir::current().filePath(QStringLiteral("b.tar.gz"));
        ui->backup_pushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(ui->label_83->text(), QStringLiteral("timed out"), kWaitMs);
        ui->recorder_show_param_pushButton->click();
        const QStringList before{ui->label_62->text(), ui->label_66->text(), ui->label_83->text(),
                                 ui->backup_file_path_label->text(), ui->textEdit->toPlainText()};

        ui->retranslateUi(&host->window);
        f->retranslate_code_texts();
        QCOMPARE((QStringList{ui->label_62->text(), ui->label_66->text(), ui->label_83->text(),
                              ui->backup_file_path_label->text(), ui->textEdit->toPlainText()}),
                 before);
        // The recorder parameters fold, as the button reads "Show More" again.
        QVERIFY(ui->port_set_groupBox->isHidden());
        QCOMPARE(ui->recorder_show_param_pushButton->text(), QStringLiteral("Show More"));
    }

    // ---- the real window, as the installer sees it ----

    void screenshots()
    {
        WindowHolder w(kIni);
        w->show();
        auto *tabs = w.widget<QTabWidget>("tabWidget");
        tabs->setCurrentWidget(w.widget("tab_6"));
        QVERIFY(search(w.window.get()));
        QCOMPARE(w.widget<QLabel>("label_62")->text(), QStringLiteral("Devices: 2"));
        const QString shots = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (!shots.isEmpty())
            QVERIFY(w->grab().save(shots + QStringLiteral("/upgrade-search-list.png")));
        // More cameras than the list holds.
        QVERIFY(startFleet(DeviceDiscovery::kMaxListedDevices + 250));
        w.widget<QPushButton>("search_Button")->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.widget<QLabel>("label_62")->text().endsWith(QLatin1String("not listed)")), kWaitMs);
        if (!shots.isEmpty())
            QVERIFY(w->grab().save(shots + QStringLiteral("/upgrade-search-long-list.png")));

        // An upgrade that the camera has taken in whole and is checking.
        QVERIFY(testenv::writeFile(QStringLiteral("ZR40_SOC_v3.1.1.pkg"), testenv::patternBytes(200000, 3)));
        desktop->files << QDir::current().filePath(QStringLiteral("ZR40_SOC_v3.1.1.pkg"));
        w.widget<QTabWidget>("upgrade_tabWidget")->setCurrentIndex(1);
        w.widget<QPushButton>("open_Button")->click();
        sim->setUpgradeFinalStep(2); // a step that changes nothing: the camera keeps checking
        w.widget<QPushButton>("upgrade_Button")->click();
        QTRY_COMPARE_WITH_TIMEOUT(w.widget<QLabel>("label_67")->text(), QStringLiteral("file verify succeed upgradeing..."),
                                  kWaitMs);
        QCOMPARE(w.widget<QProgressBar>("progressBar")->value(), 85);
        QCOMPARE(w.widget<QLabel>("label_66")->text(), QStringLiteral("connected"));
        QVERIFY(!w.widget<QPushButton>("upgrade_Button")->isEnabled());
        QVERIFY(w.widget<QTextEdit>("textEdit")->toPlainText().startsWith(QLatin1String("VERSION INFO")));
        if (!shots.isEmpty())
            QVERIFY(w->grab().save(shots + QStringLiteral("/upgrade-in-progress.png")));
    }
};

QTEST_MAIN(tst_UpgradeTab)
#include "tst_upgrade_tab.moc"
