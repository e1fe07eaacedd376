// The channel manager: its setting ranges, one channel opened per tick, and channels whose
// address or widget is missing (fewer addresses than widgets, widgets destroyed first).
#include "video/videovlc.h"
#include "video/vlcthread.h"
#include "video/vlcwidget.h"

#include <QDir>
#include <QtTest>

#include <memory>

class tst_VideoVlc : public QObject
{
    Q_OBJECT

    QString still; // a picture file: open() shows it without a player

    QList<VlcWidget *> widgets(int n, QObject *owner)
    {
        QList<VlcWidget *> list;
        for (int i = 0; i < n; ++i) {
            auto *w = new VlcWidget;
            QObject::connect(owner, &QObject::destroyed, w, [w] { delete w; });
            list << w;
        }
        return list;
    }

private slots:
    void initTestCase()
    {
        still = QDir::current().filePath(QStringLiteral("still.png"));
        QImage picture(32, 18, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(still));
    }

    void settingRanges_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("kept");
        QTest::newRow("timeout 60 refused") << "timeout" << 60 << 10;
        QTest::newRow("timeout 59") << "timeout" << 59 << 59;
        QTest::newRow("timeout 4 refused") << "timeout" << 4 << 10;
        QTest::newRow("check 61 refused") << "check" << 61 << 5;
        QTest::newRow("check 60") << "check" << 60 << 60;
        QTest::newRow("open 2000") << "open" << 2000 << 2000;
        QTest::newRow("open 2001 refused") << "open" << 2001 << 1000;
        QTest::newRow("open -1 refused") << "open" << -1 << 1000;
    }
    void settingRanges()
    {
        QFETCH(QString, setting);
        QFETCH(int, value);
        VideoVlc manager;
        if (setting == QLatin1String("timeout")) {
            manager.setTimeout(value);
            QTEST(manager.getTimeout(), "kept");
        } else if (setting == QLatin1String("check")) {
            manager.setCheckInterval(value);
            QTEST(manager.getCheckInterval(), "kept");
        } else {
            manager.setOpenInterval(value);
            QTEST(manager.getOpenInterval(), "kept");
        }
    }

    // Three channels, the second switched off: tick one opens channel 0, tick two channel 2,
    // tick three stops the timer; a check during the opening changes nothing.
    void opensOneChannelPerTick()
    {
        VideoVlc manager;
        const QList<VlcWidget *> list = widgets(3, &manager);
        manager.setVideoCount(3);
        manager.setUrls({still, QString(), still});
        manager.setNames({QStringLiteral("Teacher"), QStringLiteral("Student"), QStringLiteral("Board")});
        manager.setWidgets(list);
        manager.start();
        QVERIFY(manager.isOpening());
        QCOMPARE(list.at(0)->getOSD1Text(), QStringLiteral("Teacher"));
        const QList<QDateTime> times = manager.getLastTimes();
        manager.checkVideo();
        QCOMPARE(manager.getLastTimes(), times);
        manager.openVideo();
        QVERIFY(!list.at(0)->getImage().isNull());
        QVERIFY(list.at(2)->getImage().isNull());
        manager.openVideo();
        QVERIFY(list.at(1)->getImage().isNull());
        QVERIFY(!list.at(2)->getImage().isNull());
        QVERIFY(manager.isOpening());
        manager.openVideo();
        QVERIFY(!manager.isOpening());
        manager.stop();
        QVERIFY(list.at(0)->getImage().isNull()); // closed
    }

    // Fewer addresses than widgets, and indexes out of range: nothing is read past a list.
    void missingAddressesAndIndexes()
    {
        VideoVlc manager;
        const QList<VlcWidget *> list = widgets(3, &manager);
        manager.setVideoCount(3);
        manager.setOpenInterval(0);
        manager.setUrls({still});
        manager.setNames({QStringLiteral("only")});
        manager.setWidgets(list);
        manager.start();
        QVERIFY(!list.at(0)->getImage().isNull());
        QVERIFY(list.at(1)->getImage().isNull());
        for (int index : {-1, 1, 2, 3, 99}) {
            manager.open(index);
            manager.close(index);
            manager.snap(index, QDir::current().filePath(QStringLiteral("none.jpg")));
        }
        manager.checkVideo();
        manager.stop();
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("none.jpg"))));
    }

    // The widgets belong to their window and may go first: the manager's stop and destructor
    // skip them.
    void widgetsDestroyedFirst()
    {
        auto manager = std::make_unique<VideoVlc>();
        QList<VlcWidget *> list{new VlcWidget, new VlcWidget};
        manager->setVideoCount(2);
        manager->setOpenInterval(0);
        manager->setUrls({still, still});
        manager->setWidgets(list);
        manager->start();
        qDeleteAll(list);
        manager->open(0);
        manager->stop();
        manager.reset();
    }

    void instanceIsOne()
    {
        VideoVlc *first = VideoVlc::Instance();
        QVERIFY(first);
        QCOMPARE(VideoVlc::Instance(), first);
        QVERIFY(QDir(QCoreApplication::applicationDirPath()).exists(QStringLiteral("snap")));
    }
};

QTEST_MAIN(tst_VideoVlc)
#include "tst_video_vlc.moc"
