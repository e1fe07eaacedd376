#include "app_entry.h"
#include "font_warmup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontConfigWarmUp fonts;
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    fonts.wait();
    return run_application(app);
}
