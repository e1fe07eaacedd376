// The second reference of the start-up benchmark (bench/startup_bench.py): Qt's own tutorial
// hello world, a button that reads "Hello world!", built and started as bench/hello_window.cpp.
// Unlike the empty window it lays out a text, so it reads the system's font configuration too.
// Built twice as well: with Qt's default window surfaces, and with HELLO_RASTER_WINDOWS.
#include <QApplication>
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
    QPushButton hello(QStringLiteral("Hello world!"));
    hello.show();
    return app.exec();
}
