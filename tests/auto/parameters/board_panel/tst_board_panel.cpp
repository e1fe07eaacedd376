// The Board tab's parameters in the window: the board pano camera's block read into the tab
// and the board area record, the shield boxes and shown flags, the change marks, and Apply and
// Obtain without the teacher pano camera.
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QtTest>

#include <memory>

namespace {

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    WindowHolder()
    {
        // Five cameras: the Board tab is there.
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=2\n"));
        window.reset(new MainWindow);
    }
    ~WindowHolder()
    {
        if (window)
            delete window->guide_config; // the window never deletes its wizard
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};

QString lines(std::initializer_list<const char *> parts)
{
    QStringList out;
    for (const char *p : parts)
        out << QString::fromLatin1(p);
    return out.join(QLatin1Char('\n'));
}

QList<QCheckBox *> shieldBoxes(Ui::MainWindow *ui)
{
    return {ui->board_shield_one_checkBox, ui->board_shield_two_checkBox, ui->board_shield_three_checkBox,
            ui->board_shield_four_checkBox};
}

QString boxStates(Ui::MainWindow *ui)
{
    QString s;
    for (QCheckBox *b : shieldBoxes(ui))
        s += b->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QString visibleFlags(MainWindow *w)
{
    QString s;
    for (int i = 0; i < 4; ++i)
        s += w->board_shield_visible[i] ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

} // namespace

class tst_BoardPanel : public QObject
{
    Q_OBJECT

private slots:
    void panoBlockFillsTheTab()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->board_multi_object_pano_one_radioButton->setChecked(true);
        ui->board_lose_object_pano_two_radioButton->setChecked(true);
        w->read_board_section(lines({"board_parameter", "get_tracking_config_file", "pano_sensitivity=3", "time_delay=12",
                                     "multi_object_strategy=1", "losing_object_strategy=0", "pano_pan_scale=100",
                                     "pano_tilt_scale=51", "pano_pan_increment=200", "pano_tilt_increment=99",
                                     "pano_shield_enable=0110", "pano_pan_second_shield_scale=40",
                                     "pano_tilt_second_shield_scale=60", "pano_pan_second_shield_increment=100",
                                     "pano_tilt_second_shield_increment=20", "feature_version=F 1.2",
                                     "pano_version=P 3.4"}));
        QCOMPARE(ui->board_sensitivity_label->text(), QStringLiteral("3"));
        QCOMPARE(ui->board_sensitivity_Slider->value(), 3);
        QCOMPARE(ui->board_target_lost_timeout_label->text(), QStringLiteral("12"));
        QCOMPARE(ui->board_target_lost_timeout_Slider->value(), 12);
        QVERIFY(ui->board_multi_object_pano_two_radioButton->isChecked());
        QVERIFY(!ui->board_multi_object_pano_one_radioButton->isChecked());
        QVERIFY(ui->board_lose_object_pano_one_radioButton->isChecked());
        QVERIFY(!ui->board_lose_object_pano_two_radioButton->isChecked());
        QCOMPARE(ui->board_version_feature_info_label->text(), QStringLiteral("F 1.2"));
        QCOMPARE(ui->board_version_pano_info_label->text(), QStringLiteral("P 3.4"));

        // board_region_coord in camera units, the painting record in window points.
        QCOMPARE(w->board_region_coord.track.width, 200);
        QCOMPARE(w->board_region_coord.pano_shield_enable, QStringLiteral("0110"));
        QVERIFY(w->board_track_flag);
        QCOMPARE(w->board_track_start, QPoint(95, 377));
        QCOMPARE(w->board_track_end, QPoint(245, 450));
        QCOMPARE(w->board_shield_start[1], QPoint(50, 385));
        QCOMPARE(w->board_shield_end[1], QPoint(125, 400));
        QCOMPARE(w->board_shield_start[0], QPoint(20, 340));
        for (int i = 0; i < 4; ++i)
            QVERIFY(w->board_shield_drawn[i]);
        QCOMPARE(boxStates(ui), QStringLiteral("0110"));
    }

    // A block that holds only some keys leaves the rest; the areas are drawn again from what
    // is stored.
    void missingKeysKeepTheirWidgets()
    {
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        ui->board_sensitivity_Slider->setValue(1);
        ui->board_lose_object_pano_two_radioButton->setChecked(true);
        ui->board_version_feature_info_label->setText(QStringLiteral("old"));
        w->board_region_coord.track = {100, 51, 200, 99};
        w->read_board_section(lines({"board_parameter", "get_tracking_config_file", "pano_version=P 9",
                                     "multi_object_strategy=7"}));
        QCOMPARE(ui->board_sensitivity_Slider->value(), 1);
        QCOMPARE(ui->board_sensitivity_label->text(), QStringLiteral("1"));
        QVERIFY(ui->board_lose_object_pano_two_radioButton->isChecked());
        QCOMPARE(ui->board_version_feature_info_label->text(), QStringLiteral("old"));
        QCOMPARE(ui->board_version_pano_info_label->text(), QStringLiteral("P 9"));
        QVERIFY(w->board_track_flag);
        QCOMPARE(w->board_track_start, QPoint(95, 377));
        QCOMPARE(w->board_track_end, QPoint(245, 450));
    }

    void shieldEnable_data()
    {
        QTest::addColumn<QString>("boxesBefore");
        QTest::addColumn<QString>("visibleBefore");
        QTest::addColumn<bool>("showRegion");
        QTest::addColumn<QString>("enable");
        QTest::addColumn<QString>("boxesAfter");
        QTest::addColumn<QString>("visibleAfter");

        QTest::newRow("'10': first on, second off, third and fourth as they were")
            << "0111" << "0101" << true << "10" << "1011" << "1001";
        QTest::newRow("'1111' with the regions hidden: boxes on, shown flags kept")
            << "0000" << "0000" << false << "1111" << "1111" << "0000";
        QTest::newRow("'1111' with the regions shown") << "0000" << "0000" << true << "1111" << "1111" << "1111";
        QTest::newRow("'0000' clears boxes and shown flags whatever the show box")
            << "1111" << "1111" << false << "0000" << "0000" << "0000";
        QTest::newRow("other characters change nothing, the one among them acts") << "1010" << "1000" << true << "x?1-" << "1010" << "1010";
        QTest::newRow("empty value changes nothing") << "1100" << "0100" << true << "" << "1100" << "0100";
    }

    void shieldEnable()
    {
        QFETCH(QString, boxesBefore);
        QFETCH(QString, visibleBefore);
        QFETCH(bool, showRegion);
        QFETCH(QString, enable);
        QFETCH(QString, boxesAfter);
        QFETCH(QString, visibleAfter);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        const QList<QCheckBox *> boxes = shieldBoxes(ui);
        for (int i = 0; i < 4; ++i) {
            boxes[i]->setChecked(boxesBefore.at(i) == QLatin1Char('1'));
            w->board_shield_visible[i] = visibleBefore.at(i) == QLatin1Char('1');
        }
        ui->board_show_region_checkBox->setChecked(showRegion);
        w->read_board_section(QStringLiteral("board_parameter\npano_shield_enable=") + enable);
        QCOMPARE(boxStates(ui), boxesAfter);
        QCOMPARE(visibleFlags(w.window.get()), visibleAfter);
    }

    void marks_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("panoConnected");
        QTest::addColumn<QString>("expected");

        QTest::newRow("sensitivity slider pressed") << "board_sensitivity_Slider" << false << "Apply(*)";
        QTest::newRow("timeout slider pressed") << "board_target_lost_timeout_Slider" << false << "Apply(*)";
        QTest::newRow("multi one clicked") << "board_multi_object_pano_one_radioButton" << false << "Apply(*)";
        QTest::newRow("multi two clicked") << "board_multi_object_pano_two_radioButton" << false << "Apply(*)";
        QTest::newRow("lose one clicked") << "board_lose_object_pano_one_radioButton" << false << "Apply(*)";
        QTest::newRow("lose two clicked") << "board_lose_object_pano_two_radioButton" << false << "Apply(*)";
        QTest::newRow("enable clicked, board pano connected") << "board_enable_checkBox" << true << "Apply(*)";
        QTest::newRow("enable clicked, not connected") << "board_enable_checkBox" << false << "Apply";
        QTest::newRow("second enable clicked, connected") << "board_enable_checkBox_2" << true << "Apply(*)";
        QTest::newRow("second enable clicked, not connected") << "board_enable_checkBox_2" << false << "Apply";
    }

