// The VISCA replies without the window: the model kept for the camera that answered (by the
// datagram's sender or the TCP link it came on) and what a model switches, the zoom shown per
// model, a J22's digital zoom, the R6's pan/tilt position, the focus mode and the replies that
// change nothing.
#include "camera_objects.h"
#include "sim_camera.h"

#include <QtTest>

using camera_slot::Side;
using camera_slot::Slot;
Q_DECLARE_METATYPE(camera_slot::Slot)

namespace {
QByteArray field(int value)
{
    QByteArray b;
    for (int shift : {12, 8, 4, 0})
        b.append(char((value >> shift) & 0xF));
    return b;
}
QByteArray reply(const QByteArray &body) { return QByteArray::fromHex("9050") + body + QByteArray::fromHex("ff"); }
QByteArray modelReply(const char *code) { return reply(QByteArray::fromHex(QByteArray("00000000") + code)); }
ViscaReplyOrigin fromSlot(Slot slot)
{
    return {QHostAddress(QStringLiteral("127.0.0.%1").arg(int(slot) + 2)), 1259, 0};
}

struct Fixture : CameraObjects {
    explicit Fixture(int layout = 3)
    {
        ui->choose_camera_comboBox->setCurrentIndex(layout);
        // Hidden until a model offers them, as the window's set-up leaves them.
        for (QWidget *w : std::initializer_list<QWidget *>{ui->teacher_zoom_lineEdit, ui->student_zoom_lineEdit,
                                                           ui->lectern_mode_radioButton, ui->label_persontrack})
            w->hide();
    }
    QStringList models() const
    {
        QStringList out;
        for (int s = 0; s < 5; ++s)
            out << records[Slot(s)].device_model;
        return out;
    }
    QString flags()
    {
        QStringList on;
        for (Side side : {Side::Teacher, Side::Student}) {
            const ViscaReplies::FeatureModel m = replies.feature_model(side);
            const QString name = side == Side::Teacher ? QStringLiteral("teacher_") : QStringLiteral("student_");
            for (const auto &flag :
                 {std::make_pair("j22", m.j22), std::make_pair("j57", m.j57), std::make_pair("r6", m.r6)})
                if (flag.second)
                    on << name + QLatin1String(flag.first);
        }
        return on.join(QLatin1Char(' '));
    }
};
} // namespace

class tst_ViscaReplies : public QObject
{
    Q_OBJECT

    SimCamera teacherFeature{QStringLiteral("127.0.0.2"), QStringLiteral("J22")};

private slots:
    void initTestCase() { QVERIFY(teacherFeature.start()); }

    // Every slot connected: a model reply is kept for its sender alone, whatever the tab; the
    // camera holding a side's link answers on it; behind the recording host the mapped VISCA
    // port tells the sides; only a reply of no known origin goes by the tab. Only the teacher
    // feature camera's own M19 offers the lectern mode.
    void modelGoesToItsCamera_data()
    {
        QTest::addColumn<QString>("origin"); // a slot's sender, "link", "mapped" or "none"
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("models");
        QTest::addColumn<bool>("lectern");
        QTest::newRow("teacher pano, teacher tab") << "1" << 0 << QStringList{"", "M19", "", "", ""} << false;
        QTest::newRow("teacher feature, student tab") << "0" << 1 << QStringList{"M19", "", "", "", ""} << true;
        QTest::newRow("board feature, teacher tab") << "4" << 0 << QStringList{"", "", "", "", "M19"} << false;
        QTest::newRow("the teacher pano's link") << "link" << 1 << QStringList{"", "M19", "", "", ""} << false;
        QTest::newRow("mapped student port") << "mapped" << 0 << QStringList{"", "", "M19", "", ""} << false;
        QTest::newRow("no origin, teacher tab") << "none" << 0 << QStringList{"M19", "M19", "", "", ""} << true;
        QTest::newRow("no origin, board tab") << "none" << 2 << QStringList{"", "", "", "", "M19"} << true;
    }
    void modelGoesToItsCamera()
    {
        QFETCH(QString, origin);
        QFETCH(int, tab);
        QFETCH(QStringList, models);
        QFETCH(bool, lectern);
        Fixture f;
        for (int s = 0; s < camera_slot::kSlotCount; ++s)
            f.attach(Slot(s));
        f.ui->tabWidget->setCurrentIndex(tab);
        ViscaReplyOrigin o;
        if (origin == QLatin1String("link")) {
            o.tcp_link = 1;
            f.records[Slot::TeacherPano].tcp_flag = true;
        } else if (origin == QLatin1String("mapped")) {
            f.ports.edit().teacher_visca_port = 21259;
            f.ports.edit().student_visca_port = 31259;
            f.records.set_destination(Slot::TeacherFeature, QStringLiteral("127.0.0.20"));
            f.records.set_destination(Slot::StudentFeature, QStringLiteral("127.0.0.20"));
            o = {QHostAddress(QStringLiteral("127.0.0.20")), 31259, 0};
        } else if (origin != QLatin1String("none")) {
            o = fromSlot(Slot(origin.toInt()));
        }
        f.replies.check_role_reply(modelReply("4d19"), o);
        QCOMPARE(f.models(), models);
        QCOMPARE(!f.ui->lectern_mode_radioButton->isHidden(), lectern);
    }

