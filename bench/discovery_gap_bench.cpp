// How long the real main window stops turning while a flood of cameras answers one search: the
// longest gap between two turns of a 10 ms timer in the window's event loop, from the Search
// button's click until every answer has been listed or counted.
//
//   CORVANE_SOURCE_DIR=$PWD tests/support/run_isolated.sh --netns
//       $PWD/build-bench/bench/discovery_gap_bench [--cameras 10000] [--per-second 500] [--idle]
// (one command line)
//
// The cameras are one simulated camera's fleet in a second network namespace (NetnsPeer), each
// answer a datagram of its own with a Device ID of its own, sent to the group at the given pace.
// --idle measures the same window for as long without a search: what the machine itself costs.
#include "bench_support.h"
#include "mainwindow/mainwindow.h"
#include "netns_peer.h"
#include "sim_discovery.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <cstdio>

namespace {
constexpr int kSettleMs = 2000; // after the last answer: what waits is parsed and listed
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"cameras", "Cameras answering the search.", "n", "10000"});
    parser.addOption({"per-second", "Answers a second.", "n", "500"});
    parser.addOption({"idle", "The reference: the same window for as long, with no search."});
    parser.process(app);
    const int cameras = parser.value("cameras").toInt();
    const int perSecond = parser.value("per-second").toInt();
    qInstallMessageHandler(bench::quiet);

    NetnsPeer peer;
    if (!peer.error().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(peer.error()));
        return 1;
    }
    SimDiscoveryService *fleet = nullptr;
    bool started = false;
    peer.run([&] {
        fleet = new SimDiscoveryService(QLatin1String(NetnsPeer::kPeerAddress));
        fleet->setFleet(cameras, perSecond);
        started = fleet->start();
    });
    if (!started) {
        std::fprintf(stderr, "the simulated cameras do not start\n");
        return 1;
    }

    bench::showMainWindowAtStart();
    MainWindow window;
    window.show();
    // The Upgrade tab's Search page shows, as the installer watches the list fill.
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))
        ->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("tab_6")));
    bench::pumpFor(500);
    auto *hostNet = window.findChild<QComboBox *>(QStringLiteral("local_ip_list_comboBox"));
    hostNet->setCurrentIndex(
        hostNet->findText(QLatin1Char(':') + QLatin1String(NetnsPeer::kLocalAddress), Qt::MatchEndsWith));
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("searchTreeWidget"));
    auto *count = window.findChild<QLabel *>(QStringLiteral("label_62"));
    int rebuilds = 0;
    QObject::connect(tree->model(), &QAbstractItemModel::modelReset, [&] { ++rebuilds; });

    bench::GapMeter meter;
    QElapsedTimer flood;
    flood.start();
    const qint64 floodMs = qint64(cameras) * 1000 / std::max(1, perSecond);
    if (parser.isSet("idle")) {
        bench::pumpFor(int(floodMs));
    } else {
        window.findChild<QPushButton *>(QStringLiteral("search_Button"))->click();
        int sent = 0;
        peer.run([&] { sent = fleet->fleetAnswersSent(); });
        while (sent < cameras && flood.elapsed() < floodMs * 3 + 10000) {
            bench::pumpFor(100);
            peer.run([&] { sent = fleet->fleetAnswersSent(); });
        }
    }
    const qint64 elapsedMs = flood.elapsed();
    bench::pumpFor(kSettleMs);
    meter.tick.stop();

    std::printf("| cameras | answers a second | flood s | turns | longest gap ms | 99th percentile ms | gaps over 50 ms "
                "| tree rebuilds | rows | count label |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    std::printf("| %d | %d | %.1f | %d | %lld | %lld | %d | %d | %d | %s |\n", cameras, perSecond, elapsedMs / 1000.0,
                int(meter.gaps.size()), static_cast<long long>(meter.longest()),
                static_cast<long long>(meter.percentile99()), meter.over(50), rebuilds,
                tree->topLevelItemCount(), qPrintable(count->text()));
    peer.run([&] { delete fleet; });
    return 0;
}