    // Through the form's own signals, so the slots are reached by name.
    void marks()
    {
        QFETCH(QString, action);
        QFETCH(bool, panoConnected);
        QFETCH(QString, expected);
        WindowHolder w;
        w->udp_board_pano_flag = panoConnected;
        w.ui()->board_apply_Button->setText(QStringLiteral("Apply"));
        QWidget *control = w->findChild<QWidget *>(action);
        QVERIFY(control);
        // Some of these sit in a group the window keeps disabled; their slots stay connected.
        for (QWidget *p = control; p; p = p->parentWidget())
            p->setEnabled(true);
        if (auto *slider = qobject_cast<QAbstractSlider *>(control))
            QVERIFY(QMetaObject::invokeMethod(slider, "sliderPressed"));
        else
            qobject_cast<QAbstractButton *>(control)->click();
        QCOMPARE(w.ui()->board_apply_Button->text(), expected);
    }

    void applyWithoutTeacherPano()
    {
        WindowHolder w;
        RecordingPresenter boxes;
        w.ui()->board_apply_Button->setText(QStringLiteral("Apply(*)"));
        w.ui()->board_apply_Button->click();
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please connect the teacher pano camera")});
        QCOMPARE(boxes.shown.first().title, QStringLiteral("Warning"));
        QCOMPARE(boxes.shown.first().icon, QMessageBox::Warning);
        QVERIFY(!w->teacher_apply_wait);
        QCOMPARE(w.ui()->board_apply_Button->text(), QStringLiteral("Apply(*)"));
    }

    // Obtain does not test the connection: the request is armed and will time out.
    void obtainWithoutTeacherPano()
    {
        WindowHolder w;
        RecordingPresenter boxes;
        w.ui()->board_apply_Button->setText(QStringLiteral("Apply(*)"));
        w.ui()->board_obtain_Button->click();
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(w->teacher_obtain_wait);
        QCOMPARE(w.ui()->board_apply_Button->text(), QStringLiteral("Apply"));
    }
};

QTEST_MAIN(tst_BoardPanel)
#include "tst_board_panel.moc"
