// The region editor without the window: a teacher reply's regions on the scene, the Teacher tab's
// region controls clicked and the mouse on the real region view, the Apply's region section, and
// the commands the controls send to a simulated teacher pano camera.
#define QTEST_QPA_MOUSE_HANDLING

#include "core/time_scale.h"
#include "detection/yolo.h"
#include "form_rig.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "regions/customgraphicsview.h"
#include "regions/region_editor.h"
#include "support/apply_mark.h"
#include "scene_regions.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "test_env.h"

#include <QFile>
#include <QtTest>

#include <memory>

using namespace teacher_region_keys;
using camera_slot::Slot;

namespace {
const QString kShowOn = QStringLiteral("81 01 04 57 02 FF");
const QString kShowOff = QStringLiteral("81 01 04 57 01 FF");
const QString kCropStatus = QStringLiteral("teacher_parameter\ncommand=get_crop_status");
const QString kCancel = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=cancel%1area");

// The calibration view (its box on the form) and the detection's picture, as the manual
// calibration and the picture previews keep them; what the editor asks of them is recorded.
struct Host : CalibrationView, DetectorPicture {
    Ui::MainWindow *ui = nullptr;
    QStringList calls;
    bool calibration_shown(camera_slot::Side) const override { return ui->teacher_show_Calibration_checkBox->isChecked(); }
    void hide_calibration(camera_slot::Side side) override
    {
        if (!ui->teacher_show_Calibration_checkBox->isChecked())
            return;
        ui->teacher_show_Calibration_checkBox->setChecked(false);
        calls << QStringLiteral("cross off %1").arg(int(side));
    }
    void request_detector_picture() override {}
    bool detector_picture_requested() const override { return false; }
    void forget_detector_picture() override { calls << QStringLiteral("disarm picture"); }
};

struct Editor : FormRig {
    Host host;
    RegionEditor editor{CORVANE_FORM_WIDGETS(RegionEditor, REGION_EDITOR_WIDGETS, formHost.ui),
                        cameras,
                        ports,
                        link,
                        status,
                        teacher_values,
                        host,
                        host,
                        yolo_model,
                        &formHost.window};
    CustomGraphicsScene *scene = editor.scene();
    QList<QCheckBox *> regionBoxes = {ui->teacher_shield_one_checkBox, ui->teacher_shield_two_checkBox,
                                      ui->teacher_shield_three_checkBox, ui->teacher_shield_four_checkBox,
                                      ui->teacher_board_one_checkBox, ui->teacher_board_two_checkBox,
                                      ui->teacher_board_three_checkBox};
    Editor()
    {
        host.ui = ui;
        // The Apply's mark, as the Teacher tab shows it.
        QObject::connect(&editor, &RegionEditor::apply_mark_wanted,
                         [this](camera_slot::Side) { mark_apply(ui->teacher_apply_Button); });
        QObject::connect(&editor, &RegionEditor::applied_shown_wanted,
                         [this](camera_slot::Side) { ui->teacher_apply_Button->setText(QStringLiteral("Apply")); });
        // The zoom keys, as the pads switch them.
        QObject::connect(&editor, &RegionEditor::zoom_enabled_wanted, [this](camera_slot::Side, bool enable) {
            ui->teacher_zoomin_Button->setEnabled(enable);
        });
        cameras.set_destination(Slot::TeacherPano, QStringLiteral("127.0.0.3"));
        cameras[Slot::TeacherPano].udp_flag = true;
        ui->tabWidget->setCurrentWidget(ui->tab_teacher);
        for (QAbstractButton *b : formHost.window.findChildren<QAbstractButton *>())
            b->setEnabled(true);
        formHost.window.show();
    }
    void setBits(const QString &bits)
    {
        for (int i = 0; i < regionBoxes.size(); ++i)
            regionBoxes[i]->setChecked(bits.at(i) == QLatin1Char('1'));
    }
    // The seven boxes as "1" and "0": checked, or enabled.
    QString bits(bool enabled) const
    {
        QString s;
        for (QCheckBox *b : regionBoxes)
            s += (enabled ? b->isEnabled() : b->isChecked()) ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    QString regions() const { return scene_regions(scene); }
    void drag(const QPoint &from, const QPoint &to)
    {
        QWidget *viewport = ui->graphicsView->viewport();
        QTest::mouseMove(viewport, QPoint(440, 250));
        QTest::mouseMove(viewport, from);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    }
    void click(const QString &name) { formHost.window.findChild<QAbstractButton *>(name)->click(); }
    void show(bool on)
    {
        ui->teacher_show_region_checkBox->setChecked(!on);
        click(QStringLiteral("teacher_show_region_checkBox"));
    }
    // The Obtain's part: the redraw is armed and the scene cleared before the reply.
    void obtain(const QString &reply)
    {
        editor.set_redraw_pending(true);
        editor.clear_region_scene();
        editor.resolve_teacher_region_reply(reply);
    }
};

// A teacher reply with region keys: "t" tracking, "s" snapshot, "f" feature, "s1".."s4" shields,
// "b1".."b3" boards, each with four camera values; "se" and "be" the enable strings.
// A later part wins over an earlier one of its name: it goes first, and the first line of a key counts.
QString reply(const QStringList &parts)
{
    QString t = QStringLiteral("teacher_parameter\nget_tracking_config_file\ntracking_mode=1\n");
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) {
        const QStringList v = part->split(QLatin1Char(' '));
        if (v[0] == QLatin1String("se") || v[0] == QLatin1String("be")) {
            const char *key = v[0] == "se" ? kShieldEnableKey : kBoardEnableKey;
            t += QStringLiteral("%1=%2\n").arg(QLatin1String(key), v.value(1));
            continue;
        }
        const int n = v[0].size() > 1 ? v[0].at(1).digitValue() - 1 : 0;
        const RegionKeys &keys = v[0] == "t" ? kTrackingKeys : v[0] == "s" ? kSnapshotKeys : v[0] == "f" ? kFeatureKeys
                                 : v[0].startsWith('s') ? kShieldKeys[n] : kBoardKeys[n];
        for (int i = 0; i < 4; ++i)
            t += QStringLiteral("%1=%2\n").arg(QLatin1String(key_list(keys)[i]), v[i + 1]);
    }
    return t;
}
// Every region: tracking 20, 80, 610, 80; shields one and three on; all boards on.
const QStringList kFull = {"s 100 40 200 120", "t 20 80 610 80", "se 1010",         "s1 40 40 60 60",
                           "s2 100 100 50 50", "s3 400 133 237 80", "s4 500 250 60 60", "be 111",
                           "b1 10 50 133 101", "b2 373 49 133 101", "b3 200 49 100 101"};
} // namespace

