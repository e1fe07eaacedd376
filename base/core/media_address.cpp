#include "core/media_address.h"

#include <QRegularExpression>

namespace media_address {
namespace {
const QString kDshowScheme = QStringLiteral("dshow://:");
constexpr int kDefaultCaptureWidth = 1920;
constexpr int kDefaultCaptureHeight = 1080;
constexpr int kCaptureCachingMs = 2000; // capture devices deliver in bursts
constexpr int kRecordingMatchSeconds = 4; // libVLC names a recording by the second it opened it
const QString kRecordingTimeFormat = QStringLiteral("yyyy-MM-dd-h'h'm'm's's'");
const QString kSegmentTimeFormat = QStringLiteral("yyyy-MM-dd-HH-mm-ss");

bool startsWithAnyCase(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

// The value of "key=value" among the ":"-separated pieces of a capture-device address.
QString dshowValue(const QString &dshowUrl, const QString &key)
{
    const QStringList pieces = dshowUrl.mid(kDshowScheme.size()).split(QLatin1Char(':'));
    const QString prefix = key + QLatin1Char('=');
    for (const QString &piece : pieces)
        if (piece.startsWith(prefix))
            return piece.mid(prefix.size());
    return QString();
}
} // namespace

Classified classify(const QString &url)
{
    Classified c;
    c.url = url;
    if (url.isEmpty())
        return c;
    c.isNetStream = startsWithAnyCase(url, "rtsp") || startsWithAnyCase(url, "rtmp") || startsWithAnyCase(url, "http");
    if (url.startsWith(QLatin1String("video="))) {
        const QStringList pieces = url.mid(6).split(QLatin1Char('|'));
        const QString device = QStringLiteral("dshow-vdev=") + pieces.value(0);
        QString size = QStringLiteral("dshow-size=%1*%2").arg(kDefaultCaptureWidth).arg(kDefaultCaptureHeight);
        if (pieces.size() == 2)
            size = QStringLiteral("dshow-size=") + QString(pieces.at(1)).replace(QLatin1Char('x'), QLatin1Char('*'));
        c.url = kDshowScheme + device + QLatin1Char(':') + size;
    }
    c.isDshow = c.url.startsWith(QLatin1String("dshow"));
    return c;
}

bool isRtsp(const QString &url) { return startsWithAnyCase(url, "rtsp"); }

ProbeTarget probeTarget(const QString &url)
{
    ProbeTarget target;
    static const QRegularExpression ipv4(QStringLiteral(
        "((?:(?:25[0-5]|2[0-4]\\d|[01]?\\d?\\d)\\.){3}(?:25[0-5]|2[0-4]\\d|[01]?\\d?\\d))"));
    const QRegularExpressionMatch match = ipv4.match(url);
    if (match.hasMatch())
        target.host = match.captured(1);
    const QStringList pieces = url.split(QLatin1Char(':'));
    if (pieces.size() >= 3) {
        const int index = url.contains(QLatin1Char('@')) ? 3 : 2;
        if (index < pieces.size()) {
            const QString text = pieces.at(index).section(QLatin1Char('/'), 0, 0);
            bool ok = false;
            const uint port = text.toUInt(&ok, 10);
            if (ok && port > 0 && port <= 65535)
                target.port = static_cast<quint16>(port);
        }
    }
    return target;
}

QString demuxArgument(const QString &url)
{
    const QString suffix = url.section(QLatin1Char('.'), -1);
    if (!url.contains(QLatin1Char('.')))
        return QString();
    if (suffix == QLatin1String("h264"))
        return QStringLiteral("--demux=h264");
    if (suffix == QLatin1String("h265"))
        return QStringLiteral("--demux=h265");
    return QString();
}

bool opensAsLocation(const QString &url, bool isNetStream, bool isDshow)
{
    return isNetStream || isDshow || startsWithAnyCase(url, "http");
}

QStringList dshowOptions(const QString &dshowUrl)
{
    QStringList options;
    const QString rest = dshowUrl.mid(kDshowScheme.size());
    for (const QString &piece : rest.split(QLatin1Char(':')))
        if (!piece.isEmpty())
            options << QLatin1Char(':') + piece;
    if (!rest.contains(QLatin1String("dshow-size")))
        options << QStringLiteral(":dshow-size=%1*%2").arg(kDefaultCaptureWidth).arg(kDefaultCaptureHeight);
    if (!rest.contains(QLatin1String("live-caching")))
        options << QStringLiteral(":live-caching=%1").arg(kCaptureCachingMs);
    return options;
}

QString singleFileOption(const QString &fileName)
{
    return QStringLiteral(":sout=#duplicate{dst=display,dst=file{mux=%1,dst=%2}}").arg(QStringLiteral("mp4"), fileName);
}

CaptureMedia v4l2ForDshow(const QString &dshowUrl, const QList<CaptureDevice> &devices)
{
    CaptureMedia media;
    const QString wanted = dshowValue(dshowUrl, QStringLiteral("dshow-vdev"));
    for (const CaptureDevice &device : devices) {
        if (!wanted.isEmpty() && (device.name == wanted || device.node == wanted)) {
            media.found = true;
            media.location = QStringLiteral("v4l2://") + device.node;
            break;
        }
    }
    if (!media.found)
        return media;
    QString size = dshowValue(dshowUrl, QStringLiteral("dshow-size"));
    if (size.isEmpty())
        size = QStringLiteral("%1*%2").arg(kDefaultCaptureWidth).arg(kDefaultCaptureHeight);
    const QStringList wh = size.split(QLatin1Char('*'));
    bool okW = false;
    bool okH = false;
    const int width = wh.value(0).toInt(&okW);
    const int height = wh.value(1).toInt(&okH);
    if (okW && okH && width > 0 && height > 0)
        media.options << QStringLiteral(":v4l2-width=%1").arg(width) << QStringLiteral(":v4l2-height=%1").arg(height);
    const QString caching = dshowValue(dshowUrl, QStringLiteral("live-caching"));
    media.options << QStringLiteral(":live-caching=%1").arg(caching.isEmpty() ? QString::number(kCaptureCachingMs) : caching);
    return media;
}

QString dayFolder(const QString &root, const QDate &today, const QString &appDir)
{
    QString folder = QStringLiteral("%1/%2").arg(root, today.toString(QStringLiteral("yyyy-MM-dd")));
    if (!folder.startsWith(QLatin1Char('/')) && !folder.contains(QLatin1String(":/")))
        folder = appDir + QLatin1Char('/') + folder;
    return folder;
}

QString segmentName(const QString &folder, const QString &fileFlag, const QDateTime &now)
{
    return QStringLiteral("%1/%2_%3").arg(folder, fileFlag, now.toString(kSegmentTimeFormat));
}

void splitPath(const QString &path, QString *folder, QString *file)
{
    QStringList pieces = path.split(QLatin1Char('/'));
    const QString last = pieces.takeLast();
    if (folder)
        *folder = pieces.join(QLatin1Char('/'));
    if (file)
        *file = last;
}

QDateTime segmentStart(const QString &segmentName)
{
    QString file;
    splitPath(segmentName, nullptr, &file);
    return QDateTime::fromString(file.section(QLatin1Char('_'), -1), kSegmentTimeFormat);
}

QString findRecording(const QStringList &entries, const QString &fileFlag, const QDateTime &start, qint64 *diffSeconds)
{
    QString best;
    qint64 bestDiff = kRecordingMatchSeconds + 1;
    if (!start.isValid())
        return best;
    for (const QString &entry : entries) {
        if (!entry.startsWith(QLatin1String("vlc-record")) || !entry.contains(fileFlag))
            continue;
        const QStringList pieces = entry.split(QLatin1Char('-'));
        if (pieces.size() < 6)
            continue;
        const QDateTime opened = QDateTime::fromString(pieces.mid(2, 4).join(QLatin1Char('-')), kRecordingTimeFormat);
        if (!opened.isValid())
            continue;
        const qint64 diff = qAbs(opened.secsTo(start));
        // The closest one: segments cut more often than every 4 seconds leave two candidates.
        if (diff <= kRecordingMatchSeconds && diff < bestDiff) {
            best = entry;
            bestDiff = diff;
        }
    }
    if (diffSeconds && !best.isEmpty())
        *diffSeconds = bestDiff;
    return best;
}

} // namespace media_address
