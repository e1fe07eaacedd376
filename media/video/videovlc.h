#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class VlcWidget;

// Drives a set of video widgets as numbered channels: gives each its address, name overlay and
// recording settings, opens them one after another so that they do not all connect at once,
// restarts channels whose picture has stopped, and opens, closes or snapshots one channel by
// index. The widgets belong to their windows: they are held by guarded pointers and a channel
// whose widget is gone is skipped, as is an index without an address or a widget.
class VideoVlc : public QObject
{
    Q_OBJECT

public:
    // The process's one manager, made on first use and deleted when the application ends.
    static VideoVlc *Instance();

    explicit VideoVlc(QObject *parent = nullptr);
    ~VideoVlc() override;

    int getTimeout() const { return timeout; }
    int getOpenInterval() const { return openInterval; }
    int getCheckInterval() const { return checkInterval; }
    bool isOpening() const { return openTimer->isActive(); }
    bool isChecking() const { return checkTimer->isActive(); }
    QList<QDateTime> getLastTimes() const { return lastTimes; }
    void setLastTime(int index, const QDateTime &time);

public slots:
    void openVideo();
    void checkVideo();
    void setTimeout(int timeout);
    void setOpenInterval(int openInterval);
    void setCheckInterval(int checkInterval);
    void setVideoCount(int videoCount) { this->videoCount = videoCount; }
    void setSaveVideo(bool saveVideo) { this->saveVideo = saveVideo; }
    void setSaveVideoInterval(int saveVideoInterval) { this->saveVideoInterval = saveVideoInterval; }
    void setSavePath(const QString &savePath) { this->savePath = savePath; }
    void setUrls(const QList<QString> &videoUrls);
    void setNames(const QList<QString> &videoNames);
    void setWidgets(const QList<VlcWidget *> &videoWidgets);
    void start();
    void stop();
    void open(int index);
    void close(int index);
    void snap(int index, const QString &fileName);

private:
    static void makePath(const QString &path);
    // The channel's widget when it has an address and its widget still exists, else null.
    VlcWidget *channel(int index) const;
    bool countMatches() const { return videoCount == videoWidgets.size(); }

    QList<QString> videoUrls;
    QList<QString> videoNames;
    QList<QPointer<VlcWidget>> videoWidgets;
    QList<QDateTime> lastTimes;
    int timeout = 10;
    int openInterval = 1000;
    int checkInterval = 5;
    int videoCount = 16;
    bool saveVideo = false;
    int saveVideoInterval = 0;
    QString savePath;
    int openIndex = 0;
    QTimer *openTimer = nullptr;
    QTimer *checkTimer = nullptr;
};
