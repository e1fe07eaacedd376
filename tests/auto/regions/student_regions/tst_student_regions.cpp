// The student and board regions on the preview pictures without the window: the mouse on the
// real region widgets (through the event filter they are given), the show-region box's commands
// as a simulated student pano camera receives them, and the overlays painted only on a change.
#include "cameras/picture_previews.h"
#include "core/time_scale.h"
#include "form_rig.h"
#include "model/region_geometry.h"
#include "regions/student_regions.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_wire.h"
#include "support/apply_mark.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QPainter>
#include <QtTest>

#include <memory>

using camera_slot::Slot;

namespace {
// The window's event filter: it hands the region widgets' events to the regions, as the window does.
struct Forwarder : QObject {
    StudentRegions *regions = nullptr;
    int paints = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("student_pano_region_widget"))
            ++paints;
        regions->filter_event(watched, event);
        return false;
    }
};

// The tab that shows, by its index on the form's tab bar, as the tab layout tells it.
struct FormIndex : OpenPage {
    const QTabWidget *tabs;
    explicit FormIndex(const QTabWidget *t) : tabs(t) {}
    Page open_page() const override { return Page::Other; }
    int open_index() const override { return tabs->currentIndex(); }
};

// The student calibration view, its box on the form, as the manual calibration keeps it.
struct Rig : FormRig, CalibrationView {
    int crossesOff = 0;
    bool calibration_shown(camera_slot::Side) const override
    {
        return ui->student_show_Calibration_checkBox->isChecked();
    }
    void hide_calibration(camera_slot::Side) override
    {
        if (!ui->student_show_Calibration_checkBox->isChecked())
            return;
        ui->student_show_Calibration_checkBox->setChecked(false);
        ++crossesOff;
    }
    StudentRegionPoints points;
    BoardPreviewAreas board;
    Forwarder forwarder;
    FormIndex page{ui->tabWidget};
    StudentRegions regions{CORVANE_FORM_WIDGETS(StudentRegions, STUDENT_REGIONS_WIDGETS, formHost.ui),
                           cameras,
                           ports,
                           link,
                           status,
                           student_values,
                           points,
                           board,
                           page,
                           *this,
                           &forwarder,
                           &formHost.window};
    Rig()
    {
        forwarder.regions = &regions;
        student_values.old_point_format = false;
        // The tabs' Apply marks, as the tabs show them.
        QObject::connect(&regions, &StudentRegions::apply_mark_wanted, [this](camera_slot::Side side) {
            mark_apply(side == camera_slot::Side::Board ? ui->board_apply_Button : ui->student_apply_Button);
        });
        points.set_defaults(false);
        for (Slot slot : {Slot::StudentFeature, Slot::StudentPano, Slot::BoardPano})
            cameras.set_destination(slot, QStringLiteral("127.0.0.5"));
        cameras[Slot::StudentPano].udp_flag = cameras[Slot::StudentFeature].udp_flag = true;
        cameras[Slot::BoardPano].udp_flag = true;
        ui->tabWidget->setCurrentIndex(1);
        formHost.window.show();
    }
    void click(QAbstractButton *button, bool checked)
    {
        button->setEnabled(true);
        button->setChecked(!checked);
        button->click();
    }
    // "p x y" press, "m x y" move, "r" release of the left button (upper-case: the right button), in
    // the window's frame of the widget.
    void mouse(QWidget *widget, const QPoint &origin, const QString &actions)
    {
        for (const QString &action : actions.split(QLatin1String(", "))) {
            const QStringList v = action.split(QLatin1Char(' '));
            const QPoint at = v.size() > 2 ? QPoint(v[1].toInt(), v[2].toInt()) - origin : QPoint();
            const QString verb = v[0].toLower();
            const Qt::MouseButton button = v[0] == verb ? Qt::LeftButton : Qt::RightButton;
            const QEvent::Type type = verb == QLatin1String("p")   ? QEvent::MouseButtonPress
                                      : verb == QLatin1String("m") ? QEvent::MouseMove
                                                                   : QEvent::MouseButtonRelease;
            QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
};

// The window's picture slots with no dialog open.
struct NoDialogs : FreePreview, MenuCamera {
    int menu_camera(camera_slot::Side) const override { return -1; }
    bool preview_connected() const override { return false; }
    QHostAddress *preview_destination() const override { return nullptr; }
};

QString pointsText(const QPoint *p, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QStringLiteral("%1,%2").arg(p[i].x()).arg(p[i].y());
    return out.join(QLatin1Char(' '));
}

// A picture for the screenshot: a floor, rows of desks and a board.
QPixmap classroomPicture()
{
    QPixmap picture(480, 270);
    picture.fill(QColor(150, 140, 120));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 480, 70, QColor(200, 200, 190));
    painter.fillRect(140, 10, 200, 50, QColor(30, 70, 40));
    for (int row = 0; row < 4; ++row)
        for (int desk = 0; desk < 6; ++desk)
            painter.fillRect(40 + desk * 70 - row * 8, 90 + row * 45, 50 + row * 4, 18, QColor(110, 80, 50));
    return picture;
}
} // namespace

