// Live picture decoding against the RTSP test server, beside the ffmpeg command doing the same
// work (one decoding thread, one filter thread, the same bilinear scale to 480x270 RGB24, the
// same probe size and analysis cap) and beside ffmpeg's decode-only floor: pictures per second
// delivered, CPU milliseconds per picture, time from Init (or from the start of ffmpeg) to the
// first picture, and seconds in which a stream fell short. Every figure is the median of --runs.
//
//   build/bench/video_decode_bench [--seconds 10] [--cpus 2] [--runs 3] [--port 18554]
//                                  [--sizes 640x360,1920x1080] [--counts 1,6] [--keep-clips DIR]
//                                  [--steps] [--low-rate] [--parallel-open [--trace]]
//
// --steps: where one stream's time goes, per step of the decoding loop (read, decode, scale,
// copy into a QImage), as thread CPU of the same FFmpeg calls with the same options.
// --low-rate: the first picture of a 5 pictures/s, 64 kbit/s stream, ours beside ffmpeg with
// our options and ffmpeg without the analysis cap.
// --parallel-open: --counts streams opened at once, the last first picture of ours (each start
// begun from an event during the earlier starts' waits, as the window's connects nest) beside
// as many ffmpeg -frames:v 1 processes started together; --trace prints the opens' log lines.
//
// The servers serve clips made once with the ffmpeg command, so serving costs next to nothing;
// the decoders (ours, in this process, and ffmpeg's processes) are pinned to --cpus CPUs.
#include "bench_support.h"
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
#include <functional>
#include <memory>

#include <sched.h>
#include <time.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace {

using bench::median;
using bench::pinToCpus;
using bench::pumpFor;

constexpr int kFps = 25;             // of the clips
constexpr int kWarmupMs = 2000;      // the server's first burst and the decoders' start settle
constexpr int kShortSecond = 20;     // a second with fewer pictures than this (of 25) is lost
constexpr int kOutWidth = 480;       // the main window's camera labels
constexpr int kOutHeight = 270;
constexpr int kFirstPictureRuns = 3; // first-picture time: median of this many runs
// Our open's options as the ffmpeg command's input options.
const QStringList kOurInputOptions{QStringLiteral("-rtsp_transport"), QStringLiteral("tcp"),
                                   QStringLiteral("-probesize"), QStringLiteral("32768"),
                                   QStringLiteral("-analyzeduration"), QStringLiteral("1000000")};


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

enum class FfmpegWork { SameAsOurs, DecodeOnly };

// One decoding thread and one filter thread, as ours; the same input options. The same work
// scales bilinearly to the labels' RGB24 pictures; the floor only decodes.
QStringList ffmpegArguments(const QString &url, FfmpegWork work, const QStringList &tail)
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-loglevel"),
                     QStringLiteral("error"), QStringLiteral("-filter_threads"), QStringLiteral("1"),
                     QStringLiteral("-threads"), QStringLiteral("1")};
    args << kOurInputOptions << QStringLiteral("-i") << url;
    if (work == FfmpegWork::SameAsOurs)
        args << QStringLiteral("-vf")
             << QStringLiteral("scale=%1:%2:flags=bilinear,format=rgb24").arg(kOutWidth).arg(kOutHeight);
    return args << tail;
}

QStringList ffmpegCounting(const QString &url, FfmpegWork work)
{
    return ffmpegArguments(url, work,
                           {QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-"), QStringLiteral("-progress"),
                            QStringLiteral("pipe:1"), QStringLiteral("-stats_period"), QStringLiteral("0.1")});
}

struct FfmpegRun {
    std::unique_ptr<QProcess> process;
    QByteArray pending;
    int frames = 0;
    QVector<QPair<qint64, int>> samples; // (run clock ms, frames so far)
};

Figures runFfmpeg(const QStringList &urls, int seconds, FfmpegWork work)
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
        r->process->start(QStringLiteral("ffmpeg"), ffmpegCounting(url, work));
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

