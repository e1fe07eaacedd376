// The main window's reading of VISCA replies: the model kept for the camera that answered (by
// the datagram's sender or the TCP link it came on) and what a model switches, the zoom
// position shown per model, the digital zoom of a J22, the pan/tilt position, the focus mode
// and the replies that are only logged.
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"

#include <QtTest>

#include <memory>

using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

namespace {
QByteArray modelReply(const char *letterAndNumberHex)
{
    return QByteArray::fromHex(QByteArray("905000000000") + letterAndNumberHex + "ff");
}

QByteArray field(int value)
{
    QByteArray b;
    for (int shift : {12, 8, 4, 0})
        b.append(char((value >> shift) & 0xF));
    return b;
}

QByteArray zoomReply(int position) { return QByteArray::fromHex("9050") + field(position) + QByteArray::fromHex("ff"); }
QByteArray twoFields(int a, int b) { return QByteArray::fromHex("9050") + field(a) + field(b) + QByteArray::fromHex("ff"); }

struct Window {
    RecordingPresenter boxes;
    std::unique_ptr<MainWindow> w;
    explicit Window(int layout = 3)
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=%1\n").arg(layout));
        w.reset(new MainWindow);
    }
    ~Window()
    {
        for (QHostAddress **d : {&w->teacher_feature_destination, &w->teacher_pano_destination,
                                 &w->student_feature_destination, &w->student_pano_destination,
                                 &w->board_feature_destination, &w->board_pano_destination}) {
            delete *d;
            *d = nullptr;
        }
        delete w->guide_config;
    }
    MainWindow *operator->() const { return w.get(); }

    // Slots 0 to 5 on 127.0.0.2 to .7, connected over UDP.
    void attach(Slot slot)
    {
        const QHostAddress a(QStringLiteral("127.0.0.%1").arg(int(slot) + 2));
        switch (slot) {
        case Slot::TeacherFeature: w->udp_teacher_feature_flag = true; w->teacher_feature_destination = new QHostAddress(a); break;
        case Slot::TeacherPano: w->udp_teacher_pano_flag = true; w->teacher_pano_destination = new QHostAddress(a); break;
        case Slot::StudentFeature: w->udp_student_feature_flag = true; w->student_feature_destination = new QHostAddress(a); break;
        case Slot::StudentPano: w->udp_student_pano_flag = true; w->student_pano_destination = new QHostAddress(a); break;
        case Slot::BoardFeature: w->udp_board_feature_flag = true; w->board_feature_destination = new QHostAddress(a); break;
        case Slot::BoardPano: w->udp_board_pano_flag = true; w->board_pano_destination = new QHostAddress(a); break;
        }
    }
};

ViscaReplyOrigin fromSlot(Slot slot, int port = 1259)
{
    ViscaReplyOrigin o;
    o.sender = QHostAddress(QStringLiteral("127.0.0.%1").arg(int(slot) + 2));
    o.sender_port = quint16(port);
    return o;
}

QStringList models(MainWindow *w)
{
    return {w->teacher_feature_device_model, w->teacher_pano_device_model, w->student_feature_device_model,
            w->student_pano_device_model, w->board_feature_device_model};
}
} // namespace

class tst_ViscaReplies : public QObject
{
    Q_OBJECT

private slots:
    // Every slot connected; a model reply from one camera is kept for that camera alone, on
    // whatever tab the installer stands.
    void modelKeptForItsCamera_data()
    {
        QTest::addColumn<Slot>("from");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("expected");
        for (int tab : {0, 1, 2}) {
            QTest::addRow("teacher pano, tab %d", tab) << Slot::TeacherPano << tab << QStringList{"", "M19", "", "", ""};
            QTest::addRow("teacher feature, tab %d", tab) << Slot::TeacherFeature << tab << QStringList{"M19", "", "", "", ""};
            QTest::addRow("student pano, tab %d", tab) << Slot::StudentPano << tab << QStringList{"", "", "", "M19", ""};
            QTest::addRow("board feature, tab %d", tab) << Slot::BoardFeature << tab << QStringList{"", "", "", "", "M19"};
        }
    }

    void modelKeptForItsCamera()
    {
        QFETCH(Slot, from);
        QFETCH(int, tab);
        QFETCH(QStringList, expected);
        Window w;
        for (int s = 0; s < camera_slot::kSlotCount; ++s)
            w.attach(Slot(s));
        w->ui->tabWidget->setCurrentIndex(tab);
        w->check_role_reply(modelReply("4d19"), fromSlot(from));
        QCOMPARE(models(w.w.get()), expected);
        // Only the teacher feature camera's own M19 offers the lectern mode.
        QCOMPARE(!w->ui->lectern_mode_radioButton->isHidden(), from == Slot::TeacherFeature);
    }