class tst_StudentRegions : public QObject
{
    Q_OBJECT

    SimCamera camera{QStringLiteral("127.0.0.5"), QStringLiteral("J57")};
    std::unique_ptr<Rig> r;

private slots:
    void initTestCase()
    {
        timescale::setFactor(0.01);
        QVERIFY2(camera.start(), qPrintable(camera.lastError()));
    }
    void init()
    {
        r.reset(new Rig);
        QVERIFY(QTest::qWaitForWindowExposed(&r->formHost.window));
        camera.clearRecords();
    }
    void cleanup() { r.reset(); }

    void boundsAndOrder_data()
    {
        QTest::addColumn<QList<int>>("rect");
        QTest::addColumn<bool>("inBounds");
        QTest::addColumn<QList<int>>("ordered"); // normalize_rect of the same four numbers
        QTest::newRow("widest and highest") << QList<int>{3, 3, 477, 267} << true << QList<int>{3, 3, 477, 267};
        QTest::newRow("one too wide") << QList<int>{3, 3, 478, 267} << false << QList<int>{3, 3, 478, 267};
        QTest::newRow("one too high") << QList<int>{3, 3, 477, 268} << false << QList<int>{3, 3, 477, 268};
        QTest::newRow("x on the margin") << QList<int>{2, 3, 100, 100} << false << QList<int>{2, 3, 100, 100};
        QTest::newRow("drawn from bottom right") << QList<int>{300, 200, 10, 20} << true
                                                 << QList<int>{10, 20, 300, 200};
    }
    void boundsAndOrder()
    {
        QFETCH(QList<int>, rect);
        QTEST(region_geometry::region_in_bounds(rect[0], rect[1], rect[2], rect[3]), "inBounds");
        region_geometry::normalize_rect(rect[0], rect[1], rect[2], rect[3]);
        QTEST(rect, "ordered");
    }

