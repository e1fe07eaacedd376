// The tool's windows are drawn by the CPU alone under a real X server: showing the main window
// or the wizard asks for no OpenGL surface, so Mesa's driver is never loaded, and the window's
// picture still reaches the server's screen.
#include "app_entry.h"
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "own_display.h"
#include "test_env.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {
constexpr int kPaintedColours = 8;
constexpr int kPaintWaitMs = 5000; // the first expose and paint, well within this
} // namespace

class tst_WindowSurfaces : public QObject
{
    Q_OBJECT

private slots:
    void shownWithoutOpenGl_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::newRow("main window") << "[TEACHER_CONF]\nTracking_Guide_State=1\n";
        QTest::newRow("wizard") << "[TEACHER_CONF]\nTracking_Guide_State=0\n";
    }
    void shownWithoutOpenGl()
    {
        QFETCH(QString, ini);
        testenv::writeConfigIni(ini);
        QList<QSurface::SurfaceType> surfaces;
        int onScreenColours = 0;
        QObject rowContext;
        QTimer::singleShot(0, &rowContext, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && w->windowHandle()) {
                    surfaces << w->windowHandle()->surfaceType();
                    // Texts, frames and buttons: far more than a blank window's one or two.
                    (void)QTest::qWaitFor([&] {
                        onScreenColours = OwnDisplay::distinctColours(OwnDisplay::screenOf(w));
                        return onScreenColours > kPaintedColours;
                    }, kPaintWaitMs);
                }
            }
            qApp->quit();
        });
        QCOMPARE(run_application(*qApp), 0);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<GuideConfig *>(w))
                delete w;
        }
        QCOMPARE(surfaces, QList<QSurface::SurfaceType>{QSurface::RasterSurface});
        QVERIFY2(onScreenColours > kPaintedColours, qPrintable(QString::number(onScreenColours)));
        const QString mapped = testenv::mappedFiles();
        QVERIFY(mapped.contains(QStringLiteral("/libQt5XcbQpa.so")));
        QVERIFY2(!mapped.contains(QStringLiteral("_dri.so")) && !mapped.contains(QStringLiteral("/libGLX_mesa.so")),
                 "Mesa's OpenGL driver was loaded");
    }
};

int main(int argc, char **argv)
{
    OwnDisplay display;
    if (!display.ready())
        return 1;
    set_application_attributes();
    QApplication app(argc, argv);
    tst_WindowSurfaces test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_surfaces.moc"
