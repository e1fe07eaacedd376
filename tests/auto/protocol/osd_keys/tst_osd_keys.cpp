#include "protocol/osd_keys.h"
#include "protocol/visca_text.h"

#include <QtTest>

using osd_keys::Page;
using osd_keys::PreviewButton;
using osd_keys::Target;
Q_DECLARE_METATYPE(osd_keys::Page)
Q_DECLARE_METATYPE(osd_keys::Target)
Q_DECLARE_METATYPE(osd_keys::PreviewButton)

class tst_OsdKeys : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ok") << 1 << QByteArray::fromHex("8101060605ff");
        QTest::newRow("up") << 2 << QByteArray::fromHex("810106011010 0301ff");
        QTest::newRow("down") << 3 << QByteArray::fromHex("810106011010 0302ff");
        QTest::newRow("left") << 4 << QByteArray::fromHex("810106011010 0103ff");
        QTest::newRow("right") << 5 << QByteArray::fromHex("810106011010 0203ff");
        QTest::newRow("back") << 6 << QByteArray::fromHex("8101060604ff");
        QTest::newRow("menu") << 7 << QByteArray::fromHex("8101060610ff");
        QTest::newRow("dialog closed") << 8 << QByteArray::fromHex("8101060606ff");
        QTest::newRow("released") << 9 << QByteArray::fromHex("8101060103030303ff");
        QTest::newRow("0") << 0 << QByteArray();
        QTest::newRow("10") << 10 << QByteArray();
        QTest::newRow("-1") << -1 << QByteArray();
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(QByteArray, bytes);
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(osd_keys::command_for_key(key));
        QVERIFY(r.ok);
        QCOMPARE(r.bytes, bytes);
    }

    void targets_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<int>("menuObject");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<Target>("target");
        QTest::newRow("teacher feature") << Page::Teacher << 0 << true << Target::TeacherFeature;
        QTest::newRow("teacher pano") << Page::Teacher << 1 << true << Target::TeacherPano;
        QTest::newRow("teacher feature off") << Page::Teacher << 0 << false << Target::None;
        QTest::newRow("teacher no choice") << Page::Teacher << -1 << true << Target::None;
        QTest::newRow("student feature") << Page::Student << 0 << true << Target::StudentFeature;
        QTest::newRow("student pano") << Page::Student << 1 << true << Target::StudentPano;
        QTest::newRow("student pano off") << Page::Student << 1 << false << Target::None;
        QTest::newRow("board") << Page::Board << 1 << true << Target::BoardFeature;
        QTest::newRow("board off") << Page::Board << 0 << false << Target::None;
        QTest::newRow("preview") << Page::UpgradePreview << 0 << true << Target::Preview;
        QTest::newRow("preview off") << Page::UpgradePreview << 0 << false << Target::None;
        QTest::newRow("other page") << Page::Other << 0 << true << Target::None;
    }

    void targets()
    {
        QFETCH(Page, page);
        QFETCH(int, menuObject);
        QFETCH(bool, connected);
        QFETCH(Target, target);
        osd_keys::Route route;
        route.page = page;
        route.teacher_menu_object = route.student_menu_object = menuObject;
        route.teacher_feature = route.teacher_pano = route.student_feature = route.student_pano = connected;
        route.board_feature = route.preview = connected;
        QCOMPARE(osd_keys::target(route), target);
    }

    void otherSlotsDoNotCount()
    {
        // Only the chosen camera's flag decides: the other camera of the tab being connected
        // does not make a key go.
        osd_keys::Route route;
        route.page = Page::Teacher;
        route.teacher_menu_object = 1;
        route.teacher_feature = true;
        QCOMPARE(osd_keys::target(route), Target::None);
    }

    void preview_data()
    {
        QTest::addColumn<PreviewButton>("button");
        QTest::addColumn<int>("menuKey");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("released");
        QTest::newRow("menu") << PreviewButton::Menu << 7 << "81 01 04 07 36 FF" << "81 01 04 07 00 FF";
        QTest::newRow("back") << PreviewButton::Back << 6 << "81 01 04 07 26 FF" << "81 01 04 07 00 FF";
        QTest::newRow("ok") << PreviewButton::Ok << 1 << "81 01 06 04 FF" << "";
        QTest::newRow("up") << PreviewButton::Up << 2 << "81 01 06 01 05 07 03 01 FF" << "81 01 06 01 03 03 03 03 FF";
        QTest::newRow("down") << PreviewButton::Down << 3 << "81 01 06 01 05 07 03 02 FF" << "81 01 06 01 03 03 03 03 FF";
        QTest::newRow("left") << PreviewButton::Left << 4 << "81 01 06 01 05 07 01 03 FF" << "81 01 06 01 03 03 03 03 FF";
        QTest::newRow("right") << PreviewButton::Right << 5 << "81 01 06 01 05 07 02 03 FF" << "81 01 06 01 03 03 03 03 FF";
    }

    void preview()
    {
        QFETCH(PreviewButton, button);
        QFETCH(int, menuKey);
        QFETCH(QString, pressed);
        QFETCH(QString, released);
        QCOMPARE(osd_keys::menu_key(button), menuKey);
        QCOMPARE(osd_keys::ptz_pressed(button, 5, 7), pressed);
        QCOMPARE(osd_keys::ptz_released(button), released);
    }
};

QTEST_APPLESS_MAIN(tst_OsdKeys)
#include "tst_osd_keys.moc"
