// How a command reaches a camera: the link it takes, the control frame before its payload on a
// TCP link, the port that frame names, and the address texts the slots are read from.
#include "model/camera_slot.h"
#include "protocol/camera_address.h"
#include "protocol/control_frame.h"
#include "protocol/link_choice.h"

#include <QtTest>

using camera_slot::Slot;
using link_choice::Link;
Q_DECLARE_METATYPE(camera_slot::Slot)
Q_DECLARE_METATYPE(link_choice::Link)

class tst_LinkChoice : public QObject
{
    Q_OBJECT

private slots:
    // Port and length as 32-bit little-endian, then the payload as it is.
    void frameBytes_data()
    {
        QTest::addColumn<quint32>("port");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("VISCA Home") << quint32(1259) << QByteArray::fromHex("81010604FF")
                                    << QByteArray::fromHex("EB04000005000000" "81010604FF");
        const QByteArray block("teacher_parameter\nget_tracking_config_file");
        QTest::newRow("text block") << quint32(6791) << block << QByteArray::fromHex("871A00002A000000") + block;
        QTest::newRow("every byte of the port and length, zero bytes kept")
            << quint32(0x12345678) << QByteArray(0x0102, '\0')
            << QByteArray::fromHex("7856341202010000") + QByteArray(0x0102, '\0');
    }

