// The main window's region controls and the region part of the teacher exchange: a reply put on
// the region scene, the controls of the teacher tab, and the apply's region section.
#define QTEST_QPA_MOUSE_HANDLING

#include "core/time_scale.h"
#include "regions/customgraphicsrectitem.h"
#include "regions/customgraphicsscene.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPen>
#include <QtTest>

#include <memory>

namespace {
QString golden(const QString &name)
{
    QFile file(testenv::sourceDir() + QStringLiteral("/tests/auto/graphics/region_controls/golden/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing golden file %1>").arg(name);
    return QString::fromUtf8(file.readAll());
}

// Region keys of a teacher reply, camera units.
struct ReplyRegions
{
    QVector<int> snapshot, tracking, shield[4], board[3];
    QString shieldEnable, boardEnable; // null: key absent
};

QString rectKeys(const char *x, const char *y, const char *w, const char *h, const QVector<int> &v)
{
    if (v.isEmpty())
        return QString();
    return QStringLiteral("%1=%2\n%3=%4\n%5=%6\n%7=%8\n")
        .arg(QLatin1String(x)).arg(v[0]).arg(QLatin1String(y)).arg(v[1])
        .arg(QLatin1String(w)).arg(v[2]).arg(QLatin1String(h)).arg(v[3]);
}

QString reply(const ReplyRegions &r)
{
    static const char *const shieldOrdinals[4] = {"first", "second", "third", "fourth"};
    QString text = QStringLiteral("teacher_parameter\nget_tracking_config_file\ntracking_mode=1\n");
    text += rectKeys("boardsnapshot_pan_scale", "boardsnapshot_tilt_scale", "boardsnapshot_pan_increment",
                     "boardsnapshot_tilt_increment", r.snapshot);
    text += rectKeys("pano_pan_scale", "pano_tilt_scale", "pano_pan_increment", "pano_tilt_increment", r.tracking);
    if (!r.shieldEnable.isNull())
        text += QStringLiteral("pano_shield_enable=%1\n").arg(r.shieldEnable);
    for (int i = 0; i < 4; ++i) {
        const QByteArray o = shieldOrdinals[i];
        text += rectKeys(("pano_pan_" + o + "_shield_scale").constData(), ("pano_tilt_" + o + "_shield_scale").constData(),
                         ("pano_pan_" + o + "_shield_increment").constData(),
                         ("pano_tilt_" + o + "_shield_increment").constData(), r.shield[i]);
    }
    if (!r.boardEnable.isNull())
        text += QStringLiteral("teacher_board_enable=%1\n").arg(r.boardEnable);
    for (int i = 0; i < 3; ++i) {
        const QByteArray o = shieldOrdinals[i];
        text += rectKeys(("board_pan_" + o + "_scale").constData(), ("board_tilt_" + o + "_scale").constData(),
                         ("board_pan_" + o + "_increment").constData(), ("board_tilt_" + o + "_increment").constData(),
                         r.board[i]);
    }
    return text;
}

// A reply with every region: tracking 20, 80, 610, 80; shields one and three on; all boards on.
ReplyRegions fullReply()
{
    ReplyRegions r;
    r.snapshot = {100, 40, 200, 120};
    r.tracking = {20, 80, 610, 80};
    r.shieldEnable = QStringLiteral("1010");
    r.shield[0] = {40, 40, 60, 60};
    r.shield[1] = {100, 100, 50, 50};
    r.shield[2] = {400, 133, 237, 80};
    r.shield[3] = {500, 250, 60, 60};
    r.boardEnable = QStringLiteral("111");
    r.board[0] = {10, 50, 133, 101};
    r.board[1] = {373, 49, 133, 101};
    r.board[2] = {200, 49, 100, 101};
    return r;
}

QString bits(const QList<QCheckBox *> &boxes)
{
    QString s;
    for (QCheckBox *b : boxes)
        s += b->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

void setBits(const QList<QCheckBox *> &boxes, const QString &states)
{
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(states.at(i) == QLatin1Char('1'));
}
} // namespace

class tst_RegionControls : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingPresenter> boxes;
    std::unique_ptr<MainWindow> window;
    MainWindow *w = nullptr;
    CustomGraphicsScene *scene = nullptr;

    QList<QCheckBox *> shieldBoxes() const
    {
        return {w->ui->teacher_shield_one_checkBox, w->ui->teacher_shield_two_checkBox,
                w->ui->teacher_shield_three_checkBox, w->ui->teacher_shield_four_checkBox};
    }
    QList<QCheckBox *> boardBoxes() const
    {
        return {w->ui->teacher_board_one_checkBox, w->ui->teacher_board_two_checkBox,
                w->ui->teacher_board_three_checkBox};
    }

    // The visible regions on the scene as "name x y w h", sorted.
    QStringList sceneRegions() const
    {
        QStringList out;
        for (RectFManage *record : scene->graphicsRectList()) {
            auto *item = dynamic_cast<CustomGraphicsRectItem *>(record->item);
            if (!item || !item->isVisible())
                continue;
            const QRectF r = item->rect().translated(item->pos());
            out << QStringLiteral("%1 %2 %3 %4 %5").arg(record->regionName).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        out.sort();
        return out;
    }

    CustomGraphicsRectItem *itemNamed(const QString &name) const
    {
        for (RectFManage *record : scene->graphicsRectList()) {
            if (record->regionName == name)
                return dynamic_cast<CustomGraphicsRectItem *>(record->item);
        }
        return nullptr;
    }

    void resetRegionState()
    {
        w->clear_region_scene();
        scene->setCurrentAction(0);
        scene->setTrackingRegionName(QString());
        w->teacher_region_coord = {};
        w->teacher_region_rects = {};
        w->teacher_draw_snapshot_finish = w->teacher_draw_track_finish = false;
        w->teacher_show_snapshot_region = w->teacher_show_track_region = false;
        for (int i = 0; i < 4; ++i)
            w->teacher_draw_shield_finish[i] = w->teacher_show_shield_region[i] = false;
        for (int i = 0; i < 3; ++i)
            w->teacher_draw_board_finish[i] = w->teacher_show_board_region[i] = false;
        w->teacher_region_redraw_pending = false;
        w->teacher_current_shield = w->teacher_current_board = -1;
        w->ui->teacher_show_region_checkBox->setChecked(false);
        w->ui->teacher_track_region_radioButton->setChecked(true);
        setBits(shieldBoxes(), QStringLiteral("1000"));
        setBits(boardBoxes(), QStringLiteral("100"));
        w->ui->teacher_apply_Button->setText(QStringLiteral("Apply"));
        w->udp_teacher_pano_flag = true;
        w->teacher_feature_device_model.clear();
        boxes->clear();
    }

    // The Obtain's part of the road: the redraw is armed and the scene cleared before the reply.
    void obtain(const QString &replyText)
    {
        w->teacher_region_redraw_pending = true;
        w->clear_region_scene();
        w->resolve_teacher_region_reply(replyText);
    }

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.01);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        boxes.reset(new RecordingPresenter);
        window.reset(new MainWindow);
        w = window.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        scene = w->region_scene;
    }

