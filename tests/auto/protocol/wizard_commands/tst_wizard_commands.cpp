// The wizard's direct commands as the cameras read them: the board page's words by the camera
// chosen, the pads' bytes at the speed levels, and the side's own pano for a tracking start.
#include "model/wizard_preview_url.h"
#include "protocol/visca_text.h"
#include "protocol/wizard_commands.h"

#include <QtTest>

using namespace wizard_commands;
using camera_slot::Side;
Q_DECLARE_METATYPE(wizard_commands::BoardButton)
Q_DECLARE_METATYPE(wizard_commands::PadKey)

class tst_WizardCommands : public QObject
{
    Q_OBJECT

private slots:
    void boardWords_data()
    {
        QTest::addColumn<BoardButton>("button");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("call");
        QTest::newRow("left, board 1") << BoardButton::Left << 1 << "setpano" << "callpano";
        QTest::newRow("left, board 2") << BoardButton::Left << 2 << "setpano" << "callpano";
        QTest::newRow("right, board 1") << BoardButton::Right << 1 << "setplatform" << "callplatform";
        QTest::newRow("right, board 2") << BoardButton::Right << 2 << "setboard1platform" << "callboard1platform";
        QTest::newRow("right, feature") << BoardButton::Right << 0 << "setboard1platform" << "callboard1platform";
        QTest::newRow("pano, board 1") << BoardButton::Pano << 1 << "setpreset2" << "callpreset2";
        QTest::newRow("pano, board 2") << BoardButton::Pano << 2 << "setboard1preset2" << "callboard1preset2";
    }
    void boardWords()
    {
        QFETCH(BoardButton, button);
        QFETCH(int, choice);
        QTEST(board_word(button, choice, true), "set");
        QTEST(board_word(button, choice, false), "call");
        QFETCH(QString, set);
        QCOMPARE(board_block(button, choice, true),
                 "teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=" + set);
    }

    void padBytes_data()
    {
        QTest::addColumn<PadKey>("key");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QByteArray>("press");
        QTest::addColumn<QByteArray>("release");
        const QByteArray stop = QByteArray::fromHex("81 01 06 01 03 03 03 03 FF");
        const QByteArray zoomStop = QByteArray::fromHex("81 01 04 07 00 FF");
        QTest::newRow("up-left at 7") << PadKey::LeftUp << 7 << QByteArray::fromHex("81 01 06 01 07 07 01 01 FF") << stop;
        QTest::newRow("up-left at 0 is 10") << PadKey::LeftUp << 0 << QByteArray::fromHex("81 01 06 01 0A 0A 01 01 FF") << stop;
        QTest::newRow("down-right at 1") << PadKey::RightDown << 1 << QByteArray::fromHex("81 01 06 01 01 01 02 02 FF") << stop;
        QTest::newRow("up at 10") << PadKey::Up << 10 << QByteArray::fromHex("81 01 06 01 0A 0A 03 01 FF") << stop;
        QTest::newRow("left at 3") << PadKey::Left << 3 << QByteArray::fromHex("81 01 06 01 03 03 01 03 FF") << stop;
        QTest::newRow("zoom in ignores the slider") << PadKey::ZoomIn << 3 << QByteArray::fromHex("81 01 04 07 26 FF") << zoomStop;
        QTest::newRow("zoom out") << PadKey::ZoomOut << 10 << QByteArray::fromHex("81 01 04 07 36 FF") << zoomStop;
        QTest::newRow("home, no release") << PadKey::Home << 5 << QByteArray::fromHex("81 01 06 04 FF") << QByteArray();
    }
    void padBytes()
    {
        QFETCH(PadKey, key);
        QFETCH(int, slider);
        const int level = speed_level(slider);
        const visca_text::ParseResult press = visca_text::hex_text_to_bytes(pad_press(key, level, level));
        QVERIFY(press.ok);
        QTEST(press.bytes, "press");
        const visca_text::ParseResult release = visca_text::hex_text_to_bytes(pad_release(key));
        QVERIFY(release.ok);
        QTEST(release.bytes, "release");
    }

    // A preview's picture address from its field: the path form keeps the path and takes no port.
    void previewUrls_data()
    {
        using F = wizard_preview_url::Form;
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("url");
        QTest::newRow("close-up") << "10.0.0.2" << int(F::Plain) << 0 << "rtsp://10.0.0.2:554/1";
        QTest::newRow("close-up with a path") << "10.0.0.2/live/a" << int(F::Plain) << 0 << "rtsp://10.0.0.2/live/a";
        QTest::newRow("a lone slash is no path") << "10.0.0.2/" << int(F::Plain) << 1 << "rtsp://10.0.0.2/:554/1";
        QTest::newRow("pano, path, 4 cameras") << "10.0.0.3/x" << int(F::Pano) << 1 << "rtsp://10.0.0.3/x";
        QTest::newRow("pano, path, 2 cameras") << "10.0.0.3/x" << int(F::Pano) << 0 << "rtsp://10.0.0.3/x:554/2";
        QTest::newRow("board camera") << "10.0.0.6" << int(F::BoardCamera) << 2 << "rtsp://10.0.0.6";
    }
    void previewUrls()
    {
        QFETCH(QString, field);
        QFETCH(int, form);
        QFETCH(int, layout);
        const QString path = form == int(wizard_preview_url::Form::Pano) ? "/2" : "/1";
        QTEST(wizard_preview_url::url(field, "554", path, wizard_preview_url::Form(form), layout), "url");
    }

    // A status answer may change the teacher's box while a student step shows: the start or stop
    // still goes to the teacher's pano.
    void trackingGoesToTheSidesPano()
    {
        QCOMPARE(tracking_camera(Side::Teacher), camera_slot::Slot::TeacherPano);
        QCOMPARE(tracking_camera(Side::Student), camera_slot::Slot::StudentPano);
        QCOMPARE(tracking(Side::Student, false), QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=stop"));
    }
};

QTEST_APPLESS_MAIN(tst_WizardCommands)
#include "tst_wizard_commands.moc"