    // The pano's J57 answer over the teacher link once the pano holds it: the R6 feature camera
    // keeps its model, its flags and its controls.
    void panoOverTheLinkLeavesTheFeature()
    {
        Window w;
        w.attach(Slot::TeacherFeature);
        w.attach(Slot::TeacherPano);
        w->teacher_feature_tcp_flag = true;
        w->check_role_reply(modelReply("5206"), ViscaReplyOrigin{QHostAddress(), 0, 1});
        QCOMPARE(w->teacher_feature_device_model, QStringLiteral("R6"));
        QVERIFY(w->teacher_model_r6_flag);
        QVERIFY(!w->ui->teacher_zoom_lineEdit->isHidden());
        w->teacher_feature_tcp_flag = false;
        w->teacher_pano_tcp_flag = true;
        w->check_role_reply(modelReply("4a57"), ViscaReplyOrigin{QHostAddress(), 0, 1});
        QCOMPARE(w->teacher_pano_device_model, QStringLiteral("J57"));
        QCOMPARE(w->teacher_feature_device_model, QStringLiteral("R6"));
        QVERIFY(w->teacher_model_r6_flag);
        QVERIFY(!w->teacher_model_j57_flag);
        QVERIFY(w->ui->label_persontrack->isHidden()); // J57's controls are the feature camera's
        // The zoom reply of the R6 still reads as an R6's 2x zoom.
        w->ui->tabWidget->setCurrentIndex(0);
        w->check_role_reply(zoomReply(16384), ViscaReplyOrigin{QHostAddress(), 0, 1});
        QCOMPARE(w->ui->teacher_zoom_lineEdit->text(), QStringLiteral("2.0x"));
    }

    // Cameras behind the recording host share its address; the mapped VISCA port tells the sides.
    void mappedPortsTellTheSides()
    {
        Window w;
        w->teacher_visca_port = 21259;
        w->student_visca_port = 31259;
        w->udp_teacher_feature_flag = w->udp_student_feature_flag = true;
        w->teacher_feature_destination = new QHostAddress(QStringLiteral("127.0.0.20"));
        w->student_feature_destination = new QHostAddress(QStringLiteral("127.0.0.20"));
        ViscaReplyOrigin o;
        o.sender = QHostAddress(QStringLiteral("127.0.0.20"));
        o.sender_port = 31259;
        w->check_role_reply(modelReply("4a22"), o);
        QCOMPARE(w->student_feature_device_model, QStringLiteral("J22"));
        QVERIFY(w->teacher_feature_device_model.isEmpty());
        QVERIFY(w->student_model_j22_flag);
        QVERIFY(!w->teacher_model_j22_flag);
    }