// For urls started together, each ffmpeg's time from the start of the first process (process
// starts included) to its first picture on standard output (one RGB24 picture of the
// preview's size); -1 for a stream that gave none within 20 s.
QVector<double> ffmpegFirstPictureRun(const QStringList &urls, bool analysisCap = true)
{
    const qint64 pictureBytes = qint64(kOutWidth) * kOutHeight * 3;
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
        QStringList args = ffmpegArguments(urls[i], FfmpegWork::SameAsOurs,
                                           {QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"),
                                            QStringLiteral("rawvideo"), QStringLiteral("pipe:1")});
        if (!analysisCap) {
            const int at = args.indexOf(QStringLiteral("-analyzeduration"));
            args.erase(args.begin() + at, args.begin() + at + 2);
        }
        p->start(QStringLiteral("ffmpeg"), args);
        processes.push_back(std::move(p));
    }
    pumpUntil([&] { return std::none_of(firsts.begin(), firsts.end(), [](qint64 t) { return t < 0; }); }, 20000);
    for (auto &p : processes) {
        if (!p->waitForFinished(5000)) {
            p->kill();
            p->waitForFinished();
        }
    }
    QVector<double> result;
    for (qint64 t : firsts)
        result.append(double(t));
    return result;
}

// Time from the start of ffmpeg to its first picture, for all urls started together; median
// and maximum over the streams of kFirstPictureRuns runs.
QPair<double, double> ffmpegFirstPicture(const QStringList &urls, bool analysisCap = true)
{
    QVector<double> all;
    for (int run = 0; run < kFirstPictureRuns; ++run) {
        all += ffmpegFirstPictureRun(urls, analysisCap);
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
        // One after another: each start returns before the next begins (--parallel-open opens
        // them at once); each stream's time counts from its own start.
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




// ---- several opens at once, as the window's connects come ----

QElapsedTimer gTraceClock; // --trace: the clock of the open's log lines

// --trace: the open's own log lines with the time since the run's start and the thread.
void traceOpens(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (bench::openLine(message) != bench::OpenLine::Other)
        bench::printOpenLine(gTraceClock, message);
}

struct OpenRun {
    double lastFirstMs = -1;  // from the common start to the last stream's first picture
    double lastBeginMs = 0;   // when the last start began
};

// Opens urls as the window's connects come while a connect waits: stream i + 1's start begins
// from a timer of its own that turns during the wait of stream i's start, so the waits nest
// (last in, first out) and the opens run at once. Times count from the first start.
OpenRun oursParallelOpenRun(const QStringList &urls)
{
    QObject owner;
    std::vector<std::unique_ptr<OurStream>> streams(size_t(urls.size()));
    QElapsedTimer clock;
    OpenRun run;
    std::function<void(int)> openAt = [&](int i) {
        if (i + 1 < urls.size()) {
            auto *next = new QTimer(&owner);
            next->setSingleShot(true);
            QObject::connect(next, &QTimer::timeout, &owner, [&openAt, i] { openAt(i + 1); });
            next->start(0);
        }
        run.lastBeginMs = std::max(run.lastBeginMs, double(clock.elapsed()));
        streams[size_t(i)] = std::make_unique<OurStream>();
        OurStream *s = streams[size_t(i)].get();
        rtsp_stream::create(&owner, urls[i], kOutWidth, kOutHeight, s->decoder, s->thread);
        QObject::connect(s->decoder, &QFFmpeg::GetImage, &owner, [s, &clock](QImage) {
            if (s->firstPictureMs < 0)
                s->firstPictureMs = clock.elapsed();
        }, Qt::QueuedConnection);
        if (!rtsp_stream::start(s->decoder, s->thread))
            std::fprintf(stderr, "ours: cannot open %s\n", qPrintable(urls[i]));
    };
    gTraceClock.start();
    clock.start();
    openAt(0);
    const auto allShown = [&] {
        return std::all_of(streams.begin(), streams.end(), [](const auto &s) { return s && s->firstPictureMs >= 0; });
    };
    pumpUntil(allShown, 20000);
    if (allShown())
        for (const auto &s : streams)
            run.lastFirstMs = std::max(run.lastFirstMs, double(s->firstPictureMs));
    for (auto &s : streams)
        if (s)
            rtsp_stream::stop(s->decoder, s->thread, {});
    return run;
}

// ---- where one stream's time goes: the decoding loop's calls, each step timed on its thread ----


struct Steps {
    double readMs = 0, decodeMs = 0, scaleMs = 0, copyMs = 0;
    int pictures = 0;
};

// The calls QFFmpeg makes for each picture, with its options (one decoding thread, FFmpeg's
// default), over seconds after the warm-up: av_read_frame, avcodec_send_packet and
// avcodec_receive_frame, sws_scale (bilinear, to 480x270 RGB24), and the deep QImage copy.
Steps stepProfile(const QString &url, int seconds)
{
    Steps steps;
    AVFormatContext *format = avformat_alloc_context();
    AVDictionary *options = nullptr;
    av_dict_set(&options, "rtsp_transport", "tcp", 0);
    av_dict_set(&options, "probesize", "32768", 0);
    av_dict_set(&options, "analyzeduration", "1000000", 0);
    const QByteArray address = url.toUtf8();
    const bool opened = avformat_open_input(&format, address.constData(), nullptr, &options) == 0;
    av_dict_free(&options);
    if (!opened || avformat_find_stream_info(format, nullptr) < 0) {
        std::fprintf(stderr, "steps: cannot open %s\n", qPrintable(url));
        avformat_close_input(&format);
        return steps;
    }
    const int video = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    AVCodecContext *codec = avcodec_alloc_context3(nullptr);
    avcodec_parameters_to_context(codec, format->streams[video]->codecpar);
    avcodec_open2(codec, avcodec_find_decoder(codec->codec_id), nullptr);
    SwsContext *scaler = sws_getContext(codec->width, codec->height, AV_PIX_FMT_YUV420P, kOutWidth, kOutHeight,
                                        AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    const int size = av_image_get_buffer_size(AV_PIX_FMT_RGB24, kOutWidth, kOutHeight, 1);
    std::vector<uint8_t> out(size_t(std::max(size, 0)));
    uint8_t *planes[4] = {};
    int lines[4] = {};
    av_image_fill_arrays(planes, lines, out.data(), AV_PIX_FMT_RGB24, kOutWidth, kOutHeight, 1);
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();

    QElapsedTimer clock;
    clock.start();
    const qint64 end = kWarmupMs + seconds * 1000LL;
    while (clock.elapsed() < end) {
        const bool counting = clock.elapsed() >= kWarmupMs;
        const double t0 = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID);
        if (av_read_frame(format, packet) < 0)
            break;
        const double t1 = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID);
        bool picture = false;
        if (packet->stream_index == video && avcodec_send_packet(codec, packet) >= 0)
            picture = avcodec_receive_frame(codec, frame) == 0;
        const double t2 = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID);
        av_packet_unref(packet);
        double t3 = t2, t4 = t2;
        if (picture) {
            sws_scale(scaler, frame->data, frame->linesize, 0, codec->height, planes, lines);
            t3 = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID);
            const QImage copy = QImage(out.data(), kOutWidth, kOutHeight, lines[0], QImage::Format_RGB888).copy();
            t4 = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID);
            Q_UNUSED(copy);
        }
        if (counting) {
            steps.readMs += t1 - t0;
            steps.decodeMs += t2 - t1;
            steps.scaleMs += t3 - t2;
            steps.copyMs += t4 - t3;
            steps.pictures += picture ? 1 : 0;
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    sws_freeContext(scaler);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    if (steps.pictures > 0) {
        steps.readMs /= steps.pictures;
        steps.decodeMs /= steps.pictures;
        steps.scaleMs /= steps.pictures;
        steps.copyMs /= steps.pictures;
    }
    return steps;
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
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("runs of every figure (median)"),
                                  QStringLiteral("n"), QStringLiteral("3"));
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("first RTSP port"), QStringLiteral("port"),
                                  QStringLiteral("18554"));
    QCommandLineOption sizesOption(QStringLiteral("sizes"), QStringLiteral("stream sizes"), QStringLiteral("list"),
                                   QStringLiteral("640x360,1920x1080"));
    QCommandLineOption countsOption(QStringLiteral("counts"), QStringLiteral("simultaneous streams"),
                                    QStringLiteral("list"), QStringLiteral("1,6"));
    QCommandLineOption clipsOption(QStringLiteral("keep-clips"), QStringLiteral("make and keep the clips in DIR"),
                                   QStringLiteral("dir"));
    QCommandLineOption stepsOption(QStringLiteral("steps"), QStringLiteral("only: one stream's CPU per loop step"));
    QCommandLineOption lowRateOption(QStringLiteral("low-rate"),
                                     QStringLiteral("only: first picture of a 5 pictures/s, 64 kbit/s stream"));
    QCommandLineOption parallelOption(QStringLiteral("parallel-open"),
                                      QStringLiteral("only: the last first picture of --counts streams opened at once"));
    QCommandLineOption traceOption(QStringLiteral("trace"),
                                   QStringLiteral("with --parallel-open: the opens' log lines, time and thread"));
    parser.addOptions({secondsOption, cpusOption, runsOption, portOption, sizesOption, countsOption, clipsOption,
                       stepsOption, lowRateOption, parallelOption, traceOption});
    parser.process(app);
    const int seconds = std::max(2, parser.value(secondsOption).toInt());
    const int cpus = parser.value(cpusOption).toInt();
    const int runs = std::max(1, parser.value(runsOption).toInt());
    quint16 port = quint16(parser.value(portOption).toUInt());
    qInstallMessageHandler(bench::quiet);

    if (parser.isSet(lowRateOption)) {
        RtspServerProcess server;
        RtspServerProcess::Options options;
        options.port = port;
        options.fps = 5;
        options.bitrateKbit = 64;
        if (!server.start(options)) {
            std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
            return 1;
        }
        if (cpus > 0)
            pinToCpus(cpus);
        const QStringList urls{server.url(1)};
        std::printf("First picture of a 640x360 stream of 5 pictures/s at 64 kbit/s (one key frame a second), "
                    "ms, median / max of %d runs:\n\n| decoder | first picture ms |\n|---|---|\n",
                    kFirstPictureRuns);
        const QPair<double, double> ours = oursFirstPicture(urls);
        std::printf("| QFFmpeg (Init to the picture in the GUI thread) | %.0f / %.0f |\n", ours.first, ours.second);
        const QPair<double, double> same = ffmpegFirstPicture(urls);
        std::printf("| ffmpeg, our options | %.0f / %.0f |\n", same.first, same.second);
        const QPair<double, double> uncapped = ffmpegFirstPicture(urls, false);
        std::printf("| ffmpeg, our options without -analyzeduration | %.0f / %.0f |\n", uncapped.first, uncapped.second);
        server.stop();
        return 0;
    }

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
        const QSize size = bench::parseSize(sizeText);
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

    if (parser.isSet(parallelOption)) {
        const auto load = [] {
            QFile file(QStringLiteral("/proc/loadavg"));
            return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
        };
        std::printf("Last first picture of N streams opened at once (ours: each start begun during the earlier "
                    "starts' waits; ffmpeg: N processes with our options, process start included), ms from the "
                    "common start, median of %d runs taken in turns; decoders on %s CPU(s) of %ld; load average "
                    "before: %s\n\n| stream | streams | decoder | last first picture ms, median | runs |\n"
                    "|---|---|---|---|---|\n",
                    runs, cpus > 0 ? qPrintable(QString::number(cpus)) : "all", sysconf(_SC_NPROCESSORS_ONLN),
                    load().constData());
        std::fflush(stdout);
        if (parser.isSet(traceOption))
            qInstallMessageHandler(traceOpens);
        for (const Server &server : servers) {
            for (const QString &countText : parser.value(countsOption).split(',')) {
                QStringList urls;
                for (int i = 0; i < countText.toInt(); ++i)
                    urls << server.process->url(1 + i % 5);
                QVector<double> ours, theirs, begins;
                for (int run = 0; run < runs; ++run) {
                    const OpenRun o = oursParallelOpenRun(urls);
                    ours << o.lastFirstMs;
                    begins << o.lastBeginMs;
                    pumpFor(1000);
                    const QVector<double> f = ffmpegFirstPictureRun(urls);
                    theirs << (f.contains(-1) ? -1 : *std::max_element(f.begin(), f.end()));
                    pumpFor(1000);
                }
                auto each = [](const QVector<double> &values) {
                    QStringList text;
                    for (double v : values)
                        text << QString::number(v, 'f', 0);
                    return text.join(QStringLiteral(", "));
                };
                const QString stream = QStringLiteral("%1x%2").arg(server.size.width()).arg(server.size.height());
                std::printf("| %s | %d | QFFmpeg via rtsp_stream::start, nested (last start began at %.0f ms) | "
                            "%.0f | %s |\n",
                            qPrintable(stream), int(urls.size()), median(begins), median(ours), qPrintable(each(ours)));
                std::printf("| %s | %d | ffmpeg -frames:v 1, our options | %.0f | %s |\n", qPrintable(stream),
                            int(urls.size()), median(theirs), qPrintable(each(theirs)));
                std::fflush(stdout);
            }
        }
        std::printf("\nload average after: %s\n", load().constData());
        for (Server &server : servers)
            server.process->stop();
        return 0;
    }

    if (parser.isSet(stepsOption)) {
        std::printf("Thread CPU ms per picture of each step, one stream, median of %d runs of %d s:\n\n"
                    "| stream | read | decode | scale to %dx%d | copy into QImage | sum |\n|---|---|---|---|---|---|\n",
                    runs, seconds, kOutWidth, kOutHeight);
        for (const Server &server : servers) {
            QVector<double> read, decode, scale, copy, sum;
            for (int run = 0; run < runs; ++run) {
                const Steps s = stepProfile(server.process->url(1), seconds);
                read << s.readMs;
                decode << s.decodeMs;
                scale << s.scaleMs;
                copy << s.copyMs;
                sum << s.readMs + s.decodeMs + s.scaleMs + s.copyMs;
            }
            std::printf("| %dx%d | %.2f | %.2f | %.2f | %.2f | %.2f |\n", server.size.width(), server.size.height(),
                        median(read), median(decode), median(scale), median(copy), median(sum));
            std::fflush(stdout);
        }
        for (Server &server : servers)
            server.process->stop();
        return 0;
    }

    std::printf("Decoding %d x %d RGB24 pictures from H.264 %d fps clips served over RTSP/TCP on loopback; "
                "%d s measured after %d s warm-up, median of %d runs; decoders on %s CPU(s) of %ld.\n\n",
                kOutWidth, kOutHeight, kFps, seconds, kWarmupMs / 1000, runs,
                cpus > 0 ? qPrintable(QString::number(cpus)) : "all", sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("| stream | streams | decoder | pictures/s (all streams) | CPU ms/picture (runs) | first picture ms (median / max) | stream-seconds short of %d pictures (worst second) |\n",
                kShortSecond);
    std::printf("|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);

    struct Row {
        QVector<double> rate, cpu;
        int shortSeconds = 0;
        int worstSecond = kFps * 10;
        void add(const Figures &f)
        {
            rate << f.picturesPerSecond;
            cpu << f.cpuMsPerPicture;
            shortSeconds += f.shortSeconds;
            worstSecond = std::min(worstSecond, f.worstSecond);
        }
    };
    auto print = [](const QString &stream, int count, const char *decoder, const Row &row, const QString &first) {
        QStringList each;
        for (double v : row.cpu)
            each << QString::number(v, 'f', 2);
        std::printf("| %s | %d | %s | %.1f | %.2f (%s) | %s | %d (%d) |\n", qPrintable(stream), count, decoder,
                    median(row.rate), median(row.cpu), qPrintable(each.join(QStringLiteral(", "))), qPrintable(first),
                    row.shortSeconds, row.worstSecond);
        std::fflush(stdout);
    };
    for (const Server &server : servers) {
        for (const QString &countText : parser.value(countsOption).split(',')) {
            const int count = countText.toInt();
            QStringList urls;
            for (int i = 0; i < count; ++i)
                urls << server.process->url(1 + i % 5);
            Row ours, same, floor;
            // The three decoders take turns, so that a change in the machine's load falls on all.
            for (int run = 0; run < runs; ++run) {
                ours.add(runOurs(urls, seconds));
                pumpFor(1000);
                same.add(runFfmpeg(urls, seconds, FfmpegWork::SameAsOurs));
                pumpFor(1000);
                floor.add(runFfmpeg(urls, seconds, FfmpegWork::DecodeOnly));
                pumpFor(1000);
            }
            const QPair<double, double> oursFirst = oursFirstPicture(urls);
            pumpFor(1000);
            const QPair<double, double> theirFirst = ffmpegFirstPicture(urls);
            pumpFor(1000);
            const QString stream = QStringLiteral("%1x%2").arg(server.size.width()).arg(server.size.height());
            auto first = [](const QPair<double, double> &f) {
                return QStringLiteral("%1 / %2").arg(f.first, 0, 'f', 0).arg(f.second, 0, 'f', 0);
            };
            print(stream, count, "QFFmpeg", ours, first(oursFirst));
            print(stream, count, "ffmpeg, same work", same, first(theirFirst));
            print(stream, count, "ffmpeg, decode only (floor)", floor, QStringLiteral("-"));
        }
    }
    for (Server &server : servers)
        server.process->stop();
    return 0;
}
