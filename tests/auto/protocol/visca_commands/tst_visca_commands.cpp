// The commands the camera buttons send, as VISCA hex texts or text blocks, byte for byte; the
// hex text reader that turns them into bytes; the replies' fields and the zoom they show.
#include "protocol/auto_calibration.h"
#include "protocol/osd_keys.h"
#include "protocol/preset_commands.h"
#include "protocol/ptz_commands.h"
#include "protocol/teacher_region_keys.h"
#include "protocol/tracking_command.h"
#include "protocol/tracking_modes.h"
#include "protocol/visca_reply.h"
#include "protocol/visca_text.h"
#include "protocol/zoom_multiple.h"

#include <QtTest>

#include <climits>
#include <limits>

using osd_keys::PreviewButton;
using ptz_commands::Direction;

namespace {
QString crop(const QString &model, bool set)
{
    const preset_commands::CropCommand c = preset_commands::panorama_crop(model, set);
    return c.visca ? c.text : QStringLiteral("word ") + c.text;
}
} // namespace

class tst_ViscaCommands : public QObject
{
    Q_OBJECT

private slots:
    // Where the calibration sends the close-up camera: each axis moves by its own offset from the
    // position it stood at, with the field of view of the side's own camera.
    void calibrationTarget_data()
    {
        QTest::addColumn<bool>("student");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QPointF>("offset"); // x_out, y_out
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QString>("command");
        // 72.5 degrees: atan(100 * tan 36.25 / 960) = 4.3677 degrees, 62 units.
        QTest::newRow("pan offset only, tilt stays") << false << "" << QPointF(100, 0) << QPoint(0, -144)
                                                     << "81 01 06 02 16 12 00 00 03 0E 0F 0F 07 00 FF";
        QTest::newRow("tilt offset only, pan stays") << true << "R6" << QPointF(0, 231) << QPoint(50, -115)
                                                     << "81 01 06 02 16 12 00 00 03 02 0F 0F 0D 0D FF";
        QTest::newRow("teacher R6") << false << "R6" << QPointF(-40, -30) << QPoint(0, -144)
                                    << "81 01 06 02 16 12 0F 0F 0F 0A 0F 0F 06 0C FF";
        QTest::newRow("student R6") << true << "R6" << QPointF(-40, -30) << QPoint(0, -144)
                                    << "81 01 06 02 16 12 0F 0F 0F 03 0F 0F 06 06 FF";
    }
    void calibrationTarget()
    {
        QFETCH(bool, student);
        QFETCH(QString, model);
        QFETCH(QPointF, offset);
        QFETCH(QPoint, from);
        QFETCH(QString, command);
        namespace ac = auto_calibration;
        const ac::Position to = ac::target_position(ac::camera_view_angle(student, model), float(offset.x()),
                                                    float(offset.y()), {from.x(), from.y()});
        QCOMPARE(visca_text::visca_absolute_position(to.pan, to.tilt), command);
    }