    void frameBytes()
    {
        QFETCH(quint32, port);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expected);
        QCOMPARE(control_frame::build(port, payload).toHex(' '), expected.toHex(' '));
        QCOMPARE(control_frame::keep_alive(6791).toHex(' '), QByteArray("87 1a 00 00 00 00 00 00"));
    }

    // With port mapping on the link already runs through the mapping: the header names the
    // camera's own port. Fields: teacher VISCA 21259, student VISCA 22259, teacher text 26791,
    // student text 27791.
    void headerPort_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("port");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("mapping off keeps a mapped-looking port") << false << 21259 << quint32(21259);
        QTest::newRow("teacher VISCA field") << true << 21259 << quint32(1259);
        QTest::newRow("student VISCA field") << true << 22259 << quint32(1259);
        QTest::newRow("student text field") << true << 27791 << quint32(6791);
        QTest::newRow("unrelated port kept") << true << 5555 << quint32(5555);
    }

    void headerPort()
    {
        QFETCH(bool, enabled);
        QFETCH(int, port);
        QTEST(control_frame::header_port(port, {enabled, 21259, 22259, 26791, 27791}), "expected");
        // A number in both a VISCA and a text field is taken for VISCA; an empty field names no port.
        QCOMPARE(control_frame::header_port(30000, {true, 30000, 0, 30000, 0}), quint32(1259));
        QCOMPARE(control_frame::header_port(0, {true, 0, 0, 0, 0}), quint32(0));
    }

    // A slot takes its side's TCP link only when the destination is its own object, it is
    // connected and its field still names the address; anything else goes by UDP to the
    // destination's own address, never over a link an earlier send chose.
    void linkChoice_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("own");    // index of the slot whose destination object is given; -1 none
        QTest::addColumn<int>("change"); // index of a slot changed from "all connected over TCP"
        QTest::addColumn<QString>("how"); // "offline", "udp", "edited" (field names another address), "same"
        QTest::addColumn<bool>("boardTab");
        QTest::addColumn<Link>("link");
        QTest::addColumn<QString>("matched");
        QTest::newRow("teacher pano over TCP") << "10.0.0.11" << 1 << -1 << "" << false << Link::TeacherTcp << "teacher pano";
        QTest::newRow("student feature over TCP") << "10.0.0.20" << 2 << -1 << "" << false << Link::StudentTcp << "student feature";
        QTest::newRow("teacher pano without its link") << "10.0.0.11" << 1 << 1 << "udp" << false << Link::Udp << "teacher pano";
        QTest::newRow("address of a slot, not its object") << "10.0.0.11" << -1 << -1 << "" << false << Link::Udp << "unmatched";
        QTest::newRow("slot not connected") << "10.0.0.10" << 0 << 0 << "offline" << false << Link::Udp << "unmatched";
        QTest::newRow("field edited since the connect") << "10.0.0.10" << 0 << 0 << "edited" << false << Link::Udp << "unmatched";
        QTest::newRow("an address of no slot") << "10.9.9.9" << -1 << -1 << "" << false << Link::Udp << "unmatched";
        QTest::newRow("board tab, board shares the pano's address") << "10.0.0.11" << 1 << 5 << "same" << true << Link::Udp << "board tab";
        QTest::newRow("other tab, board shares the pano's address") << "10.0.0.11" << 1 << 5 << "same" << false << Link::TeacherTcp << "teacher pano";
    }

    void linkChoice()
    {
        QFETCH(QString, address);
        QFETCH(int, own);
        QFETCH(int, change);
        QFETCH(QString, how);
        QFETCH(bool, boardTab);
        QFETCH(Link, link);
        QFETCH(QString, matched);
        link_choice::Slots s;
        link_choice::Slot *all[] = {&s.teacher_feature, &s.teacher_pano, &s.student_feature,
                                    &s.student_pano,    &s.board_feature, &s.board_pano};
        const char *addresses[] = {"10.0.0.10", "10.0.0.11", "10.0.0.20", "10.0.0.21", "10.0.0.30", "10.0.0.31"};
        for (int i = 0; i < 6; ++i)
            *all[i] = {QLatin1String(addresses[i]), true, i == own, i < 4};
        s.board_tab_current = boardTab;
        if (change >= 0) {
            all[change]->connected = how != QLatin1String("offline");
            all[change]->tcp = all[change]->tcp && how != QLatin1String("udp");
            if (how == QLatin1String("edited"))
                all[change]->field_address = QStringLiteral("10.0.0.99");
            if (how == QLatin1String("same"))
                all[change]->field_address = address;
        }
        const link_choice::Choice choice = link_choice::choose(address, s);
        QCOMPARE(choice.link, link);
        QCOMPARE(choice.matched, matched);
    }

    // The wizard's rule: by the page shown, the layout and the typed addresses (teacher feature
    // .10, teacher pano .11, student feature .20, student pano .21, board 1 .30, board 2 .31), all
    // cameras connected with their TCP flags set unless the row changes one.
    void wizardLinkChoice_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("change"); // index of a changed camera (0 TF, 1 TP, 2 SF, 3 SP); -1 none
        QTest::addColumn<QString>("how"); // "offline", "udp", or an address its field names instead
        QTest::addColumn<Link>("link");
        QTest::addColumn<QString>("matched");
        QTest::newRow("teacher feature on calibration") << 1 << 1 << "10.0.0.10" << -1 << "" << Link::TeacherTcp << "teacher feature";
        QTest::newRow("teacher feature on track mode: no rule") << 2 << 1 << "10.0.0.10" << -1 << "" << Link::Udp << "unmatched";
        QTest::newRow("board 1 on preset takes the feature's link") << 4 << 2 << "10.0.0.30" << -1 << "" << Link::TeacherTcp << "teacher feature";
        QTest::newRow("board 2 on tracking test") << 6 << 3 << "10.0.0.31" << -1 << "" << Link::TeacherTcp << "teacher feature";
        QTest::newRow("board 1 on calibration: no rule") << 1 << 2 << "10.0.0.30" << -1 << "" << Link::Udp << "unmatched";
        QTest::newRow("teacher pano on region") << 3 << 1 << "10.0.0.11" << -1 << "" << Link::TeacherTcp << "teacher pano";
        QTest::newRow("teacher pano on director") << 12 << 1 << "10.0.0.11" << -1 << "" << Link::TeacherTcp << "teacher pano";
        QTest::newRow("teacher pano on advanced options: by UDP") << 5 << 1 << "10.0.0.11" << -1 << "" << Link::Udp << "unmatched";
        QTest::newRow("teacher pano on camera settings: by UDP") << 0 << 1 << "10.0.0.11" << -1 << "" << Link::Udp << "unmatched";
        QTest::newRow("2 cameras: feature address follows the pano") << 2 << 0 << "10.0.0.10" << -1 << "" << Link::TeacherTcp << "teacher pano";
        QTest::newRow("2 cameras: pano without TCP flag") << 2 << 0 << "10.0.0.10" << 1 << "udp" << Link::Udp << "teacher pano";
        QTest::newRow("teacher feature offline, pano rule of 2 cameras") << 1 << 0 << "10.0.0.10" << 0 << "offline" << Link::TeacherTcp << "teacher pano";
        QTest::newRow("teacher pano offline") << 2 << 1 << "10.0.0.11" << 1 << "offline" << Link::Udp << "unmatched";
        QTest::newRow("student feature on camera settings") << 0 << 1 << "10.0.0.20" << -1 << "" << Link::StudentTcp << "student feature";
        QTest::newRow("student pano on a teacher page") << 3 << 1 << "10.0.0.21" << -1 << "" << Link::StudentTcp << "student pano";
        QTest::newRow("2 cameras: student feature offline, pano takes it") << 9 << 0 << "10.0.0.20" << 2 << "offline" << Link::StudentTcp << "student pano";
        QTest::newRow("4 cameras: student feature offline") << 9 << 1 << "10.0.0.20" << 2 << "offline" << Link::Udp << "unmatched";
        QTest::newRow("student pano without TCP flag") << 9 << 1 << "10.0.0.21" << 3 << "udp" << Link::Udp << "student pano";
        QTest::newRow("student rule overrides teacher") << 2 << 1 << "10.0.0.11" << 3 << "10.0.0.11" << Link::StudentTcp << "student pano";
        QTest::newRow("empty address, empty field") << 1 << 1 << "" << 0 << "" << Link::Udp << "unmatched";
    }

    void wizardLinkChoice()
    {
        QFETCH(int, page);
        QFETCH(int, layout);
        QFETCH(QString, address);
        QFETCH(int, change);
        QFETCH(QString, how);
        link_choice::Slots s;
        link_choice::Slot *cameras[] = {&s.teacher_feature, &s.teacher_pano, &s.student_feature, &s.student_pano};
        const char *addresses[] = {"10.0.0.10", "10.0.0.11", "10.0.0.20", "10.0.0.21"};
        for (int i = 0; i < 4; ++i)
            *cameras[i] = {QLatin1String(addresses[i]), true, false, true};
        s.board_feature.field_address = QStringLiteral("10.0.0.30");
        s.board_pano.field_address = QStringLiteral("10.0.0.31");
        if (change >= 0) {
            if (how == QLatin1String("offline"))
                cameras[change]->connected = false;
            else if (how == QLatin1String("udp"))
                cameras[change]->tcp = false;
            else
                cameras[change]->field_address = how;
        }
        const link_choice::Choice choice = link_choice::choose_wizard(address, s, {page, layout});
        QTEST(choice.link, "link");
        QTEST(choice.matched, "matched");
    }

    void addressTexts_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("noSpaces");
        QTest::addColumn<QString>("address");
        QTest::newRow("blanks around and inside") << " 192.168. 1.20 " << "192.168.1.20" << " 192.168. 1.20 ";
        QTest::newRow("tab, vertical tab, line ends") << "\t192\v.168.1.20\r\n" << "192.168.1.20" << "\t192\v.168.1.20\r\n";
        QTest::newRow("NEL, no-break and ideographic space")
            << QString::fromUtf16(u"\u00A0192.168.1.20\u0085\u3000") << "192.168.1.20"
            << QString::fromUtf16(u"\u00A0192.168.1.20\u0085\u3000");
        QTest::newRow("note after a slash") << "10.0.0.5 / room 2" << "10.0.0.5/room2" << "10.0.0.5 ";
        QTest::newRow("slash first") << "/10.0.0.1" << "/10.0.0.1" << "";
    }

    void addressTexts()
    {
        QFETCH(QString, input);
        QTEST(camera_address::remove_spaces(input), "noSpaces");
        QTEST(camera_address::address_part(input), "address");
    }

    // A path field is opened as it stands (with "/1" behind it for the board slots); otherwise
    // the pano slots of the teacher and student side show stream 2 and every other slot stream 1.
    void rtspUrls_data()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("url");
        QTest::newRow("teacher feature") << Slot::TeacherFeature << "127.0.0.2" << "rtsp://127.0.0.2:554/1";
        QTest::newRow("student pano") << Slot::StudentPano << "127.0.0.5" << "rtsp://127.0.0.5:554/2";
        QTest::newRow("board pano is /1") << Slot::BoardPano << "127.0.0.7" << "rtsp://127.0.0.7:554/1";
        QTest::newRow("teacher pano path") << Slot::TeacherPano << "127.0.0.3:8554/x" << "rtsp://127.0.0.3:8554/x";
        QTest::newRow("board path gets /1") << Slot::BoardFeature << "127.0.0.6/live" << "rtsp://127.0.0.6/live/1";
        QTest::newRow("empty second section") << Slot::TeacherPano << "127.0.0.3//x" << "rtsp://127.0.0.3:554/2";
    }

    void rtspUrls()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, field);
        QTEST(camera_slot::rtsp_url(slot, field, QStringLiteral("554")), "url");
        QCOMPARE(camera_slot::preview_rtsp_url(QStringLiteral("127.0.0.9"), QStringLiteral("8554")),
                 QStringLiteral("rtsp://127.0.0.9:8554/1"));
    }
};

QTEST_APPLESS_MAIN(tst_LinkChoice)
#include "tst_link_choice.moc"