    // Window points as the installer drags them; the picture's top-left is (20, 340), the
    // close-up's (20, 48).
    void drawing_data()
    {
        QTest::addColumn<QString>("radio");   // the mode's radio button; the show box is ticked after it
        QTest::addColumn<int>("shieldBox");   // the shield box ticked first, -1 none
        QTest::addColumn<int>("trackStatus"); // 2 stopped
        QTest::addColumn<QPoint>("first");    // the group's first point before, when not null
        QTest::addColumn<QString>("widget");  // pano, feature or board
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("marked"); // the tab's Apply says "Apply(*)"
        const QString shieldRadio = QStringLiteral("student_shield_region_radioButton");
        const QString trackRadio = QStringLiteral("student_track_region_radioButton");
        QTest::newRow("shield 1 to the bottom edge") << shieldRadio << 0 << 2 << QPoint() << "pano" << "p 250 400, m 300 600, r"
                                                     << "shield 0" << "drawn 0,60 0,268 0,268 280,267" << true;
        QTest::newRow("shield 1 to the right edge") << shieldRadio << 0 << 2 << QPoint() << "pano" << "p 250 400, m 495 450, r"
                                                    << "shield 0" << "drawn 0,60 0,268 480,270 478,110" << true;
        QTest::newRow("shield 1 released unmoved is dropped")
            << shieldRadio << 0 << 2 << QPoint() << "pano" << "p 250 400, r" << "shield 0" << "dropped 0,0 0,0 0,0 0,0" << false;
        QTest::newRow("shield 1 released mid-picture is dropped")
            << shieldRadio << 0 << 2 << QPoint() << "pano" << "p 250 400, m 250 500, r" << "shield 0" << "dropped 0,0 0,0 0,0 0,0"
            << false;
        QTest::newRow("shield 2 to the top edge") << shieldRadio << 1 << 2 << QPoint() << "pano" << "p 250 400, m 100 345, r"
                                                  << "shield 1" << "drawn 480,60 480,0 480,0 80,0" << true;
        QTest::newRow("shield 4 to the left edge") << shieldRadio << 3 << 2 << QPoint() << "pano" << "p 250 400, m 25 500, r"
                                                   << "shield 3" << "drawn 230,0 0,0 0,0 0,160" << true;
        QTest::newRow("shield without a ticked box") << shieldRadio << -1 << 2 << QPoint() << "pano" << "p 250 400, m 300 600, r"
                                                     << "shield 0" << "dropped 0,0 0,0 0,0 0,0" << false;
        const QString corners = QStringLiteral("100,200 380,200 310,60 170,60");
        QTest::newRow("corner 8 away stays") << trackRadio << -1 << 2 << QPoint() << "pano" << "p 128 540, m 300 500, r"
                                             << "corners" << corners << false;
        QTest::newRow("corner 7 away is dragged") << trackRadio << -1 << 2 << QPoint() << "pano" << "p 127 540, m 300 500, r"
                                                  << "corners" << "280,160 380,200 310,60 170,60" << true;
        QTest::newRow("press clamped before the search") << trackRadio << -1 << 2 << QPoint(0, 5) << "pano" << "p 21 345, r"
                                                         << "corners" << "2,5 380,200 310,60 170,60" << true;
        QTest::newRow("corner dragged onto the top-left edge") << trackRadio << -1 << 2 << QPoint() << "pano"
                                                               << "p 120 540, m 20 340, r" << "corners"
                                                               << "0,0 380,200 310,60 170,60" << true;
        QTest::newRow("a drag past the edge stops at the last point inside")
            << trackRadio << -1 << 2 << QPoint() << "pano" << "p 120 540, m 498 607, m 600 700, r" << "corners"
            << "478,267 380,200 310,60 170,60" << true;
        QTest::newRow("right button ignored") << trackRadio << -1 << 2 << QPoint() << "pano" << "P 120 540, M 300 500, R" << "corners" << corners
                                              << false;
        QTest::newRow("tracking runs: nothing moves") << trackRadio << -1 << 1 << QPoint() << "pano" << "p 120 540, m 300 500, r"
                                                      << "corners" << corners << false;
        QTest::newRow("designated point 6") << "student_designated_region_radioButton" << -1 << 2 << QPoint() << "pano"
                                            << "p 134 457, m 140 450, r" << "designated"
                                            << "69,234 381,234 351,117 276,117 192,117 120,110" << true;
        QTest::newRow("close-up calibration point") << "student_pos_calibration_region_radioButton" << -1 << 2
                                                    << QPoint() << "feature" << "p 125 251, m 30 60, r" << "feature"
                                                    << "10,12 0,0 0,0 0,0 0,0 0,0" << true;
        QTest::newRow("board tracking rectangle") << "board_track_region_radioButton" << -1 << 2 << QPoint() << "board"
                                                  << "p 100 400, m 300 500, r" << "board" << "100,400 300,500" << true;
    }
    void drawing()
    {
        QFETCH(QString, radio);
        QFETCH(int, shieldBox);
        QFETCH(QString, widget);
        QFETCH(QString, what);
        Ui::MainWindow *ui = r->ui;
        const bool board = widget == QLatin1String("board");
        r->points.feature_calibrate_points[0] = QPoint(100, 200);
        QFETCH(QPoint, first);
        if (!first.isNull())
            r->points.student_area_points[0] = first;
        QFETCH(int, trackStatus);
        (board ? r->status.board_cur_track_status : r->status.student_cur_track_status) = trackStatus;
        if (board)
            ui->tabWidget->setCurrentIndex(2);
        QCheckBox *boxes[] = {ui->student_shield_one_checkBox, ui->student_shield_two_checkBox,
                              ui->student_shield_three_checkBox, ui->student_shield_four_checkBox};
        for (int i = 0; i < 4; ++i)
            boxes[i]->setChecked(i == shieldBox);
        r->formHost.window.findChild<QRadioButton *>(radio)->setChecked(true);
        r->click(board ? ui->board_show_region_checkBox : ui->student_show_region_checkBox, true);
        ui->student_apply_Button->setText(QStringLiteral("Apply"));
        ui->board_apply_Button->setText(QStringLiteral("Apply"));

        QWidget *target = board ? ui->board_pano_region_widget
                          : widget == QLatin1String("feature") ? ui->student_feature_region_widget
                                                               : ui->student_pano_region_widget;
        QFETCH(QString, actions);
        r->mouse(target, widget == QLatin1String("feature") ? QPoint(20, 48) : QPoint(20, 340), actions);

        const StudentRegionPoints &p = r->points;
        QString state;
        if (what.startsWith(QLatin1String("shield"))) {
            const int k = what.section(QLatin1Char(' '), 1).toInt();
            state = (p.student_shield_drawn[size_t(k)] ? "drawn " : "dropped ")
                    + pointsText(p.student_shield_points[size_t(k)].data(), 4);
        } else if (what == QLatin1String("corners")) {
            state = pointsText(p.student_area_points.data(), 4);
        } else if (what == QLatin1String("designated")) {
            state = pointsText(p.student_designated_points.data(), 6);
        } else if (what == QLatin1String("feature")) {
            state = pointsText(p.feature_calibrate_points.data(), 6);
        } else {
            state = pointsText(&r->board.board_track_start, 1) + ' ' + pointsText(&r->board.board_track_end, 1);
        }
        QTEST(state, "expected");
        QFETCH(bool, marked);
        QCOMPARE((board ? ui->board_apply_Button : ui->student_apply_Button)->text(),
                 marked ? QStringLiteral("Apply(*)") : QStringLiteral("Apply"));
    }