    // Without a known sender the tab the installer stands on decides.
    void unknownSenderByTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("teacher tab") << 0 << QStringList{"J22", "J22", "", "", ""};
        QTest::newRow("student tab") << 1 << QStringList{"", "", "J22", "J22", ""};
        QTest::newRow("board tab") << 2 << QStringList{"", "", "", "", "J22"};
        QTest::newRow("director tab") << 3 << QStringList{"", "", "", "", "J22"};
    }

    void unknownSenderByTab()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, expected);
        Window w;
        for (int s = 0; s < camera_slot::kSlotCount; ++s)
            w.attach(Slot(s));
        w->ui->tabWidget->setCurrentIndex(tab);
        w->check_role_reply(modelReply("4a22"));
        QCOMPARE(models(w.w.get()), expected);
    }

    void modelSwitches_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<Slot>("from");
        QTest::addColumn<int>("layoutBefore");
        QTest::addColumn<int>("layoutAfter");
        QTest::addColumn<QString>("flag");
        QTest::newRow("J57 teacher feature, layout 0") << QByteArray("4a57") << Slot::TeacherFeature << 0 << 2 << "teacher_j57";
        QTest::newRow("J57 student feature, layout 1") << QByteArray("4a57") << Slot::StudentFeature << 1 << 2 << "student_j57";
        QTest::newRow("J57 student feature, layout 3") << QByteArray("4a57") << Slot::StudentFeature << 3 << 3 << "student_j57";
        QTest::newRow("R6 teacher feature, layout 0") << QByteArray("5206") << Slot::TeacherFeature << 0 << 1 << "teacher_r6";
        QTest::newRow("R17 is an R6") << QByteArray("5217") << Slot::StudentFeature << 1 << 1 << "student_r6";
        QTest::newRow("M19 teacher feature, layout 0") << QByteArray("4d19") << Slot::TeacherFeature << 0 << 1 << "";
        QTest::newRow("J22 teacher feature") << QByteArray("4a22") << Slot::TeacherFeature << 0 << 0 << "teacher_j22";
        QTest::newRow("M5 board feature, layout 2") << QByteArray("4d05") << Slot::BoardFeature << 2 << 2 << "";
        QTest::newRow("unknown model") << QByteArray("4b01") << Slot::TeacherFeature << 0 << 0 << "";
    }

    void modelSwitches()
    {
        QFETCH(QByteArray, model);
        QFETCH(Slot, from);
        QFETCH(int, layoutBefore);
        QFETCH(int, layoutAfter);
        QFETCH(QString, flag);
        Window w(layoutBefore);
        w.attach(from);
        w->check_role_reply(modelReply(model.constData()), fromSlot(from));
        QCOMPARE(w->ui->choose_camera_comboBox->currentIndex(), layoutAfter);
        QCOMPARE(w->config_number_camera, layoutAfter);
        const QMap<QString, bool> flags{{"teacher_j22", w->teacher_model_j22_flag}, {"teacher_j57", w->teacher_model_j57_flag},
                                        {"teacher_r6", w->teacher_model_r6_flag},   {"student_j22", w->student_model_j22_flag},
                                        {"student_j57", w->student_model_j57_flag}, {"student_r6", w->student_model_r6_flag}};
        for (auto it = flags.cbegin(); it != flags.cend(); ++it)
            QCOMPARE(it.value(), it.key() == flag);
        const bool teacherZoom = flag.startsWith(QLatin1String("teacher"));
        QCOMPARE(!w->ui->teacher_zoom_lineEdit->isHidden(), teacherZoom);
        QCOMPARE(!w->ui->student_zoom_lineEdit->isHidden(), flag.startsWith(QLatin1String("student")));
    }

    void zoomPositions_data()
    {
        QTest::addColumn<QString>("model"); // of the feature camera shown
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("J57 100") << "J57" << 100 << "1.0x";
        QTest::newRow("J57 130") << "J57" << 130 << "1.1x";
        QTest::newRow("J57 131") << "J57" << 131 << "1.1x";
        QTest::newRow("J57 16384") << "J57" << 16384 << "12.0x";
        QTest::newRow("J57 above") << "J57" << 20000 << "12.0x";
        QTest::newRow("R6 0") << "R6" << 0 << "1.0x";
        QTest::newRow("R6 16384") << "R6" << 16384 << "2.0x";
        QTest::newRow("J22 0") << "J22" << 0 << "1.0x";
        QTest::newRow("J22 16384") << "J22" << 16384 << "20.0x";
        QTest::newRow("J22 above the range: not shown") << "J22" << 16385 << "7.0x";
        QTest::newRow("M19: not shown") << "M19" << 16384 << "7.0x";
    }

    void zoomPositions()
    {
        QFETCH(QString, model);
        QFETCH(int, position);
        QFETCH(QString, shown);
        for (bool teacher : {true, false}) {
            Window w;
            w.attach(teacher ? Slot::TeacherFeature : Slot::StudentFeature);
            w->check_role_reply(modelReply(model == QLatin1String("J57")   ? "4a57"
                                           : model == QLatin1String("R6")  ? "5206"
                                           : model == QLatin1String("J22") ? "4a22"
                                                                           : "4d19"),
                                fromSlot(teacher ? Slot::TeacherFeature : Slot::StudentFeature));
            QLineEdit *zoom = teacher ? w->ui->teacher_zoom_lineEdit : w->ui->student_zoom_lineEdit;
            zoom->setText(QStringLiteral("7.0x"));
            w->ui->tabWidget->setCurrentWidget(teacher ? w->ui->tab_teacher : w->ui->tab_student);
            w->check_role_reply(zoomReply(position));
            QCOMPARE(zoom->text(), shown);
            bool &opticalMax = teacher ? w->teacher_zoom_optical_max_value_flag : w->student_zoom_optical_max_value_flag;
            QCOMPARE(opticalMax, model == QLatin1String("J22") && position == 16384);
            // The J57 and R6 reading shows only on the side's own tab.
            if (model == QLatin1String("J57") || model == QLatin1String("R6")) {
                zoom->setText(QStringLiteral("7.0x"));
                w->ui->tabWidget->setCurrentWidget(w->ui->tab_host);
                w->check_role_reply(zoomReply(position));
                QCOMPARE(zoom->text(), QStringLiteral("7.0x"));
            }
        }
    }

    void digitalZoom_data()
    {
        QTest::addColumn<int>("digital");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("opticalMaxAfter");
        QTest::newRow("0 asks the position again") << 0 << "20.0x" << false;
        QTest::newRow("50") << 50 << "30.0x" << true;
        QTest::newRow("1500") << 1500 << "320.0x" << true;
        QTest::newRow("1501 is not shown") << 1501 << "20.0x" << true;
    }

    void digitalZoom()
    {
        QFETCH(int, digital);
        QFETCH(QString, shown);
        QFETCH(bool, opticalMaxAfter);
        Window w;
        w.attach(Slot::TeacherFeature);
        w->check_role_reply(modelReply("4a22"), fromSlot(Slot::TeacherFeature));
        w->check_role_reply(zoomReply(16384));
        QVERIFY(w->teacher_zoom_optical_max_value_flag);
        w->check_role_reply(twoFields(16384, digital));
        QCOMPARE(w->ui->teacher_zoom_lineEdit->text(), shown);
        QCOMPARE(w->teacher_zoom_optical_max_value_flag, opticalMaxAfter);
    }

    // An R6 feature camera's 11-byte reply is its pan/tilt position, left and down negative.
    void panTilt()
    {
        Window w;
        w.attach(Slot::StudentFeature);
        w->check_role_reply(modelReply("5206"), fromSlot(Slot::StudentFeature));
        w->check_role_reply(twoFields(0x0090, 0xFFB8));
        QCOMPARE(w->PT_PAN_VALUE, 144);
        QCOMPARE(w->PT_TILT_VALUE, -72);
    }

    void focusReplies_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("checked");
        QTest::newRow("auto on teacher") << 0 << QByteArray::fromHex("905002ff") << "teacher_pano_auto_mode_Button";
        QTest::newRow("manual on teacher") << 0 << QByteArray::fromHex("905003ff") << "teacher_pano_manual_mode_Button";
        QTest::newRow("manual on student") << 1 << QByteArray::fromHex("905003ff") << "student_pano_manual_mode_Button";
        QTest::newRow("manual on director: nothing") << 3 << QByteArray::fromHex("905003ff") << "";
        QTest::newRow("acknowledgement: nothing") << 0 << QByteArray::fromHex("9041ff") << "";
    }

    void focusReplies()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, reply);
        QFETCH(QString, checked);
        Window w;
        w->ui->teacher_pano_auto_mode_Button->setAutoExclusive(false);
        w->ui->student_pano_auto_mode_Button->setAutoExclusive(false);
        w->ui->teacher_pano_auto_mode_Button->setChecked(false);
        w->ui->student_pano_auto_mode_Button->setChecked(false);
        w->ui->tabWidget->setCurrentIndex(tab);
        w->check_role_reply(reply);
        for (const char *name : {"teacher_pano_auto_mode_Button", "teacher_pano_manual_mode_Button",
                                 "student_pano_auto_mode_Button", "student_pano_manual_mode_Button"})
            QCOMPARE(w->findChild<QAbstractButton *>(name)->isChecked(), checked == QLatin1String(name));
    }

    // Replies of other lengths, short or garbled, change nothing and end.
    void otherReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("8 bytes") << QByteArray::fromHex("9050000000004a57");
        QTest::newRow("15 bytes") << QByteArray::fromHex("9050") + field(1) + field(2) + field(3) + QByteArray::fromHex("ff");
        QTest::newRow("9 bytes without a letter") << QByteArray::fromHex("9050000000000057ff");
        QTest::newRow("syntax error") << QByteArray::fromHex("906002ff");
    }

    void otherReplies()
    {
        QFETCH(QByteArray, reply);
        Window w;
        w.attach(Slot::TeacherFeature);
        w->check_role_reply(reply, fromSlot(Slot::TeacherFeature));
        QCOMPARE(models(w.w.get()), (QStringList{"", "", "", "", ""}));
        QCOMPARE(w->ui->choose_camera_comboBox->currentIndex(), 3);
    }
};

QTEST_MAIN(tst_ViscaReplies)
#include "tst_visca_replies.moc"
