#include "app_entry.h"
#include "font_warmup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontConfigWarmUp fonts;
    set_application_attributes();
    QApplication app(argc, argv);
    fonts.wait();
    return run_application(app);
}