    // What the student pano camera receives when the regions are shown or hidden.
    void showRegionCommands_data()
    {
        QTest::addColumn<QString>("model"); // the student close-up camera's
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QStringList>("received");
        const QString crop = QStringLiteral("student_parameter\ncommand=get_crop_status");
        QTest::newRow("shown, camera draws them") << "J57" << true << true << QStringList{"81 01 04 57 02 FF"};
        QTest::newRow("shown on an M19") << "M19" << true << true << QStringList{"81 01 04 57 01 FF", crop};
        QTest::newRow("shown on an M5") << "M5" << true << true << QStringList{"81 01 04 57 01 FF", crop};
        QTest::newRow("hidden") << "J57" << true << false << QStringList{"81 01 04 57 01 FF"};
        QTest::newRow("hidden on an M19") << "M19" << true << false << QStringList{"81 01 04 57 01 FF", crop};
        QTest::newRow("pano not connected") << "M19" << false << true << QStringList{};
    }
    void showRegionCommands()
    {
        QFETCH(QString, model);
        QFETCH(bool, connected);
        QFETCH(bool, checked);
        r->cameras[Slot::StudentFeature].device_model = model;
        r->cameras[Slot::StudentPano].udp_flag = connected;
        r->status.student_crop_start_status = true;
        QCheckBox *cross = r->ui->student_show_Calibration_checkBox;
        cross->setEnabled(false);
        cross->setChecked(true);
        r->points.student_shield_drawn[2] = true;
        r->click(r->ui->student_show_region_checkBox, checked);
        // Hiding the regions hides the shields; the drawn one stays for the Apply.
        QVERIFY(r->points.student_shield_drawn[2]);
        QTEST(simwire::receivedUpToMarkers(camera), "received");
        // An M19 or M5 shows its regions without the calibration cross, whose handler hears of it.
        const bool dropsCross = connected && checked && model != QLatin1String("J57");
        QCOMPARE(cross->isChecked(), !dropsCross);
        QCOMPARE(r->crossesOff, dropsCross ? 1 : 0);
        QCOMPARE(r->status.student_crop_start_status, !connected || checked);
        if (connected)
            QCOMPARE(r->ui->student_track_region_radioButton->isEnabled(), checked);
    }

