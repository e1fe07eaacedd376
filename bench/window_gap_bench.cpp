// How long the real main window stops turning while cameras connect, stream and disconnect:
// the longest gap between two turns of a 10 ms timer in the window's event loop, per phase.
//
//   CORVANE_SOURCE_DIR=$PWD tests/support/run_isolated.sh --netns
//       $PWD/build-bench/bench/window_gap_bench [--stream-seconds 20] [--clip FILE] [--together]
//       [--trace]
// (one command line)
//
// Phases: six 1920x1080 cameras connected one after another (simulated cameras on 127.0.0.2
// to 127.0.0.7, their pictures from the RTSP test server serving an H.264 clip), the pictures
// streaming, the free preview opening a camera whose RTSP port accepts and stays silent (until
// the decoder's 5 s watchdog gives up), and the six cameras let go. Boxes are answered at once
// by a presenter of this program; everything else is the program's own code at its own pace.
// --together presses the six connects at once instead (each during the earlier ones' waits);
// --trace prints the opens' log lines with their time and thread.
#include "bench_support.h"
#include "core/reachability.h"
#include "mainwindow/mainwindow.h"
#include "rtsp/rtsp_server_process.h"
#include "seams/message_box.h"
#include "sim_camera_host.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>

namespace {

constexpr int kClipSeconds = 90; // longer than every phase together: the clip never ends

QElapsedTimer gTraceClock; // from the first connect
bool gTrace = false;       // --trace
std::atomic<int> gOpensRunning{0};
std::atomic<int> gMostOpensAtOnce{0};

// Counts the streams' opens running at once from their log lines (they run on threads of their
// own); with --trace also prints them with the time since the first connect and the thread.
void countOpens(QtMsgType, const QMessageLogContext &, const QString &message)
{
    const bench::OpenLine line = bench::openLine(message);
    if (line == bench::OpenLine::Other)
        return;
    if (line == bench::OpenLine::Begins) {
        const int running = ++gOpensRunning;
        int most = gMostOpensAtOnce.load();
        while (running > most && !gMostOpensAtOnce.compare_exchange_weak(most, running)) {
        }
    } else if (line == bench::OpenLine::Ends) {
        --gOpensRunning;
    }
    if (gTrace && gTraceClock.isValid())
        bench::printOpenLine(gTraceClock, message);
}

// Answers every box at once with its default (or first) button and counts them.
class Answerer : public msgbox::Presenter
{
public:
    QMessageBox::StandardButton present(const msgbox::Request &request) override
    {
        ++boxes;
        if (request.defaultButton != QMessageBox::NoButton)
            return request.defaultButton;
        for (int bit = 0; bit < 32; ++bit) {
            const auto button = QMessageBox::StandardButton(1u << bit);
            if (request.buttons & button)
                return button;
        }
        return QMessageBox::Ok;
    }
    void presentNotice(const msgbox::Request &, int) override { ++boxes; }
    int boxes = 0;
};

// The gaps between the timer's turns in one phase, as a row of the table; the next phase starts.
void report(bench::GapMeter &meter, const char *phase, qint64 phaseMs)
{
    std::printf("| %s | %.1f | %d | %lld | %lld | %d |\n", phase, phaseMs / 1000.0, int(meter.gaps.size()),
                static_cast<long long>(meter.longest()), static_cast<long long>(meter.percentile99()), meter.over(50));
    std::fflush(stdout);
    meter.restart();
}

using bench::pumpFor;

// As an installer does: the next button once the tabs are unlocked again (a pano's connect
// locks them until its parameter reply).
void waitUntilEnabled(QWidget *w)
{
    QElapsedTimer clock;
    clock.start();
    while (!w->isEnabled() && clock.elapsed() < 20000)
        pumpFor(20);
}

QString cameraAddress(int slot) { return QStringLiteral("127.0.0.%1").arg(slot + 2); }

const char *const kSlots[] = {"teacher_feature", "teacher_pano", "student_feature",
                              "student_pano",    "board_feature", "board_pano"};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"stream-seconds", "Seconds of streaming with six cameras.", "s", "20"});
    parser.addOption({"clip", "1920x1080 H.264 clip to serve (made when missing).", "file"});
    parser.addOption({"together", "Press the six connects at once: each during the earlier ones' waits."});
    parser.addOption({"trace", "Print the streams' opens with their time and thread."});
    parser.process(app);
    const int streamSeconds = parser.value("stream-seconds").toInt();

    QTemporaryDir scratch;
    QString clip = parser.value("clip");
    if (clip.isEmpty())
        clip = scratch.filePath(QStringLiteral("clip1080.mp4"));
    if (!QFileInfo::exists(clip)) {
        QString why;
        if (!RtspServerProcess::makeClip(clip, QSize(1920, 1080), 25, kClipSeconds, &why)) {
            std::fprintf(stderr, "cannot make the clip: %s\n", qPrintable(why));
            return 1;
        }
    }
    RtspServerProcess server;
    RtspServerProcess::Options options;
    options.address = QStringLiteral("0.0.0.0");
    options.port = 554;
    options.clip = clip;
    if (!server.start(options)) {
        std::fprintf(stderr, "RTSP server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    SimCameraHost cameras;
    for (int slot = 0; slot < 6; ++slot)
        cameras.addCamera(cameraAddress(slot), QStringLiteral("J57"));
    if (!cameras.startAll()) {
        std::fprintf(stderr, "cannot start the simulated cameras\n");
        return 1;
    }
    // Accepts and never answers.
    QTcpServer silent;
    if (!silent.listen(QHostAddress(QStringLiteral("127.0.0.8")), 8554)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.8:8554\n");
        return 1;
    }

    bench::showMainWindowAtStart();
    Answerer answerer;
    msgbox::setPresenter(&answerer);
    reachability::setCheck([](const QString &) { return true; });
    gTrace = parser.isSet("trace");
    qInstallMessageHandler(countOpens);

    MainWindow window;
    window.show();
    pumpFor(500);
    auto field = [&](const QString &name) { return window.findChild<QLineEdit *>(name); };
    auto button = [&](const QString &name) { return window.findChild<QPushButton *>(name); };

    std::printf("| phase | seconds | turns | longest gap ms | 99th percentile ms | gaps over 50 ms |\n");
    std::printf("|---|---|---|---|---|---|\n");
    bench::GapMeter meter;
    QElapsedTimer phase;

    phase.start();
    gTraceClock.start();
    if (parser.isSet("together")) {
        // As clicks arrive while a camera connects: each button is pressed from a timer of its
        // own that turns during the earlier connects' waits, so the connects nest.
        std::function<void(int)> press = [&](int slot) {
            if (slot + 1 < 6) {
                auto *next = new QTimer(&window);
                next->setSingleShot(true);
                QObject::connect(next, &QTimer::timeout, &window, [&press, slot] { press(slot + 1); });
                next->start(0);
            }
            field(QString::fromLatin1(kSlots[slot]) + QStringLiteral("_IP_Edit"))->setText(cameraAddress(slot));
            button(QString::fromLatin1(kSlots[slot]) + QStringLiteral("_connect_Button"))->click();
        };
        press(0);
        // A connect locks the other tabs until it ends, so presses on their buttons are lost, as
        // an installer's would be: those cameras connect afterwards, one after another.
        int lost = 0;
        for (int slot = 0; slot < 6; ++slot) {
            QPushButton *b = button(QString::fromLatin1(kSlots[slot]) + QStringLiteral("_connect_Button"));
            waitUntilEnabled(b);
            if (b->text() != QLatin1String("Disconnect")) {
                ++lost;
                b->click();
            }
        }
        pumpFor(200);
        report(meter, "six connects pressed at once", phase.restart());
        std::printf("(presses lost to the locked tabs, connected afterwards: %d; most opens at once: %d)\n", lost,
                    gMostOpensAtOnce.load());
    } else {
        for (int slot = 0; slot < 6; ++slot) {
            field(QString::fromLatin1(kSlots[slot]) + QStringLiteral("_IP_Edit"))->setText(cameraAddress(slot));
            QPushButton *b = button(QString::fromLatin1(kSlots[slot]) + QStringLiteral("_connect_Button"));
            waitUntilEnabled(b);
            b->click();
        }
        pumpFor(200);
        report(meter, "six connects, one after another", phase.restart());
    }

    pumpFor(streamSeconds * 1000);
    report(meter, "six pictures streaming", phase.restart());

    field(QStringLiteral("txtUrl"))->setText(QStringLiteral("127.0.0.8"));
    field(QStringLiteral("txtPort"))->setText(QStringLiteral("8554"));
    button(QStringLiteral("rtsp_connect_Button"))->click();
    pumpFor(200);
    report(meter, "silent RTSP port (preview open until the watchdog)", phase.restart());

    for (int slot = 0; slot < 6; ++slot) {
        QPushButton *b = button(QString::fromLatin1(kSlots[slot]) + QStringLiteral("_connect_Button"));
        waitUntilEnabled(b);
        b->click();
    }
    pumpFor(200);
    report(meter, "six disconnects", phase.restart());

    int connected = 0;
    for (const char *slot : kSlots)
        connected += button(QString::fromLatin1(slot) + QStringLiteral("_connect_Button"))->text()
                     == QLatin1String("Disconnect");
    std::printf("\nboxes answered: %d; cameras still connected: %d\n", answerer.boxes, connected);
    msgbox::setPresenter(nullptr);
    return 0;
}
