// What needs a real X server (an Xvfb of the test's own, Mesa's software OpenGL): the OpenGL
// frame view, and the preview widget in window mode, where libVLC draws into its X11 window;
// with CORVANE_SHOT_DIR set, screenshots of the preview widget playing a file and a simulated
// camera's RTSP picture.
#include "media_clips.h"
#include "own_display.h"
#include "rtsp/rtsp_server_process.h"
#include "video/glvideowidget.h"
#include "video/vlcthread.h"
#include "video/vlcwidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
// This program's own leak suppressions, beside tests/support/lsan.supp: what libVLC's OpenGL
// output (window mode) and Mesa's driver keep, which only this test loads. Both are unloaded
// before the leak check, so their own frames have no name and a suppression can only name a
// frame of a library that stays, deeper down (the test's CMakeLists.txt keeps thirty frames).
extern "C" const char *__lsan_default_suppressions()
{
    return
        // What libVLC's OpenGL display plugin keeps from its open (its EGL display in Mesa's
        // libEGL_mesa, libplacebo's objects): only libvlccore's loader has a name in those
        // stacks. In window mode libVLC calls none of the program's picture callbacks.
        "leak:vlc_module_load\n"
        // The state of Mesa's driver made with Qt's first OpenGL context, below Mesa's GLX.
        "leak:libGLX_mesa.so\n"
        // What Mesa's driver allocates while Qt draws the OpenGL view's texture into the
        // window: Qt's composition is the first name, nineteen frames down.
        "leak:QPlatformBackingStore::composeAndFlush\n";
}
#endif

namespace {
constexpr int kStartTimeoutMs = 15000;
constexpr quint16 kRtspPort = 8554;

QColor clearColour() { return QLabel().palette().color(QPalette::Current, QPalette::Window); }

QImage solid(QSize size, QImage::Format format, QColor colour)
{
    QImage image(size, format);
    if (format == QImage::Format_Indexed8) {
        image.setColorTable({colour.rgb()});
        image.fill(0);
    } else {
        image.fill(colour);
    }
    return image;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 8 && qAbs(a.green() - b.green()) < 8 && qAbs(a.blue() - b.blue()) < 8;
}

} // namespace

class tst_X11Views : public QObject
{
    Q_OBJECT

    QString clip;
    RtspServerProcess server;

    std::unique_ptr<GLVideoWidget> shownView()
    {
        auto view = std::make_unique<GLVideoWidget>();
        view->resize(160, 90);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            return nullptr;
        return view;
    }
    QColor centre(GLVideoWidget *view) { return QColor(view->grabFramebuffer().pixel(80, 45)); }

private slots:
    void initTestCase()
    {
        clip = QDir::current().filePath(QStringLiteral("clip.mp4"));
        QVERIFY(media_clips::make(clip, 6, QStringLiteral("640x360")));
    }

    void viewBeforeAnyPicture()
    {
        auto view = shownView();
        QVERIFY(view);
        QVERIFY(near(centre(view.get()), clearColour()));
        view->updateImage(QImage()); // a null picture changes nothing
        QVERIFY(!view->hasTexture());
        QVERIFY(near(centre(view.get()), clearColour()));
    }

    void viewRebuildsForAnotherSizeAndClears()
    {
        auto view = shownView();
        QVERIFY(view);
        view->updateImage(solid({100, 50}, QImage::Format_RGB888, Qt::red));
        QVERIFY(near(centre(view.get()), Qt::red));
        view->updateImage(solid({64, 64}, QImage::Format_RGB888, Qt::green));
        QCOMPARE(view->textureSize(), QSize(64, 64));
        QVERIFY(near(centre(view.get()), Qt::green));
        view->clearImage();
        QVERIFY(near(centre(view.get()), clearColour()));
    }

