// The wizard's teacher regions from a reply: the camera-to-scene steps that lose a unit, and
// what the enable strings do to the region boxes and the in-use flags, short strings included.
#include "wizard/teacher_display_region.h"

#include <QtTest>

using namespace wizard_regions;
using region_geometry::RegionRect;

Q_DECLARE_METATYPE(region_geometry::RegionRect)

namespace {

// "1", "0" or "-" (untouched) per box.
template <size_t N>
QString boxes(const std::array<std::optional<bool>, N> &changes)
{
    QString out;
    for (const auto &c : changes)
        out += c ? (*c ? '1' : '0') : '-';
    return out;
}

template <size_t N>
QString bits(const std::array<bool, N> &flags)
{
    QString out;
    for (bool f : flags)
        out += f ? '1' : '0';
    return out;
}

template <size_t N>
std::array<bool, N> fromBits(const QString &text)
{
    std::array<bool, N> out{};
    for (size_t i = 0; i < N; ++i)
        out[i] = text.at(int(i)) == '1';
    return out;
}

} // namespace

class tst_TeacherDisplayRegion : public QObject
{
    Q_OBJECT

private slots:
    // Each value is halved toward zero before the 1.5: odd values lose a unit.
    void conversion_data()
    {
        QTest::addColumn<RegionRect>("camera");
        QTest::addColumn<RegionRect>("scene");
        QTest::newRow("the far edges") << RegionRect{640, 0, 0, 360} << RegionRect{480, 0, 0, 270};
        QTest::newRow("odd values") << RegionRect{3, 7, 1, 639} << RegionRect{1, 4, 0, 478};
        QTest::newRow("bottom edge") << RegionRect{20, 80, 610, 359} << RegionRect{15, 60, 457, 268};
    }

    void conversion()
    {
        QFETCH(RegionRect, camera);
        teacher_region_keys::TeacherRegionCoord coord;
        coord.tracking = camera;
        coord.shield[2] = camera;
        coord.board[1] = camera;
        TeacherDisplayRegion display;
        RegionFlags flags;
        teacher_restore_region(coord, true, display, flags);
        QTEST(display.tracking, "scene");
        QTEST(display.shield[2], "scene");
        QTEST(display.board[1], "scene");
        QVERIFY(flags.track_region_valid && flags.snapshot_region_valid);
        QCOMPARE(bits(flags.shield_region_valid) + bits(flags.board_region_valid), QStringLiteral("1111111"));
    }

    // '1' checks and, while the regions are shown, enables; '0' unchecks and disables; any other
    // character, or one the string does not have, changes nothing.
    void enableStrings_data()
    {
        QTest::addColumn<QString>("shieldEnable");
        QTest::addColumn<QString>("boardEnable");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("boxChanges");  // shields, board
        QTest::addColumn<QString>("enabledAfter"); // from 0110 and 101 before
        QTest::newRow("shown") << "1001" << "011" << true << "1001 011" << "1001 011";
        QTest::newRow("not shown: '1' checks only") << "1111" << "111" << false << "1111 111" << "0110 101";
        QTest::newRow("not shown: '0' still disables") << "0000" << "000" << false << "0000 000" << "0000 000";
        QTest::newRow("other characters") << "1x0\r" << "2 1" << true << "1-0- --1" << "1100 101";
        // A short string used to be read past its end.
        QTest::newRow("short strings") << "1" << "00" << true << "1--- 00-" << "1110 001";
        QTest::newRow("empty strings") << "" << "" << true << "---- ---" << "0110 101";
        QTest::newRow("never received") << QString() << QString() << true << "---- ---" << "0110 101";
    }

    void enableStrings()
    {
        QFETCH(QString, shieldEnable);
        QFETCH(QString, boardEnable);
        QFETCH(bool, shown);
        teacher_region_keys::TeacherRegionCoord coord;
        coord.pano_shield_enable = shieldEnable;
        coord.pano_board_enable = boardEnable;
        TeacherDisplayRegion display;
        RegionFlags flags;
        flags.shield_region_enabled = fromBits<kShieldCount>(QStringLiteral("0110"));
        flags.board_region_enabled = fromBits<kBoardCount>(QStringLiteral("101"));
        const BoxChanges changes = teacher_restore_region(coord, shown, display, flags);
        QTEST(boxes(changes.shield) + ' ' + boxes(changes.board), "boxChanges");
        QTEST(bits(flags.shield_region_enabled) + ' ' + bits(flags.board_region_enabled), "enabledAfter");
    }

    // The characters past a short string's end are no part of it, whatever the memory there holds.
    void shortStringReadsNothingPastItsEnd()
    {
        static const QChar ones[] = {'1', '1', '1', '1'};
        teacher_region_keys::TeacherRegionCoord coord;
        coord.pano_shield_enable = QString::fromRawData(ones, 1);
        coord.pano_board_enable = QString::fromRawData(ones, 2);
        TeacherDisplayRegion display;
        RegionFlags flags;
        const BoxChanges changes = teacher_restore_region(coord, true, display, flags);
        QCOMPARE(boxes(changes.shield) + ' ' + boxes(changes.board), QStringLiteral("1--- 11-"));
        QCOMPARE(bits(flags.shield_region_enabled), QStringLiteral("1000"));
    }

    // An item read back sits one unit right of and below where it was drawn; it is drawn again
    // one unit up and left, so a collect and redraw puts it back in place.
    void collectAndRedraw()
    {
        const RegionRect stored = collected(QRectF(16.9, 61.5, 450.7, 120.0));
        QCOMPARE(stored, (RegionRect{16, 61, 450, 120}));
        QCOMPARE(redrawn(stored), (RegionRect{15, 60, 450, 120}));
        QCOMPARE(collected(QRectF(qQNaN(), 1e12, -3.5, 2)), (RegionRect{0, 0, -3, 2}));
    }
};

QTEST_GUILESS_MAIN(tst_TeacherDisplayRegion)
#include "tst_teacher_display_region.moc"