class tst_RegionEditor : public QObject
{
    Q_OBJECT

    SimCamera camera{QStringLiteral("127.0.0.3"), QStringLiteral("J57")};
    std::unique_ptr<Editor> e;

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.01);
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
    }
    void init()
    {
        e.reset(new Editor);
        QVERIFY(QTest::qWaitForWindowExposed(&e->formHost.window));
        camera.clearRecords();
    }
    void cleanup() { e.reset(); }

    void replyOnScene_data()
    {
        QTest::addColumn<QString>("initial"); // shield and board boxes
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("regions");
        const QString boards = QStringLiteral("BoardRegionLeft 7 37 99 75, BoardRegionRight 279 36 99 75");
        const QString snapshotAndTracking = QStringLiteral("SnapshotRegion 75 30 150 90, TrackingRegion 15 60 457 60");
        const QString shields = QStringLiteral("ShieldRegionOne 30 30 45 45, ShieldRegionThree 300 99 177 60");
        QTest::newRow("every region") << "1000100" << true << true << kFull << "1010111"
                                      << "BoardRegionCenter 150 36 75 75, " + boards + ", " + shields + ", "
                                             + snapshotAndTracking;
        QTest::newRow("tracking beyond the right edge: the default") << "0000000" << true << true
            << QStringList{"t 100 80 560 80"} << "0000000" << "TrackingRegion 15 60 450 120";
        QTest::newRow("odd and missing enable characters") << "0110000" << true << true
            << kFull + QStringList{"se 1x", "s2 200 200 50 50", "be"} << "1110000"
            << shields + ", ShieldRegionTwo 150 150 37 37, " + snapshotAndTracking;
        QTest::newRow("regions not shown") << "0000000" << false << true << kFull << "1010111" << "";
        // Without a pending redraw (the echo of an Apply) the scene keeps what the show box drew.
        QTest::newRow("no redraw pending") << "0000000" << true << false << kFull << "1010111"
                                           << "TrackingRegion 15 60 450 120";
    }
    void replyOnScene()
    {
        QFETCH(QString, initial);
        QFETCH(bool, show);
        QFETCH(bool, pending);
        QFETCH(QStringList, parts);
        e->setBits(initial);
        if (show)
            e->show(true);
        if (pending)
            e->obtain(reply(parts));
        else
            e->editor.resolve_teacher_region_reply(reply(parts));
        QTEST(e->bits(false), "boxes");
        QTEST(e->regions(), "regions");
        QVERIFY(!e->editor.redraw_pending());
    }

    // The two truncating conversions, exactly; the known flags of what a reply carried.
    void replyArithmeticAndKnownRegions()
    {
        e->editor.resolve_teacher_region_reply(reply(kFull + QStringList{"be 11", "f 101 102 610 3"}));
        QCOMPARE(e->editor.region_rects().feature, (RegionRect{75, 76, 457, 1}));
        // A later reply without region keys keeps the values and flags.
        e->editor.resolve_teacher_region_reply(QStringLiteral("teacher_parameter\ntracking_mode=2\n"));
        const ApplyRegions a = e->editor.teacher_apply_regions();
        QCOMPARE(a.tracking, (RegionRect{15, 60, 457, 60}));
        QVERIFY(a.tracking_known && a.snapshot_known && a.board_known[0] && a.board_known[1] && !a.board_known[2]);
        QVERIFY(a.shield_known[0] && a.shield_known[1] && a.shield_known[2] && a.shield_known[3]);
        QCOMPARE(a.board[2].w, 0);
    }

    void applyAfterReplyAndEdit()
    {
        e->setBits(QStringLiteral("0000000"));
        e->show(true);
        e->obtain(reply(kFull));
        // The installer picks the snapshot region and drags it 20 right and 10 down.
        e->click(QStringLiteral("teacher_snapshot_region_radioButton"));
        e->drag(QPoint(150, 75), QPoint(170, 85));
        QVERIFY(e->regions().contains(QStringLiteral("SnapshotRegion 95 40 150 90")));
        e->editor.collect_region_rects();
        QFile golden(testenv::sourceDir() + QStringLiteral("/tests/auto/regions/region_editor/apply_after_reply.txt"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(apply_region_section(e->editor.teacher_apply_regions()), QString::fromLatin1(golden.readAll()));
    }

    // Controls clicked in order over stored regions (scene units); the outcome: the visible
    // regions | the current region | the scene's action | the seven boxes enabled | the Apply text.
    void controls_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("outcome");
        const QStringList shield2{"teacher_shield_two_checkBox"}, shield4{"teacher_shield_four_checkBox"};
        const QStringList board3{"teacher_board_three_checkBox"}, snapshot{"teacher_snapshot_region_radioButton"};
        QTest::newRow("shield box, nothing stored: drawn") << "0000000" << QStringList{"s2 10 10 0 40"} << shield2
                                                           << " | ShieldRegionTwo | 2 | 1111111 | Apply(*)";
        QTest::newRow("shield box, stored") << "0000000" << QStringList{"s4 200 100 40 30"} << shield4
            << "ShieldRegionFour 200 100 40 30 | ShieldRegionFour | 0 | 1111111 | Apply(*)";
        QTest::newRow("shield box off: hidden, none current") << "0000000" << QStringList{"s4 200 100 40 30"}
                                                              << shield4 + shield4 << " |  | 0 | 1111111 | Apply(*)";
        QTest::newRow("board box off keeps the current name") << "0000000" << QStringList{"b3 200 40 60 50"}
            << board3 + board3 << " | BoardRegionCenter | 0 | 1111111 | Apply(*)";
        QTest::newRow("snapshot, nothing stored: drawn") << "0000000" << QStringList{} << snapshot
                                                         << " | SnapshotRegion | 2 | 0000000 | Apply";
        QTest::newRow("snapshot, a width only: an empty item") << "0000000" << QStringList{"s 0 0 50 0"} << snapshot
            << "SnapshotRegion 0 0 0 0 | SnapshotRegion | 0 | 0000000 | Apply";
        QTest::newRow("shield radio: the first checked shield") << "1010000"
            << QStringList{"s1 20 20 40 40", "s3 120 20 40 40"} << QStringList{"teacher_shield_region_radioButton"}
            << "ShieldRegionOne 20 20 40 40 | ShieldRegionOne | 0 | 1111000 | ";
        QTest::newRow("board radio: the first flagged board") << "0000101" << QStringList{"b1 20 20 40 40"}
            << QStringList{"teacher_board_region_radioButton"}
            << "BoardRegionLeft 20 20 40 40 | BoardRegionLeft | 0 | 0000111 | ";
        QTest::newRow("track radio twice: one item") << "0000000" << QStringList{"t 30 50 300 100"}
            << QStringList{"teacher_track_region_radioButton", "teacher_track_region_radioButton"}
            << "TrackingRegion 30 50 300 100 | TrackingRegion | 0 | 0000000 | ";
        QTest::newRow("clear snapshot falls back to tracking") << "0000000"
            << QStringList{"t 30 50 300 100", "s 40 30 100 60"}
            << snapshot + QStringList{"clear_snapshot_region_pushButton"}
            << "TrackingRegion 30 50 300 100 | TrackingRegion | 0 | 0000000 | Apply";
    }
    void controls()
    {
        QFETCH(QString, initial);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, clicks);
        e->setBits(initial);
        e->ui->teacher_apply_Button->setText(QString());
        TeacherRegionRects &r = e->editor.region_rects();
        for (const QString &s : stored) {
            const QStringList v = s.split(QLatin1Char(' '));
            const int n = v[0].size() > 1 ? v[0].at(1).digitValue() - 1 : 0;
            (v[0] == "t" ? r.tracking : v[0] == "s" ? r.snapshot : v[0].startsWith('s') ? r.shield[n] : r.board[n]) =
                {v[1].toInt(), v[2].toInt(), v[3].toInt(), v[4].toInt()};
        }
        for (const QString &name : clicks)
            e->click(name);
        QTEST(QStringList({e->regions(), e->scene->getTrackingRegionName(), QString::number(e->scene->currentAction()),
                           e->bits(true), e->ui->teacher_apply_Button->text()})
                  .join(QLatin1String(" | ")),
              "outcome");
        if (clicks.last().startsWith(QLatin1String("clear")))
            QCOMPARE(r.snapshot, RegionRect{});
        if (e->scene->currentAction() != CustomGraphicsScene::RectType)
            return;
        // The mouse on the region view draws the armed region with its kind's pen.
        e->drag(QPoint(60, 60), QPoint(120, 100));
        QCOMPARE(e->regions(), e->scene->getTrackingRegionName() + QStringLiteral(" 60 60 60 40"));
        QCOMPARE(static_cast<CustomGraphicsRectItem *>(e->scene->graphicsRectList().first()->item)->pen().color(),
                 QColor(clicks.first().contains(QLatin1String("shield")) ? Qt::red : Qt::yellow));
    }

    // Off, then on with the shield and the blackboard kind chosen.
    void regionWidgetsFollowTheChosenKind()
    {
        QStringList seen;
        for (QRadioButton *kind : {e->ui->teacher_track_region_radioButton, e->ui->teacher_shield_region_radioButton,
                                   e->ui->teacher_board_region_radioButton}) {
            kind->setChecked(true);
            e->editor.set_teacher_region_widgets(kind != e->ui->teacher_track_region_radioButton);
            seen << e->bits(true) + QString::number(e->ui->del_track_region_pushButton->isEnabled());
        }
        QCOMPARE(seen, (QStringList{"00000000", "11110001", "11111111"}));
    }

    // What each control sends to the teacher pano camera, in order.
    void wire_data()
    {
        QTest::addColumn<QString>("control"); // on, off: the region show box turned on or off
        QTest::addColumn<QString>("model");   // the teacher (close-up) camera's
        QTest::addColumn<QString>("state");   // pano "offline" since its connect, "customer" model, "unconnected"
        QTest::addColumn<QStringList>("texts");
        const QStringList on = {kShowOn, kCropStatus}, off = {kShowOff, kCropStatus};
        QTest::newRow("show, J57") << "on" << "J57" << "" << on;
        QTest::newRow("show, M5") << "on" << "M5" << "" << off;
        QTest::newRow("hide, J57") << "off" << "J57" << "" << off;
        QTest::newRow("show, customer model") << "on" << "J57" << "customer" << on;
        QTest::newRow("show, pano offline: no crop status") << "on" << "J57" << "offline" << QStringList{kShowOn};
        const QString clear = QStringLiteral("clear_snapshot_region_pushButton");
        const QString cancel = QStringLiteral("del_track_region_pushButton");
        QTest::newRow("clear snapshot") << clear << "J57" << "" << QStringList{kCancel.arg("snapshot")};
        QTest::newRow("cancel tracking") << cancel << "J57" << "" << QStringList{kCancel.arg("tracking")};
        QTest::newRow("cancel tracking, unconnected") << cancel << "J57" << "unconnected" << QStringList{};
        // The window runs during the pause: a second press is ignored, a pano let go gets nothing.
        QTest::newRow("cancel tracking, pressed twice")
            << cancel << "J57" << "twice" << QStringList{kCancel.arg("tracking")};
        QTest::newRow("cancel tracking, let go meanwhile") << cancel << "J57" << "let go" << QStringList{};
    }
    void wire()
    {
        QFETCH(QString, control);
        QFETCH(QString, model);
        QFETCH(QString, state);
        QFETCH(QStringList, texts);
        Ui::MainWindow *ui = e->ui;
        const bool connected = state != QLatin1String("unconnected");
        e->cameras[Slot::TeacherFeature].device_model = model;
        e->cameras[Slot::TeacherPano].udp_flag = connected;
        e->status.teacher_pano_offline = state == QLatin1String("offline");
        e->teacher_values.customer_model = state == QLatin1String("customer");
        e->status.teacher_crop_start_status = true;
        ui->teacher_show_Calibration_checkBox->setChecked(true);
        ui->teacher_zoomin_Button->setEnabled(false);
        const bool show = control.size() < 4;
        int turns = 0;
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] {
            if (turns++ == 0 && state == QLatin1String("twice"))
                e->click(control);
            else if (turns == 1 && state == QLatin1String("let go"))
                e->cameras[Slot::TeacherPano].udp_flag = false;
        });
        turn.start(0);
        if (show)
            e->show(control == QLatin1String("on"));
        else
            e->click(control);
        turn.stop();
        QVERIFY(!control.startsWith(QLatin1String("del")) || !connected || turns > 0);
        QCOMPARE(simwire::receivedUpToMarkers(camera), texts);

        const bool done = show && connected, on = control == QLatin1String("on");
        QCOMPARE(e->host.calls, done && !on                 ? QStringList{"disarm picture"}
                                : done && model == "M5" ? QStringList{"cross off 0"}
                                                        : QStringList());
        // Hiding forgets the crop state.
        QCOMPARE(e->status.teacher_crop_start_status, !(done && !on));
        QCOMPARE(e->regions(), done && on ? QStringLiteral("TrackingRegion 15 60 450 120") : QString());
        QCOMPARE(e->bits(true), done && !on ? QStringLiteral("0000000") : e->teacher_values.customer_model ? "1111000" : "1111111");
        // An M19 or M5 shown while it does not track offers its zoom; an M5 drops its calibration view.
        QCOMPARE(ui->teacher_zoomin_Button->isEnabled(), done && on && (model == "M19" || model == "M5"));
        QCOMPARE(ui->teacher_show_Calibration_checkBox->isChecked(), !(done && on && model == "M5"));
        // Hiding turns the region controls off; the customer model never offers blackboards.
        QCOMPARE(ui->teacher_board_region_radioButton->isEnabled(),
                 !(done && (e->teacher_values.customer_model || !on)));
        const bool cancel = control.startsWith(QLatin1String("del"));
        QCOMPARE(e->editor.redraw_pending(), cancel && connected);
        QCOMPARE(e->boxes.texts().join(""), cancel && !connected ? QStringLiteral("Please connect the camera") : "");
        if (cancel && !connected) {
            QCOMPARE(e->boxes.shown.first().title, QStringLiteral("Warning"));
            QCOMPARE(e->boxes.shown.first().parent, &e->formHost.window);
        }
    }
};

QTEST_MAIN(tst_RegionEditor)
#include "tst_region_editor.moc"