    // Pictures of any format are shown in their own colours (RGB888 is what the upload reads).
    void viewTakesAnyFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("ARGB32") << int(QImage::Format_ARGB32);
        QTest::newRow("RGB32, odd width") << int(QImage::Format_RGB32);
        QTest::newRow("Grayscale8") << int(QImage::Format_Grayscale8);
        QTest::newRow("Indexed8") << int(QImage::Format_Indexed8);
    }
    void viewTakesAnyFormat()
    {
        QFETCH(int, format);
        auto view = shownView();
        QVERIFY(view);
        const QColor colour = format == QImage::Format_Grayscale8 ? QColor(90, 90, 90) : QColor(30, 60, 200);
        view->updateImage(solid({33, 21}, QImage::Format(format), colour));
        QVERIFY2(near(centre(view.get()), colour), qPrintable(centre(view.get()).name()));
    }

    // A picture given before the view has its context is shown once it has one, and a later
    // picture of the same size replaces it.
    void viewPictureBeforeContext()
    {
        GLVideoWidget view;
        view.resize(160, 90);
        view.updateImage(solid({48, 27}, QImage::Format_RGB888, Qt::red));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(near(QColor(view.grabFramebuffer().pixel(80, 45)), Qt::red));
        view.updateImage(solid({48, 27}, QImage::Format_RGB888, Qt::blue));
        QVERIFY(near(QColor(view.grabFramebuffer().pixel(80, 45)), Qt::blue));
    }

    // Window mode: libVLC draws into the widget's X11 window; its snapshot is libVLC's own.
    void widgetWindowMode()
    {
        VlcWidget w;
        w.resize(480, 270);
        w.setUrl(clip);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy started(&w, &VlcWidget::receivePlayStart);
        w.open();
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, kStartTimeoutMs);
        QVERIFY(w.findChild<QWidget *>(QStringLiteral("renderWidget"))->isVisible());
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("coverWidget"))->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(OwnDisplay::distinctColours(OwnDisplay::screenOf(&w)) > 8, kStartTimeoutMs);
        w.player()->readMediaInfo();
        const QString shot = QDir::current().filePath(QStringLiteral("window.png"));
        w.snap(shot);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(shot), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(QImageReader(shot).size(), QSize(640, 360), 5000);
        w.close();
        QVERIFY(w.findChild<QWidget *>(QStringLiteral("coverWidget"))->isVisible());
    }

    void screenshots()
    {
        const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("CORVANE_SHOT_DIR not set");
        RtspServerProcess::Options options;
        options.port = kRtspPort;
        options.size = QSize(1280, 720);
        QVERIFY2(server.start(options), qPrintable(server.errorString()));
        const QList<QPair<QString, QString>> shots{{clip, QStringLiteral("vlc-widget-file.png")},
                                                   {server.url(2), QStringLiteral("vlc-widget-rtsp.png")}};
        for (const auto &shot : shots) {
            VlcWidget w;
            w.resize(480, 270);
            w.setCallback(true);
            w.setUrl(shot.first);
            w.setOSD1Visible(true);
            w.setOSD1Text(shot.first.startsWith(QLatin1String("rtsp")) ? QStringLiteral("Teacher pano") : QStringLiteral("File"));
            w.setOSD1Format(VlcWidget::OSDFormat_Text);
            w.setOSD1Color(Qt::yellow);
            w.setOSD1FontSize(18);
            w.setOSD2Visible(true);
            w.setOSD2Format(VlcWidget::OSDFormat_DateTime);
            w.setFaceRects({QRect(170, 80, 140, 110)});
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.open();
            QTRY_VERIFY_WITH_TIMEOUT(!w.getImage().isNull(), kStartTimeoutMs);
            QTest::qWait(1500);
            QVERIFY(OwnDisplay::screenOf(&w).save(QDir(dir).filePath(shot.second)));
            w.close();
        }
    }
};

int main(int argc, char **argv)
{
    OwnDisplay display;
    qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
    int status = 1;
    {
        QApplication app(argc, argv);
        tst_X11Views test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_x11_views.moc"