    // Every VISCA text goes through the hex reader to the same bytes and back to the same text.
    void commandTexts_data()
    {
        namespace ptz = ptz_commands;
        namespace pc = preset_commands;
        namespace tc = tracking_command;
        using osd_keys::command_for_key;
        using osd_keys::ptz_pressed;
        using pc::BoardPosition;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString t = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=");
        const QString s = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
        const QString b = QStringLiteral("teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=");
        const QString board = QStringLiteral("board_parameter\nset_tracking_config_command\ncommand=");
        QTest::newRow("home") << ptz::home(false) << "81 01 06 04 FF";
        QTest::newRow("home of the crop picture") << ptz::home(true) << "8A 01 06 04 FF";
        QTest::newRow("stop") << ptz::stop(false) << "81 01 06 01 03 03 03 03 FF";
        QTest::newRow("zoom in") << ptz::zoom_in(false) << "81 01 04 07 26 FF";
        QTest::newRow("zoom out of the crop picture") << ptz::zoom_out(true) << "8A 01 04 07 32 FF";
        QTest::newRow("zoom stop") << ptz::zoom_stop(true) << "8A 01 04 07 00 FF";
        QTest::newRow("up at 10") << ptz::drive(Direction::Up, false, 10, 10) << "81 01 06 01 0A 0A 03 01 FF";
        QTest::newRow("left down on the crop") << ptz::drive(Direction::LeftDown, true, 1, 2)
                                               << "8A 01 06 01 01 02 01 02 FF";
        QTest::newRow("speeds keep their low 8 bits") << ptz::fill_speed("81 01 06 01 HK VN 03 01 FF", 0x123, 256)
                                                      << "81 01 06 01 23 00 03 01 FF";
        QTest::newRow("role") << ptz::fill_speed("81 0C 0C VN FF", 0, 5) << "81 0C 0C 05 FF";
        QTest::newRow("zoom refresh of an R6 or J57") << ptz::zoom_refresh(true, true, true) << "81 09 04 47 FF";
        QTest::newRow("zoom refresh of a J22 below its end") << ptz::zoom_refresh(false, true, false)
                                                             << "81 09 04 47 FF";
        QTest::newRow("zoom refresh of a J22 at its end") << ptz::zoom_refresh(false, true, true) << "81 19 04 57 FF";
        QTest::newRow("zoom refresh of another model") << ptz::zoom_refresh(false, false, true) << "";
        QTest::newRow("menu key ok") << command_for_key(osd_keys::Ok) << "81 01 06 06 05 FF";
        QTest::newRow("menu key up") << command_for_key(osd_keys::Up) << "81 01 06 01 10 10 03 01 FF";
        QTest::newRow("menu key back") << command_for_key(osd_keys::Back) << "81 01 06 06 04 FF";
        QTest::newRow("menu") << command_for_key(osd_keys::Menu) << "81 01 06 06 10 FF";
        QTest::newRow("menu closed") << command_for_key(osd_keys::MenuClosed) << "81 01 06 06 06 FF";
        QTest::newRow("menu key released") << command_for_key(osd_keys::Released) << "81 01 06 01 03 03 03 03 FF";
        QTest::newRow("no key 10") << command_for_key(10) << "";
        QTest::newRow("preview menu pressed") << ptz_pressed(PreviewButton::Menu, 5, 7) << "81 01 04 07 36 FF";
        QTest::newRow("preview menu released") << osd_keys::ptz_released(PreviewButton::Menu) << "81 01 04 07 00 FF";
        QTest::newRow("preview ok pressed") << ptz_pressed(PreviewButton::Ok, 5, 7) << "81 01 06 04 FF";
        QTest::newRow("preview ok released") << osd_keys::ptz_released(PreviewButton::Ok) << "";
        QTest::newRow("preview left pressed") << ptz_pressed(PreviewButton::Left, 5, 7) << "81 01 06 01 05 07 01 03 FF";
        QTest::newRow("crop preset set, M19") << crop("M19", true) << "8A 01 04 3F 01 3C FF";
        QTest::newRow("crop preset call, R6") << crop("R6", false) << "8A 01 04 3F 02 3C FF";
        QTest::newRow("crop preset call, J57") << crop("J57", false) << "81 01 04 3F 02 00 FF";
        QTest::newRow("crop preset set, J22") << crop("J22", true) << "word setsecondpano";
        QTest::newRow("crop preset call, lower-case m19") << crop("m19", false) << "word callsecondpano";
        QTest::newRow("teacher preset word") << pc::teacher_command("setpano") << t + "setpano";
        QTest::newRow("board preset through the teacher pano") << pc::board_preset_command("setboard1preset2")
                                                               << b + "setboard1preset2";
        QTest::newRow("board tracking") << pc::board_tracking_command("start") << board + "start";
        QTest::newRow("director test code") << pc::director_test(false)
            << "student_parameter\ndirector_parameter\nset_director_config_command\ncommand=testcmd";
        QTest::newRow("teacher set") << pc::teacher_position_command("preset3", true) << t + "setpreset3";
        QTest::newRow("teacher call") << pc::teacher_position_command("board", false) << t + "callboard";
        QTest::newRow("student set") << pc::student_pano_command(true) << s + "setpano";
        QTest::newRow("cancel board") << pc::cancel_board_pano() << t + "cancelboard";
        QTest::newRow("cancel platform") << pc::cancel_platform() << t + "cancelplatform";
        const std::pair<BoardPosition, const char *> positions[] = {{BoardPosition::Board0, "pano"},
                                                                    {BoardPosition::Board1, "platform"},
                                                                    {BoardPosition::Pano, "preset2"},
                                                                    {BoardPosition::SecondBoard1, "board1platform"},
                                                                    {BoardPosition::SecondPano, "board1preset2"}};
        for (const auto &[position, word] : positions) {
            QTest::addRow("board set%s", word) << pc::board_position_command(position, true) << b + "set" + word;
            QTest::addRow("board call%s", word) << pc::board_position_command(position, false) << b + "call" + word;
        }
        QTest::newRow("board stop") << pc::board_tracking(false) << board + "stop";
        QTest::newRow("tracking config switch") << tc::command_text("student_parameter", tc::config_word(1))
                                                << s + "switchtoconfig2";
        QTest::newRow("no config entry: the second") << tc::config_word(-1) << "switchtoconfig2";
        QTest::newRow("regions drawn by the camera") << teacher_region_keys::region_display_visca(true)
                                                     << "81 01 04 57 02 FF";
        QTest::newRow("regions not drawn by the camera") << teacher_region_keys::region_display_visca(false)
                                                         << "81 01 04 57 01 FF";
        QTest::newRow("cancel the snapshot area") << tc::command_text("teacher_parameter", tc::kCancelSnapshotArea)
                                                  << t + "cancelsnapshotarea";
        QTest::newRow("cancel the tracking area") << tc::command_text("teacher_parameter", tc::kCancelTrackingArea)
                                                  << t + "canceltrackingarea";
        QTest::newRow("crop status request") << tc::crop_status_request("student_parameter")
                                             << "student_parameter\ncommand=get_crop_status";
        QTest::newRow("pano focus of an M19") << tc::pano_focus_text("M19", true) << "8A 01 04 38 03 FF";
        QTest::newRow("pano focus of another model") << tc::pano_focus_text("M190", false) << "81 01 04 38 02 FF";
        // What a camera is asked right after its connect.
        QTest::newRow("model inquiry") << ptz::model_inquiry() << "81 09 11 49 FF";
        QTest::newRow("role of the teacher feature") << ptz::fill_speed(ptz::role_template(), 0, 2) << "81 0C 0C 02 FF";
        QTest::newRow("focus inquiry of a J57 pano") << tc::focus_inquiry("J57") << "81 09 04 38 FF";
        QTest::newRow("focus inquiry of an M19 pano") << tc::focus_inquiry("M19") << "8A 09 04 38 FF";
        QTest::newRow("no focus inquiry of an R6 pano") << tc::focus_inquiry("R6") << "";
        QTest::newRow("no focus inquiry of a lower-case j57") << tc::focus_inquiry("j57") << "";
        QTest::newRow("student tracking status") << tc::tracking_status_request("student_parameter")
                                                 << "student_parameter\nget_tracking_status";
        QTest::newRow("absolute position 144, -72") << visca_text::visca_absolute_position(144, -72)
                                                    << "81 01 06 02 16 12 00 00 09 00 0F 0F 0B 08 FF";
        QTest::newRow("absolute position: the low 16 bits") << visca_text::visca_absolute_position(0x12345, INT_MIN)
                                                            << "81 01 06 02 16 12 02 03 04 05 00 00 00 00 FF";
        // 10 / 0.069444 = 144.0009 -> 144; -5 / 0.069444 = -72.0004 -> -72.
        QTest::newRow("10 and -5 degrees") << visca_text::visca_absolute_pan_tilt(10, -5)
                                           << "81 01 06 02 16 12 00 00 09 00 0F 0F 0B 08 FF";
        QTest::newRow("360 and -180 degrees") << visca_text::visca_absolute_pan_tilt(360, -180)
                                              << "81 01 06 02 16 12 01 04 04 00 0F 05 0E 00 FF";
        // Far beyond the int range in steps (30923962430, -30923962444): the low 16 bits, 0x383E
        // and 0xC7B4, with no overflow on the way.
        QTest::newRow("degrees at the int limits") << visca_text::visca_absolute_pan_tilt(INT_MAX, INT_MIN)
                                                   << "81 01 06 02 16 12 03 08 03 0E 0C 07 0B 04 FF";
    }

