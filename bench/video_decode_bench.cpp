// Live picture decoding against the RTSP test server, beside the ffmpeg command decoding the
// same streams: pictures per second delivered, CPU seconds per picture, time from Init (or
// from the start of ffmpeg) to the first picture, and seconds in which a stream fell short.
//
//   build/bench/video_decode_bench [--seconds 10] [--cpus 2] [--port 18554] [--sizes 640x360,1920x1080]
//                                  [--counts 1,6] [--keep-clips DIR]
//
// The servers serve clips made once with the ffmpeg command, so serving costs next to nothing;
// the decoders (ours, in this process, and ffmpeg's processes) are pinned to --cpus CPUs.
#include "core/time_scale.h"
#include "rtsp/rtsp_server_process.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"
#include "video/rtspthread.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <memory>

#include <sched.h>
#include <unistd.h>

namespace {

constexpr int kFps = 25;             // of the clips
constexpr int kWarmupMs = 2000;      // the server's first burst and the decoders' start settle
constexpr int kShortSecond = 20;     // a second with fewer pictures than this (of 25) is lost
constexpr int kOutWidth = 480;       // the main window's camera labels
constexpr int kOutHeight = 270;
constexpr int kFirstPictureRuns = 3; // ffmpeg's first-picture time: median of this many runs

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Runs the event loop for ms without polling, so the bench itself costs no CPU meanwhile.
void pumpFor(int ms)
{
    QEventLoop loop;
    // A coarse timer may end a 10 s window half a second early or late.
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() or timeoutMs, looking every 5 ms.
template <typename Done>
void pumpUntil(Done done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        pumpFor(5);
}

// CPU seconds (user + system) of a process so far, from /proc.
double cpuSeconds(qint64 pid)
{
    QFile stat(pid == 0 ? QStringLiteral("/proc/self/stat") : QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    // Fields after the name start at field 3; utime and stime are fields 14 and 15.
    if (fields.size() < 13)
        return 0;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (fields[11].toDouble() + fields[12].toDouble()) / ticks;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    double picturesPerSecond = 0; // all streams together
    double cpuMsPerPicture = 0;
    double firstPictureMsMedian = 0;
    double firstPictureMsMax = 0;
    int shortSeconds = 0;         // stream-seconds below kShortSecond pictures
    QSet<int> shortSecondsSeen;   // which seconds of the window they fell in
    int worstSecond = 0;          // fewest pictures of one stream in one second
};

// ---- ours: QFFmpeg + RtspThread through rtsp_stream, as the main window runs them ----

struct OurStream {
    QFFmpeg *decoder = nullptr;
    RtspThread *thread = nullptr;
    QElapsedTimer sinceInit;
    qint64 firstPictureMs = -1;
    QVector<qint64> arrivals; // ms on the run clock
};

Figures runOurs(const QStringList &urls, int seconds)
{
    QObject owner;
    std::vector<std::unique_ptr<OurStream>> streams;
    QElapsedTimer runClock;
    runClock.start();
    for (const QString &url : urls) {
        auto s = std::make_unique<OurStream>();
        OurStream *raw = s.get();
        rtsp_stream::create(&owner, url, kOutWidth, kOutHeight, s->decoder, s->thread);
        QObject::connect(s->decoder, &QFFmpeg::GetImage, &owner, [raw, &runClock](QImage image) {
            if (image.isNull())
                return;
            if (raw->firstPictureMs < 0)
                raw->firstPictureMs = raw->sinceInit.elapsed();
            raw->arrivals.append(runClock.elapsed());
        }, Qt::QueuedConnection);
        s->sinceInit.start();
        if (!rtsp_stream::start(s->decoder, s->thread))
            std::fprintf(stderr, "ours: cannot open %s\n", qPrintable(url));
        streams.push_back(std::move(s));
    }
    pumpFor(kWarmupMs);
    const qint64 windowStart = runClock.elapsed();
    const double cpuStart = cpuSeconds(0);
    pumpFor(seconds * 1000);
    const double cpuEnd = cpuSeconds(0);
    const qint64 windowEnd = runClock.elapsed();

    Figures f;
    int pictures = 0;
    QVector<double> firsts;
    f.worstSecond = kFps * 10;
    for (const auto &s : streams) {
        firsts.append(double(s->firstPictureMs));
        QVector<int> perSecond(seconds, 0);
        for (qint64 t : s->arrivals) {
            if (t < windowStart || t >= windowEnd)
                continue;
            ++pictures;
            const int second = int((t - windowStart) / 1000);
            if (second < seconds)
                ++perSecond[second];
        }
        for (int second = 0; second < seconds; ++second) {
            const int n = perSecond[second];
            f.worstSecond = std::min(f.worstSecond, n);
            if (n < kShortSecond) {
                ++f.shortSeconds;
                f.shortSecondsSeen.insert(second);
            }
        }
    }
    for (auto &s : streams)
        rtsp_stream::stop(s->decoder, s->thread, {});
    const double windowSeconds = (windowEnd - windowStart) / 1000.0;
    f.picturesPerSecond = pictures / windowSeconds;
    f.cpuMsPerPicture = pictures ? 1000.0 * (cpuEnd - cpuStart) / pictures : 0;
    f.firstPictureMsMedian = median(firsts);
    f.firstPictureMsMax = *std::max_element(firsts.begin(), firsts.end());
    return f;
}

// ---- ffmpeg's own: the same decoding and scaling by the ffmpeg command ----

QStringList ffmpegArguments(const QString &url)
{
    return {QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-loglevel"),
            QStringLiteral("error"), QStringLiteral("-rtsp_transport"), QStringLiteral("tcp"),
            QStringLiteral("-i"), url, QStringLiteral("-vf"),
            QStringLiteral("scale=%1:%2").arg(kOutWidth).arg(kOutHeight), QStringLiteral("-pix_fmt"),
            QStringLiteral("rgb24"), QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-"),
            QStringLiteral("-progress"), QStringLiteral("pipe:1"), QStringLiteral("-stats_period"),
            QStringLiteral("0.1")};
}

struct FfmpegRun {
    std::unique_ptr<QProcess> process;
    QByteArray pending;
    int frames = 0;
    QVector<QPair<qint64, int>> samples; // (run clock ms, frames so far)
};

Figures runFfmpeg(const QStringList &urls, int seconds)
{
    std::vector<std::unique_ptr<FfmpegRun>> runs;
    QElapsedTimer runClock;
    runClock.start();
    for (const QString &url : urls) {
        auto r = std::make_unique<FfmpegRun>();
        r->process = std::make_unique<QProcess>();
        FfmpegRun *raw = r.get();
        QObject::connect(r->process.get(), &QProcess::readyReadStandardOutput, r->process.get(), [raw, &runClock] {
            raw->pending += raw->process->readAllStandardOutput();
            int newline;
            while ((newline = raw->pending.indexOf('\n')) >= 0) {
                const QByteArray line = raw->pending.left(newline).trimmed();
                raw->pending.remove(0, newline + 1);
                if (line.startsWith("frame=")) {
                    raw->frames = line.mid(6).toInt();
                    raw->samples.append({runClock.elapsed(), raw->frames});
                }
            }
        });
        r->process->start(QStringLiteral("ffmpeg"), ffmpegArguments(url));
        r->process->waitForStarted();
        runs.push_back(std::move(r));
    }
    pumpFor(kWarmupMs);
    const qint64 windowStart = runClock.elapsed();
    double cpuStart = 0;
    for (const auto &r : runs)
        cpuStart += cpuSeconds(r->process->processId());
    pumpFor(seconds * 1000);
    double cpuEnd = 0;
    for (const auto &r : runs)
        cpuEnd += cpuSeconds(r->process->processId());
    const qint64 windowEnd = runClock.elapsed();

    auto framesAt = [](const FfmpegRun &r, qint64 t) {
        int frames = 0;
        for (const auto &sample : r.samples) {
            if (sample.first > t)
                break;
            frames = sample.second;
        }
        return frames;
    };

    Figures f;
    int pictures = 0;
    f.worstSecond = kFps * 10;
    for (const auto &r : runs) {
        if (qEnvironmentVariableIsSet("BENCH_DEBUG")) {
            QStringList per;
            for (int second = 0; second <= seconds; ++second)
                per << QString::number(framesAt(*r, windowStart + second * 1000));
            std::fprintf(stderr, "ffmpeg frames at each second: %s; last sample at %lld (window end %lld)\n",
                         qPrintable(per.join(' ')), r->samples.isEmpty() ? -1LL : r->samples.last().first - windowStart,
                         windowEnd - windowStart);
        }
        pictures += framesAt(*r, windowEnd) - framesAt(*r, windowStart);
        for (int second = 0; second < seconds; ++second) {
            const int n = framesAt(*r, windowStart + (second + 1) * 1000) - framesAt(*r, windowStart + second * 1000);
            f.worstSecond = std::min(f.worstSecond, n);
            if (n < kShortSecond) {
                ++f.shortSeconds;
                f.shortSecondsSeen.insert(second);
            }
        }
        r->process->terminate(); // ffmpeg ends cleanly on SIGTERM
    }
    for (const auto &r : runs) {
        if (!r->process->waitForFinished(5000)) {
            r->process->kill();
            r->process->waitForFinished();
        }
    }
    const double windowSeconds = (windowEnd - windowStart) / 1000.0;
    f.picturesPerSecond = pictures / windowSeconds;
    f.cpuMsPerPicture = pictures ? 1000.0 * (cpuEnd - cpuStart) / pictures : 0;
    return f;
}

// Time from the start of ffmpeg to its first picture on standard output (one RGB24 picture
// of the preview's size), for all urls started together; median and maximum over the runs.
QPair<double, double> ffmpegFirstPicture(const QStringList &urls)
{
    QVector<double> all;
    const qint64 pictureBytes = qint64(kOutWidth) * kOutHeight * 3;
    for (int run = 0; run < kFirstPictureRuns; ++run) {
        std::vector<std::unique_ptr<QProcess>> processes;
        QVector<qint64> firsts(urls.size(), -1);
        QVector<qint64> received(urls.size(), 0);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < urls.size(); ++i) {
            auto p = std::make_unique<QProcess>();
            QProcess *raw = p.get();
            QObject::connect(raw, &QProcess::readyReadStandardOutput, raw, [raw, i, &firsts, &received, &clock, pictureBytes] {
                received[i] += raw->readAllStandardOutput().size();
                if (firsts[i] < 0 && received[i] >= pictureBytes)
                    firsts[i] = clock.elapsed();
            });
            p->start(QStringLiteral("ffmpeg"),
                     {QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-loglevel"),
                      QStringLiteral("error"), QStringLiteral("-rtsp_transport"), QStringLiteral("tcp"),
                      QStringLiteral("-i"), urls[i], QStringLiteral("-vf"),
                      QStringLiteral("scale=%1:%2").arg(kOutWidth).arg(kOutHeight), QStringLiteral("-pix_fmt"),
                      QStringLiteral("rgb24"), QStringLiteral("-frames:v"), QStringLiteral("1"),
                      QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("pipe:1")});
            processes.push_back(std::move(p));
        }
        pumpUntil([&] { return std::none_of(firsts.begin(), firsts.end(), [](qint64 t) { return t < 0; }); }, 20000);
        for (auto &p : processes) {
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished();
            }
        }
        for (qint64 t : firsts)
            all.append(double(t));
        pumpFor(500);
    }
    return {median(all), *std::max_element(all.begin(), all.end())};
}

QPair<double, double> oursFirstPicture(const QStringList &urls)
{
    QVector<double> all;
    for (int run = 0; run < kFirstPictureRuns; ++run) {
        QObject owner;
        std::vector<std::unique_ptr<OurStream>> streams;
        for (const QString &url : urls) {
            auto s = std::make_unique<OurStream>();
            OurStream *raw = s.get();
            rtsp_stream::create(&owner, url, kOutWidth, kOutHeight, s->decoder, s->thread);
            QObject::connect(s->decoder, &QFFmpeg::GetImage, &owner, [raw](QImage) {
                if (raw->firstPictureMs < 0)
                    raw->firstPictureMs = raw->sinceInit.elapsed();
            }, Qt::QueuedConnection);
            streams.push_back(std::move(s));
        }
        // The owners open their streams one after another in the GUI thread; each stream's
        // time counts from its own Init.
        for (auto &s : streams) {
            s->sinceInit.start();
            rtsp_stream::start(s->decoder, s->thread);
        }
        pumpUntil([&] {
            return std::none_of(streams.begin(), streams.end(), [](const auto &s) { return s->firstPictureMs < 0; });
        }, 20000);
        for (auto &s : streams) {
            all.append(double(s->firstPictureMs));
            rtsp_stream::stop(s->decoder, s->thread, {});
        }
        pumpFor(500);
    }
    return {median(all), *std::max_element(all.begin(), all.end())};
}

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split('x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

void pinToCpus(int count)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int cpu = 0; cpu < count; ++cpu)
        CPU_SET(cpu, &set);
    if (sched_setaffinity(0, sizeof set, &set) != 0)
        std::perror("sched_setaffinity");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Live picture decoding beside the ffmpeg command"));
    parser.addHelpOption();
    QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("measured seconds per run"),
                                     QStringLiteral("n"), QStringLiteral("10"));
    QCommandLineOption cpusOption(QStringLiteral("cpus"), QStringLiteral("CPUs the decoders may use (0: all)"),
                                  QStringLiteral("n"), QStringLiteral("2"));
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("first RTSP port"), QStringLiteral("port"),
                                  QStringLiteral("18554"));
    QCommandLineOption sizesOption(QStringLiteral("sizes"), QStringLiteral("stream sizes"), QStringLiteral("list"),
                                   QStringLiteral("640x360,1920x1080"));
    QCommandLineOption countsOption(QStringLiteral("counts"), QStringLiteral("simultaneous streams"),
                                    QStringLiteral("list"), QStringLiteral("1,6"));
    QCommandLineOption clipsOption(QStringLiteral("keep-clips"), QStringLiteral("make and keep the clips in DIR"),
                                   QStringLiteral("dir"));
    parser.addOptions({secondsOption, cpusOption, portOption, sizesOption, countsOption, clipsOption});
    parser.process(app);
    const int seconds = std::max(2, parser.value(secondsOption).toInt());
    const int cpus = parser.value(cpusOption).toInt();
    quint16 port = quint16(parser.value(portOption).toUInt());
    qInstallMessageHandler(quiet);

    QTemporaryDir temporary;
    const QString clipDir = parser.isSet(clipsOption) ? parser.value(clipsOption) : temporary.path();
    QDir().mkpath(clipDir);

    struct Server {
        QSize size;
        std::unique_ptr<RtspServerProcess> process;
    };
    std::vector<Server> servers;
    // Long enough for the warm-up, the measured window and the first-picture runs of one
    // client; every client gets its own pipeline, so each starts the clip from its beginning.
    const int clipSeconds = kWarmupMs / 1000 + seconds + 20;
    for (const QString &sizeText : parser.value(sizesOption).split(',')) {
        const QSize size = parseSize(sizeText);
        const QString clip = QStringLiteral("%1/clip_%2x%3_%4s.mp4").arg(clipDir).arg(size.width()).arg(size.height()).arg(clipSeconds);
        QString error;
        if (!QFile::exists(clip)) {
            std::fprintf(stderr, "making %s ...\n", qPrintable(clip));
            if (!RtspServerProcess::makeClip(clip, size, kFps, clipSeconds, &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
        }
        Server server{size, std::make_unique<RtspServerProcess>()};
        RtspServerProcess::Options options;
        options.port = port++;
        options.clip = clip;
        if (!server.process->start(options)) {
            std::fprintf(stderr, "%s\n", qPrintable(server.process->errorString()));
            return 1;
        }
        servers.push_back(std::move(server));
    }
    // The servers keep every CPU; the decoders started from here on get the first cpus CPUs.
    if (cpus > 0)
        pinToCpus(cpus);

    std::printf("Decoding %d x %d RGB24 pictures from H.264 %d fps clips served over RTSP/TCP on loopback; "
                "%d s measured after %d s warm-up; decoders on %s CPU(s) of %ld.\n\n",
                kOutWidth, kOutHeight, kFps, seconds, kWarmupMs / 1000,
                cpus > 0 ? qPrintable(QString::number(cpus)) : "all", sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("| stream | streams | decoder | pictures/s (all streams) | CPU ms/picture | first picture ms (median / max) | stream-seconds short of %d pictures (in how many seconds; worst second) |\n",
                kShortSecond);
    std::printf("|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);

    for (const Server &server : servers) {
        for (const QString &countText : parser.value(countsOption).split(',')) {
            const int count = countText.toInt();
            QStringList urls;
            for (int i = 0; i < count; ++i)
                urls << server.process->url(1 + i % 5);
            const Figures ours = runOurs(urls, seconds);
            pumpFor(1000);
            const QPair<double, double> oursFirst = oursFirstPicture(urls);
            pumpFor(1000);
            const Figures theirs = runFfmpeg(urls, seconds);
            pumpFor(1000);
            const QPair<double, double> theirFirst = ffmpegFirstPicture(urls);
            pumpFor(1000);
            const QString stream = QStringLiteral("%1x%2").arg(server.size.width()).arg(server.size.height());
            std::printf("| %s | %d | QFFmpeg | %.1f | %.2f | %.0f / %.0f | %d (%d; %d) |\n", qPrintable(stream), count,
                        ours.picturesPerSecond, ours.cpuMsPerPicture, oursFirst.first, oursFirst.second,
                        ours.shortSeconds, int(ours.shortSecondsSeen.size()), ours.worstSecond);
            std::printf("| %s | %d | ffmpeg | %.1f | %.2f | %.0f / %.0f | %d (%d; %d) |\n", qPrintable(stream), count,
                        theirs.picturesPerSecond, theirs.cpuMsPerPicture, theirFirst.first, theirFirst.second,
                        theirs.shortSeconds, int(theirs.shortSecondsSeen.size()), theirs.worstSecond);
            auto seen = [](const Figures &f) {
                QList<int> list = f.shortSecondsSeen.values();
                std::sort(list.begin(), list.end());
                QStringList text;
                for (int second : list)
                    text << QString::number(second);
                return text.join(',');
            };
            std::fprintf(stderr, "%s x%d: short seconds of the window: ours [%s], ffmpeg [%s]\n", qPrintable(stream), count,
                         qPrintable(seen(ours)), qPrintable(seen(theirs)));
            std::fflush(stdout);
        }
    }
    for (Server &server : servers)
        server.process->stop();
    return 0;
}