    void cleanupTestCase()
    {
        if (window)
            delete window->guide_config;
        window.reset();
    }

    void init() { resetRegionState(); }

    // ---- a teacher reply on the scene ----

    void replyOnScene_data()
    {
        QTest::addColumn<QString>("initialShields");
        QTest::addColumn<QString>("initialBoards");
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QString>("replyText");
        QTest::addColumn<QString>("shields");
        QTest::addColumn<QString>("boards");
        QTest::addColumn<QStringList>("regions");

        QTest::newRow("every region") << "1000" << "100" << true << true << reply(fullReply()) << "1010" << "111"
            << QStringList{"BoardRegionCenter 150 36 75 75", "BoardRegionLeft 7 37 99 75",
                           "BoardRegionRight 279 36 99 75", "ShieldRegionOne 30 30 45 45",
                           "ShieldRegionThree 300 99 177 60", "SnapshotRegion 75 30 150 90",
                           "TrackingRegion 15 60 457 60"};

        ReplyRegions wide;
        wide.tracking = {100, 80, 560, 80};
        QTest::newRow("tracking beyond the right edge: the default") << "0000" << "000" << true << true << reply(wide)
            << "0000" << "000" << QStringList{"TrackingRegion 15 60 450 120"};

        ReplyRegions twoBoards = fullReply();
        twoBoards.shieldEnable = QStringLiteral("0000");
        twoBoards.boardEnable = QStringLiteral("11");
        QTest::newRow("two-character board string") << "0000" << "001" << true << true << reply(twoBoards)
            << "0000" << "111"
            << QStringList{"BoardRegionLeft 7 37 99 75", "BoardRegionRight 279 36 99 75",
                           "SnapshotRegion 75 30 150 90", "TrackingRegion 15 60 457 60"};

        ReplyRegions odd = fullReply();
        odd.shieldEnable = QStringLiteral("1x");
        odd.shield[1] = {200, 200, 50, 50};
        odd.boardEnable = QStringLiteral("");
        QTest::newRow("odd and missing enable characters") << "0110" << "000" << true << true << reply(odd)
            << "1110" << "000"
            << QStringList{"ShieldRegionOne 30 30 45 45", "ShieldRegionThree 300 99 177 60",
                           "ShieldRegionTwo 150 150 37 37", "SnapshotRegion 75 30 150 90",
                           "TrackingRegion 15 60 457 60"};

        QTest::newRow("regions not shown") << "0000" << "000" << false << true << reply(fullReply()) << "1010"
                                           << "111" << QStringList{};

        // Without a pending redraw (the echo of an apply) the scene keeps what the show box drew.
        QTest::newRow("no redraw pending") << "0000" << "000" << true << false << reply(fullReply()) << "1010"
                                           << "111" << QStringList{"TrackingRegion 15 60 450 120"};
    }
    void replyOnScene()
    {
        QFETCH(QString, initialShields);
        QFETCH(QString, initialBoards);
        QFETCH(bool, show);
        QFETCH(bool, pending);
        QFETCH(QString, replyText);
        QFETCH(QString, shields);
        QFETCH(QString, boards);
        QFETCH(QStringList, regions);

        setBits(shieldBoxes(), initialShields);
        setBits(boardBoxes(), initialBoards);
        if (show) {
            w->ui->teacher_show_region_checkBox->setChecked(true);
            w->on_teacher_show_region_checkBox_clicked(true);
        }
        if (pending) {
            obtain(replyText);
        } else {
            w->resolve_teacher_region_reply(replyText);
        }

        QCOMPARE(bits(shieldBoxes()), shields);
        QCOMPARE(bits(boardBoxes()), boards);
        QCOMPARE(sceneRegions(), regions);
        QVERIFY(!w->teacher_region_redraw_pending);
        if (!show) {
            for (bool flag : w->teacher_show_shield_region)
                QVERIFY(!flag);
            for (bool flag : w->teacher_show_board_region)
                QVERIFY(!flag);
        }
        if (!regions.isEmpty() && pending) {
            QVERIFY(w->ui->teacher_track_region_radioButton->isChecked());
            QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("TrackingRegion"));
        }
        // Every region drawn carries the pen of its kind.
        const QMap<QString, QColor> pens = {{"TrackingRegion", Qt::green}, {"SnapshotRegion", Qt::yellow},
            {"ShieldRegionOne", Qt::red}, {"ShieldRegionTwo", Qt::red}, {"ShieldRegionThree", Qt::red},
            {"BoardRegionLeft", Qt::blue}, {"BoardRegionRight", Qt::blue}, {"BoardRegionCenter", Qt::blue}};
        for (const QString &region : regions) {
            const QString name = region.section(QLatin1Char(' '), 0, 0);
            QCOMPARE(itemNamed(name)->pen().color(), pens.value(name));
        }
    }

    void replyStoresSceneUnitsAndKnownFlags()
    {
        ReplyRegions r = fullReply();
        r.boardEnable = QStringLiteral("11");
        QString text = reply(r);
        text += QStringLiteral("fea_pan_scale=101\nfea_tilt_scale=102\nfea_pan_increment=610\nfea_tilt_increment=3\n");
        w->resolve_teacher_region_reply(text);
        const auto &s = w->teacher_region_rects;
        QCOMPARE((QVector<int>{s.feature.x, s.feature.y, s.feature.w, s.feature.h}), (QVector<int>{75, 76, 457, 1}));
        QCOMPARE((QVector<int>{s.tracking.x, s.tracking.y, s.tracking.w, s.tracking.h}), (QVector<int>{15, 60, 457, 60}));
        QVERIFY(w->teacher_draw_track_finish && w->teacher_draw_snapshot_finish);
        for (bool known : w->teacher_draw_shield_finish)
            QVERIFY(known);
        QVERIFY(w->teacher_draw_board_finish[0] && w->teacher_draw_board_finish[1]);
        QVERIFY(!w->teacher_draw_board_finish[2]);
        QCOMPARE(s.board[2].w, 0);
        // A later reply without region keys keeps the values and flags.
        w->resolve_teacher_region_reply(QStringLiteral("teacher_parameter\ntracking_mode=2\n"));
        QCOMPARE(w->teacher_region_rects.tracking.w, 457);
        QVERIFY(w->teacher_draw_board_finish[0]);
    }

    // ---- the apply's region section ----

    void applyAfterReplyAndEdit()
    {
        setBits(shieldBoxes(), QStringLiteral("0000"));
        setBits(boardBoxes(), QStringLiteral("000"));
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        obtain(reply(fullReply()));

        // The installer picks the snapshot region and drags it 20 right and 10 down.
        w->ui->teacher_snapshot_region_radioButton->setChecked(true);
        w->on_teacher_snapshot_region_radioButton_clicked(true);
        CustomGraphicsRectItem *snapshot = itemNamed(QStringLiteral("SnapshotRegion"));
        QVERIFY(snapshot);
        QWidget *viewport = w->ui->graphicsView->viewport();
        QTest::mouseMove(viewport, QPoint(440, 250));
        QTest::mouseMove(viewport, QPoint(150, 75));
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(150, 75));
        QTest::mouseMove(viewport, QPoint(170, 85));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(170, 85));
        QCOMPARE(snapshot->rect().translated(snapshot->pos()), QRectF(95, 40, 150, 90));

        w->collect_region_rects();
        const QString section = teacher_region_keys::apply_region_section(w->teacher_apply_regions());
        QCOMPARE(section, golden(QStringLiteral("apply_after_reply.txt")));
    }

    // ---- the region controls ----

    void shieldWithoutStoredRectArmsDrawing()
    {
        w->teacher_region_rects.shield[1] = {10, 10, 0, 40};
        w->on_teacher_shield_two_checkBox_clicked(true);
        QCOMPARE(scene->currentAction(), int(CustomGraphicsScene::RectType));
        QCOMPARE(scene->itemType(), 2);
        QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("ShieldRegionTwo"));
        QVERIFY(scene->graphicsRectList().isEmpty());
        QCOMPARE(w->teacher_current_shield, 1);
        QVERIFY(w->teacher_show_shield_region[1]);
        QCOMPARE(w->ui->teacher_apply_Button->text(), QStringLiteral("Apply(*)"));

        QWidget *viewport = w->ui->graphicsView->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
        QTest::mouseMove(viewport, QPoint(120, 100));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(120, 100));
        QCOMPARE(sceneRegions(), QStringList{"ShieldRegionTwo 60 60 60 40"});
        QCOMPARE(itemNamed(QStringLiteral("ShieldRegionTwo"))->pen().style(), Qt::DashLine);
        QCOMPARE(scene->currentAction(), 0);
    }

    void shieldWithStoredRectIsRecreated()
    {
        w->teacher_region_rects.shield[3] = {200, 100, 40, 30};
        w->on_teacher_shield_four_checkBox_clicked(true);
        QCOMPARE(scene->currentAction(), 0);
        QCOMPARE(sceneRegions(), QStringList{"ShieldRegionFour 200 100 40 30"});
        // Unchecking hides it, keeps it listed and leaves no region current.
        w->on_teacher_shield_four_checkBox_clicked(false);
        QVERIFY(sceneRegions().isEmpty());
        QCOMPARE(scene->graphicsRectList().size(), 1);
        QCOMPARE(scene->getTrackingRegionName(), QString());
        QCOMPARE(w->teacher_current_shield, -1);
        QVERIFY(!w->teacher_show_shield_region[3]);
    }

    void boardUncheckKeepsTheCurrentName()
    {
        w->teacher_region_rects.board[2] = {200, 40, 60, 50};
        w->on_teacher_board_three_checkBox_clicked(true);
        QCOMPARE(sceneRegions(), QStringList{"BoardRegionCenter 200 40 60 50"});
        QCOMPARE(itemNamed(QStringLiteral("BoardRegionCenter"))->pen().color(), QColor(Qt::blue));
        w->on_teacher_board_three_checkBox_clicked(false);
        QVERIFY(sceneRegions().isEmpty());
        QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("BoardRegionCenter"));
        QCOMPARE(w->teacher_current_board, -1);
    }

    void snapshotRadio_data()
    {
        QTest::addColumn<QVector<int>>("stored");
        QTest::addColumn<bool>("draws");
        QTest::addColumn<QStringList>("regions");
        QTest::newRow("nothing stored: drawn anew") << QVector<int>{0, 0, 0, 0} << true << QStringList{};
        QTest::newRow("a width only: re-created, empty") << QVector<int>{0, 0, 50, 0} << false
                                                         << QStringList{"SnapshotRegion 0 0 0 0"};
        QTest::newRow("stored") << QVector<int>{40, 30, 100, 60} << false << QStringList{"SnapshotRegion 40 30 100 60"};
    }
    void snapshotRadio()
    {
        QFETCH(QVector<int>, stored);
        QFETCH(bool, draws);
        QFETCH(QStringList, regions);
        w->teacher_region_rects.snapshot = {stored[0], stored[1], stored[2], stored[3]};
        w->ui->teacher_snapshot_region_radioButton->setChecked(true);
        w->on_teacher_snapshot_region_radioButton_clicked(true);
        QCOMPARE(scene->currentAction(), draws ? int(CustomGraphicsScene::RectType) : 0);
        QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("SnapshotRegion"));
        if (draws)
            QCOMPARE(scene->itemType(), 3);
        QCOMPARE(sceneRegions(), regions);
        QVERIFY(w->teacher_snapshot_region_mode);
        QCOMPARE(w->teacher_region_kind, 0);
        for (QCheckBox *box : shieldBoxes() + boardBoxes())
            QVERIFY(!box->isEnabled());
    }

    void shieldRadioEditsTheFirstCheckedShield()
    {
        setBits(shieldBoxes(), QStringLiteral("1010"));
        w->teacher_region_rects.shield[0] = {20, 20, 40, 40};
        w->teacher_region_rects.shield[2] = {120, 20, 40, 40};
        w->ui->teacher_shield_region_radioButton->setChecked(true);
        w->on_teacher_shield_region_radioButton_clicked(true);
        QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("ShieldRegionOne"));
        QCOMPARE(w->teacher_current_shield, 2);
        QCOMPARE(w->teacher_region_kind, 2);
        QVERIFY(w->teacher_shield_region_mode && !w->teacher_track_region_mode);
        QCOMPARE(sceneRegions(), QStringList{"ShieldRegionOne 20 20 40 40"});
        for (QCheckBox *box : shieldBoxes())
            QVERIFY(box->isEnabled());
        for (QCheckBox *box : boardBoxes())
            QVERIFY(!box->isEnabled());
    }

    void boardRadioEditsTheFirstFlaggedBoard()
    {
        setBits(boardBoxes(), QStringLiteral("101"));
        w->teacher_region_rects.board[0] = {20, 20, 40, 40};
        w->ui->teacher_board_region_radioButton->setChecked(true);
        w->on_teacher_board_region_radioButton_clicked(true);
        QCOMPARE(scene->getTrackingRegionName(), QStringLiteral("BoardRegionLeft"));
        QCOMPARE(w->teacher_current_board, 0);
        QCOMPARE(w->teacher_region_kind, 3);
        QCOMPARE(sceneRegions(), QStringList{"BoardRegionLeft 20 20 40 40"});
    }

    void trackRadioRecreatesTracking()
    {
        w->teacher_region_rects.tracking = {30, 50, 300, 100};
        w->on_teacher_track_region_radioButton_clicked(true);
        QCOMPARE(sceneRegions(), QStringList{"TrackingRegion 30 50 300 100"});
        // Twice does not pile up items: the old one goes first.
        w->on_teacher_track_region_radioButton_clicked(true);
        QCOMPARE(scene->graphicsRectList().size(), 1);
        QCOMPARE(sceneRegions(), QStringList{"TrackingRegion 30 50 300 100"});
        QCOMPARE(w->teacher_region_kind, 1);
    }

    void controlsWaitForTheCamera()
    {
        w->udp_teacher_pano_flag = false;
        w->teacher_region_rects.tracking = {30, 50, 300, 100};
        w->on_teacher_track_region_radioButton_clicked(true);
        w->on_teacher_snapshot_region_radioButton_clicked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        w->on_clear_snapshot_region_pushButton_clicked(false);
        QVERIFY(scene->graphicsRectList().isEmpty());
        QCOMPARE(scene->currentAction(), 0);
        w->on_del_track_region_pushButton_clicked();
        QCOMPARE(boxes->texts(), QStringList{"Please connect the camera"});
        QCOMPARE(boxes->shown.first().title, QStringLiteral("Warning"));
        QVERIFY(!w->teacher_region_redraw_pending);
    }

    void clearSnapshotFallsBackToTracking()
    {
        w->teacher_region_rects.tracking = {30, 50, 300, 100};
        w->teacher_region_rects.snapshot = {40, 30, 100, 60};
        w->ui->teacher_snapshot_region_radioButton->setChecked(true);
        w->on_teacher_snapshot_region_radioButton_clicked(true);
        QCOMPARE(sceneRegions(), QStringList{"SnapshotRegion 40 30 100 60"});
        w->on_clear_snapshot_region_pushButton_clicked(false);
        QCOMPARE(sceneRegions(), QStringList{"TrackingRegion 30 50 300 100"});
        QCOMPARE(w->teacher_region_rects.snapshot.w, 0);
        QVERIFY(w->ui->teacher_track_region_radioButton->isChecked());
    }

    void cancelTrackingAreaArmsTheRedraw()
    {
        w->teacher_region_rects.tracking = {30, 50, 300, 100};
        w->on_teacher_track_region_radioButton_clicked(true);
        w->on_del_track_region_pushButton_clicked();
        QVERIFY(boxes->shown.isEmpty());
        QVERIFY(scene->items().isEmpty());
        QVERIFY(w->teacher_region_redraw_pending);
        // The camera's next reply redraws.
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->teacher_show_track_region = true;
        ReplyRegions tracking;
        tracking.tracking = {20, 80, 610, 80};
        w->resolve_teacher_region_reply(reply(tracking));
        QCOMPARE(sceneRegions(), QStringList{"TrackingRegion 15 60 457 60"});
        QVERIFY(!w->teacher_region_redraw_pending);
    }

    void showRegionOffClearsEverything()
    {
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        obtain(reply(fullReply()));
        QVERIFY(!scene->graphicsRectList().isEmpty());
        w->ui->teacher_shield_region_radioButton->setChecked(true);
        w->set_teacher_region_widgets(true);
        w->ui->teacher_show_region_checkBox->setChecked(false);
        w->on_teacher_show_region_checkBox_clicked(false);
        QVERIFY(scene->items().isEmpty());
        QVERIFY(scene->graphicsRectList().isEmpty());
        QVERIFY(!w->teacher_show_track_region && !w->teacher_show_snapshot_region);
        for (bool flag : w->teacher_show_shield_region)
            QVERIFY(!flag);
        QVERIFY(!w->teacher_track_region_mode && !w->teacher_shield_region_mode);
        QVERIFY(!w->ui->teacher_shield_region_radioButton->isEnabled());
        QVERIFY(!w->ui->teacher_shield_one_checkBox->isEnabled());
        QVERIFY(!w->ui->del_track_region_pushButton->isEnabled());
    }

    void regionWidgetsFollowTheChosenKind()
    {
        w->set_teacher_region_widgets(false);
        w->ui->teacher_shield_region_radioButton->setChecked(true);
        w->set_teacher_region_widgets(true);
        for (QCheckBox *box : shieldBoxes())
            QVERIFY(box->isEnabled());
        for (QCheckBox *box : boardBoxes())
            QVERIFY(!box->isEnabled());
        QVERIFY(w->ui->clear_snapshot_region_pushButton->isEnabled());
        w->ui->teacher_board_region_radioButton->setChecked(true);
        w->set_teacher_region_widgets(true);
        for (QCheckBox *box : boardBoxes())
            QVERIFY(box->isEnabled());
        // The customer model never offers blackboards.
        w->teacher_customer_model_flag = true;
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        QVERIFY(!w->ui->teacher_board_region_radioButton->isEnabled());
        for (QCheckBox *box : boardBoxes())
            QVERIFY(!box->isEnabled());
        w->teacher_customer_model_flag = false;
    }

    // ---- the preview with its regions ----

    void regionsPaintedOverThePicture()
    {
        // A stand-in panorama picture: wall, floor, a dark green blackboard and a lectern.
        QImage picture(480, 270, QImage::Format_RGB32);
        {
            QPainter p(&picture);
            QLinearGradient wall(0, 0, 0, 190);
            wall.setColorAt(0, QColor(214, 206, 190));
            wall.setColorAt(1, QColor(180, 170, 150));
            p.fillRect(0, 0, 480, 190, wall);
            p.fillRect(0, 190, 480, 80, QColor(120, 96, 72));
            p.fillRect(120, 40, 240, 90, QColor(28, 70, 48));
            p.setPen(QPen(QColor(230, 230, 230), 2));
            p.drawLine(140, 60, 220, 60);
            p.drawLine(140, 80, 260, 80);
            p.fillRect(390, 150, 50, 60, QColor(90, 60, 40));
            p.setBrush(QColor(60, 60, 90));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(300, 150), 10, 10);
            p.drawRect(290, 162, 20, 40);
        }
        w->ui->teacher_labVideo_pano->setPixmap(QPixmap::fromImage(picture));

        ReplyRegions r;
        r.tracking = {20, 80, 600, 160};         // scene 15 60 450 120
        r.snapshot = {160, 53, 320, 120};        // scene 120 39 240 90
        r.shieldEnable = QStringLiteral("1000");
        r.shield[0] = {513, 193, 80, 100};        // scene 384 144 60 75
        r.boardEnable = QStringLiteral("010");
        r.board[1] = {170, 60, 300, 100};         // scene 127 45 225 75
        setBits(shieldBoxes(), QStringLiteral("1000"));
        setBits(boardBoxes(), QStringLiteral("010"));
        w->ui->teacher_show_region_checkBox->setChecked(true);
        w->on_teacher_show_region_checkBox_clicked(true);
        obtain(reply(r));
        QCOMPARE(sceneRegions(), (QStringList{"BoardRegionRight 127 45 225 75", "ShieldRegionOne 384 144 60 75",
                                              "SnapshotRegion 120 39 240 90", "TrackingRegion 15 60 450 120"}));

        QWidget *tab = w->ui->tab_teacher;
        const QRect area(w->ui->teacher_pano_region_widget->mapTo(tab, QPoint(0, 0)), QSize(480, 270));
        QCOMPARE(w->ui->teacher_labVideo_pano->geometry(), area);
        const QImage shot = tab->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(480, 270));
        // Each outline in its own colour, and the picture around it.
        QCOMPARE(QColor(shot.pixel(15, 150)), QColor(Qt::green));
        QCOMPARE(QColor(shot.pixel(120, 110)), QColor(Qt::yellow));
        QCOMPARE(QColor(shot.pixel(127, 70)), QColor(Qt::blue));
        int red = 0;
        int other = 0;
        for (int x = 386; x < 442; ++x)
            (QColor(shot.pixel(x, 144)) == QColor(Qt::red) ? red : other)++;
        QVERIFY2(red > 10 && other > 5, "the shield outline is dashed red");
        QCOMPARE(QColor(shot.pixel(200, 100)), QColor(28, 70, 48));
        QCOMPARE(QColor(shot.pixel(100, 230)), QColor(120, 96, 72));

        const QByteArray shotsDir = qgetenv("CORVANE_SHOTS_DIR");
        if (!shotsDir.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(shotsDir));
            shot.save(QString::fromLocal8Bit(shotsDir) + QStringLiteral("/teacher_pano_regions.png"));
            w->grab().save(QString::fromLocal8Bit(shotsDir) + QStringLiteral("/teacher_tab_regions.png"));
        }
    }
};

QTEST_MAIN(tst_RegionControls)
#include "tst_region_controls.moc"
