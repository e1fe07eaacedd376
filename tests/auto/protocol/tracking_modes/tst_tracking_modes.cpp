// The teacher tracking modes' settings page and preset lists, and the PTZ target of a preset
// entry by camera model.
#include "protocol/tracking_modes.h"

#include <QtTest>

using namespace tracking_modes;

namespace {
QStringList texts(const QVector<const char *> &entries)
{
    QStringList list;
    for (const char *e : entries)
        list << QString::fromLatin1(e);
    return list;
}
const QStringList kFollow = {"Num 0 : Pano", "Num 1 : Paltform", "Num 2 : Left Board", "Num 3 : Right Board",
                             "Num 11 : Board Pano", "Num 60 : Pano Crop"};
} // namespace

class tst_TrackingModes : public QObject
{
    Q_OBJECT

private slots:
    void teacherPresets_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("other") << int(Other) << 0
                               << QStringList{"Num 0 : Pano", "Num 1 : Left Board", "Num 2 : Center Board",
                                              "Num 3 : Right Board", "Num 11 : Board Pano", "Num 60 : Pano Crop"};
        QTest::newRow("follow") << int(Follow) << 0 << kFollow;
        QTest::newRow("binocular") << int(Binocular) << 0 << kFollow;
        QTest::newRow("mixed") << int(Mixed) << 0 << kFollow;
        // No panorama preset: the first entry is the platform.
        QTest::newRow("board pano") << int(BoardPano) << 0
                                    << QStringList{"Num 1 : Paltform", "Num 2 : Left Board", "Num 3 : Right Board",
                                                   "Num 11 : Board Pano", "Num 60 : Pano Crop"};
        QTest::newRow("lectern keeps the list") << int(Lectern) << 1 << QStringList{};
        QTest::newRow("unknown mode 6") << 6 << 0 << QStringList{};
        QTest::newRow("unknown mode -1") << -1 << 0 << QStringList{};
    }
    void teacherPresets()
    {
        QFETCH(int, mode);
        QTEST(settings_page(mode), "page");
        QTEST(texts(teacher_preset_entries(mode)), "entries");
    }

    void studentPresets()
    {
        QCOMPARE(texts(student_preset_entries()), (QStringList{"Num 0 : Pano", "Num 60 : Pano Crop"}));
        QCOMPARE(QString::fromLatin1(kPanoCropEntry), QStringLiteral("Num 60 : Pano Crop"));
    }

    void cropTarget_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("byPrefix");
        QTest::addColumn<bool>("onPano");
        QTest::newRow("M19") << "M19" << true << true;
        QTest::newRow("J57") << "J57" << false << true;
        QTest::newRow("R6") << "R6" << true << false;
        QTest::newRow("M5") << "M5" << true << false;
        QTest::newRow("J22") << "J22" << false << false;
        QTest::newRow("none") << "" << false << false;
        QTest::newRow("lower case") << "m19" << false << false;
    }
    void cropTarget()
    {
        QFETCH(QString, model);
        QTEST(crop_by_prefix(model), "byPrefix");
        QTEST(crop_on_pano(model), "onPano");
    }
};

QTEST_APPLESS_MAIN(tst_TrackingModes)
#include "tst_tracking_modes.moc"
