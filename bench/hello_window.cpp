// The reference of the start-up benchmark (bench/startup_bench.py): a Qt hello world that shows
// an empty QMainWindow, built with the tool's compiler flags and build type and started the way
// the tool's main() starts (the same high-DPI attributes before the application object).
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return app.exec();
}