    void commandTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
        if (!expected.startsWith(QLatin1Char('8')))
            return;
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(text);
        QVERIFY(r.ok);
        QCOMPARE(visca_text::bytes_to_hex_text(r.bytes), expected);
    }

    // Which camera and address the pads and the crop entry drive, by the feature camera's model.
    void padsByModel()
    {
        QVERIFY(tracking_modes::crop_by_prefix("M19") && tracking_modes::crop_on_pano("M19"));
        QVERIFY(tracking_modes::crop_by_prefix("R6") && !tracking_modes::crop_on_pano("R6"));
        QVERIFY(!tracking_modes::crop_by_prefix("m19") && !tracking_modes::crop_on_pano("m19"));
        const ptz_commands::PadRoute j57 = ptz_commands::student_pad_route("J57", 1, false);
        QVERIFY(j57.to_pano && !j57.crop);
        const ptz_commands::PadRoute m19 = ptz_commands::student_pad_route("M19", 1, true);
        QVERIFY(!m19.to_pano && m19.crop);
        QVERIFY(ptz_commands::teacher_pad_route(false, true).crop);
        QCOMPARE(ptz_commands::speed_level(QStringLiteral("7")), 7);
        QCOMPARE(ptz_commands::speed_level(QStringLiteral("0")), 10);
        QCOMPARE(ptz_commands::speed_level(QStringLiteral("x")), 10);
    }

    // Tokens of one or two hex digits between blanks; anything else fails the whole text
    // ("Command format error") and gives no bytes.
    void hexReader_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("badToken"); // empty: the text is good
        QTest::newRow("blanks around and doubled") << " 81  01 06 04 FF  " << QByteArray::fromHex("81010604FF") << "";
        QTest::newRow("lower case, one-digit tokens") << "8a 1 4 7 2f ff" << QByteArray::fromHex("8A0104072FFF") << "";
        QTest::newRow("line end after the last token") << "81 09 04 47 FF\n" << QByteArray::fromHex("81090447FF") << "";
        QTest::newRow("blanks only") << "   " << QByteArray() << "";
        QTest::newRow("placeholders left in") << "81 01 06 01 HK VN 03 01 FF" << QByteArray() << "HK";
        QTest::newRow("three digits are not cut to the low byte") << "81 123 FF" << QByteArray() << "123";
        QTest::newRow("leading zeros beyond two digits") << "81 001 FF" << QByteArray() << "001";
        QTest::newRow("0x prefix") << "0x81 01 FF" << QByteArray() << "0x81";
        QTest::newRow("minus sign") << "81 -1 FF" << QByteArray() << "-1";
        QTest::newRow("plus sign") << "81 +5 FF" << QByteArray() << "+5";
        QTest::newRow("tab inside the text") << "81\t01 FF" << QByteArray() << "81\t01";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("81 \xef\xbc\x91 FF") << QByteArray()
                                         << QString::fromUtf8("\xef\xbc\x91");
    }

    void hexReader()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, badToken);
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(text);
        QCOMPARE(r.ok, badToken.isEmpty());
        QCOMPARE(r.bytes.toHex(' '), bytes.toHex(' '));
        QCOMPARE(r.bad_token, badToken);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(static_cast<char>(i));
        const QString text = visca_text::bytes_to_hex_text(all);
        QCOMPARE(text.size(), 256 * 3 - 1);
        QCOMPARE(visca_text::hex_text_to_bytes(text).bytes, all);
        QCOMPARE(visca_text::bytes_to_hex_text(nullptr, 3), QString());
    }

    // The model inquiry's reply: byte 6 a letter, byte 7 the number in lower-case hex; an R17 is
    // handled as an R6.
    void replyFields()
    {
        const auto model = [](const char *hex) { return visca_reply::model_code(QByteArray::fromHex(hex)); };
        QCOMPARE(model("90500000000052 06ff"), QStringLiteral("R6"));
        QCOMPARE(model("9050000000004a0aff"), QStringLiteral("Ja"));
        QCOMPARE(model("9050000000000057ff"), QString());
        QCOMPARE(model("905000000000004a57ff"), QString());
        QCOMPARE(visca_reply::normalized_model(QStringLiteral("R17")), QStringLiteral("R6"));
        const auto field = [](const char *hex, int offset) {
            return visca_reply::value_field(QByteArray::fromHex(hex), offset);
        };
        QCOMPARE(field("9050 01f2f3f4 ff", 2), 4096 + 0x234); // high nibbles ignored after the first byte
        QCOMPARE(field("9050 10000000 ff", 2), 16 * 4096);    // the first byte taken whole
        QCOMPARE(field("9050 00000000 000f0b08 ff", 6), 0x0FB8);
        QCOMPARE(field("9050 01", 2), 4096); // a short reply reads zeros
        QList<int> carrying;
        for (int n = 0; n < 20; ++n) {
            if (visca_reply::carries_values(n))
                carrying << n;
        }
        QCOMPARE(carrying, (QList<int>{7, 9, 11, 15}));
    }

    // The zoom shown per model: a J57 by its table (the lower row between two; the rows themselves
    // in everyZoomRowReadsBack), an R6 by its ratio (positions beyond its range clamped, never a
    // division by zero), a J22 optical then digital.
    void magnification_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("J57 2052, lower row") << "J57" << 2052.0 << "1.1x";
        QTest::newRow("J57 above the table") << "J57" << 40000.0 << "12.0x";
        QTest::newRow("J57 not a number") << "J57" << std::numeric_limits<double>::quiet_NaN() << "1.0x";
        QTest::newRow("R6 8192") << "R6" << 8192.0 << "1.3x";
        QTest::newRow("R6 16383, truncated to the end") << "R6" << 16383.0 << "2.0x";
        QTest::newRow("R6 above the range") << "R6" << 40000.0 << "2.0x";
        QTest::newRow("R6 negative") << "R6" << -5.0 << "1.0x";
        QTest::newRow("J22 8192") << "J22" << 8192.0 << "10.5x";
        QTest::newRow("J22 optical end") << "J22" << 16384.0 << "20.0x";
        QTest::newRow("J22 digital 1500") << "J22 digital" << 1500.0 << "320.0x";
    }

    void magnification()
    {
        QFETCH(QString, model);
        QFETCH(double, value);
        const double ratio = model == QLatin1String("J57")  ? zoom_multiple::find_matching_multiple(value)
                             : model == QLatin1String("R6") ? zoom_multiple::r6_ratio(int(value))
                             : model == QLatin1String("J22") ? double(zoom_multiple::j22_optical(int(value)))
                                                             : zoom_multiple::j22_digital(int(value));
        QVERIFY(std::isfinite(ratio));
        QTEST(zoom_multiple::magnification_text(ratio), "shown");
    }

    void everyZoomRowReadsBack()
    {
        for (const ZoomMultipleEntry &row : zoom_multiple_table())
            QCOMPARE(zoom_multiple::magnification_text(zoom_multiple::find_matching_multiple(row.position)),
                     zoom_multiple::magnification_text(row.multiple));
    }
};

QTEST_APPLESS_MAIN(tst_ViscaCommands)
#include "tst_visca_commands.moc"
