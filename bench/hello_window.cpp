// The reference of the start-up benchmark (bench/startup_bench.py): a Qt hello world that shows
// an empty QMainWindow, built with the tool's compiler flags and build type and started the way
// the tool's main() starts (the same high-DPI attributes before the application object). Built
// twice: with Qt's default window surfaces, and with HELLO_RASTER_WINDOWS with the tool's own
// choice of windows drawn by the CPU alone (no OpenGL surface, so no Mesa driver at the first
// window), so that the tool is measured beside both.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#ifdef HELLO_RASTER_WINDOWS
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
#endif
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return app.exec();
}
