#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What a preview player reads from its media address: the kind of source, the camera to probe
// before opening, the options libVLC is given, and the names of its recordings. No library
// behind it, so every rule is tested on its own.
namespace media_address {

struct Classified {
    QString url;              // the address as kept (a capture device rewritten to "dshow://:...")
    bool isNetStream = false; // starts with rtsp, rtmp or http, any case
    bool isDshow = false;     // a capture device
};
// Stores and normalises an address: "video=Cam|1280x720" names a capture device and becomes
// "dshow://:dshow-vdev=Cam:dshow-size=1280*720" (1920*1080 when no size is given).
Classified classify(const QString &url);

// An RTSP camera stream: this system's libVLC has no RTSP client, so such an address is played
// through the project's FFmpeg decoder.
bool isRtsp(const QString &url);

struct ProbeTarget {
    QString host; // empty when the address holds no dotted IPv4 address
    quint16 port = 554;
};
// The camera to probe: the first dotted IPv4 address; the port after the host (after the
// credentials when the address has "@"), 554 when there is none.
ProbeTarget probeTarget(const QString &url);

// libVLC's ninth start argument: "--demux=h264" / "--demux=h265" for raw streams by suffix.
QString demuxArgument(const QString &url);

// Whether libVLC opens the address as a location (network streams, capture devices, any "http"
// address) rather than as a local path.
bool opensAsLocation(const QString &url, bool isNetStream, bool isDshow);

// The media options of a capture-device address: each ":"-separated piece after "dshow://:",
// then the size (1920*1080) and the live caching (2000) when the address has none.
QStringList dshowOptions(const QString &dshowUrl);

// The single-file recording option: the stream shown and written to fileName at once.
QString singleFileOption(const QString &fileName);

// A video capture device of this system: its node ("/dev/video0") and its name.
struct CaptureDevice {
    QString node;
    QString name;
};
struct CaptureMedia {
    bool found = false;
    QString location;    // "v4l2:///dev/videoN"
    QStringList options; // width, height and caching as V4L2 options
};
// The capture device a "dshow://:" address names, on this system's V4L2 devices: the device
// whose name (or node) equals the "dshow-vdev" value; the "dshow-size" W*H becomes the V4L2
// width and height.
CaptureMedia v4l2ForDshow(const QString &dshowUrl, const QList<CaptureDevice> &devices);

// Recording names.
// The folder of today's recordings: root + "/" + yyyy-MM-dd; a root that neither starts with
// "/" nor contains ":/" lies in appDir.
QString dayFolder(const QString &root, const QDate &today, const QString &appDir);
// A segment's name without extension: folder + "/" + fileFlag + "_" + yyyy-MM-dd-HH-mm-ss.
QString segmentName(const QString &folder, const QString &fileFlag, const QDateTime &now);
// "a/b/c" into "a/b" and "c".
void splitPath(const QString &path, QString *folder, QString *file);
// The start time a segment's name carries (its last "_" piece), invalid when it has none.
QDateTime segmentStart(const QString &segmentName);
// Of a record folder's entries, the libVLC recording ("vlc-record-yyyy-MM-dd-HHhMMmSSs-<title>")
// of the channel fileFlag that began within 4 seconds of start, the closest one; empty when
// none. diffSeconds receives its distance.
QString findRecording(const QStringList &entries, const QString &fileFlag, const QDateTime &start,
                      qint64 *diffSeconds = nullptr);

} // namespace media_address