    void modelSwitches_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<Slot>("from");
        QTest::addColumn<int>("layoutBefore");
        QTest::addColumn<int>("layoutChosen"); // -1: the layout stays
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("calls");
        const QStringList teacher{"teacher presets"}, student{"calibration 0", "student presets"};
        QTest::newRow("J57 teacher feature, layout 0")
            << QByteArray("4a57") << Slot::TeacherFeature << 0 << 2 << "teacher_j57" << teacher;
        QTest::newRow("J57 student feature, layout 1")
            << QByteArray("4a57") << Slot::StudentFeature << 1 << 2 << "student_j57" << student;
        QTest::newRow("J57 student feature, layout 3")
            << QByteArray("4a57") << Slot::StudentFeature << 3 << -1 << "student_j57" << student;
        QTest::newRow("R6 teacher feature, layout 0")
            << QByteArray("5206") << Slot::TeacherFeature << 0 << 1 << "teacher_r6" << teacher;
        QTest::newRow("M19 teacher feature, layout 0")
            << QByteArray("4d19") << Slot::TeacherFeature << 0 << 1 << "" << teacher;
        QTest::newRow("J22 teacher feature")
            << QByteArray("4a22") << Slot::TeacherFeature << 0 << -1 << "teacher_j22" << QStringList{};
        QTest::newRow("M5 board feature, layout 2")
            << QByteArray("4d05") << Slot::BoardFeature << 2 << -1 << "" << QStringList{};
        QTest::newRow("unknown model") << QByteArray("4b01") << Slot::TeacherFeature << 0 << -1 << "" << QStringList{};
    }
    void modelSwitches()
    {
        QFETCH(QByteArray, model);
        QFETCH(Slot, from);
        QFETCH(int, layoutBefore);
        QFETCH(int, layoutChosen);
        QFETCH(QString, flags);
        QFETCH(QStringList, calls);
        Fixture f(layoutBefore);
        f.attach(from);
        f.replies.check_role_reply(modelReply(model.constData()), fromSlot(from));
        QCOMPARE(f.ui->choose_camera_comboBox->currentIndex(), layoutChosen < 0 ? layoutBefore : layoutChosen);
        QCOMPARE(f.layoutChosen, layoutChosen);
        QCOMPARE(f.flags(), flags);
        QCOMPARE(f.calls, calls);
        QCOMPARE(!f.ui->teacher_zoom_lineEdit->isHidden(), flags.startsWith(QLatin1String("teacher")));
        QCOMPARE(!f.ui->student_zoom_lineEdit->isHidden(), flags.startsWith(QLatin1String("student")));
        f.replies.forget_feature_model(camera_slot::side(from)); // as its disconnect does
        QCOMPARE(f.flags(), QString());
    }

    // The zoom field of the feature camera's side after its model and the replies, on the
    // side's own tab or another one; a J22's digital zoom of 0 asks for the position again. One
    // row per path: the ratio of each position is a row of tst_visca_commands.
    void zoom_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<bool>("ownTab");
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<QString>("shown"); // the field held "7.0x"
        QTest::addColumn<bool>("opticalMax");
        using L = QList<QByteArray>;
        const QByteArray end = reply(field(16384));
        auto digital = [](int d) { return reply(field(16384) + field(d)); };
        const Slot t = Slot::TeacherFeature, s = Slot::StudentFeature;
        QTest::newRow("J57 100") << QByteArray("4a57") << t << true << L{reply(field(100))} << "1.0x" << false;
        QTest::newRow("J57 131") << QByteArray("4a57") << s << true << L{reply(field(131))} << "1.1x" << false;
        QTest::newRow("J57 on another tab") << QByteArray("4a57") << t << false << L{end} << "7.0x" << false;
        QTest::newRow("R6 above the range: clamped")
            << QByteArray("5206") << t << true << L{reply(field(40000))} << "2.0x" << false;
        QTest::newRow("J22 end, any tab") << QByteArray("4a22") << s << false << L{end} << "20.0x" << true;
        QTest::newRow("J22 above the range")
            << QByteArray("4a22") << t << true << L{reply(field(16385))} << "7.0x" << false;
        QTest::newRow("M19: not shown") << QByteArray("4d19") << t << true << L{end} << "7.0x" << false;
        QTest::newRow("J22 digital 0 asks again")
            << QByteArray("4a22") << t << true << L{end, digital(0)} << "20.0x" << false;
        QTest::newRow("J22 digital 50") << QByteArray("4a22") << t << true << L{end, digital(50)} << "30.0x" << true;
        QTest::newRow("J22 digital 1501: not shown")
            << QByteArray("4a22") << t << true << L{end, digital(1501)} << "20.0x" << true;
    }
    void zoom()
    {
        QFETCH(QByteArray, model);
        QFETCH(Slot, slot);
        QFETCH(bool, ownTab);
        QFETCH(QList<QByteArray>, replies);
        QFETCH(QString, shown);
        QFETCH(bool, opticalMax);
        const bool teacher = slot == Slot::TeacherFeature;
        Fixture f;
        f.attach(slot);
        f.replies.check_role_reply(modelReply(model.constData()), fromSlot(slot));
        QLineEdit *zoom = teacher ? f.ui->teacher_zoom_lineEdit : f.ui->student_zoom_lineEdit;
        zoom->setText(QStringLiteral("7.0x"));
        f.ui->tabWidget->setCurrentWidget(!ownTab ? f.ui->tab_host : teacher ? f.ui->tab_teacher : f.ui->tab_student);
        teacherFeature.clearRecords();
        for (const QByteArray &r : replies)
            f.replies.check_role_reply(r);
        QCOMPARE(zoom->text(), shown);
        QCOMPARE(f.replies.feature_model(camera_slot::side(slot)).optical_max, opticalMax);
        const bool asksAgain = replies.last() == reply(field(16384) + field(0));
        const auto asked =
            teacherFeature.waitForMessage([](const SimMessage &m) { return m.isVisca(); }, asksAgain ? 3000 : 50);
        QCOMPARE(asked ? asked->payload.toHex(' ').toUpper() : QByteArray(),
                 asksAgain ? QByteArray("81 09 04 47 FF") : QByteArray());
    }

    // An R6 feature camera's 11-byte reply is its pan/tilt position, left and down negative; a
    // waiting auto-calibration pass takes its next step.
    void panTilt()
    {
        Fixture f;
        f.attach(Slot::StudentFeature);
        f.replies.check_role_reply(modelReply("5206"), fromSlot(Slot::StudentFeature));
        f.calls.clear();
        f.replies.set_auto_calibration_waiting(Side::Student, true);
        f.replies.check_role_reply(reply(field(0x0090) + field(0xFFB8)));
        QCOMPARE(f.replies.pan_value(), 144);
        QCOMPARE(f.replies.tilt_value(), -72);
        QCOMPARE(f.calls, QStringList{"student calibration step"});
    }

    // Focus replies check the mode of the tab's pano; replies of other lengths, short or garbled,
    // change nothing.
    void focusAndOthers_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("checked");
        QTest::newRow("auto on teacher") << 0 << QByteArray::fromHex("905002ff") << "teacher_pano_auto_mode_Button";
        QTest::newRow("manual on teacher") << 0 << QByteArray::fromHex("905003ff") << "teacher_pano_manual_mode_Button";
        QTest::newRow("manual on student") << 1 << QByteArray::fromHex("905003ff") << "student_pano_manual_mode_Button";
        QTest::newRow("manual on director: nothing") << 3 << QByteArray::fromHex("905003ff") << "";
        QTest::newRow("8 bytes") << 0 << QByteArray::fromHex("9050000000004a57") << "";
        QTest::newRow("15 bytes") << 0 << reply(field(1) + field(2) + field(3)) << "";
        QTest::newRow("syntax error") << 0 << QByteArray::fromHex("906002ff") << "";
    }
    void focusAndOthers()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, checked);
        Fixture f;
        f.attach(Slot::TeacherFeature);
        const QList<QAbstractButton *> buttons{
            f.ui->teacher_pano_auto_mode_Button, f.ui->teacher_pano_manual_mode_Button,
            f.ui->student_pano_auto_mode_Button, f.ui->student_pano_manual_mode_Button};
        for (QAbstractButton *b : buttons) {
            b->setAutoExclusive(false);
            b->setChecked(false);
        }
        f.ui->tabWidget->setCurrentIndex(tab);
        f.replies.check_role_reply(bytes, fromSlot(Slot::TeacherFeature));
        for (QAbstractButton *b : buttons)
            QCOMPARE(b->isChecked(), checked == b->objectName());
        QCOMPARE(f.models(), (QStringList{"", "", "", "", ""}));
        QCOMPARE(f.layoutChosen, -1);
    }
};

QTEST_MAIN(tst_ViscaReplies)
#include "tst_visca_replies.moc"
