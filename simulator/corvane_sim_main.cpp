// corvane-sim: one simulated camera, run by hand. Prints every message it receives and sends.
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_closeup.h"
#include "sim_discovery.h"
#include "sim_http.h"
#include "sim_fault.h"
#include "sim_transfer.h"
#include "sim_visca.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageReader>
#include <QTextStream>

#include <memory>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool readPort(const QCommandLineParser &parser, const QString &option, quint16 *port)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const uint value = parser.value(option).toUInt(&ok);
    if (!ok || value == 0 || value > 65535) {
        err() << "corvane-sim: bad port for --" << option << ": " << parser.value(option) << Qt::endl;
        return false;
    }
    *port = quint16(value);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated camera of the Corvane installation: text commands on UDP (6791, answered to "
                       "port 7791), VISCA on UDP (1259), control frames on TCP (6793, answered in UOT frames)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("address"), QStringLiteral("loopback address to serve on, e.g. 127.0.0.2"));
    parser.addPositionalArgument(QStringLiteral("model"), QStringLiteral("model code: R6, M5, M19, J57, J22 ..."));
    parser.addPositionalArgument(QStringLiteral("fault"),
                                 QStringLiteral("optional fault: %1; slow takes a delay as slow:MS")
                                     .arg(simfault::names().join(QStringLiteral(", "))),
                                 QStringLiteral("[fault]"));
    const QCommandLineOption textPort(QStringLiteral("text-port"), QStringLiteral("UDP text port (6791)"), QStringLiteral("port"));
    const QCommandLineOption viscaPort(QStringLiteral("visca-port"), QStringLiteral("UDP VISCA port (1259)"), QStringLiteral("port"));
    const QCommandLineOption tcpPort(QStringLiteral("tcp-port"), QStringLiteral("TCP control port (6793)"), QStringLiteral("port"));
    const QCommandLineOption replyPort(QStringLiteral("reply-port"), QStringLiteral("port text answers go to (7791)"), QStringLiteral("port"));
    const QCommandLineOption rtspPort(QStringLiteral("rtsp-port"),
                                      QStringLiteral("also serve the camera's pictures: RTSP \"/1\" to \"/5\" on this port (554 on a camera)"),
                                      QStringLiteral("port"));
    const QCommandLineOption rtspSize(QStringLiteral("rtsp-size"), QStringLiteral("picture size of the RTSP test pattern (1920x1080)"),
                                      QStringLiteral("WxH"), QStringLiteral("1920x1080"));
    const QCommandLineOption httpPort(QStringLiteral("http-port"),
                                      QStringLiteral("also serve the HTTP parameter interface of the lectern mode on this port (80 on a camera)"),
                                      QStringLiteral("port"));
    const QCommandLineOption httpLogin(QStringLiteral("http-login"), QStringLiteral("its login (qetul:qetul)"),
                                       QStringLiteral("user:password"), QStringLiteral("qetul:qetul"));
    const QCommandLineOption rtspPicture(QStringLiteral("rtsp-picture"),
                                         QStringLiteral("serve this still picture (PNG, JPEG) scaled to --rtsp-size instead of the test pattern"),
                                         QStringLiteral("file"));
    const QCommandLineOption closeup(QStringLiteral("closeup"),
                                     QStringLiteral("be a close-up camera looking into the --rtsp-picture: serve the part its pan, tilt "
                                                    "and zoom positions show (RTSP port 554 unless --rtsp-port is given)"));
    const QCommandLineOption closeupFov(QStringLiteral("closeup-fov"),
                                        QStringLiteral("horizontal field of view of the close-up at its widest zoom, degrees (21.2)"),
                                        QStringLiteral("degrees"), QStringLiteral("21.2"));
    const QCommandLineOption panoFov(QStringLiteral("pano-fov"),
                                     QStringLiteral("horizontal field of view of the --rtsp-picture, degrees (90)"),
                                     QStringLiteral("degrees"), QStringLiteral("90"));
    const QCommandLineOption transfer(QStringLiteral("transfer"),
                                      QStringLiteral("also serve the file transfers: ports 5555 and 10791 of the address"));
    const QCommandLineOption discovery(QStringLiteral("discovery"),
                                       QStringLiteral("also answer device searches on the interface holding this test "
                                                      "address (10.250.x.y in a namespace of its own); \":unicast\" "
                                                      "answers straight back instead of to the group"),
                                       QStringLiteral("address[:unicast]"));
    parser.addOptions({textPort, viscaPort, tcpPort, replyPort, rtspPort, rtspSize, rtspPicture, closeup, closeupFov, panoFov,
                       httpPort, httpLogin, transfer, discovery});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() < 2 || args.size() > 3) {
        err() << parser.helpText();
        return 2;
    }
    if (!simvisca::isValidModel(args.at(1))) {
        err() << "corvane-sim: a model is a letter and a lower-case hex number without leading zeros, not "
              << args.at(1) << Qt::endl;
        return 2;
    }
    SimCamera camera(args.at(0), args.at(1));
    SimPorts ports;
    if (!readPort(parser, textPort.names().first(), &ports.text) || !readPort(parser, viscaPort.names().first(), &ports.visca)
        || !readPort(parser, tcpPort.names().first(), &ports.tcp) || !readPort(parser, replyPort.names().first(), &ports.reply))
        return 2;
    if (!camera.setAddress(args.at(0))) {
        err() << "corvane-sim: not a loopback address (127.0.0.0/8): " << args.at(0) << Qt::endl;
        return 2;
    }
    camera.setPorts(ports);
    if (args.size() == 3) {
        const QStringList parts = args.at(2).split(QLatin1Char(':'));
        SimFault fault;
        bool delayOk = true;
        const int delay = parts.size() > 1 ? parts.at(1).toInt(&delayOk) : 0;
        if (parts.size() > 2 || !simfault::fromName(parts.at(0), &fault) || !delayOk || delay < 0) {
            err() << "corvane-sim: unknown fault " << args.at(2) << "; one of " << simfault::names().join(QStringLiteral(", "))
                  << Qt::endl;
            return 2;
        }
        camera.setFault(fault, delay);
    }

    QObject::connect(&camera, &SimCamera::messageReceived, [](const SimMessage &message) {
        out() << "<< " << message.describe() << Qt::endl;
    });
    QObject::connect(&camera, &SimCamera::messageSent, [](const SimMessage &message) {
        out() << ">> " << message.describe() << Qt::endl;
    });
    if (!camera.start()) {
        err() << "corvane-sim: " << camera.lastError() << Qt::endl;
        return 1;
    }
    out() << "camera " << camera.model() << " on " << camera.address() << ": text UDP " << ports.text << " (answers to port "
          << ports.reply << "), VISCA UDP " << ports.visca << ", control TCP " << ports.tcp << ", fault "
          << simfault::name(camera.fault()) << Qt::endl;

    std::unique_ptr<SimHttpService> http;
    if (parser.isSet(httpPort)) {
        quint16 port = 80;
        const QString login = parser.value(httpLogin);
        const int colon = login.indexOf(QLatin1Char(':'));
        if (!readPort(parser, httpPort.names().first(), &port) || colon < 0) {
            err() << "corvane-sim: bad --http-port or --http-login" << Qt::endl;
            return 2;
        }
        http = std::make_unique<SimHttpService>(camera.address(), port);
        http->setLogin(login.left(colon), login.mid(colon + 1));
        QObject::connect(http.get(), &SimHttpService::requestHandled, [](const SimHttpRequest &request) {
            out() << "<> HTTP " << request.describe() << Qt::endl;
        });
        if (!http->start()) {
            err() << "corvane-sim: " << http->lastError() << Qt::endl;
            return 1;
        }
        out() << "HTTP parameter interface: http://" << camera.address() << ':' << http->port() << "/cgi-bin/param.cgi?"
              << Qt::endl;
    }

    RtspServerProcess pictures;
    SimCloseupPictures closeupPictures(&camera);
    std::unique_ptr<SimTransferService> transfers;
    if (parser.isSet(transfer)) {
        transfers = std::make_unique<SimTransferService>(camera.address());
        if (!transfers->start()) {
            err() << "corvane-sim: " << transfers->lastError() << Qt::endl;
            return 1;
        }
        out() << "file transfers: TCP 5555 and 10791" << Qt::endl;
    }
    std::unique_ptr<SimDiscoveryService> search;
    if (parser.isSet(discovery)) {
        const QStringList parts = parser.value(discovery).split(QLatin1Char(':'));
        search = std::make_unique<SimDiscoveryService>(parts.first(), parts.value(1) == QLatin1String("unicast")
                                                                          ? SimReplyRoute::Unicast
                                                                          : SimReplyRoute::Multicast);
        if (!search->start()) {
            err() << "corvane-sim: " << search->lastError() << Qt::endl;
            return 1;
        }
        out() << "device search: answers on " << parts.first() << " UDP 8005" << Qt::endl;
    }

    if (parser.isSet(closeup) && !parser.isSet(rtspPicture)) {
        err() << "corvane-sim: --closeup needs --rtsp-picture" << Qt::endl;
        return 2;
    }
    if (parser.isSet(rtspPort) || parser.isSet(closeup)) {
        RtspServerProcess::Options options;
        options.address = camera.address();
        options.port = 554; // a camera's own port, unless --rtsp-port names another
        const QStringList size = parser.value(rtspSize).split(QLatin1Char('x'));
        options.size = size.size() == 2 ? QSize(size.at(0).toInt(), size.at(1).toInt()) : QSize();
        options.picture = parser.value(rtspPicture);
        if (!readPort(parser, rtspPort.names().first(), &options.port) || options.size.width() < 16
            || options.size.height() < 16) {
            err() << "corvane-sim: bad --rtsp-port or --rtsp-size" << Qt::endl;
            return 2;
        }
        if (parser.isSet(closeup)) {
            SimCloseupOptics optics;
            bool closeupOk = false;
            bool panoOk = false;
            optics.picture = QImageReader(options.picture).size();
            optics.closeupFovDeg = parser.value(closeupFov).toDouble(&closeupOk);
            optics.panoFovDeg = parser.value(panoFov).toDouble(&panoOk);
            if (!optics.picture.isValid()) {
                err() << "corvane-sim: cannot read the picture " << options.picture << Qt::endl;
                return 2;
            }
            if (!closeupOk || !panoOk) {
                err() << "corvane-sim: bad --closeup-fov or --pano-fov" << Qt::endl;
                return 2;
            }
            QObject::connect(&closeupPictures, &SimCloseupPictures::cropChanged, [](const QRect &crop) {
                out() << "crop " << crop.x() << ' ' << crop.y() << ' ' << crop.width() << ' ' << crop.height() << Qt::endl;
            });
            if (!closeupPictures.start(options, optics)) {
                err() << "corvane-sim: RTSP server: " << closeupPictures.errorString() << Qt::endl;
                return 1;
            }
            out() << "pictures: " << closeupPictures.server().url(1) << " to /5, close-up of " << options.picture << ' '
                  << optics.picture.width() << 'x' << optics.picture.height() << Qt::endl;
        } else {
            if (!pictures.start(options)) {
                err() << "corvane-sim: RTSP server: " << pictures.errorString() << Qt::endl;
                return 1;
            }
            out() << "pictures: " << pictures.url(1) << " to /5" << Qt::endl;
        }
    }
    return app.exec();
}
