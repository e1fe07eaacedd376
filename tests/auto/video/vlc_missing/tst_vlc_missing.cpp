// A process whose libVLC cannot be loaded still makes, plays and lets go of preview players:
// each start fails as a player whose instance cannot be made, the load is tried and logged once
// with its reason, and the requests that need a player do nothing.
#include "log_capture.h"
#include "video/vlc_library.h"
#include "video/vlcthread.h"
#include "video/vlcwidget.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class tst_VlcMissing : public QObject
{
    Q_OBJECT

private slots:
    // One case per process: the first load's result holds for the rest of it.
    void startsFailWithTheReason()
    {
        const QString reason = QStringLiteral("libcorvane-missing-vlc");
        vlc_library::useNames({reason + QStringLiteral(".so.5")});
        const QString clip = QDir::current().filePath(QStringLiteral("clip.mp4"));
        LogCapture logs;
        for (const bool byWidget : {false, true}) {
            auto widget = std::make_unique<VlcWidget>();
            VlcThread *player = widget->player();
            player->setUrl(clip);
            player->setCallback(true);
            player->setSaveFile(true);
            player->setSaveInterval(10); // a segment is asked for at the start
            player->setSavePath(QDir::currentPath());
            QSignalSpy errors(player, &VlcThread::receivePlayError);
            QSignalSpy finished(player, &VlcThread::receivePlayFinsh);
            // Making a player loads nothing; the first start tries, and the second tries no more.
            QCOMPARE(logs.count(QStringLiteral("VlcThread::libVLC cannot be loaded: ")), byWidget ? 1 : 0);
            if (byWidget) {
                widget->open();
            } else {
                player->play();
                player->start();
            }
            QTRY_COMPARE(finished.count(), 1);
            QCOMPARE(errors.count(), 1);
            QCOMPARE(player->getIsPlaying(), false);
            QCOMPARE(player->getState(), int(VlcThread::NothingSpecial));
            QCOMPARE(player->getLength(), 0);
            QCOMPARE(player->getVolume(), 0);
            player->setVolume(50);
            player->pause();
            player->snap(QDir::current().filePath(QStringLiteral("snap.png")));
            player->saveVideo();
            player->stop();
            player->free();
            widget->close();
        }
        QVERIFY(!vlc_library::load());
        QVERIFY(!QFile::exists(QStringLiteral("snap.png")));
        QCOMPARE(logs.count(QStringLiteral("VlcThread::libVLC cannot be loaded: ")), 1);
        QVERIFY2(logs.count(reason) == 1, qPrintable(logs.lines().join(QLatin1Char('\n'))));
        QCOMPARE(logs.count(QStringLiteral("init vlc lib ok")), 0);
    }
};

QTEST_MAIN(tst_VlcMissing)
#include "tst_vlc_missing.moc"
