// The references of the start-up benchmark (bench/startup_bench.py): a Qt hello world built with
// the tool's compiler flags and build type and started the way the tool's main() starts (the
// same high-DPI attributes before the application object). Built four times:
// - an empty QMainWindow (the reference of the start-up aim), or with HELLO_BUTTON Qt's own
//   tutorial hello world, a button that reads "Hello world!": it lays out a text, so it reads the
//   system's font configuration too;
// - each with Qt's default window surfaces, and with HELLO_RASTER_WINDOWS with the tool's own
//   choice of windows drawn by the CPU alone (no OpenGL surface, so no Mesa driver at the first
//   window), so that the tool is measured beside all of them.
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#ifdef HELLO_RASTER_WINDOWS
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
#endif
    QApplication app(argc, argv);
#ifdef HELLO_BUTTON
    QPushButton window(QStringLiteral("Hello world!"));
#else
    QMainWindow window;
#endif
    window.show();
    return app.exec();
}
