#include "video/videovlc.h"

#include "core/time_scale.h"
#include "video/vlcwidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>

namespace {
constexpr int kFirstCheckDelayMs = 5000; // channels get time to open before the first check
constexpr int kRecheckSeconds = 9;      // a restarted channel is left alone this long
constexpr int kNameFontSize = 18;
} // namespace

VideoVlc *VideoVlc::Instance()
{
    static QMutex instanceMutex;
    static QPointer<VideoVlc> instance;
    if (!instance) {
        QMutexLocker locker(&instanceMutex);
        if (!instance) {
            instance = new VideoVlc;
            // Gone when the event loop ends, while the windows and their widgets still exist.
            if (QCoreApplication *app = QCoreApplication::instance())
                QObject::connect(app, &QCoreApplication::aboutToQuit, instance.data(), [] { delete instance.data(); });
        }
    }
    return instance;
}

VideoVlc::VideoVlc(QObject *parent)
    : QObject(parent)
{
    savePath = QCoreApplication::applicationDirPath();
    openTimer = new QTimer(this);
    openTimer->setInterval(openInterval);
    connect(openTimer, &QTimer::timeout, this, &VideoVlc::openVideo);
    checkTimer = new QTimer(this);
    checkTimer->setInterval(timescale::scaled(checkInterval * 1000));
    connect(checkTimer, &QTimer::timeout, this, &VideoVlc::checkVideo);
    makePath(QStringLiteral("snap"));
}

VideoVlc::~VideoVlc()
{
    stop();
}

void VideoVlc::makePath(const QString &path)
{
    QString folder = path;
    if (!folder.startsWith(QLatin1Char('/')) && !folder.contains(QLatin1String(":/")))
        folder = QCoreApplication::applicationDirPath() + QLatin1Char('/') + folder;
    QDir dir(folder);
    if (!dir.exists())
        dir.mkpath(folder);
}

VlcWidget *VideoVlc::channel(int index) const
{
    if (index < 0 || index >= videoUrls.size() || index >= videoWidgets.size())
        return nullptr;
    if (videoUrls.at(index).isEmpty())
        return nullptr;
    return videoWidgets.at(index).data();
}

void VideoVlc::setTimeout(int value)
{
    if (value >= 5 && value < 60)
        timeout = value;
}

void VideoVlc::setOpenInterval(int value)
{
    if (static_cast<unsigned>(value) <= 2000) {
        openInterval = value;
        openTimer->setInterval(value);
    }
}

void VideoVlc::setCheckInterval(int value)
{
    if (value >= 5 && value <= 60) {
        checkInterval = value;
        checkTimer->setInterval(timescale::scaled(value * 1000));
    }
}

void VideoVlc::setUrls(const QList<QString> &urls)
{
    if (videoUrls != urls)
        videoUrls = urls;
}

void VideoVlc::setNames(const QList<QString> &names)
{
    if (videoNames != names)
        videoNames = names;
}

void VideoVlc::setWidgets(const QList<VlcWidget *> &widgets)
{
    QList<QPointer<VlcWidget>> guarded;
    for (VlcWidget *widget : widgets)
        guarded.append(widget);
    if (guarded != videoWidgets)
        videoWidgets = guarded;
}

void VideoVlc::setLastTime(int index, const QDateTime &time)
{
    if (index >= 0 && index < lastTimes.size())
        lastTimes[index] = time;
}

void VideoVlc::start()
{
    if (!countMatches())
        return;
    lastTimes.clear();
    for (int i = 0; i < videoCount; ++i) {
        lastTimes.append(QDateTime::currentDateTime());
        VlcWidget *widget = videoWidgets.at(i).data();
        if (!widget)
            continue;
        widget->setUrl(videoUrls.value(i));
        if (i < videoNames.size()) {
            widget->setOSD1Visible(true);
            widget->setOSD1FontSize(kNameFontSize);
            widget->setOSD1Text(videoNames.at(i));
            widget->setOSD1Color(Qt::yellow);
            widget->setOSD1Format(VlcWidget::OSDFormat_Text);
            widget->setOSD1Position(VlcWidget::OSDPosition_Right_Top);
        }
        widget->setSaveFile(saveVideo);
        widget->setSavePath(savePath);
        widget->setSaveInterval(saveVideoInterval);
        if (saveVideo && saveVideoInterval == 0) {
            const QString day = QStringLiteral("%1/%2").arg(savePath, QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
            makePath(day);
            widget->setFileName(QStringLiteral("%1/Ch%2_%3.mp4")
                                    .arg(day)
                                    .arg(i + 1)
                                    .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss"))));
        }
        if (openInterval == 0)
            open(i);
    }
    if (openInterval > 0) {
        openIndex = 0;
        openTimer->start();
    }
    QTimer::singleShot(timescale::scaled(kFirstCheckDelayMs), checkTimer, QOverload<>::of(&QTimer::start));
}

void VideoVlc::stop()
{
    if (!countMatches())
        return;
    if (openTimer->isActive())
        openTimer->stop();
    if (checkTimer->isActive())
        checkTimer->stop();
    for (int i = 0; i < videoCount; ++i)
        close(i);
}

void VideoVlc::openVideo()
{
    while (openIndex < videoCount) {
        const int index = openIndex++;
        if (videoUrls.value(index).isEmpty())
            continue; // switched off: the next one is tried at once
        open(index);
        return;
    }
    openTimer->stop();
}

void VideoVlc::checkVideo()
{
    if (openTimer->isActive())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < videoCount && i < lastTimes.size(); ++i) {
        VlcWidget *widget = channel(i);
        if (!widget)
            continue;
        if (lastTimes.at(i).secsTo(now) <= kRecheckSeconds)
            continue;
        if (widget->getLastTime().secsTo(now) >= timeout) {
            widget->restart(videoUrls.at(i), 500);
            lastTimes[i] = now;
        }
    }
}

void VideoVlc::open(int index)
{
    if (VlcWidget *widget = channel(index))
        widget->open();
}

void VideoVlc::close(int index)
{
    if (VlcWidget *widget = channel(index))
        widget->close();
}

void VideoVlc::snap(int index, const QString &fileName)
{
    if (VlcWidget *widget = channel(index))
        widget->snap(fileName);
}
