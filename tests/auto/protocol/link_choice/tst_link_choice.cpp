// Which link a command takes: the side's TCP link of the slot it is addressed to, else a
// datagram to its own address.
#include "protocol/link_choice.h"

#include <QtTest>

using link_choice::Link;

Q_DECLARE_METATYPE(link_choice::Link)

namespace {
const QString kTF = QStringLiteral("192.168.1.10");
const QString kTP = QStringLiteral("192.168.1.11");
const QString kSF = QStringLiteral("192.168.1.20");
const QString kSP = QStringLiteral("192.168.1.21");
const QString kBF = QStringLiteral("192.168.1.30");
const QString kBP = QStringLiteral("192.168.1.31");

// Every slot connected, each over its side's TCP link; the destination is no slot's own.
link_choice::Slots allConnected()
{
    link_choice::Slots s;
    s.teacher_feature = {kTF, true, false, true};
    s.teacher_pano = {kTP, true, false, true};
    s.student_feature = {kSF, true, false, true};
    s.student_pano = {kSP, true, false, true};
    s.board_feature = {kBF, true, false, false};
    s.board_pano = {kBP, true, false, false};
    return s;
}

enum Which { None, TF, TP, SF, SP, BF, BP };

link_choice::Slot &slotOf(link_choice::Slots &s, Which which)
{
    switch (which) {
    case TF: return s.teacher_feature;
    case TP: return s.teacher_pano;
    case SF: return s.student_feature;
    case SP: return s.student_pano;
    case BF: return s.board_feature;
    default: return s.board_pano;
    }
}
} // namespace

class tst_LinkChoice : public QObject
{
    Q_OBJECT

private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("own");       // whose destination object is given
        QTest::addColumn<int>("change");    // a slot changed from allConnected()
        QTest::addColumn<QString>("how");   // "offline", "udp", "edited" (field names another address), "same"
        QTest::addColumn<bool>("boardTab");
        QTest::addColumn<Link>("link");
        QTest::addColumn<QString>("matched");

        QTest::newRow("teacher feature over TCP") << kTF << int(TF) << int(None) << "" << false << Link::TeacherTcp << "teacher feature";
        QTest::newRow("teacher pano over TCP") << kTP << int(TP) << int(None) << "" << false << Link::TeacherTcp << "teacher pano";
        QTest::newRow("student feature over TCP") << kSF << int(SF) << int(None) << "" << false << Link::StudentTcp << "student feature";
        QTest::newRow("student pano over TCP") << kSP << int(SP) << int(None) << "" << false << Link::StudentTcp << "student pano";
        QTest::newRow("teacher pano without its link") << kTP << int(TP) << int(TP) << "udp" << false << Link::Udp << "teacher pano";
        QTest::newRow("student feature without its link") << kSF << int(SF) << int(SF) << "udp" << false << Link::Udp << "student feature";
        // The same address held in another object (a caller's own copy) is not the slot.
        QTest::newRow("address of a slot, not its object") << kTP << int(None) << int(None) << "" << false << Link::Udp << "unmatched";
        QTest::newRow("slot not connected") << kTF << int(TF) << int(TF) << "offline" << false << Link::Udp << "unmatched";
        QTest::newRow("address field edited since the connect") << kTF << int(TF) << int(TF) << "edited" << false << Link::Udp << "unmatched";
        QTest::newRow("board camera") << kBF << int(BF) << int(None) << "" << false << Link::Udp << "unmatched";
        QTest::newRow("an address of no slot") << QStringLiteral("10.0.0.1") << int(None) << int(None) << "" << false << Link::Udp << "unmatched";
        // A board camera that shares the teacher pano's address, on the Board tab.
        QTest::newRow("board tab, board shares the pano's address") << kTP << int(TP) << int(BP) << "same" << true << Link::Udp << "board tab";
        QTest::newRow("other tab, board shares the pano's address") << kTP << int(TP) << int(BP) << "same" << false << Link::TeacherTcp << "teacher pano";
        QTest::newRow("board tab, teacher pano alone") << kTP << int(TP) << int(None) << "" << true << Link::TeacherTcp << "teacher pano";
        QTest::newRow("board tab, board camera offline") << kTP << int(TP) << int(BP) << "same offline" << true << Link::TeacherTcp << "teacher pano";
    }
    void choose()
    {
        QFETCH(QString, address);
        QFETCH(int, own);
        QFETCH(int, change);
        QFETCH(QString, how);
        QFETCH(bool, boardTab);
        QFETCH(Link, link);
        QFETCH(QString, matched);

        link_choice::Slots s = allConnected();
        s.board_tab_current = boardTab;
        if (own != None)
            slotOf(s, Which(own)).is_destination = true;
        if (change != None) {
            link_choice::Slot &c = slotOf(s, Which(change));
            if (how.contains(QLatin1String("offline")))
                c.connected = false;
            if (how == QLatin1String("udp"))
                c.tcp = false;
            if (how == QLatin1String("edited"))
                c.field_address = QStringLiteral("192.168.1.99");
            if (how.startsWith(QLatin1String("same")))
                c.field_address = address;
        }
        const link_choice::Choice choice = link_choice::choose(address, s);
        QCOMPARE(choice.link, link);
        QCOMPARE(choice.matched, matched);
    }

    void manualDirect_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("teacherTcp");
        QTest::addColumn<bool>("studentTcp");
        QTest::addColumn<Link>("link");

        QTest::newRow("teacher camera, link up") << kTP << true << false << Link::TeacherTcp;
        QTest::newRow("teacher camera, no link") << kTP << false << true << Link::Udp;
        QTest::newRow("student camera, link up") << kSP << false << true << Link::StudentTcp;
        QTest::newRow("student camera, no link") << kSP << true << false << Link::Udp;
        QTest::newRow("another camera") << kBP << true << true << Link::Udp;
        QTest::newRow("no address") << QString() << true << true << Link::Udp;
    }
    void manualDirect()
    {
        QFETCH(QString, address);
        QFETCH(bool, teacherTcp);
        QFETCH(bool, studentTcp);
        QFETCH(Link, link);
        link_choice::ManualDirect console{true, kTP, kSP, teacherTcp, studentTcp};
        QCOMPARE(link_choice::choose_manual_direct(address, console).link, link);
    }

    // A console whose student address is not known yet does not take an empty address for it.
    void manualDirectEmptyAddresses()
    {
        link_choice::ManualDirect console{true, kTP, QString(), false, true};
        QCOMPARE(link_choice::choose_manual_direct(QString(), console).link, Link::Udp);
    }
};

QTEST_APPLESS_MAIN(tst_LinkChoice)
#include "tst_link_choice.moc"