    // A second click while the camera switches its region display is refused: nothing goes out
    // twice and the box keeps the state being switched to.
    void secondClickWhileSwitching()
    {
        r->cameras[Slot::StudentFeature].device_model = QStringLiteral("M19");
        QCheckBox *box = r->ui->student_show_region_checkBox;
        QTimer::singleShot(0, box, [box] { box->click(); });
        r->click(box, true);
        QCOMPARE(simwire::receivedUpToMarkers(camera),
                 QStringList({"81 01 04 57 01 FF", "student_parameter\ncommand=get_crop_status"}));
        QVERIFY(box->isChecked());
    }

    // Board shield boxes 5 to 8 have no area on the camera; the tracking area keeps its own flag.
    void boardShields_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("box");       // the shield box ticked, 0 to 7
        QTest::addColumn<bool>("untick");   // and unticked again
        QTest::addColumn<QString>("shown"); // tracking area shown, shield 1 drawn
        QTest::addColumn<bool>("marked");
        const QString shieldRadio = QStringLiteral("board_shield_region_radioButton");
        QTest::newRow("shield 1 drawn") << shieldRadio << 0 << false << "11" << true;
        QTest::newRow("shield 5 draws nothing") << shieldRadio << 4 << false << "10" << false;
        QTest::newRow("box 5 off keeps the tracking area")
            << "board_track_region_radioButton" << 4 << true << "10" << true;
    }
    void boardShields()
    {
        QFETCH(int, box);
        Ui::MainWindow *ui = r->ui;
        ui->tabWidget->setCurrentIndex(2);
        r->status.board_cur_track_status = 2;
        r->board.board_track_flag = true;
        ui->board_shield_one_checkBox->setChecked(false);
        QFETCH(QString, radio);
        r->formHost.window.findChild<QRadioButton *>(radio)->setChecked(true);
        r->click(ui->board_show_region_checkBox, true);
        // The eight boxes in the form's order, one to eight.
        auto *shieldBox = r->formHost.window.findChildren<QCheckBox *>(QRegularExpression("^board_shield_"))[box];
        r->click(shieldBox, true);
        QFETCH(bool, untick);
        if (untick)
            r->click(shieldBox, false);
        ui->board_apply_Button->setText(QStringLiteral("Apply"));
        r->mouse(ui->board_pano_region_widget, QPoint(20, 340), QStringLiteral("p 120 380, m 400 560, r"));
        QTEST(QString::number(r->board.board_track_visible) + QString::number(r->board.board_shield_drawn[0]), "shown");
        QFETCH(bool, marked);
        QCOMPARE(ui->board_apply_Button->text(), marked ? QStringLiteral("Apply(*)") : QStringLiteral("Apply"));
    }

    // The board tracking area shown: everything outside it hatched red, the whole preview while
    // no area was drawn or read back; nothing with the regions hidden, nor while the board's
    // parameter archive travels.
    void boardHatching_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("area");        // (100, 40) to (380, 220) on the preview
        QTest::addColumn<QString>("archive");  // "", "travels" or "arrived"
        QTest::addColumn<QString>("hatched"); // red in the middle of the preview, in its corner
        QTest::newRow("no area yet: all hatched") << true << false << "" << "11";
        QTest::newRow("an area: hatched around it") << true << true << "" << "01";
        QTest::newRow("regions hidden") << false << true << "" << "00";
        QTest::newRow("the board's archive travels") << true << false << "travels" << "00";
        QTest::newRow("the board's archive arrived") << true << false << "arrived" << "11";
        QTest::newRow("the student's archive travels") << true << false << "student" << "11";
    }
    void boardHatching()
    {
        QFETCH(bool, shown);
        QFETCH(bool, area);
        QFETCH(QString, archive);
        if (archive == QLatin1String("student"))
            r->regions.pause_painting(transfer::Role::Student);
        else if (!archive.isEmpty())
            r->regions.pause_painting(transfer::Role::Board);
        if (archive == QLatin1String("arrived"))
            r->regions.resume_painting(transfer::Role::Board);
        Ui::MainWindow *ui = r->ui;
        ui->tabWidget->setCurrentIndex(2);
        ui->board_track_region_radioButton->setChecked(true);
        if (area) {
            r->board.board_track_start = QPoint(120, 380);
            r->board.board_track_end = QPoint(400, 560);
            r->board.board_track_flag = true;
        }
        r->click(ui->board_show_region_checkBox, true);
        if (!shown)
            r->click(ui->board_show_region_checkBox, false);
        const QImage painted = ui->board_pano_region_widget->grab().toImage();
        auto red = [&painted](const QRect &box) {
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (painted.pixel(x, y) == qRgb(255, 0, 0))
                        return '1';
            return '0';
        };
        QTEST(QString{red(QRect(230, 120, 20, 20))} + red(QRect(10, 10, 20, 20)), "hatched");
    }

    // The overlays are painted when something they show changed, and not otherwise.
    void paintedOnlyOnChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("painted");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("a shield box") << "student_shield_two_checkBox" << true;
        QTest::newRow("the area box") << "student_track_region_checkBox" << true;
        QTest::newRow("a reply's regions read") << "reply" << true;
        QTest::newRow("a drag that took no corner") << "p 400 400, m 410 410, r" << false;
        QTest::newRow("a corner dragged") << "p 120 540, m 130 530, r" << true;
    }
    void paintedOnlyOnChange()
    {
        Ui::MainWindow *ui = r->ui;
        ui->student_shield_one_checkBox->setChecked(true);
        ui->student_track_region_checkBox->setChecked(true);
        ui->student_track_region_radioButton->setChecked(true);
        r->click(ui->student_show_region_checkBox, true);
        QTRY_VERIFY(r->forwarder.paints > 0);
        QTest::qWait(50); // the first paints settle
        r->forwarder.paints = 0;
        QFETCH(QString, change);
        if (change == QLatin1String("reply")) {
            StudentRegionChecks checks;
            checks.shield[1] = true;
            r->regions.student_regions_read(checks);
        } else if (change.startsWith(QLatin1String("p "))) {
            r->mouse(ui->student_pano_region_widget, QPoint(20, 340), change);
        } else if (!change.isEmpty()) {
            auto *box = r->formHost.window.findChild<QAbstractButton *>(change);
            r->click(box, !box->isChecked());
        }
        for (int i = 0; i < 20; ++i)
            QTest::qWait(10);
        QFETCH(bool, painted);
        QCOMPARE(r->forwarder.paints > 0, painted);
        QVERIFY(r->forwarder.paints < 3);
    }

    // With CORVANE_SHOT_DIR set: the Student tab with the area, designated points and shields,
    // over the still and then over the pano's live picture of it (served at the camera's address
    // by the RTSP test server, decoded and shown by the window's picture slot).
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("CORVANE_SHOT_DIR not set");
        Ui::MainWindow *ui = r->ui;
        r->formHost.window.resize(1164, 760);
        ui->student_labVideo_pano->setPixmap(classroomPicture());
        // As the window's set-up leaves them while nothing is calibrated or cropped.
        for (QWidget *w : {ui->student_tip_label, ui->student_pano_calibration_label,
                           ui->student_feature_calibration_label})
            w->hide();
        ui->student_shield_one_checkBox->setChecked(true);
        ui->student_shield_three_checkBox->setChecked(true);
        ui->student_track_region_checkBox->setChecked(true);
        ui->student_designated_region_checkBox->setChecked(true);
        ui->student_shield_region_radioButton->setChecked(true);
        r->click(ui->student_show_region_checkBox, true); // shield 1 is the one drawn
        r->mouse(ui->student_pano_region_widget, QPoint(20, 340), QStringLiteral("p 250 420, m 200 602, r"));
        ui->student_shield_three_checkBox->click();
        ui->student_shield_three_checkBox->click();
        r->mouse(ui->student_pano_region_widget, QPoint(20, 340), QStringLiteral("p 250 380, m 380 345, r"));
        // The two pictures and the region settings below them.
        QVERIFY(ui->tab_student->grab(QRect(0, 290, 500, 420)).save(dir + QStringLiteral("/student-regions.png")));
        QTemporaryDir temp;
        RtspServerProcess server;
        RtspServerProcess::Options options;
        options.address = QStringLiteral("127.0.0.5");
        options.port = 554;
        options.size = QSize(960, 540);
        options.picture = temp.filePath(QStringLiteral("classroom.png"));
        QPixmap classroom = classroomPicture();
        QPainter painter(&classroom); // students at most desks
        painter.setRenderHint(QPainter::Antialiasing);
        for (int seat = 0; seat < 24; ++seat) {
            const int row = seat / 6, x = 65 + seat % 6 * 70 - row * 6, y = 90 + row * 45, size = 12 + row * 2;
            if (seat % 5 != 3) {
                painter.setBrush(QColor::fromHsv(seat * 47 % 360, 90, 170));
                painter.drawRoundedRect(x - size, y - size, size * 2, size + 2, 5, 5);
                painter.setBrush(QColor(225, 185, 150));
                painter.drawEllipse(QPoint(x, y - size - size / 2), size / 2, size / 2 + 1);
            }
        }
        painter.end();
        QVERIFY(classroom.scaled(options.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(options.picture));
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
        QFFmpeg *decoder = nullptr;
        RtspThread *thread = nullptr;
        rtsp_stream::create(&r->formHost.window, camera_slot::rtsp_url(Slot::StudentPano, options.address, "554"), 480, 270,
                            decoder, thread);
        NoDialogs noDialogs;
        PicturePreviews previews{CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, ui), r->cameras,
                                 noDialogs, noDialogs, &r->formHost.window};
        connect(decoder, &QFFmpeg::GetImage, &previews, &PicturePreviews::student_pano_SetImage, Qt::QueuedConnection);
        int pictures = 0;
        connect(decoder, &QFFmpeg::GetImage, &previews, [&pictures] { ++pictures; }, Qt::QueuedConnection);
        ui->student_labVideo_pano->clear();
        QVERIFY(rtsp_stream::start(decoder, thread));
        QTRY_VERIFY_WITH_TIMEOUT(pictures >= 10, 15000);
        QVERIFY(ui->tab_student->grab(QRect(0, 290, 500, 420)).save(dir + QStringLiteral("/student-regions-live.png")));
        rtsp_stream::stop(decoder, thread, {500, 100});
        QTRY_COMPARE_WITH_TIMEOUT(rtsp_stream::pendingCount(), 0, 5000);
    }
};

QTEST_MAIN(tst_StudentRegions)
#include "tst_student_regions.moc"
